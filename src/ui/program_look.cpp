#include "ui/program_look.h"

#include "ui/named_list_accessible.h"
#include "ui/sheet_style.h"

#include <QAccessible>
#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QWidget>

namespace {

// The sheet's controls were laid out for a small sans-serif face; at this size every
// caption fits its control.
constexpr int FontPixelSize = 11;

} // namespace

QFont sheetFont(int zoom) {
    QFont font;
    font.setFamilies({"DejaVu Sans", "Liberation Sans", "Arial"});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(zoomed(FontPixelSize, zoom));
    return font;
}

QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 32, 48}) {
        icon.addFile(QString(":/icons/vexolan-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

void showAtZoom(QWidget& window, int zoom) {
    if (SheetStyle* style = SheetStyle::active()) {
        style->setZoom(window, zoom);
    }
    const QFont font = sheetFont(zoom);
    if (window.font() != font) {
        window.setFont(font);
    }
}

void applyProgramLook(QApplication& application) {
    QAccessible::installFactory(NamedListAccessible::factory);
    application.setStyle(new SheetStyle);
    application.setFont(sheetFont());
    application.setWindowIcon(programIcon());
}

QString markedCaption(const SheetScene::Caption& caption) {
    std::string marked;
    for (std::size_t at = 0; at < caption.text.size(); ++at) {
        if (static_cast<int>(at) == caption.mnemonic || caption.text[at] == '&') {
            marked += '&';
        }
        marked += caption.text[at];
    }
    return QString::fromStdString(marked);
}
