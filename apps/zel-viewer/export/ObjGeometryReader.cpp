#include "ObjGeometryReader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace zel {

namespace {

// Files that call each other in a circle stop here.
const int kMaxCallDepth = 8;

bool parse(const QByteArray& pText, const QString& pFolder, int pDepth,
           ObjGeometryReader::Summary& pSummary, QString& pError);

bool readFile(const QString& pPath, int pDepth, ObjGeometryReader::Summary& pSummary,
              QString& pError)
{
    if (pDepth > kMaxCallDepth) {
        pError = ObjGeometryReader::tr("%1: files call each other too deeply")
                     .arg(QDir::toNativeSeparators(pPath));
        return false;
    }
    QFile file(pPath);
    if (!file.open(QIODevice::ReadOnly)) {
        pError = ObjGeometryReader::tr("Cannot read %1: %2")
                     .arg(QDir::toNativeSeparators(pPath), file.errorString());
        return false;
    }
    return parse(file.readAll(), QFileInfo(pPath).absolutePath(), pDepth, pSummary, pError);
}

// A vertex reference "i", "i/t", "i//n" or "i/t/n"; negative counts back from the last.
bool vertexIndex(const QString& pReference, int pVertexCount)
{
    bool ok = false;
    const int index = pReference.section(QLatin1Char('/'), 0, 0).toInt(&ok);
    if (!ok || index == 0)
        return false;
    return index > 0 ? index <= pVertexCount : -index <= pVertexCount;
}

bool parse(const QByteArray& pText, const QString& pFolder, int pDepth,
           ObjGeometryReader::Summary& pSummary, QString& pError)
{
    const QList<QByteArray> lines = pText.split('\n');
    for (int n = 0; n < lines.size(); ++n) {
        const QString line = QString::fromUtf8(lines[n]).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QString keyword = line.section(QLatin1Char(' '), 0, 0);
        const QString rest = line.section(QLatin1Char(' '), 1).trimmed();
        const QStringList words =
            rest.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (keyword == QLatin1String("v")) {
            bool ok = words.size() >= 3;
            for (int k = 0; ok && k < 3; ++k)
                words[k].toDouble(&ok);
            if (!ok) {
                pError = ObjGeometryReader::tr("Line %1: a vertex needs three numbers").arg(n + 1);
                return false;
            }
            ++pSummary.vertices;
        } else if (keyword == QLatin1String("f")) {
            if (words.size() < 3) {
                pError = ObjGeometryReader::tr("Line %1: a face needs three corners").arg(n + 1);
                return false;
            }
            for (const QString& word : words) {
                if (!vertexIndex(word, pSummary.vertices)) {
                    pError = ObjGeometryReader::tr("Line %1: no vertex %2").arg(n + 1).arg(word);
                    return false;
                }
            }
            pSummary.triangles += quint64(words.size() - 2);
        } else if (keyword == QLatin1String("o") || keyword == QLatin1String("g")) {
            pSummary.objects.append(rest);
        } else if (keyword == QLatin1String("mtllib")) {
            pSummary.materialLibraries.append(rest);
        } else if (keyword == QLatin1String("call")) {
            pSummary.calls.append(rest);
            if (!readFile(QDir(pFolder).filePath(words.value(0)), pDepth + 1, pSummary, pError))
                return false;
        }
    }
    return true;
}

} // namespace

bool ObjGeometryReader::Read(const QString& pPath, Summary& pSummary, QString& pError)
{
    pSummary = Summary();
    return readFile(pPath, 0, pSummary, pError);
}

bool ObjGeometryReader::Parse(const QByteArray& pText, const QString& pFolder,
                              Summary& pSummary, QString& pError)
{
    pSummary = Summary();
    return parse(pText, pFolder, 0, pSummary, pError);
}

} // namespace zel
