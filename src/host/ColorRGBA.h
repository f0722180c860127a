#pragma once

#include "kmHostExport.h"

namespace Wm4 {

// A colour of four floats, each from 0 to 1.
class KM_HOST_EXPORT ColorRGBA
{
public:
    ColorRGBA() = default;
    ColorRGBA(float pRed, float pGreen, float pBlue, float pAlpha);

    float R() const { return mTuple[0]; }
    float G() const { return mTuple[1]; }
    float B() const { return mTuple[2]; }
    float A() const { return mTuple[3]; }
    float& R() { return mTuple[0]; }
    float& G() { return mTuple[1]; }
    float& B() { return mTuple[2]; }
    float& A() { return mTuple[3]; }

    float operator[](int pIndex) const { return mTuple[pIndex]; }
    float& operator[](int pIndex) { return mTuple[pIndex]; }

    bool operator==(const ColorRGBA& pOther) const;
    bool operator!=(const ColorRGBA& pOther) const;

private:
    float mTuple[4] = {0.0f, 0.0f, 0.0f, 0.0f};
};

} // namespace Wm4
