#include "ui/sheet_binding.h"

#include "app/combat_sheet.h"
#include "app/sheet_controls.h"
#include "layout/sheet_layout.h"
#include "ui/sheet_form.h"
#include "ui/sheet_style.h"

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

// Shown and enabled as the scene says; a widget's visibility here is its own, whatever its
// panel's.
void showState(QWidget& widget, const SheetScene::Shown& shown) {
    if (widget.isHidden() == shown.visible) {
        widget.setVisible(shown.visible);
    }
    if (widget.isEnabled() != shown.enabled) {
        widget.setEnabled(shown.enabled);
    }
}

// A tip that the model gives a box, such as the breakdown of a to-hit number, is shown as it
// is; a read-only box without one shows its whole text, which may be wider than the box.
QString toolTipOf(const SheetScene::Shown& shown, const QString& shownText) {
    if (!shown.description.empty()) {
        return qt(shown.description);
    }
    return shown.readOnly ? shownText : QString();
}

// A result that no longer holds keeps its text, dimmed on a pale ground, and says why before
// whatever else it says.
void showStale(QWidget& widget, const SheetScene::Shown& shown) {
    const bool stale = !shown.stale.empty();
    if (widget.property("stale").toBool() != stale) {
        widget.setProperty("stale", stale);
        QPalette palette; // the one the widget inherits
        if (stale) {
            palette.setColor(QPalette::Text, StaleText);
            palette.setColor(QPalette::Base, StaleBase);
        }
        widget.setPalette(palette);
    }
    QString description = qt(shown.stale);
    if (stale && !widget.toolTip().isEmpty()) {
        description += '\n' + widget.toolTip();
    }
    if (widget.accessibleDescription() != description) {
        widget.setAccessibleDescription(description);
    }
}

void showList(QComboBox& list, const SheetScene::Shown& shown) {
    if (list.isEditable()) {
        if (list.currentText() != qt(shown.text)) {
            list.setCurrentIndex(shown.value);
            if (list.currentText() != qt(shown.text)) {
                list.setEditText(qt(shown.text));
            }
        }
    } else if (list.currentIndex() != shown.value) {
        // A pick-only list without a choice shows no entry.
        list.setCurrentIndex(shown.value);
    }
}

} // namespace

SheetBinding::SheetBinding(CombatSheet& sheet, const SheetForm& form,
                           const std::vector<QAction*>& menuEntries)
    : sheet_(sheet), form_(form), scene_(sheet), drawers_(sheet::sheetLayout().size()) {
    const std::vector<sheet::ControlLayout>& layout = sheet::sheetLayout();
    for (std::size_t place = 0; place < layout.size(); ++place) {
        const sheet::ControlLayout& row = layout[place];
        if (!row.control) {
            continue; // passive labels and lines show what they show, nothing more
        }
        visitControl(sheet_, *row.control, row.row,
                     [&](auto& control) { bind(place, form.widgetAt(place), control); });
    }
    const std::vector<sheet::MenuEntry>& menu = sheet::sheetMenu();
    for (std::size_t place = 0; place < menu.size(); ++place) {
        if (menu[place].command) {
            bindAction(menuEntries.at(place), sheet_.*(*menu[place].command));
        }
    }
    refresh();
}

// Draws what the scene says changed, and takes the keyboard to the panel that came to the front.
void SheetBinding::refresh() {
    const SheetScene::Changes changes = scene_.update();
    for (std::size_t place : changes.places) {
        draw(place);
    }
    if (changes.focus) {
        form_.widgetAt(*changes.focus)->setFocus(Qt::OtherFocusReason);
    }
    emit refreshed();
}

void SheetBinding::draw(std::size_t place) {
    if (drawers_[place]) {
        drawers_[place](scene_.shown(place));
    }
}

// The widget the user acted on may show what the model did not take, and a radio button the
// toolkit checked unchecks its group's others: they show the scene again.
void SheetBinding::userAction(std::size_t place, const std::function<void()>& action) {
    action();
    refresh();
    QWidget* widget = form_.widgetAt(place);
    if (qobject_cast<QRadioButton*>(widget) == nullptr) {
        draw(place);
        return;
    }
    for (std::size_t other = 0; other < drawers_.size(); ++other) {
        if (form_.widgetAt(other)->parentWidget() == widget->parentWidget()) {
            draw(other);
        }
    }
}

void SheetBinding::bind(std::size_t place, QWidget* widget, Panel&) {
    drawers_[place] = [widget](const SheetScene::Shown& shown) { showState(*widget, shown); };
}

void SheetBinding::bind(std::size_t place, QWidget* widget, TextBox& box) {
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        bindLine(place, line, box);
    } else if (auto* multiLine = qobject_cast<QPlainTextEdit*>(widget)) {
        bindMultiLine(place, multiLine, box);
    }
}

