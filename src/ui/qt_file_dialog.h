#pragma once

#include "platform/file_dialog.h"

#include <QString>

#include <functional>

class QFileDialog;
class QWidget;
struct FileKind;

// Qt's file dialogs for Mech files and pictures, modal over one window and shown at its zoom.
// Every dialog starts in the folder where the last one that shares `lastFolder` ended, or else
// in the user's documents, or else at home, with no file's name typed in but a saved one's.
class QtFileDialog : public platform::FileDialog {
public:
    // `zoom` tells the zoom of the owner at the moment a dialog opens.
    QtFileDialog(QWidget* owner, QString& lastFolder, std::function<int()> zoom);
    std::vector<std::string> chooseFilesToOpen() override;
    std::string chooseFileToSave(const std::string& suggested) override;
    std::string choosePictureToSave(const std::string& suggested) override;
    // A lance file to open, or to save to, as the Mech's dialogs have them; empty when
    // cancelled. Only the desktop's lance asks, so the platform's dialogs need not offer them.
    std::string chooseLanceToOpen();
    std::string chooseLanceToSave(const std::string& suggested);

private:
    QString startFolder() const;
    // Sets the dialog up for the kind of file at the owner's zoom, and gives that zoom.
    int setUp(QFileDialog& dialog, const FileKind& kind) const;
    std::vector<std::string> chosen(QFileDialog& dialog, int zoom);
    std::string chooseToSave(const std::string& suggested, const QString& title,
                             const FileKind& kind);

    QWidget* owner_;
    QString& lastFolder_;
    std::function<int()> zoom_;
};
