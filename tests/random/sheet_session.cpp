#include "random/sheet_session.h"

#include "random/expected_to_hit.h"
#include "random/sheet_controls.h"
#include "random/sheet_number.h"
#include "weapons/weapon_catalogue.h"

#include <initializer_list>
#include <utility>
#include <vector>

namespace random_test {

// What one action left wrong, line by line.
class Findings {
public:
    void expect(bool holds, const std::string& what) {
        if (!holds) {
            text_ += "  " + what + "\n";
        }
    }
    void expectValue(const ControlReading& reading, const std::string& name,
                     const std::string& expected) {
        const std::string& actual = reading[name];
        expect(actual == expected, name + " is \"" + shortened(actual) + "\", expected \"" +
                                       shortened(expected) + "\"");
    }
    // Nothing but the named controls changed; a name ending in "*" covers every name that
    // begins with the rest.
    void expectOnlyChanged(const ControlReading& before, const ControlReading& after,
                           const std::vector<std::string>& allowed) {
        for (const std::string& name : before.differences(after)) {
            expect(covered(name, allowed), name + " changed from \"" + shortened(before[name]) +
                                               "\" to \"" + shortened(after[name]) + "\"");
        }
    }
    const std::string& text() const { return text_; }

private:
    static bool covered(const std::string& name, const std::vector<std::string>& allowed) {
        for (const std::string& pattern : allowed) {
            if (!pattern.empty() && pattern.back() == '*'
                    ? name.starts_with(std::string_view(pattern).substr(0, pattern.size() - 1))
                    : name == pattern) {
                return true;
            }
        }
        return false;
    }
    static std::string shortened(const std::string& text) {
        return text.size() <= 80 ? text : text.substr(0, 80) + "...";
    }

