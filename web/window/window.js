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
    const cable_drop = byId('cable_combo_drop');
    const cable_list = byId('cable_combo_list');
    const calc_cmd = byId('calc_cmd');
    const cable_note = byId('cable_note');
    const coax_length_lbl = byId('coax_length_lbl');
    const vf_length_lbl = byId('vf_length_lbl');
        const fault = byId('fault');
    const fault_message = byId('fault_message');

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
        ridi_site.announce([coax_length_lbl, vf_length_lbl].map((result) => {
            const caption = byId(result.getAttribute('aria-labelledby'));
            return `${caption.textContent} ${result.value}`;
        }).join(', '));
    }

    // The binding: the three input texts go to the core exactly as typed; the two captions and
    // whether it succeeded, or the fault's message, come back.
    function run_core(core, texts, comma) {
        const answer = ridi_site.ask(core, texts, () => core._ridi_calculate(comma ? 1 : 0));
        const fault = answer.fault ?? {kind: -1, field: 0, message: ''};
        return {
            succeeded: !answer.fault,
            coax_length: answer.coax_length,
            vf_length: answer.vf_length,
            message: fault.message,
            fault_kind: fault.kind,
            fault_field: fault.field,
            cable_note: answer.note ?? null,
        };
    }

    function calculate(core) {
        const result = run_core(core, [freq_txt.value, qtr_num_txt.value, cable_combo.value],
                                ridi_site.decimal_comma);
        coax_length_lbl.value = result.coax_length;
        vf_length_lbl.value = result.vf_length;
        if (result.succeeded) {
            cable_note.textContent = result.cable_note;
            announce();
            // On a short screen the results, their hints and the note may stand below its edge.
            [cable_note, byId('vf_length_lbl_hint'), vf_length_lbl]
                .find((shown) => shown.textContent !== '' && shown.getClientRects().length > 0)
                .scrollIntoView({block: 'nearest'});
        } else {
            show_fault(result.message);
        }
    }

    // The core, loading; if it cannot, a message says why.
    const core = ridi_site.load_core(window_, show_fault);
    // For the benchmarks: the binding on its own, and the core once loaded.
    window.ridi_binding = {core, run_core};

    // A click before the core has loaded is answered as soon as it has.
    calc_cmd.addEventListener('click', () => ridi_site.when_loaded(core, calculate, show_fault));

    ridi_site.whole_results([coax_length_lbl, vf_length_lbl]);

    // The access key with Alt, on every platform and browser, as in the desktop window.
    document.addEventListener('keydown', (event) => {
        if (event.altKey && !event.ctrlKey && !event.metaKey && !fault.open &&
            event.key.toLowerCase() === calc_cmd.accessKey) {
            event.preventDefault();
            calc_cmd.click();
        }
    });

    // The document's order is the reading order, which a screen reader and a phone keyboard's
    // Next key follow; Tab goes round the controls in the window's own Tab order, as in the
    // desktop window. The drop-down button is no Tab stop: Tab goes on from it as from its field.
    const tab_order = Array.from(window_.querySelectorAll('[data-tab-index]'))
        .sort((a, b) => a.dataset.tabIndex - b.dataset.tabIndex);
    window_.addEventListener('keydown', (event) => {
        if (event.key !== 'Tab' || event.altKey || event.ctrlKey || event.metaKey) {
            return;
        }
        const from = document.activeElement === cable_drop ? cable_combo : document.activeElement;
        const at = tab_order.indexOf(from);
        if (at >= 0) {
            const step = event.shiftKey ? tab_order.length - 1 : 1;
            tab_order[(at + step) % tab_order.length].focus();
            event.preventDefault();
        }
    });

    // Enter in a field never calculates. On a touch page, where the keyboard is on the screen,
    // Enter (labelled "Next" by enterkeyhint) goes on to the next field in reading
    // order, and in the last ("Done") closes the keyboard.
    const fields = Array.from(window_.querySelectorAll('input'));

    window_.addEventListener('keydown', (event) => {
        const at = fields.indexOf(event.target);
        if (event.key !== 'Enter' || at < 0 || event.defaultPrevented || !ridi_site.touch.matches) {
            return;
        }
        event.preventDefault();
        if (at + 1 < fields.length) {
            fields[at + 1].focus();
        } else {
            event.target.blur();
        }
    });

    // The cable list: the drop-down button, or Alt+Down or F4 in the field, opens all fourteen
    // whatever the field holds; a click or tap, or Enter on the active one, puts a cable in the
    // field; Escape closes it unchanged. The field's text stays free to type.
    const options = Array.from(cable_list.querySelectorAll('[role="option"]'));
    let active = -1;
    let opened_from = null;
    function cable_list_open() {
        return !cable_list.hidden;
    }
    function set_active(index) {
        options.forEach((option, i) => option.classList.toggle('active', i === index));
        active = index;
        if (index >= 0) {
            cable_combo.setAttribute('aria-activedescendant', options[index].id);
            options[index].scrollIntoView({block: 'nearest'});
        } else {
            cable_combo.removeAttribute('aria-activedescendant');
        }
    }
    function open_cable_list(from) {
        opened_from = from;
        const chosen = options.findIndex((option) => option.textContent === cable_combo.value);
        options.forEach((option, i) => option.setAttribute('aria-selected', String(i === chosen)));
        cable_list.hidden = false;
        for (const control of [cable_combo, cable_drop]) {
            control.setAttribute('aria-expanded', 'true');
        }
        set_active(from === cable_combo ? Math.max(chosen, 0) : -1);
        (options[chosen] ?? options[0]).scrollIntoView({block: 'nearest'});
        cable_list.scrollIntoView({block: 'nearest'});
    }
    function close_cable_list() {
        if (!cable_list_open()) {
            return;
        }
        cable_list.hidden = true;
        for (const control of [cable_combo, cable_drop]) {
            control.setAttribute('aria-expanded', 'false');
        }
        set_active(-1);
    }
    function pick_cable(index) {
        cable_combo.value = options[index].textContent;
        const back = opened_from;
        close_cable_list();
        back?.focus();
    }
    cable_drop.addEventListener('click', () => {
        if (cable_list_open()) {
            close_cable_list();
        } else {
            open_cable_list(document.activeElement === cable_combo ? cable_combo : cable_drop);
        }
    });
    // The list takes no focus: the field (or the button) keeps it while an option is picked.
    cable_list.addEventListener('mousedown', (event) => event.preventDefault());
    cable_list.addEventListener('click', (event) => {
        const index = options.indexOf(event.target.closest('[role="option"]'));
        if (index >= 0) {
            pick_cable(index);
        }
    });
    cable_combo.addEventListener('keydown', (event) => {
        const down = event.key === 'ArrowDown';
        const up = event.key === 'ArrowUp';
        if ((event.altKey && (down || up)) || event.key === 'F4') {
            event.preventDefault();
            if (!cable_list_open()) {
                open_cable_list(cable_combo);
            } else if (active >= 0) {
                pick_cable(active);
            } else {
                close_cable_list();
            }
        } else if (cable_list_open() && (down || up)) {
            event.preventDefault();
            set_active(Math.min(Math.max(active + (down ? 1 : -1), 0), options.length - 1));
        } else if (cable_list_open() && event.key === 'Enter') {
            event.preventDefault();
            if (active >= 0) {
                pick_cable(active);
            } else {
                close_cable_list();
            }
        }
    });
    // Escape closes it from the field, or from the button a click left the focus on.
    const combo = cable_combo.parentElement;
    combo.addEventListener('keydown', (event) => {
        if (cable_list_open() && event.key === 'Escape') {
            event.preventDefault();
            close_cable_list();
        }
    });
    for (const type of ['pointerdown', 'focusin']) {
        document.addEventListener(type, (event) => {
            if (!combo.contains(event.target)) {
                close_cable_list();
            }
        });
    }

    freq_txt.focus();
})();
