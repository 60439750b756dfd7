// The front end's half of the page's calls, which the game's side (page.cpp) makes: each passes its texts on to
// the front end (page_front_end.js), which alone touches the document.
mergeInto(LibraryManager.library, {
    $pfTexts: function (pointers, count) {
        const texts = [];
        for (let i = 0; i < count; ++i) texts.push(UTF8ToString(HEAP32[(pointers >> 2) + i]));
        return texts;
    },
    pf_set_text: function (name, text) {
        Module.frontEnd.setText(UTF8ToString(name), UTF8ToString(text));
    },
    pf_set_visible: function (name, visible) {
        Module.frontEnd.setVisible(UTF8ToString(name), visible !== 0);
    },
    pf_set_checked: function (name, checked) {
        Module.frontEnd.setChecked(UTF8ToString(name), checked !== 0);
    },
    pf_set_cards__deps: ['$pfTexts'],
    pf_set_cards: function (pictures, labels, enabled, count) {
        Module.frontEnd.setCards(pfTexts(pictures, count), pfTexts(labels, count),
            Array.from(HEAPU8.subarray(enabled, enabled + count), (flag) => flag !== 0));
    },
    pf_set_card: function (position, picture, label, enabled) {
        Module.frontEnd.setCard(position, UTF8ToString(picture), UTF8ToString(label), enabled !== 0);
    },
    pf_announce: function (text) {
        Module.frontEnd.announce(UTF8ToString(text));
    },
    pf_focus_from_cards: function (name) {
        Module.frontEnd.focusFromCards(UTF8ToString(name));
    },
    pf_show_error: function (title, message) {
        Module.frontEnd.showError(UTF8ToString(title), UTF8ToString(message));
    },
    pf_close: function () {
        Module.frontEnd.close();
    },
    pf_show_board: function (pairs, rows, columns, cards) {
        Module.frontEnd.showBoard(pairs, rows, columns, cards);
    },
    pf_set_enabled: function (name, enabled) {
        Module.frontEnd.setEnabled(UTF8ToString(name), enabled !== 0);
    },
    pf_compose_deck: function (chooser) {
        Module.frontEnd.composeDeck(UTF8ToString(chooser));
    },
    pf_save_deck: function () {
        Module.frontEnd.saveDeck();
    },
    pf_open_deck: function (chooser) {
        Module.frontEnd.openDeck(UTF8ToString(chooser));
    },
    pf_wait_for_computer: function (milliseconds, command, move) {
        Module.frontEnd.waitForComputer(milliseconds, command, move);
    },
    pf_ask_players: function (chooser, texts, computer, level, pace) {
        Module.frontEnd.askPlayers(UTF8ToString(chooser), UTF8ToString(texts).split('\x1f'), computer !== 0, level,
            pace);
    },
    pf_show_players: function (texts, turn) {
        Module.frontEnd.showPlayers(UTF8ToString(texts).split('\x1f'), turn);
    },
    pf_set_face_set__deps: ['$pfTexts'],
    pf_set_face_set: function (pictures, count) {
        Module.frontEnd.setFaceSet(pfTexts(pictures, count));
    },
});
