#include "ObjGeometryWriter.h"

#include "SampleAssembly.h"
#include "TriangleMesh.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

namespace zel {

namespace {

const int kDigits = 7;

// Names go on one line and, for files, into one safe word.
QString oneLine(QString pText)
{
    pText.replace(QRegularExpression(QStringLiteral("[\\r\\n]+")), QStringLiteral(" "));
    return pText;
}

QString safeWord(const QString& pText)
{
    QString word = pText;
    word.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_.-]+")), QStringLiteral("_"));
    return word;
}

QString materialName(const SampleAssembly& pAssembly, int pComponent)
{
    return QStringLiteral("m%1_%2").arg(pComponent).arg(
        safeWord(pAssembly.components()[pComponent].name));
}

QString number(float pValue)
{
    return QString::number(double(pValue), 'g', kDigits);
}

// Relative indices let a part file stand alone and also be called into a master file.
QString object(const SampleAssembly& pAssembly, int pInstance, const TriangleMesh& pMesh,
               int pFirstVertex, bool pRelative)
{
    const SampleAssembly::Instance& instance = pAssembly.instances()[pInstance];
    QString text;
    text += QStringLiteral("o %1\n").arg(oneLine(instance.name));
    text += QStringLiteral("usemtl %1\n").arg(materialName(pAssembly, instance.component));
    for (const QVector3D& vertex : pMesh.vertices()) {
        const QVector3D placed = instance.placement.map(vertex);
        text += QStringLiteral("v %1 %2 %3\n")
                    .arg(number(placed.x()), number(placed.y()), number(placed.z()));
    }
    const int count = pMesh.vertexCount();
    for (const TriangleMesh::Triangle& t : pMesh.triangles()) {
        if (pRelative) {
            text += QStringLiteral("f %1 %2 %3\n")
                        .arg(t[0] - count).arg(t[1] - count).arg(t[2] - count);
        } else {
            text += QStringLiteral("f %1 %2 %3\n")
                        .arg(pFirstVertex + t[0]).arg(pFirstVertex + t[1])
                        .arg(pFirstVertex + t[2]);
        }
    }
    return text;
}

bool save(const QString& pPath, const QString& pText, QStringList& pFiles, QString& pError)
{
    QSaveFile file(pPath);
    const QByteArray data = pText.toUtf8();
    if (file.open(QIODevice::WriteOnly) && file.write(data) == data.size() && file.commit()) {
        pFiles.append(pPath);
        return true;
    }
    pError = ObjGeometryWriter::tr("Cannot write %1: %2")
                 .arg(QDir::toNativeSeparators(pPath), file.errorString());
    return false;
}

} // namespace

bool ObjGeometryWriter::Write(const QString& pPath, const SampleAssembly& pAssembly,
                              const QVector<TriangleMesh>& pMeshes, bool pScattered,
                              QStringList& pFiles, QString& pError)
{
    pFiles.clear();
    if (pMeshes.size() != pAssembly.instances().size()) {
        pError = tr("The geometry does not match the assembly");
        return false;
    }
    const QFileInfo info(pPath);
    const QDir folder = info.absoluteDir();
    const QString library = info.completeBaseName() + QStringLiteral(".mtl");

    QString materials = QStringLiteral("# %1\n").arg(oneLine(pAssembly.name()));
    for (int c = 0; c < pAssembly.components().size(); ++c) {
        const QColor& colour = pAssembly.components()[c].colour;
        materials += QStringLiteral("newmtl %1\nKd %2 %3 %4\nKa 0 0 0\nd 1\nillum 1\n")
                         .arg(materialName(pAssembly, c))
                         .arg(colour.redF(), 0, 'g', 4)
                         .arg(colour.greenF(), 0, 'g', 4)
                         .arg(colour.blueF(), 0, 'g', 4);
    }
    if (!save(folder.filePath(library), materials, pFiles, pError))
        return false;

    QString master = QStringLiteral("# %1\nmtllib %2\n").arg(oneLine(pAssembly.name()), library);
    int firstVertex = 1;
    for (int i = 0; i < pMeshes.size(); ++i) {
        if (!pScattered) {
            master += object(pAssembly, i, pMeshes[i], firstVertex, false);
            firstVertex += pMeshes[i].vertexCount();
            continue;
        }
        const QString partName = QStringLiteral("%1_%2_%3.obj")
                                     .arg(info.completeBaseName())
                                     .arg(i + 1, 2, 10, QLatin1Char('0'))
                                     .arg(safeWord(pAssembly.instances()[i].name));
        const QString part = QStringLiteral("mtllib %1\n").arg(library)
            + object(pAssembly, i, pMeshes[i], 1, true);
        if (!save(folder.filePath(partName), part, pFiles, pError))
            return false;
        master += QStringLiteral("call %1\n").arg(partName);
    }
    return save(pPath, master, pFiles, pError);
}

} // namespace zel
