#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

// The program's help window: one non-modal window that shows a help file, or a page saying
// that the file was not found. It never keeps the program alive once the sheets are closed.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* Caption = "Vexolan Help";

    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the file at localPath; requestedName is the name the request used, for the page
    // shown when the file cannot be read.
    void showFile(const QString& localPath, const QString& requestedName);
    // The file shown, or "" while none is (the not-found page included).
    const QString& shownFile() const { return shownFile_; }
    // Shows the text and the window at the zoom, in percent of their actual size.
    void setZoom(int zoom);
    QTextBrowser* browser() const { return browser_; }

private:
    void showNotFound(const QString& localPath, const QString& requestedName);

    QTextBrowser* browser_;
    QString shownFile_;
    int zoom_ = 0;
};
