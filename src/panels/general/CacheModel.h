#pragma once

#include <QString>

namespace zel {

// 3D database cache settings of the general panel; the size is in megabytes.
struct CacheModel
{
    QString cacheDirectory;
    qint32 cacheSize = 0;

    bool operator!=(const CacheModel& pOther) const
    {
        return cacheDirectory != pOther.cacheDirectory || cacheSize != pOther.cacheSize;
    }
};

} // namespace zel
