#include "ui/sheet_window.h"

#include "ui/shared_services.h"
#include "ui/sheet_binding.h"
#include "ui/sheet_form.h"
#include "ui/sheet_layout.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>

#include <map>

SheetWindow::SheetWindow(SharedServices& shared, WindowServiceOverrides overrides)
    : messageBox_(this),
      windows_(shared, *this), services_{overrides.messageBox ? *overrides.messageBox : messageBox_,
                                         overrides.windows ? *overrides.windows : windows_,
                                         shared.clipboard,
                                         shared.registry,
                                         shared.launcher,
                                         shared.files,
                                         shared.help},
      sheet_(services_), form_(new SheetForm(this)) {
    setCentralWidget(form_);
    buildMenuBar();
    binding_ = std::make_unique<SheetBinding>(sheet_, *this);
    resize(form_->sizeHint() + QSize(0, menuBar()->sizeHint().height()));
}

SheetWindow::~SheetWindow() = default;

void SheetWindow::buildMenuBar() {
    std::map<std::string, QMenu*> menus;
    for (const sheet::MenuEntry& entry : sheet::sheetMenu()) {
        const QString caption = QString::fromStdString(entry.caption);
        const QString name = QString::fromStdString(entry.name);
        if (entry.dropDown) {
            QMenu* menu = menuBar()->addMenu(caption);
            menu->setObjectName(name);
            menus[entry.name] = menu;
            continue;
        }
        QAction* action = entry.menu.empty() ? menuBar()->addAction(caption)
                                             : menus.at(entry.menu)->addAction(caption);
        action->setObjectName(name);
    }
}

// The program ends with its last sheet window, whatever other window may still be open.
void SheetWindow::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    if (event->isAccepted() && !otherSheetOpen()) {
        QCoreApplication::quit();
    }
}

bool SheetWindow::otherSheetOpen() const {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible() && qobject_cast<SheetWindow*>(window)) {
            return true;
        }
    }
    return false;
}
