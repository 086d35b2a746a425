// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The bench page in headless Chromium, against the native ridi-calc as the independent
// reference for every result, caption, warning and message:
//   node bench_test.js SITE_DIR NATIVE_RIDI_CALC SCREENSHOT_DIR
// Prints one line per failed check and a summary; the exit status is 1 if any check failed.
'use strict';

const {spawnSync} = require('child_process');
const fs = require('fs');
const path = require('path');
const {command_line, check, equal, run, new_context, within} = require('./harness.js');

const {site, native_ridi_calc, shot_dir} = command_line('bench_test.js');

// ridi-calc's words for its --unit option, and the page's for its unit choice in their place.
const page_words = (text) => text.replace(', in metres or in the unit given with --unit',
                                          ', in the unit chosen under Unit')
                                 .replace(', see --unit', ', chosen under Unit');

// The native ridi-calc's answer as the page shows it: [caption, value] pairs, table rows, the
// warning, or the message.
function native(tool, unit, inputs) {
    const args = {
        own: ['--vf', inputs[2], '--unit', unit, '--', inputs[0], inputs[1]],
        every: ['--unit', unit, '--', inputs[0], inputs[1]],
        measure: ['--measure', '--unit', unit, '--', ...inputs],
        trim: ['--trim', '--unit', unit, '--', ...inputs],
    }[tool];
    const run = spawnSync(native_ridi_calc, args, {encoding: 'utf8'});
    const errors = run.stderr.split('\n').filter((line) => line !== '');
    if (run.status !== 0) {
        return {message: page_words(errors[0].replace(/^ridi-calc: /, ''))};
    }
    const lines = run.stdout.split('\n').filter((line) => line !== '');
    const pair = (line) => [line.slice(0, line.lastIndexOf(': ')),
                            line.slice(line.lastIndexOf(': ') + 2)];
    const warning = errors.length > 0
        ? page_words(errors[0].replace(/^ridi-calc: warning: /, 'Warning: ')) : '';
    if (tool === 'every') {
        const [cable, factor, ...corrected] = lines[1].split(/ +/);
        return {results: [pair(lines[0])], table: [[cable, factor, corrected.join(' ')],
            ...lines.slice(2).map((line) => /^(\S+) +(\S+) +(.*)$/.exec(line).slice(1))]};
    }
    if (tool === 'measure') {
        return {results: [pair(lines[0])], warning};
    }
    return {results: lines.map(pair)};
}

async function open(context, url) {
    const page = await context.newPage();
    await page.goto(url);
    await page.waitForSelector('main[data-ready]');
    return page;
}

// Chooses the unit as a user does; the tools calculated are calculated again in it.
async function choose_unit(page, name) {
    await page.evaluate(async (unit) => {
        const select = document.getElementById('unit');
        select.value = Array.from(select.options).find((o) => o.dataset.name === unit).value;
        select.dispatchEvent(new Event('change'));
        await window.ridi_bench_binding.core;
    }, name);
}

// What a tool shows: its results, table, warning, and each error by the field it is under.
async function shown(page, tool) {
    return page.evaluate((id) => {
        const section = document.getElementById(id);
        const errors = {};
        for (const error of section.querySelectorAll('.error')) {
            if (error.textContent !== '') {
                errors[error.id.replace(/_error$/, '')] = error.textContent;
            }
        }
        const table = section.querySelector('table');
        return {
            hidden: !document.getElementById(`${id}_results`).checkVisibility(),
            results: Array.from(section.querySelectorAll('.result-row'), (row) => [
                row.querySelector('.caption').textContent, row.querySelector('output').value]),
            table: table ? Array.from(table.rows, (row) => Array.from(row.cells,
                                                                      (c) => c.textContent))
                         : null,
            warning: section.querySelector('.warning')?.textContent ?? '',
            errors,
            invalid: Array.from(section.querySelectorAll('[aria-invalid="true"]'), (i) => i.id),
        };
    }, tool);
}

