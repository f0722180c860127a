#pragma once

#include "InstanceNamingPolicy.h"

namespace zel {

// Product structure naming and side panels of the general panel. Only the policy's type
// is kept; its attribute name stays empty.
struct DisplayOptions
{
    InstanceNamingPolicy namingPolicy;
    bool displayPs = true;
    bool displayTool = true;

    bool operator!=(const DisplayOptions& pOther) const
    {
        return namingPolicy.getType() != pOther.namingPolicy.getType()
               || displayPs != pOther.displayPs || displayTool != pOther.displayTool;
    }
};

} // namespace zel
