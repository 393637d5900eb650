#include "random/control_reading.h"

#include "app/combat_sheet.h"
#include "random/sheet_controls.h"

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <unordered_map>

namespace random_test {

namespace {

using Getter = std::function<std::string(const CombatSheet&)>;

struct Entry {
    std::string name;
    Getter read;
};

std::string indexed(const char* name, int row) {
    return std::string(name) + "[" + std::to_string(row) + "]";
}

void addControls(std::vector<Entry>& table) {
    table.push_back({"title", [](const CombatSheet& s) { return s.title(); }});
    table.push_back(
        {"Setup.visible", [](const CombatSheet& s) { return std::to_string(s.Setup.visible()); }});
    table.push_back({"Frame1.visible",
                     [](const CombatSheet& s) { return std::to_string(s.Frame1.visible()); }});
    table.push_back({"techBase", [](const CombatSheet& s) { return std::to_string(s.techBase); }});
    table.push_back(
        {"Slider1", [](const CombatSheet& s) { return std::to_string(s.Slider1.position()); }});
    for (const NamedBox& box : BOXES) {
        auto member = box.box;
        table.push_back({box.name, [member](const CombatSheet& s) {
                             return std::to_string((s.*member).value());
                         }});
    }
    for (const NamedOption& option : OPTIONS) {
        auto member = option.button;
        table.push_back({option.name, [member](const CombatSheet& s) {
                             return std::string((s.*member).selected() ? "1" : "0");
                         }});
    }
    for (const NamedText& text : TEXTS) {
        auto member = text.box;
        table.push_back({text.name, [member](const CombatSheet& s) { return (s.*member).text(); }});
    }
    for (const NamedList& list : LISTS) {
        auto member = list.list;
        table.push_back({list.name, [member](const CombatSheet& s) { return (s.*member).text(); }});
    }
}

void addRows(std::vector<Entry>& table) {
    for (int row = 0; row < WEAPON_ROWS; ++row) {
        for (const NamedRowList& list : ROW_LISTS) {
            auto column = list.column;
            table.push_back({indexed(list.name, row), [column, row](const CombatSheet& s) {
                                 return (s.*column)[row].text();
                             }});
        }
        for (const NamedRowText& text : ROW_TEXTS) {
            auto column = text.column;
            table.push_back({indexed(text.name, row), [column, row](const CombatSheet& s) {
                                 return (s.*column)[row].text();
                             }});
        }
        table.push_back({indexed("fireCheck", row), [row](const CombatSheet& s) {
                             return std::to_string(s.fireCheck[row].value());
                         }});
        table.push_back({indexed("weapHeat", row),
                         [row](const CombatSheet& s) { return std::to_string(s.weapHeat[row]); }});
    }
}

void addField(std::vector<Entry>& table, const char* name,
              std::int16_t SituationModifiers::*field) {
    table.push_back({std::string("situation.") + name,
                     [field](const CombatSheet& s) { return std::to_string(s.situation.*field); }});
}

void addSituation(std::vector<Entry>& table) {
    addField(table, "aMoveMod", &SituationModifiers::aMoveMod);
    addField(table, "aProneMod", &SituationModifiers::aProneMod);
    addField(table, "aWaterMod", &SituationModifiers::aWaterMod);
    addField(table, "dmgSensorMod", &SituationModifiers::dmgSensorMod);
    addField(table, "dmgShoulder1Mod", &SituationModifiers::dmgShoulder1Mod);
    addField(table, "dmgUpperAct1Mod", &SituationModifiers::dmgUpperAct1Mod);
    addField(table, "dmgLowerAct1Mod", &SituationModifiers::dmgLowerAct1Mod);
    addField(table, "dmgShoulder2Mod", &SituationModifiers::dmgShoulder2Mod);
    addField(table, "dmgUpperAct2Mod", &SituationModifiers::dmgUpperAct2Mod);
    addField(table, "dmgLowerAct2Mod", &SituationModifiers::dmgLowerAct2Mod);
    addField(table, "aHeatMod", &SituationModifiers::aHeatMod);
    addField(table, "tMoveMod", &SituationModifiers::tMoveMod);
    addField(table, "tJumpMod", &SituationModifiers::tJumpMod);
    addField(table, "tHeavyWoodsMod", &SituationModifiers::tHeavyWoodsMod);
    addField(table, "tLightWoodsMod", &SituationModifiers::tLightWoodsMod);
    addField(table, "tImmobileMod", &SituationModifiers::tImmobileMod);
    addField(table, "tPartialMod", &SituationModifiers::tPartialMod);
    addField(table, "tProneMod", &SituationModifiers::tProneMod);
    addField(table, "clusterMunitions", &SituationModifiers::clusterMunitions);
    addField(table, "tWaterMod", &SituationModifiers::tWaterMod);
}

void addCalculation(std::vector<Entry>& table) {
    for (int row = 0; row < WEAPON_ROWS; ++row) {
        table.push_back({indexed("calculation.weapArmMod", row), [row](const CombatSheet& s) {
                             return std::to_string(s.calculation.weapArmMod[row]);
                         }});
        table.push_back({indexed("calculation.weapRangeMod", row), [row](const CombatSheet& s) {
                             return std::to_string(s.calculation.weapRangeMod[row]);
                         }});
    }
    table.push_back({"calculation.clusterMod", [](const CombatSheet& s) {
                         return std::to_string(s.calculation.clusterMod);
                     }});
    table.push_back({"calculation.pulseMod",
                     [](const CombatSheet& s) { return std::to_string(s.calculation.pulseMod); }});
    table.push_back({"calculation.heatTotal",
                     [](const CombatSheet& s) { return std::to_string(s.calculation.heatTotal); }});
}

const std::vector<Entry>& entries() {
    static const std::vector<Entry> table = [] {
        std::vector<Entry> built;
        addControls(built);
        addRows(built);
        addSituation(built);
        addCalculation(built);
        return built;
    }();
    return table;
}

const std::unordered_map<std::string_view, std::size_t>& positions() {
    static const std::unordered_map<std::string_view, std::size_t> byName = [] {
        std::unordered_map<std::string_view, std::size_t> built;
        for (std::size_t i = 0; i < entries().size(); ++i) {
            built.emplace(entries()[i].name, i);
        }
        return built;
    }();
    return byName;
}

} // namespace

ControlReading::ControlReading(const CombatSheet& sheet) {
    values_.reserve(entries().size());
    for (const Entry& entry : entries()) {
        values_.push_back(entry.read(sheet));
    }
}

const std::string& ControlReading::operator[](std::string_view name) const {
    auto found = positions().find(name);
    if (found == positions().end()) {
        throw std::invalid_argument("no control named " + std::string(name));
    }
    return values_[found->second];
}

std::vector<std::string> ControlReading::differences(const ControlReading& other) const {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < values_.size(); ++i) {
        if (values_[i] != other.values_[i]) {
            names.push_back(entries()[i].name);
        }
    }
    return names;
}

} // namespace random_test
