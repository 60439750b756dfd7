// The front end's half of the page's calls, which the game's side (page.cpp) makes: each passes its texts on to
// the front end (page_front_end.js), which alone touches the document.
mergeInto(LibraryManager.library, {
    pf_set_text: function (name, text) {
        Module.frontEnd.setText(UTF8ToString(name), UTF8ToString(text));
    },
    pf_set_visible: function (name, visible) {
        Module.frontEnd.setVisible(UTF8ToString(name), visible !== 0);
    },
    pf_set_checked: function (name, checked) {
        Module.frontEnd.setChecked(UTF8ToString(name), checked !== 0);
    },
    pf_set_picture: function (position, picture, enabled) {
        Module.frontEnd.setPicture(position, UTF8ToString(picture), enabled !== 0);
    },
    pf_text_of: function (name) {
        return allocateUTF8(Module.frontEnd.textOf(UTF8ToString(name)));
    },
    pf_show_error: function (title, message) {
        Module.frontEnd.showError(UTF8ToString(title), UTF8ToString(message));
    },
    pf_close: function () {
        Module.frontEnd.close();
    },
    pf_set_face_set: function (pictures, count) {
        const list = [];
        for (let i = 0; i < count; ++i) list.push(UTF8ToString(HEAP32[(pictures >> 2) + i]));
        Module.frontEnd.setFaceSet(list);
    },
});
