// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The web version in headless Chromium (playwright-core driving Debian's chromium), against
// the native ridi-calc as the independent reference for every result and message:
//   node page_test.js SITE_DIR NATIVE_RIDI_CALC SCREENSHOT_DIR
// Prints one line per failed check and a summary; the exit status is 1 if any check failed.
'use strict';

const {spawnSync} = require('child_process');
const crypto = require('crypto');
const fs = require('fs');
const os = require('os');
const path = require('path');
const {pathToFileURL} = require('url');
const {serve} = require('../../web/serve.js');
const {command_line, check, equal, run, new_context, within} = require('./harness.js');

const {site, native_ridi_calc, shot_dir} = command_line('page_test.js');

// The native ridi-calc's answer to one batch line: both lengths, or the message.
function native(freq, qtr_num, cable) {
    const run = spawnSync(native_ridi_calc, ['--batch'], {
        input: Buffer.from(`${freq}\t${qtr_num}\t${cable}\n`, 'utf8'),
        maxBuffer: 1 << 26,
    });
    const [first, second] = run.stdout.toString('utf8').replace(/\n$/, '').split('\t');
    return first === 'error' ? {message: second} : {length: first, corrected: second};
}

// What the native ridi-calc warns of a cable that is not in the catalogue, without its own
// prefix and its pointer to --cables, which only the tool has; empty when it warns of none.
function native_cable_note(cable) {
    const run = spawnSync(native_ridi_calc, ['100', '1', cable], {encoding: 'utf8'});
    return run.stderr.replace(/^ridi-calc: warning: /, '')
        .replace(/ \(ridi-calc --cables lists the catalogue\)/, '').replace(/\n$/, '');
}

async function open(context, url) {
    const page = await context.newPage();
    await page.goto(url);
    await page.waitForSelector('#coax_frm[data-ready]');
    return page;
}

// Sets a field to the text that `expression` gives in the page (lone surrogates and a
// megabyte included, which would not survive the way through the driver as a string).
async function set_field(page, id, expression) {
    await page.evaluate(`document.getElementById(${JSON.stringify(id)}).value = ${expression}`);
}

async function shown(page) {
    return page.evaluate(() => {
        const fault = document.getElementById('fault');
        return {
            length: document.getElementById('coax_length_lbl').value,
            corrected: document.getElementById('vf_length_lbl').value,
            message: fault.open ? document.getElementById('fault_message').textContent : null,
        };
    });
}

// Calculate with a click; a fault's message is read and the message closed with OK.
async function calculate(page, freq, qtr_num, cable) {
    await set_field(page, 'freq_txt', freq);
    await set_field(page, 'qtr_num_txt', qtr_num);
    await set_field(page, 'cable_combo', cable);
    await page.click('#calc_cmd', {timeout: 10000});
    const result = await shown(page);
    if (result.message !== null) {
        await page.click('#fault_ok');
    }
    return result;
}

const js = (text) => JSON.stringify(text);

async function texts_group(page) {
    // One row per text of the window: [what, the page's, the window's].
    const texts = await page.evaluate(() => {
        const text = (id) => document.getElementById(id).textContent;
        const value = (id) => document.getElementById(id).value;
        const tip = (id) => document.getElementById(id).title;
        return {
            title: document.title,
            captions: ['lbl_lbl_0', 'lbl_lbl_1', 'lbl_lbl_2', 'lbl_lbl_3', 'lbl_lbl_4'].map(text),
            button: text('calc_cmd'),
            access_key: document.getElementById('calc_cmd').accessKey,
            starting: ['freq_txt', 'qtr_num_txt', 'cable_combo'].map(value),
            results: ['coax_length_lbl', 'vf_length_lbl'].map(value),
            tooltips: ['freq_txt', 'qtr_num_txt', 'cable_combo', 'coax_length_lbl',
                       'vf_length_lbl'].map(tip),
            cables: Array.from(document.querySelectorAll('#cable_combo_list [role="option"]'),
                               (option) => option.textContent),
            focus: document.activeElement.id,
            headings: Array.from(document.querySelectorAll('h1'), (h1) => h1.textContent),
            description: document.querySelector('meta[name="description"]').content,
            hints: ['freq_txt', 'qtr_num_txt', 'cable_combo', 'coax_length_lbl', 'vf_length_lbl']
                .map((id) => document.getElementById(
                    document.getElementById(id).getAttribute('aria-describedby')).textContent),
        };
    });
    const rows = [
        ['title: the window caption', texts.title, 'RI-DI'],
        ['captions: lbl_lbl 0 to 4', texts.captions,
         ['Frequency', 'Cable Type', '1/4 Wave', 'RI-DI Length (Metres)', 'V/F Corrected (Metres)']],
        ['button: "&Calculate" shown without its "&"', texts.button, 'Calculate'],
        ['access key: the letter after "&"', texts.access_key, 'c'],
        ['starting texts: frequency, count, cable', texts.starting, ['435.850', '1', 'RG-58']],
        ['results: empty before the first calculation', texts.results, ['', '']],
        ['tooltips: the three inputs and the two results', texts.tooltips,
         ['Center frequency in MHz', 'Number of 1/4 waves required', 'Select cable type',
          'RI-DI length for required number of 1/4 waves', 'Velocity factor corrected length']],
        ['cable list: the fourteen, in order, unsorted', texts.cables,
         ['RG-11', 'RG-55', 'RG-58', 'RG-142', 'RG-174', 'RG-188', 'RG-196', 'RG-213', 'RG-214',
          'RG-223', 'RG-316', 'H100', 'H155', 'H500']],
        ['focus: starts in the frequency field', texts.focus, 'freq_txt'],
        ['heading: the window caption, once', texts.headings, ['RI-DI']],
        ['meta description: the project\'s', texts.description,
         'Quarter-wave lengths of coaxial cable'],
        ['hints: each the tooltip of the control that names it as its description', texts.hints,
         texts.tooltips],
    ];
    for (const [what, actual, expected] of rows) {
        equal(actual, expected, `texts: ${what}`);
    }
    // Screen readers: each result is named by its caption, the inputs by theirs.
    for (const [role, name] of [['status', 'RI-DI Length (Metres)'],
                                ['status', 'V/F Corrected (Metres)'], ['textbox', 'Frequency'],
                                ['textbox', '1/4 Wave'], ['combobox', 'Cable Type'],
                                ['button', 'Calculate'], ['button', 'Cable Type RG-58'],
                                ['heading', 'RI-DI']]) {
        equal(await page.getByRole(role, {name, exact: true}).count(), 1,
              `texts: one ${role} named "${name}"`);
    }
}

