// The deck file (.pfdeck), inside the deck's module: the kept deck written as one file and offered, to share or to
// download; a deck file opened, dropped or launched with, refused from its size, taken apart by deck_page.cpp, each
// picture decoded as a card will draw it, then shown in the form (deck_form.js). It touches no element of its own:
// a download's link for the moment of its click. What it reports goes to the page's error box.
const deckFileType = byId('DeckFile').accept.split(',')[1];
// A deck file being read, which a second one waits for no turn of.
let reading = false;

// The kept deck's file, written by this module from what the database holds now, and offered: a phone sends it on
// through its share sheet, where a browser may share such a file; elsewhere it is downloaded.
async function saveDeck() {
    const kept = (await page.database.read()) || { names: '', files: [], pictures: [] };
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
    if (file) await offerFile(new File([file], name, { type: deckFileType }));
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

// A deck file: refused from its size, read whole, taken apart, each picture decoded as a card will draw it and no
// larger than the deck's pictures; any fault is said in the error box and nothing changes. A deck that passes is
// shown in the form as it came, for the player to rename and take.
async function openDeckFile(file) {
    if (reading || composer.open || !page.takes()) return;
    reading = true;
    try {
        const refusal = text(_pf_deck_file_refusal(file.size));
        const opened = refusal ? { fault: refusal } : await readDeckFile(file);
        if (opened.fault) {
            page.showError(opened.fault);
            return;
        }
        if (composer.open || !page.takes()) return;
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
            // The picture's bytes as the file carries them, copied out of this module's memory.
            const jpeg = HEAPU8.slice(at, at + HEAP32[(answer >> 2) + 1]).buffer;
            opened.photos.push({ jpeg, name });
        }
        // Let go of the file's pictures.
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

// What deck_arrival.js calls.
Module.deck = { compose, openDeckFile, saveDeck };
