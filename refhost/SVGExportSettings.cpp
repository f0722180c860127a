#include "SVGExportSettings.h"

namespace zel {

namespace {
// A4 landscape, in millimetres.
const int kCanvasWidth = 297;
const int kCanvasHeight = 210;
const float kSalientEdgeWidth = 0.5f;
const float kSilhouetteEdgeWidth = 0.7f;
} // namespace

SVGExportSettings::SVGExportSettings()
    : canvasWidth(kCanvasWidth)
    , canvasHeight(kCanvasHeight)
    , salientEdgeColor(Qt::black)
    , salientEdgeWidth(kSalientEdgeWidth)
    , silhouetteEdgeColor(Qt::black)
    , silhouetteEdgeWidth(kSilhouetteEdgeWidth)
    , exportAsImage(false)
{
}

bool SVGExportSettings::operator==(const SVGExportSettings& pOther) const
{
    return canvasWidth == pOther.canvasWidth && canvasHeight == pOther.canvasHeight
        && salientEdgeColor == pOther.salientEdgeColor
        && salientEdgeWidth == pOther.salientEdgeWidth
        && silhouetteEdgeColor == pOther.silhouetteEdgeColor
        && silhouetteEdgeWidth == pOther.silhouetteEdgeWidth
        && exportAsImage == pOther.exportAsImage;
}

bool SVGExportSettings::operator!=(const SVGExportSettings& pOther) const
{
    return !(*this == pOther);
}

} // namespace zel
