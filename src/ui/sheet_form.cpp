#include "ui/sheet_form.h"

#include "ui/caption_fit.h"
#include "ui/sheet_layout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

using sheet::ControlKind;
using sheet::ControlLayout;
using sheet::pixels;

namespace {

// The setup panel stands out from the attacker panel it covers in the classic scroll-bar grey.
const QColor SetupBackground(212, 208, 200);

QString caption(const ControlLayout& layout) {
    return QString::fromStdString(layout.caption);
}

QString spokenName(const ControlLayout& layout) {
    if (!layout.accessibleName.empty()) {
        return QString::fromStdString(layout.accessibleName);
    }
    return caption(layout).remove('&').trimmed();
}

QWidget* createPanel(const ControlLayout& layout, QWidget* container) {
    auto* panel = new QGroupBox(caption(layout), container);
    if (layout.name == "Setup") {
        QPalette palette = panel->palette();
        palette.setColor(QPalette::Window, SetupBackground);
        panel->setPalette(palette);
        panel->setAutoFillBackground(true);
    }
    return panel;
}

QWidget* createLabel(const ControlLayout& layout, QWidget* container) {
    auto* label = new QLabel(caption(layout), container);
    label->setTextFormat(Qt::PlainText);
    // Captions sit at the top of their box, clear of the field that may follow just below.
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (layout.underlined) {
        QFont font = label->font();
        font.setUnderline(true);
        label->setFont(font);
    }
    return label;
}

QWidget* createMultiLineBox(QWidget* container) {
    auto* box = new QPlainTextEdit(container);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setTabChangesFocus(true);
    return box;
}

QWidget* createList(bool editable, QWidget* container) {
    auto* list = new QComboBox(container);
    if (editable) {
        list->setEditable(true);
        // What is typed stays the list's text; the entries never change.
        list->setInsertPolicy(QComboBox::NoInsert);
        list->setCompleter(nullptr);
    }
    return list;
}

QWidget* createCheckBox(const ControlLayout& layout, QWidget* container) {
    auto* box = new QCheckBox(caption(layout), container);
    // Grayed is shown as the partial state; the binding decides every state.
    box->setTristate(true);
    return box;
}

QWidget* createOptionButton(const ControlLayout& layout, QWidget* container) {
    auto* button = new QRadioButton(caption(layout), container);
    // The groups are kept by the model; the widgets only show its selection.
    button->setAutoExclusive(false);
    return button;
}

QWidget* createSlider(QWidget* container) {
    auto* slider = new QSlider(Qt::Horizontal, container);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(1);
    return slider;
}

QWidget* createLine(QWidget* container) {
    auto* line = new QFrame(container);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace

SheetForm::SheetForm(QWidget* parent) : QWidget(parent) {
    setObjectName("frmFire");
    for (const ControlLayout& layout : sheet::sheetLayout()) {
        QWidget* container = layout.container.empty() ? this : controls_.at(layout.container);
        QWidget* widget = create(layout, container);
        place(*widget, layout);
        controls_[layout.name] = widget;
    }
    controls_.at("Setup")->raise();
    orderTabStops();
}

QWidget* SheetForm::control(const std::string& name) const {
    auto found = controls_.find(name);
    return found == controls_.end() ? nullptr : found->second;
}

QWidget* SheetForm::create(const ControlLayout& layout, QWidget* container) {
    switch (layout.kind) {
    case ControlKind::Panel:
        return createPanel(layout, container);
    case ControlKind::Label:
        return createLabel(layout, container);
    case ControlKind::TextBox:
        return new QLineEdit(container);
    case ControlKind::MultiLineBox:
        return createMultiLineBox(container);
    case ControlKind::PickList:
        return createList(false, container);
    case ControlKind::EditableList:
        return createList(true, container);
    case ControlKind::CheckBox:
        return createCheckBox(layout, container);
    case ControlKind::OptionButton:
        return createOptionButton(layout, container);
    case ControlKind::Button:
        return new QPushButton(caption(layout), container);
    case ControlKind::Slider:
        return createSlider(container);
    case ControlKind::VerticalLine:
        return createLine(container);
    }
    return new QWidget(container);
}

QSize SheetForm::sizeHint() const {
    return {pixels(sheet::ClientWidthTwips), pixels(sheet::ClientHeightTwips)};
}

void SheetForm::place(QWidget& widget, const ControlLayout& layout) {
    widget.setObjectName(QString::fromStdString(layout.name));
    widget.setGeometry(pixels(layout.left), pixels(layout.top), pixels(layout.width),
                       pixels(layout.height));
    if (layout.kind != ControlKind::Label && layout.kind != ControlKind::VerticalLine) {
        widget.setAccessibleName(spokenName(layout));
    }
    // A list that takes typing hands its focus to its own line, which screen readers read.
    if (auto* list = qobject_cast<QComboBox*>(&widget); list && list->lineEdit()) {
        list->lineEdit()->setAccessibleName(spokenName(layout));
    }
    fitCaption(widget);
}

void SheetForm::orderTabStops() {
    QWidget* previous = nullptr;
    for (const std::string& name : sheet::sheetTabOrder()) {
        QWidget* next = controls_.at(name);
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, next);
        }
        previous = next;
    }
}
