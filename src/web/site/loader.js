// Starts the Orvanta module, says so in a plain sentence when it cannot, fits
// the window to narrow screens and registers the service worker that keeps
// the files for use offline.
'use strict';

(function () {
    const desktop = document.getElementById('desktop');

    function fail(sentence) {
        const p = document.createElement('p');
        p.className = 'notice';
        p.textContent = sentence;
        desktop.replaceChildren(p);
    }

    if (typeof WebAssembly !== 'object') {
        fail('Orvanta cannot run in this browser: it does not support WebAssembly.');
        // orvanta.js stops at once; its abort keeps this sentence.
        window.Module = {onAbort: function () {}};
        return;
    }

    // Below the window's width the whole desktop scales down to the
    // viewport's; pinch zoom stays the browser's.
    function fit() {
        const main = desktop.querySelector('.window[data-window="Main"]');
        if (!main)
            return;
        const width = main.offsetWidth + 2;
        const scale = Math.min(1, document.documentElement.clientWidth / width);
        desktop.style.zoom = scale < 1 ? String(scale) : '';
    }
    window.addEventListener('resize', fit);

    // The pictures the page preloads are decoded now, on another thread
    // while the module compiles, so that the first frame with the window
    // does not wait for them.
    for (const link of document.querySelectorAll('link[rel=preload][as=image]')) {
        const picture = new Image();
        picture.src = link.href;
        picture.decode().catch(function () { /* drawn when painted */ });
    }

    window.Module = {
        locateFile: function (file) { return file; },
        onAbort: function () {
            fail('Orvanta stopped: its program file could not be loaded or run.');
        },
        onRuntimeInitialized: function () {
            const loading = document.getElementById('loading');
            if (loading)
                loading.remove();
            // main() builds the window right after this returns.
            setTimeout(fit);
        },
    };
    // orvanta.js loads beside this file and runs after it (both deferred).
    window.addEventListener('load', function () {
        // orvanta.js defines run() as soon as it has arrived and run.
        if (typeof Module.run === 'undefined')
            fail('Orvanta could not be loaded: its program file did not arrive.');
    });

    if ('serviceWorker' in navigator && location.protocol !== 'file:')
        navigator.serviceWorker.register('sw.js').catch(function () { /* runs without offline use */ });
})();
