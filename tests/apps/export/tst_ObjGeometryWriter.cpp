#include "MeshSimplifier.h"
#include "ObjGeometryReader.h"
#include "ObjGeometryWriter.h"
#include "SampleAssembly.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace zel;

namespace {

quint64 countTriangles(const QVector<TriangleMesh>& pMeshes)
{
    quint64 count = 0;
    for (const TriangleMesh& mesh : pMeshes)
        count += quint64(mesh.triangleCount());
    return count;
}

} // namespace

class tst_ObjGeometryWriter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void targetFromSetting_data()
    {
        QTest::addColumn<float>("simplification");
        QTest::addColumn<quint64>("total");
        QTest::addColumn<quint64>("target");
        QTest::addRow("none") << 0.0f << quint64(2976) << quint64(2976);
        QTest::addRow("half of 999 rounds up") << -50.0f << quint64(999) << quint64(500);
        QTest::addRow("one percent") << -1.0f << quint64(2976) << quint64(30);
        QTest::addRow("target") << 1000.0f << quint64(2976) << quint64(1000);
        QTest::addRow("target above the scene") << 5000.0f << quint64(1000) << quint64(1000);
    }

    void targetFromSetting()
    {
        QFETCH(float, simplification);
        QFETCH(quint64, total);
        QFETCH(quint64, target);
        QCOMPARE(MeshSimplifier::TargetTriangles(simplification, total), target);
    }

    void sharesAddUp()
    {
        const QVector<int> counts{432, 192, 192, 128, 1680, 88, 88, 88, 88};
        for (quint64 target : {quint64(1), quint64(30), quint64(1488), quint64(2975)}) {
            const QVector<int> shares = MeshSimplifier::ShareTarget(counts, target);
            quint64 sum = 0;
            for (int i = 0; i < counts.size(); ++i) {
                QVERIFY(shares[i] >= 0 && shares[i] <= counts[i]);
                sum += quint64(shares[i]);
            }
            QCOMPARE(sum, target);
        }
        QCOMPARE(MeshSimplifier::ShareTarget(counts, 100000), counts);
    }

    void flatFacesCollapseWithoutChangingShape()
    {
        // Six faces cut into 36 squares each come down to two triangles per face, and the
        // box keeps its corners.
        const TriangleMesh box = TriangleMesh::Box(QVector3D(0, 0, 0), QVector3D(40, 20, 10), 6);
        QCOMPARE(box.triangleCount(), 432);
        const TriangleMesh reduced = MeshSimplifier::Simplify(box, 12);
        QCOMPARE(reduced.triangleCount(), 12);
        QCOMPARE(reduced.vertexCount(), 8);
        QVERIFY(qAbs(reduced.volume() - 8000.0) < 1e-3);
        QVector3D min;
        QVector3D max;
        reduced.boundingBox(min, max);
        QCOMPARE(min, QVector3D(0, 0, 0));
        QCOMPARE(max, QVector3D(40, 20, 10));
    }

    void simplifiedSampleReadsBack_data()
    {
        QTest::addColumn<float>("simplification");
        QTest::addRow("none") << 0.0f;
        QTest::addRow("target 1000") << 1000.0f;
    }

    void simplifiedSampleReadsBack()
    {
        QFETCH(float, simplification);
        const SampleAssembly assembly = SampleAssembly::Create();
        const quint64 total = assembly.triangleCount();
        const quint64 target = MeshSimplifier::TargetTriangles(simplification, total);
        const QVector<TriangleMesh> meshes =
            MeshSimplifier::SimplifyAll(assembly.instanceMeshes(), target);
        const quint64 count = countTriangles(meshes);
        // A collapse takes two triangles away, so each part may land one below its share.
        QVERIFY2(count <= target, qPrintable(QString::number(count)));
        QVERIFY2(count + quint64(assembly.instances().size()) >= target,
                 qPrintable(QString::number(count)));

        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString path = folder.filePath(QStringLiteral("sample.obj"));
        QStringList files;
        QString error;
        QVERIFY2(ObjGeometryWriter::Write(path, assembly, meshes, false, files, error),
                 qPrintable(error));
        QCOMPARE(files.size(), 2);
        QVERIFY(QFile::exists(folder.filePath(QStringLiteral("sample.mtl"))));

        ObjGeometryReader::Summary summary;
        QVERIFY2(ObjGeometryReader::Read(path, summary, error), qPrintable(error));
        QCOMPARE(summary.triangles, count);
        QCOMPARE(summary.objects.size(), assembly.instances().size());
        QCOMPARE(summary.objects.first(), assembly.instances().first().name);
        QCOMPARE(summary.materialLibraries, QStringList(QStringLiteral("sample.mtl")));
    }

    void scatteredExportCallsItsParts()
    {
        const SampleAssembly assembly = SampleAssembly::Create();
        const QVector<TriangleMesh> meshes = assembly.instanceMeshes();
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString path = folder.filePath(QStringLiteral("master.obj"));
        QStringList files;
        QString error;
        QVERIFY2(ObjGeometryWriter::Write(path, assembly, meshes, true, files, error),
                 qPrintable(error));
        // The material library, one file per instance, then the master file.
        QCOMPARE(files.size(), assembly.instances().size() + 2);
        QCOMPARE(files.last(), path);

        ObjGeometryReader::Summary summary;
        QVERIFY2(ObjGeometryReader::Read(path, summary, error), qPrintable(error));
        QCOMPARE(summary.calls.size(), assembly.instances().size());
        QCOMPARE(summary.triangles, assembly.triangleCount());

        // Each part also stands on its own.
        QVERIFY2(ObjGeometryReader::Read(files[1], summary, error), qPrintable(error));
        QCOMPARE(summary.triangles, quint64(meshes.first().triangleCount()));
    }

    void unwritableFileIsReported()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const SampleAssembly assembly = SampleAssembly::Create();
        QStringList files;
        QString error;
        QVERIFY(!ObjGeometryWriter::Write(folder.filePath(QStringLiteral("missing/sample.obj")),
                                          assembly, assembly.instanceMeshes(), false, files,
                                          error));
        QVERIFY(error.contains(QStringLiteral("sample.mtl")));
    }
};

QTEST_MAIN(tst_ObjGeometryWriter)
#include "tst_ObjGeometryWriter.moc"
