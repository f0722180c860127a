#pragma once

#include "kmHostExport.h"

#include <QString>
#include <QStringList>

namespace zel {

// Bill of materials written as CSV.
class KM_HOST_EXPORT BOMExportSettings
{
public:
    BOMExportSettings();

    bool operator==(const BOMExportSettings& pOther) const;
    bool operator!=(const BOMExportSettings& pOther) const;

    QString columnSeparator;
    QString decimalSeparator;
    QString stringDelimiter;
    // One row per component instead of one per instance.
    bool groupByComponent;
    QStringList headers;
};

} // namespace zel
