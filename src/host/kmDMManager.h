#pragma once

#include "AttributesDictionary.h"
#include "InstanceNamingPolicy.h"
#include "kmHostExport.h"

#include <QObject>

#include <vector>

namespace zel {

// The 3D database manager: cache, naming of the product structure, attributes.
class KM_HOST_EXPORT kmDMManager : public QObject
{
    Q_OBJECT

public:
    explicit kmDMManager(QObject* pParent = nullptr);

    // Megabytes.
    void setMaxCacheSize(unsigned int pMegabytes);
    unsigned int getMaxCacheSize() const { return mMaxCacheSize; }
    void setDefaultInstanceNamingPolicy(const InstanceNamingPolicy& pPolicy);
    const InstanceNamingPolicy& getDefaultInstanceNamingPolicy() const { return mNamingPolicy; }

    AttributesDictionary& getAttributesDictionary() { return mDictionary; }
    const AttributesDictionary& getAttributesDictionary() const { return mDictionary; }

    // Level-of-detail ratios: keeps those in (0, 1], largest first, without repeats.
    static void CorrectRatios(std::vector<float>& pRatios);

Q_SIGNALS:
    void managerSettingsChanged();

private:
    unsigned int mMaxCacheSize = 0;
    InstanceNamingPolicy mNamingPolicy;
    AttributesDictionary mDictionary;
};

} // namespace zel
