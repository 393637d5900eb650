#pragma once

#include "fakes/fake_platform.h"
#include "ui/shared_services.h"
#include "ui/sheet_window.h"

#include <QString>

class QAbstractButton;
class QComboBox;
class QSlider;

// A sheet window on fake platform services, so that no test ever opens a real message box
// or touches the desktop's clipboard. By default its window opener is a fake too; with the
// real one, "&New Mech" opens real windows (on the same fakes).
struct FakeSheetWindow {
    enum class Opener { Fake, Real };
    explicit FakeSheetWindow(Opener opener = Opener::Fake);

    CombatSheet& sheet() { return window.sheet(); }
    template <typename T> T* find(const QString& name) const { return window.findChild<T*>(name); }

    FakePlatform fake;
    SharedServices shared;
    SheetWindow window;
};

namespace sheettest {

// The program's style, font and icon, as the program itself sets them up.
void useProgramLook();
// "weapName(3)".
QString rowName(const char* column, int row);
// A left click where the user would click: on a check or option box's indicator, or in the
// middle of a push button.
void click(QAbstractButton* button);
// Chooses an entry of a pick-only list with the keyboard, as a user would.
void pick(QComboBox* list, const QString& entry);
// Moves the slider with the arrow keys to the position.
void slideTo(QSlider* slider, int position);
// Clicks an entry of the window's menu bar, or of one of its drop-downs.
void clickMenu(SheetWindow& window, const QString& name);

} // namespace sheettest
