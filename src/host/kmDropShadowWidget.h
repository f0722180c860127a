#pragma once

#include "kmHostExport.h"

#include <QFrame>

namespace km {

// A frame drawn with a soft drop shadow whose depth follows the elevation level.
class KM_HOST_EXPORT kmDropShadowWidget : public QFrame
{
    Q_OBJECT

public:
    explicit kmDropShadowWidget(QWidget* pParent = nullptr, Qt::WindowFlags pFlags = {});

    void setElevationLevel(int pLevel);
    int elevationLevel() const { return mElevationLevel; }

private:
    int mElevationLevel = 1;
};

} // namespace km
