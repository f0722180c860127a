#include "BomCsvWriter.h"

#include "SampleAssembly.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

namespace zel {

namespace {

const int kNumberDecimals = 6;
const char kLineEnd[] = "\r\n";

bool isNumber(const QVariant& pValue)
{
    switch (pValue.userType()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return true;
    default:
        return false;
    }
}

QString numberText(const QVariant& pValue, const QString& pDecimalSeparator)
{
    if (pValue.userType() != QMetaType::Double && pValue.userType() != QMetaType::Float)
        return pValue.toString();
    QString text = QString::number(pValue.toDouble(), 'f', kNumberDecimals);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    text.replace(QLatin1Char('.'), pDecimalSeparator);
    return text;
}

// Without a delimiter of its own the format still has to keep a row together, so texts
// that would break it fall back on the double quote.
QString cell(const QVariant& pValue, const QString& pColumnSeparator,
             const QString& pDecimalSeparator, const QString& pDelimiter)
{
    if (!pValue.isValid())
        return QString();
    const bool number = isNumber(pValue);
    QString text = number ? numberText(pValue, pDecimalSeparator) : pValue.toString();
    QString delimiter = pDelimiter;
    bool enclose = !number || text.contains(pColumnSeparator);
    if (delimiter.isEmpty()) {
        delimiter = QStringLiteral("\"");
        enclose = text.contains(pColumnSeparator) || text.contains(QLatin1Char('\n'))
            || text.contains(QLatin1Char('\r')) || text.contains(delimiter);
    }
    if (!enclose)
        return text;
    text.replace(delimiter, delimiter + delimiter);
    return delimiter + text + delimiter;
}

} // namespace

QStringList BomCsvWriter::Headers(const BOMExportSettings& pSettings)
{
    if (!pSettings.headers.isEmpty())
        return pSettings.headers;
    return SampleAssembly::InstanceAttributeNames() + SampleAssembly::ComponentAttributeNames();
}

QVector<QVariantList> BomCsvWriter::Rows(const SampleAssembly& pAssembly,
                                         const QStringList& pHeaders, bool pByComponent)
{
    QVector<QVariantList> rows;
    if (pByComponent) {
        for (int c = 0; c < pAssembly.components().size(); ++c) {
            QVariantList row;
            for (const QString& header : pHeaders)
                row.append(pAssembly.componentAttribute(c, header));
            rows.append(row);
        }
        return rows;
    }
    for (int i = 0; i < pAssembly.instances().size(); ++i) {
        QVariantList row;
        for (const QString& header : pHeaders)
            row.append(pAssembly.instanceAttribute(i, header));
        rows.append(row);
    }
    return rows;
}

QByteArray BomCsvWriter::Format(const QStringList& pHeaders, const QVector<QVariantList>& pRows,
                                const BOMExportSettings& pSettings)
{
    // Without a column separator there would be no columns.
    const QString columns =
        pSettings.columnSeparator.isEmpty() ? QStringLiteral(",") : pSettings.columnSeparator;
    const QString decimals =
        pSettings.decimalSeparator.isEmpty() ? QStringLiteral(".") : pSettings.decimalSeparator;
    QString text;
    QStringList cells;
    for (const QString& header : pHeaders)
        cells.append(cell(header, columns, decimals, pSettings.stringDelimiter));
    text += cells.join(columns) + QLatin1String(kLineEnd);
    for (const QVariantList& row : pRows) {
        cells.clear();
        for (const QVariant& value : row)
            cells.append(cell(value, columns, decimals, pSettings.stringDelimiter));
        text += cells.join(columns) + QLatin1String(kLineEnd);
    }
    return text.toUtf8();
}

bool BomCsvWriter::Write(const QString& pPath, const SampleAssembly& pAssembly,
                         const BOMExportSettings& pSettings, QString& pError)
{
    const QStringList headers = Headers(pSettings);
    QSaveFile file(pPath);
    const QByteArray data =
        Format(headers, Rows(pAssembly, headers, pSettings.groupByComponent), pSettings);
    if (file.open(QIODevice::WriteOnly) && file.write(data) == data.size() && file.commit())
        return true;
    pError = tr("Cannot write %1: %2").arg(QDir::toNativeSeparators(pPath), file.errorString());
    return false;
}

} // namespace zel
