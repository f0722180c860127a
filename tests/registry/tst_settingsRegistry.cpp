// The settings core's registry and the control center's static registry operations: one
// table, whichever side a host or a tool registers through.

#include "ZelControlCenter.h"
#include "ZelSettingsRegistry.h"
#include "kmDMIApplication.h"
#include "zelRegistryTestSupport.h"

#include <QSettings>
#include <QStandardPaths>
#include <QtTest>

using zel::ZelControlCenter;
using zel::ZelSettingsRegistry;

namespace {

bool refuseAll(QSettings&, QString& pErrorMessage)
{
    pErrorMessage = QStringLiteral("refused");
    return false;
}

QMap<QString, QString> defaultsOf(const ZelSettingsRegistry::SettingsMap& pTable)
{
    QMap<QString, QString> defaults;
    for (const auto& entry : pTable)
        defaults.insert(entry.first, entry.second.first);
    return defaults;
}

} // namespace

class tst_settingsRegistry : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(mHome.isValid());
        QCoreApplication::setApplicationName(QStringLiteral("ZelSettingsRegistry"));
    }

    void cleanup()
    {
        mHome.keepOnFailure(QTest::currentTestFailed());
        ZelSettingsRegistry::ClearSettings();
        zel::kmDMIApplication::SetWindowsStore(false);
    }

    void oneTable_data()
    {
        QTest::addColumn<bool>("throughControlCenter");
        QTest::addRow("registered through the control center") << true;
        QTest::addRow("registered through the core") << false;
    }

    // What one side registers, the other reads, refuses again and clears.
    void oneTable()
    {
        QFETCH(bool, throughControlCenter);
        const auto ensureUInt = ZelSettingsRegistry::GetValidatorByName("ensureUInt");
        QVERIFY(ensureUInt);
        QVERIFY(ZelControlCenter::GetValidatorByName("ensureUInt") == ensureUInt);
        QCOMPARE(ZelControlCenter::GetValidatorName(ensureUInt), QStringLiteral("ensureUInt"));

        const auto registerSetting = throughControlCenter ? &ZelControlCenter::RegisterSetting
                                                          : &ZelSettingsRegistry::RegisterSetting;
        const auto otherRegisterSetting = throughControlCenter
            ? &ZelSettingsRegistry::RegisterSetting
            : &ZelControlCenter::RegisterSetting;
        QVERIFY(registerSetting("units/nbDecimals", "3", ensureUInt));
        QVERIFY(!otherRegisterSetting("units/nbDecimals", "5", ensureUInt));
        QCOMPARE(ZelControlCenter::GetDefaultSettingsValue("units/nbDecimals"),
                 QStringLiteral("3"));
        QCOMPARE(ZelSettingsRegistry::GetDefaultSettingsValue("units/nbDecimals"),
                 QStringLiteral("3"));
        QCOMPARE(&ZelControlCenter::GetDefaultSettingsValues(),
                 &ZelSettingsRegistry::GetDefaultSettingsValues());

        const auto registerEndCheck = throughControlCenter
            ? &ZelControlCenter::RegisterEndCheckFunction
            : &ZelSettingsRegistry::RegisterEndCheckFunction;
        QVERIFY(registerEndCheck(refuseAll));
        QVERIFY(!ZelSettingsRegistry::RegisterEndCheckFunction(refuseAll));
        QVERIFY(!ZelControlCenter::RegisterEndCheckFunction(refuseAll));

        // Either check run sees the key and the end check of the other side.
        QTemporaryDir dir;
        for (const auto ensure : {&ZelControlCenter::EnsureSettings,
                                  &ZelSettingsRegistry::EnsureSettings}) {
            QSettings store(dir.filePath("store.ini"), QSettings::IniFormat);
            store.setValue("units/nbDecimals", "11");
            QString message;
            QVERIFY(!ensure(store, message));
            QCOMPARE(message, QStringLiteral("refused"));
            QCOMPARE(store.value("units/nbDecimals").toString(), QStringLiteral("3"));
        }

        if (throughControlCenter)
            ZelSettingsRegistry::ClearSettings();
        else
            ZelControlCenter::ClearSettings();
        QVERIFY(ZelControlCenter::GetDefaultSettingsValues().empty());
        QVERIFY(ZelSettingsRegistry::RegisterEndCheckFunction(refuseAll));
    }

    void storePackage_data()
    {
        QTest::addColumn<bool>("storePackage");
        QTest::addRow("desktop") << false;
        QTest::addRow("store package") << true;
    }

    // The core takes the store-package answer that the control center asks the host for: both
    // compute the same table, the log file in the documents folder for a store package only.
    void storePackage()
    {
        QFETCH(bool, storePackage);
        ZelSettingsRegistry::InitDefaultSettingsValues(storePackage);
        const QMap<QString, QString> core = defaultsOf(ZelSettingsRegistry::GetDefaultSettingsValues());
        QCOMPARE(core.size(), 33);
        const QString documents = core.value("folders/lastexportfolder");
        QVERIFY(documents.endsWith(QStringLiteral("/Vantora")));
        QCOMPARE(core.value("Logging/logFile").startsWith(documents + QLatin1Char('/')),
                 storePackage);

        ZelSettingsRegistry::ClearSettings();
        zel::kmDMIApplication::SetWindowsStore(storePackage);
        ZelControlCenter::InitDefaultSettingsValues();
        QCOMPARE(defaultsOf(ZelControlCenter::GetDefaultSettingsValues()), core);
    }

private:
    zeltest::RedirectedHome mHome;
};

QTEST_GUILESS_MAIN(tst_settingsRegistry)
#include "tst_settingsRegistry.moc"
