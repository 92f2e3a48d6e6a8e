// Starts the Orvanta module and says in a plain sentence what became of it:
// it could not start, it ended, or it stopped after a run-time error. Every
// failure that escapes the program (a JavaScript error, a DOM exception, a
// WebAssembly trap) comes here and goes on to the program's run-time error
// report. It also registers the service worker that keeps the files for
// use offline.
'use strict';

(function () {
    const desktop = document.getElementById('desktop');

    function say(className, sentence) {
        const p = document.createElement('p');
        p.className = className;
        p.setAttribute('role', 'status');
        p.textContent = sentence;
        desktop.replaceChildren(p);
        return p;
    }

    if (typeof WebAssembly !== 'object') {
        say('notice', 'Orvanta cannot run in this browser: it does not support WebAssembly.');
        // orvanta.js stops at once; its abort keeps this sentence.
        window.Module = {onAbort: function () {}};
        return;
    }

    // The pictures the page preloads are decoded now, on another thread
    // while the module compiles, so that the first frame with the window
    // does not wait for them.
    for (const link of document.querySelectorAll('link[rel=preload][as=image]')) {
        const picture = new Image();
        picture.src = link.href;
        picture.decode().catch(function () { /* drawn when painted */ });
    }

    let started = false;
    let reporting = false;

    // The program has ended (status 0) or stopped after a run-time error.
    function ended(status) {
        Module.orvantaEnded = true;
        Module.orvantaExitStatus = status;
        const line = say('ended', status === 0 ? 'Orvanta has ended. ' : 'Orvanta stopped after a run-time error. ');
        const again = line.appendChild(document.createElement('button'));
        again.textContent = 'Start Orvanta again';
        again.addEventListener('click', function () { location.reload(); });
        again.focus();
    }

    function describe(error) {
        if (error && typeof error === 'object' && 'message' in error)
            return (error.name || 'Error') + ': ' + error.message;
        return String(error);
    }

    // Before the program runs, a failure means its file did not load. Once
    // it runs, the program's own report shows what happened and ends it;
    // when even that fails, the page ends it.
    function failed(error) {
        Module.orvantaFailures.push(describe(error));
        if (Module.orvantaEnded)
            return;
        if (!started) {
            Module.orvantaEnded = true;
            say('notice', 'Orvanta could not start: its program file did not load.');
            return;
        }
        // 70: the exit status of a run-time error, as the program's report gives it.
        if (reporting || !Module.orvantaReport) {
            ended(70);
            return;
        }
        reporting = true;
        try {
            Module.orvantaReport(describe(error));
        } catch (another) {
            Module.orvantaFailures.push(describe(another));
            ended(70);
        }
    }

    window.Module = {
        orvantaFailures: [],
        orvantaFailed: failed,
        orvantaShowEnded: ended,
        locateFile: function (file) { return file; },
        onAbort: failed,
        onRuntimeInitialized: function () {
            started = true;
            const loading = document.getElementById('loading');
            if (loading)
                loading.remove();
        },
    };
    // What the program's own handlers do not catch: errors of main() and of
    // code resumed after a message box.
    window.addEventListener('error', function (event) { failed(event.error ?? event.message); });
    window.addEventListener('unhandledrejection', function (event) { failed(event.reason); });

    window.addEventListener('load', function () {
        // orvanta.js (deferred, after this file) defines run() as soon as it
        // has arrived and run.
        if (typeof Module.run === 'undefined')
            failed('orvanta.js did not arrive');
        // The worker keeps the files for use offline. It is registered once
        // the page is up, and checked for a new release at every visit: the
        // next visit then runs it. Its script and imports never come from
        // the HTTP cache.
        if ('serviceWorker' in navigator && location.protocol !== 'file:') {
            navigator.serviceWorker.register('sw.js', {updateViaCache: 'none'}).then(function (registration) {
                if (navigator.serviceWorker.controller)
                    return registration.update();
                return undefined;
            }).catch(function () { /* runs without offline use */ });
        }
    });
})();
