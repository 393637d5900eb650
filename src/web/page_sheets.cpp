#include "web/page_sheets.h"

#include "mechfile/file_menu.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <set>

using Json = nlohmann::ordered_json;

namespace {

// A line's results as the page marks them, by ResultsAge::Age.
constexpr const char* AgeNames[] = {"none", "fresh", "stale"};

} // namespace

PageSheets::PageSheets()
    : lanceServices_(lancePlatform_.services()), lance_(lanceServices_), lanceScene_(lance_) {}

int PageSheets::add(std::unique_ptr<WebSheet> sheet, std::size_t at) {
    WebSheet& added = *sheet;
    added.setOtherSheetHolds(
        [this, &added](const std::string& file) { return holderOf(added, file) != 0; });
    sheets_.insert(sheets_.begin() + static_cast<std::ptrdiff_t>(std::min(at, sheets_.size())),
                   {++lastId_, std::move(sheet)});
    lance_.opened(added.sheet());
    return lastId_;
}

int PageSheets::newSheet(int zoom) {
    return add(std::make_unique<WebSheet>(zoom), sheets_.size());
}

int PageSheets::restore(const std::string& state, int at) {
    std::unique_ptr<WebSheet> sheet = WebSheet::restore(state);
    if (!sheet) {
        return 0;
    }
    return add(std::move(sheet), at < 0 ? sheets_.size() : static_cast<std::size_t>(at));
}

std::string PageSheets::order() const {
    Json ids = Json::array();
    for (const Entry& entry : sheets_) {
        ids.push_back(entry.id);
    }
    return ids.dump();
}

std::vector<PageSheets::Entry>::const_iterator PageSheets::entryOf(int sheet) const {
    return std::find_if(sheets_.begin(), sheets_.end(),
                        [sheet](const Entry& e) { return e.id == sheet; });
}

WebSheet* PageSheets::find(int sheet) const {
    const auto found = entryOf(sheet);
    return found == sheets_.end() ? nullptr : found->sheet.get();
}

int PageSheets::holderOf(const WebSheet& asking, const std::string& file) const {
    const auto found = std::find_if(sheets_.begin(), sheets_.end(), [&](const Entry& entry) {
        return entry.sheet.get() != &asking && entry.sheet->mechFile() == file;
    });
    return found == sheets_.end() ? 0 : found->id;
}

// The sheet's update, with what the sheet asked of the others done: a new sheet at its zoom,
// a new sheet for each file it did not take, the sheet that holds a file to the front.
template <typename Action> std::string PageSheets::act(int sheet, Action action) {
    WebSheet* acting = find(sheet);
    if (acting == nullptr) {
        return "{}";
    }
    std::string update = action(*acting);
    const BrowserPlatform::SheetRequests asked = acting->takeSheetRequests();
    const int zoom = acting->sheet().zoom;
    Json opened = openedByLance_;
    openedByLance_.clear();
    int front = 0;
    if (asked.newSheet) {
        opened.push_back(newSheet(zoom));
    }
    for (const std::string& file : asked.sheetsForFiles) {
        const int id = newSheet(zoom);
        find(id)->openFiles({{file, chosen_[file]}});
        opened.push_back(id);
    }
    for (const std::string& file : asked.sheetsToShow) {
        if (const int holder = holderOf(*acting, file)) {
            front = holder;
        }
    }
    return R"({"update":)" + update + R"(,"opened":)" + opened.dump() + R"(,"front":)" +
           std::to_string(front) + R"(,"newSheet":)" + (asked.newSheet ? "true" : "false") + "}";
}

std::string PageSheets::view(int sheet) {
    return act(sheet, [](WebSheet& it) { return it.view(); });
}

std::string PageSheets::click(int sheet, const std::string& control) {
    return act(sheet, [&](WebSheet& it) { return it.click(control); });
}

std::string PageSheets::type(int sheet, const std::string& control, const std::string& text) {
    return act(sheet, [&](WebSheet& it) { return it.type(control, text); });
}

std::string PageSheets::pick(int sheet, const std::string& control, int index) {
    return act(sheet, [&](WebSheet& it) { return it.pick(control, index); });
}

std::string PageSheets::move(int sheet, const std::string& control, int position) {
    return act(sheet, [&](WebSheet& it) { return it.move(control, position); });
}

std::string PageSheets::openFiles(int sheet, Files files) {
    chosen_ = {files.begin(), files.end()};
    std::string answer =
        act(sheet, [&files](WebSheet& it) { return it.openFiles(std::move(files)); });
    chosen_.clear();
    return answer;
}

std::string PageSheets::nameToAsk(int sheet, bool saveAs) const {
    const WebSheet* found = find(sheet);
    return found != nullptr ? ::nameToAsk(found->sheet(), saveAs) : "";
}

std::string PageSheets::save(int sheet) {
    return click(sheet, "mnuSave");
}

std::string PageSheets::saveTo(int sheet, const std::string& name) {
    return act(sheet, [&name](WebSheet& it) { return it.saveAs(name); });
}

std::string PageSheets::close(int sheet) {
    const auto found = entryOf(sheet);
    if (found == sheets_.end()) {
        return "";
    }
    std::string kept = found->sheet->state();
    lance_.closed(found->sheet->sheet());
    sheets_.erase(found);
    return kept;
}