void SheetBinding::bindLine(std::size_t place, QLineEdit* edit, TextBox& box) {
    connect(edit, &QLineEdit::textEdited, this, [this, place, edit, &box](const QString& text) {
        const qsizetype behindCursor = text.size() - edit->cursorPosition();
        userAction(place, [&] { box.userType(text.toStdString()); });
        // What the box did not take of the edit was typed before the cursor: the cursor stays
        // where the user left it, before the same text as before.
        if (edit->text() != text) {
            edit->setCursorPosition(
                static_cast<int>(std::max<qsizetype>(edit->text().size() - behindCursor, 0)));
        }
    });
    drawers_[place] = [edit](const SheetScene::Shown& shown) {
        const QSignalBlocker blocker(edit);
        if (edit->text() != qt(shown.text)) {
            edit->setText(qt(shown.text));
            // A text set by the program is shown from its start, as the user reads it.
            edit->setCursorPosition(0);
        }
        if (edit->isReadOnly() != shown.readOnly) {
            edit->setReadOnly(shown.readOnly);
        }
        const QString tip = toolTipOf(shown, edit->text());
        if (edit->toolTip() != tip) {
            edit->setToolTip(tip);
        }
        showStale(*edit, shown);
        showState(*edit, shown);
    };
}

// A plain-text box has no signal for the user's edits alone. Its text changes are taken as
// the user's because the only code that sets its text is the refresh below, which blocks
// the box's signals while it does.
void SheetBinding::bindMultiLine(std::size_t place, QPlainTextEdit* edit, TextBox& box) {
    connect(edit, &QPlainTextEdit::textChanged, this, [this, place, edit, &box] {
        userAction(place, [&] { box.userType(edit->toPlainText().toStdString()); });
    });
    drawers_[place] = [edit](const SheetScene::Shown& shown) {
        const QSignalBlocker blocker(edit);
        if (edit->toPlainText() != qt(shown.text)) {
            edit->setPlainText(qt(shown.text));
        }
        if (edit->isReadOnly() != shown.readOnly) {
            edit->setReadOnly(shown.readOnly);
        }
        showStale(*edit, shown);
        showState(*edit, shown);
    };
}

void SheetBinding::bind(std::size_t place, QWidget* widget, ComboBox& list) {
    auto* combo = qobject_cast<QComboBox*>(widget);
    if (combo == nullptr) {
        return;
    }
    connect(combo, &QComboBox::activated, this,
            [this, place, &list](int index) { userAction(place, [&] { list.userPick(index); }); });
    if (QLineEdit* edit = combo->lineEdit()) {
        connect(edit, &QLineEdit::textEdited, this, [this, place, &list](const QString& text) {
            userAction(place, [&] { list.userType(text.toStdString()); });
        });
    }
    drawers_[place] = [combo](const SheetScene::Shown& shown) {
        const QSignalBlocker blocker(combo);
        showList(*combo, shown);
        showState(*combo, shown);
    };
}

void SheetBinding::bind(std::size_t place, QWidget* widget, CheckBox& box) {
    auto* check = qobject_cast<QCheckBox*>(widget);
    if (check == nullptr) {
        return;
    }
    // The widget has already stepped its own state when it reports the click; the scene's
    // value, the model's, is the one that counts.
    connect(check, &QAbstractButton::clicked, this,
            [this, place, &box] { userAction(place, [&] { box.userClick(); }); });
    drawers_[place] = [check](const SheetScene::Shown& shown) {
        const QSignalBlocker blocker(check);
        const Qt::CheckState state = checkState(static_cast<BoxState>(shown.value));
        if (check->checkState() != state) {
            check->setCheckState(state);
        }
        showState(*check, shown);
    };
}

void SheetBinding::bind(std::size_t place, QWidget* widget, OptionButton& button) {
    auto* radio = qobject_cast<QRadioButton*>(widget);
    if (radio == nullptr) {
        return;
    }
    connect(radio, &QAbstractButton::clicked, this,
            [this, place, &button] { userAction(place, [&] { button.userClick(); }); });
    drawers_[place] = [radio](const SheetScene::Shown& shown) {
        const QSignalBlocker blocker(radio);
        if (radio->isChecked() != (shown.value != 0)) {
            radio->setChecked(shown.value != 0);
        }
        showState(*radio, shown);
    };
}

// The slider reports every change of its value, also those made by code. The only code that
// sets its range, steps or value is here, which blocks the slider's signals while it does, so
// every valueChanged that gets through is the user's move.
void SheetBinding::bind(std::size_t place, QWidget* widget, Slider& slider) {
    auto* bar = qobject_cast<QSlider*>(widget);
    if (bar == nullptr) {
        return;
    }
    {
        const QSignalBlocker blocker(bar);
        bar->setRange(slider.minimum(), slider.maximum());
        bar->setSingleStep(slider.singleStep());
        bar->setPageStep(slider.pageStep());
    }
    connect(bar, &QAbstractSlider::valueChanged, this, [this, place, &slider](int position) {
        userAction(place, [&] { slider.userMove(position); });
    });
    drawers_[place] = [bar](const SheetScene::Shown& shown) {
        const QSignalBlocker blocker(bar);
        if (bar->value() != shown.value) {
            bar->setValue(shown.value);
        }
        showState(*bar, shown);
    };
}

void SheetBinding::bind(std::size_t place, QWidget* widget, Command& command) {
    auto* button = qobject_cast<QAbstractButton*>(widget);
    if (button == nullptr) {
        return;
    }
    connect(button, &QAbstractButton::clicked, this,
            [this, place, &command] { userAction(place, [&] { command.userClick(); }); });
    drawers_[place] = [button](const SheetScene::Shown& shown) { showState(*button, shown); };
}

// Menu entries are always there and always usable; only their clicks reach the model.
void SheetBinding::bindAction(QAction* action, Command& command) {
    connect(action, &QAction::triggered, this, [this, &command] {
        command.userClick();
        refresh();
    });
}
