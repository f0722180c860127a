#pragma once

#include "kmHostExport.h"

#include <QColor>
#include <QSize>

namespace zel {

// Raster image export: definition, background and supersampling.
class KM_HOST_EXPORT ImageExportSettings
{
public:
    ImageExportSettings();

    bool operator==(const ImageExportSettings& pOther) const;
    bool operator!=(const ImageExportSettings& pOther) const;

    QSize imageSize;
    QColor backgroundColor;
    int superSampling;
    bool overrideBackground;
};

} // namespace zel
