#pragma once

#include "platform/file_dialog.h"

class QWidget;

// Qt's file dialogs for Mech files, modal over one window. Every dialog starts in the folder
// where the last one, in any window, ended, or else in the user's documents.
class QtFileDialog : public platform::FileDialog {
public:
    explicit QtFileDialog(QWidget* owner) : owner_(owner) {}
    std::vector<std::string> chooseFilesToOpen() override;
    std::string chooseFileToSave(const std::string& suggested) override;

private:
    QWidget* owner_;
};
