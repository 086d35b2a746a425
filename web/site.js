// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the scripts of the site's pages share, put inside each page after the core's loader and
// before the page's own script: the decimal comma, asking the core, the announcer, whole results,
// what a touch page is, the core's loading and the service worker. Like the pages' scripts it only moves texts; every number and result is
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

    // Asks the core: `texts` go into its input room as UTF-16 code units, exactly as typed (a
    // lone surrogate included), one after the other, then `call()` runs, and the answer it
    // returns, a JSON text, comes back as an object.
    function ask(core, texts, call) {
        const units = texts.reduce((sum, text) => sum + text.length, 0);
        let at = core._ridi_input(units, texts.length) >>> 1;
        const lengths = core._ridi_input_lengths() >>> 2;
        const memory = core.HEAPU16; // after the calls: the memory may have grown
        texts.forEach((text, i) => {
            core.HEAPU32[lengths + i] = text.length;
            for (let unit = 0; unit < text.length; ++unit) {
                memory[at++] = text.charCodeAt(unit);
            }
        });
        return JSON.parse(core.UTF8ToString(call()));
    }

    // A new result or message is read out, even when it is the same as the last one: the
    // announcer empties, then takes the text.
    function announce(text) {
        const announcer = document.getElementById('announcer');
        announcer.textContent = '';
        requestAnimationFrame(() => {
            announcer.textContent = text;
        });
    }

    // A click selects the whole result, sign and all, and copying a result copies its text
    // alone.
    function whole_results(results) {
        for (const result of results) {
            result.addEventListener('click', () => {
                const text = result.firstChild;
                if (text) {
                    getSelection().setBaseAndExtent(text, 0, text, text.length);
                }
            });
            result.addEventListener('copy', (event) => {
                const selected = String(getSelection()).trim();
                if (result.value !== '' && result.value.includes(selected)) {
                    event.clipboardData.setData('text/plain', selected || result.value);
                    event.preventDefault();
                }
            });
        }
    }

    // Where the keyboard is on the screen: a finger for a pointer, or nothing that hovers, as the
    // page says.
    const touch = matchMedia(document.documentElement.dataset.touch);

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

    return {decimal_comma, ask, announce, whole_results, touch, load_core, when_loaded};
})();