// [reason, page inputs, native ridi-calc inputs where they differ (the window reads these
// texts as the tool reads those)]. The page's wiring: each text reaches the core whole and in
// its place, and a result or a message comes back; the arithmetic is the core's, and
// ridi-calc.js checks the WebAssembly core against the native one line by line.
const calculations = [
    ['the starting example', ['435.850', '1', 'RG-58']],
    ['H100 from the list', ['435.850', '1', 'H100']],
    ['a cable name with blanks is not the catalogue name', ['435.850', '1', ' RG-58']],
    ['a comma where the browser writes "."', ['7,1', '1', 'RG-58']],
    ['a frequency of 0: division by zero', ['0', '1', 'RG-58']],
    ['an empty frequency', ['', '1', 'RG-58']],
    ['a count with no number', ['435.850', 'x', 'RG-58']],
    ['a frequency too small for a double reads as 0, as in the desktop window',
     ['1e-400', '1', 'RG-58'], ['0', '1', 'RG-58']],
];

async function calculation_group(page, rows, group) {
    let before = await shown(page);
    for (const [reason, inputs, reference = inputs] of rows) {
        const got = await calculate(page, ...inputs.map(js));
        const expected = native(...reference);
        if (expected.message !== undefined) {
            equal(got.message, expected.message, `${group}: ${reason}: the message`);
            equal([got.length, got.corrected], [before.length, before.corrected],
                  `${group}: ${reason}: the results unchanged`);
        } else {
            equal([got.length, got.corrected, got.message],
                  [expected.length, expected.corrected, null], `${group}: ${reason}`);
        }
        check(![got.length, got.corrected].some((text) => /NaN|Infinity/.test(text)),
              `${group}: ${reason}: no NaN or Infinity on screen`);
        before = got;
    }
}

async function decimal_comma_group(context, url) {
    // Where the browser's language writes "7,1", "," is read as the point; results keep ".".
    // [reason, page inputs, the same numbers for ridi-calc, which reads only "."].
    const page = await open(context, url);
    const rows = [
        ['a decimal comma in both fields', ['7,1', '2,5', 'RG-58'], ['7.1', '2.5', 'RG-58']],
        ['the point still works', ['7.1', '1', 'RG-58'], ['7.1', '1', 'RG-58']],
        ['a comma in an exponent form', ['2,5e1', '1', 'H500'], ['2.5e1', '1', 'H500']],
    ];
    for (const [reason, inputs, reference] of rows) {
        const got = await calculate(page, ...inputs.map(js));
        const expected = native(...reference);
        equal([got.length, got.corrected, got.message], [expected.length, expected.corrected, null],
              `decimal comma: ${reason}`);
    }
    const twice = await calculate(page, js('7,1.5'), js('1'), js('RG-58'));
    check(/"7,1\.5" has more than one decimal point/.test(twice.message),
          `decimal comma: two decimal marks give a message that says so (${twice.message})`);
    await page.close();
}

