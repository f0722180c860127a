#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QVector>

namespace zel {

// Reads back CSV text written with any column separator and string delimiter, so that an
// export can be checked against what it was meant to hold.
class BomCsvReader
{
    Q_DECLARE_TR_FUNCTIONS(BomCsvReader)

public:
    // False, with the reason, on an unclosed delimiter or text after a closing one.
    static bool Parse(const QByteArray& pUtf8, const QString& pColumnSeparator,
                      const QString& pStringDelimiter, QVector<QStringList>& pRows,
                      QString& pError);
    static bool ToNumber(const QString& pCell, const QString& pDecimalSeparator,
                         double& pValue);
};

} // namespace zel
