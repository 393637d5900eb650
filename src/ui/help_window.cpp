#include "ui/help_window.h"

#include "ui/program_look.h"

#include <QFile>
#include <QFileInfo>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(Caption);
    // Help is looked at beside a sheet; when the last sheet closes, the program ends with it.
    setAttribute(Qt::WA_QuitOnClose, false);
    browser_ = new QTextBrowser(this);
    browser_->setObjectName("helpBrowser");
    browser_->setOpenExternalLinks(true);
    browser_->document()->setDocumentMargin(12);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    setZoom(ActualZoom);
}

void HelpWindow::setZoom(int zoom) {
    if (zoom == zoom_) {
        return;
    }
    zoom_ = zoom;
    browser_->setFont(sheetFont(zoom));
    resize(zoomed(640, zoom), zoomed(560, zoom));
}

void HelpWindow::showFile(const QString& localPath, const QString& requestedName) {
    QFile file(localPath);
    if (!QFileInfo(localPath).isFile() || !file.open(QIODevice::ReadOnly)) {
        showNotFound(localPath, requestedName);
        return;
    }
    file.close();
    // Through the file's address, so that links and pictures beside it resolve.
    browser_->setSource(QUrl::fromLocalFile(QFileInfo(localPath).absoluteFilePath()));
    shownFile_ = localPath;
}

void HelpWindow::showNotFound(const QString& localPath, const QString& requestedName) {
    shownFile_.clear();
    browser_->setHtml(QStringLiteral("<h2>Help file not found</h2>"
                                     "<p>The help file <b>%1</b> could not be opened.</p>"
                                     "<p>It was looked for at <code>%2</code>.</p>")
                          .arg(requestedName.toHtmlEscaped(), localPath.toHtmlEscaped()));
}