async function keyboard_group(page) {
    const focused = () => page.evaluate(() => document.activeElement.id);
    const results = async () => {
        const now = await shown(page);
        return [now.length, now.corrected];
    };
    const order = [];
    for (let i = 0; i < 4; ++i) {
        await page.keyboard.press('Tab');
        order.push(await focused());
    }
    equal(order, ['cable_combo', 'calc_cmd', 'qtr_num_txt', 'freq_txt'],
          'keyboard: Tab goes Frequency, Cable Type, Calculate, 1/4 Wave and round');
    await page.keyboard.press('Shift+Tab');
    equal(await focused(), 'qtr_num_txt', 'keyboard: Shift+Tab goes back round');
    await page.focus('#freq_txt');
    await page.keyboard.press('Enter');
    await page.focus('#cable_combo');
    await page.keyboard.press('Enter');
    await page.keyboard.press('Escape');
    equal(await results(), ['', ''], 'keyboard: Enter (and Escape) in a field do not calculate');
    await page.focus('#freq_txt');
    await page.keyboard.press('Alt+c');
    equal(await results(), ['0.172', '0.114'], 'keyboard: Alt+C calculates');
    equal(await focused(), 'freq_txt', 'keyboard: the focus stays where it was after Alt+C');
    await set_field(page, 'qtr_num_txt', js('2'));
    await page.focus('#calc_cmd');
    await page.keyboard.press('Enter');
    equal(await results(), ['0.344', '0.227'], 'keyboard: Enter on the button calculates');
    await set_field(page, 'qtr_num_txt', js('4'));
    await page.keyboard.press(' ');
    equal(await results(), ['0.688', '0.454'], 'keyboard: Space on the button calculates');

    // The cable list, as a screen reader follows it: the field's expanded state, the listbox
    // and the active option. [reason, key, expanded, active option, field's text, focus].
    const list_state = () => page.evaluate(() => {
        const field = document.getElementById('cable_combo');
        const active = document.getElementById(field.getAttribute('aria-activedescendant'));
        return [field.getAttribute('aria-expanded'), active?.textContent ?? null, field.value,
                document.activeElement.id];
    });
    await page.focus('#cable_combo');
    const steps = [
        ['Alt+Down opens it at the field\'s cable', 'Alt+ArrowDown', 'true', 'RG-58', 'RG-58'],
        ['Down goes to the next cable', 'ArrowDown', 'true', 'RG-142', 'RG-58'],
        ['Enter puts it in the field and closes the list', 'Enter', 'false', null, 'RG-142'],
        ['F4 opens it again', 'F4', 'true', 'RG-142', 'RG-142'],
        ['Escape closes it with the field unchanged', 'Escape', 'false', null, 'RG-142'],
    ];
    for (const [reason, key, expanded, active, value] of steps) {
        await page.keyboard.press(key);
        equal(await list_state(), [expanded, active, value, 'cable_combo'], `cable list: ${reason}`);
    }
    equal(await results(), ['0.688', '0.454'], 'cable list: picking a cable does not calculate');
    await page.keyboard.press('Alt+ArrowDown');
    equal(await page.getByRole('listbox', {name: 'Cable Type'}).getByRole('option').count(), 14,
          'cable list: a listbox named "Cable Type" of fourteen options');
    await page.keyboard.press('Tab');
    equal([await focused(), (await list_state())[0]], ['calc_cmd', 'false'],
          'cable list: Tab closes it and goes on in the window\'s order');
    await page.click('#cable_combo_drop');
    await page.keyboard.press('Escape');
    equal((await list_state())[0], 'false', 'cable list: Escape closes it after a click on its button');
}

async function copy_group(page) {
    // Every text the screen reader's announcer takes, in turn.
    await page.evaluate(() => {
        const announcer = document.getElementById('announcer');
        window.announcements = [];
        new MutationObserver(() => window.announcements.push(announcer.textContent))
            .observe(announcer, {childList: true, characterData: true, subtree: true});
    });
    // A click selects the whole result, sign and all, ready for Ctrl+C.
    await calculate(page, js('-100'), js('1'), js('RG-58'));
    for (const [id, expected] of [['coax_length_lbl', '-0.750'], ['vf_length_lbl', '-0.495']]) {
        await page.click(`#${id}`);
        equal(await page.evaluate(() => String(getSelection())), expected,
              `copy: a click on ${id} selects all of it`);
    }
    equal(await page.evaluate(() => document.getElementById('coax_length_lbl').isContentEditable),
          false, 'copy: the results cannot be edited');
    // The screen reader's announcement of a new result, each with its caption; again for the
    // same result, which only a change of the announcer's text makes it read.
    const announced = async (count) => {
        await page.waitForFunction((n) => window.announcements.length >= n, count,
                                   {timeout: 5000}).catch(() => {});
        return page.evaluate(() => window.announcements);
    };
    const expected = 'RI-DI Length (Metres) -0.750, V/F Corrected (Metres) -0.495';
    equal(await announced(1), [expected],
          'screen reader: a new result is announced with its captions');
    await page.click('#calc_cmd');
    equal(await announced(3), [expected, '', expected],
          'screen reader: the same result is announced again (the text empties, then comes back)');
    // Only the announcer speaks: a result that were a live region of its own would be read a
    // second time. Chromium's accessibility tree says which nodes are live.
    const session = await page.context().newCDPSession(page);
    const {nodes} = await session.send('Accessibility.getFullAXTree');
    const live = [];
    for (const node of nodes) {
        const polite = (node.properties ?? []).some(
            (property) => property.name === 'live' && property.value.value !== 'off');
        if (polite) {
            const {node: element} =
                await session.send('DOM.describeNode', {backendNodeId: node.backendDOMNodeId});
            const attributes = element.attributes ?? [];
            live.push(attributes[attributes.indexOf('id') + 1]);
        }
    }
    equal(live, ['cable_note', 'announcer'],
          'screen reader: the results are no live regions, only the note and the announcer');
    await session.detach();
    // A result too wide for its box: the whole value stays its text, which a click selects,
    // while what shows of it ends in an ellipsis (drawn only by a block box that hides what
    // overflows a line that does not wrap).
    await calculate(page, js('0.001'), js('1e12'), js('RG-58'));
    await page.click('#coax_length_lbl');
    const wide = await page.evaluate(() => {
        const result = document.getElementById('coax_length_lbl');
        const style = getComputedStyle(result);
        return {value: result.value, selected: String(getSelection()),
                cut: result.scrollWidth > result.clientWidth,
                ellipsis: [style.display, style.overflowX, style.whiteSpace, style.textOverflow]};
    });
    const whole = native('0.001', '1e12', 'RG-58').length;
    equal(wide, {value: whole, selected: whole, cut: true,
                 ellipsis: ['block', 'hidden', 'nowrap', 'ellipsis']},
          'copy: a result too wide for its box is kept whole and shown cut with an ellipsis');
    await page.screenshot({path: path.join(shot_dir, 'wide-result.png')});
}

