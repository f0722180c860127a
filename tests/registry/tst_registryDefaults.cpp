// The default table: its keys, defaults and validators, the computed folder defaults under a
// redirected home, the store-package switch, and a first start on an empty store.

#include "ZelControlCenter.h"
#include "ZelDirectory.h"
#include "kmDMIApplication.h"
#include "kmSystemUtils.h"
#include "zelRegistryTestSupport.h"

#include <QSettings>
#include <QThread>
#include <QtTest>

using zel::ZelControlCenter;

namespace {

QString fromHost(const std::string& pText)
{
    return QString::fromUtf8(pText.c_str());
}

QString documentsFolder()
{
    return fromHost(zel::ZelDirectory::GetHomeDocumentFolder()) + QStringLiteral("/Vantora");
}

QString cacheFolder()
{
    return fromHost(zel::ZelDirectory::GetTmpFolder() + "/"
                    + zel::ZelDirectory::GetApplicationName() + "/"
                    + km::kmSystemUtils::GetCurrentUserNameUtf8());
}

QString logFile(bool pStorePackage)
{
    const QString folder =
        pStorePackage ? documentsFolder() : fromHost(zel::ZelDirectory::GetAppDataFolder());
    return folder + QStringLiteral("/log.txt");
}

QString defaultCores()
{
    return QThread::idealThreadCount() == -1 ? QStringLiteral("-1") : QStringLiteral("4");
}

// What the check run stores for the computed core count.
QString storedCores()
{
    return QString::number(std::min(std::max(defaultCores().toInt(), 1),
                                    QThread::idealThreadCount()));
}

QString resolve(const QString& pExpected)
{
    if (pExpected == QLatin1String("<documents>"))
        return documentsFolder();
    if (pExpected == QLatin1String("<cache>"))
        return cacheFolder();
    if (pExpected == QLatin1String("<log>"))
        return logFile(false);
    if (pExpected == QLatin1String("<cores>"))
        return defaultCores();
    return pExpected;
}

} // namespace

