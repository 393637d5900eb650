#include "ui/qt_message_box.h"

#include "ui/program_look.h"

#include <QMessageBox>

void QtMessageBox::show(const std::string& text) {
    QMessageBox box(owner_);
    box.setWindowTitle("Vexolan");
    box.setIcon(QMessageBox::NoIcon);
    box.setTextFormat(Qt::PlainText);
    box.setText(QString::fromStdString(text));
    box.setStandardButtons(QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    showAtZoom(box, zoom_());
    box.exec();
}
