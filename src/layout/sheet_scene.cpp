#include "layout/sheet_scene.h"

#include <algorithm>

namespace {

template <typename... Ts> struct Overloaded : Ts... { using Ts::operator()...; };
template <typename... Ts> Overloaded(Ts...) -> Overloaded<Ts...>;

// The model's control of a layout row; a column stands for any of its rows.
const Control& modelControl(const CombatSheet& sheet, const ControlRef& ref, int row) {
    return visitControl(sheet, ref, std::max(row, 0),
                        [](const Control& control) -> const Control& { return control; });
}

SheetScene::Caption captionOf(const Control& control) {
    return {control.plainCaption(), control.mnemonicAt()};
}

SheetScene::Caption captionOf(const CombatSheet& sheet, const sheet::ControlLayout& row) {
    if (row.control) {
        return captionOf(modelControl(sheet, *row.control, row.row));
    }
    if (row.caption.empty() && row.labelFor) {
        return captionOf(modelControl(sheet, *row.labelFor, 0));
    }
    return {row.caption};
}

void readState(const CombatSheet& sheet, const sheet::ControlLayout& row, SheetScene::Shown& it) {
    visitControl(sheet, *row.control, row.row, [&it](const auto& control) {
        it.visible = control.visible();
        it.enabled = control.enabled();
    });
    // A panel shown in front of another covers it whole, and nobody reaches what is covered.
    if (row.coveredBy != nullptr && (sheet.*row.coveredBy).visible()) {
        it.visible = false;
    }
    visitControl(sheet, *row.control, row.row,
                 Overloaded{
                     [&it](const TextBox& box) {
                         it.text = box.text();
                         it.description = box.toolTip();
                         it.readOnly = box.readOnly();
                     },
                     [&it](const ComboBox& list) {
                         it.text = list.text();
                         it.value = list.listIndex();
                     },
                     [&it](const CheckBox& box) { it.value = static_cast<int>(box.value()); },
                     [&it](const OptionButton& option) { it.value = option.selected(); },
                     [&it](const Slider& slider) { it.value = slider.position(); },
                     [](const Control&) {},
                 });
}

// The setup panel, while it shows, else the attacker panel that it covers.
std::size_t panelInFront(const CombatSheet& sheet) {
    return sheet::placeOf(sheet.setupPanel.visible() ? &CombatSheet::setupPanel
                                                     : &CombatSheet::attackerPanel);
}

} // namespace

SheetScene::SheetScene(const CombatSheet& sheet)
    : sheet_(sheet), shown_(sheet::sheetLayout().size()) {}

SheetScene::Fixed SheetScene::fixedOf(const CombatSheet& sheet, std::size_t place) {
    const sheet::ControlLayout& row = sheet::sheetLayout().at(place);
    return {captionOf(sheet, row), row.control ? sheet::spokenNameOf(sheet, row) : std::string()};
}

SheetScene::Caption SheetScene::menuCaption(const CombatSheet& sheet,
                                            const sheet::MenuEntry& entry) {
    return entry.command ? captionOf(sheet.*(*entry.command)) : captionOf(Control(entry.caption));
}

std::vector<SheetScene::Shown> SheetScene::shownNow() const {
    const std::vector<sheet::ControlLayout>& layout = sheet::sheetLayout();
    std::vector<Shown> shown(layout.size());
    for (std::size_t place = 0; place < layout.size(); ++place) {
        if (layout[place].control) {
            readState(sheet_, layout[place], shown[place]); // labels and lines show what they show
        }
    }
    markStale(shown);
    return shown;
}

// The to-hit column and the total heat go stale together, the declaration on its own.
void SheetScene::markStale(std::vector<Shown>& shown) const {
    const auto note = [](ResultsAge::Age age) {
        return age == ResultsAge::Age::Stale ? std::string(StaleNote) : std::string();
    };
    const ResultsAge::Inputs now = sheet_.resultInputs();
    const std::string numbers = note(sheet_.resultsAge.numbers(now));
    for (int row = 0; row < WEAPON_ROWS; ++row) {
        shown[sheet::placeOf(&CombatSheet::toHit, row)].stale = numbers;
    }
    shown[sheet::placeOf(&CombatSheet::totalHeatBox)].stale = numbers;
    shown[sheet::placeOf(&CombatSheet::declarationBox)].stale =
        note(sheet_.resultsAge.declaration(now));
}

void SheetScene::forget() {
    shown_.assign(shown_.size(), Shown{});
    inFront_.reset();
}

// Every place whose state differs; at the first update, every place.
SheetScene::Changes SheetScene::update() {
    std::vector<Shown> now = shownNow();
    Changes changes;
    const bool first = !inFront_;
    for (std::size_t place = 0; place < now.size(); ++place) {
        if (first || !(now[place] == shown_[place])) {
            changes.places.push_back(place);
        }
    }
    // When the setup panel comes to the front or goes, the keyboard goes with the user's eyes:
    // to the first field of the panel now in front, rather than staying behind it.
    const std::size_t inFront = panelInFront(sheet_);
    if (!first && inFront != *inFront_) {
        changes.focus = firstFieldOf(inFront, now);
    }
    inFront_ = inFront;
    shown_ = std::move(now);
    return changes;
}

// The first stop of the keyboard's order that lies in the panel, shown and usable along with
// every panel around it.
std::optional<std::size_t> SheetScene::firstFieldOf(std::size_t panel,
                                                    const std::vector<Shown>& shown) const {
    const std::vector<sheet::ControlLayout>& layout = sheet::sheetLayout();
    const auto reachable = [&](std::size_t place) {
        bool inside = false;
        for (std::optional<std::size_t> at = place; at;) {
            if (!shown[*at].visible || !shown[*at].enabled) {
                return false;
            }
            inside = inside || *at == panel;
            const Member<Panel> in = layout[*at].in;
            at = in != nullptr ? std::optional(sheet::placeOf(in)) : std::nullopt;
        }
        return inside;
    };
    for (std::size_t place : sheet::sheetTabOrder()) {
        if (place != panel && reachable(place)) {
            return place;
        }
    }
    return std::nullopt;
}
