#include "app/sheet_controls.h"

#include <algorithm>
#include <stdexcept>

namespace {

#define NAMED(control)                                                                             \
    NamedControl {                                                                                 \
#control, &CombatSheet::control                                                            \
    }

// In the order of the window, from the setup panel to the menu bar.
// clang-format off
const auto CONTROLS = std::to_array<NamedControl>({
    NAMED(Setup),        NAMED(mechName),     NAMED(pilotName),    NAMED(gunSkill),
    NAMED(pilotSkill),   NAMED(Option1),      NAMED(Option2),      NAMED(Check2),
    NAMED(Check3),       NAMED(Check4),       NAMED(Check5),       NAMED(Check6),
    NAMED(Check7),       NAMED(Command5),     NAMED(Frame4),       NAMED(Frame8),
    NAMED(Frame5),       NAMED(Frame6),       NAMED(Frame7),       NAMED(gunSkillText),
    NAMED(range1),       NAMED(Slider1),      NAMED(aMove1),       NAMED(aMove2),
    NAMED(aMove3),       NAMED(aMove4),       NAMED(aProne1),      NAMED(aWater1),
    NAMED(dmgSensor1),   NAMED(dmgShoulder1), NAMED(dmgUpperAct1), NAMED(dmgLowerAct1),
    NAMED(dmgShoulder2), NAMED(dmgUpperAct2), NAMED(dmgLowerAct2), NAMED(aHeat0),
    NAMED(aHeat1),       NAMED(aHeat2),       NAMED(aHeat3),       NAMED(aHeat4),
    NAMED(Frame1),       NAMED(Frame2),       NAMED(Frame3),       NAMED(tMove0),
    NAMED(tMove1),       NAMED(tMove2),       NAMED(tMove3),       NAMED(tMove4),
    NAMED(tJump0),       NAMED(tPartial0),    NAMED(tProne0),      NAMED(tAdjHex0),
    NAMED(tImmobile0),   NAMED(tOpenHex0),    NAMED(tLW0),         NAMED(tHW0),
    NAMED(tWater0),      NAMED(Label6),       NAMED(tFacing),      NAMED(Frame9),
    NAMED(hexLW),        NAMED(hexHW),        NAMED(weapName),     NAMED(weapLoc),
    NAMED(minRange),     NAMED(sRange),       NAMED(mRange),       NAMED(lRange),
    NAMED(Damage),       NAMED(toHit),        NAMED(fireCheck),    NAMED(Check1),
    NAMED(Text12),       NAMED(Text13),       NAMED(Command1),     NAMED(Command2),
    NAMED(Command3),     NAMED(Command4),     NAMED(mnuOpen),      NAMED(mnuSave),
    NAMED(mnuSaveAs),    NAMED(mnuNew),       NAMED(mnuEdit),      NAMED(mnuRangeChart),
    NAMED(mnuZoomIn),    NAMED(mnuZoomOut),   NAMED(mnuActualSize), NAMED(mnuHelp),
    NAMED(mnuAbout),
});
// clang-format on

#undef NAMED

} // namespace

std::span<const NamedControl> sheetControls() {
    return CONTROLS;
}

bool isColumn(const ControlRef& ref) {
    return std::visit(
        [](auto member) {
            using Held = std::remove_cvref_t<decltype(std::declval<CombatSheet&>().*member)>;
            return !std::is_base_of_v<Control, Held>;
        },
        ref);
}

std::string controlName(const ControlRef& ref, int row) {
    const auto found = std::find_if(CONTROLS.begin(), CONTROLS.end(),
                                    [&ref](const NamedControl& c) { return c.ref == ref; });
    if (found == CONTROLS.end()) {
        throw std::invalid_argument("a control that the sheet does not list");
    }
    std::string name(found->name);
    return row < 0 ? name : name + "(" + std::to_string(row) + ")";
}
