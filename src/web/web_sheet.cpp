#include "web/web_sheet.h"

#include "about/about_box.h"
#include "app/sheet_controls.h"
#include "assembly/wire_combat_sheet.h"
#include "layout/lance_scene.h"
#include "layout/range_chart_look.h"
#include "layout/range_chart_scene.h"
#include "layout/sheet_arrangement.h"
#include "layout/sheet_layout.h"
#include "layout/sheet_scene.h"
#include "layout/twips.h"
#include "mechfile/file_menu.h"
#include "mechfile/mech_file_reader.h"
#include "mechfile/mech_file_writer.h"
#include "mechfile/mech_on_sheet.h"
#include "mechfile/untouched_sheet.h"
#include "web/sheet_state.h"
#include "web/sheets_backup.h"

#include <nlohmann/json.hpp>

#include <type_traits>

using Json = nlohmann::ordered_json;

namespace {

template <typename... Ts> struct Overloaded : Ts... { using Ts::operator()...; };
template <typename... Ts> Overloaded(Ts...) -> Overloaded<Ts...>;

constexpr auto Replace = Json::error_handler_t::replace;

const char* kindName(sheet::ControlKind kind) {
    using Kind = sheet::ControlKind;
    switch (kind) {
    case Kind::Panel:
        return "panel";
    case Kind::Label:
        return "label";
    case Kind::TextBox:
        return "text";
    case Kind::MultiLineBox:
        return "multiline";
    case Kind::List:
        return "list";
    case Kind::CheckBox:
        return "check";
    case Kind::BareCheckBox:
        return "barecheck";
    case Kind::OptionButton:
        return "option";
    case Kind::Button:
        return "button";
    case Kind::Slider:
        return "slider";
    case Kind::VerticalLine:
        break;
    }
    return "line";
}

int placeOrNone(const std::optional<ControlRef>& control) {
    if (!control || isColumn(*control)) {
        return -1;
    }
    return static_cast<int>(sheet::placeOf(*control));
}

// One row of the layout as the page builds its element: places and sizes in pixels at actual
// size, the caption shown, the name a screen reader says.
Json layoutEntry(const CombatSheet& sheet, std::size_t place) {
    const sheet::ControlLayout& row = sheet::sheetLayout()[place];
    const SheetScene::Fixed fixed = SheetScene::fixedOf(sheet, place);
    Json entry = {
        {"codeName", sheet::codeNameOf(row)},
        {"form", sheet::formNameOf(row)},
        {"kind", kindName(row.kind)},
        {"in", row.in != nullptr ? static_cast<int>(sheet::placeOf(row.in)) : -1},
        {"left", pixels(row.left)},
        {"top", pixels(row.top)},
        {"width", pixels(row.width)},
        {"height", pixels(row.height)},
        {"underlined", row.look == sheet::Look::Underlined},
        {"shaded", row.look == sheet::Look::Shaded},
        {"row", row.row},
        {"labelFor", placeOrNone(row.labelFor)},
        {"headedBy", row.headedBy != nullptr ? static_cast<int>(sheet::placeOf(row.headedBy)) : -1},
        {"caption", fixed.caption.text}};
    if (!row.control) {
        return entry;
    }
    entry["name"] = fixed.name;
    visitControl(sheet, *row.control, std::max(row.row, 0),
                 Overloaded{
                     [&entry](const ComboBox& list) {
                         entry["items"] = list.items();
                         entry["editable"] = list.editable();
                     },
                     [&entry](const Slider& slider) {
                         entry["minimum"] = slider.minimum();
                         entry["maximum"] = slider.maximum();
                     },
                     [](const Control&) {},
                 });
    return entry;
}

// The pieces of the sheet and the columns each arrangement stands them in, for narrow windows.
Json arrangementsJson() {
    Json pieces = Json::array();
    for (const sheet::SheetPiece& piece : sheet::sheetPieces()) {
        Json cells = Json::array();
        for (const sheet::PieceCell& cell : piece.cells) {
            cells.push_back({{"place", cell.place}, {"cell", cell.cell}});
        }
        pieces.push_back({{"name", piece.name}, {"cells", cells}});
    }
    Json arrangements = Json::array();
    for (const sheet::SheetArrangement& arrangement : sheet::sheetArrangements()) {
        Json places = Json::array();
        for (const sheet::PiecePlace& place : arrangement.places) {
            places.push_back({{"column", place.column}, {"span", place.span}});
        }
        arrangements.push_back(
            {{"name", arrangement.name},
             {"minWidth", arrangement.minWidth},
             {"minWidthByFinger", arrangement.minWidthByFinger},
             {"columns", arrangement.columns},
             {"rows", arrangement.rows == sheet::RowForm::Card ? "card" : "line"},
             {"places", places},
             {"staying", arrangement.staying},
             {"stayingBelowHeight", arrangement.stayingBelowHeight}});
    }
    return {{"pieces", pieces}, {"arrangements", arrangements}};
}

// The names the page calls the lance's commands by.
const std::pair<Command Lance::*, const char*> LanceCodeNames[] = {
    {&Lance::viewCommand, "lanceView"},
    {&Lance::openCommand, "lanceOpen"},
    {&Lance::saveAsCommand, "lanceSaveAs"},
    {&Lance::nextTurnCommand, "lanceNextTurn"},
    {&Lance::undoCommand, "lanceUndo"},
    {&Lance::copyDeclarationCommand, "lanceCopyDeclaration"},
};

} // namespace

