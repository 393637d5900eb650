#include "about/help_request.h"

#include "app/combat_sheet.h"

namespace {

// The help file's place in the installation; the viewer maps it onto the local system.
const char* const HelpFile = "c:\\Program Files\\Vexo\\Vexo.hlp";

// The viewer runs on its own. Whatever goes wrong in handing the file over ends the request
// without a word and leaves the sheet as it was: help is never worth an error in the sheet.
void requestHelp(platform::HelpViewer& viewer) {
    try {
        viewer.showHelp(HelpFile, platform::HelpViewer::ForceFile);
    } catch (...) {
    }
}

} // namespace

void wireHelpRequest(CombatSheet& sheet) {
    sheet.mnuHelp.onClick([&sheet] { requestHelp(sheet.platform().help); });
}
