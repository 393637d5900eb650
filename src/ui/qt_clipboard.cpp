#include "ui/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

bool QtClipboard::setText(const std::string& text) {
    if (QGuiApplication::instance() == nullptr) {
        return false;
    }
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) {
        return false;
    }
    clipboard->setText(QString::fromStdString(text), QClipboard::Clipboard);
    return true;
}
