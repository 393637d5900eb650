#pragma once

#include <QWidget>

#include <map>
#include <string>

namespace sheet {
struct ControlLayout;
}

// The client area of a combat sheet window: every control of the layout tables, made,
// named after its control and placed at its fixed position. It holds no state of its own.
class SheetForm : public QWidget {
    Q_OBJECT
public:
    explicit SheetForm(QWidget* parent = nullptr);

    // The control of that name, or nullptr.
    QWidget* control(const std::string& name) const;
    // The sheet's client area; the window may be made larger or smaller, the controls stay.
    QSize sizeHint() const override;

private:
    QWidget* create(const sheet::ControlLayout& layout, QWidget* container);
    void place(QWidget& widget, const sheet::ControlLayout& layout);
    void orderTabStops();

    std::map<std::string, QWidget*> controls_;
};
