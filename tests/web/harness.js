// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the web tests share: their command line, the count of checks, and a run with the site
// served and headless Chromium (playwright-core driving Debian's chromium) launched.
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


// Serves `site`, launches the browser (each launch in a fresh profile of its own) and runs
// `groups(browser, address)` with the address of `page` in the site; then prints the count
// as `name`'s and exits with status 1 if any check failed.
function run(name, site, shot_dir, page, groups) {
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

module.exports = {command_line, check, equal, run};
