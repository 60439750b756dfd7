// The own deck's arrival: composing a deck from photos and the deck file are the page's second module
// (pairfinder-deck.js, its own WebAssembly inside; served, pairfinder-deck-served.js beside its .wasm), which most
// players never need, so the game's module carries none of it. This room fetches it the first time a player reaches
// for it (the game asks to compose, open or save a deck; photos or a deck file are chosen, dropped or handed to the
// installed page), says "wird geladen" while that takes a moment, and hands it what it needs of the page (deckPage).
// The service worker keeps the module with the rest of the folder, so that it arrives offline too. This room touches
// the two file inputs, the drop on the page and the loading notice; the form and the files are the module's rooms'
// (deck_form.js, deck_file.js).
const composer = byId('Composer');
const photoFiles = byId('DeckFiles');
const deckFileInput = byId('DeckFile');
const loadingNotice = byId('DeckLoading');
// The item that chooses the own deck, which the game named when it asked for one; pressed once one is kept.
let ownDeckChooser = null;
// A deck file the installed page was launched with before the game started: opened once it has.
let launched = null;
let deckModule = null;

function composing() {
    return composer.open;
}

// The own deck item, as the menu writes it: pressed once a deck is kept from dropped photos.
function composeChooser() {
    const item = document.querySelector('.popup [role="menuitemradio"][data-command]:not([data-number])');
    return item ? item.id : null;
}

// What the deck's rooms may do to the page, and nothing more.
const deckPage = {
    closeMenus,
    // Whether the game takes a deck now: started, not ended or stopped, no error box in front of it.
    takes: () => started && !ended && !stopped && !errorBox.open,
    showError: (message) => Module.frontEnd.showError(document.title, message),
    database: boot.database,
    keepDeck,
    // The own deck is chosen, once one is kept.
    choose: () => {
        if (ownDeckChooser) press(byId(ownDeckChooser));
    },
};

// The module, fetched once; a fetch that failed is tried again the next time a player reaches for it.
function deckRooms() {
    if (!deckModule) {
        const script = document.createElement('script');
        deckModule = new Promise((resolve, reject) => {
            script.src = window.location.protocol === 'file:' ? 'pairfinder-deck.js' : 'pairfinder-deck-served.js';
            // Not the game's own script: boot.js says nothing of it when it fails.
            script.dataset.onDemand = 'true';
            script.onload = resolve;
            script.onerror = reject;
            document.head.appendChild(script);
        }).then(() => PairfinderDeck({ page: deckPage, printErr: (said) => console.warn(said) }))
            .then((module) => module.deck);
        deckModule.catch(() => {
            deckModule = null;
            script.remove();
        });
    }
    return deckModule;
}

// Runs `use` with the deck's rooms once they are here, saying "wird geladen" if they take a moment, and that they
// could not be fetched if so.
function withDeckRooms(use) {
    const slow = window.setTimeout(() => { loadingNotice.hidden = false; }, 300);
    return deckRooms().then(use, () => {
        if (!stopped) deckPage.showError(composer.querySelector('[data-message="unloaded"]').textContent);
    }).finally(() => {
        window.clearTimeout(slow);
        loadingNotice.hidden = true;
    });
}

// The game asks for a deck: a file chooser opens at once, while the press still lets it, and the module is fetched
// while the player chooses; saving waits for it.
function deckAsked(kind, chooser) {
    if (kind === 'save') {
        withDeckRooms((deck) => deck.saveDeck());
        return;
    }
    ownDeckChooser = chooser;
    if (composing()) return;
    const input = kind === 'open' ? deckFileInput : photoFiles;
    input.value = '';
    input.click();
    deckRooms().catch(() => undefined);
}

function openDeckFile(file) {
    ownDeckChooser = ownDeckChooser || composeChooser();
    withDeckRooms((deck) => deck.openDeckFile(file));
}

function compose(files) {
    ownDeckChooser = ownDeckChooser || composeChooser();
    withDeckRooms((deck) => deck.compose(files));
}

// A deck file opened later than the game started, from the installed page's launch.
function deckGameStarted() {
    if (launched) launched();
    launched = null;
}

deckFileInput.addEventListener('change', () => {
    if (deckFileInput.files.length) openDeckFile(deckFileInput.files[0]);
});
photoFiles.addEventListener('change', () => {
    if (photoFiles.files.length) compose([...photoFiles.files]);
});
// The installed page opens the deck files the system hands it; one handed over before the game started waits for it.
if (window.launchQueue && window.launchQueue.setConsumer) {
    window.launchQueue.setConsumer((parameters) => {
        const handle = (parameters.files || [])[0];
        if (!handle) return;
        const open = () => handle.getFile().then(openDeckFile, () => undefined);
        if (started) open();
        else launched = open;
    });
}
// Photos dropped on the page are taken as chosen ones, a deck file dropped alone as an opened one.
const carriesFiles = (event) => event.dataTransfer && [...event.dataTransfer.types].includes('Files');
const deckExtension = deckFileInput.accept.split(',')[0].toLowerCase();
document.addEventListener('dragover', (event) => {
    if (carriesFiles(event)) event.preventDefault();
});
document.addEventListener('drop', (event) => {
    if (!carriesFiles(event)) return;
    event.preventDefault();
    if (!deckPage.takes() || composing() || !event.dataTransfer.files.length) return;
    const dropped = [...event.dataTransfer.files];
    if (dropped.length === 1 && dropped[0].name.toLowerCase().endsWith(deckExtension)) openDeckFile(dropped[0]);
    else compose(dropped);
});
