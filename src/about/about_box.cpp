#include "about/about_box.h"

#include "about/start_sys_info.h"
#include "app/version.h"

namespace {

// Eleven lines, each ended by CR LF, the last one too.
const char* const Disclaimer = "This application is offered free of charge and is \r\n"
                               "offered without warranty.  The author takes no \r\n"
                               "responsibility for any incidental harm to system or \r\n"
                               "data.\r\n"
                               "\r\n"
                               "Web Site and Info: \r\n"
                               "https://www.vexolan.example/\r\n"
                               "combat-sheet/\r\n"
                               "\r\n"
                               "Constructive comments or bug reports can be sent to \r\n"
                               "author@vexolan.example\r\n";

const char* const Copyright = "Copyright (C) 2026 the Vexolan authors";
const char* const Warning = "Warning: ...May contain small parts";

void setLabel(TextBox& label, const std::string& text) {
    label.setReadOnly(true);
    label.setText(text);
}

} // namespace

AboutBox::AboutBox(platform::PlatformServices& services) : services_(services) {
    disclaimerBox.setText(Disclaimer);
    setLabel(copyrightLabel, Copyright);
    setLabel(warningLabel, Warning);
    lblTitle.setReadOnly(true);
    lblVersion.setReadOnly(true);
    cmdOK.onClick([this] { close(); });
    cmdSysInfo.onClick([this] { startSysInfo(services_); });
    load();
}

std::string AboutBox::versionLine() {
    return "Version " + std::to_string(VEXOLAN_VERSION_MAJOR) + "." +
           std::to_string(VEXOLAN_VERSION_MINOR) + "." + std::to_string(VEXOLAN_VERSION_REVISION);
}

void AboutBox::load() {
    lblVersion.setText(versionLine());
    lblTitle.setText(VEXOLAN_TITLE);
}

void AboutBox::close() {
    if (!open_) {
        return;
    }
    open_ = false;
    close_.raise();
}
