#pragma once

#include <QAccessibleWidget>

class QComboBox;
class QObject;
class QString;

// What a screen reader is told of one of the sheet's lists: its name is the name the sheet
// gives it ("Weapon 1", "Light Woods"), whatever entry it shows, and its value is that entry.
// (Qt on Linux names a list by its value, so that "LB-10X AC" would say nothing of the field.)
// It lets a screen reader open the list and walk its entries, as Qt's own does.
class NamedListAccessible : public QAccessibleWidget {
public:
    explicit NamedListAccessible(QComboBox* list);

    // For QAccessible::installFactory: this interface for every list of the sheet.
    static QAccessibleInterface* factory(const QString& className, QObject* object);

    QString text(QAccessible::Text text) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QStringList actionNames() const override;
    void doAction(const QString& action) override;

private:
    QComboBox* list() const;
};
