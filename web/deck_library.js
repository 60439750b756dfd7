// The page's half of the deck module's one call out (deck_page.cpp): a fault said in the page's error box.
mergeInto(LibraryManager.library, {
    pf_deck_error: function (message) {
        Module.page.showError(UTF8ToString(message));
    },
});
