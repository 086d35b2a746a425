// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The web version's targets, measured on a built site (bench/web_targets runs it):
//   node web_targets.js SITE_DIR [RUNS]
// 1. the whole site gzip-compressed (each file as a server sends it, level 9), at most 90 KB;
// 2. in headless Chromium, from a warm local server, the time from the start of navigation to
//    the first result on screen (the paint of the RI-DI length after Calculate is pressed as
//    soon as the page has its button), median of RUNS first visits (fresh browser contexts)
//    and of RUNS return visits (served by the service worker), at most 300 ms;
// 3. the same for the bench page opened from an address with inputs (bench.html#...): the time
//    to the paint of its own-cable result, which it calculates as soon as its core has loaded,
//    at most 300 ms;
// 4. one calculation through the binding (texts in, both captions out), at most 20 us;
// 5. what a first visit fetches from the server, until the service worker has kept the site
//    for use offline: each file once;
// 6. what a stub does, in the bench page's WebAssembly: its 2000-point sweep, plot and band
//    table through the binding, within one frame (16 ms).
'use strict';

const fs = require('fs');
const path = require('path');
const zlib = require('zlib');
const {launch} = require(path.join(__dirname, '../tests/web/browser.js'));
const {serve} = require(path.join(__dirname, '../web/serve.js'));

const [site, runs_text] = process.argv.slice(2);
const runs = Number(runs_text || 20);
if (!site) {
    console.error('usage: node web_targets.js SITE_DIR [RUNS]');
    process.exit(2);
}

const median = (values) => {
    const sorted = [...values].sort((a, b) => a - b);
    return sorted[Math.floor(sorted.length / 2)];
};

function site_size() {
    let raw = 0;
    let compressed = 0;
    for (const name of fs.readdirSync(site).sort()) {
        const body = fs.readFileSync(path.join(site, name));
        const gzipped = zlib.gzipSync(body, {level: 9}).length;
        raw += body.length;
        compressed += gzipped;
        console.log(`  ${name.padEnd(22)} ${String(body.length).padStart(7)} B, gzip ${
            String(gzipped).padStart(6)} B`);
    }
    console.log(`site: ${raw} B, gzip ${compressed} B = ${(compressed / 1024).toFixed(1)} KB ` +
                `(target 90 KB)`);
}

// Reports when the result `result` is painted, from the start of navigation (Element Timing of
// its text); with `press`, presses that button as soon as it exists.
function result_probe({result, press}) {
    const observer = new PerformanceObserver((list) => {
        for (const entry of list.getEntries()) {
            if (entry.identifier === 'first-result') {
                window.first_result_ms = entry.renderTime || entry.loadTime;
            }
        }
    });
    observer.observe({type: 'element', buffered: true});
    // The result is marked as the parser adds it, before anything can paint it: the bench page
    // may calculate before the document has loaded.
    new MutationObserver((changes, watching) => {
        const element = document.getElementById(result);
        if (element) {
            element.setAttribute('elementtiming', 'first-result');
            watching.disconnect();
        }
    }).observe(document, {childList: true, subtree: true});
    document.addEventListener('DOMContentLoaded', () => {
        if (press) {
            document.getElementById(press).click();
        }
    });
}

