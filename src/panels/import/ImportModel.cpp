#include "ImportModel.h"

#include <cmath>

namespace zel {

namespace {

bool differ(double pLeft, double pRight)
{
    return pLeft < pRight || pLeft > pRight || std::isnan(pLeft) || std::isnan(pRight);
}

} // namespace

bool ImportModel::differsFrom(const ImportModel& pOther) const
{
    if (loadHiddenObjects != pOther.loadHiddenObjects
        || loadAnnotations != pOther.loadAnnotations
        || computeFaceContour != pOther.computeFaceContour
        || qualitySet != pOther.qualitySet
        || maxFaceSagSet != pOther.maxFaceSagSet
        || maxFaceLengthSet != pOther.maxFaceLengthSet
        || maxFaceAngleSet != pOther.maxFaceAngleSet)
        return true;
    return (qualitySet && isHighQuality != pOther.isHighQuality)
        || (maxFaceSagSet && differ(maxFaceSag, pOther.maxFaceSag))
        || (maxFaceLengthSet && differ(maxFaceLength, pOther.maxFaceLength))
        || (maxFaceAngleSet && maxFaceAngle != pOther.maxFaceAngle);
}

} // namespace zel
