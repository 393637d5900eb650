#include "window_opening.h"

#include "layout/sheet_layout.h"
#include "layout/twips.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QWidget>
#include <QWindow>

namespace {

constexpr qint64 ExposeTimeoutMs = 5000;

} // namespace

std::unique_ptr<QMainWindow> makeBareWindow() {
    auto window = std::make_unique<QMainWindow>();
    window->setCentralWidget(new QWidget);
    window->resize(pixels(sheet::ClientWidthTwips), pixels(sheet::ClientHeightTwips));
    return window;
}

bool showUntilExposed(QWidget& window) {
    window.show();
    QWindow* handle = window.windowHandle();
    QElapsedTimer waited;
    waited.start();
    while (handle == nullptr || !handle->isExposed()) {
        if (waited.elapsed() > ExposeTimeoutMs) {
            return false;
        }
        QCoreApplication::processEvents();
        handle = window.windowHandle();
    }
    // The exposure paints the window; what it posted besides (layouts, late updates) is
    // part of opening it too.
    QCoreApplication::processEvents();
    return true;
}
