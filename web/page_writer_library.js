// What the page writer, run under Node, takes from Node: the SHA-256 digest, in base64, by which the page's policy
// names an inline part.
mergeInto(LibraryManager.library, {
    pf_digest: function (text, length, base64) {
        const digest = require('crypto').createHash('sha256').update(HEAPU8.subarray(text, text + length));
        stringToUTF8(digest.digest('base64'), base64, 64);
    },
});
