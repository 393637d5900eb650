#pragma once

// The combat sheet: one main window's controls, each with its caption and starting state, and
// its form-level values. The subsystems' handlers are wired to the controls when a sheet is
// assembled; they meet only through these controls and values. Sheets share nothing.

#include "app/check_box.h"
#include "app/combo_box.h"
#include "app/command.h"
#include "app/option_button.h"
#include "app/option_group.h"
#include "app/panel.h"
#include "app/results_age.h"
#include "app/row_array.h"
#include "app/rules.h"
#include "app/situation_modifiers.h"
#include "app/slider.h"
#include "app/text_box.h"
#include "app/version.h"
#include "platform/platform_services.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The technology bases of techBase, the form-level value the weapon row fill reads.
enum class TechBase : std::int16_t { InnerSphere = 1, Clan = 2 };

// Where a weapon can be mounted; weapons in an arm feel that arm's damage.
inline constexpr std::string_view RightArm = "RA";
inline constexpr std::string_view LeftArm = "LA";
inline constexpr auto WEAPON_LOCATIONS =
    std::to_array<std::string_view>({RightArm, "RL", "RT", "CT", "LT", "LL", LeftArm, "H"});

// The most characters of a Mech model or a pilot's name: far more than any name needs, few
// enough for a window's title and a page's tab.
inline constexpr std::size_t NameLength = 80;

// The families of weapons that Calculate treats apart: pulse lasers aim better, and LB-X
// autocannons do when the Mech fires cluster munitions.
enum class WeaponFamily : std::int16_t { Other, PulseLaser, LbxAutocannon };

class CombatSheet {
public:
    using Start = OptionButton::Start;

    explicit CombatSheet(platform::PlatformServices& platform);
    CombatSheet(const CombatSheet&) = delete;
    CombatSheet& operator=(const CombatSheet&) = delete;

    platform::PlatformServices& platform() { return platform_; }
    // What Calculate and Declare work their results out from, as the sheet holds it now.
    ResultsAge::Inputs resultInputs() const;
    const std::string& title() const { return title_; }
    void setTitle(std::string title) { title_ = std::move(title); }

    // Setup panel
    Panel setupPanel{"SETUP"};
    TextBox mechName{"Mech Model"};
    TextBox pilotName{"Korvath Name"};
    ComboBox gunSkill{"Gunnery Skill"};
    ComboBox pilotSkill{"Piloting Skill"};
    OptionGroup techBaseGroup;
    OptionButton innerSphereOption{techBaseGroup, "Inner Sphere", Start::Selected};
    OptionButton clanOption{techBaseGroup, "Clan "};
    CheckBox amsBox{"AMS"};
    CheckBox artemisBox{"Artemis IV"};
    CheckBox apPodsBox{"Anti-Personnel Pods"};
    CheckBox c3Box{"c3 Master/Slave"};
    CheckBox clusterMunitionsBox{"LB-X Cluster Munitions"};
    CheckBox ecmBox{"ECM Suite"};
    Command doneButton{"Done"};

    // Attacker panel
    Panel attackerPanel{"ATTACKER"};
    Panel rangePanel{"Range to Target"};
    Panel attackerMovementPanel{"Movement"};
    Panel damagePanel{"Damage"};
    Panel heatPanel{"Heat Level"};
    TextBox gunSkillText{"Gunnery Skill"};
    TextBox rangeBox{"Range"};
    // The slider rests at 0 until a range is set, so that every range from 1 to 24, the
    // adjacent hex included, is one move away. Arrow keys and clicks on the track both move
    // one hex: ranges are short and a player sets them hex by hex.
    Slider rangeSlider{"Range to Target", 0, rules::LongestRange, 0, 1, 1};
    OptionGroup attackerMovementGroup;
    OptionButton stationaryOption{attackerMovementGroup, "Stationary", Start::Selected};
    OptionButton walkedOption{attackerMovementGroup, "Walked"};
    OptionButton ranOption{attackerMovementGroup, "Ran"};
    OptionButton jumpedOption{attackerMovementGroup, "Jumped"};
    CheckBox attackerProneBox{"Prone"};
    CheckBox attackerWaterBox{"In Lvl 1 Water"};
    CheckBox sensorsBox{"Sensors"};
    CheckBox rightShoulderBox{"Shoulder"};
    CheckBox rightUpperActuatorBox{"Upper Actuator"};
    CheckBox rightLowerActuatorBox{"Lower Actuator"};
    CheckBox leftShoulderBox{"Shoulder"};
    CheckBox leftUpperActuatorBox{"Upper Actuator"};
    CheckBox leftLowerActuatorBox{"Lower Actuator"};
    OptionGroup heatGroup;
    OptionButton heat0to7Option{heatGroup, "0-7", Start::Selected};
    OptionButton heat8to12Option{heatGroup, "8-12"};
    OptionButton heat13to16Option{heatGroup, "13-16"};
    OptionButton heat17to23Option{heatGroup, "17-23"};
    OptionButton heat24PlusOption{heatGroup, "24+"};

