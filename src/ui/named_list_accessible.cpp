#include "ui/named_list_accessible.h"

#include "ui/sheet_list.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>

NamedListAccessible::NamedListAccessible(QComboBox* list)
    : QAccessibleWidget(list, QAccessible::ComboBox) {}

// Asked for a class of its own, since Qt's factory answers for every QComboBox first.
QAccessibleInterface* NamedListAccessible::factory(const QString& className, QObject* object) {
    auto* list = qobject_cast<SheetList*>(object);
    if (className != QLatin1String(SheetList::staticMetaObject.className()) || list == nullptr) {
        return nullptr;
    }
    return new NamedListAccessible(list);
}

QComboBox* NamedListAccessible::list() const {
    return static_cast<QComboBox*>(widget());
}

QString NamedListAccessible::text(QAccessible::Text text) const {
    switch (text) {
    case QAccessible::Name:
        return list()->accessibleName();
    case QAccessible::Value:
        return list()->isEditable() ? list()->lineEdit()->text() : list()->currentText();
    default:
        return QAccessibleWidget::text(text);
    }
}

// The entries' view, and the line that takes typing where the list takes it.
int NamedListAccessible::childCount() const {
    return list()->isEditable() ? 2 : 1;
}

QAccessibleInterface* NamedListAccessible::child(int index) const {
    if (index == 0) {
        return QAccessible::queryAccessibleInterface(list()->view());
    }
    if (index == 1 && list()->isEditable()) {
        return QAccessible::queryAccessibleInterface(list()->lineEdit());
    }
    return nullptr;
}

int NamedListAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (child == nullptr) {
        return -1;
    }
    if (child->object() == list()->view()) {
        return 0;
    }
    return list()->isEditable() && child->object() == list()->lineEdit() ? 1 : -1;
}

QStringList NamedListAccessible::actionNames() const {
    return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
}

void NamedListAccessible::doAction(const QString& action) {
    if (action == showMenuAction() || action == pressAction()) {
        list()->showPopup();
        return;
    }
    QAccessibleWidget::doAction(action);
}
