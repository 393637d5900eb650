#pragma once

#include <string>

namespace platform {

// The platform's help viewer. It runs on its own: a request never waits for it.
class HelpViewer {
public:
    static constexpr int ForceFile = 9; // show this file; nothing more if it is shown already

    virtual ~HelpViewer() = default;
    // False when the request could not be handed to the viewer.
    virtual bool showHelp(const std::string& helpFile, int command) = 0;
    // The size at which the viewer shows its text, in percent of its usual size, so that
    // help opened from an enlarged window is as easy to read; a viewer may ignore it.
    virtual void setScale(int /*percent*/) {}
};

} // namespace platform
