// The board and the presses: the front end of the game's module, what ui/ is for the desktop. The build wrote the
// window into the page from the layout table (page_document.cpp); this room takes its elements over, draws what the
// game's side (page.cpp) tells it (Module.frontEnd) and passes on what the player presses, taps or types, as each
// element's data says: a card its position, a button or menu item its command. It starts the game, handing it the
// own deck the database kept, and says when the game stopped. It holds no rule, value name or message of its own,
// and every text reaches the document as text, never as markup. It touches the cards, the controls, the announcer,
// the error box and the ended screen; the menus are menus.js's, the table's lock shared_table.js's, the deck's parts
// deck_arrival.js's, the players' panel and form players.js's.
const byId = (id) => document.getElementById(id);
const form = byId('Form1');
const cardGrid = byId('Cards');
const errorBox = byId('ErrorBox');
const announcer = byId('Announcer');
const cells = [...cardGrid.querySelectorAll('[data-position]')].map((node) => ({
    node,
    picture: node.querySelector('img'),
    // How many times the cell was told to change; a change whose picture is decoded late yields to a later one.
    changes: 0,
}));
// The page's first script (boot.js) kept the presses made before this one arrived; from here on this one keeps them
// until the game's side is running, and then plays them in order.
const boot = window.pairfinderBoot || { presses: [], fail() {}, database: null, keptDeck: null };
boot.taken = true;
let waiting = boot.presses;
let started = false;
let ended = false;
// The runtime stopped: every press says so in the error box instead of failing silently.
let stopped = false;
// Where the keyboard focus was before the error box took it.
let focusBeforeError = null;
let faceSet = [];
// The addresses of the own deck's pictures the game has now.
let keptAddresses = [];
// The computer's next card, waited for.
let computerMove = 0;

function isTyping() {
    const active = document.activeElement;
    return active && active.tagName === 'INPUT';
}

function shown(node) {
    return !node.closest('[hidden]') && node.getAttribute('aria-disabled') !== 'true';
}

// A box or form is in front of the game: the error box, the own deck's form, the players' form.
function boxOpen() {
    return !!document.querySelector('dialog[open]');
}

// The player pressed a card, a button or a menu item: the game's side does what its data says. A form's answer is
// `typed`, the text the press carries in place of its control's.
function press(node, typed) {
    closeMenus(false);
    if (stopped) {
        Module.frontEnd.showError(document.title, document.querySelector('[data-failure="stopped"]').textContent);
        return;
    }
    if (!started || tableLocked()) {
        waiting.push(typed === undefined ? node : [node, typed]);
        return;
    }
    if (ended || errorBox.open) return;
    // A card's command is its grid's, and its number its position.
    const command = Number(node.closest('[data-command]').dataset.command);
    const number = Number(node.dataset.position || node.dataset.number || 0);
    const takes = typed !== undefined ? typed : node.dataset.takes ? byId(node.dataset.takes).value : '';
    // A command that stores the table waits for every other tab of the page to be done with it.
    if (_pf_stores_table(command) && inTurnWithOtherTabs(() => run(command, number, takes))) return;
    run(command, number, takes);
}

function run(command, number, takes) {
    const typed = allocateUTF8(takes);
    try {
        _pf_command(command, number, typed);
    } finally {
        _free(typed);
    }
}

// What the player pressed while the game was on its way, or while a press waited for the table, in order.
function playWaiting() {
    const early = waiting;
    waiting = [];
    early.forEach((node) => (Array.isArray(node) ? press(...node) : press(node)));
}

// The game's side knows which keys move over the cards, and where to.
function onCardKey(event, card) {
    if (!started || event.altKey || event.ctrlKey || event.metaKey) return;
    const key = allocateUTF8(event.key);
    let next;
    try {
        next = _pf_move(Number(card.dataset.position), key);
    } finally {
        _free(key);
    }
    if (next < 0) return;
    event.preventDefault();
    cells[next].node.focus();
}

// One tab stop over the cards: the card last focused.
function onFocus(event) {
    const card = event.target.closest && event.target.closest('[data-position]');
    if (!card) return;
    for (const cell of cells) cell.node.tabIndex = cell.node === card ? 0 : -1;
}

