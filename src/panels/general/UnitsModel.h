#pragma once

#include "Unit.h"

#include <QtGlobal>

namespace zel {

// Length unit and the decimals shown for lengths.
struct UnitsModel
{
    Unit unit = MILLIMETER;
    quint32 nbDecimals = 0;

    bool operator!=(const UnitsModel& pOther) const
    {
        return unit != pOther.unit || nbDecimals != pOther.nbDecimals;
    }
};

} // namespace zel
