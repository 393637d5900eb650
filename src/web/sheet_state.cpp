#include "web/sheet_state.h"

#include "app/sheet_controls.h"
#include "app/sheet_copy.h"
#include "app/single_line.h"
#include "web/state_upgrade.h"

#include <nlohmann/json.hpp>

#include <stdexcept>

namespace {

using Json = nlohmann::ordered_json;

template <typename... Ts> struct Overloaded : Ts... { using Ts::operator()...; };
template <typename... Ts> Overloaded(Ts...) -> Overloaded<Ts...>;

// Thrown at the first thing in a state that this program would never have written, with what
// it is.
struct NoState : std::runtime_error {
    using std::runtime_error::runtime_error;
};
// Thrown at a state that a later version of the page wrote, with why it is not read.
struct NewerState : NoState {
    using NoState::NoState;
};

Json controlState(const Control& control) {
    return {{"visible", control.visible()}, {"enabled", control.enabled()}};
}

Json stateOf(const CombatSheet& sheet, const ControlRef& ref, int row) {
    return visitControl(sheet, ref, row,
                        Overloaded{
                            [](const TextBox& box) {
                                Json state = controlState(box);
                                state["text"] = box.text();
                                state["toolTip"] = box.toolTip();
                                return state;
                            },
                            [](const ComboBox& list) {
                                Json state = controlState(list);
                                state["text"] = list.text();
                                return state;
                            },
                            [](const CheckBox& box) {
                                Json state = controlState(box);
                                state["value"] = static_cast<int>(box.value());
                                return state;
                            },
                            [](const OptionButton& option) {
                                Json state = controlState(option);
                                state["selected"] = option.selected();
                                return state;
                            },
                            [](const Slider& slider) {
                                Json state = controlState(slider);
                                state["position"] = slider.position();
                                return state;
                            },
                            [](const Control& control) { return controlState(control); },
                        });
}

template <typename T> T field(const Json& object, const char* key) {
    if (!object.is_object() || !object.contains(key)) {
        throw NoState(std::string("no \"") + key + "\"");
    }
    try {
        return object.at(key).get<T>();
    } catch (const Json::exception&) {
        throw NoState(std::string("a wrong \"") + key + "\"");
    }
}

// A name kept by a page from before names had their limits comes back within them, so that
// what it saves opens again.
std::string keptText(const TextBox& box, const std::string& text) {
    return box.singleLine() ? editWithin({}, singleLine(text), box.maxLength()) : text;
}

// A control like the one in the sheet, holding the state, for the sheet's own to copy.
void restoreControl(const Json& state, CombatSheet& sheet, const ControlRef& ref, int row) {
    const bool visible = field<bool>(state, "visible");
    const bool enabled = field<bool>(state, "enabled");
    auto withState = [&](Control& control) {
        control.setVisible(visible);
        control.setEnabled(enabled);
    };
    visitControl(sheet, ref, row,
                 Overloaded{
                     [&](TextBox& box) {
                         TextBox held;
                         withState(held);
                         held.setReadOnly(box.readOnly());
                         held.setText(keptText(box, field<std::string>(state, "text")));
                         held.setToolTip(field<std::string>(state, "toolTip"));
                         box.copyFrom(held);
                     },
                     [&](ComboBox& list) {
                         ComboBox held({}, {}, ComboBox::Typing::PickOnly,
                                       field<std::string>(state, "text"));
                         withState(held);
                         list.copyFrom(held);
                     },
                     [&](CheckBox& box) {
                         const int value = field<int>(state, "value");
                         if (value < 0 || value > static_cast<int>(BoxState::Grayed)) {
                             throw NoState("a check box's value");
                         }
                         CheckBox held({}, static_cast<BoxState>(value));
                         withState(held);
                         box.copyFrom(held);
                     },
                     [&](OptionButton& option) {
                         OptionGroup group;
                         OptionButton held(group, {},
                                           field<bool>(state, "selected")
                                               ? OptionButton::Start::Selected
                                               : OptionButton::Start::Deselected);
                         withState(held);
                         option.copyFrom(held);
                     },
                     [&](Slider& slider) {
                         Slider held({}, slider.minimum(), slider.maximum(),
                                     field<int>(state, "position"), 1, 1);
                         withState(held);
                         slider.copyFrom(held);
                     },
                     [&](Panel& panel) {
                         Panel held;
                         withState(held);
                         panel.copyFrom(held);
                     },
                     [&](Command& command) {
                         Command held;
                         withState(held);
                         command.copyFrom(held);
                     },
                 });
}

template <typename T, typename Values> void restoreRows(const Json& state, Values& values) {
    const auto rows = field<std::vector<T>>(state, "rows");
    if (rows.size() != values.size()) {
        throw NoState("the number of rows");
    }
    std::copy(rows.begin(), rows.end(), values.begin());
}

// A state names the version of the page that kept it: an older one is read as it was written,
// a newer one is never guessed at.
void checkVersion(const Json& state) {
    const int version = field<int>(state, "version");
    if (version > KeptStateVersion) {
        throw NewerState("it was kept by a newer version of Vexolan (version " +
                         std::to_string(version) + "; this page reads up to version " +
                         std::to_string(KeptStateVersion) + ")");
    }
    if (version < 1) {
        throw NoState("version " + std::to_string(version));
    }
}

const Json& member(const Json& state, const char* key) {
    if (!state.contains(key) || !state.at(key).is_object()) {
        throw NoState(std::string("no \"") + key + "\"");
    }
    return state.at(key);
}

void restoreControls(const Json& state, CombatSheet& scratch) {
    const Json& controls = member(state, "controls");
    forEachControl([&](const ControlRef& ref, int row, const std::string& name) {
        // A menu entry newer than the state keeps its fresh state: commands hold nothing the
        // user made, and a page kept before the entry came along still comes back.
        if (!controls.contains(name)) {
            if (std::holds_alternative<Member<Command>>(ref)) {
                return;
            }
            throw NoState("no " + name);
        }
        try {
            restoreControl(controls.at(name), scratch, ref, row);
        } catch (const NoState& fault) {
            throw NoState(name + ": " + fault.what());
        }
    });
}

TechBase techBaseOf(const Json& state) {
    const int base = field<int>(state, "techBase");
    if (base != static_cast<int>(TechBase::InnerSphere) &&
        base != static_cast<int>(TechBase::Clan)) {
        throw NoState("a technology base of " + std::to_string(base));
    }
    return static_cast<TechBase>(base);
}

ResultsAge::Age ageOf(const Json& ages, const char* key) {
    const int age = field<int>(ages, key);
    if (age < 0 || age > static_cast<int>(ResultsAge::Age::Stale)) {
        throw NoState(std::string("the age of the ") + key);
    }
    return static_cast<ResultsAge::Age>(age);
}

// Taken back once the rest of the sheet is, as what the results were worked out from. A state
// kept before results had an age marks none of them.
void restoreResultsAge(const Json& state, CombatSheet& scratch) {
    if (!state.contains("resultsAge")) {
        return;
    }
    const Json& ages = member(state, "resultsAge");
    scratch.resultsAge.restore(scratch.resultInputs(), ageOf(ages, "numbers"),
                               ageOf(ages, "declaration"));
}

// Everything is read and checked on a scratch sheet first, so that a bad state leaves the
// sheet as it was.
void restoreInto(const Json& state, CombatSheet& scratch) {
    checkVersion(state);
    restoreControls(state, scratch);
    const Json& situation = member(state, "situation");
    for (const ModifierField& modifier : MODIFIER_FIELDS) {
        scratch.situation.*modifier.field = field<std::int16_t>(situation, modifier.name.data());
    }
    restoreRows<std::int16_t>(member(state, "weapHeat"), scratch.weapHeat);
    std::vector<int> families(WEAPON_ROWS);
    restoreRows<int>(member(state, "weapFamily"), families);
    for (int i = 0; i < WEAPON_ROWS; ++i) {
        if (families[i] < 0 || families[i] > static_cast<int>(WeaponFamily::LbxAutocannon)) {
            throw NoState("a weapon's family");
        }
        scratch.weapFamily[i] = static_cast<WeaponFamily>(families[i]);
    }
    scratch.techBase = techBaseOf(state);
    scratch.firesClusterMunitions = field<bool>(state, "firesClusterMunitions");
    scratch.setTitle(singleLine(field<std::string>(state, "title")));
    scratch.zoom = field<int>(state, "zoom");
    scratch.mechFile = field<std::string>(state, "mechFile");
    scratch.savedMech = field<std::string>(state, "savedMech");
    restoreResultsAge(state, scratch);
}

} // namespace