class tst_registryDefaults : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(mHome.isValid());
        QCoreApplication::setOrganizationName(QStringLiteral("ZelTests"));
        QCoreApplication::setApplicationName(QStringLiteral("ZelDefaults"));
        // The computed folders must lie in the redirected home, never in the real one.
        QVERIFY2(documentsFolder().startsWith(mHome.path()), qPrintable(documentsFolder()));
        QVERIFY2(cacheFolder().startsWith(mHome.path()), qPrintable(cacheFolder()));
        QVERIFY2(logFile(false).startsWith(mHome.path()), qPrintable(logFile(false)));
    }

    void init()
    {
        ZelControlCenter::ClearSettings();
        zel::kmDMIApplication::SetWindowsStore(false);
    }

    void cleanup()
    {
        ZelControlCenter::ClearSettings();
        zel::kmDMIApplication::SetWindowsStore(false);
        mHome.keepOnFailure(QTest::currentTestFailed());
    }

    void table_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("defaultValue");
        QTest::addColumn<QString>("validator");
        const char* const rows[][3] = {
            {"engine", "deferred", "ensureEngine"},
            {"engine/useFXAA", "true", "ensureBool"},
            {"engine/useOutline", "true", "ensureBool"},
            {"engine/flatShading", "false", "ensureBool"},
            {"engine/useXRay", "true", "ensureBool"},
            {"engine/coreNumber", "<cores>", "ensureCoreNumber"},
            {"engine/backgroundColor", "#FFC0C0C0", "ensureColor"},
            {"units/name", "mm", "ensureSceneUnit"},
            {"units/nbDecimals", "2", "ensureUInt"},
            {"Logging/logFile", "<log>", "ensureFile"},
            {"DBCache/cacheSize", "1024", "ensureCacheSize"},
            {"Controls/controller", "arcball", "ensureNavigationMode"},
            {"DBCache/cacheDirectory", "<cache>", "ensureDMCacheFolder"},
            {"Tesselation/TesselationQualitySet", "false", "ensureBool"},
            {"Tesselation/TesselationMaxFaceSagSet", "false", "ensureBool"},
            {"Tesselation/TesselationMaxFaceLengthSet", "false", "ensureBool"},
            {"Tesselation/TesselationMaxFaceAngleSet", "false", "ensureBool"},
            {"Tesselation/TesselationIsHighQuality", "false", "ensureBool"},
            {"Tesselation/TesselationMaxFaceSag", "0", "ensureTesselationMaxFaceSag"},
            {"Tesselation/TesselationMaxFaceLength", "0", "ensureTesselationMaxFaceLength"},
            {"Tesselation/TesselationMaxFaceAngle", "45", "ensureTesselationMaxFaceAngle"},
            {"Resources/MaxCPUMemory3D", "134217728", "ensureMaxCPUMemory3D"},
            {"Import/LoadHiddenObjects", "true", "ensureBool"},
            {"Import/LoadAnnotations", "true", "ensureBool"},
            {"Import/ComputeFaceContour", "true", "ensureBool"},
            {"Resources/MaxGPUMemory", "1073741824", "ensureMaxGPUMemory"},
            {"Resources/LODTrianglesCap", "6000000", "ensureLODTrianglesCap"},
            {"folders/lastexportfolder", "<documents>", "ensureTmpFolder"},
            {"settingsVersion", "1", "ensureSettingsVersion"},
            {"CSVDriver/Import/hasHeader", "true", "ensureBool"},
            {"CSVDriver/Import/decimalSeparator", ".", "ensureDecimalSeparator"},
            {"CSVDriver/Import/columnSeparator", ",", "ensureColumnSeparator"},
            {"CSVDriver/Import/stringDelimiter", "\"", "ensureStringDelimiter"},
        };
        for (const auto& row : rows)
            QTest::addRow("%s", row[0]) << row[0] << row[1] << row[2];
    }

    void table()
    {
        QFETCH(QString, key);
        QFETCH(QString, defaultValue);
        QFETCH(QString, validator);
        ZelControlCenter::InitDefaultSettingsValues();
        const auto& table = ZelControlCenter::GetDefaultSettingsValues();
        QCOMPARE(int(table.size()), 33);
        QVERIFY(table.count(key) == 1);
        QCOMPARE(table.at(key).first, resolve(defaultValue));
        QCOMPARE(ZelControlCenter::GetValidatorName(table.at(key).second), validator);
    }

    void checkOrder()
    {
        ZelControlCenter::InitDefaultSettingsValues();
        QStringList keys;
        for (const auto& entry : ZelControlCenter::GetDefaultSettingsValues())
            keys.append(entry.first);
        QCOMPARE(keys, zeltest::checkOrder());
    }

    void storePackage_data()
    {
        QTest::addColumn<bool>("storePackage");
        QTest::addRow("desktop") << false;
        QTest::addRow("store package") << true;
    }

    void storePackage()
    {
        QFETCH(bool, storePackage);
        zel::kmDMIApplication::SetWindowsStore(storePackage);
        ZelControlCenter::InitDefaultSettingsValues();
        QCOMPARE(ZelControlCenter::GetDefaultSettingsValue("Logging/logFile"),
                 logFile(storePackage));
        QCOMPARE(ZelControlCenter::GetDefaultSettingsValue("folders/lastexportfolder"),
                 documentsFolder());
        QCOMPARE(ZelControlCenter::GetDefaultSettingsValue("DBCache/cacheDirectory"),
                 cacheFolder());
    }

    void hostRegistrationComesFirst()
    {
        const auto noOp = ZelControlCenter::GetValidatorByName(QStringLiteral("noOp"));
        QVERIFY(ZelControlCenter::RegisterSetting("units/name", "ft", noOp));
        ZelControlCenter::InitDefaultSettingsValues();
        const auto& table = ZelControlCenter::GetDefaultSettingsValues();
        QCOMPARE(int(table.size()), 33);
        QCOMPARE(table.at("units/name").first, QStringLiteral("ft"));
        QVERIFY(table.at("units/name").second == noOp);
        QCOMPARE(table.at("units/nbDecimals").first, QStringLiteral("2"));
    }

    void computedDefaultsStayUntilCleared()
    {
        ZelControlCenter::InitDefaultSettingsValues();
        const QString first = cacheFolder();
        const QString firstLog = logFile(false);
        QCoreApplication::setApplicationName(QStringLiteral("ZelDefaultsRenamed"));
        zel::kmDMIApplication::SetWindowsStore(true);
        ZelControlCenter::InitDefaultSettingsValues();
        QCOMPARE(ZelControlCenter::GetDefaultSettingsValue("DBCache/cacheDirectory"), first);
        QCOMPARE(ZelControlCenter::GetDefaultSettingsValue("Logging/logFile"), firstLog);

        ZelControlCenter::ClearSettings();
        ZelControlCenter::InitDefaultSettingsValues();
        QCOMPARE(ZelControlCenter::GetDefaultSettingsValue("DBCache/cacheDirectory"),
                 cacheFolder());
        QVERIFY(cacheFolder() != first);
        QCoreApplication::setApplicationName(QStringLiteral("ZelDefaults"));
    }

    void emptyStoreIsFilled()
    {
        ZelControlCenter::InitDefaultSettingsValues();
        QTemporaryDir storeDir;
        QVERIFY(storeDir.isValid());
        const QString path = storeDir.filePath(QStringLiteral("Vantora.ini"));
        QString message;
        {
            QSettings settings(path, QSettings::IniFormat);
            QVERIFY2(ZelControlCenter::EnsureSettings(settings, message), qPrintable(message));
        }
        QSettings reread(path, QSettings::IniFormat);
        QCOMPARE(reread.allKeys().size(), 33);
        for (const auto& entry : ZelControlCenter::GetDefaultSettingsValues()) {
            const QString expected =
                entry.first == QLatin1String("engine/coreNumber") ? storedCores()
                                                                  : entry.second.first;
            QCOMPARE(reread.value(entry.first).toString(), expected);
        }
        for (const QString& folder : {cacheFolder(), documentsFolder(),
                                      QFileInfo(logFile(false)).path()})
            QVERIFY2(QFileInfo(folder).isDir(), qPrintable(folder));
    }

private:
    zeltest::RedirectedHome mHome;
};

QTEST_MAIN(tst_registryDefaults)
#include "tst_registryDefaults.moc"
