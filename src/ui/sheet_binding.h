#pragma once

#include <QObject>

#include <functional>
#include <vector>

class CheckBox;
class ComboBox;
class CombatSheet;
class Command;
class Control;
class OptionButton;
class Panel;
class QAction;
class QLineEdit;
class QPlainTextEdit;
class QWidget;
class SheetForm;
class Slider;
class TextBox;

// Ties a sheet window's widgets to its model. Each path runs one way only: a user's action
// on a widget reaches the model through the widget's user-only signal and the control's user
// entry point; the model reaches the widgets only through refresh(), which runs after every
// user action, sets only what differs and blocks the widgets' signals while it does.
class SheetBinding : public QObject {
    Q_OBJECT
public:
    // Binds every widget of the form that stands for a control of the model, and the menu
    // entries, given in the order of the menu table.
    SheetBinding(CombatSheet& sheet, const SheetForm& form,
                 const std::vector<QAction*>& menuEntries);

    void refresh();

signals:
    // The widgets show the model again, after a user's action.
    void refreshed();

private:
    void bind(QWidget* widget, Panel& panel, const Panel* cover);
    void bind(QWidget* widget, TextBox& box);
    void bind(QWidget* widget, ComboBox& list);
    void bind(QWidget* widget, CheckBox& box);
    void bind(QWidget* widget, OptionButton& button);
    void bind(QWidget* widget, Slider& slider);
    void bind(QWidget* widget, Command& command);
    void bindLine(QLineEdit* edit, TextBox& box);
    void bindMultiLine(QPlainTextEdit* edit, TextBox& box);
    void bindAction(QAction* action, Command& command);
    // Runs a user entry point of the model, then shows what it changed.
    void userAction(const std::function<void()>& action);

    CombatSheet& sheet_;
    std::vector<std::function<void()>> refreshers_;
};
