// Each validator family at its boundaries, the folder validators on a real file system and
// their three failure messages.

#include "ZelControlCenter.h"
#include "zelRegistryTestSupport.h"

#include <QThread>
#include <QTranslator>
#include <QtTest>

#include <algorithm>

using zel::ZelControlCenter;

namespace {

// Marks the texts of the "ZelControlCenter" context, so a test can see they were translated.
class MarkingTranslator : public QTranslator
{
public:
    QString translate(const char* pContext, const char* pSource, const char* = nullptr,
                      int = -1) const override
    {
        if (qstrcmp(pContext, "ZelControlCenter") != 0)
            return QString();
        return QStringLiteral("[translated] ") + QString::fromUtf8(pSource);
    }
    bool isEmpty() const override { return false; }
};

QString cores(int pCount)
{
    return QString::number(std::min(std::max(pCount, 1), QThread::idealThreadCount()));
}

} // namespace

class tst_registryValidators : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void validators_data()
    {
        QTest::addColumn<QString>("validator");
        QTest::addColumn<QString>("defaultValue");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("result");
        const auto row = [](const char* pName, const char* pValidator, const QString& pDefault,
                            const QString& pValue, const QString& pExpected,
                            bool pResult = true) {
            QTest::addRow("%s", pName) << QString::fromLatin1(pValidator) << pDefault << pValue
                                       << pExpected << pResult;
        };
        row("noOp", "noOp", "d", "any thing", "any thing");
        row("bool false", "ensureBool", "true", "false", "false");
        row("bool upper case", "ensureBool", "true", "TRUE", "true");
        row("engine capital", "ensureEngine", "deferred", "Deferred", "deferred");
        row("engine software", "ensureEngine", "deferred", "software", "software");
        row("controller other", "ensureNavigationMode", "arcball", "walk", "arcball");
        row("controller examine", "ensureNavigationMode", "arcball", "examine", "examine");
        row("unit ft", "ensureSceneUnit", "mm", "ft", "mm");
        row("unit in", "ensureSceneUnit", "mm", "in", "in");
        row("decimal other", "ensureDecimalSeparator", ".", ";", ".");
        row("decimal comma", "ensureDecimalSeparator", ".", ",", ",");
        row("column any", "ensureColumnSeparator", ",", "; ", "; ");
        row("column empty", "ensureColumnSeparator", ",", "", "", false);
        row("delimiter other", "ensureStringDelimiter", "\"", "\"\"", "\"");

        // Range checks keep an accepted value as it was written.
        row("uint 10", "ensureUInt", "2", "10", "10");
        row("uint 11", "ensureUInt", "2", "11", "2");
        row("uint negative", "ensureUInt", "2", "-1", "2");
        row("uint as written", "ensureUInt", "2", " 5", " 5");
        row("cache 5", "ensureCacheSize", "1024", "5", "1024");
        row("cache 10 as written", "ensureCacheSize", "1024", "0010", "0010");
        row("cache 102400", "ensureCacheSize", "1024", "102400", "102400");
        row("cache 102401", "ensureCacheSize", "1024", "102401", "1024");
        row("ram below", "ensureSimplificationRAM", "1073741824", "67108863", "1073741824");
        row("ram low bound", "ensureSimplificationRAM", "1073741824", "67108864", "67108864");
        row("ram high bound", "ensureSimplificationRAM", "1073741824", "8489271296",
            "8489271296");
        row("ram above", "ensureSimplificationRAM", "1073741824", "8489271297", "1073741824");

        // Clamping validators rewrite a number that parses in decimal.
        row("cores 0", "ensureCoreNumber", "4", "0", cores(0));
        row("cores 64", "ensureCoreNumber", "4", "64", cores(64));
        row("cores letters", "ensureCoreNumber", "4", "many", cores(4));
        row("angle 400", "ensureTesselationMaxFaceAngle", "45", "400", "359");
        row("angle -5", "ensureTesselationMaxFaceAngle", "45", "-5", "0");
        row("angle signed", "ensureTesselationMaxFaceAngle", "45", "+12", "12");
        row("angle fraction", "ensureTesselationMaxFaceAngle", "45", "4.5", "45");
        row("length 250.5", "ensureTesselationMaxFaceLength", "7", "250.5", "100");
        row("length 99.5", "ensureTesselationMaxFaceLength", "7", "99.5", "99.5");
        row("length exponent", "ensureTesselationMaxFaceLength", "7", "1e1", "10");
        row("length negative", "ensureTesselationMaxFaceLength", "7", "-3", "0");
        row("length nan", "ensureTesselationMaxFaceLength", "7", "nan", "0");
        row("length inf", "ensureTesselationMaxFaceLength", "7", "inf", "100");
        row("length -inf", "ensureTesselationMaxFaceLength", "7", "-inf", "0");
        // Beyond the float range the conversion reports failure.
        row("length 1e39", "ensureTesselationMaxFaceLength", "7", "1e39", "7");
        row("length letters", "ensureTesselationMaxFaceLength", "7", "long", "7");
        row("sag 6 digits", "ensureTesselationMaxFaceSag", "0", "0.1234567", "0.123457");
        row("sag 250.5", "ensureTesselationMaxFaceSag", "0", "250.5", "100");
        row("triangles 10", "ensureLODTrianglesCap", "6000000", "10", "50000");
        row("triangles above", "ensureLODTrianglesCap", "6000000", "500000001", "500000000");
        row("triangles decimal", "ensureLODTrianglesCap", "6000000", "0060000", "60000");
        row("triangles negative", "ensureLODTrianglesCap", "6000000", "-1", "6000000");
        row("cpu 1000", "ensureMaxCPUMemory3D", "134217728", "1000", "134217728");
        row("gpu huge", "ensureMaxGPUMemory", "1073741824", "99999999999", "8489271296");
        row("gpu bound", "ensureMaxGPUMemory", "1073741824", "8489271296", "8489271296");
        row("gpu beyond 64 bits", "ensureMaxGPUMemory", "1073741824", "18446744073709551616",
            "1073741824");
        row("log negative", "ensureLogLevel", "2", "-3", "1");
        row("log signed", "ensureLogLevel", "2", "+7", "7");
        row("log letters", "ensureLogLevel", "2", "loud", "2");

        row("colour 6 digits", "ensureColor", "#FFC0C0C0", "#a1b2c3", "#a1b2c3");
        row("colour 8 digits", "ensureColor", "#FFC0C0C0", "#A1B2C3D4", "#A1B2C3D4");
        row("colour 7 digits", "ensureColor", "#FFC0C0C0", "#1234567", "#FFC0C0C0");
        row("colour 3 digits", "ensureColor", "#FFC0C0C0", "#abc", "#FFC0C0C0");
        row("colour not hex", "ensureColor", "#FFC0C0C0", "#a1b2cg", "#FFC0C0C0");
        row("colour 7 chars, 8 bytes", "ensureColor", "#FFC0C0C0",
            QStringLiteral("#a1b2c\u00e9"), "#FFC0C0C0");
        row("version", "ensureSettingsVersion", "1", "7", "1");

        const QString ratios = QStringLiteral("1/0.5/0.25/0.125/0.0625");
        row("ratios sorted", "ensureSimplificationRatios", ratios, "0.0625/0.125/0.25/0.5/1",
            ratios);
        row("ratios skip parts", "ensureSimplificationRatios", ratios,
            "1/x/0.5//0.25/0.125/0.0625", ratios);
        row("ratios 6 digits", "ensureSimplificationRatios", ratios,
            "0.1234567/0.5/0.25/0.125/1", "1/0.5/0.25/0.125/0.123457");
        row("ratios three", "ensureSimplificationRatios", "0.0625/1/0.5/0.25/0.125",
            "0.5/0.25/0.125", ratios);
        row("ratios repeat", "ensureSimplificationRatios", "0.0625/1/0.5/0.25/0.125",
            "1/1/0.5/0.25/0.125", ratios);
        row("ratios no default", "ensureSimplificationRatios", "0.5/0.25", "1/2", "1/2", false);
        row("ratios corrected, no default", "ensureSimplificationRatios", "0.5/0.25",
            "1/1/0.5/0.25/0.125", "0.5/0.25", false);
        row("ratios default corrected away", "ensureSimplificationRatios", "2/2/2/2/2",
            "3/3/3/3/3", "2/2/2/2/2", false);
    }

    void validators()
    {
        QFETCH(QString, validator);
        QFETCH(QString, defaultValue);
        QFETCH(QString, value);
        QFETCH(QString, expected);
        QFETCH(bool, result);
        const ZelControlCenter::SettingValidator function =
            ZelControlCenter::GetValidatorByName(validator);
        QVERIFY(function);
        QCOMPARE(ZelControlCenter::GetValidatorName(function), validator);

        QString message = QStringLiteral("untouched");
        QCOMPARE(function(QStringLiteral("some/key"), defaultValue, value, message), result);
        QCOMPARE(value, expected);
        QCOMPARE(message, QStringLiteral("untouched"));
    }

    void unknownValidatorName()
    {
        QVERIFY(!ZelControlCenter::GetValidatorByName(QStringLiteral("ensureNothing")));
        QVERIFY(ZelControlCenter::GetValidatorName(nullptr).isEmpty());
    }

    // %T stands for the temporary folder, which holds "existing/" and the plain file "plain".
    void folders_data()
    {
        QTest::addColumn<QString>("validator");
        QTest::addColumn<QString>("defaultValue");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("createdFolder");
        const auto row = [](const char* pName, const char* pValidator, const char* pDefault,
                            const char* pValue, const char* pExpected, const char* pCreated) {
            QTest::addRow("%s", pName) << pValidator << pDefault << pValue << pExpected
                                       << pCreated;
        };
        row("cache backslashes", "ensureDMCacheFolder", "%T/cache", "%T\\existing\\",
            "%T/existing", "%T/existing");
        row("cache two slashes", "ensureDMCacheFolder", "%T/cache", "%T/existing//",
            "%T/existing/", "%T/existing");
        row("cache missing", "ensureDMCacheFolder", "%T\\cache\\a\\", "%T/gone", "%T/cache/a",
            "%T/cache/a");
        row("cache plain file", "ensureDMCacheFolder", "%T/cache", "%T/plain", "%T/cache",
            "%T/cache");
        // "/" cleans up to "", which must not pass for the working folder.
        row("cache root", "ensureDMCacheFolder", "%T/cache", "/", "%T/cache", "%T/cache");
        row("export existing", "ensureTmpFolder", "%T/docs", "%T\\existing\\", "%T/existing",
            "%T/docs");
        row("export missing", "ensureTmpFolder", "%T/docs/", "%T/gone", "%T/docs/", "%T/docs");
        row("export root", "ensureTmpFolder", "%T/docs", "/", "%T/docs", "%T/docs");
        row("log in existing folder", "ensureFile", "%T/data/log.txt",
            "%T\\existing\\absent.txt", "%T/existing/absent.txt", "%T/existing");
        row("log in missing folder", "ensureFile", "%T\\data\\sub\\log.txt", "%T/gone/log.txt",
            "%T/data/sub/log.txt", "%T/data/sub");
        row("log empty", "ensureFile", "%T/data/log.txt", "", "%T/data/log.txt", "%T/data");
    }

    void folders()
    {
        QFETCH(QString, validator);
        QFETCH(QString, defaultValue);
        QFETCH(QString, value);
        QFETCH(QString, expected);
        QFETCH(QString, createdFolder);
        QTemporaryDir root;
        QVERIFY(root.isValid());
        QVERIFY(QDir(root.path()).mkdir(QStringLiteral("existing")));
        QFile plain(root.filePath(QStringLiteral("plain")));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        const auto expand = [&root](QString& pText) {
            pText.replace(QStringLiteral("%T"), root.path());
        };
        expand(defaultValue);
        expand(value);
        expand(expected);
        expand(createdFolder);

        QString message = QStringLiteral("untouched");
        QVERIFY(ZelControlCenter::GetValidatorByName(validator)(QStringLiteral("k"), defaultValue,
                                                                value, message));
        QCOMPARE(value, expected);
        QCOMPARE(message, QStringLiteral("untouched"));
        QVERIFY2(QFileInfo(createdFolder).isDir(), qPrintable(createdFolder));
        root.setAutoRemove(!QTest::currentTestFailed());
    }

    // A plain file where a parent folder should be makes the folder impossible to create,
    // even for root.
    void failures_data()
    {
        QTest::addColumn<QString>("validator");
        QTest::addColumn<QString>("defaultValue");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("message");
        QTest::addRow("cache") << "ensureDMCacheFolder" << "%T\\blocker\\cache\\" << ""
                               << "Could not use the 3D database cache, folder "
                                  "\"%T/blocker/cache\" could not be created";
        QTest::addRow("export") << "ensureTmpFolder" << "%T/blocker/docs" << ""
                                << "Could not create compulsory folder \"%T/blocker/docs\"";
        QTest::addRow("export with usable value")
            << "ensureTmpFolder" << "%T/blocker/docs" << "%T"
            << "Could not create compulsory folder \"%T/blocker/docs\"";
        QTest::addRow("log") << "ensureFile" << "%T\\blocker\\logs\\log.txt" << ""
                             << "Could not use the Vantora log file, file "
                                "\"%T/blocker/logs/log.txt\" could not be created";
    }

    void failures()
    {
        QFETCH(QString, validator);
        QFETCH(QString, defaultValue);
        QFETCH(QString, value);
        QFETCH(QString, message);
        QTemporaryDir root;
        QVERIFY(root.isValid());
        QFile blocker(root.filePath(QStringLiteral("blocker")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        defaultValue.replace(QStringLiteral("%T"), root.path());
        value.replace(QStringLiteral("%T"), root.path());
        message.replace(QStringLiteral("%T"), root.path());

        MarkingTranslator translator;
        QVERIFY(QCoreApplication::installTranslator(&translator));
        QString reported = QStringLiteral("earlier text");
        const bool result = ZelControlCenter::GetValidatorByName(validator)(
            QStringLiteral("k"), defaultValue, value, reported);
        QCoreApplication::removeTranslator(&translator);
        QVERIFY(!result);
        QCOMPARE(reported, QStringLiteral("[translated] ") + message);
    }
};

QTEST_MAIN(tst_registryValidators)
#include "tst_registryValidators.moc"
