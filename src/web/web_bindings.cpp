// The page's sheets as the page's JavaScript sees them. Every call answers in JSON text, which
// the page parses once: fewer bindings, and the same answers the native tests read.

#include "web/page_sheets.h"
#include "web/web_sheet.h"

#include <emscripten/bind.h>

#include <string>
#include <utility>

namespace {

// The files as the page read them, [name, bytes] with the bytes in a Uint8Array: a file that is
// not UTF-8 reaches the reader as it is, to be refused by name.
std::string openFilesOf(PageSheets& sheets, int sheet, const emscripten::val& files) {
    PageSheets::Files chosen;
    const auto count = files["length"].as<unsigned>();
    for (unsigned at = 0; at < count; ++at) {
        const emscripten::val file = files[at];
        chosen.emplace_back(file[0].as<std::string>(), file[1].as<std::string>());
    }
    return sheets.openFiles(sheet, std::move(chosen));
}

} // namespace

EMSCRIPTEN_BINDINGS(vexolan) {
    emscripten::function("aboutJson", &WebSheet::aboutJson);
    emscripten::function("whyNotRestored", &WebSheet::whyNotRestored);
    emscripten::function("salvagedMech", &WebSheet::salvagedMech);
    emscripten::class_<PageSheets>("PageSheets")
        .constructor<>()
        .function("newSheet", &PageSheets::newSheet)
        .function("restore", &PageSheets::restore)
        .function("order", &PageSheets::order)
        .function("view", &PageSheets::view)
        .function("click", &PageSheets::click)
        .function("type", &PageSheets::type)
        .function("pick", &PageSheets::pick)
        .function("move", &PageSheets::move)
        .function("openFiles", &openFilesOf)
        .function("nameToAsk", &PageSheets::nameToAsk)
        .function("save", &PageSheets::save)
        .function("saveTo", &PageSheets::saveTo)
        .function("close", &PageSheets::close)
        .function("rangeChartJson", &PageSheets::rangeChartJson)
        .function("hasUnsavedChanges", &PageSheets::hasUnsavedChanges)
        .function("closeQuestion", &PageSheets::closeQuestion)
        .function("isUntouched", &PageSheets::isUntouched)
        .function("state", &PageSheets::state)
        .function("backUp", &PageSheets::backUp)
        .function("restoreBackup", &PageSheets::restoreBackup)
        .function("lanceJson", &PageSheets::lanceJson)
        .function("nextTurn", &PageSheets::nextTurn)
        .function("undoNextTurn", &PageSheets::undoNextTurn)
        .function("lanceDeclaration", &PageSheets::lanceDeclaration)
        .function("openLance", &PageSheets::openLance)
        .function("saveLance", &PageSheets::saveLance)
        .function("turn", &PageSheets::turn)
        .function("setTurn", &PageSheets::setTurn)
        .class_function("lanceFileName", &PageSheets::lanceFileName);
}
