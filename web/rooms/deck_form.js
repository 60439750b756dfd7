// The own deck's form and its photo import, inside the deck's module (deck_page.cpp): the photos chosen or dropped
// are each refused from what they claim or made into the picture of a card, named in a form and kept in the page's
// database, then handed to the game. It touches the form (the Composer dialog) alone; of the page it uses only what
// deck_arrival.js hands it (Module.page): the menus closed, the error box, the database, and the game's deck.
const page = Module.page;
const byId = (id) => document.getElementById(id);
const composer = byId('Composer');
const composerForm = byId('ComposerForm');
const progress = byId('ComposerProgress');
const composerFault = byId('ComposerFault');
const refusedList = byId('ComposerRefused');
const pictureList = byId('ComposerPictures');
const takeButton = byId('ComposerTake');
let focusBeforeComposer = null;
// The photos of the form, each with its picture's JPEG and the address the form shows it from.
let photos = [];
// The import under way, which Abbrechen stops between two photos; the store under way, which nothing stops.
let importing = null;
let storing = false;
// The name of the deck the form shows from a deck file; null for photos, which take the menu's.
let deckName = null;

const message = (kind) => composer.querySelector('[data-message="' + kind + '"]').textContent;

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

// The same picture twice is known by its pixels. A page served without TLS has no crypto.subtle: two running hashes
// of 32 bits stand in for it there.
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

// The form opens in front of the page, and gives the focus back to where it was once closed.
function openForm() {
    page.closeMenus(false);
    if (!focusBeforeComposer) focusBeforeComposer = document.activeElement;
    clearForm();
    composer.showModal();
}

// The photos are read one at a time, each shown in the form once it is ready; the form is open from the first.
async function compose(files) {
    const run = { stopped: false };
    importing = run;
    progress.max = files.length;
    progress.value = 0;
    progress.hidden = false;
    takeButton.disabled = true;
    openForm();
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

// A deck opened from a file, shown in the form as it came for the player to rename and take, under its own name.
function showOpened(opened) {
    openForm();
    deckName = opened.name;
    progress.hidden = true;
    takeButton.disabled = false;
    opened.photos.forEach((photo) => {
        photos.push(photo);
        addRow(photo);
    });
    pictureList.querySelector('input').focus();
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

// Übernehmen: the names judged by the deck's rules, each fault beside its field; a deck they all pass is kept, handed
// to the game and chosen.
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
        await page.database.store(answer, files, photos.map((photo) => photo.jpeg));
    } catch (error) {
        storing = false;
        closeComposer();
        page.showError(message(error && error.name === 'QuotaExceededError' ? 'full' : 'unsaved'));
        return;
    }
    if (navigator.storage && navigator.storage.persist) navigator.storage.persist().catch(() => undefined);
    await page.keepDeck({ names: answer, files, pictures: photos.map((photo) => photo.jpeg) });
    storing = false;
    closeComposer();
    page.choose();
}

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
