// Randomized whole-sheet test: a random user, drawn from a seed, clicks every box (grayed
// actuators and "Adjacent Hex" included) and option button, moves the slider, types numbers,
// junk, long and non-ASCII text into every box, picks from every list and presses every
// command. After every action the sheet is checked against the test's own reading of its
// controls, and what the action must not touch is checked unchanged.
//
// Every seed below runs 6000 actions by default (24000 in all). On request:
//   VEXOLAN_RANDOM_ACTIONS=1000000   actions per seed
//   VEXOLAN_RANDOM_SEED=12345        run this seed instead of the four below
//   e.g. VEXOLAN_RANDOM_SEED=7 VEXOLAN_RANDOM_ACTIONS=1000000 build/bin/model_tests
//        --gtest_filter='*RandomSheet*'
// A failing run reports its seed and the shortest prefix of its actions that still fails.

#include "app/combat_sheet.h"
#include "fakes/fake_platform.h"
#include "random/sheet_number.h"
#include "weapons/weapon_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <map>
#include <numeric>
#include <random>

namespace random_test {
namespace {

template <typename T> struct Named {
    const char* name;
    T CombatSheet::*member;
    int group = 0;
};
#define VX(n, ...)                                                                                 \
    { #n, &CombatSheet::n __VA_OPT__(, ) __VA_ARGS__ }
const std::array<Named<CheckBox>, 21> BOXES = {{
    VX(aProne1),      VX(aWater1),      VX(dmgSensor1),   VX(dmgShoulder1), VX(dmgUpperAct1),
    VX(dmgLowerAct1), VX(dmgShoulder2), VX(dmgUpperAct2), VX(dmgLowerAct2), VX(tJump0),
    VX(tPartial0),    VX(tProne0),      VX(tAdjHex0),     VX(tImmobile0),   VX(Check1),
    VX(Check2),       VX(Check3),       VX(Check4),       VX(Check5),       VX(Check6),
    VX(Check7),
}};
// Group by group: attacker movement, heat, target movement, target position, technology base.
const std::array<Named<OptionButton>, 20> OPTIONS = {{
    VX(aMove1, 0), VX(aMove2, 0), VX(aMove3, 0),  VX(aMove4, 0),  VX(aHeat0, 1),
    VX(aHeat1, 1), VX(aHeat2, 1), VX(aHeat3, 1),  VX(aHeat4, 1),  VX(tMove0, 2),
    VX(tMove1, 2), VX(tMove2, 2), VX(tMove3, 2),  VX(tMove4, 2),  VX(tOpenHex0, 3),
    VX(tLW0, 3),   VX(tHW0, 3),   VX(tWater0, 3), VX(Option1, 4), VX(Option2, 4),
}};
enum { Calculate, Copy, Clear, Declare, Done, NewMech, EditMech };
const std::array<Named<Command>, 9> COMMANDS = {{VX(Command1), VX(Command2), VX(Command3),
                                                 VX(Command4), VX(Command5), VX(mnuNew),
                                                 VX(mnuEdit), VX(mnuHelp), VX(mnuAbout)}};
// The first three take typing; the others are read-only or disabled.
const std::array<Named<TextBox>, 6> TEXTS = {
    {VX(mechName), VX(pilotName), VX(Text13), VX(range1), VX(gunSkillText), VX(Text12)}};
// The first four take typing.
const std::array<Named<RowArray<TextBox>>, 6> ROW_TEXTS = {
    {VX(minRange), VX(sRange), VX(mRange), VX(lRange), VX(Damage), VX(toHit)}};
// The woods boxes take typing; the others are pick-only, "tFacing" disabled.
const std::array<Named<ComboBox>, 5> LISTS = {
    {VX(hexLW), VX(hexHW), VX(gunSkill), VX(pilotSkill), VX(tFacing)}};
const std::array<Named<RowArray<ComboBox>>, 2> ROW_LISTS = {{VX(weapName), VX(weapLoc)}};
#undef VX

const auto str = [](long long v) { return std::to_string(v); };
const auto rowName = [](const char* name, int row) {
    return std::string(name) + "[" + str(row) + "]";
};
std::vector<std::string> split(const std::string& all) {
    std::vector<std::string> parts(1);
    for (char c : all)
        c == '|' ? void(parts.emplace_back()) : parts.back().push_back(c);
    return parts;
}

// Texts a user types by mistake or on purpose, split at '|'.
const std::vector<std::string> ODD =
    split(".5|2.|-0|+1| 2|3 |\t1|1e2|0x1|1,5|--1|1..2| ||\n1|2.5|"
          "-32768|32767|32768|-|1 2|٣|abc|1a|nan|inf|１|Ärger|🙂|"
          "\xC2\xA0"
          "1|½|1/missle|varies|Out of Range");
const std::vector<std::string> NAMES = split("Atlas|Zoë|Marauder II|日本|Pilot |A:B|🙂|");

// Every value of the sheet as text, under names like "toHit[3]" or "situation.aMoveMod".
using Reading = std::map<std::string, std::string>;
// The twenty modifier fields in their order, as one text.
std::string modifiersText(const SituationModifiers& m) {
    std::int16_t fields[20];
    static_assert(sizeof fields == sizeof m);
    std::memcpy(fields, &m, sizeof m);
    return std::accumulate(fields, fields + 20, std::string(),
                           [](std::string t, int f) { return t + str(f) + " "; });
}
Reading readSheet(const CombatSheet& s) {
    Reading r = {{"Slider1", str(s.Slider1.position())}, {"title", s.title()}};
    auto each = [&](const auto& table, auto read) {
        for (const auto& c : table)
            r[c.name] = read(s.*c.member);
    };
    each(BOXES, [](const CheckBox& c) { return str(c.value()); });
    each(OPTIONS, [](const OptionButton& c) { return str(c.selected()); });
    each(TEXTS, [](const TextBox& c) { return c.text(); });
    each(LISTS, [](const ComboBox& c) { return c.text(); });
    for (int row = 0; row < WEAPON_ROWS; ++row) {
        for (const auto& l : ROW_LISTS)
            r[rowName(l.name, row)] = (s.*l.member)[row].text();
        for (const auto& t : ROW_TEXTS)
            r[rowName(t.name, row)] = (s.*t.member)[row].text();
        r[rowName("fireCheck", row)] = str(s.fireCheck[row].value());
        r[rowName("weapHeat", row)] = str(s.weapHeat[row]);
    }
    r["situation (aMoveMod .. tWaterMod)"] = modifiersText(s.situation);
    return r;
}

int selectedIn(const CombatSheet& s, int group) {
    int index = -1, before = 0;
    for (const auto& o : OPTIONS)
        index = o.group != group ? index : (s.*o.member).selected() ? before : (++before, index);
    return index;
}

// overridden: per actuator box (1 upper, 1 lower, 2 upper, 2 lower), a shoulder hit cleared
// its field and the box has not been clicked since.
SituationModifiers expectedModifiers(const CombatSheet& s, const std::array<bool, 4>& overridden) {
    auto marked = [](const CheckBox& box, int v) { return std::int16_t(box.value() ? v : 0); };
    auto actuator = [&](const CheckBox& box, int i) { return marked(box, !overridden[i]); };
    const int position = selectedIn(s, 3);
    // In the order of the fields; a parenthesized list, so the shorts narrow silently.
    return SituationModifiers(
        selectedIn(s, 0), marked(s.aProne1, 2), marked(s.aWater1, 1), marked(s.dmgSensor1, 2),
        marked(s.dmgShoulder1, 4), actuator(s.dmgUpperAct1, 0), actuator(s.dmgLowerAct1, 1),
        marked(s.dmgShoulder2, 4), actuator(s.dmgUpperAct2, 2), actuator(s.dmgLowerAct2, 3),
        selectedIn(s, 1), selectedIn(s, 2), marked(s.tJump0, 1), position == 2 ? 2 : 0,
        position == 1, marked(s.tImmobile0, -4), marked(s.tPartial0, 3),
        marked(s.tProne0, s.tAdjHex0.value() == 1 ? -2 : 1), s.Check6.value() == 1,
        position == 3 ? -1 : 0);
}

const auto usable = [](const std::string& text) {
    auto v = random_test::sheetNumber(text);
    return v && std::isfinite(*v) ? v : std::nullopt;
};

// The brackets are compared from the medium end down, each read only when it is reached;
// inside the minimum range the penalty rounds halves to even.
std::optional<int> rangeModifier(const CombatSheet& s, int row, int range) {
    const std::optional<double> ends[] = {
        usable(s.mRange[row].text()), usable(s.sRange[row].text()), usable(s.minRange[row].text())};
    for (int i = 0; i < 3; ++i)
        if (!ends[i] || *ends[i] < range)
            return ends[i] ? std::optional(4 - 2 * i) : std::nullopt;
    auto shown = usable(s.range1.text());
    const double whole = shown ? std::nearbyint(*ends[2] + 1.0 - *shown) : NAN;
    return whole >= -32768.0 && whole <= 32767.0 ? std::optional(int(whole)) : std::nullopt;
}

// toHit[row] after Calculate, or nullopt when a text the row needs is unusable.
std::optional<std::string> expectedToHit(const CombatSheet& s, const SituationModifiers& m,
                                         int row) {
    const std::string& name = s.weapName[row].text();
    const std::string& loc = s.weapLoc[row].text();
    const int arm = loc == "RA"   ? m.dmgShoulder1Mod + m.dmgUpperAct1Mod + m.dmgLowerAct1Mod
                    : loc == "LA" ? m.dmgShoulder2Mod + m.dmgUpperAct2Mod + m.dmgLowerAct2Mod
                                  : 0;
    const int range = s.Slider1.position();
    auto bracket = rangeModifier(s, row, range);
    auto longEnd = usable(s.lRange[row].text());
    if (name.empty() || !bracket || !longEnd)
        return name.empty() ? std::optional<std::string>("") : std::nullopt;
    const int rangeMod = *bracket;
    if (*longEnd < range)
        return "Out of Range";
    auto gunnery = usable(s.gunSkill.text()), light = usable(s.hexLW.text()),
         heavy = usable(s.hexHW.text());
    if (!gunnery || !light || !heavy)
        return std::nullopt;
    const bool cluster = name.find("LB") != std::string::npos && m.clusterMunitions == 1;
    const bool pulse = name.find("PLas") != std::string::npos;
    // Added one by one in this order: with a fraction in a woods box the order shows.
    double sum = *gunnery;
    for (double term :
         {double(rangeMod), cluster ? -1.0 : 0.0, pulse ? -2.0 : 0.0, double(m.aMoveMod),
          double(m.aProneMod), double(m.aWaterMod), double(arm), double(m.dmgSensorMod),
          double(m.aHeatMod), *light, 2.0 * *heavy, double(m.tMoveMod), double(m.tJumpMod),
          double(m.tHeavyWoodsMod), double(m.tLightWoodsMod), double(m.tImmobileMod),
          double(m.tPartialMod), double(m.tProneMod), double(m.tWaterMod)})
        sum += term;
    return std::isfinite(sum) ? std::optional(shownNumber(sum)) : std::nullopt;
}

enum Kind { Box, Fire, Option, Cmd, Slide, Text, RowText, List, PickList, PickRow };
struct Action {
    Kind kind = Cmd;
    int control = 0, row = 0, value = 0;
    std::string text, target; // target: the control's name in a reading
    bool clipboardFails = false;
};

// Actions depend on the seed alone, so any prefix of a run can be replayed.
class RandomUser {
public:
    explicit RandomUser(std::uint64_t seed) : random_(seed) {}
    Action next() {
        Action a;
        const int roll = below(1000), r = below(100), typed[] = {3, 4, 2};
        a.row = below(WEAPON_ROWS);
        if (roll < 330) {
            a.kind = r < 55 ? Box : r < 75 ? Fire : Option;
            a.control = below(a.kind == Box ? int(BOXES.size()) : int(OPTIONS.size()));
        } else if (roll < 520) { // now and then a box or list that must take no typing
            a.kind = r < 30 ? Text : r < 60 ? RowText : List;
            a.control = below(oneIn(8) ? (a.kind == List ? 5 : 6) : typed[a.kind - Text]);
            a.text = oneIn(3) ? str(below(30)) : text(a.kind == Text && a.control < 2);
        } else if (roll < 770) {
            a.kind = r < 65 ? PickRow : PickList;
            a.control = r < 45 ? 0 : r < 65 ? 1 : below(int(LISTS.size()));
            const int sizes[] = {int(WEAPON_CHOICES.size()), 8, 5};
            a.value = below(r < 65 ? sizes[a.control] : a.control == 2 || a.control == 3 ? 13 : 5);
        } else if (roll < 840) {
            a.kind = Slide;
            a.value = below(25);
        } else { // Calculate, Copy, Clear, Declare, Done, New Mech, Edit Mech, Contents, About
            for (int left = below(95), i = 0; i < 9;
                 left -= std::array{40, 12, 8, 16, 8, 2, 5, 2, 2}[i++])
                a.control = left >= 0 ? i : a.control;
            a.clipboardFails = oneIn(4);
        }
        auto nth = [](int i, auto... names) {
            return std::array<const char*, sizeof...(names)>{names...}[std::size_t(i)];
        };
        const char* name =
            nth(a.kind, BOXES[a.control % 21].name, "fireCheck", OPTIONS[a.control % 20].name,
                COMMANDS[a.control % 9].name, "Slider1", TEXTS[a.control % 6].name,
                ROW_TEXTS[a.control % 6].name, LISTS[a.control % 5].name, LISTS[a.control % 5].name,
                ROW_LISTS[a.control % 2].name);
        a.target =
            a.kind == Fire || a.kind == RowText || a.kind == PickRow ? rowName(name, a.row) : name;
        return a;
    }

private:
    int below(int n) { return int(random_() % std::uint64_t(n)); }
    bool oneIn(int n) { return below(n) == 0; }
    // Numbers, junk, names, and texts too long for a double or for any box.
    std::string text(bool name = false) {
        const int r = name ? 3 : below(10);
        std::string t = r == 0   ? str(below(200000) - 100000)
                        : r == 1 ? (oneIn(3) ? "-" : "") + str(below(4)) + "." + str(below(1000))
                        : r == 2 ? str(below(61) - 30)
                        : r == 3 ? NAMES[below(int(NAMES.size()))]
                                 : ODD[below(int(ODD.size()))];
        const std::size_t length = oneIn(15) ? 300 + std::size_t(below(4000)) : 0;
        for (const char* unit = std::array{"9", "é日", "x", "0"}[below(4)]; t.size() < length;)
            t += unit;
        return t;
    }
    std::mt19937_64 random_;
};

// The sheet under test and the checks after each action; each finding is one line.
class Session {
public:
    std::string perform(const Action& a) {
        before_ = readSheet(sheet_);
        const auto messages = fake_.messageBox.shown.size();
        const auto clipboard = fake_.clipboard.text;
        fake_.clipboard.failing = a.clipboardFails;
        act(a);
        fake_.clipboard.failing = false;
        after_ = readSheet(sheet_);
        record(a);
        found_.clear();
        newMessages_ = fake_.messageBox.shown.size() - messages;
        expect(newMessages_ == 0 || isCommand(a, Calculate), "a message was shown");
        expect(!isCommand(a, Copy) ||
                   fake_.clipboard.text == (a.clipboardFails ? clipboard : after_["Text13"]),
               "the clipboard does not hold what it should");
        checkAction(a);
        checkInvariants();
        return found_;
    }

private:
    static bool isCommand(const Action& a, int c) { return a.kind == Cmd && a.control == c; }
    static std::string cut(const std::string& t) { return t.substr(0, 60); }
    void expect(bool holds, const std::string& what) { found_ += holds ? "" : "  " + what + "\n"; }
    void expectValue(const std::string& name, const std::string& value) {
        expect(after_.at(name) == value,
               name + " is \"" + cut(after_.at(name)) + "\", expected \"" + cut(value) + "\"");
    }
    // Nothing but the named values changed; "x*" covers every name beginning with "x".
    void expectOnlyChanged(std::vector<std::string> allowed) {
        for (const auto& [name, value] : before_) {
            const bool covered =
                after_[name] == value || std::ranges::any_of(allowed, [&](const std::string& p) {
                    return p.ends_with('*') ? name.starts_with(p.substr(0, p.size() - 1))
                                            : name == p;
                });
            expect(covered,
                   name + " changed from \"" + cut(value) + "\" to \"" + cut(after_[name]) + "\"");
        }
    }

    void act(const Action& a) {
        CombatSheet& s = sheet_;
        const int c = a.control, r = a.row;
        a.kind == Box        ? (s.*BOXES[c].member).userClick()
        : a.kind == Fire     ? s.fireCheck[r].userClick()
        : a.kind == Option   ? (s.*OPTIONS[c].member).userClick()
        : a.kind == Cmd      ? (s.*COMMANDS[c].member).userClick()
        : a.kind == Slide    ? s.Slider1.userMove(a.value)
        : a.kind == Text     ? (s.*TEXTS[c].member).userType(a.text)
        : a.kind == RowText  ? (s.*ROW_TEXTS[c].member)[r].userType(a.text)
        : a.kind == List     ? (s.*LISTS[c].member).userType(a.text)
        : a.kind == PickList ? (s.*LISTS[c].member).userPick(a.value)
                             : (s.*ROW_LISTS[c].member)[r].userPick(a.value);
    }

    void record(const Action& a) {
        sliderMoved_ |= a.kind == Slide && str(sheet_.Slider1.position()) != before_["Slider1"];
        adjacencyClicked_ |= a.target == "tAdjHex0" && !sliderMoved_;
        for (int i = 0; a.kind == Box && i < 4; ++i) { // clicking a box ends the override
            const std::string arm = str(i / 2 + 1), part = i % 2 ? "dmgLowerAct" : "dmgUpperAct";
            const bool hit = a.target == "dmgShoulder" + arm && after_[a.target] != "0";
            overridden_[i] = hit || (overridden_[i] && a.target != part + arm &&
                                     a.target != "dmgShoulder" + arm);
        }
    }

    void checkAction(const Action& a) {
        std::string declared;
        for (int row = 0; row < WEAPON_ROWS; ++row)
            declared +=
                after_[rowName("fireCheck", row)] == "1"
                    ? "  " + after_[rowName("weapName", row)] + "@" + after_[rowName("toHit", row)]
                    : "";
        if (isCommand(a, Declare))
            expectValue("Text13", declared);
        if (isCommand(a, Calculate) || isCommand(a, Clear) || isCommand(a, Declare))
            expectOnlyChanged(isCommand(a, Calculate) ? checkCalculate()
                              : isCommand(a, Clear)   ? checkClear()
                                                      : std::vector<std::string>{"Text13"});
    }

    // Either one message and nothing changed, or every row computed and the heat summed.
    std::vector<std::string> checkCalculate() {
        const SituationModifiers m = expectedModifiers(sheet_, overridden_);
        std::vector<std::optional<std::string>> rows(WEAPON_ROWS);
        const char* message = before_["gunSkill"].empty()
                                  ? "Please Enter Pilot's Gunnery Skill. Click [Edit Mech]."
                              : before_["range1"].empty() ? "Please enter range to target"
                                                          : nullptr;
        bool unusable = message != nullptr;
        for (int row = 0; row < WEAPON_ROWS && !unusable; ++row)
            unusable = !(rows[row] = expectedToHit(sheet_, m, row));
        expect(newMessages_ == (unusable ? 1 : 0), str(newMessages_) + " messages after Calculate");
        const std::string shown = newMessages_ ? fake_.messageBox.shown.back() : "";
        expect(!message || newMessages_ != 1 || shown == message, "message \"" + shown + "\"");
        int heat = 0;
        for (int row = 0; row < WEAPON_ROWS && !unusable; ++row) {
            expectValue(rowName("toHit", row), *rows[row]);
            heat += sheet_.fireCheck[row].value() == 1 ? sheet_.weapHeat[row] : 0;
        }
        unusable ? void() : expectValue("Text12", str(heat));
        return unusable ? std::vector<std::string>{}
                        : std::vector<std::string>{"toHit[*", "Text12", "calculation*"};
    }

    // The moment's conditions back at their opening values; Mech, damage and range kept.
    std::vector<std::string> checkClear() {
        std::vector<std::string> allowed = {"situation*", "toHit[*", "fireCheck[*"};
        for (const std::string& entry :
             split("Text13=|Text12=|hexLW=0|hexHW=0|Check1=0|aProne1=0|aWater1=0|tJump0=0|"
                   "tPartial0=0|tProne0=0|tImmobile0=0|aMove1=1|aMove2=0|aMove3=0|aMove4=0|aHeat0="
                   "1|aHeat1=0|aHeat2=0|aHeat3=0|aHeat4=0|tMove0=1|tMove1=0|tMove2=0|tMove3=0|"
                   "tMove4=0|tOpenHex0=1|tLW0=0|tHW0=0|tWater0=0")) {
            allowed.push_back(entry.substr(0, entry.find('=')));
            expectValue(allowed.back(), entry.substr(entry.find('=') + 1));
        }
        for (int row = 0; row < WEAPON_ROWS; ++row)
            expectValue(rowName("toHit", row), ""), expectValue(rowName("fireCheck", row), "0");
        return allowed;
    }

    // What must hold after any action, read from the controls as they stand.
    void checkInvariants() {
        expectValue("situation (aMoveMod .. tWaterMod)",
                    modifiersText(expectedModifiers(sheet_, overridden_)));
        const int position = sheet_.Slider1.position();
        expectValue("range1", sliderMoved_ ? str(position) : "");
        expectValue("tAdjHex0", sliderMoved_ ? str(position == 1) : adjacencyClicked_ ? "0" : "2");
        for (int limit : {3, 2}) {
            const std::string& text = after_[limit == 3 ? "hexLW" : "hexHW"];
            const auto count = sheetNumber(text);
            expect(!count || (*count >= 0 && *count <= limit),
                   "a woods box holds \"" + cut(text) + "\"");
        }
    }

    FakePlatform fake_;
    CombatSheet sheet_{fake_.services};
    // What only the order of events decides.
    bool sliderMoved_ = false, adjacencyClicked_ = false;
    std::array<bool, 4> overridden_{};
    Reading before_, after_;
    std::size_t newMessages_ = 0;
    std::string found_;
};

const auto fromEnvironment = [](const char* name) {
    const char* text = std::getenv(name);
    return text && *text ? std::optional(std::strtoll(text, nullptr, 10)) : std::nullopt;
};

// The first failure and the number of actions performed, the failing one included.
std::pair<std::string, long> run(std::uint64_t seed, long count) {
    RandomUser user(seed);
    Session session;
    for (long done = 1; done <= count; ++done) {
        if (std::string failure = session.perform(user.next()); !failure.empty())
            return {failure, done};
    }
    return {"", count};
}

void runSeed(std::uint64_t seed) {
    const auto actions = fromEnvironment("VEXOLAN_RANDOM_ACTIONS");
    auto [failure, failing] = run(seed, actions && *actions > 0 ? long(*actions) : 6000);
    if (failure.empty())
        return;
    // Every check runs after every action, so a prefix before the first failing action passes.
    for (long passing = 0; failing - passing > 1;) {
        const long middle = passing + (failing - passing) / 2;
        (run(seed, middle).first.empty() ? passing : failing) = middle;
    }
    ADD_FAILURE() << "seed " << seed << ": the first " << failing << " actions fail:\n"
                  << run(seed, failing).first << "replay: VEXOLAN_RANDOM_SEED=" << seed
                  << " VEXOLAN_RANDOM_ACTIONS=" << failing
                  << " model_tests --gtest_filter='Random*'\n";
}

// The seeds CI runs, or the one in VEXOLAN_RANDOM_SEED.
std::vector<std::uint64_t> seeds() {
    const auto seed = fromEnvironment("VEXOLAN_RANDOM_SEED");
    return seed ? std::vector{std::uint64_t(*seed)} : std::vector<std::uint64_t>{1, 2, 3, 20240611};
}

class RandomSheet : public testing::TestWithParam<std::uint64_t> {};

TEST_P(RandomSheet, EveryActionKeepsTheSheetConsistent) {
    runSeed(GetParam());
}

INSTANTIATE_TEST_SUITE_P(RandomSeeds, RandomSheet, testing::ValuesIn(seeds()));

} // namespace
} // namespace random_test
