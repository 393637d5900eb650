#include "support/fresh_sheet.h"

#include <algorithm>
#include <sstream>
#include <stdexcept>

namespace {

template <typename... Ts> struct Overloaded : Ts... { using Ts::operator()...; };
template <typename... Ts> Overloaded(Ts...) -> Overloaded<Ts...>;

// "weapName(3)" is the column "weapName", row 3.
std::pair<std::string, int> splitName(const std::string& name) {
    const auto open = name.find('(');
    return open == std::string::npos
               ? std::pair(name, -1)
               : std::pair(name.substr(0, open), std::stoi(name.substr(open + 1)));
}

const ControlRef& refNamed(const std::string& name) {
    if (const NamedControl* control = controlNamed(name)) {
        return control->ref;
    }
    throw std::invalid_argument("no control " + name);
}

void pickOrType(ComboBox& list, const std::string& text) {
    const auto& items = list.items();
    const auto found = std::find(items.begin(), items.end(), text);
    if (found == items.end()) {
        list.userType(text);
    } else {
        list.userPick(static_cast<int>(found - items.begin()));
    }
}

void actOnce(CombatSheet& sheet, std::string word) {
    std::replace(word.begin(), word.end(), '_', ' ');
    const auto equals = word.find('=');
    const std::string value = equals == std::string::npos ? "" : word.substr(equals + 1);
    const auto [name, row] = splitName(word.substr(0, equals));
    visitControl(sheet, refNamed(name), row,
                 Overloaded{
                     [](Panel&) { throw std::invalid_argument("a panel takes no action"); },
                     [&](TextBox& box) { box.userType(value); },
                     [&](ComboBox& list) { pickOrType(list, value); },
                     [&](Slider& slider) { slider.userMove(std::stoi(value)); },
                     [](auto& clickable) { clickable.userClick(); },
                 });
}

} // namespace

void act(CombatSheet& sheet, const std::string& script) {
    std::istringstream words(script);
    for (std::string word; words >> word;) {
        actOnce(sheet, word);
    }
}

std::string snapshot(const CombatSheet& sheet) {
    std::ostringstream out;
    auto show = [&out](const std::string& name, const auto& control) {
        out << name << (control.visible() ? "" : " hidden")
            << (control.enabled() ? "" : " disabled") << " = "
            << Overloaded{
                   [](const CheckBox& box) {
                       return std::to_string(static_cast<int>(box.value()));
                   },
                   [](const OptionButton& option) { return std::to_string(option.selected()); },
                   [](const TextBox& box) { return box.text() + " | " + box.toolTip(); },
                   [](const ComboBox& list) { return list.text(); },
                   [](const Slider& slider) { return std::to_string(slider.position()); },
                   [](const Control&) { return std::string(); },
               }(control)
            << "\n";
    };
    forEachControl([&](const ControlRef& ref, int row, const std::string& name) {
        visitControl(sheet, ref, row, [&](const auto& control) { show(name, control); });
    });
    for (const ModifierField& modifier : MODIFIER_FIELDS) {
        out << modifier.name << " " << sheet.situation.*modifier.field << "\n";
    }
    out << "heat";
    for (int heat : sheet.weapHeat) {
        out << " " << heat;
    }
    out << "\nfamily";
    for (WeaponFamily family : sheet.weapFamily) {
        out << " " << static_cast<int>(family);
    }
    out << "\ntechBase " << static_cast<int>(sheet.techBase) << "\nfiresClusterMunitions "
        << sheet.firesClusterMunitions << "\ntitle " << sheet.title() << "\nmechFile "
        << sheet.mechFile << "\nresults "
        << static_cast<int>(sheet.resultsAge.numbers(sheet.resultInputs())) << " "
        << static_cast<int>(sheet.resultsAge.declaration(sheet.resultInputs()));
    return out.str();
}