const char* WebSheet::lanceCodeName(Command Lance::*command) {
    for (const auto& [member, name] : LanceCodeNames) {
        if (member == command) {
            return name;
        }
    }
    return "";
}

namespace {

// The lance's entries that stand after the sheet's entry of that command, in order.
void addLanceEntries(Json& menu, const Lance& lance, const std::string& menuName,
                     Member<Command> after) {
    for (const LanceScene::MenuEntry& entry : LanceScene::menu()) {
        if (entry.after == after) {
            menu.push_back({{"menu", menuName},
                            {"keys", entry.keys},
                            {"caption", (lance.*entry.command).plainCaption()},
                            {"codeName", WebSheet::lanceCodeName(entry.command)}});
        }
    }
}

Json menuJson(const CombatSheet& sheet, platform::PlatformServices& services) {
    Json menu = Json::array();
    const Lance lance(services);
    for (const sheet::MenuEntry& entry : sheet::sheetMenu()) {
        Json item = {{"menu", entry.menu},
                     {"keys", entry.keys},
                     {"caption", SheetScene::menuCaption(sheet, entry).text}};
        if (entry.command) {
            item["codeName"] = codeName(*entry.command);
        } else {
            item["name"] = entry.name;
        }
        menu.push_back(item);
        if (entry.command) {
            addLanceEntries(menu, lance, entry.menu, *entry.command);
        }
    }
    return menu;
}

// The control of that name ("weapName(3)"), if the sheet has one.
std::optional<std::pair<ControlRef, int>> controlOf(const std::string& name) {
    const auto open = name.find('(');
    const NamedControl* named = controlNamed(name.substr(0, open));
    if (named == nullptr) {
        return std::nullopt;
    }
    const bool column = isColumn(named->ref);
    if (column != (open != std::string::npos)) {
        return std::nullopt;
    }
    int row = -1;
    if (column) {
        try {
            row = std::stoi(name.substr(open + 1));
        } catch (const std::exception&) {
            return std::nullopt;
        }
        if (row < 0 || row >= WEAPON_ROWS) {
            return std::nullopt;
        }
    }
    return std::pair{named->ref, row};
}

Json requestsOf(const BrowserPlatform::Requests& requests) {
    Json downloads = Json::array();
    for (const auto& [name, bytes] : requests.downloads) {
        downloads.push_back({{"name", name}, {"bytes", bytes}});
    }
    return {{"messages", requests.messages},
            {"closeSheet", requests.closeSheet},
            {"closeAllSheets", requests.closeAllSheets},
            {"aboutBox", requests.aboutBox},
            {"rangeChart", requests.rangeChart},
            {"help", requests.help},
            {"clipboard", requests.clipboard},
            {"downloads", downloads}};
}

} // namespace

WebSheet::WebSheet(int zoom) : services_(platform_.services()), sheet_(services_), scene_(sheet_) {
    wireCombatSheet(sheet_);
    sheet_.zoom = zoom;
}

WebSheet::~WebSheet() = default;

std::string WebSheet::layoutJson() {
    BrowserPlatform platform;
    platform::PlatformServices services = platform.services();
    // Wired, as the lists take their entries from the subsystems that fill them.
    CombatSheet sheet(services);
    wireCombatSheet(sheet);
    Json controls = Json::array();
    for (std::size_t place = 0; place < sheet::sheetLayout().size(); ++place) {
        controls.push_back(layoutEntry(sheet, place));
    }
    return Json{
        {"actualSize", CombatSheet::ActualSize},      {"width", pixels(sheet::ClientWidthTwips)},
        {"height", pixels(sheet::ClientHeightTwips)}, {"controls", controls},
        {"menu", menuJson(sheet, services)},          {"tabOrder", sheet::sheetTabOrder()},
        {"arrangement", arrangementsJson()}}
        .dump();
}

