#pragma once

#include "platform/message_box.h"

class QWidget;

// A QMessageBox owned by one sheet window.
class QtMessageBox : public platform::MessageBox {
public:
    explicit QtMessageBox(QWidget* owner) : owner_(owner) {}
    void show(const std::string& text) override;

private:
    QWidget* owner_;
};
