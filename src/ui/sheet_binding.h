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
class QAbstractButton;
class QAction;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QSlider;
class QWidget;
class Slider;
class TextBox;

// Ties a sheet window's widgets to its model. Each path runs one way only: a user's action
// on a widget reaches the model through the widget's user-only signal and the control's user
// entry point; the model reaches the widgets only through refresh(), which runs after every
// user action, sets only what differs and blocks the widgets' signals while it does.
class SheetBinding : public QObject {
    Q_OBJECT
public:
    // Binds every named control of the window (widgets and menu entries) that the model has.
    SheetBinding(CombatSheet& sheet, QWidget& window);

    void refresh();
    // How many window controls are tied to a model control.
    int boundCount() const { return static_cast<int>(refreshers_.size()); }

private:
    struct NamedObjects;

    void bindNamed(const std::string& name, const NamedObjects& named);
    void bind(QWidget* widget, Panel& panel);
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
    QWidget& window_;
    std::vector<std::function<void()>> refreshers_;
};