std::string WebSheet::aboutJson() {
    BrowserPlatform platform;
    platform::PlatformServices services = platform.services();
    const AboutBox box(services);
    return Json{{"caption", AboutBox::Caption},           {"title", box.lblTitle.text()},
                {"version", box.lblVersion.text()},       {"disclaimer", box.disclaimerBox.text()},
                {"copyright", box.copyrightLabel.text()}, {"warning", box.warningLabel.text()},
                {"ok", box.cmdOK.plainCaption()}}
        .dump();
}

std::string WebSheet::view() {
    scene_.forget();
    chart_.reset(); // the page draws the whole chart again too
    shownTitle_.clear();
    shownZoom_ = 0;
    return update();
}

// Only what differs from what the page was last told, so that a tap redraws a few elements.
std::string WebSheet::update() {
    const SheetScene::Changes changes = scene_.update();
    Json changed = Json::array();
    for (std::size_t place : changes.places) {
        const SheetScene::Shown& it = scene_.shown(place);
        changed.push_back(Json::array({place,
                                       {{"visible", it.visible},
                                        {"enabled", it.enabled},
                                        {"readOnly", it.readOnly},
                                        {"value", it.value},
                                        {"text", it.text},
                                        {"toolTip", it.description},
                                        {"stale", it.stale}}}));
    }
    Json window = Json::object();
    const bool modified = hasUnsavedChanges();
    if (sheet_.title() != shownTitle_ || modified != shownModified_ || sheet_.zoom != shownZoom_) {
        shownTitle_ = sheet_.title();
        shownModified_ = modified;
        shownZoom_ = sheet_.zoom;
        window = {{"title", shownTitle_},
                  {"modified", modified},
                  {"zoom", shownZoom_},
                  {"mechFile", sheet_.mechFile}};
    }
    return Json{{"changed", changed},
                {"focus", changes.focus ? Json(*changes.focus) : Json()},
                {"window", window},
                {"requests", requestsOf(platform_.takeRequests())}}
        .dump(-1, ' ', false, Replace);
}

template <typename Action> std::string WebSheet::act(const std::string& control, Action action) {
    if (const auto found = controlOf(control)) {
        visitControl(sheet_, found->first, found->second, action);
    }
    return update();
}

std::string WebSheet::click(const std::string& control) {
    return act(control, [](auto& target) {
        if constexpr (requires { target.userClick(); }) {
            target.userClick();
        }
    });
}

std::string WebSheet::type(const std::string& control, const std::string& text) {
    return act(control, [&text](auto& target) {
        if constexpr (requires { target.userType(text); }) {
            target.userType(text);
        }
    });
}

std::string WebSheet::pick(const std::string& control, int index) {
    return act(control, [index](auto& target) {
        if constexpr (requires { target.userPick(index); }) {
            target.userPick(index);
        }
    });
}

std::string WebSheet::move(const std::string& control, int position) {
    return act(control, [position](auto& target) {
        if constexpr (requires { target.userMove(position); }) {
            target.userMove(position);
        }
    });
}

std::string WebSheet::openFiles(std::vector<std::pair<std::string, std::string>> files) {
    platform_.answerOpen(std::move(files));
    return click("mnuOpen");
}

std::string WebSheet::openLance(const std::string& name, const std::string& bytes, Lance& lance,
                                const SheetOpener& openSheet) {
    platform_.answerOpen({{name, bytes}});
    openLanceFile(name, lance, sheet_, openSheet);
    return update();
}

std::string WebSheet::requestsJson(const BrowserPlatform::Requests& requests) {
    return requestsOf(requests).dump(-1, ' ', false, Replace);
}

std::string WebSheet::saveAs(const std::string& name) {
    platform_.answerSave(name);
    return click("mnuSaveAs");
}

bool WebSheet::hasUnsavedChanges() const {
    return ::hasUnsavedChanges(sheet_);
}

std::string WebSheet::closeQuestion() const {
    return saveQuestion(sheet_);
}

namespace {

Json chartCellJson(const RangeChartScene::Cell& cell) {
    return {{"text", cell.text},
            {"toolTip", cell.toolTip},
            {"spoken", cell.spoken},
            {"outOfRange", cell.outOfRange},
            {"background", cell.background},
            {"foreground", cell.foreground},
            {"bracketEdge", cell.bracketEdge},
            {"present", cell.present}};
}

// The whole chart: its lines, the legend, and the widths of its marks.
Json wholeChartJson(const RangeChartScene& scene) {
    Json lines = Json::array();
    for (const RangeChartScene::Line& line : scene.lines()) {
        Json cells = Json::array();
        for (const RangeChartScene::Cell& cell : line.cells) {
            cells.push_back(chartCellJson(cell));
        }
        lines.push_back(
            {{"heading", line.heading}, {"headingTip", line.headingTip}, {"cells", cells}});
    }
    Json legend = Json::array();
    for (const RangeChartScene::LegendEntry& entry : RangeChartScene::legend()) {
        legend.push_back({{"sample", static_cast<int>(entry.sample)},
                          {"colour", entry.colour},
                          {"text", entry.text}});
    }
    return {
        {"lines", lines},
        {"legend", legend},
        {"legendHeading", chart::LegendHeading},
        {"markWidths",
         {{"bracketEdge", chart::BracketEdgeWidth}, {"presentRange", chart::PresentRangeWidth}}}};
}

} // namespace