// Every picture the page has asked for, decoded once: a promise that it is ready to be drawn.
const decoded = new Map();
function ready(picture) {
    if (!decoded.has(picture)) {
        const image = new Image();
        image.src = picture;
        decoded.set(picture, image.decode().catch(() => undefined));
    }
    return decoded.get(picture);
}

function setCard(position, picture, label, enabled) {
    const cell = cells[position];
    const change = ++cell.changes;
    // A redraw of the board hands most cards what they already show: nothing of theirs changes then.
    if (cell.node.getAttribute('aria-label') !== label) cell.node.setAttribute('aria-label', label);
    if (enabled === cell.node.hasAttribute('aria-disabled')) {
        if (enabled) cell.node.removeAttribute('aria-disabled');
        else cell.node.setAttribute('aria-disabled', 'true');
    }
    if (!picture) {
        cell.picture.hidden = true;
        return;
    }
    // A cell changes to its new picture once that is ready to be drawn, never to a blank while it loads; of two
    // changes in a row the later one wins, however long the earlier one's picture takes.
    ready(picture).then(() => {
        if (cell.changes !== change) return;
        if (cell.picture.getAttribute('src') !== picture) cell.picture.src = picture;
        // A player's photo is framed as a drawn face is.
        cell.picture.classList.toggle('photo', picture.startsWith('blob:'));
        cell.picture.hidden = false;
    });
}

// The face set in use is fetched once the first deal is on the screen, so the first view waits for none of its
// pictures, yet the first card turned shows its face at once.
function prefetch() {
    const load = () => faceSet.forEach(ready);
    if (window.requestIdleCallback) window.requestIdleCallback(load, { timeout: 1000 });
    else window.setTimeout(load, 200);
}

Module.frontEnd = {
    setText(name, said) {
        const node = byId(name);
        const label = node.querySelector('.text');
        (label || node).textContent = said;
        // An empty place of the table has nothing to say.
        if (label) node.setAttribute('aria-hidden', said ? 'false' : 'true');
    },
    setVisible(name, visible) {
        byId(name).hidden = !visible;
    },
    setChecked(name, checked) {
        byId(name).setAttribute('aria-checked', checked ? 'true' : 'false');
    },
    setCards(pictures, labels, enabled) {
        pictures.forEach((picture, p) => setCard(p, picture, labels[p], enabled[p]));
    },
    setCard,
    announce(said) {
        // The same words twice in a row are still a change, and are said again.
        announcer.textContent = announcer.textContent === said ? said + '\u00a0' : said;
    },
    focusFromCards(name) {
        if (document.activeElement && document.activeElement.closest('#Cards')) byId(name).focus();
    },
    showError(title, message) {
        focusBeforeError = errorBox.open ? focusBeforeError : document.activeElement;
        closeMenus(false);
        byId('ErrorCaption').textContent = title;
        byId('ErrorMessage').textContent = message;
        if (!errorBox.open) errorBox.showModal();
        errorBox.querySelector('button').focus();
    },
    close() {
        closeMenus(false);
        ended = true;
        form.hidden = true;
        byId('Ended').hidden = false;
        byId('Restart').focus();
    },
    // The board in play: its cells regrouped into its rows, the rest hidden, and the document told which board it
    // is, which the style sheet lays the cards out by. The grid stays one tab stop, on a card of the board.
    showBoard(pairs, rows, columns, count) {
        const hadFocus = cardGrid.contains(document.activeElement);
        const rowNodes = [...cardGrid.querySelectorAll(':scope > .row')];
        rowNodes.forEach((row, r) => {
            row.hidden = r >= rows;
            if (r >= rows) return;
            for (let c = 0; c < columns; ++c) row.appendChild(cells[r * columns + c].node.parentElement);
        });
        for (const cell of cells.slice(count)) {
            cell.node.parentElement.hidden = true;
            rowNodes[rowNodes.length - 1].appendChild(cell.node.parentElement);
        }
        cells.slice(0, count).forEach((cell) => { cell.node.parentElement.hidden = false; });
        cardGrid.setAttribute('aria-rowcount', String(rows));
        cardGrid.setAttribute('aria-colcount', String(columns));
        document.documentElement.dataset.board = String(pairs);
        const stop = cells.find((cell) => cell.node.tabIndex === 0);
        const kept = stop && cells.indexOf(stop) < count ? stop : cells[0];
        for (const cell of cells) cell.node.tabIndex = cell === kept ? 0 : -1;
        if (hadFocus) kept.node.focus();
    },
    setFaceSet(pictures) {
        faceSet = pictures;
        if (started) prefetch();
    },
    setEnabled(name, enabled) {
        const node = byId(name);
        if (enabled) node.removeAttribute('aria-disabled');
        else node.setAttribute('aria-disabled', 'true');
    },
    // The computer's card comes when its pace says, as a press of its own seat. Only the move asked for last is
    // waited for: one the rules asked for before a new deal is void, and they would ignore it. A box or form in front
    // of the game holds the computer back until it has gone, as it holds the player's presses; the game ended or
    // stopped, it plays no more.
    waitForComputer(milliseconds, command, move) {
        window.clearTimeout(computerMove);
        const wait = () => {
            computerMove = window.setTimeout(() => {
                if (ended || stopped) return;
                if (boxOpen()) wait();
                else run(command, move, '');
            }, milliseconds);
        };
        wait();
    },
    // Who plays together, and the form that asks it, are the players' room's (players.js brings it).
    askPlayers: (...asked) => withPlayersRoom((room) => room.ask(...asked)),
    showPlayers: (...shown) => withPlayersRoom((room) => room.show(...shown)),
    // Composing, saving and opening a deck are the deck's rooms' (deck_arrival.js brings them).
    composeDeck: (chooser) => deckAsked('compose', chooser),
    saveDeck: () => deckAsked('save'),
    openDeck: (chooser) => deckAsked('open', chooser),
};

