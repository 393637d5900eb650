#include "ui/sheet_binding.h"

#include "app/combat_sheet.h"
#include "ui/control_lookup.h"
#include "ui/sheet_layout.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QHash>
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

Qt::CheckState checkState(int value) {
    switch (value) {
    case CheckBox::Ticked:
        return Qt::Checked;
    case CheckBox::Grayed:
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

bool isToHitField(const CombatSheet& sheet, const TextBox& box) {
    for (const TextBox& toHit : sheet.toHit) {
        if (&toHit == &box) {
            return true;
        }
    }
    return false;
}

// A to-hit field shows the breakdown that the calculation left with its number. Other
// results, such as a damage text, can be wider than their field: the tip shows them whole.
QString toolTipOf(const TextBox& box, const QString& shownText, bool resultWithBreakdown) {
    if (resultWithBreakdown) {
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

// The window's named widgets and menu entries, gathered in one pass over the window instead
// of one search through all its objects for each of its few hundred controls. A name that
// more than one object carries is left to the window's own search.
struct SheetBinding::NamedObjects {
    explicit NamedObjects(const QWidget& window) {
        for (QObject* object : window.findChildren<QObject*>()) {
            if (auto* action = qobject_cast<QAction*>(object)) {
                add(actions, object->objectName(), action);
            } else if (auto* widget = qobject_cast<QWidget*>(object)) {
                add(widgets, object->objectName(), widget);
            }
        }
    }

    template <typename T>
    static void add(QHash<QString, T*>& objects, const QString& name, T* object) {
        if (name.isEmpty()) {
            return;
        }
        auto found = objects.find(name);
        if (found == objects.end()) {
            objects.insert(name, object);
        } else {
            found.value() = nullptr;
        }
    }

    template <typename T>
    static T* find(const QHash<QString, T*>& objects, const QWidget& window, const QString& name) {
        auto found = objects.find(name);
        if (found == objects.end()) {
            return nullptr;
        }
        return found.value() != nullptr ? found.value() : window.findChild<T*>(name);
    }

    QHash<QString, QAction*> actions;
    QHash<QString, QWidget*> widgets;
};

SheetBinding::SheetBinding(CombatSheet& sheet, QWidget& window) : sheet_(sheet), window_(window) {
    const NamedObjects named(window);
    for (const sheet::ControlLayout& layout : sheet::sheetLayout()) {
        bindNamed(layout.name, named);
    }
    for (const sheet::MenuEntry& entry : sheet::sheetMenu()) {
        bindNamed(entry.name, named);
    }
    refresh();
}

void SheetBinding::refresh() {
    const QString title = qt(sheet_.title());
    if (window_.windowTitle() != title) {
        window_.setWindowTitle(title);
    }
    for (const auto& refresher : refreshers_) {
        refresher();
    }
}

void SheetBinding::userAction(const std::function<void()>& action) {
    action();
    refresh();
}

void SheetBinding::bindNamed(const std::string& name, const NamedObjects& named) {
    const QString objectName = qt(name);
    auto widgetNamed = [&] { return NamedObjects::find(named.widgets, window_, objectName); };
    std::visit(Overloaded{
                   [](std::monostate) {},
                   [&](Command* command) {
                       if (auto* action = NamedObjects::find(named.actions, window_, objectName)) {
                           bindAction(action, *command);
                       } else if (auto* widget = widgetNamed()) {
                           bind(widget, *command);
                       }
                   },
                   [&](auto* control) {
                       if (auto* widget = widgetNamed()) {
                           bind(widget, *control);
                       }
                   },
               },
               findControl(sheet_, name));
}

// The setup panel covers the attacker panel whole. While it does, the attacker panel is
// hidden on screen as well, which shows the same, so that neither the Tab key nor a screen
// reader reaches controls that nobody can see.
void SheetBinding::bind(QWidget* widget, Panel& panel) {
    const Panel* cover = &panel == &sheet_.Frame4 ? &sheet_.Setup : nullptr;
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
    connect(edit, &QLineEdit::textEdited, this, [this, &box](const QString& text) {
        userAction([&] { box.userType(text.toStdString()); });
    });
    const bool resultWithBreakdown = isToHitField(sheet_, box);
    refreshers_.push_back([edit, &box, resultWithBreakdown] {
        const QSignalBlocker blocker(edit);
        if (edit->text() != qt(box.text())) {
            edit->setText(qt(box.text()));
            // A text set by the program is shown from its start, as the user reads it.
            edit->setCursorPosition(0);
        }
        if (edit->isReadOnly() != box.readOnly()) {
            edit->setReadOnly(box.readOnly());
        }
        const QString tip = toolTipOf(box, edit->text(), resultWithBreakdown);
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
    {
        const QSignalBlocker blocker(combo);
        for (const std::string& item : list.items()) {
            combo->addItem(qt(item));
        }
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

void SheetBinding::bindAction(QAction* action, Command& command) {
    connect(action, &QAction::triggered, this,
            [this, &command] { userAction([&] { command.userClick(); }); });
    refreshers_.push_back([action, &command] {
        if (action->isVisible() != command.visible()) {
            action->setVisible(command.visible());
        }
        if (action->isEnabled() != command.enabled()) {
            action->setEnabled(command.enabled());
        }
    });
}
