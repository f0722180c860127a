#include "BomCsvReader.h"

#include <QCoreApplication>
#include <QStringView>

namespace zel {

namespace {

bool startsAt(const QString& pText, int pPosition, const QString& pPart)
{
    if (pPart.isEmpty() || pPosition + pPart.size() > pText.size())
        return false;
    return QStringView(pText).mid(pPosition, pPart.size()) == QStringView(pPart);
}

} // namespace

bool BomCsvReader::Parse(const QByteArray& pUtf8, const QString& pColumnSeparator,
                         const QString& pStringDelimiter, QVector<QStringList>& pRows,
                         QString& pError)
{
    const QString text = QString::fromUtf8(pUtf8);
    pRows.clear();
    QStringList row;
    QString cell;
    int line = 1;
    int i = 0;
    bool rowOpen = false;
    while (i < text.size()) {
        rowOpen = true;
        if (cell.isEmpty() && startsAt(text, i, pStringDelimiter)) {
            i += pStringDelimiter.size();
            const int startLine = line;
            bool closed = false;
            while (i < text.size()) {
                if (startsAt(text, i, pStringDelimiter)) {
                    if (startsAt(text, i + pStringDelimiter.size(), pStringDelimiter)) {
                        cell += pStringDelimiter;
                        i += 2 * pStringDelimiter.size();
                        continue;
                    }
                    i += pStringDelimiter.size();
                    closed = true;
                    break;
                }
                if (text.at(i) == QLatin1Char('\n'))
                    ++line;
                cell += text.at(i++);
            }
            if (!closed) {
                pError = tr("Line %1: a text is not closed").arg(startLine);
                return false;
            }
            const bool endsCell = i >= text.size() || startsAt(text, i, pColumnSeparator)
                || text.at(i) == QLatin1Char('\r') || text.at(i) == QLatin1Char('\n');
            if (!endsCell) {
                pError = tr("Line %1: text after a closing delimiter").arg(line);
                return false;
            }
            continue;
        }
        if (startsAt(text, i, pColumnSeparator)) {
            row.append(cell);
            cell.clear();
            i += pColumnSeparator.size();
            continue;
        }
        if (text.at(i) == QLatin1Char('\r') || text.at(i) == QLatin1Char('\n')) {
            if (text.at(i) == QLatin1Char('\r') && i + 1 < text.size()
                && text.at(i + 1) == QLatin1Char('\n')) {
                ++i;
            }
            ++i;
            ++line;
            row.append(cell);
            cell.clear();
            pRows.append(row);
            row.clear();
            rowOpen = false;
            continue;
        }
        cell += text.at(i++);
    }
    if (rowOpen) {
        row.append(cell);
        pRows.append(row);
    }
    return true;
}

bool BomCsvReader::ToNumber(const QString& pCell, const QString& pDecimalSeparator,
                            double& pValue)
{
    QString text = pCell;
    if (!pDecimalSeparator.isEmpty())
        text.replace(pDecimalSeparator, QStringLiteral("."));
    bool ok = false;
    pValue = text.toDouble(&ok);
    return ok;
}

} // namespace zel