    // Target panel
    Panel targetPanel{"TARGET"};
    Panel targetMovementPanel{"Movement"};
    Panel targetPositionPanel{"Position"};
    OptionGroup targetMovementGroup;
    OptionButton targetMoved0to2Option{targetMovementGroup, "0-2", Start::Selected};
    OptionButton targetMoved3to4Option{targetMovementGroup, "3-4"};
    OptionButton targetMoved5to6Option{targetMovementGroup, "5-6"};
    OptionButton targetMoved7to9Option{targetMovementGroup, "7-9"};
    OptionButton targetMoved10PlusOption{targetMovementGroup, "10+"};
    CheckBox targetJumpedBox{"Jumped"};
    CheckBox partialCoverBox{"Partial Cover"};
    CheckBox targetProneBox{"Prone"};
    CheckBox adjacentHexBox{"Adjacent Hex", BoxState::Grayed};
    CheckBox immobileBox{"Immobile"};
    OptionGroup tPositionGroup;
    OptionButton openHexOption{tPositionGroup, "In Open Hex", Start::Selected};
    OptionButton lightWoodsOption{tPositionGroup, "In Light Woods"};
    OptionButton heavyWoodsOption{tPositionGroup, "In Heavy Woods"};
    OptionButton targetWaterOption{tPositionGroup, "In Lvl 1 Water"};
    Panel facingPanel{"Facing"};
    ComboBox tFacing{"Facing", {"Left Side", "Front", "Rear", "Right Side"}};

    // Intervening terrain; the woods boxes start at "0" and also take typing.
    Panel terrainPanel{"Intervening Terrain"};
    ComboBox hexLW{"Light Woods", {}, ComboBox::Typing::Editable, "0"};
    ComboBox hexHW{"Heavy Woods", {}, ComboBox::Typing::Editable, "0"};

    // Weapon rows, one array per column
    RowArray<ComboBox> weapName = rowOf<ComboBox>("Weapon");
    RowArray<ComboBox> weapLoc = rowOf<ComboBox>("Location");
    RowArray<TextBox> minRange = rowOf<TextBox>("Min");
    RowArray<TextBox> sRange = rowOf<TextBox>("Short");
    RowArray<TextBox> mRange = rowOf<TextBox>("Med");
    RowArray<TextBox> lRange = rowOf<TextBox>("Long");
    RowArray<TextBox> damage = rowOf<TextBox>("Damage");
    RowArray<TextBox> toHit = rowOf<TextBox>("To-Hit");
    RowArray<CheckBox> fireCheck = rowOf<CheckBox>("Check to Declare");
    CheckBox selectAllBox{"Declare all rows"};

    // Result area
    TextBox totalHeatBox{"Total Heat"};
    TextBox declarationBox{"Declaration"};
    Command calculateButton{"Calculate"};
    Command copyButton{"Copy"};
    Command clearButton{"Clear"};
    Command declareButton{"Declare"};

    // Menu bar
    Command mnuOpen{"&Open Mech..."};
    Command mnuSave{"&Save Mech"};
    Command mnuSaveAs{"Save Mech &As..."};
    Command mnuClose{"&Close"};
    Command mnuQuit{"&Quit"};
    Command mnuNew{"&New Mech"};
    Command mnuEdit{"&Edit Mech"};
    Command mnuRangeChart{"&Range Chart"};
    Command mnuHelp{"&Contents"};
    Command mnuAbout{"&About Vexolan"};
    Command mnuZoomIn{"Zoom &In"};
    Command mnuZoomOut{"Zoom &Out"};
    Command mnuActualSize{"&Actual Size"};

    // Form-level values
    SituationModifiers situation;
    RowArray<std::int16_t> weapHeat{};
    // The family of each row's weapon, written with its heat by the row fill.
    RowArray<WeaponFamily> weapFamily{};
    TechBase techBase{};
    // Whether the LB-X autocannons fire cluster munitions: a choice, not a modifier.
    bool firesClusterMunitions = false;
    // Whether the to-hit numbers, the total heat and the declaration still hold.
    ResultsAge resultsAge;
    // How large the window shows the sheet, in percent of its actual size.
    int zoom = ActualSize;
    static constexpr int ActualSize = 100;
    // The Mech file the sheet came from or was last saved to, empty while it has none, and the
    // Mech as that file held it then, in the file's words: what tells a change since.
    std::string mechFile;
    std::string savedMech;
    // The very bytes the sheet last read from its file or wrote to it: a file that holds others
    // now was changed by someone else since.
    std::string mechFileBytes;

private:
    void setUpControls();
    void load();

    platform::PlatformServices& platform_;
    std::string title_ = VEXOLAN_TITLE;
};
