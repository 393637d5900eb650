// Writes the page's layout into the built page: it is the same for every sheet, so a first
// visit fetches it beside the module rather than waiting for the module to work it out.

#include "web/web_sheet.h"

#include <fstream>

int main(int argc, char** argv) {
    if (argc != 2) {
        return 2;
    }
    std::ofstream out(argv[1], std::ios::binary);
    out << WebSheet::layoutJson();
    return out.good() ? 0 : 1;
}
