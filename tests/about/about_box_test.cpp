#include "about/about_box.h"
#include "app/version.h"
#include "fakes/fake_platform.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

namespace {

// Eleven lines, each ended by CR LF; the web address (two lines) and the mail address are ours.
const std::regex
    Disclaimer("This application is offered free of charge and is \r\n"
               "offered without warranty\\.  The author takes no \r\n"
               "responsibility for any incidental harm to system or \r\n"
               "data\\.\r\n\r\nWeb Site and Info: \r\n\\S+\r\n\\S+\r\n\r\n"
               "Constructive comments or bug reports can be sent to \r\n\\S+@\\S+\r\n");

TEST(AboutBox, OpensWithTitleVersionAndDisclaimer) {
    FakePlatform fake;
    AboutBox box(fake.services);
    EXPECT_EQ(box.lblTitle.text(), "Vexolan");
    EXPECT_EQ(box.lblVersion.text(), "Version " + std::to_string(VEXOLAN_VERSION_MAJOR) + "." +
                                         std::to_string(VEXOLAN_VERSION_MINOR) + "." +
                                         std::to_string(VEXOLAN_VERSION_REVISION));
    EXPECT_EQ(box.Label1.text(), "Warning: ...May contain small parts");
    EXPECT_EQ(box.lblDisclaimer.text().find_first_of("\r\n"), std::string::npos);
    EXPECT_TRUE(std::regex_match(box.Text1.text(), Disclaimer)) << box.Text1.text();
}

// System Info keeps the box open; OK closes it, once; a new opening keeps nothing of the last.
TEST(AboutBox, ButtonsAndReopening) {
    FakePlatform fake;
    AboutBox box(fake.services);
    box.Text1.userType("my notes");
    EXPECT_EQ(box.Text1.text(), "my notes");
    int closes = 0;
    box.onClose([&closes] { ++closes; });
    box.cmdSysInfo.userClick();
    EXPECT_EQ(fake.messageBox.shown,
              std::vector<std::string>{"System Information Is Unavailable At This Time"});
    EXPECT_TRUE(box.isOpen());
    box.cmdOK.userClick();
    box.cmdOK.userClick();
    EXPECT_FALSE(box.isOpen());
    EXPECT_EQ(closes, 1);
    AboutBox again(fake.services);
    EXPECT_TRUE(std::regex_match(again.Text1.text(), Disclaimer));
    EXPECT_EQ(again.lblVersion.text(), box.lblVersion.text());
}

} // namespace
