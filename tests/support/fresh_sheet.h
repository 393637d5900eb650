#pragma once

// A fresh, fully wired sheet on its own fake platform, and a user who acts on it by the
// controls' names: what the tests, the fuzz targets and the benchmark share, without a test
// framework.

#include "app/sheet_controls.h"
#include "assembly/wire_combat_sheet.h"
#include "support/fake_platform.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

struct FreshSheet {
    FreshSheet() { wireCombatSheet(sheet); }
    FakePlatform fake;
    CombatSheet sheet{fake.services};
};

// Does what the user does, word by word: "walkedOption" clicks that button, box or command,
// "fireCheck(3)" row 3's fire box; "weapName(0)=LB-10X_AC" picks from a list ("_" for a
// blank) or types into it when the text is no entry, "hexLW=1.5" types into a box, and
// "rangeSlider=5" moves the slider.
void act(CombatSheet& sheet, const std::string& script);

// Every control and every form-level value of the sheet as text, one control to a line.
std::string snapshot(const CombatSheet& sheet);
