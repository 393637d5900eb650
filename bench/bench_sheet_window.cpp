#include "bench_sheet_window.h"

namespace {

WindowServiceOverrides fakeOverrides(FakePlatform& fake) {
    WindowServiceOverrides overrides;
    overrides.messageBox = &fake.messageBox;
    overrides.windows = &fake.windows;
    return overrides;
}

} // namespace

BenchSheetWindow::BenchSheetWindow()
    : shared{fake.clipboard, fake.registry, fake.launcher, fake.files, fake.help, fake.fileStore},
      window(shared, fakeOverrides(fake)) {}
