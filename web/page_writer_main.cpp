// Writes the page's index.html and window.css, from the layout table, into the folder it is given, with
// arrangements.json for the page's tests; the build runs it under Node.
#include <cstdio>
#include <fstream>
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

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: page_writer FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    return Write(folder + "/index.html", pairfinder::web::PageHtml()) &&
                   Write(folder + "/window.css", pairfinder::web::WindowCss()) &&
                   Write(folder + "/arrangements.json", pairfinder::web::ArrangementsJson())
               ? 0
               : 1;
}
