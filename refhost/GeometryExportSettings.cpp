#include "GeometryExportSettings.h"

namespace zel {

GeometryExportSettings::GeometryExportSettings()
    : simplification(0.0f)
    , scatteredExport(false)
    , keepHiddenBranches(true)
{
}

bool GeometryExportSettings::operator==(const GeometryExportSettings& pOther) const
{
    return simplification == pOther.simplification
        && scatteredExport == pOther.scatteredExport
        && keepHiddenBranches == pOther.keepHiddenBranches;
}

bool GeometryExportSettings::operator!=(const GeometryExportSettings& pOther) const
{
    return !(*this == pOther);
}

} // namespace zel
