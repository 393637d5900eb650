// The sheet as the page's JavaScript sees it. Every call answers in JSON text, which the page
// parses once: fewer bindings, and the same answers the native tests read.

#include "web/web_sheet.h"

#include <emscripten/bind.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

// A sheet taken back from a kept state, or null when the text is no state: the page deletes
// what it is given.
WebSheet* restoreSheet(const std::string& state) {
    return WebSheet::restore(state).release();
}

std::string mechFileOf(const WebSheet& sheet) {
    return sheet.mechFile();
}

// The files as the page read them, [name, bytes] with the bytes in a Uint8Array: a file that is
// not UTF-8 reaches the reader as it is, to be refused by name.
std::string openFilesOf(WebSheet& sheet, const emscripten::val& files) {
    std::vector<std::pair<std::string, std::string>> chosen;
    const auto count = files["length"].as<unsigned>();
    for (unsigned at = 0; at < count; ++at) {
        const emscripten::val file = files[at];
        chosen.emplace_back(file[0].as<std::string>(), file[1].as<std::string>());
    }
    return sheet.openFiles(std::move(chosen));
}

// The page's sheets, an array of WebSheet objects, as one backup file's bytes.
std::string backUpSheets(const emscripten::val& sheets) {
    std::vector<const WebSheet*> all;
    const auto count = sheets["length"].as<unsigned>();
    for (unsigned at = 0; at < count; ++at) {
        all.push_back(sheets[at].as<WebSheet*>(emscripten::allow_raw_pointers()));
    }
    return WebSheet::backUp(all);
}

} // namespace

EMSCRIPTEN_BINDINGS(vexolan) {
    using emscripten::allow_raw_pointers;
    emscripten::class_<WebSheet>("WebSheet")
        .constructor<int>()
        .class_function("aboutJson", &WebSheet::aboutJson)
        .class_function("restore", &restoreSheet, allow_raw_pointers())
        .class_function("whyNotRestored", &WebSheet::whyNotRestored)
        .class_function("salvagedMech", &WebSheet::salvagedMech)
        .class_function("backUp", &backUpSheets)
        .class_function("readBackup", &WebSheet::readBackup)
        .function("view", &WebSheet::view)
        .function("click", &WebSheet::click)
        .function("type", &WebSheet::type)
        .function("pick", &WebSheet::pick)
        .function("move", &WebSheet::move)
        .function("openFiles", &openFilesOf)
        .function("saveAs", &WebSheet::saveAs)
        .function("setOtherSheetFiles", &WebSheet::setOtherSheetFiles)
        .function("rangeChartJson", &WebSheet::rangeChartJson)
        .function("hasUnsavedChanges", &WebSheet::hasUnsavedChanges)
        .function("isUntouched", &WebSheet::isUntouched)
        .function("closeQuestion", &WebSheet::closeQuestion)
        .function("mechFile", &mechFileOf)
        .function("state", &WebSheet::state);
}
