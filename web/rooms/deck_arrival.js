// The own deck's arrival: composing a deck from photos and the deck file are the page's second module
// (pairfinder-deck.js, its own WebAssembly inside; served, pairfinder-deck-served.js beside its .wasm), which most
// players never need, so the game's module carries none of it. This room fetches it the first time a player reaches
// for it (the game asks to compose, open or save a deck; photos or a deck file are chosen, dropped or handed to the
// installed page), says "wird geladen" while that takes a moment, and hands it what it needs of the page (deckPage).
// The service worker keeps the module with the rest of the folder, so that it arrives offline too. Any other script
// that arrives on demand (the players' form) is fetched and waited for the same way. This room touches the two file
// inputs, the drop on the page and the loading notice; the form and the files are the module's rooms' (deck_form.js,
// deck_file.js).
const composer = byId('Composer');
const photoFiles = byId('DeckFiles');
const deckFileInput = byId('DeckFile');
const loadingNotice = byId('DeckLoading');
// The item that chooses the own deck, which the game named when it asked for one; pressed once one is kept.
let ownDeckChooser = null;
// A deck file the installed page was launched with before the game started: opened once it has.
let launched = null;

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

// A script that arrives on demand: a function that fetches it the first time it is called and returns the promise
// of what `made` makes of it once it has come, kept; a fetch that failed is tried again at the next call.
function arrival(address, made) {
    let arriving = null;
    return () => {
        if (!arriving) {
            const script = document.createElement('script');
            arriving = new Promise((resolve, reject) => {
                script.src = address;
                // Not the game's own script: boot.js says nothing of it when it fails.
                script.dataset.onDemand = 'true';
                script.onload = resolve;
                script.onerror = reject;
                document.head.appendChild(script);
            }).then(made);
            arriving.catch(() => {
                arriving = null;
                script.remove();
            });
        }
        return arriving;
    };
}

// The deck's module, which carries its WebAssembly inside when the page is opened from disk.
const deckRooms = arrival(window.location.protocol === 'file:' ? 'pairfinder-deck.js' : 'pairfinder-deck-served.js',
    () => PairfinderDeck({ page: deckPage, printErr: (said) => console.warn(said) }).then((module) => module.deck));

// Runs `use` with what `arrived` brings once it is here, saying "wird geladen" if it takes a moment, and the message
// of `box` that says it could not be fetched if so, in the error box (deckPage's is the page's own).
function whenArrived(arrived, box, use) {
    const slow = window.setTimeout(() => { loadingNotice.hidden = false; }, 300);
    return arrived().then(use, () => {
        if (!stopped) deckPage.showError(box.querySelector('[data-message="unloaded"]').textContent);
    }).finally(() => {
        window.clearTimeout(slow);
        loadingNotice.hidden = true;
    });
}

function withDeckRooms(use) {
    return whenArrived(deckRooms, composer, use);
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
