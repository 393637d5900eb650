#pragma once

#include "about/about_box.h"
#include "layout/twips.h"
#include "platform/platform_services.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The About box, built afresh at every opening and bound to a fresh AboutBox model, at the zoom
// of the sheet that opened it. Modal: while it is open no other window of the program takes
// input.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    AboutDialog(platform::PlatformServices& services, QWidget* owner, int zoom = ActualZoom);

    const AboutBox& model() const { return box_; }

    // Esc and the close box mean the same as "OK".
    void reject() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Each control under its name on the form, which names its widget.
    QLabel* addLabel(const char* form, const TextBox& text);
    QPushButton* addButton(const char* form, Command& command);
    QWidget* addDisclaimer();

    AboutBox box_;
    int zoom_;
};
