#pragma once

#include "kmHostExport.h"

#include <QObject>

namespace km {

// Camera navigation of the 3D view.
class KM_HOST_EXPORT kmNavigationManagerBase : public QObject
{
    Q_OBJECT

public:
    enum NavigationMode
    {
        NONE = 0,
        ARCBALL = 1,
        EXAMINE = 2
    };

    explicit kmNavigationManagerBase(QObject* pParent = nullptr);

    // pAnimate eases the camera into the new mode.
    void setNavigationMode(NavigationMode pMode, bool pAnimate);
    NavigationMode getNavigationMode() const { return mMode; }

Q_SIGNALS:
    void navigationModeChanged(int pMode);

private:
    NavigationMode mMode = ARCBALL;
};

} // namespace km
