#include "kmDMManager.h"

#include <algorithm>
#include <functional>

namespace zel {

kmDMManager::kmDMManager(QObject* pParent)
    : QObject(pParent)
{
}

void kmDMManager::setMaxCacheSize(unsigned int pMegabytes)
{
    if (mMaxCacheSize != pMegabytes) {
        mMaxCacheSize = pMegabytes;
        Q_EMIT managerSettingsChanged();
    }
}

void kmDMManager::setDefaultInstanceNamingPolicy(const InstanceNamingPolicy& pPolicy)
{
    if (mNamingPolicy != pPolicy) {
        mNamingPolicy = pPolicy;
        Q_EMIT managerSettingsChanged();
    }
}

void kmDMManager::CorrectRatios(std::vector<float>& pRatios)
{
    // The negated test also drops NaN, which compares false with everything.
    pRatios.erase(std::remove_if(pRatios.begin(), pRatios.end(),
                                 [](float pRatio) { return !(pRatio > 0.0f && pRatio <= 1.0f); }),
                  pRatios.end());
    std::sort(pRatios.begin(), pRatios.end(), std::greater<float>());
    pRatios.erase(std::unique(pRatios.begin(), pRatios.end()), pRatios.end());
}

} // namespace zel
