#pragma once

#include "kmHostExport.h"

#include <QString>

namespace zel {

// How the nodes of the product structure are named.
class KM_HOST_EXPORT InstanceNamingPolicy
{
public:
    enum Type
    {
        INSTANCE_NAME = 0,
        COMPONENT_NAME = 1,
        COMPONENT_AND_INSTANCE_NAME = 2
    };

    InstanceNamingPolicy() = default;
    InstanceNamingPolicy(Type pType, const QString& pAttributeName);

    Type getType() const { return mType; }
    const QString& getAttributeName() const { return mAttributeName; }

    bool operator==(const InstanceNamingPolicy& pOther) const;
    bool operator!=(const InstanceNamingPolicy& pOther) const;

private:
    Type mType = INSTANCE_NAME;
    QString mAttributeName;
};

} // namespace zel
