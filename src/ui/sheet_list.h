#pragma once

#include <QComboBox>

// A list of the sheet: a QComboBox of its own class, so that screen readers can be told of it
// as the sheet names it (named_list_accessible.h) rather than as Qt tells of any list.
class SheetList : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;
};