// Types the inputs into a tool and presses its Calculate button.
async function calculate(page, tool, inputs) {
    await page.evaluate(async ([id, texts]) => {
        const section = document.getElementById(id);
        section.querySelectorAll('input').forEach((input, i) => {
            input.value = texts[i];
        });
        section.querySelector('button[type="submit"]').click();
        await window.ridi_bench_binding.core;
        await new Promise((resolve) => setTimeout(resolve, 0));
    }, [tool, inputs]);
    return shown(page, tool);
}

// The page's answer against ridi-calc's: the same texts, or the same message under `field`.
async function against_native(page, tool, unit, inputs, what, field) {
    const got = await calculate(page, tool, inputs);
    const expected = native(tool, unit, inputs);
    if (expected.message !== undefined) {
        equal([got.errors, got.hidden], [{[field]: expected.message}, true],
              `${what}: the message under ${field}, no result`);
        return;
    }
    equal(got.results, expected.results, `${what}: results`);
    if (expected.table) {
        equal(got.table, expected.table, `${what}: table`);
    }
    if (expected.warning !== undefined) {
        equal(got.warning, expected.warning, `${what}: warning`);
    }
    equal([got.errors, got.hidden], [{}, false], `${what}: shown, with no message`);
}

// Generated cases: a seeded generator, numbers as a bench gives them, in every unit.
function generated_cases() {
    let seed = 20260;
    const random = () => {
        seed = (seed * 16807) % 2147483647;
        return seed / 2147483647;
    };
    const decimal = (low, high, places) => (low + random() * (high - low)).toFixed(places);
    const units = ['m', 'cm', 'mm', 'in', 'ft', 'ft-in'];
    const in_unit = (unit, metres) => ({
        m: metres.toFixed(3), cm: (metres * 100).toFixed(1), mm: (metres * 1000).toFixed(0),
        in: (metres / 0.0254).toFixed(2), ft: (metres / 0.3048).toFixed(3),
        'ft-in': `${Math.floor(metres / 0.3048)}' ${((metres / 0.0254) % 12).toFixed(2)}"`,
    })[unit];
    const cases = [];
    for (let i = 0; i < 12; ++i) {
        const unit = units[i % units.length];
        const frequency = decimal(1.8, 1300, 3);
        const quarters = String(1 + Math.floor(random() * 4));
        const metres = 0.2 + random() * 3;
        const measured = decimal(14, 148, 2);
        cases.push(['own', unit, [frequency, quarters, decimal(0.6, 1, 2)]]);
        cases.push(['every', unit, [frequency, quarters]]);
        // Pieces of 0.2 to 3.2 m resonating where a factor of 0.4 to 1 puts them.
        cases.push(['measure', unit, [in_unit(unit, metres),
                                      (75 * Number(quarters) * (0.4 + random() * 0.6) /
                                       metres).toFixed(2), quarters]]);
        cases.push(['trim', unit, [in_unit(unit, metres), measured,
                                   (Number(measured) * (1 + random() * 0.1)).toFixed(2)]]);
    }
    return cases;
}

async function tools_group(page) {
    for (const [tool, unit, inputs] of generated_cases()) {
        await choose_unit(page, unit);
        await against_native(page, tool, unit, inputs, `generated: ${tool} ${unit} ${inputs}`);
    }
}

