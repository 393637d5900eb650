#pragma once

// About and help: the About box (AboutBox) with its system-information launcher
// (startSysInfo, which finds the tool through getKeyValue), the "&About Vexolan" menu entry, and
// the "&Contents" help request. The box is built afresh at every opening and keeps nothing.

#include "app/command.h"
#include "app/notifier.h"
#include "app/text_box.h"
#include "platform/platform_services.h"

#include <functional>
#include <string>

class AboutBox {
public:
    static constexpr const char* Caption = "About Vexolan";

    // Opens the box: fills the version line, then the title.
    explicit AboutBox(platform::PlatformServices& services);
    AboutBox(const AboutBox&) = delete;
    AboutBox& operator=(const AboutBox&) = delete;

    // "Version major.minor.revision" of this build.
    static std::string versionLine();

    // The labels are read-only text boxes: shown, never typed in.
    TextBox lblTitle;
    TextBox lblVersion;
    TextBox disclaimerBox; // the disclaimer; the user may edit it, but the box keeps nothing
    TextBox copyrightLabel;
    TextBox warningLabel;
    Command cmdOK{"OK"};                   // closes the box; Enter and Esc both mean this
    Command cmdSysInfo{"&System Info..."}; // starts the system-information tool

    bool isOpen() const { return open_; }
    // Called once when the box closes.
    void onClose(std::function<void()> handler) { close_.connect(std::move(handler)); }

private:
    void load();
    void close();

    platform::PlatformServices& services_;
    bool open_ = true;
    Notifier close_;
};