    std::string text_;
};

namespace {

const char* const NoGunneryMessage = "Please Enter Pilot's Gunnery Skill. Click [Edit Mech].";
const char* const NoRangeMessage = "Please enter range to target";

std::string rowName(const char* name, int row) {
    return std::string(name) + "[" + std::to_string(row) + "]";
}

std::string flipped(const std::string& value) {
    return value == "1" ? "0" : "1";
}

// The group of option buttons a button belongs to, by name.
std::vector<std::string> groupOf(const std::string& name) {
    auto names = [](const auto& group) {
        std::vector<std::string> all;
        for (const NamedOption& option : group) {
            all.emplace_back(option.name);
        }
        return all;
    };
    for (const auto& group : {names(ATTACKER_MOVES), names(HEAT_LEVELS), names(TARGET_MOVES),
                              names(TARGET_POSITIONS), names(TECHNOLOGY_BASES)}) {
        for (const std::string& member : group) {
            if (member == name) {
                return group;
            }
        }
    }
    return {};
}

std::vector<std::pair<const char*, std::int16_t>> fieldsOf(const SituationModifiers& m) {
    return {{"aMoveMod", m.aMoveMod},
            {"aProneMod", m.aProneMod},
            {"aWaterMod", m.aWaterMod},
            {"dmgSensorMod", m.dmgSensorMod},
            {"dmgShoulder1Mod", m.dmgShoulder1Mod},
            {"dmgUpperAct1Mod", m.dmgUpperAct1Mod},
            {"dmgLowerAct1Mod", m.dmgLowerAct1Mod},
            {"dmgShoulder2Mod", m.dmgShoulder2Mod},
            {"dmgUpperAct2Mod", m.dmgUpperAct2Mod},
            {"dmgLowerAct2Mod", m.dmgLowerAct2Mod},
            {"aHeatMod", m.aHeatMod},
            {"tMoveMod", m.tMoveMod},
            {"tJumpMod", m.tJumpMod},
            {"tHeavyWoodsMod", m.tHeavyWoodsMod},
            {"tLightWoodsMod", m.tLightWoodsMod},
            {"tImmobileMod", m.tImmobileMod},
            {"tPartialMod", m.tPartialMod},
            {"tProneMod", m.tProneMod},
            {"clusterMunitions", m.clusterMunitions},
            {"tWaterMod", m.tWaterMod}};
}

// The text a woods box must hold after the user typed the text into it.
std::string woodsAfterTyping(const std::string& typed, int limit) {
    std::optional<double> count = sheetNumber(typed);
    return count && (*count < 0 || *count > limit) ? "0" : typed;
}

void checkWoods(const ControlReading& reading, const char* name, int limit, Findings& findings) {
    std::optional<double> count = sheetNumber(reading[name]);
    findings.expect(!count || (*count >= 0 && *count <= limit),
                    std::string(name) + " holds \"" + reading[name] + "\", beyond 0.." +
                        std::to_string(limit));
}

} // namespace

SheetSession::Outside SheetSession::outside() const {
    return {fake_.messageBox.shown.size(), fake_.clipboard.text, fake_.clipboard.calls,
            fake_.windows.sheetsOpened};
}

std::string SheetSession::perform(const UserAction& action) {
    const ControlReading before(sheet_);
    const Outside was = outside();
    fake_.clipboard.failing = action.clipboardFails;
    action.perform(sheet_);
    fake_.clipboard.failing = false;
    record(action, before);
    const ControlReading after(sheet_);

    Findings findings;
    checkAction(action, before, after, was, findings);
    checkInvariants(after, findings);
    if (++performed_ % 256 == 0) {
        checkOtherSheet(findings);
    }
    return findings.text();
}

std::string SheetSession::finish() const {
    Findings findings;
    checkOtherSheet(findings);
    return findings.text();
}

// What only the order of events decides, and the invariants therefore cannot read from the
// controls alone.
void SheetSession::record(const UserAction& action, const ControlReading& before) {
    using Kind = UserAction::Kind;
    if (action.kind == Kind::MoveSlider &&
        std::to_string(sheet_.Slider1.position()) != before["Slider1"]) {
        history_.sliderMoved = true;
    }
    if (action.kind == Kind::TypeText && action.control < 2 &&
        action.text != before[TEXTS[action.control].name]) {
        history_.namesChanged = true;
    }
    if (action.kind != Kind::ClickBox) {
        return;
    }
    const std::string name = BOXES[action.control].name;
    if (name == "tAdjHex0" && !history_.sliderMoved) {
        history_.adjacencyClicked = true;
    }
    const std::pair<const char*, std::size_t> actuators[] = {
        {"dmgUpperAct1", 0}, {"dmgLowerAct1", 1}, {"dmgUpperAct2", 2}, {"dmgLowerAct2", 3}};
    for (const auto& [box, index] : actuators) {
        if (name == box) {
            history_.actuatorOverridden[index] = false;
        }
    }
    if (name == "dmgShoulder1") {
        const bool hit = sheet_.dmgShoulder1.value() != 0;
        history_.actuatorOverridden[0] = history_.actuatorOverridden[1] = hit;
    }
    if (name == "dmgShoulder2") {
        const bool hit = sheet_.dmgShoulder2.value() != 0;
        history_.actuatorOverridden[2] = history_.actuatorOverridden[3] = hit;
    }
}

void SheetSession::checkAction(const UserAction& action, const ControlReading& before,
                               const ControlReading& after, const Outside& was,
                               Findings& findings) const {
    using Kind = UserAction::Kind;
    const bool calculate = action.kind == Kind::ClickCommand && action.control == Calculate;
    const bool copy = action.kind == Kind::ClickCommand && action.control == Copy;
    const bool newMech = action.kind == Kind::ClickCommand && action.control == NewMech;
    const Outside now = outside();
    if (!calculate) {
        findings.expect(now.messages == was.messages, "a message was shown");
    }
    if (!copy) {
        findings.expect(now.clipboardCalls == was.clipboardCalls, "the clipboard was written");
    }
    findings.expect(now.sheetsOpened == was.sheetsOpened + (newMech ? 1 : 0),
                    "sheets opened: " + std::to_string(now.sheetsOpened - was.sheetsOpened));
    switch (action.kind) {
    case Kind::ClickBox:
    case Kind::ClickFireBox:
        checkClick(action, before, after, findings);
        break;
    case Kind::ClickOption:
        checkOption(action, before, after, findings);
        break;
    case Kind::ClickCommand:
        checkCommand(action, before, after, was, findings);
        break;
    case Kind::MoveSlider:
        findings.expectOnlyChanged(before, after,
                                   {"Slider1", "range1", "tAdjHex0", "situation.tProneMod"});
        findings.expectValue(after, "Slider1", std::to_string(action.value));
        break;
    case Kind::TypeText:
    case Kind::TypeRowText:
    case Kind::TypeList:
        checkTyping(action, before, after, findings);
        break;
    case Kind::PickList:
    case Kind::PickRowList:
        checkPick(action, before, after, findings);
        break;
    }
}

void SheetSession::checkClick(const UserAction& action, const ControlReading& before,
                              const ControlReading& after, Findings& findings) const {
    if (action.kind == UserAction::Kind::ClickFireBox) {
        const std::string name = rowName("fireCheck", action.row);
        findings.expectOnlyChanged(before, after, {name});
        findings.expectValue(after, name, flipped(before[name]));
        return;
    }
    const std::string name = BOXES[action.control].name;
    std::vector<std::string> allowed = {name, "situation.*"};
    if (name == "tAdjHex0") {
        findings.expectOnlyChanged(before, after, allowed);
        return; // its value is an invariant
    }
    findings.expectValue(after, name, flipped(before[name]));
    if (name == "Check1") {
        allowed.emplace_back("fireCheck[*");
        for (int row = 0; row < WEAPON_ROWS; ++row) {
            const bool tick = after["Check1"] != "0" && !after[rowName("minRange", row)].empty();
            findings.expectValue(after, rowName("fireCheck", row), tick ? "1" : "0");
        }
    }
    if (name == "dmgShoulder1" || name == "dmgShoulder2") {
        const std::string arm = name.substr(name.size() - 1);
        const std::string actuatorValue = after[name] == "0" ? "0" : "2";
        for (const std::string& actuator : {"dmgUpperAct" + arm, "dmgLowerAct" + arm}) {
            allowed.push_back(actuator);
            findings.expectValue(after, actuator, actuatorValue);
        }
    }
    findings.expectOnlyChanged(before, after, allowed);
}

void SheetSession::checkOption(const UserAction& action, const ControlReading& before,
                               const ControlReading& after, Findings& findings) const {
    const std::string name = OPTIONS[action.control].name;
    std::vector<std::string> allowed = groupOf(name);
    allowed.emplace_back("situation.*");
    findings.expectValue(after, name, "1");
    if (name == "tWater0" && before[name] == "0") {
        allowed.emplace_back("tPartial0");
        findings.expectValue(after, "tPartial0", "1");
    }
    if (name == "Option1" || name == "Option2") {
        allowed.emplace_back("techBase");
    }
    findings.expectOnlyChanged(before, after, allowed);
}

void SheetSession::checkTyping(const UserAction& action, const ControlReading& before,
                               const ControlReading& after, Findings& findings) const {
    using Kind = UserAction::Kind;
    std::string name;
    bool takesTyping = false;
    std::string expected = action.text;
    if (action.kind == Kind::TypeText) {
        name = TEXTS[action.control].name;
        takesTyping = action.control < TYPED_TEXTS;
    } else if (action.kind == Kind::TypeRowText) {
        name = rowName(ROW_TEXTS[action.control].name, action.row);
        takesTyping = action.control < TYPED_ROW_TEXTS;
    } else {
        name = LISTS[action.control].name;
        takesTyping = action.control == LightWoods || action.control == HeavyWoods;
        expected = woodsAfterTyping(action.text, action.control == LightWoods ? 3 : 2);
    }
    if (!takesTyping) {
        findings.expectOnlyChanged(before, after, {});
        return;
    }
    findings.expectValue(after, name, expected);
    findings.expectOnlyChanged(before, after, {name, "title"});
}

void SheetSession::checkPick(const UserAction& action, const ControlReading& before,
                             const ControlReading& after, Findings& findings) const {
    const ComboBox& list = action.kind == UserAction::Kind::PickList
                               ? sheet_.*LISTS[action.control].list
                               : (sheet_.*ROW_LISTS[action.control].column)[action.row];
    const std::string name = action.kind == UserAction::Kind::PickList
                                 ? std::string(LISTS[action.control].name)
                                 : rowName(ROW_LISTS[action.control].name, action.row);
    const bool picks = list.enabled() && action.value < static_cast<int>(list.items().size());
    if (!picks) {
        findings.expectOnlyChanged(before, after, {});
        return;
    }
    findings.expectValue(after, name, list.items()[static_cast<std::size_t>(action.value)]);
    if (action.kind == UserAction::Kind::PickList) {
        findings.expectOnlyChanged(before, after, {name, "gunSkillText"});
    } else if (action.control == WeaponLocation) {
        findings.expectOnlyChanged(before, after, {name});
    } else {
        findings.expectOnlyChanged(
            before, after,
            {name, "minRange[*", "sRange[*", "mRange[*", "lRange[*", "Damage[*", "weapHeat[*"});
        checkWeaponRows(before, after, findings);
    }
}

// Every row holding a weapon shows its catalogue figures under the technology base; the
// other rows are as they were.
void SheetSession::checkWeaponRows(const ControlReading& before, const ControlReading& after,
                                   Findings& findings) const {
    const char* const fields[] = {"minRange", "sRange", "mRange", "lRange", "Damage", "weapHeat"};
    for (int row = 0; row < WEAPON_ROWS; ++row) {
        const std::string& weapon = after[rowName("weapName", row)];
        if (weapon.empty()) {
            for (const char* field : fields) {
                findings.expectValue(after, rowName(field, row), before[rowName(field, row)]);
            }
            continue;
        }
        std::optional<WeaponEntry> entry = findWeapon(weapon, sheet_.techBase);
        findings.expect(entry.has_value(), "no catalogue entry for " + weapon);
        if (!entry) {
            continue;
        }
        findings.expectValue(after, rowName("minRange", row), std::to_string(entry->minRange));
        findings.expectValue(after, rowName("sRange", row), std::to_string(entry->sRange));
        findings.expectValue(after, rowName("mRange", row), std::to_string(entry->mRange));
        findings.expectValue(after, rowName("lRange", row), std::to_string(entry->lRange));
        findings.expectValue(after, rowName("Damage", row), std::string(entry->damage));
        findings.expectValue(after, rowName("weapHeat", row), std::to_string(entry->heat));
    }
}

void SheetSession::checkCommand(const UserAction& action, const ControlReading& before,
                                const ControlReading& after, const Outside& was,
                                Findings& findings) const {
    switch (action.control) {
    case Calculate:
        checkCalculate(before, after, was, findings);
        break;
    case Copy:
        findings.expectOnlyChanged(before, after, {});
        findings.expect(fake_.clipboard.calls == was.clipboardCalls + 1,
                        "Copy wrote the clipboard " +
                            std::to_string(fake_.clipboard.calls - was.clipboardCalls) + " times");
        findings.expect(fake_.clipboard.text == (action.clipboardFails
                                                     ? was.clipboard
                                                     : std::optional<std::string>(after["Text13"])),
                        "the clipboard does not hold what it should");
        break;
    case Clear:
        checkClear(before, after, findings);
        break;
    case Declare: {
        std::string declaration;
        for (int row = 0; row < WEAPON_ROWS; ++row) {
            if (after[rowName("fireCheck", row)] == "1") {
                declaration +=
                    "  " + after[rowName("weapName", row)] + "@" + after[rowName("toHit", row)];
            }
        }
        findings.expectValue(after, "Text13", declaration);
        findings.expectOnlyChanged(before, after, {"Text13"});
        break;
    }
    case Done:
        findings.expectValue(after, "Setup.visible", "0");
        findings.expectValue(after, "Frame1.visible", "1");
        findings.expectValue(after, "gunSkillText", after["gunSkill"]);
        findings.expectOnlyChanged(before, after,
                                   {"Setup.visible", "Frame1.visible", "gunSkillText"});
        break;
    case EditMech:
        findings.expectValue(after, "Setup.visible", "1");
        findings.expectValue(after, "Frame1.visible", "0");
        findings.expectOnlyChanged(before, after, {"Setup.visible", "Frame1.visible"});
        break;
    default: // New Mech, Contents and About leave this sheet as it is
        findings.expectOnlyChanged(before, after, {});
        break;
    }
}

void SheetSession::checkCalculate(const ControlReading& before, const ControlReading& after,
                                  const Outside& was, Findings& findings) const {
    const std::size_t messages = fake_.messageBox.shown.size() - was.messages;
    auto expectOneMessage = [&](const char* text) {
        findings.expect(messages == 1, std::to_string(messages) + " messages instead of one");
        if (messages == 1 && text != nullptr) {
            findings.expect(fake_.messageBox.shown.back() == text,
                            "message \"" + fake_.messageBox.shown.back() + "\"");
        }
        findings.expectOnlyChanged(before, after, {});
    };
    if (before["gunSkill"].empty()) {
        expectOneMessage(NoGunneryMessage);
        return;
    }
    if (before["range1"].empty()) {
        expectOneMessage(NoRangeMessage);
        return;
    }
    const SituationModifiers m = expectedModifiers(sheet_, history_);
    std::vector<ExpectedRow> rows;
    bool unreadable = false;
    for (int row = 0; row < WEAPON_ROWS; ++row) {
        rows.push_back(expectedToHit(sheet_, m, row));
        unreadable = unreadable || rows.back().kind == ExpectedRow::Kind::Unreadable;
    }
    if (unreadable) {
        expectOneMessage(nullptr);
        return;
    }
    findings.expect(messages == 0, std::to_string(messages) + " messages after Calculate");
    for (int row = 0; row < WEAPON_ROWS; ++row) {
        findings.expectValue(after, rowName("toHit", row), rows[row].text);
        if (rows[row].kind != ExpectedRow::Kind::Empty) {
            findings.expectValue(after, rowName("calculation.weapArmMod", row),
                                 std::to_string(rows[row].armMod));
            findings.expectValue(after, rowName("calculation.weapRangeMod", row),
                                 std::to_string(rows[row].rangeMod));
        }
    }
    findings.expectValue(after, "Text12", expectedHeatText(sheet_));
    findings.expectOnlyChanged(before, after, {"toHit[*", "Text12", "calculation.*"});
}

// The results and ticks emptied, the conditions of the moment back at their opening values;
// the Mech, its weapons, its damage and the range as they were.
void SheetSession::checkClear(const ControlReading& before, const ControlReading& after,
                              Findings& findings) const {
    std::vector<std::pair<std::string, std::string>> cleared = {
        {"Text13", ""},     {"Text12", ""},   {"Check1", "0"},     {"aMove1", "1"},
        {"aMove2", "0"},    {"aMove3", "0"},  {"aMove4", "0"},     {"aHeat0", "1"},
        {"aHeat1", "0"},    {"aHeat2", "0"},  {"aHeat3", "0"},     {"aHeat4", "0"},
        {"aProne1", "0"},   {"aWater1", "0"}, {"tMove0", "1"},     {"tMove1", "0"},
        {"tMove2", "0"},    {"tMove3", "0"},  {"tMove4", "0"},     {"tJump0", "0"},
        {"tPartial0", "0"}, {"tProne0", "0"}, {"tImmobile0", "0"}, {"tOpenHex0", "1"},
        {"tLW0", "0"},      {"tHW0", "0"},    {"tWater0", "0"},    {"hexLW", "0"},
        {"hexHW", "0"}};
    for (int row = 0; row < WEAPON_ROWS; ++row) {
        cleared.emplace_back(rowName("toHit", row), "");
        cleared.emplace_back(rowName("fireCheck", row), "0");
    }
    std::vector<std::string> allowed;
    for (const auto& [name, value] : cleared) {
        findings.expectValue(after, name, value);
        allowed.push_back(name);
    }
    for (const char* field :
         {"aMoveMod", "aHeatMod", "aProneMod", "aWaterMod", "tMoveMod", "tJumpMod", "tPartialMod",
          "tProneMod", "tImmobileMod", "tHeavyWoodsMod", "tLightWoodsMod", "tWaterMod"}) {
        allowed.push_back(std::string("situation.") + field);
    }
    findings.expectOnlyChanged(before, after, allowed);
}

void SheetSession::checkInvariants(const ControlReading& after, Findings& findings) const {
    for (const auto& [field, value] : fieldsOf(expectedModifiers(sheet_, history_))) {
        findings.expectValue(after, std::string("situation.") + field, std::to_string(value));
    }
    findings.expectValue(after, "range1", expectedRangeText(sheet_, history_));
    findings.expectValue(after, "tAdjHex0", std::to_string(expectedAdjacency(sheet_, history_)));
    findings.expectValue(after, "title", expectedTitle(sheet_, history_));
    checkWoods(after, "hexLW", 3, findings);
    checkWoods(after, "hexHW", 2, findings);
    findings.expectValue(after, "techBase", after["Option1"] == "1" ? "1" : "2");
    findings.expect(after["Setup.visible"] != after["Frame1.visible"],
                    "setup panel and target panel both " +
                        std::string(after["Setup.visible"] == "1" ? "shown" : "hidden"));
    for (const auto& group :
         {std::vector<NamedOption>(ATTACKER_MOVES.begin(), ATTACKER_MOVES.end()),
          std::vector<NamedOption>(HEAT_LEVELS.begin(), HEAT_LEVELS.end()),
          std::vector<NamedOption>(TARGET_MOVES.begin(), TARGET_MOVES.end()),
          std::vector<NamedOption>(TARGET_POSITIONS.begin(), TARGET_POSITIONS.end()),
          std::vector<NamedOption>(TECHNOLOGY_BASES.begin(), TECHNOLOGY_BASES.end())}) {
        int selected = 0;
        for (const NamedOption& option : group) {
            selected += after[option.name] == "1" ? 1 : 0;
        }
        findings.expect(selected == 1, std::to_string(selected) +
                                           " buttons selected in the group of " +
                                           group.front().name);
    }
}

// The sheet nobody touched is still the sheet it opened as, and the same as a new one.
void SheetSession::checkOtherSheet(Findings& findings) const {
    const ControlReading now(other_);
    for (const std::string& name : otherAtStart_.differences(now)) {
        findings.expect(false,
                        "the untouched sheet's " + name + " changed to \"" + now[name] + "\"");
    }
    FakePlatform freshPlatform;
    const CombatSheet fresh(freshPlatform.services);
    findings.expect(now == ControlReading(fresh), "the untouched sheet differs from a new sheet");
}

} // namespace random_test
