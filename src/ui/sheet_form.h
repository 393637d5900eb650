#pragma once

#include <QWidget>

#include <cstddef>
#include <vector>

class CombatSheet;

namespace sheet {
struct ControlLayout;
}

// The client area of a combat sheet window: every control of the layout tables, made as the
// kind of widget its row names, with the model's caption and entries, named after its control
// and placed at its fixed position. It holds no state of its own.
class SheetForm : public QWidget {
    Q_OBJECT
public:
    explicit SheetForm(const CombatSheet& sheet, QWidget* parent = nullptr);

    // The widget of each row of the layout table, in the table's order.
    QWidget* widgetAt(std::size_t place) const { return widgets_.at(place); }
    // The sheet's client area; the window may be made larger or smaller, the controls stay.
    QSize sizeHint() const override;

private:
    QWidget* create(const sheet::ControlLayout& layout, QWidget* container);
    void place(QWidget& widget, const sheet::ControlLayout& layout);
    void orderTabStops();

    const CombatSheet& sheet_;
    std::vector<QWidget*> widgets_;
};
