#pragma once

#include "layout/sheet_scene.h"

#include <QObject>

#include <cstddef>
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
// user action and draws what the sheet's scene says changed, blocking the widgets' signals
// while it does.
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
    // Each place of the layout: what draws its state on its widget, and what takes its user's
    // action to the model.
    void bind(std::size_t place, QWidget* widget, Panel& panel);
    void bind(std::size_t place, QWidget* widget, TextBox& box);
    void bind(std::size_t place, QWidget* widget, ComboBox& list);
    void bind(std::size_t place, QWidget* widget, CheckBox& box);
    void bind(std::size_t place, QWidget* widget, OptionButton& button);
    void bind(std::size_t place, QWidget* widget, Slider& slider);
    void bind(std::size_t place, QWidget* widget, Command& command);
    void bindLine(std::size_t place, QLineEdit* edit, TextBox& box);
    void bindMultiLine(std::size_t place, QPlainTextEdit* edit, TextBox& box);
    void bindAction(QAction* action, Command& command);
    void draw(std::size_t place);
    // Runs a user entry point of the model on the control at the place, then shows what it
    // changed.
    void userAction(std::size_t place, const std::function<void()>& action);

    CombatSheet& sheet_;
    const SheetForm& form_;
    SheetScene scene_;
    std::vector<std::function<void(const SheetScene::Shown&)>> drawers_; // by place
};
