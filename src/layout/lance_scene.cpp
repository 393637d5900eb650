#include "layout/lance_scene.h"

#include "app/arm_damage.h"
#include "layout/sheet_scene.h"

#include <algorithm>
#include <cctype>

namespace {

bool ticked(const CheckBox& box) {
    return box.value() == BoxState::Ticked;
}

// "shoulder", "upper actuator, lower actuator": the arm's hit boxes by their captions.
std::string armWords(const CombatSheet& sheet, const ArmDamage& arm) {
    std::string words;
    for (const CheckBox* box :
         {&(sheet.*arm.shoulder), &(sheet.*arm.upperActuator), &(sheet.*arm.lowerActuator)}) {
        if (ticked(*box)) {
            std::string caption = box->plainCaption();
            std::transform(caption.begin(), caption.end(), caption.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
            words += (words.empty() ? "" : ", ") + caption;
        }
    }
    return words;
}

std::string resultsWords(ResultsAge::Age age) {
    switch (age) {
    case ResultsAge::Age::Fresh:
        return std::string(LanceScene::Calculated);
    case ResultsAge::Age::Stale:
        return SheetScene::StaleNote;
    case ResultsAge::Age::None:
        break;
    }
    return std::string(LanceScene::NotCalculated);
}

} // namespace

std::string LanceScene::damageWords(const CombatSheet& sheet) {
    std::vector<std::string> parts;
    if (ticked(sheet.sensorsBox)) {
        parts.emplace_back("sensors hit");
    }
    for (const ArmDamage& arm : ARMS) {
        if (std::string words = armWords(sheet, arm); !words.empty()) {
            std::string label(arm.label);
            label.front() = static_cast<char>(std::tolower(static_cast<unsigned char>(label[0])));
            parts.push_back(label + ": " + words);
        }
    }
    if (parts.empty()) {
        return std::string(NoDamage);
    }
    std::string text;
    for (const std::string& part : parts) {
        text += (text.empty() ? "" : "; ") + part;
    }
    text.front() = static_cast<char>(std::toupper(static_cast<unsigned char>(text.front())));
    return text;
}

LanceScene::Line LanceScene::lineOf(const CombatSheet& sheet, int turn) {
    Line line;
    line.results = sheet.resultsAge.numbers(sheet.resultInputs());
    line.cells[Mech] = sheet.title();
    line.cells[Turn] = std::to_string(turn);
    line.cells[TotalHeat] = sheet.totalHeatBox.text();
    line.cells[Declaration] = sheet.declarationBox.text();
    line.cells[Damage] = damageWords(sheet);
    line.cells[Results] = resultsWords(line.results);
    return line;
}

// "Heading: cell" by "Heading: cell", each a sentence of its own, since a title holds colons
// and the damage semicolons; the blanks that lead a declaration are not read.
std::string LanceScene::spoken(std::size_t index) const {
    const Line& shown = line(index);
    std::string text;
    for (std::size_t column = 0; column < Headings.size(); ++column) {
        const std::string& cell = shown.cells[column];
        const std::size_t start = cell.find_first_not_of(' ');
        if (start == std::string::npos) {
            continue;
        }
        text += (text.empty() ? "" : ". ") + std::string(Headings[column]) + ": " +
                cell.substr(start, cell.find_last_not_of(' ') + 1 - start);
    }
    return text;
}

LanceScene::Changes LanceScene::update() {
    Changes changes;
    std::vector<Line> now;
    now.reserve(lance_.size());
    for (std::size_t i = 0; i < lance_.size(); ++i) {
        now.push_back(lineOf(lance_.sheet(i), lance_.turn()));
    }
    changes.countChanged = !told_ || now.size() != lines_.size();
    for (std::size_t i = 0; i < now.size(); ++i) {
        if (!told_ || i >= lines_.size() || !(now[i] == lines_[i])) {
            changes.lines.push_back(i);
        }
    }
    const bool canUndo = lance_.undoCommand.enabled();
    changes.undoChanged = !told_ || canUndo != canUndo_;
    canUndo_ = canUndo;
    lines_ = std::move(now);
    told_ = true;
    return changes;
}

// Opening and saving a lance stand after the Mech's own; the view and the turn after the
// range chart, the sheet's other view.
const std::vector<LanceScene::MenuEntry>& LanceScene::menu() {
    static const std::vector<MenuEntry> entries = {
        {&Lance::openCommand, &CombatSheet::mnuSaveAs},
        {&Lance::saveAsCommand, &CombatSheet::mnuSaveAs},
        {&Lance::viewCommand, &CombatSheet::mnuRangeChart, {"Ctrl+L"}},
        {&Lance::nextTurnCommand, &CombatSheet::mnuRangeChart},
        {&Lance::undoCommand, &CombatSheet::mnuRangeChart},
    };
    return entries;
}
