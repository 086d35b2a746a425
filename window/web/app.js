// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// RI-DI's page: wires the controls that ridi_page wrote to the calculation in ridi_core.wasm.
// The calculation, its number reading and writing and its messages are all in the core; this
// script only moves texts between the page and the core, as the desktop window's toolkit does.
'use strict';

(() => {
    const byId = (id) => document.getElementById(id);
    const window_ = byId('coax_frm');
    const freq_txt = byId('freq_txt');
    const qtr_num_txt = byId('qtr_num_txt');
    const cable_combo = byId('cable_combo');
    const calc_cmd = byId('calc_cmd');
    const coax_length_lbl = byId('coax_length_lbl');
    const vf_length_lbl = byId('vf_length_lbl');
    const announcer = byId('announcer');
    const fault = byId('fault');
    const fault_message = byId('fault_message');

    // "," is read as the decimal point as well where the browser's language writes one.
    const decimal_comma = (() => {
        try {
            return new Intl.NumberFormat(navigator.languages)
                .formatToParts(1.5)
                .some((part) => part.type === 'decimal' && part.value === ',');
        } catch {
            return false;
        }
    })();

    let focus_before_fault = null;
    function show_fault(message) {
        fault_message.textContent = message;
        focus_before_fault = document.activeElement;
        if (!fault.open) {
            fault.showModal();
        }
        byId('fault_ok').focus();
    }
    fault.addEventListener('close', () => {
        if (focus_before_fault && focus_before_fault.focus) {
            focus_before_fault.focus();
        }
    });

    // A new result is read out with its caption, even when it is the same as the last one.
    function announce() {
        const parts = [coax_length_lbl, vf_length_lbl].map((result) => {
            const caption = byId(result.getAttribute('aria-labelledby'));
            return `${caption.textContent} ${result.value}`;
        });
        announcer.textContent = '';
        requestAnimationFrame(() => {
            announcer.textContent = parts.join(', ');
        });
    }

    // The binding: the three input texts go to the core as UTF-16 code units, exactly as typed
    // (a lone surrogate included); the two captions and whether it succeeded, or the fault's
    // message, come back.
    function run_core(core, texts, comma) {
        const units = texts.reduce((sum, text) => sum + text.length, 0);
        let at = core._ridi_input(units) >>> 1;
        const memory = core.HEAPU16; // after the call: the memory may have grown
        for (const text of texts) {
            for (let i = 0; i < text.length; ++i) {
                memory[at++] = text.charCodeAt(i);
            }
        }
        const succeeded = core._ridi_calculate(texts[0].length, texts[1].length, texts[2].length,
                                               comma ? 1 : 0) !== 0;
        return {
            succeeded,
            coax_length: core.UTF8ToString(core._ridi_coax_length()),
            vf_length: core.UTF8ToString(core._ridi_vf_length()),
            message: succeeded ? '' : core.UTF8ToString(core._ridi_fault_message()),
            fault_kind: core._ridi_fault_kind(),
            fault_field: core._ridi_fault_field(),
        };
    }

    function calculate(core) {
        const result = run_core(core, [freq_txt.value, qtr_num_txt.value, cable_combo.value],
                                decimal_comma);
        coax_length_lbl.value = result.coax_length;
        vf_length_lbl.value = result.vf_length;
        if (result.succeeded) {
            announce();
        } else {
            show_fault(result.message);
        }
    }

    // The WebAssembly's name in the site, which carries its contents' digest, is the preload's.
    const core_address = byId('core').href;
    const core = ridi_module({locateFile: () => core_address}).then((loaded) => {
        window_.setAttribute('data-ready', '');
        return loaded;
    }, (error) => {
        const where = location.protocol === 'file:'
            ? ' Open the page from a web server, not as a file (scripts/web --serve).'
            : '';
        show_fault(`${document.title} could not load its calculation, ridi_core.wasm: ${error}.${
            where}`);
        throw error;
    });
    // For the benchmarks: the binding on its own, and the core once loaded.
    window.ridi_binding = {core, run_core};

    // A click before the core has loaded is answered as soon as it has.
    calc_cmd.addEventListener('click', () => {
        core.then((loaded) => {
            try {
                calculate(loaded);
            } catch (error) {
                // Only a failure of the WebAssembly engine itself, such as no memory left.
                show_fault(`${document.title} could not calculate: ${error}`);
            }
        }, () => {});
    });

    // A click selects a whole result, and copying a result copies its text alone.
    for (const result of [coax_length_lbl, vf_length_lbl]) {
        result.addEventListener('click', () => {
            if (result.firstChild) {
                getSelection().setBaseAndExtent(result.firstChild, 0, result.firstChild,
                                                result.firstChild.length);
            }
        });
        result.addEventListener('copy', (event) => {
            const selected = String(getSelection()).trim();
            if (result.value !== '' && result.value.includes(selected)) {
                event.clipboardData.setData('text/plain', selected || result.value);
                event.preventDefault();
            }
        });
    }

    // The access key with Alt, on every platform and browser, as in the desktop window.
    document.addEventListener('keydown', (event) => {
        if (event.altKey && !event.ctrlKey && !event.metaKey && !fault.open &&
            event.key.toLowerCase() === calc_cmd.accessKey) {
            event.preventDefault();
            calc_cmd.click();
        }
    });

    // Tab goes round the window's controls, in the document's order, as in the desktop window.
    const tab_order = Array.from(window_.querySelectorAll('input, button'));
    window_.addEventListener('keydown', (event) => {
        if (event.key !== 'Tab' || event.altKey || event.ctrlKey || event.metaKey) {
            return;
        }
        const first = tab_order[0];
        const last = tab_order[tab_order.length - 1];
        if (!event.shiftKey && document.activeElement === last) {
            first.focus();
            event.preventDefault();
        } else if (event.shiftKey && document.activeElement === first) {
            last.focus();
            event.preventDefault();
        }
    });

    freq_txt.focus();

    // Once the page has everything, so that the service worker finds the files in the
    // browser's cache rather than fetching them again.
    if ('serviceWorker' in navigator) {
        window.addEventListener('load', () => {
            navigator.serviceWorker.register('sw.js').catch(() => {
                // Without it the page still works, only not offline.
            });
        });
    }
})();