async function errors_group(page) {
    await choose_unit(page, 'm');
    // [reason, tool, inputs, the field the message stands under]: each kind of fault of each
    // tool, where ridi-calc says it.
    const rows = [
        ['not a number: letters', 'own', ['x', '1', '0.66'], 'o_freq'],
        ['not a number: empty', 'own', ['145', '', '0.66'], 'o_qw'],
        ['not a number: a comma where the language writes "."', 'trim', ['0,36', '138', '145'],
         't_len'],
        ['overflow: too large a frequency', 'every', ['1e400', '1'], 'e_freq'],
        ['too small: a frequency below any radio frequency', 'own', ['1e-400', '1', '0.66'],
         'o_freq'],
        ['division by zero: a frequency of 0', 'every', ['0', '1'], 'e_freq'],
        ['invalid operation: infinity times 0 quarter waves', 'own', ['1e-310', '0', '0.66'],
         'own'],
        ['overflow: a length too large to compute', 'every', ['1e-300', '1e10'], 'every'],
        ['out of range: a length of 0', 'measure', ['0', '49.62', '1'], 'm_len'],
        ['out of range: no resonance of 0', 'measure', ['1', '49.62', '0'], 'm_qw'],
        ['out of range: a factor above 1 names the unit chosen', 'measure', ['1', '200', '1'],
         'measure'],
        ['out of range: a factor that shows as 0', 'measure', ['0.00001', '1', '1'], 'measure'],
        ['out of range: the stub is already too short', 'trim', ['0.3', '145', '138'],
         't_want'],
        ['out of range: a measured frequency below 0', 'trim', ['0.3', '-145', '138'], 't_now'],
        ['too small: a length too close to 0 asks for it in the unit chosen', 'measure',
         ['1e-400', '49', '1'], 'm_len'],
    ];
    for (const [reason, tool, inputs, field] of rows) {
        await against_native(page, tool, 'm', inputs, `errors: ${reason}`, field);
    }
    // A factor below 0.5 is answered with ridi-calc's warning, naming the unit chosen.
    await choose_unit(page, 'ft');
    await against_native(page, 'measure', 'ft', ['1', '99', '1'], 'errors: a factor below 0.5');
    await against_native(page, 'measure', 'ft', ['1', '49', '1'],
                         'errors: a factor above 0.5 clears the warning');
    await choose_unit(page, 'ft-in');
    await against_native(page, 'trim', 'ft-in', ['1', '138.2', '145'],
                         'errors: a bare number in feet and inches', 't_len');
    // A cable's own factor, which ridi-calc reads as an argument: the message names it.
    await choose_unit(page, 'm');
    for (const [reason, factor, words] of [
        ['not a number', 'x', /^The velocity factor "x" is not a number: /],
        ['above 1', '1.5', /^The velocity factor "1.5" is out of range: .* at most 1 /],
        ['0', '0', /^The velocity factor "0" is out of range: /]]) {
        const got = await calculate(page, 'own', ['145', '1', factor]);
        check(words.test(got.errors.o_vf ?? '') && got.invalid.join() === 'o_vf',
              `errors: a velocity factor ${reason}, said under it (${JSON.stringify(got.errors)})`);
    }
    // A fault leaves the other tools' results as they were.
    const before = await shown(page, 'every');
    await calculate(page, 'every', ['145', '1']);
    const kept = await shown(page, 'every');
    await calculate(page, 'trim', ['0.3', '145', '138']);
    equal(await shown(page, 'every'), kept, 'errors: a fault in one tool leaves the others alone');
    check(before !== null, 'errors: the every-cable tool answered');
    // ... and hides that tool's own earlier results, which would not answer its inputs.
    const mistaken = await calculate(page, 'every', ['0', '1']);
    equal([mistaken.hidden, Object.keys(mistaken.errors)], [true, ['e_freq']],
          'errors: a fault hides the results the tool showed before, beside its message');
}

