#include "app/combat_sheet.h"
#include "fakes/fake_platform.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using Requests = std::vector<std::pair<std::string, int>>;

// Every click hands the fixed file with command 9 (force this file) to the viewer; one that
// fails, even by throwing, ends the request silently and the sheet carries on.
TEST(HelpRequest, EveryClickHandsTheFixedFileToTheViewer) {
    for (const bool throwing : {false, true}) {
        FakePlatform fake;
        fake.help.throwing = throwing;
        CombatSheet sheet(fake.services);
        EXPECT_NO_THROW(sheet.mnuHelp.userClick());
        EXPECT_NO_THROW(sheet.mnuHelp.userClick());
        EXPECT_EQ(fake.help.requests, Requests(2, {"c:\\Program Files\\Vexo\\Vexo.hlp", 9}));
        EXPECT_TRUE(fake.messageBox.shown.empty());
        sheet.pilotName.userType("Kell");
        EXPECT_EQ(sheet.title(), "Kell:");
    }
}

} // namespace
