#include "bench_sheet_window.h"

namespace {

WindowServiceOverrides fakeOverrides(FakePlatform& fake) {
    WindowServiceOverrides overrides;
    overrides.messageBox = &fake.messageBox;
    return overrides;
}

} // namespace

BenchSheetWindow::BenchSheetWindow()
    : shared{fake.clipboard, fake.registry,  fake.launcher, fake.files,
             fake.help,      fake.fileStore, lastFolder},
      window(shared, fakeOverrides(fake)) {}