// Hands the game the deck as kept, or none: its names file and the address of each picture that decodes, empty for
// one that does not, so that the game can say what is wrong with it.
async function keepDeck(kept) {
    const previous = keptAddresses;
    keptAddresses = [];
    if (!kept) {
        _pf_keep_own_deck(0, 0, 0, 0);
    } else {
        const addresses = await Promise.all(kept.pictures.map(async (bytes) => {
            try {
                const blob = new Blob([bytes], { type: 'image/jpeg' });
                (await createImageBitmap(blob)).close();
                const address = URL.createObjectURL(blob);
                keptAddresses.push(address);
                return address;
            } catch (error) {
                return '';
            }
        }));
        const names = allocateUTF8(kept.names);
        try {
            withTexts(kept.files.map(String), (files) => withTexts(addresses,
                (pointers) => _pf_keep_own_deck(names, files, pointers, addresses.length)));
        } finally {
            _free(names);
        }
    }
    previous.forEach((address) => URL.revokeObjectURL(address));
}

function closeError() {
    errorBox.close();
    const back = focusBeforeError;
    focusBeforeError = null;
    if (back && document.contains(back) && !back.closest('[hidden]')) back.focus();
    readTable();
}

// The own deck as kept is handed to the game before its first deal, which may be dealt from it.
async function start() {
    await keepDeck(boot.keptDeck ? await boot.keptDeck : null);
    started = true;
    _pf_start();
    playWaiting();
    deckGameStarted();
    document.body.classList.add('ready');
    prefetch();
}

// The runtime stopped (its WebAssembly would not start, or it aborted): the page says so, and from then on every
// press does too. What the runtime reports of it goes to the console as a warning, since the page has handled it.
function stop() {
    stopped = true;
    boot.fail('stopped');
}
Module.onAbort = stop;
Module.printErr = (said) => console.warn(said);
window.addEventListener('unhandledrejection', (event) => {
    if (stopped) event.preventDefault();
});

errorBox.querySelector('button').addEventListener('click', closeError);
errorBox.addEventListener('cancel', (event) => {
    event.preventDefault();
    closeError();
});
byId('Restart').addEventListener('click', () => window.location.reload());
document.addEventListener('focusin', onFocus);
Module.onRuntimeInitialized = start;