(async () => {
    site_size();
    const server = await serve(site);
    const url = server.url;
    // The first visit is counted on a server of its own, which nothing else asks: a page
    // closed at its load event may still ask for its icon later.
    const counting = await serve(site);
    const fetched = new Map(); // path: times requested
    counting.on('request', (request) => {
        const name = new URL(request.url, counting.url).pathname;
        fetched.set(name, (fetched.get(name) || 0) + 1);
    });
    const browser = await launch();
    try {
        // Warm the server and the disk cache once.
        const warm = await browser.newContext({serviceWorkers: 'block'});
        await (await warm.newPage()).goto(url);
        await warm.close();
        // A first visit with the service worker, until it controls the page and has kept the
        // site: what it fetched, file by file.
        const installing = await browser.newContext();
        const installed = await installing.newPage();
        await installed.goto(counting.url);
        await installed.waitForFunction(() => navigator.serviceWorker.controller !== null);
        await installed.waitForLoadState('networkidle');
        await installing.close();
        // The site's address is its index.html.
        const times_of = new Map();
        for (const [name, times] of fetched) {
            const file = name.endsWith('/') ? `${name.slice(1)}index.html` : name.slice(1);
            times_of.set(file, (times_of.get(file) || 0) + times);
        }
        let requests = 0;
        let bytes = 0;
        for (const file of fs.readdirSync(site).sort()) {
            const times = times_of.get(file) || 0;
            const size = fs.statSync(path.join(site, file)).size;
            requests += times;
            bytes += times * size;
            times_of.delete(file);
            console.log(`  ${file.padEnd(32)} ${times}x ${String(size).padStart(7)} B`);
        }
        for (const [file, times] of times_of) {
            console.log(`  ${file.padEnd(32)} ${times}x, not a file of the site`);
        }
        const once = requests === fs.readdirSync(site).length && times_of.size === 0 &&
                     bytes > 0;
        console.log(`first visit: ${requests} requests for the ${fs.readdirSync(site).length} ` +
                    `files, ${bytes} B raw; ` +
                    `${once ? 'each file once' : 'some files more than once'} (target once)`);
        // Each visit in a page of its own: a first visit in a fresh browser context (nothing
        // cached), and a return visit in one context that has been there before (the service
        // worker serves every file from its cache).
        // A visit to `target`, until its first result is painted: how long it took.
        const visit = async (context, target) => {
            const page = await context.newPage();
            await page.addInitScript(result_probe, target);
            await page.goto(target.url);
            await page.waitForFunction(() => window.first_result_ms !== undefined);
            const [ms, text] = await page.evaluate(
                (id) => [window.first_result_ms, document.getElementById(id).value],
                target.result);
            if (text !== target.expected) {
                throw new Error(`${target.name}'s first result is ${text}, not ${target.expected}`);
            }
            await page.close();
            return ms;
        };
        const report = (what, times) => {
            console.log(`first result on screen, ${what}: median ${median(times).toFixed(1)} ms, ` +
                        `fastest ${Math.min(...times).toFixed(1)} ms, slowest ${
                            Math.max(...times).toFixed(1)} ms over ${runs} visits (target 300 ms)`);
        };
        const first_visits = async (target) => {
            const times = [];
            for (let run = 0; run < runs; ++run) {
                const context = await browser.newContext({serviceWorkers: 'block'});
                times.push(await visit(context, target));
                await context.close();
            }
            report(`${target.prefix}first visit`, times);
        };
        const return_visits = async (context, target) => {
            const times = [];
            for (let run = 0; run < runs; ++run) {
                times.push(await visit(context, target));
            }
            report(`${target.prefix}return visit`, times);
        };
        // The window page, where Calculate is pressed as soon as it stands.
        const window_page = {name: 'the page', prefix: '', url, result: 'coax_length_lbl',
                             press: 'calc_cmd', expected: '0.172'};
        await first_visits(window_page);
        const returning = await browser.newContext();
        const first_page = await returning.newPage();
        await first_page.goto(url);
        await first_page.evaluate(() => navigator.serviceWorker.ready);
        await first_page.close();
        await return_visits(returning, window_page);

        // The bench page, opened from an address that carries a tool's inputs.
        const bench_page = {name: 'the bench page', prefix: 'bench page, ',
                            url: `${url}bench.html#unit=m&o_freq=145&o_qw=1&o_vf=0.662`,
                            result: 'own_r1', press: null, expected: '0.342'};
        await first_visits(bench_page);
        await return_visits(returning, bench_page);
        await returning.close();

        const context = await browser.newContext({serviceWorkers: 'block'});
        const page = await context.newPage();
        await page.goto(url);
        const per_call = await page.evaluate(async () => {
            const core = await window.ridi_binding.core;
            const {run_core} = window.ridi_binding;
            const measure = (texts) => {
                const calls = 200000;
                const samples = [];
                for (let round = 0; round < 5; ++round) {
                    const started = performance.now();
                    for (let i = 0; i < calls / 5; ++i) {
                        run_core(core, texts, false);
                    }
                    samples.push((performance.now() - started) * 1000 / (calls / 5));
                }
                samples.sort((a, b) => a - b);
                return samples[2];
            };
            return {
                result: measure(['435.850', '1', 'RG-58']),
                fault: measure(['0', '1', 'RG-58']),
            };
        });
        console.log(`one calculation through the binding: ${per_call.result.toFixed(2)} us; ` +
                    `one that fails (frequency 0, message out): ${per_call.fault.toFixed(2)} us ` +
                    `(target 20 us)`);
        // What a stub does, as the bench page asks its core: the median of 50 answers.
        const bench = await context.newPage();
        await bench.goto(`${url}bench.html`);
        const stub_ms = await bench.evaluate(async () => {
            const core = await window.ridi_bench_binding.core;
            const {run_core} = window.ridi_bench_binding;
            const section = document.getElementById('stub');
            const texts = Array.from(section.querySelectorAll('input, select'), (field) => ({
                s_end: 'shorted', s_freq: '7.088', s_qw: '1', s_cable: 'RG-213', s_loss: '5.9',
                s_loss_mhz: '100', s_region: '1', s_from: '1.8', s_to: '450'})[field.id] ?? '');
            const times = [];
            for (let run = 0; run < 50; ++run) {
                const started = performance.now();
                const answer = run_core(core, Number(section.dataset.tool), 0, texts, false, 720);
                times.push(performance.now() - started);
                if (!answer.plot) {
                    throw new Error(JSON.stringify(answer).slice(0, 200));
                }
            }
            times.sort((a, b) => a - b);
            return times[25];
        });
        console.log(`what a stub does, 2000 points with its plot and band table: ${
            stub_ms.toFixed(2)} ms (target 16 ms)`);
        await context.close();
    } finally {
        await browser.close();
        server.close();
        counting.close();
    }
})().catch((error) => {
    console.error(error);
    process.exit(1);
});
