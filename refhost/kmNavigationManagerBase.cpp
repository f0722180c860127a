#include "kmNavigationManagerBase.h"

namespace km {

kmNavigationManagerBase::kmNavigationManagerBase(QObject* pParent)
    : QObject(pParent)
{
}

void kmNavigationManagerBase::setNavigationMode(NavigationMode pMode, bool pAnimate)
{
    // There is no camera here to ease into the new mode.
    Q_UNUSED(pAnimate);
    if (mMode != pMode) {
        mMode = pMode;
        Q_EMIT navigationModeChanged(static_cast<int>(pMode));
    }
}

} // namespace km
