#pragma once

#include "platform/help_viewer.h"

class CombatSheet;

// One sheet's way to the program's help viewer: help asked for from a sheet is shown at that
// sheet's zoom.
class SheetHelpViewer : public platform::HelpViewer {
public:
    SheetHelpViewer(platform::HelpViewer& shared, const CombatSheet& sheet)
        : shared_(shared), sheet_(sheet) {}

    bool showHelp(const std::string& helpFile, int command) override;

private:
    platform::HelpViewer& shared_;
    const CombatSheet& sheet_;
};
