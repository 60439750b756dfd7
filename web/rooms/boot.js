// The page's first script, written into the page itself after the database's room: it keeps what the player presses
// while the game is on its way, runs the game's script once the first deal is on the screen, fetches the fonts and,
// when the page is served, keeps it for offline play once the game is ready, and shows the page's own message when
// the game cannot start here. It reads the player's own deck from the page's database while the game's script
// comes, so that the game finds it before its first deal. It holds no text of its own: the messages are in the page.
// It touches the document's failure message, the head's links and scripts, and window.pairfinderBoot, through which
// the game's script takes over.
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

// The game's script keeps a new deck through the same database.
boot.database = database;
boot.keptDeck = database.read();

document.addEventListener('click', (event) => {
    const pressed = !boot.taken && event.target instanceof Element &&
        event.target.closest('#Form1 [data-position], #Form1 [data-command]');
    if (pressed && pressed.getAttribute('aria-disabled') !== 'true') boot.presses.push(pressed);
}, true);

if (typeof WebAssembly !== 'object' || typeof WebAssembly.instantiate !== 'function') {
    boot.fail('webassembly');
    return;
}
// A script that does not load, missing or refused by a policy, is an error of its element. The deck's module, fetched
// on demand, says its own.
window.addEventListener('error', (event) => {
    if (event.target instanceof HTMLScriptElement && !event.target.dataset.onDemand) boot.fail('script');
}, true);

// Served, the game's WebAssembly is a file of its own, which the browser compiles while it downloads; a page
// opened from disk may fetch no such file, and runs the script that carries it inside.
const served = window.location.protocol !== 'file:';
const game = served ? 'pairfinder-served.js' : 'pairfinder.js';
// Served, the game is asked for once the page has been read, at a low priority beside the first deal's back,
// so that it is on its way while the first deal is drawn; asked for while the page was still being read, it
// held the first deal back on a fast line (bench/web_load.py). From disk it is at hand.
const preload = (kind, address) => {
    const link = document.createElement('link');
    link.rel = 'preload';
    link.as = kind;
    link.href = address;
    link.fetchPriority = 'low';
    // As the game's script fetches its WebAssembly, so that the one download serves it.
    if (kind === 'fetch') link.crossOrigin = 'anonymous';
    document.head.appendChild(link);
};
if (served) {
    document.addEventListener('DOMContentLoaded', () => {
        preload('script', game);
        preload('fetch', 'pairfinder-served.wasm');
    });
}

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
    // What the first deal does not show (the menus' items, the outcome, the error box, the ended screen) comes
    // into its place in the page now, for the game to take over with the rest.
    for (const later of document.querySelectorAll('template.later')) later.replaceWith(later.content);
    // Run before the load event, the game's script would hold the first deal back until it came.
    const script = document.createElement('script');
    script.src = game;
    document.head.appendChild(script);
    // What the game does not need to start waits until it has: the fonts the page carries, which would share
    // the line with the game's script and lay the page out anew (the page shows its texts in the system's
    // fonts until they come), and, when the page is served, its offline copy, the whole folder, and the
    // manifest to put it on a home screen. From disk the page can be neither, and a manifest there would only
    // be refused.
    whenReady(() => {
        const fonts = document.createElement('link');
        fonts.rel = 'stylesheet';
        fonts.href = 'fonts.css';
        document.head.appendChild(fonts);
        if (!served) return;
        const manifest = document.createElement('link');
        manifest.rel = 'manifest';
        manifest.href = 'manifest.webmanifest';
        document.head.appendChild(manifest);
        if ('serviceWorker' in navigator) navigator.serviceWorker.register('offline.js').catch(() => undefined);
    });
});