std::string sheetState(const CombatSheet& sheet) {
    Json controls = Json::object();
    forEachControl([&](const ControlRef& ref, int row, const std::string& name) {
        controls[name] = stateOf(sheet, ref, row);
    });
    Json situation = Json::object();
    for (const ModifierField& modifier : MODIFIER_FIELDS) {
        situation[std::string(modifier.name)] = sheet.situation.*modifier.field;
    }
    std::vector<int> families;
    const ResultsAge::Inputs now = sheet.resultInputs();
    for (WeaponFamily family : sheet.weapFamily) {
        families.push_back(static_cast<int>(family));
    }
    return Json{{"version", KeptStateVersion},
                {"controls", controls},
                {"situation", situation},
                {"weapHeat", {{"rows", sheet.weapHeat}}},
                {"weapFamily", {{"rows", families}}},
                {"techBase", static_cast<int>(sheet.techBase)},
                {"firesClusterMunitions", sheet.firesClusterMunitions},
                {"title", sheet.title()},
                {"zoom", sheet.zoom},
                {"mechFile", sheet.mechFile},
                {"savedMech", sheet.savedMech},
                {"resultsAge",
                 {{"numbers", static_cast<int>(sheet.resultsAge.numbers(now))},
                  {"declaration", static_cast<int>(sheet.resultsAge.declaration(now))}}}}
        .dump(-1, ' ', false, Json::error_handler_t::replace);
}

