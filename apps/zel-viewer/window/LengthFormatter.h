#pragma once

#include "Unit.h"

#include <QString>

namespace zel {

// Lengths of the model, kept in millimetres, as the user asked to read them.
class LengthFormatter
{
public:
    static constexpr int kMaxDecimals = 10;

    static double FromMillimetres(double pMillimetres, Unit pUnit);
    static QString Symbol(Unit pUnit);
    // "150.00 mm" in the default locale's digits and separators; the decimals are clamped to
    // 0 to 10.
    static QString Format(double pMillimetres, Unit pUnit, int pDecimals);
};

} // namespace zel
