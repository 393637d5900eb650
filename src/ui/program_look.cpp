#include "ui/program_look.h"

#include "ui/sheet_style.h"

#include <QApplication>
#include <QFont>
#include <QIcon>

namespace {

// The sheet's controls were laid out for a small sans-serif face; at this size every
// caption fits its control.
constexpr int FontPixelSize = 11;

} // namespace

// The icons live in the program's library; this makes sure they are linked in. It stays
// outside any namespace, since the resource's initialiser is declared where it is used.
static void loadIcons() {
    Q_INIT_RESOURCE(vexolan);
}

QFont sheetFont() {
    QFont font;
    font.setFamilies({"DejaVu Sans", "Liberation Sans", "Arial"});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(FontPixelSize);
    return font;
}

QIcon programIcon() {
    loadIcons();
    QIcon icon;
    for (int size : {16, 32, 48}) {
        icon.addFile(QString(":/icons/vexolan-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

void applyProgramLook(QApplication& application) {
    application.setStyle(new SheetStyle);
    application.setFont(sheetFont());
    application.setWindowIcon(programIcon());
}
