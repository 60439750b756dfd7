// The page's first script, written into the page itself: it keeps what the player presses while the game is on its
// way, runs the game's script once the first deal is on the screen, then fetches the fonts, keeps the page for
// offline play once the game is ready when it is served, and shows the page's own message when the game cannot
// start here. It holds no text of its own: the messages and the game script's address are in the page.
(function () {
    'use strict';

    const boot = {
        // Cards and buttons pressed before the game was ready, in order: the game plays them once it is.
        presses: [],
        // The game's script has taken over the presses.
        taken: false,
        // Shows the page's message for what went wrong: "webassembly", "script" or "stopped".
        fail(kind) {
            const show = () => {
                const box = document.getElementById('Failure');
                for (const message of box.children) message.hidden = message.dataset.failure !== kind;
                box.hidden = false;
            };
            if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', show);
            else show();
        },
    };
    window.pairfinderBoot = boot;

    document.addEventListener('click', (event) => {
        const pressed = !boot.taken && event.target instanceof Element &&
            event.target.closest('#Form1 [data-position], #Form1 [data-command]');
        if (pressed && pressed.getAttribute('aria-disabled') !== 'true') boot.presses.push(pressed);
    }, true);

    if (typeof WebAssembly !== 'object' || typeof WebAssembly.instantiate !== 'function') {
        boot.fail('webassembly');
        return;
    }
    // A script that does not load, missing or refused by a policy, is an error of its element.
    window.addEventListener('error', (event) => {
        if (event.target instanceof HTMLScriptElement) boot.fail('script');
    }, true);

    // Once the game has taken the first deal over.
    function whenReady(then) {
        const watch = new MutationObserver(() => {
            if (!document.body.classList.contains('ready')) return;
            watch.disconnect();
            then();
        });
        watch.observe(document.body, { attributes: true, attributeFilter: ['class'] });
    }

    window.addEventListener('load', () => {
        // The page's head asked for the game's script at a low priority beside the first deal's back, so it has
        // been on its way meanwhile; run before the load event, it would hold the first deal back until it came.
        const script = document.createElement('script');
        script.src = document.querySelector('link[rel="preload"][as="script"]').href;
        // The fonts the page carries come once the game's script is in, so as not to share the line with it; the
        // page shows its texts in the fonts the system has until they arrive.
        script.addEventListener('load', () => {
            const fonts = document.createElement('link');
            fonts.rel = 'stylesheet';
            fonts.href = 'fonts.css';
            document.head.appendChild(fonts);
        });
        document.head.appendChild(script);
        // Served, the page is kept for offline play and can be put on a home screen, once the game is ready: the
        // whole folder's download waits for the game's. From disk it cannot be either, and a manifest there would
        // only be refused.
        if (window.location.protocol === 'file:') return;
        whenReady(() => {
            const manifest = document.createElement('link');
            manifest.rel = 'manifest';
            manifest.href = 'manifest.webmanifest';
            document.head.appendChild(manifest);
            if ('serviceWorker' in navigator) navigator.serviceWorker.register('offline.js').catch(() => undefined);
        });
    });
})();
