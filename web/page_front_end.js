// The page's front end, what ui/ is for the desktop: it builds the window from the layout table that the game's
// side hands it (page.cpp), draws what that side tells it, and reports what the player clicks, taps or types.
// It holds no rule, value name or message of its own. Every text reaches the document as text, never as markup.
(function () {
    'use strict';

    let layout = null;
    const named = new Map();
    const cells = [];
    let faceSet = [];
    let menuBar = null;
    let openMenus = [];
    let started = false;
    // Every picture of the first deal is ready to be drawn.
    let loaded = false;

    function element(tag, className, parent) {
        const made = document.createElement(tag);
        if (className) made.className = className;
        if (parent) parent.appendChild(made);
        return made;
    }

    function place(node, box) {
        node.style.left = box.left + 'px';
        node.style.top = box.top + 'px';
        node.style.width = box.width + 'px';
        node.style.height = box.height + 'px';
    }

    // A text with "&" before its accelerator letter: the letter underlined, "&&" a plain "&".
    function accelerated(node, text) {
        node.textContent = '';
        let key = '';
        for (let i = 0; i < text.length; ++i) {
            if (text[i] === '&' && i + 1 < text.length) {
                ++i;
                if (text[i] !== '&' && !key) {
                    key = text[i].toLowerCase();
                    element('u', '', node).textContent = text[i];
                    continue;
                }
            }
            node.appendChild(document.createTextNode(text[i]));
        }
        node.normalize();
        if (key) node.dataset.key = key;
        return key;
    }

    function fontOf(font) {
        const families = font.families.map((family) => '"' + family + '"').join(', ');
        return (font.bold ? 'bold ' : '') + font.pixels + 'px ' + families + ', sans-serif';
    }

    function dress(node, control) {
        if (control.font) node.style.font = fontOf(control.font);
        if (control.ink === 'windowText') node.style.color = 'CanvasText';
        else if (control.ink !== 'parent') node.style.color = control.ink;
        if (control.leftToRight) node.dir = 'ltr';
    }

    // The player clicked the control, menu item or card of that name: the game's side takes it from here.
    function press(name) {
        if (!started || document.getElementById('ErrorBox').open) return;
        closeMenus();
        const pointer = allocateUTF8(name);
        try {
            _pf_click(pointer);
        } finally {
            _free(pointer);
        }
    }

    // --- The window ---

    function build() {
        layout = JSON.parse(UTF8ToString(_pf_layout()));
        document.title = layout.title;
        const form = document.getElementById('Form1');
        form.style.width = layout.outer.width + 'px';
        form.style.height = layout.outer.height + 'px';
        form.style.font = fontOf(layout.windowFont);
        buildMenu(form);
        const clientArea = element('div', 'client', form);
        clientArea.id = 'ClientArea';
        clientArea.style.top = layout.menuBarHeight + 'px';
        const canvas = element('div', 'canvas', clientArea);
        canvas.id = 'Canvas';
        canvas.style.width = layout.client.width + 'px';
        canvas.style.height = layout.client.height + 'px';
        named.set('Canvas', canvas);

        layout.cells.forEach((cell, position) => {
            const node = element('div', 'cell', canvas);
            node.id = cell.name;
            place(node, cell);
            const picture = element('img', '', node);
            picture.alt = '';
            picture.draggable = false;
            node.addEventListener('click', (event) => {
                if (event.button === 0 && !node.classList.contains('disabled')) press(cell.name);
            });
            picture.hidden = true;
            cells[position] = { node, picture, changes: 0 };
        });

        for (const control of layout.controls) {
            const parent = control.parent ? named.get(control.parent) : canvas;
            let node;
            if (control.kind === 'label') {
                node = element('div', 'label', parent);
                node.textContent = control.text;
                node.style.minWidth = control.width + 'px';
                node.style.minHeight = control.height + 'px';
                node.style.left = control.left + 'px';
                node.style.top = control.top + 'px';
            } else if (control.kind === 'edit') {
                node = element('input', 'edit', parent);
                node.type = 'text';
                node.autocomplete = 'off';
                node.spellcheck = false;
                place(node, control);
            } else if (control.kind === 'button') {
                node = element('button', 'button', parent);
                node.type = 'button';
                accelerated(node, control.text);
                place(node, control);
                node.addEventListener('click', () => press(control.name));
            } else if (control.kind === 'panel') {
                node = element('div', 'panel', parent);
                place(node, control);
            } else {
                node = element('img', 'logo', parent);
                node.alt = '';
                node.draggable = false;
                node.src = layout.logo;
                place(node, control);
            }
            node.id = control.name;
            dress(node, control);
            // The outcome controls lie above the cards; the edit box and the buttons above the labels too.
            if (control.outcome) node.classList.add(control.kind === 'label' ? 'outcome' : 'outcome-entry');
            named.set(control.name, node);
        }
        layout.tabOrder.forEach((name, i) => { named.get(name).tabIndex = i + 1; });
        fit();
    }

    // --- The menu ---

    function buildMenu(form) {
        menuBar = element('div', 'menubar', form);
        menuBar.id = 'MainMenu1';
        menuBar.setAttribute('role', 'menubar');
        menuBar.style.height = layout.menuBarHeight + 'px';
        const menus = new Map();
        for (const entry of layout.menu) {
            const parent = entry.parent ? menus.get(entry.parent) : null;
            if (entry.role === 'menu') {
                const title = element('div', parent ? 'item submenu' : 'title', parent ? parent.list : menuBar);
                title.id = entry.name + '-title';
                title.setAttribute('role', 'menuitem');
                accelerated(element('span', 'text', title), entry.text);
                const list = element('div', 'popup', parent ? title : form);
                list.id = entry.name;
                list.setAttribute('role', 'menu');
                list.hidden = true;
                const menu = { title, list, parent };
                menus.set(entry.name, menu);
                title.addEventListener('click', (event) => {
                    event.stopPropagation();
                    if (parent) openSubmenu(menu);
                    else if (openMenus[0] === menu) closeMenus();
                    else openMenu(menu);
                });
                title.addEventListener('mouseenter', () => {
                    if (parent) openSubmenu(menu);
                    else if (openMenus.length && openMenus[0] !== menu) openMenu(menu);
                });
            } else if (entry.role === 'choice') {
                for (let k = 1; k <= entry.count; ++k) addItem(parent, entry.name + k, entry.text + k, entry.role);
            } else {
                addItem(parent, entry.name, entry.text, entry.role);
            }
        }
        document.addEventListener('click', (event) => {
            if (!menuBar.contains(event.target) && !event.target.closest('.popup')) closeMenus();
        });
    }

    function addItem(menu, name, text, role) {
        const item = element('div', 'item ' + role, menu.list);
        item.id = name;
        item.setAttribute('role', role === 'choice' ? 'menuitemcheckbox' : 'menuitem');
        if (role === 'choice') item.setAttribute('aria-checked', 'false');
        element('span', 'check', item);
        const label = element('span', 'text', item);
        if (role === 'display') label.textContent = text;
        else accelerated(label, text);
        item.addEventListener('mouseenter', () => {
            while (openMenus.length && openMenus[openMenus.length - 1] !== menu) closeLast();
        });
        item.addEventListener('click', (event) => {
            event.stopPropagation();
            if (role === 'display') return;
            press(name);
        });
        named.set(name, item);
    }

    function openMenu(menu) {
        closeMenus();
        const title = menu.title;
        menu.list.style.left = title.offsetLeft + 'px';
        menu.list.style.top = layout.menuBarHeight + 'px';
        menu.list.hidden = false;
        title.classList.add('open');
        openMenus = [menu];
    }

    function openSubmenu(menu) {
        while (openMenus.length && openMenus[openMenus.length - 1] !== menu.parent) closeLast();
        menu.list.hidden = false;
        menu.title.classList.add('open');
        openMenus.push(menu);
    }

    function closeLast() {
        const menu = openMenus.pop();
        menu.list.hidden = true;
        menu.title.classList.remove('open');
    }

    function closeMenus() {
        while (openMenus.length) closeLast();
    }

    // --- The keyboard: Alt and a letter open a menu or press a button; the letter alone presses a shown
    // button unless the player is typing a name; Escape closes menus. ---

    function onKey(event) {
        if (!started || document.getElementById('ErrorBox').open) return;
        if (event.key === 'Escape') {
            closeMenus();
            return;
        }
        if (event.ctrlKey || event.metaKey || event.key.length !== 1) return;
        const key = event.key.toLowerCase();
        if (openMenus.length) {
            const items = openMenus[openMenus.length - 1].list.children;
            for (const item of items) {
                const text = item.querySelector(':scope > .text');
                if (text && text.dataset.key === key) {
                    event.preventDefault();
                    item.click();
                    return;
                }
            }
            return;
        }
        if (event.altKey) {
            for (const title of menuBar.children) {
                if (title.querySelector('.text').dataset.key === key) {
                    event.preventDefault();
                    title.click();
                    return;
                }
            }
        }
        if (!event.altKey && document.activeElement === named.get('edt_Name')) return;
        for (const node of document.querySelectorAll('#Canvas button')) {
            if (node.dataset.key === key && !node.hidden && !node.closest('[hidden]') && !node.disabled) {
                event.preventDefault();
                node.click();
                return;
            }
        }
    }

    // --- The whole window fits the viewport, its proportions kept ---

    function fit() {
        const form = document.getElementById('Form1');
        const scale = Math.min(window.innerWidth / layout.outer.width, window.innerHeight / layout.outer.height);
        form.style.transform = 'scale(' + scale + ')';
        form.style.left = Math.max(0, (window.innerWidth - layout.outer.width * scale) / 2) + 'px';
        form.style.top = Math.max(0, (window.innerHeight - layout.outer.height * scale) / 2) + 'px';
    }

    // --- What the game's side asks for ---

    const frontEnd = {
        setText(name, text) {
            const node = named.get(name);
            if (node.classList.contains('item')) node.querySelector('.text').textContent = text;
            else node.textContent = text;
        },
        setVisible(name, visible) {
            named.get(name).hidden = !visible;
        },
        setChecked(name, checked) {
            named.get(name).setAttribute('aria-checked', checked ? 'true' : 'false');
        },
        // A cell changes to its new picture once that is ready to be drawn, never to a blank while it loads;
        // of two changes in a row the later one wins, however long the earlier one's picture takes.
        setPicture(position, picture, enabled) {
            const cell = cells[position];
            const change = ++cell.changes;
            cell.node.classList.toggle('disabled', !enabled);
            if (!picture) {
                cell.picture.hidden = true;
                return;
            }
            ready(picture).then(() => {
                if (cell.changes !== change) return;
                if (cell.picture.getAttribute('src') !== picture) cell.picture.src = picture;
                cell.picture.hidden = false;
            });
        },
        textOf(name) {
            return named.get(name).value;
        },
        showError(title, message) {
            const box = document.getElementById('ErrorBox');
            box.querySelector('.caption').textContent = title;
            box.querySelector('.message').textContent = message;
            closeMenus();
            box.showModal();
            box.querySelector('button').focus();
        },
        close() {
            closeMenus();
            document.getElementById('Form1').hidden = true;
            document.getElementById('Ended').hidden = false;
        },
        setFaceSet(pictures) {
            faceSet = pictures;
            if (loaded) prefetch();
        },
    };
    Module.frontEnd = frontEnd;

    // Every picture the page has asked for, decoded once: a promise that it is ready to be drawn.
    const decoded = new Map();
    function ready(picture) {
        if (!decoded.has(picture)) {
            const image = new Image();
            image.src = picture;
            decoded.set(picture, image.decode().catch(() => undefined).then(() => image));
        }
        return decoded.get(picture);
    }

    // The face set in use is fetched once the first deal is on the screen (the page has loaded every picture
    // it shows), so the first view waits for none of its pictures, yet the first card turned shows its face
    // at once.
    function prefetch() {
        const load = () => faceSet.forEach(ready);
        if (window.requestIdleCallback) window.requestIdleCallback(load, { timeout: 1000 });
        else window.setTimeout(load, 200);
    }

    function start() {
        build();
        const box = document.getElementById('ErrorBox');
        box.querySelector('button').addEventListener('click', () => box.close());
        box.addEventListener('cancel', () => box.close());
        document.getElementById('Ended').addEventListener('click', () => window.location.reload());
        document.addEventListener('keydown', onKey);
        window.addEventListener('resize', fit);
        // A phone can put the game on its home screen; a page opened from disk has no manifest to offer.
        if (window.location.protocol !== 'file:') {
            const manifest = document.createElement('link');
            manifest.rel = 'manifest';
            manifest.href = 'manifest.webmanifest';
            document.head.appendChild(manifest);
        }
        started = true;
        _pf_start();
        document.body.classList.add('ready');
        // The first deal is shown once the pictures it asked for are ready to be drawn, and its texts' fonts.
        const logo = document.getElementById('Image65');
        Promise.all([...decoded.values(), logo.decode().catch(() => undefined)]).then(() => {
            document.body.classList.add('shown');
            loaded = true;
            prefetch();
        });
    }

    Module.onRuntimeInitialized = start;
})();
