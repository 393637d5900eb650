#include "ui/enter_presses_button.h"

#include <QAbstractButton>
#include <QKeyEvent>

EnterPressesButton::EnterPressesButton(QAbstractButton& button) : QObject(&button) {
    button.installEventFilter(this);
}

bool EnterPressesButton::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (!enter || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        return false;
    }
    static_cast<QAbstractButton*>(watched)->click();
    return true;
}
