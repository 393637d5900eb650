#include "ui/sheet_binding.h"

#include "app/combat_sheet.h"
#include "app/sheet_controls.h"
#include "layout/sheet_layout.h"
#include "ui/sheet_form.h"

#include <algorithm>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>

namespace {

template <typename... Ts> struct Overloaded : Ts... { using Ts::operator()...; };
template <typename... Ts> Overloaded(Ts...) -> Overloaded<Ts...>;

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

Qt::CheckState checkState(BoxState value) {
    switch (value) {
    case BoxState::Ticked:
        return Qt::Checked;
    case BoxState::Grayed:
        return Qt::PartiallyChecked;
    default:
        return Qt::Unchecked;
    }
}

// Shown and enabled as the model says; a widget's visibility here is its own, whatever
// its panel's.
void showState(QWidget& widget, const Control& control, bool covered = false) {
    const bool shown = control.visible() && !covered;
    if (widget.isHidden() == shown) {
        widget.setVisible(shown);
    }
    if (widget.isEnabled() != control.enabled()) {
        widget.setEnabled(control.enabled());
    }
}

// A tip that the model gives a box, such as the breakdown of a to-hit number, is shown as it
// is; a read-only box without one shows its whole text, which may be wider than the box.
QString toolTipOf(const TextBox& box, const QString& shownText) {
    if (!box.toolTip().empty()) {
        return qt(box.toolTip());
    }
    return box.readOnly() ? shownText : QString();
}

void showList(QComboBox& list, const ComboBox& model) {
    if (list.isEditable()) {
        if (list.currentText() != qt(model.text())) {
            list.setCurrentIndex(model.listIndex());
            if (list.currentText() != qt(model.text())) {
                list.setEditText(qt(model.text()));
            }
        }
    } else if (list.currentIndex() != model.listIndex()) {
        // A pick-only list without a choice shows no entry.
        list.setCurrentIndex(model.listIndex());
    }
}

} // namespace

SheetBinding::SheetBinding(CombatSheet& sheet, const SheetForm& form,
                           const std::vector<QAction*>& menuEntries)
    : sheet_(sheet) {
    const std::vector<sheet::ControlLayout>& layout = sheet::sheetLayout();
    for (std::size_t place = 0; place < layout.size(); ++place) {
        const sheet::ControlLayout& row = layout[place];
        if (!row.control) {
            continue; // passive labels and lines show what they show, nothing more
        }
        QWidget* widget = form.widgetAt(place);
        visitControl(sheet_, *row.control, row.row,
                     Overloaded{
                         [&](Panel& panel) {
                             bind(widget, panel,
                                  row.coveredBy != nullptr ? &(sheet_.*row.coveredBy) : nullptr);
                         },
                         [&](auto& control) { bind(widget, control); },
                     });
    }
    const std::vector<sheet::MenuEntry>& menu = sheet::sheetMenu();
    for (std::size_t place = 0; place < menu.size(); ++place) {
        if (menu[place].command) {
            bindAction(menuEntries.at(place), sheet_.*(*menu[place].command));
        }
    }
    refresh();
}

void SheetBinding::refresh() {
    for (const auto& refresher : refreshers_) {
        refresher();
    }
    emit refreshed();
}

void SheetBinding::userAction(const std::function<void()>& action) {
    action();
    refresh();
}

// A panel shown in front of another covers it whole. While it does, the covered panel is
// hidden on screen as well, which shows the same, so that neither the Tab key nor a screen
// reader reaches controls that nobody can see.
void SheetBinding::bind(QWidget* widget, Panel& panel, const Panel* cover) {
    refreshers_.push_back([widget, &panel, cover] {
        showState(*widget, panel, cover != nullptr && cover->visible());
    });
}

void SheetBinding::bind(QWidget* widget, TextBox& box) {
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        bindLine(line, box);
    } else if (auto* multiLine = qobject_cast<QPlainTextEdit*>(widget)) {
        bindMultiLine(multiLine, box);
    }
}

void SheetBinding::bindLine(QLineEdit* edit, TextBox& box) {
    connect(edit, &QLineEdit::textEdited, this, [this, edit, &box](const QString& text) {
        const qsizetype behindCursor = text.size() - edit->cursorPosition();
        userAction([&] { box.userType(text.toStdString()); });
        // What the box did not take of the edit was typed before the cursor: the cursor stays
        // where the user left it, before the same text as before.
        if (edit->text() != text) {
            edit->setCursorPosition(
                static_cast<int>(std::max<qsizetype>(edit->text().size() - behindCursor, 0)));
        }
    });
    refreshers_.push_back([edit, &box] {
        const QSignalBlocker blocker(edit);
        if (edit->text() != qt(box.text())) {
            edit->setText(qt(box.text()));
            // A text set by the program is shown from its start, as the user reads it.
            edit->setCursorPosition(0);
        }
        if (edit->isReadOnly() != box.readOnly()) {
            edit->setReadOnly(box.readOnly());
        }
        const QString tip = toolTipOf(box, edit->text());
        if (edit->toolTip() != tip) {
            edit->setToolTip(tip);
        }
        showState(*edit, box);
    });
}

