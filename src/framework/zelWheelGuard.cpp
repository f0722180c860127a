#include "zelWheelGuard.h"

#include "zelDoubleSpinBox.h"
#include "zelSpinBox.h"

#include <QAbstractSlider>
#include <QComboBox>
#include <QEvent>
#include <QScrollBar>

namespace zel {

namespace {

bool takesTheWheel(const QWidget* pWidget)
{
    // The library's own spin boxes already wait for the focus; a scroll bar never takes it
    // and is what the wheel is for.
    if (qobject_cast<const zelSpinBox*>(pWidget) || qobject_cast<const zelDoubleSpinBox*>(pWidget)
        || qobject_cast<const QScrollBar*>(pWidget))
        return false;
    return qobject_cast<const QComboBox*>(pWidget) || qobject_cast<const QAbstractSlider*>(pWidget)
           || qobject_cast<const QAbstractSpinBox*>(pWidget);
}

} // namespace

zelWheelGuard::zelWheelGuard(QWidget* pControl)
    : QObject(pControl)
{
    // A wheel focus would let the first notch focus the control and change it at once.
    if (pControl->focusPolicy() == Qt::WheelFocus)
        pControl->setFocusPolicy(Qt::StrongFocus);
    pControl->installEventFilter(this);
}

void zelWheelGuard::guardControls(QWidget* pRoot)
{
    if (!pRoot)
        return;
    const QList<QWidget*> widgets = pRoot->findChildren<QWidget*>();
    for (QWidget* widget : widgets)
        guard(widget);
}

void zelWheelGuard::guard(QWidget* pControl)
{
    if (!pControl || !takesTheWheel(pControl)
        || pControl->findChild<zelWheelGuard*>(QString(), Qt::FindDirectChildrenOnly))
        return;
    new zelWheelGuard(pControl);
}

bool zelWheelGuard::eventFilter(QObject* pObject, QEvent* pEvent)
{
    if (pEvent->type() != QEvent::Wheel || static_cast<QWidget*>(pObject)->hasFocus())
        return QObject::eventFilter(pObject, pEvent);
    // Ignored, the wheel travels on to the parents and the page scrolls.
    pEvent->ignore();
    return true;
}

} // namespace zel