std::string PageSheets::rangeChartJson(int sheet) {
    WebSheet* found = find(sheet);
    return found != nullptr ? found->rangeChartJson() : "{}";
}

bool PageSheets::hasUnsavedChanges(int sheet) const {
    const WebSheet* found = find(sheet);
    return found != nullptr && found->hasUnsavedChanges();
}

std::string PageSheets::closeQuestion(int sheet) const {
    const WebSheet* found = find(sheet);
    return found != nullptr ? found->closeQuestion() : "";
}

bool PageSheets::isUntouched(int sheet) const {
    WebSheet* found = find(sheet);
    return found != nullptr && found->isUntouched();
}

std::string PageSheets::state(int sheet) const {
    const WebSheet* found = find(sheet);
    return found != nullptr ? found->state() : "";
}

std::string PageSheets::backUp() const {
    std::vector<const WebSheet*> all;
    for (const Entry& entry : sheets_) {
        all.push_back(entry.sheet.get());
    }
    return WebSheet::backUp(all);
}

std::string PageSheets::restoreBackup(const std::string& name, const std::string& bytes) {
    std::set<std::string> held;
    for (const Entry& entry : sheets_) {
        if (!entry.sheet->mechFile().empty()) {
            held.insert(entry.sheet->mechFile());
        }
    }
    const Json read = Json::parse(WebSheet::readBackup(name, bytes, held));
    if (read.contains("fault")) {
        return read.dump(-1, ' ', false, Json::error_handler_t::replace);
    }
    Json opened = Json::array();
    for (const Json& state : read.at("states")) {
        opened.push_back(restore(state.get<std::string>(), -1));
    }
    return Json{{"opened", opened}}.dump();
}

int PageSheets::idOf(const CombatSheet& sheet) const {
    const auto found = std::find_if(sheets_.begin(), sheets_.end(), [&sheet](const Entry& entry) {
        return &entry.sheet->sheet() == &sheet;
    });
    return found == sheets_.end() ? 0 : found->id;
}

std::string PageSheets::lanceRequests() {
    return WebSheet::requestsJson(lancePlatform_.takeRequests());
}

std::string PageSheets::lanceJson(bool whole) {
    if (whole) {
        lanceScene_.forget();
    }
    const LanceScene::Changes changes = lanceScene_.update();
    Json lines = Json::array();
    for (const std::size_t index : changes.lines) {
        if (index < lanceScene_.size()) {
            const LanceScene::Line& line = lanceScene_.line(index);
            lines.push_back({index,
                             {{"id", idOf(lance_.sheet(index))},
                              {"cells", line.cells},
                              {"results", AgeNames[static_cast<std::size_t>(line.results)]},
                              {"spoken", lanceScene_.spoken(index)}}});
        }
    }
    Json buttons = Json::array();
    for (Command Lance::*member :
         {&Lance::nextTurnCommand, &Lance::undoCommand, &Lance::copyDeclarationCommand}) {
        const Command& command = lance_.*member;
        buttons.push_back(
            {WebSheet::lanceCodeName(member), command.plainCaption(), command.enabled()});
    }
    return Json{{"title", LanceScene::Title},  {"headings", LanceScene::Headings},
                {"count", lanceScene_.size()}, {"turn", lance_.turn()},
                {"buttons", buttons},          {"lines", lines}}
        .dump(-1, ' ', false, Json::error_handler_t::replace);
}

std::string PageSheets::nextTurn() {
    lance_.nextTurnCommand.userClick();
    return afterTurn(&WebSheet::changes);
}

// The copies that an undo brings back raise no notifications: each sheet is drawn whole.
std::string PageSheets::undoNextTurn() {
    lance_.undoCommand.userClick();
    return afterTurn(&WebSheet::view);
}

// Each sheet's update is spliced in as its sheet wrote it, rather than read back into a value
// that is only written out again.
std::string PageSheets::afterTurn(std::string (WebSheet::*updateOf)()) {
    std::string sheets;
    for (const Entry& entry : sheets_) {
        sheets += sheets.empty() ? "[" : ",";
        // Appended piece by piece: GCC 12 at -O3 takes a joined temporary for an overlap.
        sheets.append("[").append(std::to_string(entry.id)).append(",");
        sheets.append(((*entry.sheet).*updateOf)()).append("]");
    }
    return R"({"sheets":)" + (sheets.empty() ? "[" : sheets) + R"(],"requests":)" +
           lanceRequests() + "}";
}

std::string PageSheets::lanceDeclaration() {
    lance_.copyDeclarationCommand.userClick();
    return lanceRequests();
}

std::string PageSheets::openLance(int sheet, const std::string& name, const std::string& bytes) {
    const SheetOpener openSheet = [this, sheet]() -> CombatSheet& {
        const int id = newSheet(find(sheet)->sheet().zoom);
        openedByLance_.push_back(id);
        return find(id)->sheet();
    };
    return act(sheet, [&](WebSheet& it) { return it.openLance(name, bytes, lance_, openSheet); });
}

std::string PageSheets::saveLance(const std::string& name) {
    saveLanceFile(name, lance_);
    return lanceRequests();
}
