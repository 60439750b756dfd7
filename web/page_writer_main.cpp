// Writes the page's index.html and its style sheet, pairfinder.css, into the folder it is given; the build runs it
// under Node.
//   page_writer FOLDER STYLE.css...
// The style sheet is the layout table's numbers followed by the given sheets (the page's look and its
// arrangements, which place the window's parts by those numbers): one sheet, fetched in one request before the
// first deal shows, without the comments and the indentation that are there for the sheets' readers.
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "page_document.h"

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

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: page_writer FOLDER STYLE.css...\n");
        return 2;
    }
    const std::string folder = argv[1];
    std::string sheet = pairfinder::web::LayoutCss();
    for (int i = 2; i < argc; ++i) {
        if (!Read(argv[i], sheet)) return 1;
    }
    return Write(folder + "/index.html", pairfinder::web::PageHtml()) &&
                   Write(folder + "/pairfinder.css", Compact(sheet))
               ? 0
               : 1;
}
