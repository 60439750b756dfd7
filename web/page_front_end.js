// The page's front end, what ui/ is for the desktop. The build wrote the window into the page from the layout
// table (web/page_document.cpp); this script takes those elements over, draws what the game's side (page.cpp)
// tells it, and passes on what the player presses, taps or types, as each element's data says: a card its
// position, a button or menu item its command. It holds no rule, value name or message of its own, and every
// text reaches the document as text, never as markup. It also composes the player's own deck: the photos chosen or
// dropped are made into the pictures of its cards, named in a form and kept in the page's database; and it hands
// the deck on as a deck file and takes one in, opened, dropped or launched with the installed page.
(function () {
    'use strict';

    const byId = (id) => document.getElementById(id);
    const form = byId('Form1');
    const cardGrid = byId('Cards');
    const menuBar = byId('MainMenu1');
    const errorBox = byId('ErrorBox');
    const announcer = byId('Announcer');
    const cells = [...cardGrid.querySelectorAll('[data-position]')].map((node) => ({
        node,
        picture: node.querySelector('img'),
        // How many times the cell was told to change; a change whose picture is decoded late yields to a later one.
        changes: 0,
    }));
    // The page's first script (boot.js) kept the presses made before this one arrived; from here on this one
    // keeps them until the game's side is running, and then plays them in order.
    const boot = window.pairfinderBoot || { presses: [], fail() {} };
    boot.taken = true;
    let waiting = boot.presses;
    let started = false;
    // A press waits for the highscore table's lock, which every tab of the page takes to store it.
    const TABLE_LOCK = 'pairfinder-highscores';
    let locked = false;
    // Another tab stored the table since this one last read it.
    let tableStored = false;
    let ended = false;
    // The runtime stopped: every press says so in the error box instead of failing silently.
    let stopped = false;
    let openMenus = [];
    // Where the keyboard focus was before a menu or the error box took it.
    let focusBeforeMenu = null;
    let focusBeforeError = null;
    let faceSet = [];

    // --- Presses ---

    function isTyping() {
        const active = document.activeElement;
        return active && active.tagName === 'INPUT';
    }

    function composing() {
        return composer.open;
    }

    function shown(node) {
        return !node.closest('[hidden]') && node.getAttribute('aria-disabled') !== 'true';
    }

    // The player pressed a card, a button or a menu item: the game's side does what its data says.
    function press(node) {
        closeMenus(false);
        if (stopped) {
            Module.frontEnd.showError(document.title, document.querySelector('[data-failure="stopped"]').textContent);
            return;
        }
        if (!started || locked) {
            waiting.push(node);
            return;
        }
        if (ended || errorBox.open) return;
        // A card's command is its grid's, and its number its position.
        const command = Number(node.closest('[data-command]').dataset.command);
        const number = Number(node.dataset.position || node.dataset.number || 0);
        const takes = node.dataset.takes ? byId(node.dataset.takes).value : '';
        // A command that stores the table waits for every other tab of the page to be done with it; the presses
        // made meanwhile wait for it in turn.
        if (_pf_stores_table(command) && navigator.locks) {
            locked = true;
            navigator.locks.request(TABLE_LOCK, () => storeInTurn(() => run(command, number, takes))).finally(() => {
                locked = false;
                playWaiting();
            });
            return;
        }
        run(command, number, takes);
    }

    // --- The highscore table, shared with the page's other tabs ---

    // Each tab keeps localStorage in a copy of its own, which learns of another tab's write a little later: the lock
    // alone would let a tab rank into a table one save old. So every save is numbered: the saver writes its number
    // beside the table and holds a shared lock named by it, which the lock manager shows the next saver at once;
    // that one waits until its copy holds the number, and with it the table written before it.
    const SAVED = TABLE_LOCK + ' saved';
    let releaseSaved = () => undefined;

    function savedNumber() {
        try {
            return Number(localStorage.getItem(SAVED)) || 0;
        } catch (error) {
            return 0;
        }
    }

    async function storeInTurn(store) {
        const { held, pending } = await navigator.locks.query();
        const latest = Math.max(0, ...[...held, ...pending].map((lock) => lock.name)
            .filter((name) => name.startsWith(SAVED + ' ')).map((name) => Number(name.slice(SAVED.length + 1))));
        // A tab that closed right after its save takes its lock with it: the wait is bounded.
        for (let waited = 0; savedNumber() < latest && waited < 2000; waited += 10) {
            await new Promise((resolve) => setTimeout(resolve, 10));
        }
        store();
        const number = Math.max(latest, savedNumber()) + 1;
        try {
            localStorage.setItem(SAVED, String(number));
        } catch (error) {
            return;
        }
        releaseSaved();
        // Held before the table's lock goes, so that the next saver cannot miss it.
        await new Promise((held) => navigator.locks.request(SAVED + ' ' + number, { mode: 'shared' },
            () => new Promise((resolve) => {
                releaseSaved = resolve;
                held();
            })));
    }

    function run(command, number, takes) {
        const text = allocateUTF8(takes);
        try {
            _pf_command(command, number, text);
        } finally {
            _free(text);
        }
    }

    // What the player pressed while the game was on its way, or while a press waited for the table, in order.
    function playWaiting() {
        const early = waiting;
        waiting = [];
        early.forEach(press);
    }

    function onClick(event) {
        const target = event.target;
        if (!(target instanceof Element)) return;
        const title = target.closest('.menubar .title');
        if (title && started) {
            if (openMenus.length && openMenus[0].title === title) closeMenus(true);
            else openMenu(title, false);
            return;
        }
        const item = target.closest('.popup .item');
        if (item) {
            choose(item);
            return;
        }
        if (!target.closest('.popup')) closeMenus(false);
        const pressed = target.closest('[data-position], [data-command]');
        if (pressed && pressed.closest('#Form1') && shown(pressed)) press(pressed);
    }

    // --- The menus ---

    function popupOf(opener) {
        return byId(opener.getAttribute('aria-controls'));
    }

    // The items the keyboard moves over: an empty place of the table has nothing to say and is passed over, and
    // the table's heading only shows on a board that needs one.
    function itemsOf(popup) {
        return [...popup.querySelectorAll(':scope > .item')]
            .filter((item) => !item.hidden && item.getAttribute('aria-hidden') !== 'true');
    }

    // A menu opens where its opener says, moved back inside the window where the screen is too narrow for it.
    function show(opener, popup, left, top) {
        popup.hidden = false;
        popup.style.left = Math.max(0, Math.min(left, form.clientWidth - popup.offsetWidth)) + 'px';
        popup.style.top = Math.max(0, Math.min(top, form.clientHeight - popup.offsetHeight)) + 'px';
        opener.classList.add('open');
        opener.setAttribute('aria-expanded', 'true');
        openMenus.push({ title: opener, popup });
    }

    function openMenu(title, focusFirst) {
        const keep = openMenus.length ? focusBeforeMenu : document.activeElement;
        closeMenus(false);
        focusBeforeMenu = keep;
        show(title, popupOf(title), menuBar.offsetLeft + title.offsetLeft, menuBar.offsetTop + menuBar.offsetHeight);
        if (focusFirst) itemsOf(openMenus[0].popup)[0].focus();
    }

    function openSubmenu(item, focusFirst) {
        while (openMenus.length && openMenus[openMenus.length - 1].popup !== item.parentElement) closeLast();
        const parent = item.parentElement;
        show(item, popupOf(item), parent.offsetLeft + parent.offsetWidth - 3, parent.offsetTop + item.offsetTop - 3);
        if (focusFirst) itemsOf(openMenus[openMenus.length - 1].popup)[0].focus();
    }

    function closeLast() {
        const menu = openMenus.pop();
        const hadFocus = menu.popup.contains(document.activeElement);
        menu.popup.hidden = true;
        menu.title.classList.remove('open');
        menu.title.setAttribute('aria-expanded', 'false');
        if (hadFocus && openMenus.length) menu.title.focus();
    }

    // With restore, the keyboard focus goes back to where it was before the menus opened.
    function closeMenus(restore) {
        const hadFocus = openMenus.some((menu) => menu.popup.contains(document.activeElement));
        while (openMenus.length) closeLast();
        if (restore && hadFocus && focusBeforeMenu && document.contains(focusBeforeMenu)) focusBeforeMenu.focus();
        if (!openMenus.length) focusBeforeMenu = null;
    }

    function choose(item) {
        // A choice the game has disabled stays in the menu, and choosing it does nothing.
        if (item.getAttribute('aria-disabled') === 'true') return;
        if (item.dataset.submenu) openSubmenu(item, false);
        else if (item.dataset.command) {
            closeMenus(true);
            press(item);
        }
    }

    function onMenuKey(event) {
        const menu = openMenus[openMenus.length - 1];
        const items = itemsOf(menu.popup);
        const at = items.indexOf(document.activeElement);
        const titles = [...menuBar.children];
        const across = (way) => {
            const next = titles[(titles.indexOf(openMenus[0].title) + way + titles.length) % titles.length];
            openMenu(next, true);
        };
        switch (event.key) {
            case 'ArrowDown':
                items[(at + 1) % items.length].focus();
                break;
            case 'ArrowUp':
                items[(at - 1 + items.length) % items.length].focus();
                break;
            case 'Home':
                items[0].focus();
                break;
            case 'End':
                items[items.length - 1].focus();
                break;
            case 'ArrowRight':
                if (at >= 0 && items[at].dataset.submenu) openSubmenu(items[at], true);
                else across(1);
                break;
            case 'ArrowLeft':
                if (openMenus.length > 1) closeLast();
                else across(-1);
                break;
            case 'Enter':
            case ' ':
                if (at >= 0) {
                    if (items[at].dataset.submenu) openSubmenu(items[at], true);
                    else choose(items[at]);
                }
                break;
            case 'Escape':
                if (openMenus.length > 1) closeLast();
                else closeMenus(true);
                break;
            case 'Tab':
                closeMenus(true);
                return;
            default: {
                const letter = event.code.startsWith('Key') ? event.code.slice(3).toLowerCase() : '';
                const item = letter && items.find((candidate) => candidate.dataset.key === letter);
                if (!item) return;
                if (item.dataset.submenu) openSubmenu(item, true);
                else choose(item);
            }
        }
        event.preventDefault();
    }

    // --- The keyboard ---

    // The element whose aria-keyshortcuts holds this key: "Alt+G" for Alt and the G key, "M" for the M key
    // alone, matched by where the key lies on the keyboard, whatever letter its layout gives it.
    function reached(event) {
        if (event.ctrlKey || event.metaKey || !event.code.startsWith('Key')) return null;
        const key = (event.altKey ? 'Alt+' : '') + event.code.slice(3);
        if (!event.altKey && isTyping()) return null;
        for (const node of form.querySelectorAll('[aria-keyshortcuts]')) {
            if (node.getAttribute('aria-keyshortcuts').split(' ').includes(key) && shown(node) &&
                !node.disabled) return node;
        }
        return null;
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

    function onKey(event) {
        if (errorBox.open || ended || composing()) return;
        if (openMenus.length) {
            const node = event.altKey && reached(event);
            if (node && node.closest('.menubar')) {
                event.preventDefault();
                openMenu(node, true);
                return;
            }
            onMenuKey(event);
            return;
        }
        const node = reached(event);
        if (node) {
            event.preventDefault();
            if (node.closest('.menubar')) openMenu(node, true);
            else node.click();
            return;
        }
        const card = document.activeElement && document.activeElement.closest('[data-position]');
        if (card) onCardKey(event, card);
    }

    // One tab stop over the cards: the card last focused.
    function onFocus(event) {
        const card = event.target.closest && event.target.closest('[data-position]');
        if (!card) return;
        for (const cell of cells) cell.node.tabIndex = cell.node === card ? 0 : -1;
    }

    // --- What the game's side asks for ---

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
        // A cell changes to its new picture once that is ready to be drawn, never to a blank while it loads; of
        // two changes in a row the later one wins, however long the earlier one's picture takes.
        ready(picture).then(() => {
            if (cell.changes !== change) return;
            if (cell.picture.getAttribute('src') !== picture) cell.picture.src = picture;
            // A player's photo is framed as a drawn face is.
            cell.picture.classList.toggle('photo', picture.startsWith('blob:'));
            cell.picture.hidden = false;
        });
    }

    // The face set in use is fetched once the first deal is on the screen, so the first view waits for none of
    // its pictures, yet the first card turned shows its face at once.
    function prefetch() {
        const load = () => faceSet.forEach(ready);
        if (window.requestIdleCallback) window.requestIdleCallback(load, { timeout: 1000 });
        else window.setTimeout(load, 200);
    }

    Module.frontEnd = {
        setText(name, text) {
            const node = byId(name);
            const label = node.querySelector('.text');
            (label || node).textContent = text;
            // An empty place of the table has nothing to say.
            if (label) node.setAttribute('aria-hidden', text ? 'false' : 'true');
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
        announce(text) {
            // The same words twice in a row are still a change, and are said again.
            announcer.textContent = announcer.textContent === text ? text + '\u00a0' : text;
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
        // The board in play: its cells regrouped into its rows, the rest hidden, and the document told which board
        // it is, which the style sheet lays the cards out by. The grid stays one tab stop, on a card of the board.
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
        composeDeck(chooser) {
            ownDeckChooser = chooser;
            chooseFiles();
        },
        saveDeck() {
            saveDeck();
        },
        openDeck(chooser) {
            ownDeckChooser = chooser;
            if (composing()) return;
            deckFile.value = '';
            deckFile.click();
        },
    };

    // --- The player's own deck ---

    const composer = byId('Composer');
    const composerForm = byId('ComposerForm');
    const deckFiles = byId('DeckFiles');
    const deckFile = byId('DeckFile');
    // What a deck file's name ends in, as its chooser accepts it.
    const deckExtension = deckFile.accept.split(',')[0].toLowerCase();
    const progress = byId('ComposerProgress');
    const composerFault = byId('ComposerFault');
    const refusedList = byId('ComposerRefused');
    const pictureList = byId('ComposerPictures');
    const takeButton = byId('ComposerTake');
    // The item that chooses the own deck, which the game named when it asked for one; pressed once one is kept.
    let ownDeckChooser = null;
    let focusBeforeComposer = null;
    // The photos of the form, each with its picture's JPEG and the address the form shows it from.
    let photos = [];
    // The import under way, which Abbrechen stops between two photos; the store under way, which nothing stops.
    let importing = null;
    let storing = false;
    // The addresses of the own deck's pictures the game has now.
    let keptAddresses = [];
    // The name of the deck the form shows from a deck file; null for photos, which take the menu's.
    let deckName = null;
    // A deck file being read, which a second one waits for no turn of; one the installed page was launched with
    // before the game started.
    let reading = false;
    let launched = null;

    const text = (pointer) => UTF8ToString(pointer);
    const message = (kind) => composer.querySelector('[data-message="' + kind + '"]').textContent;

    // Calls `use` with the texts as an array of C strings the game's side can read.
    function withTexts(texts, use) {
        const pointers = texts.map((piece) => allocateUTF8(piece));
        const array = _malloc(4 * Math.max(1, pointers.length));
        pointers.forEach((pointer, i) => { HEAP32[(array >> 2) + i] = pointer; });
        try {
            return use(array);
        } finally {
            pointers.forEach((pointer) => _free(pointer));
            _free(array);
        }
    }

    // Hands the game the deck as kept, or none: its names file and the address of each picture that decodes, empty
    // for one that does not, so that the game can say what is wrong with it.
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

    function chooseFiles() {
        if (composing()) return;
        deckFiles.value = '';
        deckFiles.click();
    }

    // Why the photo is refused, or its picture: the largest centred square of the upright photo, resized as it is
    // decoded, drawn on white and kept as a fresh JPEG that carries nothing of its file.
    async function importPhoto(file, taken) {
        const early = text(_pf_file_refusal(file.size));
        if (early) return { refusal: early };
        const bytes = new Uint8Array(await file.arrayBuffer());
        const data = _malloc(bytes.length);
        const upright = _malloc(8);
        let refusal;
        let width;
        let height;
        try {
            HEAPU8.set(bytes, data);
            refusal = text(_pf_photo_refusal(data, bytes.length, upright));
            width = HEAP32[upright >> 2];
            height = HEAP32[(upright >> 2) + 1];
        } finally {
            _free(data);
            _free(upright);
        }
        if (refusal) return { refusal };
        const side = _pf_photo_side();
        const square = Math.min(width, height);
        let bitmap;
        try {
            bitmap = await createImageBitmap(file, Math.floor((width - square) / 2), Math.floor((height - square) / 2),
                square, square, { imageOrientation: 'from-image', resizeWidth: side, resizeHeight: side,
                    resizeQuality: 'high' });
        } catch (error) {
            return { refusal: text(_pf_photo_fault(0)) };
        }
        const canvas = window.OffscreenCanvas ? new OffscreenCanvas(side, side)
            : Object.assign(document.createElement('canvas'), { width: side, height: side });
        const context = canvas.getContext('2d');
        context.fillStyle = '#ffffff';
        context.fillRect(0, 0, side, side);
        context.drawImage(bitmap, 0, 0, side, side);
        bitmap.close();
        const digest = await digestOf(context.getImageData(0, 0, side, side).data);
        if (taken.has(digest)) return { refusal: text(_pf_photo_fault(1)) };
        taken.add(digest);
        const jpeg = canvas.convertToBlob ? await canvas.convertToBlob({ type: 'image/jpeg', quality: 0.9 })
            : await new Promise((done) => canvas.toBlob(done, 'image/jpeg', 0.9));
        return { jpeg: await jpeg.arrayBuffer() };
    }

    // The same picture twice is known by its pixels. A page served without TLS has no crypto.subtle: two running
    // hashes of 32 bits stand in for it there.
    async function digestOf(pixels) {
        if (window.crypto && crypto.subtle) {
            return Array.from(new Uint8Array(await crypto.subtle.digest('SHA-256', pixels)), String).join('.');
        }
        let a = 0x811c9dc5;
        let b = 0x01000193;
        for (let i = 0; i < pixels.length; ++i) {
            a = Math.imul(a ^ pixels[i], 0x01000193);
            b = Math.imul(b + pixels[i], 0x5bd1e995) ^ (b >>> 15);
        }
        return a + '.' + b + '.' + pixels.length;
    }

    function showFault(fault) {
        composerFault.textContent = fault;
        composerFault.hidden = !fault;
    }

    function addRow(photo) {
        const row = byId('ComposerRow').content.firstElementChild.cloneNode(true);
        const number = photos.length;
        photo.address = URL.createObjectURL(new Blob([photo.jpeg], { type: 'image/jpeg' }));
        row.querySelector('img').src = photo.address;
        row.querySelector('.number').textContent = String(number);
        const field = row.querySelector('input');
        field.id = 'DeckName' + number;
        field.value = photo.name;
        row.querySelector('label').htmlFor = field.id;
        row.querySelector('.fault').id = 'DeckFault' + number;
        pictureList.appendChild(row);
    }

    function clearForm() {
        photos.forEach((photo) => URL.revokeObjectURL(photo.address));
        photos = [];
        deckName = null;
        pictureList.replaceChildren();
        refusedList.replaceChildren();
        refusedList.hidden = true;
        showFault('');
    }

    // The photos are read one at a time, each shown in the form once it is ready; the form is open from the first.
    async function compose(files) {
        closeMenus(false);
        if (!focusBeforeComposer) focusBeforeComposer = document.activeElement;
        clearForm();
        const run = { stopped: false };
        importing = run;
        progress.max = files.length;
        progress.value = 0;
        progress.hidden = false;
        takeButton.disabled = true;
        composer.showModal();
        const taken = new Set();
        for (const file of files) {
            let photo;
            try {
                photo = await importPhoto(file, taken);
            } catch (error) {
                photo = { refusal: text(_pf_photo_fault(0)) };
            }
            if (run.stopped) return;
            if (photo.refusal) {
                const line = document.createElement('li');
                line.textContent = file.name + ': ' + photo.refusal;
                refusedList.appendChild(line);
                refusedList.hidden = false;
            } else {
                const name = allocateUTF8(file.name);
                try {
                    photo.name = text(_pf_offered_name(name));
                } finally {
                    _free(name);
                }
                photos.push(photo);
                addRow(photo);
            }
            progress.value += 1;
        }
        importing = null;
        progress.hidden = true;
        takeButton.disabled = false;
        showFault(text(_pf_picture_count_fault(photos.length)));
        const first = pictureList.querySelector('input');
        (first || byId('ComposerCancel')).focus();
    }

    function closeComposer() {
        if (importing) importing.stopped = true;
        importing = null;
        if (composer.open) composer.close();
        clearForm();
        const back = focusBeforeComposer;
        focusBeforeComposer = null;
        if (back && document.contains(back) && !back.closest('[hidden]')) back.focus();
    }

    // The new deck replaces the kept one in one transaction: a tab closed or a full storage leaves the old one whole.
    function storeDeck(names, files) {
        return boot.openDeck().then((database) => new Promise((resolve, reject) => {
            const writing = database.transaction(['deck', 'pictures'], 'readwrite');
            const pictures = writing.objectStore('pictures');
            pictures.clear();
            files.forEach((file, i) => pictures.put(photos[i].jpeg, file));
            writing.objectStore('deck').put(names, 'names');
            writing.oncomplete = () => {
                database.close();
                resolve();
            };
            writing.onabort = () => {
                database.close();
                reject(writing.error);
            };
        }));
    }

    // Übernehmen: the names judged by the deck's rules, each fault beside its field; a deck they all pass is kept,
    // handed to the game and chosen.
    async function take() {
        if (importing || storing) return;
        const count = text(_pf_picture_count_fault(photos.length));
        showFault(count);
        if (count) return;
        const fields = [...pictureList.querySelectorAll('input')];
        const stamp = Date.now().toString(36);
        const files = photos.map((photo, i) => 'p' + stamp + '-' + String(i + 1).padStart(2, '0') + '.jpg');
        const named = deckName === null ? 0 : allocateUTF8(deckName);
        let answer;
        try {
            answer = withTexts(fields.map((field) => field.value), (names) => withTexts(files,
                (pointers) => text(_pf_names_file(named, names, pointers, photos.length))));
        } finally {
            if (named) _free(named);
        }
        if (answer.startsWith('\n')) {
            const faults = answer.slice(1).split('\n');
            fields.forEach((field, i) => {
                const fault = field.parentElement.querySelector('.fault');
                fault.textContent = faults[i];
                fault.hidden = !faults[i];
                if (faults[i]) {
                    field.setAttribute('aria-invalid', 'true');
                    field.setAttribute('aria-describedby', fault.id);
                } else {
                    field.removeAttribute('aria-invalid');
                    field.removeAttribute('aria-describedby');
                }
            });
            fields[faults.findIndex(Boolean)].focus();
            return;
        }
        storing = true;
        takeButton.disabled = true;
        try {
            await storeDeck(answer, files);
        } catch (error) {
            storing = false;
            closeComposer();
            Module.frontEnd.showError(document.title,
                message(error && error.name === 'QuotaExceededError' ? 'full' : 'unsaved'));
            return;
        }
        if (navigator.storage && navigator.storage.persist) navigator.storage.persist().catch(() => undefined);
        await keepDeck({ names: answer, files, pictures: photos.map((photo) => photo.jpeg) });
        storing = false;
        closeComposer();
        if (ownDeckChooser) press(byId(ownDeckChooser));
    }

    // --- The deck file ---

    // The kept deck's file, written by the game's side from what the database holds now, and offered: a phone sends
    // it on through its share sheet, where a browser may share such a file; elsewhere it is downloaded.
    async function saveDeck() {
        const kept = (await boot.readDeck()) || { names: '', files: [], pictures: [] };
        const pictures = kept.pictures.map((bytes) => new Uint8Array(bytes));
        const pointers = pictures.map((bytes) => {
            const at = _malloc(Math.max(1, bytes.length));
            HEAPU8.set(bytes, at);
            return at;
        });
        const table = _malloc(8 * Math.max(1, pictures.length) + 4);
        const names = allocateUTF8(kept.names);
        let file = null;
        let name = '';
        try {
            pictures.forEach((bytes, i) => {
                HEAP32[(table >> 2) + i] = pointers[i];
                HEAP32[(table >> 2) + pictures.length + i] = bytes.length;
            });
            const result = table + 8 * pictures.length;
            const size = withTexts(kept.files.map(String), (files) => _pf_write_deck_file(names, files, table,
                table + 4 * pictures.length, pictures.length, result));
            if (size >= 0) {
                const at = HEAP32[result >> 2] >>> 0;
                file = HEAPU8.slice(at, at + size);
                name = text(_pf_deck_file_name(names));
            }
        } finally {
            pointers.forEach((pointer) => _free(pointer));
            _free(table);
            _free(names);
        }
        if (file) await offerFile(new File([file], name, { type: deckFile.accept.split(',')[1] }));
    }

    async function offerFile(file) {
        if (navigator.share && navigator.canShare && navigator.canShare({ files: [file] })) {
            try {
                await navigator.share({ files: [file] });
                return;
            } catch (error) {
                // The player closed the share sheet: nothing more. Any other refusal downloads it instead.
                if (error && error.name === 'AbortError') return;
            }
        }
        const address = URL.createObjectURL(file);
        const link = Object.assign(document.createElement('a'), { href: address, download: file.name, hidden: true });
        document.body.appendChild(link);
        link.click();
        link.remove();
        // The download has taken the bytes long before.
        window.setTimeout(() => URL.revokeObjectURL(address), 60000);
    }

    // A deck file opened, dropped or launched with: refused from its size, read whole, taken apart by the game's
    // side, each picture decoded as a card will draw it and no larger than the deck's pictures; any fault is said
    // in the error box and nothing changes. A deck that passes is shown in the form as it came, for the player to
    // rename and take.
    async function openDeckFile(file) {
        if (reading || composing() || !started || ended || stopped) return;
        ownDeckChooser = ownDeckChooser || composeChooser();
        reading = true;
        try {
            const refusal = text(_pf_deck_file_refusal(file.size));
            const opened = refusal ? { fault: refusal } : await readDeckFile(file);
            if (opened.fault) {
                Module.frontEnd.showError(document.title, opened.fault);
                return;
            }
            if (composing() || ended || stopped || errorBox.open) return;
            showOpened(opened);
        } finally {
            reading = false;
        }
    }

    async function readDeckFile(file) {
        let bytes;
        try {
            bytes = new Uint8Array(await file.arrayBuffer());
        } catch (error) {
            // A file that cannot be read is refused as one that holds nothing.
            bytes = new Uint8Array(0);
        }
        const data = _malloc(Math.max(1, bytes.length));
        const answer = _malloc(8);
        const opened = { name: '', photos: [] };
        let damaged;
        try {
            HEAPU8.set(bytes, data);
            const count = _pf_read_deck_file(data, bytes.length, answer, answer + 4);
            damaged = text(HEAP32[(answer >> 2) + 1]);
            if (count < 0) return { fault: text(HEAP32[answer >> 2]) };
            opened.name = text(_pf_opened_picture(-1, answer, answer + 4));
            for (let i = 0; i < count; ++i) {
                const name = text(_pf_opened_picture(i, answer, answer + 4));
                const at = HEAP32[answer >> 2] >>> 0;
                // The picture's bytes as the file carries them, copied out of the game's memory.
                const jpeg = HEAPU8.slice(at, at + HEAP32[(answer >> 2) + 1]).buffer;
                opened.photos.push({ jpeg, name });
            }
            // The game's side lets go of the file's pictures.
            _pf_read_deck_file(data, 0, answer, answer + 4);
        } finally {
            _free(data);
            _free(answer);
        }
        const side = _pf_photo_side();
        for (const photo of opened.photos) {
            let fits = false;
            try {
                const bitmap = await createImageBitmap(new Blob([photo.jpeg], { type: 'image/jpeg' }));
                fits = bitmap.width <= side && bitmap.height <= side;
                bitmap.close();
            } catch (error) {
                fits = false;
            }
            if (!fits) return { fault: damaged };
        }
        return opened;
    }

    function showOpened(opened) {
        closeMenus(false);
        if (!focusBeforeComposer) focusBeforeComposer = document.activeElement;
        clearForm();
        deckName = opened.name;
        progress.hidden = true;
        takeButton.disabled = false;
        composer.showModal();
        opened.photos.forEach((photo) => {
            photos.push(photo);
            addRow(photo);
        });
        pictureList.querySelector('input').focus();
    }

    const isDeckFile = (file) => file.name.toLowerCase().endsWith(deckExtension);

    deckFile.addEventListener('change', () => {
        if (deckFile.files.length) openDeckFile(deckFile.files[0]);
    });
    // The installed page opens the deck files the system hands it; one handed over before the game started waits
    // for it.
    if (window.launchQueue && window.launchQueue.setConsumer) {
        window.launchQueue.setConsumer((parameters) => {
            const handle = (parameters.files || [])[0];
            if (!handle) return;
            const open = () => handle.getFile().then(openDeckFile, () => undefined);
            if (started) open();
            else launched = open;
        });
    }

    deckFiles.addEventListener('change', () => {
        if (deckFiles.files.length) compose([...deckFiles.files]);
    });
    composerForm.addEventListener('submit', (event) => {
        event.preventDefault();
        take();
    });
    byId('ComposerCancel').addEventListener('click', () => {
        if (!storing) closeComposer();
    });
    composer.addEventListener('cancel', (event) => {
        event.preventDefault();
        if (!storing) closeComposer();
    });
    // Photos dropped on the page are taken as chosen ones, a deck file as an opened one.
    const carriesFiles = (event) => event.dataTransfer && [...event.dataTransfer.types].includes('Files');
    document.addEventListener('dragover', (event) => {
        if (carriesFiles(event)) event.preventDefault();
    });
    document.addEventListener('drop', (event) => {
        if (!carriesFiles(event)) return;
        event.preventDefault();
        if (!started || ended || stopped || errorBox.open || composing() || !event.dataTransfer.files.length) return;
        const dropped = [...event.dataTransfer.files];
        // A deck file dropped alone is opened; anything else is taken as photos.
        if (dropped.length === 1 && isDeckFile(dropped[0])) {
            openDeckFile(dropped[0]);
            return;
        }
        ownDeckChooser = ownDeckChooser || composeChooser();
        compose(dropped);
    });

    function closeError() {
        errorBox.close();
        const back = focusBeforeError;
        focusBeforeError = null;
        if (back && document.contains(back) && !back.closest('[hidden]')) back.focus();
        readTable();
    }

    // Another tab stored the table: it is read once the error box is closed, however often it was stored
    // meanwhile, so that what is wrong with it is said once.
    function readTable() {
        if (!tableStored || errorBox.open || ended || stopped) return;
        tableStored = false;
        _pf_table_changed();
    }

    // The own deck item, as the menu writes it: pressed once a deck is kept from dropped photos.
    function composeChooser() {
        const item = document.querySelector('.popup [role="menuitemradio"][data-command]:not([data-number])');
        return item ? item.id : null;
    }

    // The own deck as kept is handed to the game before its first deal, which may be dealt from it.
    async function start() {
        await keepDeck(boot.keptDeck ? await boot.keptDeck : null);
        started = true;
        _pf_start();
        playWaiting();
        if (launched) launched();
        launched = null;
        document.body.classList.add('ready');
        prefetch();
    }

    // The runtime stopped (its WebAssembly would not start, or it aborted): the page says so, and from then on
    // every press does too. What the runtime reports of it goes to the console as a warning, since the page has
    // handled it.
    Module.onAbort = () => {
        stopped = true;
        boot.fail('stopped');
    };
    Module.printErr = (text) => console.warn(text);
    window.addEventListener('unhandledrejection', (event) => {
        if (stopped) event.preventDefault();
    });

    // Another tab of the page stored the highscore table: this one reads it again at once, so that its menu
    // shows it and its next save ranks into it.
    window.addEventListener('storage', (event) => {
        if (!started || event.storageArea !== window.localStorage) return;
        tableStored = true;
        readTable();
    });

    errorBox.querySelector('button').addEventListener('click', closeError);
    errorBox.addEventListener('cancel', (event) => {
        event.preventDefault();
        closeError();
    });
    byId('Restart').addEventListener('click', () => window.location.reload());
    document.addEventListener('click', onClick);
    document.addEventListener('keydown', onKey);
    document.addEventListener('focusin', onFocus);
    Module.onRuntimeInitialized = start;
})();
