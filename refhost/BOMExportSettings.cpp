#include "BOMExportSettings.h"

namespace zel {

BOMExportSettings::BOMExportSettings()
    : columnSeparator(QStringLiteral(","))
    , decimalSeparator(QStringLiteral("."))
    , stringDelimiter(QStringLiteral("\""))
    , groupByComponent(false)
{
}

bool BOMExportSettings::operator==(const BOMExportSettings& pOther) const
{
    return columnSeparator == pOther.columnSeparator
        && decimalSeparator == pOther.decimalSeparator
        && stringDelimiter == pOther.stringDelimiter
        && groupByComponent == pOther.groupByComponent && headers == pOther.headers;
}

bool BOMExportSettings::operator!=(const BOMExportSettings& pOther) const
{
    return !(*this == pOther);
}

} // namespace zel
