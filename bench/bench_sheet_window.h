#pragma once

#include "support/fake_platform.h"
#include "ui/shared_services.h"
#include "ui/sheet_window.h"

// A combat sheet window on fake platform services, as the program would open it but
// without touching the desktop's clipboard or showing a real message box.
struct BenchSheetWindow {
    BenchSheetWindow();

    FakePlatform fake;
    QString lastFolder;
    SharedServices shared;
    SheetWindow window;
};
