#include "zelSpinBox.h"

#include <QEvent>

namespace zel {

zelSpinBox::zelSpinBox(QWidget* pParent)
    : QSpinBox(pParent)
{
    // The focus policy carries the state: wheel focus only while the box has the focus.
    setFocusPolicy(Qt::StrongFocus);
    installEventFilter(this);
}

zelSpinBox::~zelSpinBox()
{
    removeEventFilter(this);
}

bool zelSpinBox::eventFilter(QObject* pObject, QEvent* pEvent)
{
    if (pEvent->type() != QEvent::MouseMove && pEvent->type() != QEvent::Wheel)
        return QObject::eventFilter(pObject, pEvent);

    if (focusPolicy() == Qt::WheelFocus) {
        pEvent->accept();
        return false;
    }
    // Ignored, the wheel travels on to the parents and the page scrolls.
    pEvent->ignore();
    return true;
}

void zelSpinBox::focusInEvent(QFocusEvent* pEvent)
{
    setFocusPolicy(Qt::WheelFocus);
    QSpinBox::focusInEvent(pEvent);
}

void zelSpinBox::focusOutEvent(QFocusEvent* pEvent)
{
    setFocusPolicy(Qt::StrongFocus);
    QSpinBox::focusOutEvent(pEvent);
}

} // namespace zel
