#include "AttributesDictionary.h"

namespace zel {

void AttributesDictionary::getComponentAttributeNames(QStringList& pNames) const
{
    pNames = mComponentNames;
}

void AttributesDictionary::getInstanceAttributeNames(QStringList& pNames) const
{
    pNames = mInstanceNames;
}

void AttributesDictionary::setComponentAttributeNames(const QStringList& pNames)
{
    mComponentNames = pNames;
}

void AttributesDictionary::setInstanceAttributeNames(const QStringList& pNames)
{
    mInstanceNames = pNames;
}

} // namespace zel
