#pragma once

#include "kmHostExport.h"

#include <QObject>
#include <QPoint>
#include <QPointer>

class QWidget;

namespace km {

// Lets the user drag a frameless window by one of its widgets.
class KM_HOST_EXPORT kmMovableObject : public QObject
{
    Q_OBJECT

public:
    explicit kmMovableObject(QObject* pOwner);

    // pAnchor is what the user drags, pMovable the window that moves.
    void setAnchorObject(QWidget* pAnchor, QWidget* pMovable);
    // A double-click on the anchor maximises the window, or restores it.
    void setExpandOnDlbClick(bool pExpand);

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    QPointer<QWidget> mAnchor;
    QPointer<QWidget> mMovable;
    QPoint mPressOffset;
    bool mDragging = false;
    bool mExpandOnDoubleClick = false;
};

} // namespace km
