#include "ColorRGBA.h"

namespace Wm4 {

ColorRGBA::ColorRGBA(float pRed, float pGreen, float pBlue, float pAlpha)
    : mTuple{pRed, pGreen, pBlue, pAlpha}
{
}

bool ColorRGBA::operator==(const ColorRGBA& pOther) const
{
    for (int i = 0; i < 4; ++i) {
        if (mTuple[i] != pOther.mTuple[i])
            return false;
    }
    return true;
}

bool ColorRGBA::operator!=(const ColorRGBA& pOther) const
{
    return !(*this == pOther);
}

} // namespace Wm4
