#include "CacheModel.h"
#include "DisplayOptions.h"
#include "EngineModel.h"

#include <QTest>

using namespace zel;

class tst_GeneralModels : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void engineDifferences_data();
    void engineDifferences();
    void rayMemoryStartsDefined();
    void displayIgnoresAttributeName();
    void cacheDirectoryIsCaseSensitive();
};

namespace {

using EngineEdit = void (*)(EngineModel&);

EngineModel Hardware()
{
    EngineModel model;
    model.maxCPUMemory3D = Q_UINT64_C(134217728);
    model.maxGPUMemory = Q_UINT64_C(1073741824);
    model.lodTrianglesCap = 6000000;
    model.coreNumber = 2;
    model.backgroundColor = Wm4::ColorRGBA(0.75f, 0.75f, 0.75f, 1.0f);
    model.useFXAA = true;
    model.useOutline = true;
    model.fillCutplane = true;
    return model;
}

} // namespace

Q_DECLARE_METATYPE(EngineEdit)

void tst_GeneralModels::engineDifferences_data()
{
    QTest::addColumn<bool>("software");
    QTest::addColumn<EngineEdit>("edit");
    QTest::addColumn<bool>("different");
    QTest::addRow("cores, hardware")
        << false << EngineEdit([](EngineModel& m) { m.coreNumber = 1; }) << false;
    QTest::addRow("cores, software")
        << true << EngineEdit([](EngineModel& m) { m.coreNumber = 1; }) << true;
    QTest::addRow("ray memory")
        << false << EngineEdit([](EngineModel& m) { m.maxCPUMemoryRay *= 2; }) << false;
    QTest::addRow("renderer")
        << false << EngineEdit([](EngineModel& m) { m.softwareRendering = true; }) << true;
    QTest::addRow("triangles")
        << false << EngineEdit([](EngineModel& m) { m.lodTrianglesCap += 1; }) << true;
    QTest::addRow("alpha")
        << false << EngineEdit([](EngineModel& m) { m.backgroundColor.A() = 0.5f; }) << true;
    QTest::addRow("fxaa") << false << EngineEdit([](EngineModel& m) { m.useFXAA = false; })
                          << true;
    QTest::addRow("outline")
        << false << EngineEdit([](EngineModel& m) { m.useOutline = false; }) << true;
    QTest::addRow("flat") << false << EngineEdit([](EngineModel& m) { m.flatShading = true; })
                          << true;
    QTest::addRow("fill") << false << EngineEdit([](EngineModel& m) { m.fillCutplane = false; })
                          << true;
    QTest::addRow("cpu memory")
        << false << EngineEdit([](EngineModel& m) { m.maxCPUMemory3D += 1; }) << true;
    QTest::addRow("gpu memory")
        << false << EngineEdit([](EngineModel& m) { m.maxGPUMemory -= 1; }) << true;
}

void tst_GeneralModels::engineDifferences()
{
    QFETCH(bool, software);
    QFETCH(EngineEdit, edit);
    QFETCH(bool, different);
    EngineModel left = Hardware();
    left.softwareRendering = software;
    EngineModel right = left;
    QVERIFY(!(left != right));
    edit(right);
    QCOMPARE(left != right, different);
    QCOMPARE(right != left, different);
}

void tst_GeneralModels::rayMemoryStartsDefined()
{
    QCOMPARE(EngineModel().maxCPUMemoryRay, Q_UINT64_C(134217728));
}

void tst_GeneralModels::displayIgnoresAttributeName()
{
    DisplayOptions left;
    DisplayOptions right;
    right.namingPolicy =
        InstanceNamingPolicy(InstanceNamingPolicy::INSTANCE_NAME, QStringLiteral("PartNumber"));
    QVERIFY(!(left != right));
    right.namingPolicy = InstanceNamingPolicy(InstanceNamingPolicy::COMPONENT_NAME, QString());
    QVERIFY(left != right);
}

void tst_GeneralModels::cacheDirectoryIsCaseSensitive()
{
    CacheModel left;
    left.cacheDirectory = QStringLiteral("/tmp/Cache");
    CacheModel right = left;
    QVERIFY(!(left != right));
    right.cacheDirectory = QStringLiteral("/tmp/cache");
    QVERIFY(left != right);
}

QTEST_MAIN(tst_GeneralModels)
#include "tst_GeneralModels.moc"