// A plain-text box has no signal for the user's edits alone. Its text changes are taken as
// the user's because the only code that sets its text is the refresh below, which blocks
// the box's signals while it does.
void SheetBinding::bindMultiLine(QPlainTextEdit* edit, TextBox& box) {
    connect(edit, &QPlainTextEdit::textChanged, this, [this, edit, &box] {
        userAction([&] { box.userType(edit->toPlainText().toStdString()); });
    });
    refreshers_.push_back([edit, &box] {
        const QSignalBlocker blocker(edit);
        if (edit->toPlainText() != qt(box.text())) {
            edit->setPlainText(qt(box.text()));
        }
        if (edit->isReadOnly() != box.readOnly()) {
            edit->setReadOnly(box.readOnly());
        }
        showState(*edit, box);
    });
}

void SheetBinding::bind(QWidget* widget, ComboBox& list) {
    auto* combo = qobject_cast<QComboBox*>(widget);
    if (combo == nullptr) {
        return;
    }
    connect(combo, &QComboBox::activated, this,
            [this, &list](int index) { userAction([&] { list.userPick(index); }); });
    if (QLineEdit* edit = combo->lineEdit()) {
        connect(edit, &QLineEdit::textEdited, this, [this, &list](const QString& text) {
            userAction([&] { list.userType(text.toStdString()); });
        });
    }
    refreshers_.push_back([combo, &list] {
        const QSignalBlocker blocker(combo);
        showList(*combo, list);
        showState(*combo, list);
    });
}

void SheetBinding::bind(QWidget* widget, CheckBox& box) {
    auto* check = qobject_cast<QCheckBox*>(widget);
    if (check == nullptr) {
        return;
    }
    // The widget has already stepped its own state when it reports the click; the refresh
    // puts back the model's value, which is the one that counts.
    connect(check, &QAbstractButton::clicked, this,
            [this, &box] { userAction([&] { box.userClick(); }); });
    refreshers_.push_back([check, &box] {
        const QSignalBlocker blocker(check);
        const Qt::CheckState state = checkState(box.value());
        if (check->checkState() != state) {
            check->setCheckState(state);
        }
        showState(*check, box);
    });
}

void SheetBinding::bind(QWidget* widget, OptionButton& button) {
    auto* radio = qobject_cast<QRadioButton*>(widget);
    if (radio == nullptr) {
        return;
    }
    connect(radio, &QAbstractButton::clicked, this,
            [this, &button] { userAction([&] { button.userClick(); }); });
    refreshers_.push_back([radio, &button] {
        const QSignalBlocker blocker(radio);
        if (radio->isChecked() != button.selected()) {
            radio->setChecked(button.selected());
        }
        showState(*radio, button);
    });
}

// The slider reports every change of its value, also those made by code. The only code
// that sets its range, steps or value is the refresh below, which blocks the slider's
// signals while it does, so every valueChanged that gets through is the user's move.
void SheetBinding::bind(QWidget* widget, Slider& slider) {
    auto* bar = qobject_cast<QSlider*>(widget);
    if (bar == nullptr) {
        return;
    }
    connect(bar, &QAbstractSlider::valueChanged, this,
            [this, &slider](int position) { userAction([&] { slider.userMove(position); }); });
    refreshers_.push_back([bar, &slider] {
        const QSignalBlocker blocker(bar);
        if (bar->minimum() != slider.minimum() || bar->maximum() != slider.maximum()) {
            bar->setRange(slider.minimum(), slider.maximum());
        }
        if (bar->singleStep() != slider.singleStep()) {
            bar->setSingleStep(slider.singleStep());
        }
        if (bar->pageStep() != slider.pageStep()) {
            bar->setPageStep(slider.pageStep());
        }
        if (bar->value() != slider.position()) {
            bar->setValue(slider.position());
        }
        showState(*bar, slider);
    });
}

void SheetBinding::bind(QWidget* widget, Command& command) {
    auto* button = qobject_cast<QAbstractButton*>(widget);
    if (button == nullptr) {
        return;
    }
    connect(button, &QAbstractButton::clicked, this,
            [this, &command] { userAction([&] { command.userClick(); }); });
    refreshers_.push_back([button, &command] { showState(*button, command); });
}

// Menu entries are always there and always usable; only their clicks reach the model.
void SheetBinding::bindAction(QAction* action, Command& command) {
    connect(action, &QAction::triggered, this,
            [this, &command] { userAction([&] { command.userClick(); }); });
}
