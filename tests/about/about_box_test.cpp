#include "about/about_box.h"
#include "app/version.h"
#include "fakes/fake_platform.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The lines of a text whose every line ends with CR LF; false when a line end is missing or
// a lone CR or LF stands anywhere.
bool splitCrLfLines(const std::string& text, std::vector<std::string>& lines) {
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find("\r\n", start);
        if (end == std::string::npos) {
            return false;
        }
        lines.push_back(text.substr(start, end - start));
        if (lines.back().find_first_of("\r\n") != std::string::npos) {
            return false;
        }
        start = end + 2;
    }
    return true;
}

class AboutBoxTest : public testing::Test {
protected:
    FakePlatform fake;
    AboutBox box{fake.services};
};

TEST_F(AboutBoxTest, OpensWithTitleAndVersion) {
    EXPECT_EQ(box.lblTitle.text(), "Vexolan");
    EXPECT_EQ(box.lblVersion.text(), "Version 1.1.11");
    EXPECT_STREQ(AboutBox::Caption, "About Vexolan");
    EXPECT_TRUE(box.isOpen());
}

// The version comes from the build's version, 1.1.0.11: major, minor and the fourth number.
TEST_F(AboutBoxTest, VersionLineFollowsTheGeneratedNumbers) {
    EXPECT_EQ(VEXOLAN_VERSION_MAJOR, 1);
    EXPECT_EQ(VEXOLAN_VERSION_MINOR, 1);
    EXPECT_EQ(VEXOLAN_VERSION_PATCH, 0);
    EXPECT_EQ(VEXOLAN_VERSION_REVISION, 11);
    EXPECT_EQ(box.lblVersion.text(), "Version " + std::to_string(VEXOLAN_VERSION_MAJOR) + "." +
                                         std::to_string(VEXOLAN_VERSION_MINOR) + "." +
                                         std::to_string(VEXOLAN_VERSION_REVISION));
}

TEST_F(AboutBoxTest, DisclaimerIsElevenCrLfLines) {
    std::vector<std::string> lines;
    ASSERT_TRUE(splitCrLfLines(box.Text1.text(), lines)) << "every line, the last too, ends CR LF";
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[0], "This application is offered free of charge and is ");
    EXPECT_EQ(lines[1], "offered without warranty.  The author takes no ");
    EXPECT_EQ(lines[2], "responsibility for any incidental harm to system or ");
    EXPECT_EQ(lines[3], "data.");
    EXPECT_EQ(lines[4], "");
    EXPECT_EQ(lines[5], "Web Site and Info: ");
    EXPECT_EQ(lines[8], "");
    EXPECT_EQ(lines[9], "Constructive comments or bug reports can be sent to ");
    // The web address over lines 7 and 8, the e-mail address on line 11.
    const std::string site = lines[6] + lines[7];
    EXPECT_FALSE(lines[6].empty());
    EXPECT_FALSE(lines[7].empty());
    EXPECT_EQ(site.rfind("https://", 0), 0u) << site;
    EXPECT_EQ(site.find(' '), std::string::npos) << site;
    const auto at = lines[10].find('@');
    ASSERT_NE(at, std::string::npos);
    EXPECT_GT(at, 0u);
    EXPECT_NE(lines[10].find('.', at), std::string::npos);
    EXPECT_EQ(lines[10].find(' '), std::string::npos);
}

TEST_F(AboutBoxTest, NoticeAndWarningAreOneLineEach) {
    EXPECT_EQ(box.Label1.text(), "Warning: ...May contain small parts");
    EXPECT_NE(box.lblDisclaimer.text().find("Copyright"), std::string::npos);
    EXPECT_NE(box.lblDisclaimer.text().find("Vexolan"), std::string::npos);
    EXPECT_EQ(box.lblDisclaimer.text().find_first_of("\r\n"), std::string::npos);
}

TEST_F(AboutBoxTest, LabelsTakeNoTypingButTheDisclaimerDoes) {
    for (TextBox* label : {&box.lblTitle, &box.lblVersion, &box.lblDisclaimer, &box.Label1}) {
        const std::string before = label->text();
        label->userType("typed");
        EXPECT_EQ(label->text(), before);
    }
    box.Text1.userType("my notes");
    EXPECT_EQ(box.Text1.text(), "my notes");
}

TEST_F(AboutBoxTest, EachOpeningIsFreshAndTheSame) {
    box.Text1.userType("edited");
    box.cmdOK.userClick();
    AboutBox again(fake.services);
    EXPECT_EQ(again.lblTitle.text(), "Vexolan");
    EXPECT_EQ(again.lblVersion.text(), box.lblVersion.text());
    EXPECT_EQ(again.Text1.text().rfind("This application", 0), 0u) << "edits are not kept";
    EXPECT_TRUE(again.isOpen());
}

TEST_F(AboutBoxTest, OkClosesOnce) {
    int closes = 0;
    box.onClose([&closes] { ++closes; });
    box.cmdOK.userClick();
    EXPECT_FALSE(box.isOpen());
    box.cmdOK.userClick();
    EXPECT_EQ(closes, 1);
}

TEST_F(AboutBoxTest, SystemInfoWithoutAToolShowsTheMessageAndStaysOpen) {
    int closes = 0;
    box.onClose([&closes] { ++closes; });
    box.cmdSysInfo.userClick();
    EXPECT_EQ(fake.messageBox.shown,
              std::vector<std::string>{"System Information Is Unavailable At This Time"});
    EXPECT_TRUE(box.isOpen());
    EXPECT_EQ(closes, 0);
}

TEST_F(AboutBoxTest, SystemInfoStartsTheToolAndStaysOpen) {
    fake.registry.addString("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH",
                            "C:\\msinfo32.exe");
    box.cmdSysInfo.userClick();
    EXPECT_EQ(fake.launcher.started, std::vector<std::string>{"C:\\msinfo32.exe"});
    EXPECT_TRUE(fake.messageBox.shown.empty());
    EXPECT_TRUE(box.isOpen());
}

} // namespace
