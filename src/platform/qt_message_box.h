#pragma once

#include "platform/message_box.h"

class QWidget;

namespace platform {

// A QMessageBox owned by one sheet window.
class QtMessageBox : public MessageBox {
public:
    explicit QtMessageBox(QWidget* owner) : owner_(owner) {}
    void show(const std::string& text) override;

private:
    QWidget* owner_;
};

} // namespace platform
