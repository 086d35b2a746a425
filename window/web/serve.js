// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Serves a built site on this computer only, for trying it out and for the tests:
//   node serve.js SITE_DIR [PORT]   (PORT 0 or none: any free port)
// Prints the address when it listens. Also usable as a module: serve(dir, port) resolves to
// the server once it listens.
'use strict';

const fs = require('fs');
const http = require('http');
const path = require('path');

const types = {
    '.html': 'text/html; charset=utf-8',
    '.js': 'text/javascript; charset=utf-8',
    '.css': 'text/css; charset=utf-8',
    '.wasm': 'application/wasm',
    '.webmanifest': 'application/manifest+json',
    '.svg': 'image/svg+xml',
    '.png': 'image/png',
};

function serve(dir, port = 0) {
    const root = path.resolve(dir);
    const server = http.createServer((request, response) => {
        let name = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
        if (name.endsWith('/')) {
            name += 'index.html';
        }
        const file = path.join(root, path.normalize(name));
        if (!file.startsWith(root + path.sep) || request.method !== 'GET') {
            response.writeHead(404).end();
            return;
        }
        fs.readFile(file, (error, body) => {
            if (error) {
                response.writeHead(404, {'Content-Type': 'text/plain'}).end('not found\n');
                return;
            }
            // As a static host should be set up: a name that carries its contents' digest
            // never changes, so the browser keeps it; the page, its manifest and its service
            // worker are asked for again on every visit, so that a new version is seen at once.
            const hashed = /\.[0-9a-f]{16}\.[a-z]+$/.test(file);
            response.writeHead(200, {
                'Content-Type': types[path.extname(file)] || 'application/octet-stream',
                'Cache-Control': hashed ? 'public, max-age=31536000, immutable' : 'no-cache',
            });
            response.end(body);
        });
    });
    return new Promise((resolve, reject) => {
        server.once('error', reject);
        server.listen(port, '127.0.0.1', () => resolve(server));
    });
}

module.exports = {serve};

if (require.main === module) {
    const [dir, port] = process.argv.slice(2);
    if (!dir) {
        console.error('usage: node serve.js SITE_DIR [PORT]');
        process.exit(2);
    }
    serve(dir, Number(port || 0)).then((server) => {
        console.log(`RI-DI is served at http://localhost:${server.address().port}/ (Ctrl+C ends)`);
    }, (error) => {
        console.error(`serve.js: ${error.message}`);
        process.exit(1);
    });
}
