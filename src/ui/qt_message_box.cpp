#include "ui/qt_message_box.h"

#include "app/version.h"
#include "ui/program_look.h"

#include <QMessageBox>
#include <QPushButton>

void QtMessageBox::setUp(QMessageBox& box, const std::string& text) const {
    box.setWindowTitle(VEXOLAN_TITLE);
    box.setIcon(QMessageBox::NoIcon);
    box.setTextFormat(Qt::PlainText);
    box.setText(QString::fromStdString(text));
    box.setWindowModality(Qt::ApplicationModal);
    showAtZoom(box, zoom_());
}

void QtMessageBox::show(const std::string& text) {
    QMessageBox box(owner_);
    setUp(box, text);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

QtMessageBox::Answer QtMessageBox::askToSave(const std::string& question) {
    QMessageBox box(owner_);
    setUp(box, question);
    box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        return Answer::Save;
    case QMessageBox::Discard:
        return Answer::Discard;
    default:
        return Answer::Cancel;
    }
}

// Cancel is the default: a hasty Return loses nobody's work.
QtMessageBox::Answer QtMessageBox::askToOverwrite(const std::string& question) {
    QMessageBox box(owner_);
    setUp(box, question);
    QPushButton* overwrite = box.addButton("&Overwrite", QMessageBox::AcceptRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Cancel);
    box.setEscapeButton(QMessageBox::Cancel);
    box.exec();
    return box.clickedButton() == overwrite ? Answer::Overwrite : Answer::Cancel;
}