async function workflow_group(page) {
    await choose_unit(page, 'm');
    // Measure, then "Use this factor" carries it to the own cable's tool and calculates there.
    await calculate(page, 'own', ['145', '1', '']);
    await calculate(page, 'measure', ['1', '49.62', '1']);
    await page.click('#use_factor');
    await page.evaluate(() => window.ridi_bench_binding.core);
    const own = await shown(page, 'own');
    equal([await page.inputValue('#o_vf'), own.results, own.errors],
          ['0.662', native('own', 'm', ['145', '1', '0.662']).results, {}],
          'workflow: "Use this factor" puts the factor into the own cable and calculates');
    // The screen reader hears each new result with its caption.
    await calculate(page, 'trim', ['0.36', '138.2', '145']);
    await page.waitForFunction(() => document.getElementById('announcer').textContent !== '');
    equal(await page.textContent('#announcer'), 'Cut to (Metres): 0.343, Cut off (Metres): 0.017'
        .replace(/: /g, ' '), 'workflow: a new result is announced with its captions');
    equal(await page.getByRole('status', {name: 'Cut to (Metres)', exact: true}).textContent(),
          '0.343', 'workflow: each result is named by its caption');
    // The Next key goes through the tool's fields in order; Go on the last calculates.
    await page.fill('#t_len', '0.4');
    await page.focus('#t_len');
    await page.keyboard.press('Enter');
    const after_next = await page.evaluate(() => document.activeElement.id);
    await page.keyboard.press('Enter');
    await page.keyboard.press('Enter');
    await page.evaluate(() => window.ridi_bench_binding.core);
    equal([after_next, (await shown(page, 'trim')).results[0][1]],
          ['t_now', native('trim', 'm', ['0.4', '138.2', '145']).results[0][1]],
          'workflow: Enter goes to the next field, and on the last calculates');
    // Copy puts the whole result on the clipboard.
    await page.context().grantPermissions(['clipboard-read', 'clipboard-write']);
    await page.click('button[data-copy="own_r1"]');
    equal(await page.evaluate(() => navigator.clipboard.readText()), own.results[1][1],
          'workflow: Copy copies the whole result');
}

// ridi-calc's --stub or --which-stub answer as the page shows it: the heading lines, the tables
// (heads first; the columns are two blanks or more apart, the stubs of --which-stub a row each)
// and the lines after them, or the message.
function native_stub(args, unit) {
    const run = spawnSync(native_ridi_calc, args, {encoding: 'utf8'});
    if (run.status !== 0) {
        return {message: page_words(run.stderr.split('\n')[0].replace(/^ridi-calc: /, ''))};
    }
    const [lines, ...blocks] = run.stdout.trimEnd().split('\n\n').map((block) => block.split('\n'));
    const notes = [];
    const tables = blocks.map((block) => {
        const rows = [];
        for (const line of block) {
            const stub = /^\d+\. (.*): cut the cable to (.*)$/.exec(line);
            if (/^and \d+ more resonances/.test(line)) {
                notes.push(line.replace('--from and --to', 'Plot from and Plot to, under More settings'));
            } else if (stub) {
                rows.push([stub[1], stub[2].replace(unit === 'ft-in' ? /$/ : / \S+$/, '')]);
            } else if (line.startsWith('   ')) {
                rows.at(-1).push(line.trim());
            } else if (/^\S/.test(line) && !/^No stub/.test(line)) {
                rows.push(line.split(/ {2,}/));
            } else {
                notes.push(line);
            }
        }
        return rows;
    }).filter((rows) => rows.length > 0);
    return {lines, tables, notes};
}

// Fills a tool's fields by their ids (a choice by its value), and presses Calculate.
async function fill_and_calculate(page, tool, fields) {
    await page.evaluate(async ([id, values]) => {
        const section = document.getElementById(id);
        for (const field of section.querySelectorAll('input, select')) {
            field.value = values[field.id] ?? '';
        }
        section.querySelector('button[type="submit"]').click();
        await window.ridi_bench_binding.core;
        await new Promise((resolve) => setTimeout(resolve, 0));
    }, [tool, fields]);
    return page.evaluate((id) => {
        const section = document.getElementById(id);
        const errors = {};
        for (const error of section.querySelectorAll('.error')) {
            if (error.textContent !== '') {
                errors[error.id.replace(/_error$/, '')] = error.textContent;
            }
        }
        const svg = section.querySelector('.drawing svg');
        return {
            hidden: !document.getElementById(`${id}_results`).checkVisibility(),
            results: Array.from(section.querySelectorAll('output'), (output) => output.value),
            lines: Array.from(section.querySelectorAll('.lines p'), (p) => p.textContent),
            tables: Array.from(section.querySelectorAll('table:not([hidden])'), (table) => Array.from(
                table.querySelectorAll('tr'), (row) => Array.from(row.cells, (c) => c.textContent))),
            notes: Array.from(section.querySelectorAll('.notes p'), (p) => p.textContent),
            errors,
            plot: svg && {
                bands: svg.querySelectorAll('.plot-band').length,
                named: Array.from(svg.querySelectorAll('.plot-band-name'), (t) => t.textContent),
                notches: Array.from(svg.querySelectorAll('.plot-notch-label'), (t) => t.textContent),
                points: (svg.querySelector('.plot-curve').getAttribute('d').match(/[ML]/g) || []).length,
                caption: section.querySelector('figcaption').textContent,
            },
        };
    }, tool);
}

