// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Headless Chromium (Debian's, driven by playwright-core) as the web tests and benchmarks start
// it: without the background work that reaches out to the network, and with its sandbox, as a
// user's browser runs, except as root, where Chromium refuses to start with it.
'use strict';

const {chromium} = require('playwright-core');

const args = ['--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
              '--disable-component-update', '--disable-sync'];
if (process.getuid() === 0) {
    args.push('--no-sandbox');
}

function launch() {
    return chromium.launch({executablePath: '/usr/bin/chromium', headless: true, args});
}

module.exports = {launch};
