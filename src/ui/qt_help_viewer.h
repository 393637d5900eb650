#pragma once

#include "layout/twips.h"
#include "platform/help_viewer.h"
#include "ui/help_window.h"

#include <QPointer>
#include <QString>

// The program's help viewer: one non-modal help window for the whole program, shared by all
// sheets. The help file's fixed installation folder, "c:\Program Files\Vexo\", stands for the
// program's data folder, and a ".hlp" file is read as the ".html" file of the same name.
// Create it after the application object and let it go before.
class QtHelpViewer : public platform::HelpViewer {
public:
    // dataFolder: where the help files lie; by default the installation's data folder beside
    // the program's own "bin" folder, as in the installation and the build tree alike.
    explicit QtHelpViewer(QString dataFolder = {});
    ~QtHelpViewer() override;
    QtHelpViewer(const QtHelpViewer&) = delete;
    QtHelpViewer& operator=(const QtHelpViewer&) = delete;

    bool showHelp(const std::string& helpFile, int command) override;
    void setScale(int percent) override { scale_ = percent; }

    // The local file that stands for the help file named in a request.
    QString localPath(const std::string& helpFile) const;
    // The help window, or null before the first request.
    HelpWindow* window() const { return window_; }

private:
    QString dataFolder() const;

    QString dataFolder_;
    QPointer<HelpWindow> window_;
    int scale_ = ActualZoom;
};
