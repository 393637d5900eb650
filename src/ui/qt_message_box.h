#pragma once

#include "platform/message_box.h"

#include <functional>

class QWidget;

// A QMessageBox owned by one window, shown at that window's zoom.
class QtMessageBox : public platform::MessageBox {
public:
    // `zoom` tells the zoom of the owner at the moment a message shows.
    QtMessageBox(QWidget* owner, std::function<int()> zoom)
        : owner_(owner), zoom_(std::move(zoom)) {}
    void show(const std::string& text) override;
    Answer askToSave(const std::string& question) override;
    Answer askToOverwrite(const std::string& question) override;

private:
    // The program's plain box: its title, the text as it stands, no icon, modal.
    void setUp(class QMessageBox& box, const std::string& text) const;

    QWidget* owner_;
    std::function<int()> zoom_;
};
