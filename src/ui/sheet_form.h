#pragma once

#include <QWidget>

#include <cstddef>
#include <map>
#include <string>
#include <vector>

class CombatSheet;
class QGroupBox;

namespace sheet {
struct ControlLayout;
}

// The client area of a combat sheet window: every control of the layout tables, made as the
// kind of widget its row names, with the scene's caption and name and the model's entries, named
// after its control and placed at its fixed position, scaled to the zoom. It holds no state of its
// own.
class SheetForm : public QWidget {
    Q_OBJECT
public:
    explicit SheetForm(const CombatSheet& sheet, QWidget* parent = nullptr);

    // The widget of each row of the layout table, in the table's order.
    QWidget* widgetAt(std::size_t place) const { return widgets_.at(place); }
    // Places every widget, sizes every face and every line for the zoom, in percent of the
    // actual size; the captions are fitted anew.
    void applyZoom(int zoom);
    int zoom() const { return zoom_; }
    // The sheet's client area; the window may be made larger or smaller, the controls stay.
    QSize sizeHint() const override;

private:
    QWidget* create(const sheet::ControlLayout& layout, const QString& caption, QWidget* container);
    QWidget* containerOf(const sheet::ControlLayout& layout);
    void name(QWidget& widget, const sheet::ControlLayout& layout, const std::string& spoken);
    void linkLabels();
    void orderTabStops();
    void placeGroupings(const std::vector<QRect>& places);

    // An option group that shares its panel with other controls, held in a frameless group
    // box of its own, and the places in the layout table of its buttons.
    struct Grouping {
        QGroupBox* box;
        std::vector<std::size_t> members;
    };

    const CombatSheet& sheet_;
    std::vector<QWidget*> widgets_;
    std::map<std::string, Grouping> groupings_; // by the name of the label heading the group
    int zoom_ = 0;
};
