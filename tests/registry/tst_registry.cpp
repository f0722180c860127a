// The registry's rules and the check run over real INI stores.

#include "ZelControlCenter.h"
#include "zelRegistryTestSupport.h"

#include <QDataStream>
#include <QSettings>
#include <QtTest>

using zel::ZelControlCenter;
using zeltest::FileStamp;

namespace {

QStringList gVisited;
QStringList gEndChecks;
QString gFailAt;
bool gFailWithMessage = true;

// Records the visit, rewrites the value and refuses the key named by gFailAt.
bool recordingValidator(const QString& pKey, const QString&, QString& pValue,
                        QString& pErrorMessage)
{
    gVisited.append(pKey);
    if (pKey == gFailAt) {
        if (gFailWithMessage)
            pErrorMessage = QStringLiteral("refused ") + pKey;
        return false;
    }
    pValue = QStringLiteral("checked ") + pValue;
    return true;
}

bool passingCheck(QSettings&, QString&)
{
    gEndChecks.append(QStringLiteral("passing"));
    return true;
}

bool failingCheck(QSettings&, QString& pErrorMessage)
{
    gEndChecks.append(QStringLiteral("failing"));
    pErrorMessage = QStringLiteral("end check failed");
    return false;
}

bool secondCheck(QSettings&, QString&)
{
    gEndChecks.append(QStringLiteral("second"));
    return true;
}

// A store format that keeps the values' types, as a native store does.
bool readTyped(QIODevice& pDevice, QSettings::SettingsMap& pMap)
{
    QDataStream stream(&pDevice);
    stream >> pMap;
    return stream.status() == QDataStream::Ok;
}

bool writeTyped(QIODevice& pDevice, const QSettings::SettingsMap& pMap)
{
    QDataStream stream(&pDevice);
    stream << pMap;
    return stream.status() == QDataStream::Ok;
}

QByteArray diskContent(const QString& pPath)
{
    QFile file(pPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class tst_registry : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(mHome.isValid());
        mTypedFormat = QSettings::registerFormat(QStringLiteral("zeltyped"), readTyped,
                                                 writeTyped);
        QVERIFY(mTypedFormat != QSettings::InvalidFormat);
    }

    void init()
    {
        ZelControlCenter::ClearSettings();
        gVisited.clear();
        gEndChecks.clear();
        gFailAt.clear();
        gFailWithMessage = true;
        mStoreDir.reset(new QTemporaryDir);
        QVERIFY(mStoreDir->isValid());
    }

    void cleanup()
    {
        mStoreDir->setAutoRemove(!QTest::currentTestFailed());
        ZelControlCenter::ClearSettings();
    }

    // The first registration of a key or an end check wins; null functions, which would
    // crash the run, are refused.
    void registration()
    {
        const auto noOp = ZelControlCenter::GetValidatorByName(QStringLiteral("noOp"));
        const auto ensureEngine =
            ZelControlCenter::GetValidatorByName(QStringLiteral("ensureEngine"));
        QVERIFY(!ZelControlCenter::RegisterSetting("engine", "software", nullptr));
        QVERIFY(ZelControlCenter::RegisterSetting("engine", "deferred", ensureEngine));
        QVERIFY(!ZelControlCenter::RegisterSetting("engine", "software", noOp));
        QCOMPARE(ZelControlCenter::GetDefaultSettingsValue("engine"), QStringLiteral("deferred"));
        QVERIFY(ZelControlCenter::GetDefaultSettingsValues().at("engine").second == ensureEngine);

        QVERIFY(!ZelControlCenter::RegisterEndCheckFunction(nullptr));
        QVERIFY(ZelControlCenter::RegisterEndCheckFunction(passingCheck));
        QVERIFY(!ZelControlCenter::RegisterEndCheckFunction(passingCheck));
        QSettings settings(storePath(), QSettings::IniFormat);
        QString message;
        QVERIFY(ZelControlCenter::EnsureSettings(settings, message));
        QCOMPARE(gEndChecks, QStringList{"passing"});
    }

    void clearedTableLooksUpAndWritesNothing()
    {
        ZelControlCenter::InitDefaultSettingsValues();
        QCOMPARE(ZelControlCenter::GetDefaultSettingsValue("units/name"), QStringLiteral("mm"));
        QVERIFY(ZelControlCenter::GetDefaultSettingsValue("no/such/key").isNull());
        ZelControlCenter::ClearSettings();
        QVERIFY(ZelControlCenter::GetDefaultSettingsValue("units/name").isEmpty());

        QSettings settings(storePath(), QSettings::IniFormat);
        QString message;
        QVERIFY(ZelControlCenter::EnsureSettings(settings, message));
        QVERIFY(settings.allKeys().isEmpty());
        QVERIFY(!QFile::exists(storePath()));
    }

    void visitsKeysInCodeUnitOrder()
    {
        for (const char* key : {"b", "engine", "a/x", "Zed", "B", "A"})
            QVERIFY(ZelControlCenter::RegisterSetting(key, "d", recordingValidator));
        QSettings settings(storePath(), QSettings::IniFormat);
        QString message;
        QVERIFY(ZelControlCenter::EnsureSettings(settings, message));
        QCOMPARE(gVisited, (QStringList{"A", "B", "Zed", "a/x", "b", "engine"}));
    }

    void endChecks_data()
    {
        QTest::addColumn<QStringList>("checks");
        QTest::addColumn<bool>("result");
        QTest::addColumn<QStringList>("run");
        QTest::addColumn<QString>("message");
        QTest::addRow("none") << QStringList{} << true << QStringList{} << "caller's";
        QTest::addRow("passing") << QStringList{"passing", "second"} << true
                                 << QStringList{"passing", "second"} << "caller's";
        QTest::addRow("first fails") << QStringList{"failing", "second"} << false
                                     << QStringList{"failing"} << "end check failed";
    }

    void endChecks()
    {
        QFETCH(QStringList, checks);
        QFETCH(bool, result);
        QFETCH(QStringList, run);
        QFETCH(QString, message);
        const QMap<QString, ZelControlCenter::EndCheckFunction> functions = {
            {"passing", passingCheck}, {"second", secondCheck}, {"failing", failingCheck}};
        for (const QString& check : checks)
            QVERIFY(ZelControlCenter::RegisterEndCheckFunction(functions.value(check)));
        QVERIFY(ZelControlCenter::RegisterSetting("k", "v", recordingValidator));

        QSettings settings(storePath(), QSettings::IniFormat);
        QString reported = QStringLiteral("caller's");
        QCOMPARE(ZelControlCenter::EnsureSettings(settings, reported), result);
        QCOMPARE(gEndChecks, run);
        QCOMPARE(reported, message);
        // End checks run after the whole store was written and synced.
        QVERIFY(diskContent(storePath()).contains("k=checked v"));
    }

    void validatorFailureStopsTheRun_data()
    {
        QTest::addColumn<bool>("withMessage");
        QTest::addColumn<QString>("message");
        QTest::addRow("with a message") << true << "refused k5";
        QTest::addRow("without a message") << false << "caller's";
    }

    void validatorFailureStopsTheRun()
    {
        QFETCH(bool, withMessage);
        QFETCH(QString, message);
        gFailAt = QStringLiteral("k5");
        gFailWithMessage = withMessage;
        for (const char* key : {"k7", "k1", "k5", "k3", "k6", "k2", "k4"})
            QVERIFY(ZelControlCenter::RegisterSetting(key, "d", recordingValidator));
        QVERIFY(ZelControlCenter::RegisterEndCheckFunction(passingCheck));

        QSettings settings(storePath(), QSettings::IniFormat);
        settings.setValue("k2", "stored");
        settings.sync();
        const QByteArray before = diskContent(storePath());

        QString reported = QStringLiteral("caller's");
        QVERIFY(!ZelControlCenter::EnsureSettings(settings, reported));
        QCOMPARE(reported, message);
        QCOMPARE(gVisited, (QStringList{"k1", "k2", "k3", "k4", "k5"}));
        QVERIFY(gEndChecks.isEmpty());
        // The four keys before it are in the store object; the disk has not been synced.
        QCOMPARE(settings.value("k1").toString(), QStringLiteral("checked d"));
        QCOMPARE(settings.value("k2").toString(), QStringLiteral("checked stored"));
        QCOMPARE(settings.value("k4").toString(), QStringLiteral("checked d"));
        for (const char* key : {"k5", "k6", "k7"})
            QVERIFY2(!settings.contains(key), key);
        QCOMPARE(diskContent(storePath()), before);
    }

    // A repaired store is healthy: the next runs write nothing, even where nothing could be.
    void healthyStoreIsNotWritten()
    {
        ZelControlCenter::InitDefaultSettingsValues();
        const QSettings::Format format = QSettings::IniFormat;
        {
            QSettings settings(storePath(), format);
            settings.setValue("engine/coreNumber", "letters");
            settings.setValue("units/nbDecimals", "11");
            QString message;
            QVERIFY2(ZelControlCenter::EnsureSettings(settings, message), qPrintable(message));
        }
        QFile pin(storePath());
        QVERIFY(pin.open(QIODevice::ReadOnly));
        const FileStamp repaired = FileStamp::of(storePath());
        QString message;
        {
            QSettings settings(storePath(), format);
            QVERIFY2(ZelControlCenter::EnsureSettings(settings, message), qPrintable(message));
            QCOMPARE(settings.status(), QSettings::NoError);
        }
        QVERIFY(FileStamp::of(storePath()) == repaired);

        zeltest::ImmutableFile readOnly(storePath());
        if (!readOnly.isApplied())
            QSKIP("this file system cannot make a file immutable");
        QSettings settings(storePath(), format);
        QVERIFY(!settings.isWritable());
        QVERIFY2(ZelControlCenter::EnsureSettings(settings, message), qPrintable(message));
        QCOMPARE(settings.status(), QSettings::NoError);
        QCOMPARE(settings.allKeys().size(), 33);
        QVERIFY(FileStamp::of(storePath()) == repaired);
    }

    void oneBadKeyWritesThatRepair()
    {
        ZelControlCenter::InitDefaultSettingsValues();
        {
            QSettings settings(storePath(), QSettings::IniFormat);
            QString message;
            QVERIFY2(ZelControlCenter::EnsureSettings(settings, message), qPrintable(message));
        }
        const QByteArray healthy = diskContent(storePath());
        QVERIFY(healthy.contains("nbDecimals=2\n"));
        QFile file(storePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(healthy).replace("nbDecimals=2\n", "nbDecimals=11\n"));
        file.close();
        QVERIFY(file.open(QIODevice::ReadOnly));
        const FileStamp broken = FileStamp::of(storePath());

        QSettings settings(storePath(), QSettings::IniFormat);
        QString message;
        QVERIFY2(ZelControlCenter::EnsureSettings(settings, message), qPrintable(message));
        const FileStamp repaired = FileStamp::of(storePath());
        QVERIFY(repaired.mInode != broken.mInode);
        QCOMPARE(repaired.mBytes, healthy);
    }

    void valueOfAnotherTypeIsWrittenAsText_data()
    {
        QTest::addColumn<bool>("typedFile");
        QTest::addRow("set in the store object") << false;
        QTest::addRow("typed store file") << true;
    }

    void valueOfAnotherTypeIsWrittenAsText()
    {
        QFETCH(bool, typedFile);
        const QSettings::Format format = typedFile ? mTypedFormat : QSettings::NativeFormat;
        const auto ensureUInt = ZelControlCenter::GetValidatorByName(QStringLiteral("ensureUInt"));
        QVERIFY(ZelControlCenter::RegisterSetting("units/nbDecimals", "2", ensureUInt));
        // What the typed file holds on disk, read without QSettings and its cache.
        const auto onDisk = [this] {
            QFile file(storePath());
            QSettings::SettingsMap map;
            if (file.open(QIODevice::ReadOnly))
                readTyped(file, map);
            return map.value(QStringLiteral("units/nbDecimals"));
        };

        QSettings settings(storePath(), format);
        settings.setValue("units/nbDecimals", 5);
        if (typedFile) {
            settings.sync();
            QCOMPARE(onDisk().userType(), int(QMetaType::Int));
        }
        QString message;
        QVERIFY(ZelControlCenter::EnsureSettings(settings, message));
        QCOMPARE(settings.value("units/nbDecimals").userType(), int(QMetaType::QString));
        QCOMPARE(settings.value("units/nbDecimals").toString(), QStringLiteral("5"));
        if (typedFile) {
            QCOMPARE(onDisk().userType(), int(QMetaType::QString));
            QCOMPARE(onDisk().toString(), QStringLiteral("5"));
        }
    }

private:
    QString storePath() const { return mStoreDir->filePath(QStringLiteral("store.ini")); }

    zeltest::RedirectedHome mHome;
    QScopedPointer<QTemporaryDir> mStoreDir;
    QSettings::Format mTypedFormat = QSettings::InvalidFormat;
};

QTEST_MAIN(tst_registry)
#include "tst_registry.moc"
