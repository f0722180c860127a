#include "EventCounter.h"

#include <QResizeEvent>
#include <QWidget>

namespace zeltest {

EventCounter::EventCounter(QEvent::Type pType, std::function<bool(const QEvent*)> pCounted)
    : mType(pType)
    , mCounted(std::move(pCounted))
{
}

void EventCounter::watch(QWidget* pWidget)
{
    pWidget->installEventFilter(this);
}

void EventCounter::watchTree(QWidget* pTop)
{
    watch(pTop);
    // Windows inside, such as a combo box's list, are shown on their own.
    for (QWidget* widget : pTop->findChildren<QWidget*>()) {
        if (widget->window() == pTop->window())
            watch(widget);
    }
}

bool EventCounter::DeferredResize(const QEvent* pEvent)
{
    return !static_cast<const QResizeEvent*>(pEvent)->oldSize().isValid();
}

bool EventCounter::eventFilter(QObject* pObject, QEvent* pEvent)
{
    if (pEvent->type() == mType && (!mCounted || mCounted(pEvent)))
        ++mCount;
    return QObject::eventFilter(pObject, pEvent);
}

} // namespace zeltest
