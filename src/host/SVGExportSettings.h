#pragma once

#include "kmHostExport.h"

#include <QColor>

namespace zel {

// Vector drawing export: canvas in millimetres, edge colours and widths.
class KM_HOST_EXPORT SVGExportSettings
{
public:
    SVGExportSettings();

    bool operator==(const SVGExportSettings& pOther) const;
    bool operator!=(const SVGExportSettings& pOther) const;

    int canvasWidth;
    int canvasHeight;
    QColor salientEdgeColor;
    float salientEdgeWidth;
    QColor silhouetteEdgeColor;
    float silhouetteEdgeWidth;
    bool exportAsImage;
};

} // namespace zel
