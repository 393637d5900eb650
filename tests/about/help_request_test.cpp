#include "app/combat_sheet.h"
#include "fakes/fake_platform.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

using Request = std::pair<std::string, int>;
const Request HelpRequest{"c:\\Program Files\\Vexo\\Vexo.hlp", 9};

TEST(HelpRequest, HandsTheFixedFileWithForceFileToTheViewer) {
    FakePlatform fake;
    CombatSheet sheet(fake.services);
    sheet.mnuHelp.userClick();
    EXPECT_EQ(fake.help.requests, std::vector<Request>{HelpRequest});
    EXPECT_EQ(HelpRequest.second, platform::HelpViewer::ForceFile);
    // Each click hands the file again; the viewer shows it once.
    sheet.mnuHelp.userClick();
    EXPECT_EQ(fake.help.requests, std::vector<Request>(2, HelpRequest));
    EXPECT_TRUE(fake.messageBox.shown.empty());
}

class ThrowingViewer : public platform::HelpViewer {
public:
    bool showHelp(const std::string& file, int command) override {
        requests.emplace_back(file, command);
        throw std::runtime_error("no viewer");
    }
    std::vector<Request> requests;
};

// A failed request says nothing and leaves the sheet working as before.
void expectSheetStillUsable(CombatSheet& sheet, FakePlatform& fake) {
    EXPECT_TRUE(fake.messageBox.shown.empty());
    EXPECT_EQ(sheet.title(), "Vexolan");
    sheet.pilotName.userType("Kell");
    EXPECT_EQ(sheet.title(), "Kell:");
    sheet.mnuAbout.userClick();
    EXPECT_EQ(fake.windows.aboutBoxesOpened, 1);
}

TEST(HelpRequest, RefusedRequestEndsSilently) {
    FakePlatform fake;
    fake.help.failing = true;
    CombatSheet sheet(fake.services);
    sheet.mnuHelp.userClick();
    sheet.mnuHelp.userClick();
    EXPECT_EQ(fake.help.requests.size(), 2u);
    expectSheetStillUsable(sheet, fake);
}

TEST(HelpRequest, ThrowingViewerEndsSilently) {
    FakePlatform fake;
    ThrowingViewer viewer;
    platform::PlatformServices services{fake.messageBox, fake.windows,  fake.clipboard,
                                        fake.registry,   fake.launcher, fake.files,
                                        viewer};
    CombatSheet sheet(services);
    EXPECT_NO_THROW(sheet.mnuHelp.userClick());
    EXPECT_EQ(viewer.requests, std::vector<Request>{HelpRequest});
    expectSheetStillUsable(sheet, fake);
}

} // namespace
