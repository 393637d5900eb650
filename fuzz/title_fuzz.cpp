// The title: "Vexolan" until a name box changes, then the pilot's name, ":" and the Mech's
// model exactly as typed, whatever the text; another sheet's title is untouched.

#include "app/combat_sheet.h"
#include "fakes/fake_platform.h"
#include "fuzz_check.h"
#include "fuzz_input.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using fuzz::check;
    FakePlatform fake;
    CombatSheet sheet(fake.services);
    CombatSheet other(fake.services);
    bool changed = false;
    for (const fuzz::Typing& typing : fuzz::typings(data, size)) {
        TextBox& box = typing.choice % 2 == 0 ? sheet.pilotName : sheet.mechName;
        changed = changed || box.text() != typing.text;
        box.userType(typing.text);
        check(box.text() == typing.text, "a name box does not hold what was typed");
        const std::string expected =
            changed ? sheet.pilotName.text() + ":" + sheet.mechName.text() : "Vexolan";
        check(sheet.title() == expected,
              "title \"" + sheet.title() + "\", expected \"" + expected + "\"");
    }
    check(other.title() == "Vexolan", "another sheet's title changed");
    return 0;
}
