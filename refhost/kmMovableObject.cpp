#include "kmMovableObject.h"

#include "../src/framework/zelQtCompat.h"

#include <QMouseEvent>
#include <QWidget>

namespace km {

kmMovableObject::kmMovableObject(QObject* pOwner)
    : QObject(pOwner)
{
}

void kmMovableObject::setAnchorObject(QWidget* pAnchor, QWidget* pMovable)
{
    if (mAnchor)
        mAnchor->removeEventFilter(this);
    mAnchor = pAnchor;
    mMovable = pMovable;
    mDragging = false;
    if (mAnchor)
        mAnchor->installEventFilter(this);
}

void kmMovableObject::setExpandOnDlbClick(bool pExpand)
{
    mExpandOnDoubleClick = pExpand;
}

bool kmMovableObject::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    if (pWatched != mAnchor || !mMovable)
        return QObject::eventFilter(pWatched, pEvent);

    switch (pEvent->type()) {
    case QEvent::MouseButtonPress: {
        const auto* event = static_cast<QMouseEvent*>(pEvent);
        // A maximised or full-screen window stays where it is.
        if (event->button() == Qt::LeftButton
            && !(mMovable->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
            mDragging = true;
            mPressOffset = zel::compat::globalPosition(event) - mMovable->pos();
        }
        break;
    }
    case QEvent::MouseMove: {
        const auto* event = static_cast<QMouseEvent*>(pEvent);
        if (mDragging && (event->buttons() & Qt::LeftButton)) {
            mMovable->move(zel::compat::globalPosition(event) - mPressOffset);
            return true;
        }
        break;
    }
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(pEvent)->button() == Qt::LeftButton)
            mDragging = false;
        break;
    case QEvent::MouseButtonDblClick:
        if (mExpandOnDoubleClick
            && static_cast<QMouseEvent*>(pEvent)->button() == Qt::LeftButton) {
            mDragging = false;
            if (mMovable->isMaximized())
                mMovable->showNormal();
            else
                mMovable->showMaximized();
            return true;
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(pWatched, pEvent);
}

} // namespace km
