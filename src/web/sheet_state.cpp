#include "web/sheet_state.h"

#include "app/sheet_controls.h"
#include "app/sheet_copy.h"

#include <nlohmann/json.hpp>

#include <stdexcept>

namespace {

using Json = nlohmann::json;

constexpr int StateVersion = 1;

template <typename... Ts> struct Overloaded : Ts... { using Ts::operator()...; };
template <typename... Ts> Overloaded(Ts...) -> Overloaded<Ts...>;

// Thrown at the first thing in a state that this program would never have written.
struct NoState : std::runtime_error {
    using std::runtime_error::runtime_error;
};

template <typename Each> void forEachControl(Each each) {
    for (const NamedControl& named : sheetControls()) {
        const bool column = isColumn(named.ref);
        for (int row = column ? 0 : -1; row < (column ? WEAPON_ROWS : 0); ++row) {
            each(named.ref, row, roleName(named.ref, row));
        }
    }
}

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
        throw NoState(std::string("no ") + key);
    }
    try {
        return object.at(key).get<T>();
    } catch (const Json::exception&) {
        throw NoState(std::string("not a ") + key);
    }
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
                         held.setText(field<std::string>(state, "text"));
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
        throw NoState("rows");
    }
    std::copy(rows.begin(), rows.end(), values.begin());
}

// Everything is read and checked on a scratch sheet first, so that a bad state leaves the
// sheet as it was.
void restoreInto(const Json& state, CombatSheet& scratch) {
    if (field<int>(state, "version") != StateVersion) {
        throw NoState("another version");
    }
    const Json& controls = state.at("controls");
    // A menu entry newer than the state keeps its fresh state: commands hold nothing the user
    // made, and a page kept before the entry came along still comes back.
    forEachControl([&](const ControlRef& ref, int row, const std::string& name) {
        if (controls.contains(name)) {
            restoreControl(controls.at(name), scratch, ref, row);
        } else if (!std::holds_alternative<Member<Command>>(ref)) {
            throw NoState(name);
        }
    });
    const Json& situation = state.at("situation");
    for (const ModifierField& modifier : MODIFIER_FIELDS) {
        scratch.situation.*modifier.field = field<std::int16_t>(situation, modifier.name.data());
    }
    restoreRows<std::int16_t>(state.at("weapHeat"), scratch.weapHeat);
    std::vector<int> families(WEAPON_ROWS);
    restoreRows<int>(state.at("weapFamily"), families);
    for (int i = 0; i < WEAPON_ROWS; ++i) {
        if (families[i] < 0 || families[i] > static_cast<int>(WeaponFamily::LbxAutocannon)) {
            throw NoState("a weapon's family");
        }
        scratch.weapFamily[i] = static_cast<WeaponFamily>(families[i]);
    }
    const int base = field<int>(state, "techBase");
    if (base != static_cast<int>(TechBase::InnerSphere) &&
        base != static_cast<int>(TechBase::Clan)) {
        throw NoState("a technology base");
    }
    scratch.techBase = static_cast<TechBase>(base);
    scratch.setTitle(field<std::string>(state, "title"));
    scratch.zoom = field<int>(state, "zoom");
    scratch.mechFile = field<std::string>(state, "mechFile");
    scratch.savedMech = field<std::string>(state, "savedMech");
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
    for (WeaponFamily family : sheet.weapFamily) {
        families.push_back(static_cast<int>(family));
    }
    return Json{{"version", StateVersion},
                {"controls", controls},
                {"situation", situation},
                {"weapHeat", {{"rows", sheet.weapHeat}}},
                {"weapFamily", {{"rows", families}}},
                {"techBase", static_cast<int>(sheet.techBase)},
                {"title", sheet.title()},
                {"zoom", sheet.zoom},
                {"mechFile", sheet.mechFile},
                {"savedMech", sheet.savedMech}}
        .dump(-1, ' ', false, Json::error_handler_t::replace);
}

bool restoreSheetState(const std::string& state, CombatSheet& sheet) {
    const Json parsed = Json::parse(state, nullptr, false);
    CombatSheet scratch(sheet.platform());
    try {
        if (!parsed.is_object()) {
            throw NoState("not an object");
        }
        restoreInto(parsed, scratch);
    } catch (const NoState&) {
        return false;
    } catch (const Json::exception&) {
        return false;
    }
    copySheet(scratch, sheet);
    sheet.zoom = scratch.zoom;
    sheet.mechFile = scratch.mechFile;
    sheet.savedMech = scratch.savedMech;
    return true;
}
