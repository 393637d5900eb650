#pragma once

// The combat sheet: one main window's controls and form-level values. The subsystems'
// handlers are wired to the controls when a sheet is created; they meet only through
// these controls and values. Sheets share nothing.

#include "app/check_box.h"
#include "app/combo_box.h"
#include "app/command.h"
#include "app/option_button.h"
#include "app/option_group.h"
#include "app/panel.h"
#include "app/slider.h"
#include "app/text_box.h"
#include "platform/platform_services.h"
#include "situation/situation_modifiers.h"
#include "tohit/calculation_state.h"

#include <array>
#include <cstdint>
#include <string>

inline constexpr int WEAPON_ROWS = 12;

template <typename T> using RowArray = std::array<T, WEAPON_ROWS>;

class CombatSheet {
public:
    explicit CombatSheet(platform::PlatformServices& platform);
    CombatSheet(const CombatSheet&) = delete;
    CombatSheet& operator=(const CombatSheet&) = delete;

    platform::PlatformServices& platform() { return platform_; }
    const std::string& title() const { return title_; }
    void setTitle(std::string title) { title_ = std::move(title); }

    // Setup panel
    Panel Setup;
    TextBox mechName;
    TextBox pilotName;
    ComboBox gunSkill;
    ComboBox pilotSkill;
    OptionGroup techBaseGroup;
    OptionButton Option1{techBaseGroup, true};
    OptionButton Option2{techBaseGroup};
    CheckBox Check2, Check3, Check4, Check5, Check6, Check7;
    Command Command5;

    // Attacker panel
    Panel Frame4, Frame8, Frame5, Frame6, Frame7;
    TextBox gunSkillText;
    TextBox range1;
    // The slider rests at 0 until a range is set, so that every range from 1 to 24, the
    // adjacent hex included, is one move away. Arrow keys and clicks on the track both move
    // one hex: ranges are short and a player sets them hex by hex.
    Slider Slider1{0, 24, 0, 1, 1};
    OptionGroup aMoveGroup;
    OptionButton aMove1{aMoveGroup, true};
    OptionButton aMove2{aMoveGroup};
    OptionButton aMove3{aMoveGroup};
    OptionButton aMove4{aMoveGroup};
    CheckBox aProne1, aWater1;
    CheckBox dmgSensor1;
    CheckBox dmgShoulder1, dmgUpperAct1, dmgLowerAct1;
    CheckBox dmgShoulder2, dmgUpperAct2, dmgLowerAct2;
    OptionGroup aHeatGroup;
    OptionButton aHeat0{aHeatGroup, true};
    OptionButton aHeat1{aHeatGroup};
    OptionButton aHeat2{aHeatGroup};
    OptionButton aHeat3{aHeatGroup};
    OptionButton aHeat4{aHeatGroup};

    // Target panel
    Panel Frame1, Frame2, Frame3;
    OptionGroup tMoveGroup;
    OptionButton tMove0{tMoveGroup, true};
    OptionButton tMove1{tMoveGroup};
    OptionButton tMove2{tMoveGroup};
    OptionButton tMove3{tMoveGroup};
    OptionButton tMove4{tMoveGroup};
    CheckBox tJump0;
    CheckBox tPartial0, tProne0;
    CheckBox tAdjHex0{CheckBox::Grayed};
    CheckBox tImmobile0;
    OptionGroup tPositionGroup;
    OptionButton tOpenHex0{tPositionGroup, true};
    OptionButton tLW0{tPositionGroup};
    OptionButton tHW0{tPositionGroup};
    OptionButton tWater0{tPositionGroup};
    Panel Label6;
    ComboBox tFacing;

    // Intervening terrain
    Panel Frame9;
    ComboBox hexLW;
    ComboBox hexHW;

    // Weapon rows, one array per column
    RowArray<ComboBox> weapName;
    RowArray<ComboBox> weapLoc;
    RowArray<TextBox> minRange, sRange, mRange, lRange, Damage, toHit;
    RowArray<CheckBox> fireCheck;
    CheckBox Check1;

    // Result area
    TextBox Text12;
    TextBox Text13;
    Command Command1, Command2, Command3, Command4;

    // Menu bar
    Command mnuNew, mnuEdit, mnuHelp, mnuAbout;

    // Form-level values
    SituationModifiers situation;
    RowArray<std::int16_t> weapHeat{};
    std::int16_t techBase = 0;
    CalculationState calculation;

private:
    void setUpControls();
    void load();

    platform::PlatformServices& platform_;
    std::string title_ = "Vexolan";
};
