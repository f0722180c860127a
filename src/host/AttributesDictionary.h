#pragma once

#include "kmHostExport.h"

#include <QStringList>

namespace zel {

// Names of the attributes that the loaded model's components and instances carry.
class KM_HOST_EXPORT AttributesDictionary
{
public:
    void getComponentAttributeNames(QStringList& pNames) const;
    void getInstanceAttributeNames(QStringList& pNames) const;

    void setComponentAttributeNames(const QStringList& pNames);
    void setInstanceAttributeNames(const QStringList& pNames);

private:
    QStringList mComponentNames;
    QStringList mInstanceNames;
};

} // namespace zel
