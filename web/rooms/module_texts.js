// Texts across the border of a module, joined into each module's script (the game's and the deck's), where the
// names below are that module's own memory and allocator: a C string's text, and texts handed over as an array of
// C strings. It touches nothing of the page.
const text = (pointer) => UTF8ToString(pointer);

// Calls `use` with the texts as an array of C strings the module's C side can read, freed afterwards.
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
