// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// RI-DI Bench: wires the tools that ridi_bench_page wrote to the bench tools in ridi_core.wasm.
// Every number read, every result, caption and message is the core's, and every tool is as the
// page declares it (its fields, results, lines, warning, the buttons that carry a result, its
// plot, tables and notes);
// this script moves texts between the page, the core, the address and the one unit kept on the
// device.
'use strict';

(() => {
    const byId = (id) => document.getElementById(id);
    const bench = document.querySelector('main.bench');
    const unit_select = byId('unit');
    const unit_hint = byId('unit_hint');
    const tools = Array.from(document.querySelectorAll('section[data-tool]'));
    const inputs_of = (section) => Array.from(section.querySelectorAll('input, select'));
    const unit_key = 'ridi-bench-unit';
    const general_hint = unit_hint.textContent;

    const unit_option = () => unit_select.selectedOptions[0];
    function show_unit() {
        const option = unit_option();
        unit_hint.textContent = option.dataset.hint || general_hint;
        for (const input of document.querySelectorAll('input[data-length]')) {
            input.inputMode = option.dataset.keypad || 'decimal';
        }
    }
    function choose_unit(name) {
        const option = Array.from(unit_select.options).find((item) => item.dataset.name === name);
        if (option) {
            unit_select.value = option.value;
        }
    }

    // The binding: a tool's input texts go to the core exactly as typed; its answer (results
    // with their captions, lines, plot, tables, notes, warning) or its fault comes back. A plot
    // is drawn for a box `width` CSS pixels wide.
    function run_core(core, tool, unit, texts, comma, width = 0) {
        return ridi_site.ask(core, texts,
                             () => core._ridi_bench(tool, unit, comma ? 1 : 0, width));
    }
    // Paragraphs of `texts` in `box`.
    function paragraphs(box, texts) {
        box.replaceChildren(...texts.map((text) => {
            const paragraph = document.createElement('p');
            paragraph.textContent = text;
            return paragraph;
        }));
    }
    // Cells of `texts`, each a `kind` element, in `row`.
    function cells(row, kind, texts) {
        row.replaceChildren(...texts.map((text) => {
            const cell = document.createElement(kind);
            cell.textContent = text;
            if (kind === 'th') {
                cell.scope = 'col';
            }
            return cell;
        }));
        return row;
    }

    // The address holds the unit and the inputs of every tool calculated, so that it opens
    // filled in and calculated.
    const calculated = new Set();
    function write_address() {
        const params = new URLSearchParams({unit: unit_option().dataset.name});
        for (const section of tools.filter((tool) => calculated.has(tool.id))) {
            for (const input of inputs_of(section)) {
                params.set(input.id, input.value);
            }
        }
        history.replaceState(null, '', `#${params}`);
    }
    function read_address() {
        const params = new URLSearchParams(location.hash.slice(1));
        if (params.has('unit')) {
            choose_unit(params.get('unit'));
        }
        return tools.filter((section) => {
            let given = false;
            for (const input of inputs_of(section).filter((item) => params.has(item.id))) {
                input.value = params.get(input.id);
                given = true;
            }
            return given;
        });
    }

    // Shows a tool's answer, or its fault by the field it names; the other tools stay as they
    // are.
    function calculate(core, section) {
        const inputs = inputs_of(section);
        const plot = section.querySelector('.plot');
        const answer = run_core(core, Number(section.dataset.tool), Number(unit_select.value),
                                inputs.map((input) => input.value), ridi_site.decimal_comma,
                                plot ? section.querySelector('form').clientWidth : 0);
        const tool_error = byId(`${section.id}_error`);
        tool_error.textContent = '';
        for (const input of inputs) {
            input.removeAttribute('aria-invalid');
            byId(`${input.id}_error`).textContent = '';
        }
        calculated.add(section.id);
        write_address();
        const results = byId(`${section.id}_results`);
        if (answer.fault) {
            const input = inputs[answer.fault.input];
            if (input) {
                input.setAttribute('aria-invalid', 'true');
                input.closest('details')?.setAttribute('open', '');
            }
            (input ? byId(`${input.id}_error`) : tool_error).textContent = answer.fault.message;
            results.hidden = true;
            ridi_site.announce(answer.fault.message);
            return;
        }
        const spoken = [];
        section.querySelectorAll('.result-row').forEach((row, i) => {
            const [caption, value] = answer.results[i];
            row.querySelector('.caption').textContent = caption;
            row.querySelector('output').value = value;
            spoken.push(`${caption} ${value}`);
        });
        paragraphs(section.querySelector('.lines'), answer.lines);
        spoken.push(...answer.lines);
        if (plot) {
            plot.querySelector('.drawing').innerHTML = answer.plot;
            plot.querySelector('figcaption').textContent = answer.plot_caption;
        }
        section.querySelectorAll('table').forEach((table, i) => {
            const [heads, ...rows] = answer.tables[i];
            cells(table.tHead.rows[0], 'th', heads);
            table.tBodies[0].replaceChildren(
                ...rows.map((texts) => cells(document.createElement('tr'), 'td', texts)));
            table.hidden = rows.length === 0;
        });
        paragraphs(section.querySelector('.notes'), answer.notes);
        const warning = section.querySelector('.warning');
        if (warning) {
            warning.textContent = answer.warning ?? '';
            spoken.push(warning.textContent);
        }
        results.hidden = false;
        ridi_site.announce(spoken.filter((text) => text !== '').join(', '));
    }

    // The core, loading; if it cannot, each tool says why.
    const core = ridi_site.load_core(bench, (message) => {
        for (const section of tools) {
            byId(`${section.id}_error`).textContent = message;
        }
    });
    // For the benchmarks and tests: the binding on its own, and the core once loaded.
    window.ridi_bench_binding = {core, run_core};

    // A tool asked before the core has loaded is answered as soon as it has.
    const when_loaded = (work) => ridi_site.when_loaded(core, work, ridi_site.announce);

    for (const section of tools) {
        section.querySelector('form').addEventListener('submit', (event) => {
            event.preventDefault();
            when_loaded((loaded) => calculate(loaded, section));
        });
        // The Next key goes to the next field of the tool; Go (the last field) calculates.
        const inputs = inputs_of(section);
        inputs.forEach((input, i) => {
            input.addEventListener('keydown', (event) => {
                if (event.key === 'Enter' && input.enterKeyHint === 'next') {
                    event.preventDefault();
                    inputs[i + 1].focus();
                }
            });
        });
    }

    // A result carried into a field of another tool, which calculates where it has calculated
    // before or its first text field holds something; otherwise the focus goes to that field.
    for (const button of document.querySelectorAll('button[data-carry]')) {
        button.addEventListener('click', () => {
            const field = byId(button.dataset.to);
            const section = field.closest('section[data-tool]');
            const first = section.querySelector('input');
            field.value = byId(button.dataset.carry).value;
            const ready = calculated.has(section.id) || first.value.trim() !== '';
            if (ready) {
                when_loaded((loaded) => calculate(loaded, section));
            }
            (ready ? field : first).focus();
        });
    }

    // A click selects a whole result; Copy copies it.
    ridi_site.whole_results(document.querySelectorAll('output.result'));
    for (const button of document.querySelectorAll('button.copy')) {
        button.addEventListener('click', () => {
            const output = byId(button.dataset.copy);
            const copied = () => {
                button.textContent = 'Copied';
                ridi_site.announce(`Copied ${output.value}`);
                setTimeout(() => {
                    button.textContent = 'Copy';
                }, 1500);
            };
            const by_selection = () => {
                getSelection().selectAllChildren(output);
                if (document.execCommand('copy')) {
                    copied();
                }
            };
            if (navigator.clipboard) {
                navigator.clipboard.writeText(output.value).then(copied, by_selection);
            } else {
                by_selection();
            }
        });
    }

    // One unit for every length on the page, kept on the device; a change recalculates the
    // tools calculated, which read their lengths in it.
    unit_select.addEventListener('change', () => {
        try {
            localStorage.setItem(unit_key, unit_option().dataset.name);
        } catch {
            // Without storage the unit is kept for this visit only.
        }
        show_unit();
        when_loaded((loaded) => {
            for (const section of tools.filter((tool) => calculated.has(tool.id))) {
                calculate(loaded, section);
            }
            write_address();
        });
    });

    // A plot drawn for its box's width is drawn again when the box's width changes (a phone
    // turned round).
    const plotted = tools.filter((section) => section.querySelector('.plot'));
    const widths = new Map();
    const box_watch = new ResizeObserver(() => {
        for (const section of plotted) {
            const width = section.querySelector('form').clientWidth;
            if (widths.has(section) && widths.get(section) !== width &&
                calculated.has(section.id) && !byId(`${section.id}_results`).hidden) {
                when_loaded((loaded) => calculate(loaded, section));
            }
            widths.set(section, width);
        }
    });
    plotted.forEach((section) => box_watch.observe(section));

    const open_address = () => {
        const given = read_address();
        show_unit();
        when_loaded((loaded) => given.forEach((section) => calculate(loaded, section)));
    };
    try {
        choose_unit(localStorage.getItem(unit_key));
    } catch {
        // No storage: metres, or the address's unit.
    }
    addEventListener('hashchange', open_address);
    open_address();
})();