// The stub tools against ridi-calc's --stub and --which-stub (whose figures the stub reference
// test holds against scikit-rf), on generated stubs, and the plot against the tables.
async function stubs_group(page) {
    let seed = 4711;
    const random = () => {
        seed = (seed * 16807) % 2147483647;
        return seed / 2147483647;
    };
    const pick = (list) => list[Math.floor(random() * list.length)];
    const cables = ['RG-213', 'RG-58', 'RG-11', 'H155', '0.66', '0.81'];
    const units = ['m', 'cm', 'ft', 'ft-in', 'mm', 'in'];
    for (let i = 0; i < 12; ++i) {
        const unit = units[i % units.length];
        await choose_unit(page, unit);
        const fields = {s_end: pick(['open', 'shorted']), s_cable: pick(cables),
                        s_region: pick(['1', '2', '3']), s_from: '1.8', s_to: '450'};
        const args = ['--stub', fields.s_end];
        if (i % 3 === 2) {
            fields.s_len = unit === 'ft-in' ? `${1 + i}' 3"` : (1 + random() * 20).toFixed(1);
            args.push('--length', fields.s_len);
        } else {
            fields.s_freq = (1.8 + random() * 150).toFixed(3);
            fields.s_qw = String(1 + Math.floor(random() * 3));
            args.push(fields.s_freq, fields.s_qw);
        }
        args.push(...(/^[0-9]/.test(fields.s_cable) ? ['--vf', fields.s_cable] : [fields.s_cable]));
        if (i % 4 !== 3) {
            fields.s_loss = (2 + random() * 40).toFixed(1);
            fields.s_loss_mhz = pick(['10', '100', '400']);
            args.push('--loss', `${fields.s_loss}@${fields.s_loss_mhz}`);
        }
        if (i % 5 === 1) {
            fields.s_tee = unit === 'ft-in' ? '1.5in' : '0.5';
            fields.s_z0 = '75';
            fields.s_zc = '52';
            fields.s_from = '3';
            fields.s_to = '60';
            args.push('--tee', fields.s_tee, '--z0', '75', '--zc', '52', '--from', '3', '--to', '60');
        }
        args.push('--region', fields.s_region, '--unit', unit);
        const what = `stubs: ${args.join(' ')}`;
        const got = await fill_and_calculate(page, 'stub', fields);
        const expected = native_stub(args, unit);
        equal([got.lines, got.tables.map((t) => t.slice(0)), got.notes, got.errors],
              [expected.lines, expected.tables, expected.notes, {}], `${what}: as ridi-calc`);
        check(got.lines[0]?.includes(got.results[0]), `${what}: the stub's length is its heading's`);
        // The plot: a strip for each band in the range, named; a label for notches only,
        // each at one in the resonance table; a point for each of the 2000 frequencies.
        const [bands, resonances = []] = got.tables;
        const notches = resonances.filter(([kind]) => kind === 'notch').map(([, at]) => at);
        const in_range = bands.slice(1).filter(([, from, to]) =>
            Number(to) >= Number(fields.s_from) && Number(from) <= Number(fields.s_to));
        check(got.plot && got.plot.bands === in_range.length && got.plot.points === 2000 &&
                  got.plot.named.every((name) => in_range.some(([band]) => band === name)) &&
                  got.plot.notches.every((at) => notches.includes(at)),
              `${what}: the plot's bands, notches and points (${JSON.stringify(got.plot)?.slice(0, 300)})`);
        check(got.plot?.caption.includes('matched ' + (fields.s_z0 ?? '50') + ' ohm line') &&
                  got.plot.caption.includes('not known') === (fields.s_loss === undefined),
              `${what}: the plot's caption names the line, and says when the depth is not known`);
    }
    // Which stub, against --which-stub, the classic pair first.
    await choose_unit(page, 'm');
    for (const [pass, notch, cable, loss, region, unit] of [
        ['40m', '20m', 'RG-213', '5.9', '1', 'm'], ['20m', '40m', 'RG-213', '5.9', '2', 'ft-in'],
        ['2m', '70cm', 'RG-58', '', '1', 'cm'], ['80', '40', '0.78', '3', '3', 'ft'],
        ['15m', '10m', 'H155', '', '2', 'm'], ['6m', '2m', 'RG-11', '4', '1', 'in']]) {
        await choose_unit(page, unit);
        const fields = {w_pass: pass, w_notch: notch, w_cable: cable, w_region: region,
                        w_loss: loss, w_loss_mhz: loss ? '100' : ''};
        const args = ['--which-stub', pass, notch,
                      ...(/^[0-9]/.test(cable) ? ['--vf', cable] : [cable]),
                      ...(loss ? ['--loss', `${loss}@100`] : []), '--region', region, '--unit', unit];
        const got = await fill_and_calculate(page, 'which', fields);
        const expected = native_stub(args, unit);
        equal([got.lines, got.tables.map((t) => t.slice(1)), got.notes, got.errors],
              [expected.lines, expected.tables, expected.notes, {}], `which stub: ${args.join(' ')}`);
    }
    const classic = await fill_and_calculate(page, 'which', {
        w_pass: '40m', w_notch: '20m', w_cable: 'RG-213', w_loss: '5.9', w_loss_mhz: '100',
        w_region: '1'});
    const reverse = await fill_and_calculate(page, 'which', {
        w_pass: '20m', w_notch: '40m', w_cable: 'RG-213', w_loss: '5.9', w_loss_mhz: '100',
        w_region: '1'});
    equal([classic.tables[0][1]?.[0].split(',')[0], reverse.tables[0][1]?.[0].split(',')[0]],
          ['shorted', 'open'],
          'which stub: a shorted quarter wave on the 40 m rig, an open one on the 20 m rig');
    // Mistakes, each under the field it concerns, as ridi-calc says them.
    await choose_unit(page, 'm');
    const stub = {s_end: 'open', s_freq: '7.1', s_qw: '1', s_cable: 'RG-213', s_region: '1',
                  s_from: '1.8', s_to: '450'};
    for (const [reason, change, args, field] of [
        ['a negative length', {s_freq: '', s_qw: '', s_len: '-2'},
         ['--stub', 'open', '--length', '-2', 'RG-213'], 's_len'],
        ['a loss of 0', {s_loss: '0', s_loss_mhz: '100'},
         ['--stub', 'open', '7.1', '1', 'RG-213', '--loss', '0@100'], 's_loss'],
        ['a range upside down', {s_from: '450', s_to: '1.8'},
         ['--stub', 'open', '7.1', '1', 'RG-213', '--from', '450', '--to', '1.8'], 's_to'],
        ['a cable not in the list', {s_cable: 'rg213'}, ['--stub', 'open', '7.1', '1', 'rg213'],
         's_cable'],
        ['a negative Tee allowance', {s_tee: '-0.1'},
         ['--stub', 'open', '7.1', '1', 'RG-213', '--tee', '-0.1'], 's_tee'],
    ]) {
        const got = await fill_and_calculate(page, 'stub', {...stub, ...change});
        const expected = native_stub(args, 'm');
        equal([got.errors, got.hidden], [{[field]: expected.message}, true],
              `stub mistakes: ${reason}, under ${field}`);
    }
    const factor = await fill_and_calculate(page, 'stub', {...stub, s_cable: '1.5'});
    check(/^The velocity factor "1.5" is out of range/.test(factor.errors.s_cable ?? ''),
          `stub mistakes: a factor above 1, under the cable (${JSON.stringify(factor.errors)})`);
    const band = await fill_and_calculate(page, 'which', {
        w_pass: '41m', w_notch: '20m', w_cable: 'RG-213', w_region: '1'});
    equal(band.errors, {w_pass: native_stub(['--which-stub', '41m', '20m', 'RG-213'], 'm').message},
          'stub mistakes: a band the region does not have, under it');
    // What the bench found flows in: the measured factor, and the length of a trimmed stub.
    await fill_and_calculate(page, 'stub', stub);
    await calculate(page, 'measure', ['1', '49.62', '1']);
    await page.click('#use_factor_for_stub');
    await page.evaluate(() => window.ridi_bench_binding.core);
    const measured = await fill_and_calculate(page, 'stub', {
        ...stub, s_cable: await page.inputValue('#s_cable')});
    check(measured.lines[0]?.includes('V/F 0.662'), 'stub flows: the measured factor is the stub\'s');
    await calculate(page, 'trim', ['0.36', '138.2', '145']);
    await page.click('#use_cut');
    await page.evaluate(() => window.ridi_bench_binding.core);
    equal(await page.inputValue('#s_len'), '0.343', 'stub flows: the trimmed length is the stub\'s');
}