async function binding_group(page) {
    // The fault's kind and field through the binding, as ridi::error_kind and
    // ridi::error_field number them: [reason, inputs, kind, field].
    const [not_a_number, overflow, division_by_zero, invalid_operation] = [0, 1, 3, 4];
    const [none, frequency, quarter_waves] = [0, 1, 2];
    const rows = [
        ['a result: no fault', ['435.850', '1', 'RG-58'], -1, none],
        ['a frequency of 0', ['0', '1', 'RG-58'], division_by_zero, frequency],
        ['a count with no number', ['1', 'x', 'RG-58'], not_a_number, quarter_waves],
        ['a frequency too large', ['1e400', '1', 'RG-58'], overflow, frequency],
        ['a result after a fault: neither kind nor field left over', ['100', '1', 'RG-58'], -1,
         none],
        ['a length too large', ['1e-300', '1e10', 'RG-58'], overflow, none],
        ['infinity times 0', ['1e-310', '0', 'RG-58'], invalid_operation, none],
    ];
    for (const [reason, inputs, kind, field] of rows) {
        const got = await page.evaluate(async (texts) => {
            const {core, run_core} = window.ridi_binding;
            const result = run_core(await core, texts, false);
            return [result.fault_kind, result.fault_field];
        }, inputs);
        equal(got, [kind, field], `binding: ${reason}: the fault's kind and field`);
    }
    // A pasted text long enough to grow the WebAssembly memory: 2^24 digits, 32 MiB as UTF-16,
    // written after the memory has grown. ridi-calc reads lines up to 16 MiB, so its answer is
    // for 16 digits fewer; the message quotes only the start.
    const digits = 1 << 24;
    const grown = await page.evaluate(async (count) => {
        const {core, run_core} = window.ridi_binding;
        const loaded = await core;
        const before = loaded.HEAPU8.length;
        const result = run_core(loaded, ['1'.repeat(count), '1', 'RG-58'], false);
        return {grew: loaded.HEAPU8.length > before, kind: result.fault_kind,
                field: result.fault_field, message: result.message};
    }, digits);
    check(grown.grew, 'binding: 2^24 digits grow the memory');
    equal([grown.kind, grown.field, grown.message],
          [overflow, frequency, native('1'.repeat(digits - 16), '1', 'RG-58').message],
          'binding: 2^24 digits: too large, as typed');
}

async function fault_group(page) {
    await calculate(page, js('435.850'), js('1'), js('RG-58'));
    await set_field(page, 'freq_txt', js('0'));
    await page.focus('#calc_cmd');
    await page.keyboard.press('Enter');
    const state = await page.evaluate(() => ({
        open: document.getElementById('fault').open,
        title: document.getElementById('fault_title').textContent,
        message: document.getElementById('fault_message').textContent,
        focus: document.activeElement.id,
        inputs: ['freq_txt', 'qtr_num_txt', 'cable_combo'].map(
            (id) => document.getElementById(id).value),
        results: ['coax_length_lbl', 'vf_length_lbl'].map(
            (id) => document.getElementById(id).value),
    }));
    equal([state.open, state.title], [true, 'RI-DI'], 'fault: a message titled "RI-DI"');
    equal(state.message, native('0', '1', 'RG-58').message,
          'fault: the message says what to change');
    equal(state.focus, 'fault_ok', 'fault: OK has the focus');
    equal(state.inputs, ['0', '1', 'RG-58'], 'fault: the inputs unchanged behind it');
    equal(state.results, ['0.172', '0.114'], 'fault: the results unchanged behind it');
    await page.keyboard.press('Enter');
    const after = await page.evaluate(() => ({
        open: document.getElementById('fault').open,
        focus: document.activeElement.id,
    }));
    equal(after, {open: false, focus: 'calc_cmd'},
          'fault: OK closes it and the focus goes back to the button');
}

