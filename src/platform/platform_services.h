#pragma once

#include "platform/clipboard.h"
#include "platform/file_checker.h"
#include "platform/file_dialog.h"
#include "platform/file_store.h"
#include "platform/help_viewer.h"
#include "platform/message_box.h"
#include "platform/program_launcher.h"
#include "platform/registry.h"
#include "platform/window_opener.h"

namespace platform {

// Everything one window's model asks of the platform.
struct PlatformServices {
    MessageBox& messageBox;
    WindowOpener& windows;
    Clipboard& clipboard;
    Registry& registry;
    ProgramLauncher& launcher;
    FileChecker& files;
    HelpViewer& help;
    FileStore& fileStore;
    FileDialog& fileDialog;
};

} // namespace platform
