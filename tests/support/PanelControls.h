#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QSlider>

namespace zeltest {

// The controls that a person operates; the parts that make up a combo box, a spin box or a
// scroll area are theirs, not the panel's.
inline QList<QWidget*> OperableControls(const QWidget* pPanel)
{
    QList<QWidget*> controls;
    const QList<QWidget*> widgets = pPanel->findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        const bool operable = qobject_cast<QAbstractButton*>(widget)
                              || qobject_cast<QAbstractSpinBox*>(widget)
                              || qobject_cast<QComboBox*>(widget)
                              || qobject_cast<QSlider*>(widget)
                              || qobject_cast<QAbstractItemView*>(widget);
        bool part = false;
        for (QWidget* owner = widget->parentWidget(); owner && owner != pPanel;
             owner = owner->parentWidget())
            part |= qobject_cast<QComboBox*>(owner) || qobject_cast<QAbstractSpinBox*>(owner);
        if (operable && !part)
            controls.append(widget);
    }
    return controls;
}

// What a screen reader calls the control. A combo box reads out its current item as its
// name on some platforms, so it also needs a label of its own.
inline QString AccessibleName(QWidget* pControl)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(pControl);
    if (!accessible)
        return QString();
    if (qobject_cast<QComboBox*>(pControl) && pControl->accessibleName().isEmpty()
        && accessible->relations(QAccessible::Label).isEmpty())
        return QString();
    return accessible->text(QAccessible::Name).trimmed();
}

// An auto-exclusive button is reached with Tab through the checked button of its group and
// then with the arrow keys.
inline bool ReachedThroughGroup(const QWidget* pControl, const QList<QWidget*>& pReached)
{
    const auto* button = qobject_cast<const QAbstractButton*>(pControl);
    if (!button || !button->autoExclusive())
        return false;
    for (QWidget* other : pReached) {
        const auto* member = qobject_cast<QAbstractButton*>(other);
        if (member && member->autoExclusive() && member->isChecked()
            && member->parentWidget() == button->parentWidget())
            return true;
    }
    return false;
}

} // namespace zeltest