async function note_group(page) {
    // The note under the window after each calculation, in turn: [reason, inputs, the note as
    // the native ridi-calc warns, or unchanged after a fault].
    const note = () => page.evaluate(() => document.getElementById('cable_note').textContent);
    const rows = [
        ['a name that differs in case and hyphen: "did you mean"', ['100', '1', 'rg58'], 'rg58'],
        ['a name like none: no suggestion', ['100', '1', 'Coax'], 'Coax'],
        ['an empty name', ['100', '1', ''], ''],
        ['a fault leaves the note as it was', ['0', '1', 'RG-213'], ''],
        ['a listed cable takes it away', ['100', '1', 'RG-213'], 'RG-213'],
    ];
    for (const [reason, inputs, reference] of rows) {
        const before = await note();
        const got = await calculate(page, ...inputs.map(js));
        const expected = got.message === null ? native_cable_note(reference) : before;
        equal(await note(), expected, `note: ${reason}`);
    }
}

async function bad_input_group(page) {
    // [reason, the expression that gives the text in the page, the same text for ridi-calc].
    const megabyte = '1'.repeat(1 << 20);
    const rows = [
        ['a pasted megabyte of digits', `'1'.repeat(${1 << 20})`, megabyte],
        ['a pasted megabyte of letters', `'x'.repeat(${1 << 20})`, 'x'.repeat(1 << 20)],
        ['a NUL', "'4\\u00003'", '4\u00003'],
        ['a lone surrogate, quoted as U+FFFD', "'1\\ud800'", '1\ufffd'],
        ['"1e400"', "'1e400'", '1e400'],
        ['"NaN"', "'NaN'", 'NaN'],
        ['"-nan"', "'-nan'", '-nan'],
        ['"inf"', "'inf'", 'inf'],
        ['hexadecimal', "'0x1p3'", '0x1p3'],
    ];
    for (const [reason, expression, reference] of rows) {
        const started = Date.now();
        const got = await calculate(page, expression, js('1'), js('RG-58'));
        const expected = native(reference, '1', 'RG-58');
        equal(got.message, expected.message, `bad input: ${reason}: the message`);
        check(Date.now() - started < 10000, `bad input: ${reason}: answered (no hang)`);
        check(![got.length, got.corrected].some((text) => /NaN|Infinity/.test(text)),
              `bad input: ${reason}: no NaN or Infinity on screen`);
    }
}

// The colour contrast of two CSS colours, "rgb(r, g, b)", as WCAG computes it.
function contrast(first, second) {
    const luminance = (colour) => {
        const [r, g, b] = colour.match(/[\d.]+/g).map(Number).map((c) => {
            const v = c / 255;
            return v <= 0.04045 ? v / 12.92 : ((v + 0.055) / 1.055) ** 2.4;
        });
        return 0.2126 * r + 0.7152 * g + 0.0722 * b;
    };
    const [light, dark] = [luminance(first), luminance(second)].sort((a, b) => b - a);
    return (light + 0.05) / (dark + 0.05);
}

