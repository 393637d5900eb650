#include "ui/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

// The program's windows, and with them Copy, exist only while the application object does.
bool QtClipboard::setText(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(text), QClipboard::Clipboard);
    return true;
}
