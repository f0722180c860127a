// The default table: key order, the computed folder defaults under a redirected home, the
// store-package switch, host registrations, and a first start on an empty store.

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

QString appDataFolder()
{
    return fromHost(zel::ZelDirectory::GetAppDataFolder());
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
        QCoreApplication::setApplicationName(QStringLiteral("ZelDefaults"));
        // The computed folders must lie in the redirected home, never in the real one.
        for (const QString& folder : {documentsFolder(), cacheFolder(), appDataFolder()})
            QVERIFY2(folder.startsWith(mHome.path() + QLatin1Char('/')), qPrintable(folder));
    }

    void init() { ZelControlCenter::ClearSettings(); }

    void cleanup()
    {
        ZelControlCenter::ClearSettings();
        zel::kmDMIApplication::SetWindowsStore(false);
        mHome.keepOnFailure(QTest::currentTestFailed());
    }

    void checkOrder()
    {
        ZelControlCenter::InitDefaultSettingsValues();
        QStringList keys;
        for (const auto& entry : ZelControlCenter::GetDefaultSettingsValues())
            keys.append(entry.first);
        QCOMPARE(keys, zeltest::checkOrder());
    }

    void computedDefaults_data()
    {
        QTest::addColumn<bool>("storePackage");
        QTest::addRow("desktop") << false;
        QTest::addRow("store package") << true;
    }

    void computedDefaults()
    {
        QFETCH(bool, storePackage);
        zel::kmDMIApplication::SetWindowsStore(storePackage);
        ZelControlCenter::InitDefaultSettingsValues();
        const QString logFolder = storePackage ? documentsFolder() : appDataFolder();
        QCOMPARE(ZelControlCenter::GetDefaultSettingsValue("Logging/logFile"),
                 logFolder + QStringLiteral("/log.txt"));
        QCOMPARE(ZelControlCenter::GetDefaultSettingsValue("folders/lastexportfolder"),
                 documentsFolder());
        QCOMPARE(ZelControlCenter::GetDefaultSettingsValue("DBCache/cacheDirectory"),
                 cacheFolder());
        QCOMPARE(ZelControlCenter::GetDefaultSettingsValue("engine/coreNumber"),
                 QLatin1String(QThread::idealThreadCount() == -1 ? "-1" : "4"));
    }

    // The first registration wins: the host's own, and the first call's computed folders.
    void earlierRegistrationsStay()
    {
        const auto noOp = ZelControlCenter::GetValidatorByName(QStringLiteral("noOp"));
        QVERIFY(ZelControlCenter::RegisterSetting("units/name", "ft", noOp));
        ZelControlCenter::InitDefaultSettingsValues();
        const QString firstCache = cacheFolder();
        QCoreApplication::setApplicationName(QStringLiteral("ZelDefaultsRenamed"));
        ZelControlCenter::InitDefaultSettingsValues();
        QCoreApplication::setApplicationName(QStringLiteral("ZelDefaults"));

        const auto& table = ZelControlCenter::GetDefaultSettingsValues();
        QCOMPARE(int(table.size()), 33);
        QCOMPARE(table.at("units/name").first, QStringLiteral("ft"));
        QVERIFY(table.at("units/name").second == noOp);
        QCOMPARE(table.at("DBCache/cacheDirectory").first, firstCache);
    }

    void emptyStoreIsFilled()
    {
        ZelControlCenter::InitDefaultSettingsValues();
        QTemporaryDir storeDir;
        QVERIFY(storeDir.isValid());
        const QString path = storeDir.filePath(QStringLiteral("Vantora.ini"));
        {
            QSettings settings(path, QSettings::IniFormat);
            QString message;
            QVERIFY2(ZelControlCenter::EnsureSettings(settings, message), qPrintable(message));
        }
        QSettings reread(path, QSettings::IniFormat);
        QCOMPARE(reread.allKeys().size(), 33);
        QCOMPARE(reread.value("units/nbDecimals").toString(), QStringLiteral("2"));
        QCOMPARE(reread.value("engine/coreNumber").toString(),
                 QString::number(std::min(4, QThread::idealThreadCount())));
        for (const QString& folder : {cacheFolder(), documentsFolder(), appDataFolder()})
            QVERIFY2(QFileInfo(folder).isDir(), qPrintable(folder));
    }

private:
    zeltest::RedirectedHome mHome;
};

QTEST_MAIN(tst_registryDefaults)
#include "tst_registryDefaults.moc"
