#pragma once

#include "zelExport.h"

namespace zel {

// The import options and tessellation limits, moved between the settings store, the
// registered defaults and the import panel's controls. A limit's value stays meaningful
// only while its flag is set.
struct ZEL_EXPORT ImportModel
{
    bool loadHiddenObjects = false;
    bool loadAnnotations = false;
    bool computeFaceContour = false;
    double maxFaceSag = 0.0;
    double maxFaceLength = 0.0;
    int maxFaceAngle = 0;
    bool isHighQuality = false;
    bool qualitySet = false;
    bool maxFaceSagSet = false;
    bool maxFaceLengthSet = false;
    bool maxFaceAngleSet = false;

    // A value whose flag is off is not compared; a NaN differs from everything.
    bool differsFrom(const ImportModel& pOther) const;
};

} // namespace zel
