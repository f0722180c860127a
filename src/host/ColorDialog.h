#pragma once

#include "kmHostExport.h"

#include <QColor>

class QWidget;

namespace km {

class KM_HOST_EXPORT ColorDialog
{
public:
    // Modal; an invalid colour when the user cancels. pShowAlpha offers the alpha channel.
    static QColor GetColor(const QColor& pInitial, bool pShowAlpha, QWidget* pParent);
};

} // namespace km
