#include "ui/sheet_help_viewer.h"

#include "app/combat_sheet.h"

bool SheetHelpViewer::showHelp(const std::string& helpFile, int command) {
    shared_.setScale(sheet_.zoom);
    return shared_.showHelp(helpFile, command);
}
