// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Serves a built site on this computer only, for trying it out and for the tests:
//   node serve.js SITE_DIR [PORT [FOLDER]]   (PORT 0 or none: any free port)
// Prints the address when it listens. With FOLDER ("/ridi/") the site is served below that
// path, as a static host serves a project's site from a folder, and nothing answers outside
// it. Also usable as a module: serve(dir, port, folder) resolves to the server once it
// listens; its `url` is the address to use.
//
// It listens on both loopback addresses, 127.0.0.1 and ::1, on one port: "localhost" is ::1
// first on a standard Debian machine (its /etc/hosts names both), and some clients, Node's
// fetch among them, try only the first address they are given.
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

function site_handler(root, folder) {
    return (request, response) => {
        const pathname = new URL(request.url, 'http://localhost').pathname;
        if (`${pathname}/` === folder) {
            response.writeHead(301, {Location: folder}).end();
            return;
        }
        if (!pathname.startsWith(folder)) {
            response.writeHead(404, {'Content-Type': 'text/plain'}).end('not found\n');
            return;
        }
        let name = decodeURIComponent(pathname.slice(folder.length - 1));
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
    };
}

function listen(handler, port, host) {
    return new Promise((resolve, reject) => {
        const server = http.createServer(handler);
        server.once('error', reject);
        server.listen(port, host, () => resolve(server));
    });
}

// The site's server on the loopback addresses: `url` is where it answers, `on('request', f)`
// hears every request, `close()` ends it.
class LoopbackServer {
    constructor(servers, folder) {
        this.servers = servers;
        this.port = servers[0].address().port;
        this.url = `http://localhost:${this.port}${folder}`;
    }
    on(event, listener) {
        for (const server of this.servers) {
            server.on(event, listener);
        }
        return this;
    }
    close() {
        for (const server of this.servers) {
            server.closeAllConnections();
            server.close();
        }
    }
}

// A machine without IPv6 has no ::1 to listen on, and its localhost is 127.0.0.1 alone.
const no_ipv6 = new Set(['EADDRNOTAVAIL', 'EAFNOSUPPORT']);

async function serve(dir, port = 0, folder = '/') {
    // "ridi", "/ridi" and "/ridi/" all mean the folder /ridi/.
    folder = `/${folder}/`.replace(/\/+/g, '/');
    const handler = site_handler(path.resolve(dir), folder);
    // With any free port asked for, the port 127.0.0.1 was given may be taken on ::1: try again.
    for (let attempt = 0;; ++attempt) {
        const v4 = await listen(handler, port, '127.0.0.1');
        try {
            const v6 = await listen(handler, v4.address().port, '::1');
            return new LoopbackServer([v4, v6], folder);
        } catch (error) {
            if (no_ipv6.has(error.code)) {
                return new LoopbackServer([v4], folder);
            }
            v4.close();
            if (error.code !== 'EADDRINUSE' || port !== 0 || attempt === 20) {
                throw error;
            }
        }
    }
}

module.exports = {serve};

if (require.main === module) {
    const [dir, port, folder] = process.argv.slice(2);
    if (!dir) {
        console.error('usage: node serve.js SITE_DIR [PORT [FOLDER]]');
        process.exit(2);
    }
    serve(dir, Number(port || 0), folder).then((server) => {
        console.log(`RI-DI is served at ${server.url} (Ctrl+C ends)`);
    }, (error) => {
        console.error(`serve.js: ${error.message}`);
        process.exit(1);
    });
}
