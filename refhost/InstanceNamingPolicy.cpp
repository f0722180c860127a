#include "InstanceNamingPolicy.h"

namespace zel {

InstanceNamingPolicy::InstanceNamingPolicy(Type pType, const QString& pAttributeName)
    : mType(pType)
    , mAttributeName(pAttributeName)
{
}

bool InstanceNamingPolicy::operator==(const InstanceNamingPolicy& pOther) const
{
    return mType == pOther.mType && mAttributeName == pOther.mAttributeName;
}

bool InstanceNamingPolicy::operator!=(const InstanceNamingPolicy& pOther) const
{
    return !(*this == pOther);
}

} // namespace zel
