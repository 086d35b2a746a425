// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the web tests share: their command line, the count of checks, a run with the site
// served and headless Chromium (playwright-core driving Debian's chromium) launched, and waits
// that end: a wait for something that never comes fails within seconds, saying what it waited
// for, and a run that has not ended after `run_limit` seconds fails whole.
'use strict';

const dns = require('dns');
const {launch} = require('./browser.js');
const {serve} = require('../../web/serve.js');

// SITE_DIR NATIVE_RIDI_CALC SCREENSHOT_DIR, or the usage and exit status 2.
function command_line(script) {
    const [site, native_ridi_calc, shot_dir] = process.argv.slice(2);
    if (!shot_dir) {
        console.error(`usage: node ${script} SITE_DIR NATIVE_RIDI_CALC SCREENSHOT_DIR`);
        process.exit(2);
    }
    return {site, native_ridi_calc, shot_dir};
}

let checks = 0;
let failures = 0;
function check(ok, what) {
    ++checks;
    if (!ok) {
        ++failures;
        console.log(`FAIL ${what}`);
    }
}
function equal(actual, expected, what) {
    check(JSON.stringify(actual) === JSON.stringify(expected),
          `${what}: got ${JSON.stringify(actual)?.slice(0, 400)}, expected ${
              JSON.stringify(expected)?.slice(0, 400)}`);
}

// How long a page may take to load, or to show what a test waits for, on a busy machine.
const wait_seconds = 15;
// A run's whole time, many times what it takes: a backstop for a wait that has no end.
const run_limit = 600;

// A new browser context whose every wait (a selector, a function, a navigation) fails after
// wait_seconds, with playwright's words for what it waited for.
async function new_context(browser, options) {
    const context = await browser.newContext(options);
    context.setDefaultTimeout(wait_seconds * 1000);
    return context;
}

// `promise`, such as a page's evaluation that awaits a promise of the page, or an error that
// names `what` when it has not settled after wait_seconds.
function within(what, promise) {
    let timer;
    const late = new Promise((resolve, reject) => {
        timer = setTimeout(() => reject(new Error(`waited ${wait_seconds} s for ${what}`)),
                           wait_seconds * 1000);
    });
    return Promise.race([promise, late]).finally(() => clearTimeout(timer));
}

// Serves `site`, launches the browser (each launch in a fresh profile of its own) and runs
// `groups(browser, address)` with the address of `page` in the site; then prints the count
// as `name`'s and exits with status 1 if any check failed.
function run(name, site, shot_dir, page, groups) {
    setTimeout(() => {
        console.log(`FAIL ${name}: not ended after ${run_limit} s`);
        process.exit(1);
    }, run_limit * 1000);
    (async () => {
        const server = await serve(site);
        const address = `${server.url}${page}`;
        // Every address "localhost" stands for here answers: a client may try only the first.
        for (const {address: ip, family} of await dns.promises.lookup('localhost', {all: true})) {
            const host = family === 6 ? `[${ip}]` : ip;
            const answer = await fetch(`http://${host}:${server.port}/${page}`).catch((e) => e);
            check(answer.ok, `the site answers at ${host}, one of localhost's addresses (${
                answer.cause?.code ?? answer.status})`);
        }
        const browser = await launch();
        try {
            await groups(browser, address);
        } finally {
            await browser.close();
            server.close();
        }
        console.log(`${name}: ${checks - failures} passed, ${failures} failed; screenshots in ${
            shot_dir}`);
        process.exit(failures === 0 ? 0 : 1);
    })().catch((error) => {
        console.error(error);
        process.exit(1);
    });
}

module.exports = {command_line, check, equal, run, new_context, within};
