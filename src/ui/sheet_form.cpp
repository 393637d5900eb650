#include "ui/sheet_form.h"

#include "layout/sheet_layout.h"
#include "ui/caption_fit.h"
#include "ui/enter_presses_button.h"
#include "ui/pixel_rect.h"
#include "ui/program_look.h"
#include "ui/sheet_list.h"

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

#include <limits>

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

QWidget* createLabel(const QString& caption, QWidget* container) {
    auto* label = new QLabel(caption, container);
    // Captions sit at the top of their box, clear of the field that may follow just below.
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// The model decides how long a text may be, counting characters where the toolkit would count
// UTF-16 units; the toolkit would stop every text at 32767 of them.
QLineEdit* unlimited(QLineEdit* edit) {
    edit->setMaxLength(std::numeric_limits<int>::max());
    return edit;
}

QWidget* createLineEdit(QWidget* container) {
    return unlimited(new QLineEdit(container));
}

QWidget* createMultiLineBox(QWidget* container) {
    auto* box = new QPlainTextEdit(container); // wraps at its width
    box->setTabChangesFocus(true);
    return box;
}

QWidget* createList(const ComboBox& model, QWidget* container) {
    auto* list = new SheetList(container);
    for (const std::string& item : model.items()) {
        list->addItem(qt(item));
    }
    if (model.editable()) {
        list->setEditable(true);
        unlimited(list->lineEdit());
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
    // Exclusive like any radio group, so that screen readers and the arrow keys treat it as
    // one; the model still keeps the selection, and every refresh shows it.
    return new QRadioButton(caption, container);
}

QWidget* createButton(const QString& caption, QWidget* container) {
    auto* button = new QPushButton(caption, container);
    new EnterPressesButton(*button);
    return button;
}

QWidget* createSlider(QWidget* container) {
    auto* slider = new QSlider(Qt::Horizontal, container);
    slider->setTickPosition(QSlider::TicksBelow); // a tick at every hex: its steps are one hex
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
    for (std::size_t place = 0; place < layout.size(); ++place) {
        const SheetScene::Fixed fixed = SheetScene::fixedOf(sheet_, place);
        QWidget* widget =
            create(layout[place], markedCaption(fixed.caption), containerOf(layout[place]));
        name(*widget, layout[place], fixed.name);
        widgets_.push_back(widget);
    }
    linkLabels();
    orderTabStops();
    applyZoom(ActualZoom);
}

// The row's panel, or the window's client area; an option group headed by a label of its own
// stands in a group box named after that label, which names the group for screen readers.
QWidget* SheetForm::containerOf(const ControlLayout& row) {
    const std::vector<ControlLayout>& layout = sheet::sheetLayout();
    QWidget* container = row.in != nullptr ? widgets_.at(sheet::placeOf(row.in)) : this;
    if (row.headedBy == nullptr) {
        return container;
    }
    auto [grouping, added] = groupings_.try_emplace(row.headedBy);
    if (added) {
        auto* label = qobject_cast<QLabel*>(widgets_.at(sheet::placeOf(row.headedBy)));
        // Its title, which the style does not draw, labels each of its buttons for screen readers.
        grouping->second.box = new QGroupBox(label->text(), container);
        grouping->second.box->setFlat(true);
        grouping->second.box->setObjectName(qt(layout[sheet::placeOf(row.headedBy)].form) +
                                            "Group");
        label->setBuddy(grouping->second.box);
    }
    grouping->second.members.push_back(widgets_.size());
    return grouping->second.box;
}

// A label names the field it stands by, so that screen readers say which field it labels.
void SheetForm::linkLabels() {
    const std::vector<ControlLayout>& layout = sheet::sheetLayout();
    for (std::size_t place = 0; place < layout.size(); ++place) {
        const auto& labelled = layout[place].labelFor;
        if (!labelled || isColumn(*labelled)) {
            continue;
        }
        qobject_cast<QLabel*>(widgets_[place])->setBuddy(widgets_.at(sheet::placeOf(*labelled)));
    }
}

QWidget* SheetForm::create(const ControlLayout& layout, const QString& caption,
                           QWidget* container) {
    switch (layout.kind) {
    case ControlKind::Panel:
        return createPanel(caption, layout, container);
    case ControlKind::Label:
        return createLabel(caption, container);
    case ControlKind::TextBox:
        return createLineEdit(container);
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
        return createButton(caption, container);
    case ControlKind::Slider:
        return createSlider(container);
    case ControlKind::VerticalLine:
        return createLine(container);
    }
    return new QWidget(container);
}

QSize SheetForm::sizeHint() const {
    return {pixels(sheet::ClientWidthTwips, zoom_), pixels(sheet::ClientHeightTwips, zoom_)};
}

void SheetForm::name(QWidget& widget, const ControlLayout& layout, const std::string& spoken) {
    widget.setObjectName(qt(sheet::formNameOf(layout)));
    if (layout.control && layout.kind != ControlKind::Label) {
        widget.setAccessibleName(qt(spoken));
    }
    // A list that takes typing hands its focus to its own line, which screen readers read.
    if (auto* list = qobject_cast<QComboBox*>(&widget); list && list->lineEdit()) {
        list->lineEdit()->setAccessibleName(widget.accessibleName());
    }
}

void SheetForm::applyZoom(int zoom) {
    zoom_ = zoom;
    const std::vector<ControlLayout>& layout = sheet::sheetLayout();
    std::vector<QRect> places;
    const QFont plain = sheetFont(zoom);
    QFont underlined = plain;
    underlined.setUnderline(true);
    for (std::size_t place = 0; place < layout.size(); ++place) {
        const ControlLayout& row = layout[place];
        QWidget& widget = *widgets_[place];
        places.push_back(pixelRect(row.left, row.top, row.width, row.height, zoom));
        widget.setGeometry(places.back());
        const QFont& font = row.look == sheet::Look::Underlined ? underlined : plain;
        // A widget is told of its font only when it changes: each change sends it events, and a
        // new sheet would otherwise pay for some two hundred of them.
        if (widget.font() != font) {
            widget.setFont(font);
        }
        if (auto* line = qobject_cast<QFrame*>(&widget);
            line && row.kind == ControlKind::VerticalLine) {
            line->setLineWidth(std::max(1, zoom / ActualZoom));
        }
        fitCaption(widget);
    }
    placeGroupings(places);
    updateGeometry();
}

// A group box takes the room of its buttons, which keep their places on the panel.
void SheetForm::placeGroupings(const std::vector<QRect>& places) {
    for (auto& [heading, grouping] : groupings_) {
        QRect room;
        for (std::size_t member : grouping.members) {
            room |= places[member];
        }
        grouping.box->setGeometry(room);
        for (std::size_t member : grouping.members) {
            widgets_[member]->setGeometry(places[member].translated(-room.topLeft()));
        }
    }
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