// The whole chart the first time, then only the cells and headings that changed.
std::string WebSheet::rangeChartJson() {
    if (!chart_) {
        chart_ = std::make_unique<RangeChartScene>(services_, wireCombatSheet);
    }
    const RangeChartScene& chart = *chart_;
    const RangeChartScene::Changes changes = chart_->update(sheet_);
    Json answer = changes.whole ? wholeChartJson(chart) : Json::object();
    answer["whole"] = changes.whole;
    answer["title"] = chart.title();
    answer["notice"] = chart.notice();
    answer["copyText"] = chart.chart().tabSeparated();
    Json cells = Json::array();
    for (const auto& [line, column] : changes.cells) {
        cells.push_back({line, column, chartCellJson(chart.lines()[line].cells[column])});
    }
    answer["cells"] = cells;
    Json headings = Json::array();
    for (int line : changes.headings) {
        headings.push_back({line, chart.lines()[line].heading});
    }
    answer["headings"] = headings;
    return answer.dump(-1, ' ', false, Replace);
}

std::string WebSheet::state() const {
    return sheetState(sheet_);
}

std::unique_ptr<WebSheet> WebSheet::restore(const std::string& state) {
    auto restored = std::make_unique<WebSheet>();
    if (!restoreSheetState(state, restored->sheet_).empty()) {
        return nullptr;
    }
    return restored;
}

std::string WebSheet::whyNotRestored(const std::string& state) {
    WebSheet scratch;
    return restoreSheetState(state, scratch.sheet_);
}

std::string WebSheet::salvagedMech(const std::string& state) {
    WebSheet scratch;
    if (!salvageSheetState(state, scratch.sheet_)) {
        return "{}";
    }
    return Json{{"name", suggestedFileName(scratch.sheet_)},
                {"bytes", writeMechFile(mechOnSheet(scratch.sheet_))}}
        .dump(-1, ' ', false, Replace);
}

bool WebSheet::isUntouched() {
    return ::isUntouched(sheet_);
}

std::string WebSheet::backUp(const std::vector<const WebSheet*>& sheets) {
    std::vector<BackedUpSheet> backedUp;
    for (const WebSheet* sheet : sheets) {
        backedUp.push_back({.mech = writeMechFile(mechOnSheet(sheet->sheet_)),
                            .state = sheet->state(),
                            .file = sheet->sheet_.mechFile});
    }
    return writeSheetsBackup(backedUp);
}

namespace {

// The sheet of a backup's entry: as it was kept where its state reads, and otherwise its Mech
// entered on a new sheet, without the file, whose saved state the backup does not hold.
std::string stateOf(const BackedUpSheet& entry, const MechFile& mech,
                    const std::set<std::string>& otherFiles) {
    if (std::unique_ptr<WebSheet> kept = WebSheet::restore(entry.state)) {
        if (otherFiles.contains(kept->sheet().mechFile)) {
            kept->sheet().mechFile.clear();
            kept->sheet().savedMech.clear();
        }
        return kept->state();
    }
    WebSheet fresh;
    putMechOnSheet(mech, fresh.sheet());
    return fresh.state();
}

} // namespace

std::string WebSheet::readBackup(const std::string& name, const std::string& bytes,
                                 const std::set<std::string>& heldFiles) {
    const std::string cannot = "Cannot restore the sheets of \"" + name + "\":\n";
    const SheetsBackupReading reading = readSheetsBackup(bytes);
    if (!reading.fault.empty()) {
        return Json{{"fault", cannot + reading.fault}}.dump();
    }
    WebSheet scratch;
    std::vector<MechFile> mechs;
    for (const BackedUpSheet& entry : reading.sheets) {
        auto mech = readMechFile(entry.mech, scratch.sheet_);
        if (const auto* fault = std::get_if<MechFileFault>(&mech)) {
            return Json{{"fault",
                         cannot + "Sheet " + std::to_string(mechs.size() + 1) + ": " + fault->text}}
                .dump(-1, ' ', false, Replace);
        }
        mechs.push_back(std::get<MechFile>(std::move(mech)));
    }
    Json states = Json::array();
    for (std::size_t at = 0; at < mechs.size(); ++at) {
        states.push_back(stateOf(reading.sheets[at], mechs[at], heldFiles));
    }
    return Json{{"states", states}}.dump(-1, ' ', false, Replace);
}