async function address_group(context, base) {
    // The address carries the unit and each calculated tool's inputs; opened elsewhere it shows
    // the same results.
    const page = await open(context, base);
    await choose_unit(page, 'ft-in');
    await calculate(page, 'trim', [`1' 2"`, '138.2', '145']);
    await calculate(page, 'every', ['14.2', '1']);
    const hash = await page.evaluate(() => location.hash);
    const expected = [await shown(page, 'trim'), await shown(page, 'every')];
    const again = await open(context, `${base}${hash}`);
    equal([await shown(again, 'trim'), await shown(again, 'every')], expected,
          'address: opens filled in and calculated');
    equal(await again.evaluate(() => document.querySelector('#unit option:checked').dataset.name),
          'ft-in', 'address: the unit comes with it');
    equal((await shown(again, 'own')).hidden, true, 'address: tools not in it stay empty');
    // The unit is kept on the device: a new visit without an address uses the last chosen.
    const later = await open(context, base);
    equal(await later.evaluate(() => [document.querySelector('#unit option:checked').dataset.name,
                                      document.getElementById('unit_hint').textContent,
                                      document.getElementById('t_len').inputMode]),
          ['ft-in', 'Write feet and inches as 12\'3.5" or 12ft 3.5in, or one part alone ' +
                    '(12\', 3.5in).', 'text'],
          'address: the unit chosen is remembered, with its hint and keyboard');
    await choose_unit(later, 'cm');
    equal(await later.evaluate(() => document.getElementById('t_len').inputMode), 'decimal',
          'address: other units bring the decimal keypad back');
    // The window page links to the bench outside its frame, and the app offers it as a
    // shortcut.
    const window_page = await context.newPage();
    await window_page.goto(base.replace(/bench\.html$/, ''));
    equal(await window_page.evaluate(() => Array.from(document.querySelectorAll(
        'a[href="bench.html"]'), (a) => a.closest('#coax_frm') === null)), [true],
          'address: the window page links to the bench, outside the window');
    const manifest = await (await fetch(base.replace(/bench\.html$/, 'manifest.webmanifest'))).json();
    equal(manifest.shortcuts?.map((shortcut) => shortcut.url), ['bench.html'],
          'address: the installed app has the bench as a shortcut');
}

