#pragma once

#include "kmHostExport.h"

namespace zel {

// 3D geometry export. simplification: 0 none, negative minus the percentage of
// triangles kept, positive a target number of triangles.
class KM_HOST_EXPORT GeometryExportSettings
{
public:
    GeometryExportSettings();

    bool operator==(const GeometryExportSettings& pOther) const;
    bool operator!=(const GeometryExportSettings& pOther) const;

    float simplification;
    bool scatteredExport;
    bool keepHiddenBranches;
};

} // namespace zel
