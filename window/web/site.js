// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the scripts of the site's pages share, put inside each page after the core's loader and
// before the page's own script: the decimal comma, texts into the core, the core's loading and
// the service worker. Like the pages' scripts it only moves texts; every number and result is
// the core's.
'use strict';

const ridi_site = (() => {
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

    // Puts texts into the core's memory as UTF-16 code units, exactly as typed (a lone
    // surrogate included), one after the other, where `input(units)` makes room for them.
    function put_texts(input, core, texts) {
        let at = input(texts.reduce((sum, text) => sum + text.length, 0)) >>> 1;
        const memory = core.HEAPU16; // after the call: the memory may have grown
        for (const text of texts) {
            for (let i = 0; i < text.length; ++i) {
                memory[at++] = text.charCodeAt(i);
            }
        }
    }

    // The core, once loaded; then `ready` gets the attribute data-ready. If it cannot load,
    // `failed` is told why. The WebAssembly's name in the site, which carries its contents'
    // digest, is the preload's.
    function load_core(ready, failed) {
        const core_address = document.getElementById('core').href;
        return ridi_module({locateFile: () => core_address}).then((loaded) => {
            ready.setAttribute('data-ready', '');
            return loaded;
        }, (error) => {
            const where = location.protocol === 'file:'
                ? ' Open the page from a web server, not as a file (scripts/web --serve).' : '';
            failed(`${document.title} could not load its calculation, ridi_core.wasm: ${error}.${
                where}`);
            throw error;
        });
    }

    // Does `work` with the core as soon as it has loaded (so a click before then is answered).
    // `failed` is told of a failure of the WebAssembly engine itself, such as no memory left.
    function when_loaded(core, work, failed) {
        return core.then((loaded) => {
            try {
                work(loaded);
            } catch (error) {
                failed(`${document.title} could not calculate: ${error}`);
            }
        }, () => {});
    }

    // The service worker, once the page has loaded: filling its cache never delays a first
    // result, and it finds the files in the browser's cache rather than fetching them again.
    if ('serviceWorker' in navigator) {
        addEventListener('load', () => {
            navigator.serviceWorker.register('sw.js').catch(() => {
                // Without it the page still works, only not offline.
            });
        });
    }

    return {decimal_comma, put_texts, load_core, when_loaded};
})();
