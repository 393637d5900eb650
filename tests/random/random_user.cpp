#include "random/random_user.h"

#include "app/combat_sheet.h"
#include "random/sheet_controls.h"
#include "weapons/weapon_catalogue.h"

#include <array>
#include <iterator>

namespace random_test {

namespace {

using Kind = UserAction::Kind;

// Texts a user might type into a number box by mistake or on purpose.
constexpr const char* ODD_NUMBERS[] = {
    ".5",  "2.",     "-0",     "+1",    " 2",    "3 ",     "\t1",   "0.25", "-0.5", "2.75",
    "1e2", "0x1",    "1,5",    "--1",   "1..2",  "+-1",    " ",     "",     "\n1",  "1\n",
    "3.0", "2.9999", "3.0001", "-3",    "00003", "0000",   "-",     "+",    ".",    "2.5",
    "1.5", "0.5",    "-32768", "32767", "32768", "-32769", "65535", "1 2",  "2-",   "٣",
};

constexpr const char* JUNK[] = {
    "abc",
    "Light",
    "1a",
    "a1",
    "nan",
    "inf",
    "Infinity",
    "NaN",
    "１",
    "Ⅳ",
    "Ärger",
    "日本語",
    "🙂",
    "Zoë",
    "\xC2\xA0"
    "1",
    "e",
    "0b1",
    "½",
    "1/missle",
    "varies",
    "Out of Range",
    "  ",
};

constexpr const char* NAMES[] = {
    "Atlas",  "Hunchback", "Zoë", "Wolfhound", "Marauder II", "日本",
    "Pilot ", " Kai",      "A:B", "🙂",      "x",           "Long Tom",
};

} // namespace

UserAction RandomUser::next() {
    const int roll = below(1000);
    if (roll < 330) {
        return click();
    }
    if (roll < 520) {
        return type();
    }
    if (roll < 770) {
        return pick();
    }
    if (roll < 840) {
        UserAction action;
        action.kind = Kind::MoveSlider;
        action.value = below(25);
        return action;
    }
    return command();
}

UserAction RandomUser::click() {
    UserAction action;
    const int roll = below(100);
    if (roll < 55) {
        action.kind = Kind::ClickBox;
        action.control = below(static_cast<int>(BOXES.size()));
    } else if (roll < 75) {
        action.kind = Kind::ClickFireBox;
        action.row = below(WEAPON_ROWS);
    } else {
        action.kind = Kind::ClickOption;
        action.control = below(static_cast<int>(OPTIONS.size()));
    }
    return action;
}

UserAction RandomUser::type() {
    UserAction action;
    const int roll = below(100);
    if (roll < 40) {
        action.kind = Kind::TypeList;
        // Mostly the woods boxes; now and then a pick-only list, which must take nothing.
        action.control = oneIn(8) ? 2 + below(3) : below(2);
        action.text = oneIn(3) ? std::to_string(below(6)) : anyText();
    } else if (roll < 70) {
        action.kind = Kind::TypeText;
        // Now and then a read-only or disabled box, which must take nothing.
        action.control = oneIn(8) ? below(static_cast<int>(TEXTS.size())) : below(TYPED_TEXTS);
        action.text = action.control < 2 ? nameText() : anyText();
    } else {
        action.kind = Kind::TypeRowText;
        action.control =
            oneIn(8) ? below(static_cast<int>(ROW_TEXTS.size())) : below(TYPED_ROW_TEXTS);
        action.row = below(WEAPON_ROWS);
        action.text = oneIn(2) ? std::to_string(below(30)) : anyText();
    }
    return action;
}

UserAction RandomUser::pick() {
    UserAction action;
    const int roll = below(100);
    if (roll < 45) {
        action.kind = Kind::PickRowList;
        action.control = WeaponName;
        action.value = below(static_cast<int>(WEAPON_CHOICES.size()));
    } else if (roll < 65) {
        action.kind = Kind::PickRowList;
        action.control = WeaponLocation;
        action.value = below(8);
    } else {
        action.kind = Kind::PickList;
        action.control = below(static_cast<int>(LISTS.size()));
        action.value = below(action.control == GunSkill || action.control == PilotSkill ? 13 : 5);
    }
    action.row = below(WEAPON_ROWS);
    return action;
}

UserAction RandomUser::command() {
    // Calculate, Copy, Clear, Declare, Done, New Mech, Edit Mech, Contents, About.
    constexpr std::array<int, 9> weights = {40, 12, 8, 16, 8, 2, 5, 2, 2};
    int roll = below(95);
    UserAction action;
    action.kind = Kind::ClickCommand;
    for (std::size_t i = 0; i < weights.size(); ++i) {
        if (roll < weights[i]) {
            action.control = static_cast<int>(i);
            break;
        }
        roll -= weights[i];
    }
    action.clipboardFails = oneIn(4);
    return action;
}

std::string RandomUser::anyText() {
    const int roll = below(100);
    if (roll < 55) {
        return numberText();
    }
    if (roll < 85) {
        return junkText();
    }
    if (roll < 92) {
        return nameText();
    }
    return longText();
}

std::string RandomUser::numberText() {
    switch (below(6)) {
    case 0:
        return std::to_string(below(5));
    case 1:
        return std::to_string(below(61) - 30);
    case 2:
        return std::to_string(below(200000) - 100000);
    case 3:
        return (oneIn(3) ? "-" : "") + std::to_string(below(4)) + "." + std::to_string(below(1000));
    default:
        return ODD_NUMBERS[static_cast<std::size_t>(
            below(static_cast<int>(std::size(ODD_NUMBERS))))];
    }
}

std::string RandomUser::junkText() {
    return JUNK[static_cast<std::size_t>(below(static_cast<int>(std::size(JUNK))))];
}

std::string RandomUser::longText() {
    const std::size_t length = 300 + static_cast<std::size_t>(below(4000));
    switch (below(5)) {
    case 0:
        return std::string(length, '9'); // too large for a double
    case 1:
        return std::string(length, '0') + "1";
    case 2:
        return "1." + std::string(length, '0');
    case 3: {
        std::string text;
        while (text.size() < length) {
            text += "é日";
        }
        return text;
    }
    default:
        return std::string(length, 'x');
    }
}

std::string RandomUser::nameText() {
    if (oneIn(10)) {
        return "";
    }
    if (oneIn(20)) {
        return longText();
    }
    return NAMES[static_cast<std::size_t>(below(static_cast<int>(std::size(NAMES))))];
}

} // namespace random_test
