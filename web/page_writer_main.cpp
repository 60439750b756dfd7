// Writes the page's index.html and its style sheet, from the layout table, into the folder it is given, with
// arrangements.json for the page's tests; the build runs it under Node.
//   page_writer FOLDER LOOK.css
// The style sheet is the page's look (web/pairfinder.css) followed by the places of the window's controls: one
// sheet, fetched in one request before the first deal shows.
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
    text = out.str();
    if (in || in.eof()) return true;
    std::fprintf(stderr, "page_writer: cannot read %s\n", path.c_str());
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: page_writer FOLDER LOOK.css\n");
        return 2;
    }
    const std::string folder = argv[1];
    std::string look;
    return Read(argv[2], look) && Write(folder + "/index.html", pairfinder::web::PageHtml()) &&
                   Write(folder + "/pairfinder.css", look + "\n" + pairfinder::web::WindowCss()) &&
                   Write(folder + "/arrangements.json", pairfinder::web::ArrangementsJson())
               ? 0
               : 1;
}