std::string restoreSheetState(const std::string& state, CombatSheet& sheet) {
    Json parsed = Json::parse(state, nullptr, false);
    upgradeKeptState(parsed);
    CombatSheet scratch(sheet.platform());
    try {
        if (!parsed.is_object()) {
            throw NoState(parsed.is_discarded() ? "not JSON" : "not a JSON object");
        }
        restoreInto(parsed, scratch);
    } catch (const NewerState& fault) {
        return fault.what();
    } catch (const NoState& fault) {
        return std::string("its kept copy is damaged (") + fault.what() + ")";
    } catch (const Json::exception& fault) {
        return std::string("its kept copy is damaged (") + fault.what() + ")";
    }
    copySheet(scratch, sheet);
    sheet.zoom = scratch.zoom;
    sheet.mechFile = scratch.mechFile;
    sheet.savedMech = scratch.savedMech;
    return {};
}

bool salvageSheetState(const std::string& state, CombatSheet& sheet) {
    Json parsed = Json::parse(state, nullptr, false);
    upgradeKeptState(parsed);
    if (!parsed.is_object() || !parsed.contains("controls") || !parsed.at("controls").is_object()) {
        return false;
    }
    const Json& controls = parsed.at("controls");
    forEachControl([&](const ControlRef& ref, int row, const std::string& name) {
        try {
            if (controls.contains(name)) {
                restoreControl(controls.at(name), sheet, ref, row);
            }
        } catch (const NoState&) {
        } catch (const Json::exception&) {
        }
    });
    try {
        sheet.techBase = techBaseOf(parsed);
    } catch (const NoState&) {
    }
    return true;
}
