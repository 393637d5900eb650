// The woods boxes: whatever the user types, a box ends holding a number from 0 to its limit
// (3 light, 2 heavy) or text that is not a number, the typed text itself unless it was a
// number beyond the limit, and Calculate copes with whatever is left.

#include "app/number_text.h"
#include "fuzz_check.h"
#include "fuzz_input.h"
#include "support/sheet_fixture.h"

#include <cstdint>
#include <optional>
#include <string>

namespace {

using fuzz::check;

void setUpAttack(CombatSheet& sheet) {
    sheet.gunSkill.userPick(4);
    sheet.Slider1.userMove(3);
    sheet.weapName[0].userPick(1); // a weapon with no minimum range
    sheet.fireCheck[0].userClick();
}

void checkTyped(const CombatSheet& sheet, const ComboBox& box, const std::string& typed,
                int limit) {
    const std::optional<double> count = readNumber(box.text());
    check(!count || (*count >= 0 && *count <= limit),
          "a woods box holds \"" + box.text() + "\", beyond its limit");
    const std::optional<double> typedCount = readNumber(typed);
    const bool beyond = typedCount && (*typedCount < 0 || *typedCount > limit);
    check(box.text() == (beyond ? std::string("0") : typed),
          "a woods box holds \"" + box.text() + "\" after typing \"" + typed + "\"");
    check(sheet.situation == SituationModifiers{}, "typing woods changed a modifier");
}

// Either a complete result or one message and the old one.
void checkCalculate(CombatSheet& sheet, FakePlatform& fake) {
    const std::size_t messages = fake.messageBox.shown.size();
    const std::string before = sheet.toHit[0].text();
    sheet.Command1.userClick();
    const std::size_t shown = fake.messageBox.shown.size() - messages;
    check(shown <= 1, "Calculate showed more than one message");
    if (shown == 1) {
        check(sheet.toHit[0].text() == before, "a failed Calculate changed a result");
    } else {
        check(!sheet.toHit[0].text().empty(), "Calculate left a weapon row empty");
        check(sheet.Text12.text() == "3", "Total Heat is " + sheet.Text12.text());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FreshSheet fresh;
    CombatSheet& sheet = fresh.sheet;
    FakePlatform& fake = fresh.fake;
    setUpAttack(sheet);
    for (const fuzz::Typing& typing : fuzz::typings(data, size)) {
        const bool light = typing.choice % 2 == 0;
        ComboBox& box = light ? sheet.hexLW : sheet.hexHW;
        const ComboBox& other = light ? sheet.hexHW : sheet.hexLW;
        const std::string otherText = other.text();
        box.userType(typing.text);
        checkTyped(sheet, box, typing.text, light ? 3 : 2);
        check(other.text() == otherText, "typing into one woods box changed the other");
        if (typing.choice % 4 >= 2) {
            checkCalculate(sheet, fake);
        }
    }
    return 0;
}
