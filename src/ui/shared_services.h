#pragma once

#include "platform/clipboard.h"
#include "platform/file_checker.h"
#include "platform/file_store.h"
#include "platform/help_viewer.h"
#include "platform/program_launcher.h"
#include "platform/registry.h"

#include <QString>

class QtLance;

// The platform services that every sheet window of the program uses together: created
// once at start-up and handed to each window. A window adds its own message box, window
// opener and file dialog; the file dialogs of all windows start where the last one ended.
struct SharedServices {
    platform::Clipboard& clipboard;
    platform::Registry& registry;
    platform::ProgramLauncher& launcher;
    platform::FileChecker& files;
    platform::HelpViewer& help;
    platform::FileStore& fileStore;
    QString& lastFolder;
    // The program's lance, which each sheet window joins; none where windows stand alone.
    QtLance* lance = nullptr;
};
