// Menus and focus: the menu bar and its popups opened, moved over and closed by mouse, touch and keys; the keys that
// reach a button or a menu by its letter, and the one that says the score; and where the keyboard focus goes back
// to. It touches the menu bar, the popups and the focus; what a chosen item or key does is the game's, through
// board.js's press.
const menuBar = byId('MainMenu1');
// The cards' keys for a reader, with the one that says the score, which it carries as its command.
const keysHelp = byId('KeysHelp');
let openMenus = [];
// Where the keyboard focus was before a menu took it.
let focusBeforeMenu = null;

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

function popupOf(opener) {
    return byId(opener.getAttribute('aria-controls'));
}

// The items the keyboard moves over: an empty place of the table has nothing to say and is passed over, and the
// table's heading only shows on a board that needs one.
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

// The element whose aria-keyshortcuts holds this key: "Alt+G" for Alt and the G key, "M" for the M key alone,
// matched by where the key lies on the keyboard, whatever letter its layout gives it.
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

function onKey(event) {
    if (ended || boxOpen()) return;
    // The score is said wherever the focus is, a menu open or not.
    if (event.key === keysHelp.dataset.key) {
        event.preventDefault();
        closeMenus(true);
        press(keysHelp);
        return;
    }
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

document.addEventListener('click', onClick);
document.addEventListener('keydown', onKey);
