// The page's first script, small and loaded at once: it keeps what the player presses while the game is on its
// way, fetches the fonts and the game once the first deal is on the screen, keeps the page for offline play when it is served,
// and shows the page's own message when the game cannot start here. It holds no text of its own: the messages
// are in the page.
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

    window.addEventListener('load', () => {
        // The fonts the page carries and the game's script come once the first deal is on the screen: the first
        // view waits for neither, and shows its texts in the fonts the system has until the page's own arrive.
        const fonts = document.createElement('link');
        fonts.rel = 'stylesheet';
        fonts.href = 'fonts.css';
        document.head.appendChild(fonts);
        const script = document.createElement('script');
        script.src = 'pairfinder.js';
        document.head.appendChild(script);
        // Served, the page is kept for offline play and can be put on a home screen; from disk it cannot be
        // either, and a manifest there would only be refused.
        if (window.location.protocol === 'file:') return;
        const manifest = document.createElement('link');
        manifest.rel = 'manifest';
        manifest.href = 'manifest.webmanifest';
        document.head.appendChild(manifest);
        if ('serviceWorker' in navigator) navigator.serviceWorker.register('offline.js').catch(() => undefined);
    });
})();
