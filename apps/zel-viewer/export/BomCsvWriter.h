#pragma once

#include <QCoreApplication>

#include "BOMExportSettings.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVector>

namespace zel {

class SampleAssembly;

// Writes the bill of materials as CSV: one header row, then one row per instance (or per
// component when grouped). Texts are enclosed in the string delimiter, with the delimiter
// doubled inside them; numbers carry the decimal separator and are enclosed only when
// that separator is also the column separator. Rows end with CR LF, in UTF-8.
class BomCsvWriter
{
    Q_DECLARE_TR_FUNCTIONS(BomCsvWriter)

public:
    // The record's headers, or every attribute that the model carries when it names none.
    static QStringList Headers(const BOMExportSettings& pSettings);
    static QVector<QVariantList> Rows(const SampleAssembly& pAssembly,
                                      const QStringList& pHeaders, bool pByComponent);
    static QByteArray Format(const QStringList& pHeaders, const QVector<QVariantList>& pRows,
                             const BOMExportSettings& pSettings);
    static bool Write(const QString& pPath, const SampleAssembly& pAssembly,
                      const BOMExportSettings& pSettings, QString& pError);
};

} // namespace zel
