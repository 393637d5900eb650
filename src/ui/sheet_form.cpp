#include "ui/sheet_form.h"

#include "ui/caption_fit.h"
#include "ui/sheet_layout.h"
#include "ui/twips.h"

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

namespace {

// The setup panel stands out from the attacker panel it covers in the classic scroll-bar grey.
const QColor ShadedBackground(212, 208, 200);

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

// The model's control of a layout row; a column stands for any of its rows.
const Control& modelControl(const CombatSheet& sheet, const ControlRef& ref, int row) {
    return visitControl(sheet, ref, std::max(row, 0),
                        [](const Control& control) -> const Control& { return control; });
}

QString captionOf(const CombatSheet& sheet, const ControlLayout& layout) {
    if (layout.control) {
        return qt(modelControl(sheet, *layout.control, layout.row).caption());
    }
    if (layout.caption.empty() && layout.labelFor) {
        return qt(modelControl(sheet, *layout.labelFor, 0).caption());
    }
    return qt(layout.caption);
}

// What a screen reader calls a control: its caption, and the row for a weapon row's field.
QString spokenName(const CombatSheet& sheet, const ControlLayout& layout) {
    const QString name = qt(modelControl(sheet, *layout.control, layout.row).plainCaption());
    return layout.row < 0 ? name.trimmed() : QString("Row %1 %2").arg(layout.row + 1).arg(name);
}

QWidget* createPanel(const QString& caption, const ControlLayout& layout, QWidget* container) {
    auto* panel = new QGroupBox(caption, container);
    if (layout.look == sheet::Look::Shaded) {
        QPalette palette = panel->palette();
        palette.setColor(QPalette::Window, ShadedBackground);
        panel->setPalette(palette);
        panel->setAutoFillBackground(true);
    }
    return panel;
}

QWidget* createLabel(const QString& caption, const ControlLayout& layout, QWidget* container) {
    auto* label = new QLabel(caption, container);
    label->setTextFormat(Qt::PlainText);
    // Captions sit at the top of their box, clear of the field that may follow just below.
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (layout.look == sheet::Look::Underlined) {
        QFont font = label->font();
        font.setUnderline(true);
        label->setFont(font);
    }
    return label;
}

QWidget* createMultiLineBox(QWidget* container) {
    auto* box = new QPlainTextEdit(container); // wraps at its width
    box->setTabChangesFocus(true);
    return box;
}

QWidget* createList(const ComboBox& model, QWidget* container) {
    auto* list = new QComboBox(container);
    for (const std::string& item : model.items()) {
        list->addItem(qt(item));
    }
    if (model.editable()) {
        list->setEditable(true);
        // What is typed stays the list's text; the entries never change.
        list->setInsertPolicy(QComboBox::NoInsert);
        list->setCompleter(nullptr);
    }
    return list;
}

QWidget* createCheckBox(const QString& caption, QWidget* container) {
    auto* box = new QCheckBox(caption, container);
    // Grayed is shown as the partial state; the binding decides every state.
    box->setTristate(true);
    return box;
}

QWidget* createOptionButton(const QString& caption, QWidget* container) {
    auto* button = new QRadioButton(caption, container);
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

SheetForm::SheetForm(const CombatSheet& sheet, QWidget* parent) : QWidget(parent), sheet_(sheet) {
    setObjectName("frmFire");
    const std::vector<ControlLayout>& layout = sheet::sheetLayout();
    for (const ControlLayout& row : layout) {
        QWidget* container = this;
        if (row.container != nullptr) {
            const auto panel = std::find_if(layout.begin(), layout.end(), [&row](const auto& c) {
                return c.control == ControlRef(row.container);
            });
            container = widgets_.at(static_cast<std::size_t>(panel - layout.begin()));
        }
        QWidget* widget = create(row, container);
        place(*widget, row);
        widgets_.push_back(widget);
    }
    orderTabStops();
}

QWidget* SheetForm::create(const ControlLayout& layout, QWidget* container) {
    const QString caption = captionOf(sheet_, layout);
    switch (layout.kind) {
    case ControlKind::Panel:
        return createPanel(caption, layout, container);
    case ControlKind::Label:
        return createLabel(caption, layout, container);
    case ControlKind::TextBox:
        return new QLineEdit(container);
    case ControlKind::MultiLineBox:
        return createMultiLineBox(container);
    case ControlKind::List:
        return createList(
            static_cast<const ComboBox&>(modelControl(sheet_, *layout.control, layout.row)),
            container);
    case ControlKind::CheckBox:
        return createCheckBox(caption, container);
    case ControlKind::BareCheckBox:
        return createCheckBox({}, container);
    case ControlKind::OptionButton:
        return createOptionButton(caption, container);
    case ControlKind::Button:
        return new QPushButton(caption, container);
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
    widget.setObjectName(qt(sheet::nameOf(layout)));
    widget.setGeometry(pixelRect(layout.left, layout.top, layout.width, layout.height));
    if (layout.control && layout.kind != ControlKind::Label) {
        widget.setAccessibleName(spokenName(sheet_, layout));
    }
    // A list that takes typing hands its focus to its own line, which screen readers read.
    if (auto* list = qobject_cast<QComboBox*>(&widget); list && list->lineEdit()) {
        list->lineEdit()->setAccessibleName(widget.accessibleName());
    }
    fitCaption(widget);
}

void SheetForm::orderTabStops() {
    QWidget* previous = nullptr;
    for (std::size_t place : sheet::sheetTabOrder()) {
        QWidget* next = widgets_.at(place);
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, next);
        }
        previous = next;
    }
}
