#pragma once

#include <QObject>

class QAbstractButton;

// Enter and the keypad's Enter press the push button that has the focus, as Space does: most
// people expect it, and so did the users of the form this sheet was first drawn on. A dialog's
// buttons do so already; a main window's do not.
class EnterPressesButton : public QObject {
    Q_OBJECT
public:
    // Watches the button's keys for as long as the button lives.
    explicit EnterPressesButton(QAbstractButton& button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