// Boxes, orders, the cable list and the note as a user meets them at each screen size, light
// and dark, with a finger where it is a phone or a tablet; a screenshot of each is left.
async function layout_group(browser, url) {
    fs.mkdirSync(shot_dir, {recursive: true});
    const sizes = [
        ['small phone', 320, 568, true],
        ['phone', 360, 740, true],
        ['phone sideways', 740, 360, true],
        ['tablet', 768, 1024, true],
        ['desktop', 1280, 800, false],
    ];
    const controls = ['freq_txt', 'qtr_num_txt', 'cable_combo', 'cable_combo_drop', 'calc_cmd',
                      'coax_length_lbl', 'vf_length_lbl'];
    for (const [name, width, height, touch] of sizes) {
        for (const scheme of ['light', 'dark']) {
            const what = `layout ${name} ${width}x${height} ${scheme}`;
            const context = await new_context(browser, {
                viewport: {width, height}, colorScheme: scheme, serviceWorkers: 'block',
                isMobile: touch, hasTouch: touch});
            const page = await open(context, url);
            const press = (selector) => (touch ? page.tap(selector) : page.click(selector));
            const focused = () => page.evaluate(() => document.activeElement.id);

            // The whole window on the screen or reachable by scrolling, nothing cut.
            const measured = await page.evaluate((ids) => {
                const frame = document.querySelector('.frame').getBoundingClientRect();
                return {
                    scroll: document.scrollingElement.scrollWidth,
                    scroll_height: document.scrollingElement.scrollHeight,
                    frame: [frame.left, frame.top, frame.right, frame.bottom],
                    boxes: ids.map((id) => {
                        const box = document.getElementById(id).getBoundingClientRect();
                        return [Math.round(box.width), Math.round(box.height)];
                    }),
                    input_text: Array.from(document.querySelectorAll('input'), (input) =>
                        parseFloat(getComputedStyle(input).fontSize)),
                    cut: Array.from(document.querySelectorAll('#coax_frm > *, .combo > *'))
                        .filter((element) => element.scrollWidth > element.clientWidth + 1)
                        .map((element) => element.id),
                    hints: Array.from(document.querySelectorAll('.hint'),
                                      (hint) => hint.getClientRects().length > 0),
                };
            }, controls);
            check(measured.scroll <= width,
                  `${what}: nothing scrolls sideways (${measured.scroll} px)`);
            const [left, top, right, bottom] = measured.frame;
            check(left >= 0 && top >= 0 && right <= width && bottom <= measured.scroll_height,
                  `${what}: the whole window on the screen or below it (${measured.frame})`);
            equal(measured.cut, [], `${what}: no text cut off`);
            if (touch) {
                check(measured.boxes.every(([w, h]) => w >= 44 && h >= 44),
                      `${what}: every control 44x44 px at least (${JSON.stringify(
                          controls.map((id, i) => [id, ...measured.boxes[i]]))})`);
                check(measured.input_text.every((size) => size >= 16),
                      `${what}: input text of 16 px at least (${measured.input_text})`);
            }
            // The browser's bar takes the title bar's colour, in either mode.
            const bars = await page.evaluate(() => {
                const meta = Array.from(document.querySelectorAll('meta[name="theme-color"]'))
                    .filter((element) => matchMedia(element.media).matches);
                const hex = meta.length === 1 ? meta[0].content.match(/\w\w/g) : [];
                return [`rgb(${hex.map((pair) => parseInt(pair, 16)).join(', ')})`,
                        getComputedStyle(document.querySelector('.title-bar')).backgroundColor];
            });
            equal(bars[0], bars[1], `${what}: the browser's bar in the title bar's colour`);
            equal(measured.hints.every((shown) => shown === touch), true,
                  `${what}: the tooltips as hints only where nothing hovers`);
            if (touch) {
                // In one column each caption stands directly above the control it names, at the
                // same left edge: [caption, control].
                const pairs = [['lbl_lbl_0', 'freq_txt'], ['lbl_lbl_2', 'qtr_num_txt'],
                               ['lbl_lbl_1', 'cable_combo'], ['lbl_lbl_3', 'coax_length_lbl'],
                               ['lbl_lbl_4', 'vf_length_lbl']];
                const apart = await page.evaluate((ids) => ids.map(([caption, field]) => {
                    const above = document.getElementById(caption).getBoundingClientRect();
                    const below = document.getElementById(field).getBoundingClientRect();
                    return [below.top - above.bottom, below.left - above.left];
                }), pairs);
                check(apart.every(([down, across]) => down >= 0 && down <= 8 &&
                                                      Math.abs(across) < 1),
                      `${what}: each caption directly above its control (gap and shift in px: ${
                          JSON.stringify(apart)})`);
            }

            // Reading order, which a screen reader follows, is the order on the screen: top to
            // bottom, left to right on a row.
            const orders = await page.evaluate((ids) => {
                const elements = ids.map((id) => document.getElementById(id));
                const rows = (id) => {
                    const box = document.getElementById(id).getBoundingClientRect();
                    return [Math.round(box.top / 8), box.left];
                };
                const screen = [...ids].sort((a, b) => {
                    const [ra, la] = rows(a);
                    const [rb, lb] = rows(b);
                    return ra - rb || la - lb;
                });
                const documented = [...elements].sort((a, b) =>
                    a.compareDocumentPosition(b) & Node.DOCUMENT_POSITION_FOLLOWING ? -1 : 1)
                    .map((element) => element.id);
                return {screen, documented};
            }, ['freq_txt', 'qtr_num_txt', 'cable_combo', 'calc_cmd']);
            equal(orders.documented, orders.screen, `${what}: reading order is screen order`);
            await page.focus('#freq_txt');
            const tabbed = [];
            for (let i = 0; i < 4; ++i) {
                await page.keyboard.press('Tab');
                tabbed.push(await focused());
            }
            equal(tabbed, ['cable_combo', 'calc_cmd', 'qtr_num_txt', 'freq_txt'],
                  `${what}: Tab keeps the window's order`);
            if (touch) {
                // The keyboard's Enter says Next and goes on in reading order; in the last field
                // it says Done and closes the keyboard; it never calculates.
                equal(await page.evaluate(() => ['freq_txt', 'qtr_num_txt', 'cable_combo'].map(
                    (id) => document.getElementById(id).enterKeyHint)), ['next', 'next', 'done'],
                      `${what}: Enter says Next in Frequency and 1/4 Wave, Done in Cable Type`);
                const entered = [];
                for (let i = 0; i < 3; ++i) {
                    await page.keyboard.press('Enter');
                    entered.push(await focused());
                }
                equal(entered, ['qtr_num_txt', 'cable_combo', ''],
                      `${what}: Enter goes Frequency, 1/4 Wave, Cable Type, then closes`);
                equal(await page.evaluate(() => document.getElementById('coax_length_lbl').value),
                      '', `${what}: Enter does not calculate`);
            }

            // The cable list: all fourteen whatever the field holds, each a touch target.
            await set_field(page, 'cable_combo', js('RG-58'));
            await press('#cable_combo_drop');
            const list = await page.evaluate(() => ({
                expanded: document.getElementById('cable_combo_drop').getAttribute('aria-expanded'),
                options: Array.from(document.querySelectorAll('#cable_combo_list [role="option"]'),
                                    (option) => [option.textContent,
                                                 option.getBoundingClientRect().height]),
            }));
            equal([list.expanded, list.options.map(([text]) => text)],
                  ['true', ['RG-11', 'RG-55', 'RG-58', 'RG-142', 'RG-174', 'RG-188', 'RG-196',
                            'RG-213', 'RG-214', 'RG-223', 'RG-316', 'H100', 'H155', 'H500']],
                  `${what}: the button lists every cable, in order`);
            if (touch) {
                check(list.options.every(([, h]) => h >= 44), `${what}: options 44 px high`);
            }
            await press('#cable_combo_list >> text=H155');
            equal(await page.evaluate(() => [document.getElementById('cable_combo').value,
                                             document.getElementById('cable_combo_list').hidden]),
                  ['H155', true], `${what}: a cable picked from the list`);

            // After Calculate the results, and the note on an unknown cable under the window,
            // are on the screen.
            await set_field(page, 'cable_combo', js('rg58'));
            await page.evaluate(() => scrollTo(0, 0));
            await press('#calc_cmd');
            const after = await page.evaluate(() => {
                const box = (id) => document.getElementById(id).getBoundingClientRect();
                return {
                    results: [box('coax_length_lbl'), box('vf_length_lbl'), box('cable_note')]
                        .every((b) => b.top >= 0 && b.bottom <= innerHeight + 1 && b.height > 0),
                    below: box('cable_note').top >=
                           document.querySelector('.frame').getBoundingClientRect().bottom,
                };
            });
            equal(after, {results: true, below: true},
                  `${what}: results and note on the screen after Calculate, the note under the window`);
            await page.screenshot({path: path.join(shot_dir, `${width}x${height}-${scheme}.png`)});

            // A long message keeps a margin from the screen's edges and stands out from the
            // dimmed page behind it.
            await set_field(page, 'freq_txt', js('x'.repeat(300)));
            await press('#calc_cmd');
            const dialog = await page.evaluate(() => {
                const fault = document.getElementById('fault');
                const box = fault.getBoundingClientRect();
                const backdrop = getComputedStyle(fault, '::backdrop').backgroundColor;
                const page_colour = getComputedStyle(document.documentElement).backgroundColor;
                return {left: box.left, right: innerWidth - box.right, backdrop, page_colour,
                        face: getComputedStyle(fault).backgroundColor};
            });
            // The backdrop's black at its alpha over the page's colour.
            const alpha = Number(dialog.backdrop.match(/[\d.]+/g)[3] ?? 1);
            const dimmed = `rgb(${dialog.page_colour.match(/[\d.]+/g).slice(0, 3)
                .map((c) => c * (1 - alpha)).join(', ')})`;
            check(dialog.left >= 16 && dialog.right >= 16,
                  `${what}: the message 16 px from the edges (${dialog.left}, ${dialog.right})`);
            check(contrast(dialog.face, dimmed) >= 3, `${what}: the message ${dialog.face} on ${
                dimmed} behind it, ${contrast(dialog.face, dimmed).toFixed(2)}:1, at least 3:1`);
            if (name === 'desktop' || name === 'phone') {
                await page.screenshot({path: path.join(shot_dir,
                                                       `${width}x${height}-${scheme}-message.png`)});
            }
            await context.close();
        }
    }
}