async function decimal_comma_group(context, base) {
    const page = await open(context, base);
    await choose_unit(page, 'm');
    const got = await calculate(page, 'own', ['7,1', '2,5', '0,66']);
    equal(got.results, native('own', 'm', ['7.1', '2.5', '0.66']).results,
          'decimal comma: read where the language writes one, results keep "."');
    const trimmed = await calculate(page, 'trim', ['0,36', '138,2', '145']);
    equal(trimmed.results, native('trim', 'm', ['0.36', '138.2', '145']).results,
          'decimal comma: in the bench tools too');
}

async function layout_group(browser, base) {
    fs.mkdirSync(shot_dir, {recursive: true});
    const hash = '#unit=m&m_len=1&m_freq=49.62&m_qw=1&o_freq=145&o_qw=1&o_vf=0.662&' +
                 't_len=0.36&t_now=138.2&t_want=1x&e_freq=145&e_qw=1&s_end=shorted&' +
                 's_freq=7.088&s_qw=1&s_cable=RG-213&s_loss=5.9&s_loss_mhz=100&s_region=1&' +
                 's_from=1.8&s_to=450&w_pass=40m&w_notch=20m&w_cable=RG-213&w_loss=5.9&' +
                 'w_loss_mhz=100&w_region=1';
    for (const [name, width, height, touch] of [['phone-small', 320, 568, true],
                                                ['phone', 360, 740, true],
                                                ['phone-landscape', 740, 360, true],
                                                ['tablet', 768, 1024, true],
                                                ['desktop', 1280, 800, false]]) {
        for (const scheme of ['light', 'dark']) {
            const context = await new_context(browser, {
                viewport: {width, height}, colorScheme: scheme, serviceWorkers: 'block',
                isMobile: touch, hasTouch: touch});
            const page = await open(context, `${base}${hash}`);
            await page.waitForFunction(() => document.getElementById('every_r0').value !== '');
            await page.screenshot({path: path.join(shot_dir, `bench-${name}-${scheme}.png`),
                                   fullPage: true});
            const measured = await page.evaluate(() => ({
                scroll: document.scrollingElement.scrollWidth - innerWidth,
                small: Array.from(document.querySelectorAll('input, select, button, a'))
                    .filter((element) => element.checkVisibility())
                    .map((element) => [element.id || element.textContent,
                                       element.getBoundingClientRect()])
                    .filter(([, box]) => box.height < 44 || box.width < 44)
                    .map(([id]) => id),
                type: Array.from(document.querySelectorAll('input, select'))
                    .filter((element) => getComputedStyle(element).fontSize !== '16px')
                    .map((element) => element.id),
            }));
            equal(measured, {scroll: 0, small: [], type: []},
                  `layout ${name} ${scheme}: no sideways scroll, 44 px targets, 16 px input text`);
            await context.close();
        }
    }
}

