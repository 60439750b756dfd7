// Writes the page's index.html, with everything its first view needs inside it; the build runs it under Node.
//   page_writer INDEX.html FIRST_SCRIPT.js LOGO.svg STYLE.css...
// The style is the layout table's numbers followed by the given sheets (the page's look and its arrangements,
// which place the window's parts by those numbers). The style and the first script go in without the comments and
// the indentation that are there for their readers: every byte of the page comes before the first deal's back is
// asked for. The page's policy names them by their digests, which Node's own SHA-256 computes
// (page_writer_library.js).
#include <cstddef>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "page_document.h"

extern "C" void pf_digest(const char* text, std::size_t length, char* base64);

namespace {

bool Write(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    out.close();
    if (out) return true;
    std::fprintf(stderr, "page_writer: cannot write %s\n", path.c_str());
    return false;
}

bool Read(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    text += out.str();
    if (in || in.eof()) return true;
    std::fprintf(stderr, "page_writer: cannot read %s\n", path.c_str());
    return false;
}

// Drops every comment and every line's leading blanks, and so the empty lines. No sheet holds "/*" in a string.
std::string Compact(const std::string& css) {
    std::string out;
    bool lineStart = true;
    for (std::size_t i = 0; i < css.size(); ++i) {
        if (css.compare(i, 2, "/*") == 0) {
            const std::size_t end = css.find("*/", i + 2);
            i = end == std::string::npos ? css.size() : end + 1;
            continue;
        }
        const char c = css[i];
        if (lineStart && (c == ' ' || c == '\n')) continue;
        out += c;
        lineStart = c == '\n';
    }
    return out;
}

// Drops every line that is a comment alone and every line's leading blanks. The first script holds no "//" at the
// start of a line inside a string or a template.
std::string CompactScript(const std::string& script) {
    std::istringstream in(script);
    std::string out;
    for (std::string line; std::getline(in, line);) {
        const std::size_t start = line.find_first_not_of(' ');
        if (start == std::string::npos || line.compare(start, 2, "//") == 0) continue;
        out += line.substr(start) + "\n";
    }
    return out;
}

// An inline part must not end its element before its end: the digest would name text the browser never sees.
bool Digested(const std::string& what, const std::string& text, std::string& digest) {
    if (text.find("</") != std::string::npos) {
        std::fprintf(stderr, "page_writer: %s holds \"</\", which would end its element in the page\n", what.c_str());
        return false;
    }
    char base64[64] = {};
    pf_digest(text.data(), text.size(), base64);
    digest = base64;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: page_writer INDEX.html FIRST_SCRIPT.js LOGO.svg STYLE.css...\n");
        return 2;
    }
    pairfinder::web::FirstView first;
    std::string sheet = pairfinder::web::LayoutCss();
    for (int i = 4; i < argc; ++i) {
        if (!Read(argv[i], sheet)) return 1;
    }
    first.Style = Compact(sheet);
    std::string script;
    if (!Read(argv[2], script) || !Read(argv[3], first.Logo)) return 1;
    first.Script = CompactScript(script);
    if (first.Logo.find("<svg ") == std::string::npos) {
        std::fprintf(stderr, "page_writer: %s is no SVG drawing\n", argv[3]);
        return 1;
    }
    if (!Digested("the style", first.Style, first.StyleDigest) ||
        !Digested(argv[2], first.Script, first.ScriptDigest))
        return 1;
    return Write(argv[1], pairfinder::web::PageHtml(first)) ? 0 : 1;
}
