#include "ui/caption_fit.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>

namespace {

constexpr int NarrowestStretch = 80;
constexpr int SmallestPixelSize = 8;

bool textFits(const QWidget& widget, const QString& text, const QRect& room) {
    const QFontMetrics metrics = widget.fontMetrics();
    QString shown = text;
    shown.remove('&');
    return metrics.horizontalAdvance(shown) <= room.width() && metrics.height() <= room.height();
}

QRect buttonContents(const QAbstractButton& button, QStyle::SubElement element) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    return button.style()->subElementRect(element, &option, &button);
}

// A flat box only holds an option group together; its title is never drawn.
bool groupTitleFits(const QGroupBox& box) {
    if (box.isFlat()) {
        return true;
    }
    QStyleOptionGroupBox option;
    option.initFrom(&box);
    option.text = box.title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    const QRect label =
        box.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &box);
    return label.right() < box.width();
}

} // namespace

bool captionFits(const QWidget& widget) {
    if (auto* label = qobject_cast<const QLabel*>(&widget)) {
        return textFits(widget, label->text(), label->contentsRect());
    }
    if (auto* box = qobject_cast<const QCheckBox*>(&widget)) {
        return box->text().isEmpty() ||
               textFits(widget, box->text(), buttonContents(*box, QStyle::SE_CheckBoxContents));
    }
    if (auto* option = qobject_cast<const QRadioButton*>(&widget)) {
        return textFits(widget, option->text(),
                        buttonContents(*option, QStyle::SE_RadioButtonContents));
    }
    if (auto* button = qobject_cast<const QPushButton*>(&widget)) {
        return textFits(widget, button->text(),
                        buttonContents(*button, QStyle::SE_PushButtonContents));
    }
    if (auto* box = qobject_cast<const QGroupBox*>(&widget)) {
        return groupTitleFits(*box);
    }
    return true;
}

void fitCaption(QWidget& widget) {
    QFont font = widget.font();
    int stretch = 100;
    while (!captionFits(widget) && stretch > NarrowestStretch) {
        stretch -= 2;
        font.setStretch(stretch);
        widget.setFont(font);
    }
    while (!captionFits(widget) && font.pixelSize() > SmallestPixelSize) {
        font.setPixelSize(font.pixelSize() - 1);
        widget.setFont(font);
    }
}