async function offline_group(browser, base) {
    const context = await new_context(browser);
    const page = await open(context, base);
    await within('the service worker to be ready',
                 page.evaluate(() => navigator.serviceWorker.ready));
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
    await context.setOffline(true);
    let got = {};
    try {
        await page.goto(`${base}#unit=m&o_freq=145&o_qw=1&o_vf=0.662`);
        await page.reload();
        await page.waitForSelector('main[data-ready]', {timeout: 10000});
        await page.waitForFunction(() => document.getElementById('own_r1').value !== '');
        got = (await shown(page, 'own')).results;
    } catch (error) {
        got = String(error).split('\n')[0];
    }
    equal(got, native('own', 'm', ['145', '1', '0.662']).results,
          'offline: the bench page loads from the cache and calculates');
    await context.close();
}

run('bench page tests', site, shot_dir, 'bench.html', async (browser, base) => {
    const context = await new_context(browser, {locale: 'en-US', serviceWorkers: 'block'});
    await tools_group(await open(context, base));
    await errors_group(await open(context, base));
    await workflow_group(await open(context, base));
    await stubs_group(await open(context, base));
    await address_group(context, base);
    await context.close();
    const german = await new_context(browser, {locale: 'de-DE', serviceWorkers: 'block'});
    await decimal_comma_group(german, base);
    await german.close();
    await layout_group(browser, base);
    await offline_group(browser, base);
});