async function file_group(context, dir) {
    // Opened as a file, the page cannot load its WebAssembly, and says where to open it from.
    const page = await context.newPage();
    await page.goto(pathToFileURL(path.resolve(dir, 'index.html')).href);
    await page.waitForSelector('#fault[open]');
    const message = await page.textContent('#fault_message');
    check(/open the page from a web server/i.test(message),
          `file: opened as a file, the page says to open it from a web server (${message})`);
    await page.close();
}

async function offline_group(browser, dir) {
    // A copy of the site, so that a new version can be made of it, served from a folder as
    // most static hosts serve a project's site (the other tests serve it at the root).
    const copy = fs.mkdtempSync(path.join(os.tmpdir(), 'ridi-site-'));
    fs.cpSync(dir, copy, {recursive: true});
    const server = await serve(copy, 0, '/ridi/');
    const url = server.url;
    const fetched = new Map(); // a file of the site: times the server sent it
    server.on('request', (request) => {
        const name = new URL(request.url, url).pathname.replace(/\/$/, '/index.html');
        fetched.set(name, (fetched.get(name) || 0) + 1);
    });
    const context = await new_context(browser);
    const page = await open(context, url);
    await within('the service worker to be ready',
                 page.evaluate(() => navigator.serviceWorker.ready));
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
    equal(await page.evaluate(async () => (await navigator.serviceWorker.getRegistration()).scope),
          url, 'offline: the service worker is registered for the site\'s folder');
    // The service worker takes the browser's copy of what the page has just fetched.
    equal([...fetched].filter(([, times]) => times > 1), [],
          'offline: the first visit fetches no file twice');
    // A name with a digest in it must be that of its contents, or a changed file would be
    // taken for the kept one.
    for (const name of fs.readdirSync(copy)) {
        const digest = /\.([0-9a-f]{16})\.[a-z]+$/.exec(name)?.[1];
        const actual = crypto.createHash('sha256').update(fs.readFileSync(path.join(copy, name)))
                           .digest('hex').slice(0, 16);
        check(digest === undefined || digest === actual,
              `offline: ${name} is named after its contents (${actual})`);
    }
    const caches_before = await page.evaluate(() => caches.keys());
    equal(caches_before.length, 1, 'offline: one cache after the first visit');
    const kept = await page.evaluate(async () => {
        const cache = await caches.open((await caches.keys())[0]);
        return (await cache.keys()).map((request) => request.url).sort();
    });
    // The worker's own script the browser keeps with its registration; the page is kept
    // under the site's address.
    const files = fs.readdirSync(copy).filter((name) => !['sw.js', 'index.html'].includes(name));
    equal(kept, ['', ...files].map((name) => new URL(name, url).href).sort(),
          'offline: the cache holds every file of the site');
    // Chromium's own test of an installable web app: manifest, icons, service worker (a test
    // profile is never one to install into, which it reports too).
    const session = await context.newCDPSession(page);
    const {installabilityErrors: errors} = await session.send('Page.getInstallabilityErrors');
    equal(errors.filter((error) => error.errorId !== 'in-incognito'), [],
          'offline: installable to the home screen');
    await context.setOffline(true);
    await page.reload();
    await page.waitForSelector('#coax_frm[data-ready]');
    const offline = await calculate(page, js('435.850'), js('1'), js('RG-58'));
    equal([offline.length, offline.corrected], ['0.172', '0.114'],
          'offline: reloaded with the network cut, it calculates');
    // As a home-screen shortcut or a link opens it: the address with a query string.
    let shortcut = {};
    try {
        await page.goto(`${url}?from=homescreen`);
        await page.waitForSelector('#coax_frm[data-ready]', {timeout: 10000});
        shortcut = await calculate(page, js('145'), js('1'), js('RG-213'));
    } catch (error) {
        shortcut = {error: String(error).split('\n')[0]};
    }
    const reference = native('145', '1', 'RG-213');
    equal(shortcut, {length: reference.length, corrected: reference.corrected, message: null},
          'offline: "?from=homescreen" loads from the cache and calculates');
    await context.setOffline(false);

    // A new version: the page with a few bytes more, and its service worker written again by
    // the build's own step, which must give its cache another name.
    const cache_of = () => /const CACHE = '([^']*)';/.exec(
        fs.readFileSync(path.join(copy, 'sw.js'), 'utf8'))[1];
    const cache_before = cache_of();
    fs.appendFileSync(path.join(copy, 'index.html'), '<!-- a new version -->\n');
    const version = /data-version="([^"]*)"/.exec(
        fs.readFileSync(path.join(copy, 'index.html'), 'utf8'))[1];
    const sources = path.join(__dirname, '..', '..', 'web');
    const written = spawnSync('cmake', [
        `-DSITE=${copy}`, `-DTEMPLATE=${path.join(sources, 'sw.js.in')}`, `-DVERSION=${version}`,
        '-P', path.join(sources, 'service_worker.cmake')], {encoding: 'utf8'});
    equal([written.status, written.stderr], [0, ''], 'offline: the service worker written again');
    const cache_next = cache_of();
    check(cache_next !== cache_before && cache_next.startsWith(`ridi-${version}-`),
          `offline: a changed site, a cache of another name (${cache_before}, then ${
              cache_next})`);
    await page.reload();
    let caches_after = [];
    for (let waited = 0; waited < 20000; waited += 250) {
        caches_after = await page.evaluate(() => caches.keys());
        if (caches_after.length === 1 && caches_after[0] === cache_next) {
            break;
        }
        await new Promise((resolve) => setTimeout(resolve, 250));
    }
    equal(caches_after, [cache_next], 'offline: a new version replaces the old cache whole');
    // The browser's cache still holds the old page, which the new version must not take.
    await page.reload();
    const served = await page.evaluate(async () => {
        const cache = await caches.open((await caches.keys())[0]);
        return (await cache.match('./')).text();
    });
    check(served.endsWith('<!-- a new version -->\n'),
          'offline: the new version\'s page is kept, not the old one');
    await context.close();
    server.close();
    fs.rmSync(copy, {recursive: true, force: true});
}

run('page tests', site, shot_dir, '', async (browser, url) => {
    const context = await new_context(browser, {locale: 'en-US', serviceWorkers: 'block'});
    await texts_group(await open(context, url));
    await calculation_group(await open(context, url), calculations, 'calculation');
    await keyboard_group(await open(context, url));
    await copy_group(await open(context, url));
    await binding_group(await open(context, url));
    await fault_group(await open(context, url));
    await note_group(await open(context, url));
    await bad_input_group(await open(context, url));
    await file_group(context, site);
    await context.close();
    const german = await new_context(browser, {locale: 'de-DE', serviceWorkers: 'block'});
    await decimal_comma_group(german, url);
    await german.close();
    await layout_group(browser, url);
    await offline_group(browser, site);
});
