// The static side of the control center: the registry's rules, the validators, the default
// table under a redirected home, and check runs over real stores.

#include "ZelControlCenter.h"
#include "ZelDirectory.h"
#include "ZelSettingsFile.h"
#include "kmDMIApplication.h"
#include "kmSystemUtils.h"
#include "zelRegistryTestSupport.h"

#include <QtTest>

using zel::ZelControlCenter;
using zeltest::FileStamp;

namespace {

QStringList gVisited;
QString gEndChecks;
QString gFailAt;

// Records the visit, rewrites the value and refuses the key named by gFailAt.
bool recordingValidator(const QString& pKey, const QString&, QString& pValue, QString& pError)
{
    gVisited.append(pKey);
    pValue = QStringLiteral("checked ") + pValue;
    if (pKey == gFailAt)
        pError = QStringLiteral("refused ") + pKey;
    return pKey != gFailAt;
}

// End checks record their run, with a "?" when the store is not on disk yet; 'f' fails.
template <char tName>
bool endCheck(QSettings& pSettings, QString& pError)
{
    gEndChecks += QLatin1Char(tName) + QString(QFile::exists(pSettings.fileName()) ? "" : "?");
    if (tName == 'f')
        pError = QStringLiteral("end check failed");
    return tName != 'f';
}

// Marks the texts of the "ZelControlCenter" context with "~", to show they were translated.
class MarkingTranslator : public QTranslator
{
public:
    QString translate(const char* pContext, const char* pSource, const char*, int) const override
    {
        const bool ours = qstrcmp(pContext, "ZelControlCenter") == 0;
        return ours ? QLatin1Char('~') + QString::fromUtf8(pSource) : QString();
    }
    bool isEmpty() const override { return false; }
};

// The folders of the computed defaults: documents, database cache, application data.
QStringList computedFolders()
{
    using zel::ZelDirectory;
    const auto text = [](const std::string& pText) { return QString::fromStdString(pText); };
    return {text(ZelDirectory::GetHomeDocumentFolder()) + QStringLiteral("/Vantora"),
            text(ZelDirectory::GetTmpFolder() + "/" + ZelDirectory::GetApplicationName() + "/"
                 + km::kmSystemUtils::GetCurrentUserNameUtf8()),
            text(ZelDirectory::GetAppDataFolder())};
}

QString cores(int pCount)
{
    return QString::number(qMin(qMax(pCount, 1), QThread::idealThreadCount()));
}

// One start of the viewer over the INI store at pPath: empty when the check run succeeded
// and the store reports no error.
QString checkRun(const QString& pPath)
{
    QSettings settings(pPath, QSettings::IniFormat);
    QString message;
    if (!ZelControlCenter::EnsureSettings(settings, message))
        return QStringLiteral("failed: ") + message;
    return settings.status() == QSettings::NoError ? QString() : QStringLiteral("store error");
}

} // namespace

class tst_registry : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(mHome.isValid() && QCoreApplication::installTranslator(&mTranslator));
        QCoreApplication::setApplicationName(QStringLiteral("ZelRegistry"));
        // The computed folders must lie in the redirected home, never in the real one.
        const QString root = QFileInfo(mHome.folder("HOME")).path() + QLatin1Char('/');
        for (const QString& folder : computedFolders())
            QVERIFY2(folder.startsWith(root), qPrintable(folder));
    }

    void init()
    {
        ZelControlCenter::ClearSettings();
        gVisited.clear();
        gEndChecks.clear();
        gFailAt.clear();
        mDir.reset(new QTemporaryDir);
        QVERIFY(mDir->isValid());
    }

    void cleanup()
    {
        mDir->setAutoRemove(!QTest::currentTestFailed());
        mHome.keepOnFailure(QTest::currentTestFailed());
        ZelControlCenter::ClearSettings();
        zel::kmDMIApplication::SetWindowsStore(false);
    }

    // The first registration of a key or an end check wins; null functions, which would
    // crash the run, are refused. End checks run in order once the store is synced, and the
    // first that fails stops the others. A cleared table does nothing.
    void registration()
    {
        const auto engine = ZelControlCenter::GetValidatorByName(QStringLiteral("ensureEngine"));
        QVERIFY(!ZelControlCenter::GetValidatorByName(QStringLiteral("ensureNothing")));
        QVERIFY(ZelControlCenter::GetValidatorName(nullptr).isEmpty());
        QVERIFY(!ZelControlCenter::RegisterSetting("engine", "software", nullptr));
        QVERIFY(ZelControlCenter::RegisterSetting("engine", "deferred", engine));
        QVERIFY(!ZelControlCenter::RegisterSetting("engine", "software", recordingValidator));
        QVERIFY(!ZelControlCenter::RegisterEndCheckFunction(nullptr));
        QVERIFY(ZelControlCenter::RegisterEndCheckFunction(endCheck<'p'>));
        QVERIFY(ZelControlCenter::RegisterEndCheckFunction(endCheck<'s'>));
        QVERIFY(!ZelControlCenter::RegisterEndCheckFunction(endCheck<'p'>));
        QCOMPARE(checkRun(storePath()), QString());
        QCOMPARE(gEndChecks, QStringLiteral("ps"));
        QVERIFY(FileStamp::of(storePath()).mBytes.contains("engine=deferred"));

        ZelControlCenter::ClearSettings();
        const QString other = mDir->filePath(QStringLiteral("other.ini"));
        QCOMPARE(checkRun(other), QString());
        QVERIFY(!QFile::exists(other) && gEndChecks == QLatin1String("ps"));
        QVERIFY(ZelControlCenter::RegisterSetting("k", "v", recordingValidator));
        QVERIFY(ZelControlCenter::RegisterEndCheckFunction(endCheck<'f'>));
        QVERIFY(ZelControlCenter::RegisterEndCheckFunction(endCheck<'p'>));
        QCOMPARE(checkRun(other), QStringLiteral("failed: end check failed"));
        QCOMPARE(gEndChecks, QStringLiteral("psf"));
        QVERIFY(FileStamp::of(other).mBytes.contains("k=checked v"));
    }

    // Keys are visited in code-unit order; a refusal stops the run before the sync and the
    // end checks, with the keys before it set in the store object only.
    void validatorFailureStopsTheRun()
    {
        gFailAt = QStringLiteral("b");
        for (const char* key : {"b", "engine", "a/x", "Zed", "B", "A"})
            QVERIFY(ZelControlCenter::RegisterSetting(key, "d", recordingValidator));
        QVERIFY(ZelControlCenter::RegisterEndCheckFunction(endCheck<'p'>));
        QSettings settings(storePath(), QSettings::IniFormat);
        settings.setValue("Zed", "stored");
        settings.sync();
        const QByteArray before = FileStamp::of(storePath()).mBytes;
        QString message;
        QVERIFY(!ZelControlCenter::EnsureSettings(settings, message));
        QCOMPARE(message, QStringLiteral("refused b"));
        QCOMPARE(gVisited, (QStringList{"A", "B", "Zed", "a/x", "b"}));
        QVERIFY(gEndChecks.isEmpty());
        // Nothing of the run persists, not even once the store object is gone.
        QVERIFY(!settings.contains("A") && !settings.contains("b"));
        QCOMPARE(settings.value("Zed").toString(), QStringLiteral("stored"));
        settings.sync();
        QCOMPARE(FileStamp::of(storePath()).mBytes, before);
    }

    // A host validator that empties the registry mid-run: the run goes on over what was
    // registered when it started (the sanitizers catch any read of the freed table).
    void validatorClearingTheRegistry()
    {
        const auto clearing = [](const QString& pKey, const QString&, QString& pValue,
                                 QString&) {
            ZelControlCenter::ClearSettings();
            gVisited.append(pKey);
            pValue = QStringLiteral("x");
            return true;
        };
        for (const char* key : {"a", "b", "c"})
            QVERIFY(ZelControlCenter::RegisterSetting(key, "d", clearing));
        QCOMPARE(checkRun(storePath()), QString());
        QCOMPARE(gVisited, (QStringList{"a", "b", "c"}));
        QVERIFY(ZelControlCenter::GetDefaultSettingsValues().empty());
    }

    // The store is rewritten only to repair it: one bad key is mended in its line, and a
    // healthy store keeps its bytes, inode and modification time, even one nobody can write.
    // Open files keep their inodes, so a rewritten file cannot get the old one.
    void storeIsWrittenOnlyForRepairs()
    {
        ZelControlCenter::InitDefaultSettingsValues();
        QCOMPARE(checkRun(storePath()), QString());
        const QByteArray healthy = FileStamp::of(storePath()).mBytes;
        const QByteArray coreLine = "coreNumber=" + cores(4).toUtf8() + '\n';
        QVERIFY(healthy.contains(coreLine));
        {
            QFile file(storePath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(healthy).replace(coreLine, "coreNumber=letters\n"));
        }
        QFile pinBroken(storePath());
        QVERIFY(pinBroken.open(QIODevice::ReadOnly));
        const FileStamp broken = FileStamp::of(storePath());
        QCOMPARE(checkRun(storePath()), QString());
        const FileStamp repaired = FileStamp::of(storePath());
        QVERIFY(repaired.mInode != broken.mInode);
        QCOMPARE(repaired.mBytes, healthy);

        QFile pinRepaired(storePath());
        QVERIFY(pinRepaired.open(QIODevice::ReadOnly));
        QCOMPARE(checkRun(storePath()), QString());
        QVERIFY(FileStamp::of(storePath()) == repaired);
        zeltest::ImmutableFile readOnly(storePath());
        if (!readOnly.isApplied())
            QSKIP("this file system cannot make a file immutable");
        QVERIFY(!QSettings(storePath(), QSettings::IniFormat).isWritable());
        QCOMPARE(checkRun(storePath()), QString());
        QVERIFY(FileStamp::of(storePath()) == repaired);
    }

    // On a full disk the check fails, says why, and leaves the store byte for byte with no
    // temporary file beside it; the host's store object holds what the file holds.
    void fullDiskKeepsTheStore()
    {
        ZelControlCenter::InitDefaultSettingsValues();
        QCOMPARE(checkRun(storePath()), QString());
        {
            QFile file(storePath());
            QVERIFY(file.open(QIODevice::ReadWrite));
            const QByteArray healthy = file.readAll();
            QVERIFY(healthy.size() > 512 && healthy.contains("nbDecimals=2\n"));
            QVERIFY(file.resize(0));
            file.write(QByteArray(healthy).replace("nbDecimals=2\n", "nbDecimals=lots\n"));
        }
        QFile pin(storePath());
        QVERIFY(pin.open(QIODevice::ReadOnly));
        const FileStamp before = FileStamp::of(storePath());
        const QStringList entries = zeltest::FolderEntries(mDir->path());

        const QString told = zeltest::OnFullDisk(512, [this]() {
            QSettings settings(storePath(), QSettings::IniFormat);
            QString message;
            const bool checked = ZelControlCenter::EnsureSettings(settings, message);
            return QString::number(checked) + QLatin1Char(' ') + message + QLatin1Char(' ')
                + settings.value(QStringLiteral("units/nbDecimals")).toString();
        });
        QCOMPARE(told, QStringLiteral("0 ~The settings file \"%1\" could not be written: "
                                      "~no space left on the device lots")
                           .arg(storePath()));
        QVERIFY(FileStamp::of(storePath()) == before);
        QCOMPARE(zeltest::FolderEntries(mDir->path()), entries);
    }

    // A file far larger than any store is not read: read as empty, as Qt 5 reads one beyond
    // 2 GiB, it would be filled and written over.
    void storeTooLargeIsNotRead()
    {
        const qint64 size = qint64(3) << 30;
        {
            QFile file(storePath());
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("[units]\nname=ft\n") > 0);
            // Sparse: it takes no room on the disk.
            QVERIFY(file.resize(size));
        }
        zel::ZelSettingsFile store;
        QVERIFY(!store.load(storePath()));
        QCOMPARE(QFileInfo(storePath()).size(), size);
    }

    // %T stands for a temporary folder holding the folder "existing" and the plain file
    // "plain"; a plain file where a parent folder should be stops even root. Each row: the
    // value, the value after the call or the message given, and a folder that must exist.
    void validators_data()
    {
        for (const char* column : {"validator", "defaultValue", "value", "expected", "created"})
            QTest::addColumn<QString>(column);
        QTest::addColumn<bool>("result");
        const auto rows = [](const char* pValidator, const QString& pDefault,
                             std::initializer_list<QStringList> pRows, bool pResult = true) {
            for (const QStringList& row : pRows)
                QTest::addRow("%s(%s, %s)", pValidator, qPrintable(pDefault), qPrintable(row[0]))
                    << QString::fromLatin1(pValidator) << pDefault << row[0] << row[1]
                    << row.value(2) << pResult;
        };
        rows("noOp", "d", {{"any thing", "any thing"}});
        rows("ensureBool", "true", {{"false", "false"}, {"TRUE", "true"}});
        rows("ensureEngine", "deferred", {{"Deferred", "deferred"}, {"software", "software"}});
        rows("ensureNavigationMode", "arcball", {{"walk", "arcball"}, {"examine", "examine"}});
        rows("ensureSceneUnit", "mm", {{"ft", "mm"}, {"in", "in"}});
        rows("ensureDecimalSeparator", ".", {{";", "."}, {",", ","}});
        rows("ensureColumnSeparator", ",", {{"; ", "; "}});
        rows("ensureColumnSeparator", ",", {{"", ""}}, false);
        rows("ensureStringDelimiter", "\"", {{"\"\"", "\""}});
        rows("ensureSettingsVersion", "1", {{"7", "1"}});

        // Range checks keep an accepted value as it was written.
        rows("ensureUInt", "2", {{"10", "10"}, {"11", "2"}, {"-1", "2"}, {" 5", " 5"}});
        rows("ensureCacheSize", "1024",
             {{"5", "1024"}, {"0010", "0010"}, {"102400", "102400"}, {"102401", "1024"}});
        rows("ensureSimplificationRAM", "1073741824",
             {{"67108863", "1073741824"}, {"67108864", "67108864"},
              {"8489271296", "8489271296"}, {"8489271297", "1073741824"}});

        // Clamping validators rewrite a number that parses in decimal; an unparsable core
        // count falls back to a clamped default, or the store is repaired at every start.
        rows("ensureCoreNumber", "4", {{"0", cores(0)}, {"64", cores(64)}, {"many", cores(4)}});
        rows("ensureTesselationMaxFaceAngle", "45",
             {{"400", "359"}, {"-5", "0"}, {"+12", "12"}, {"4.5", "45"}});
        // Beyond the float range the conversion reports failure.
        rows("ensureTesselationMaxFaceLength", "7",
             {{"250.5", "100"}, {"99.5", "99.5"}, {"1e1", "10"}, {"-3", "0"}, {"nan", "0"},
              {"inf", "100"}, {"-inf", "0"}, {"1e39", "7"}, {"long", "7"}});
        rows("ensureTesselationMaxFaceSag", "0", {{"0.1234567", "0.123457"}});
        rows("ensureLODTrianglesCap", "6000000",
             {{"10", "50000"}, {"500000001", "500000000"}, {"0060000", "60000"},
              {"-1", "6000000"}});
        rows("ensureMaxCPUMemory3D", "134217728", {{"1000", "134217728"}});
        rows("ensureMaxGPUMemory", "1073741824",
             {{"99999999999", "8489271296"}, {"8489271296", "8489271296"},
              {"18446744073709551616", "1073741824"}});
        rows("ensureLogLevel", "2", {{"-3", "1"}, {"+7", "7"}, {"loud", "2"}});
        rows("ensureColor", "#FFC0C0C0",
             {{"#a1b2c3", "#a1b2c3"}, {"#A1B2C3D4", "#A1B2C3D4"}, {"#1234567", "#FFC0C0C0"},
              {"#abc", "#FFC0C0C0"}, {"#a1b2cg", "#FFC0C0C0"},
              {QStringLiteral("#a1b2c\u00e9"), "#FFC0C0C0"}});

        const QString ratios = QStringLiteral("1/0.5/0.25/0.125/0.0625");
        rows("ensureSimplificationRatios", ratios,
             {{"0.0625/0.125/0.25/0.5/1", ratios}, {"1/x/0.5//0.25/0.125/0.0625", ratios},
              {"0.1234567/0.5/0.25/0.125/1", "1/0.5/0.25/0.125/0.123457"}});
        rows("ensureSimplificationRatios", "0.0625/1/0.5/0.25/0.125",
             {{"0.5/0.25/0.125", ratios}, {"1/1/0.5/0.25/0.125", ratios},
              {"1/1.5/nan/-0.5/0.125", ratios}});
        rows("ensureSimplificationRatios", "0.5/0.25",
             {{"1/2", "1/2"}, {"1/1/0.5/0.25/0.125", "0.5/0.25"}}, false);
        rows("ensureSimplificationRatios", "2/2/2/2/2", {{"3/3/3/3/3", "2/2/2/2/2"}}, false);

        // "/" cleans up to "", which must not pass for the working folder.
        rows("ensureDMCacheFolder", "%T/c",
             {{"%T\\existing\\", "%T/existing", "%T/existing"},
              {"%T/plain", "%T/c", "%T/c"}, {"/", "%T/c", "%T/c"}});
        rows("ensureDMCacheFolder", "%T\\c\\a\\", {{"%T/gone", "%T/c/a", "%T/c/a"}});
        rows("ensureTmpFolder", "%T/d",
             {{"%T\\existing\\", "%T/existing", "%T/d"}, {"/", "%T/d", "%T/d"}});
        rows("ensureFile", "%T/data/log.txt",
             {{"%T\\existing\\absent.txt", "%T/existing/absent.txt", "%T/existing"},
              {"", "%T/data/log.txt", "%T/data"}});
        rows("ensureFile", "%T\\data\\sub\\log.txt",
             {{"%T/gone/log.txt", "%T/data/sub/log.txt", "%T/data/sub"}});

        // The messages are translated ("~") in the context "ZelControlCenter".
        rows("ensureDMCacheFolder", "%T\\plain\\c\\",
             {{"", "~Could not use the 3D database cache, folder \"%T/plain/c\" could not be "
                   "created"}}, false);
        rows("ensureTmpFolder", "%T/plain/d",
             {{"", "~Could not create compulsory folder \"%T/plain/d\""},
              {"%T", "~Could not create compulsory folder \"%T/plain/d\""}}, false);
        rows("ensureFile", "%T\\plain\\logs\\log.txt",
             {{"", "~Could not use the Vantora log file, file \"%T/plain/logs/log.txt\" could "
                   "not be created"}}, false);
    }

    void validators()
    {
        QFETCH(QString, validator);
        QFETCH(QString, defaultValue);
        QFETCH(QString, value);
        QFETCH(QString, expected);
        QFETCH(QString, created);
        QFETCH(bool, result);
        QVERIFY(QDir(mDir->path()).mkdir(QStringLiteral("existing")));
        QVERIFY(QFile(mDir->filePath(QStringLiteral("plain"))).open(QIODevice::WriteOnly));
        for (QString* text : {&defaultValue, &value, &expected, &created})
            text->replace(QStringLiteral("%T"), mDir->path());
        const auto function = ZelControlCenter::GetValidatorByName(validator);
        QCOMPARE(ZelControlCenter::GetValidatorName(function), validator);
        QString message = QStringLiteral("untouched");
        QCOMPARE(function(QStringLiteral("some/key"), defaultValue, value, message), result);
        QCOMPARE(message == QLatin1String("untouched") ? value : message, expected);
        QVERIFY2(created.isEmpty() || QFileInfo(created).isDir(), qPrintable(created));
    }

    // Stores as people and other programs leave them (%T: a temporary folder holding the
    // folder "existing"): the value that one check leaves for the key, or the start of its
    // message when it stops. A check over its own output changes no byte; a check that
    // stops changes none either.
    void stores_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        const QString cache = QStringLiteral("DBCache/cacheDirectory");
        const QString logFile = QStringLiteral("Logging/logFile");
        QTest::addRow("folder, two separators")
            << QByteArray("[DBCache]\ncacheDirectory=%T/existing//\n") << cache << "%T/existing";
        QTest::addRow("folder, backslashes")
            << QByteArray("[DBCache]\ncacheDirectory=\"%T\\\\existing\\\\\\\\\"\n") << cache
            << "%T/existing";
        QTest::addRow("folder, root twice") << QByteArray("[DBCache]\ncacheDirectory=//\n")
                                            << cache << "=DBCache/cacheDirectory";
        QTest::addRow("export folder, two separators")
            << QByteArray("[folders]\nlastexportfolder=%T/existing//\n")
            << "folders/lastexportfolder" << "%T/existing";
        QTest::addRow("log file, separators")
            << QByteArray("[Logging]\nlogFile=%T/existing//log.txt//\n") << logFile
            << "%T/existing//log.txt";
        // Typed values are never built: they count as invalid and get the default.
        QTest::addRow("serialized bitmap")
            << QByteArray("[engine]\nuseFXAA=@Variant(\\0\\0\\0I)\n") << "engine/useFXAA" << "true";
        QTest::addRow("huge serialized list")
            << QByteArray("[engine]\ncoreNumber=@Variant(\\0\\0\\0\\t\\x7f\\xff\\xff\\xff)\n")
            << "engine/coreNumber" << cores(4);
        QTest::addRow("list") << QByteArray("[CSVDriver]\nImport\\columnSeparator=,\n")
                              << "CSVDriver/Import/columnSeparator" << ",";
        QTest::addRow("escaped at sign")
            << QByteArray("[units]\nname=\\x40Invalid()\n") << "units/name" << "mm";
        // One key under two spellings of its section: QSettings reads either, depending on
        // what it was asked before; the one it reads last is repaired, and both lines agree.
        QTest::addRow("two spellings")
            << QByteArray("[CSVDriver\\Import]\ndecimalSeparator=x\n[CSVDriver]\n"
                          "Import\\decimalSeparator=,\n")
            << "CSVDriver/Import/decimalSeparator" << ".";
        QTest::addRow("two spellings, the one read last valid")
            << QByteArray("[General]\nunits\\name=furlong\n[units]\nname=cm\n") << "units/name"
            << "cm";
        QTest::addRow("empty column separator")
            << QByteArray("[CSVDriver]\nImport\\columnSeparator=\n[units]\nname=ft\n")
            << "CSVDriver/Import/columnSeparator" << "!";
        QTest::addRow("line without equals sign")
            << QByteArray("[units]\nname=ft\n# note\n") << "units/name"
            << "!~Line 3 of the settings file";
        QTest::addRow("unclosed header") << QByteArray("[units]\nname=ft\n[engine\n")
                                         << "units/name" << "!~Line 3 of the settings file";
    }

    void stores()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        QVERIFY(QDir(mDir->path()).mkdir(QStringLiteral("existing")));
        stored.replace("%T", QFile::encodeName(mDir->path()));
        expected.replace(QStringLiteral("%T"), mDir->path());
        {
            QFile file(storePath());
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(stored) == stored.size());
        }
        ZelControlCenter::InitDefaultSettingsValues();
        const FileStamp before = FileStamp::of(storePath());
        const QString result = checkRun(storePath());
        if (expected.startsWith(QLatin1Char('!'))) {
            QVERIFY2(result.startsWith("failed: " + expected.mid(1)), qPrintable(result));
            QVERIFY(FileStamp::of(storePath()) == before);
            return;
        }
        QCOMPARE(result, QString());
        if (expected.startsWith(QLatin1Char('=')))
            expected = ZelControlCenter::GetDefaultSettingsValue(expected.mid(1));
        zel::ZelSettingsFile file;
        QVERIFY(file.load(storePath()));
        QVERIFY(file.holds(key, expected));
        QCOMPARE(QSettings(storePath(), QSettings::IniFormat).value(key).toString(), expected);
        const QByteArray once = FileStamp::of(storePath()).mBytes;
        QCOMPARE(checkRun(storePath()), QString());
        QCOMPARE(FileStamp::of(storePath()).mBytes, once);
    }

    void firstStart_data()
    {
        QTest::addColumn<bool>("storePackage");
        QTest::addRow("desktop") << false;
        QTest::addRow("store package") << true;
    }

    // A first start computes the folder defaults, fills an empty store and makes the folders;
    // a second call keeps the host's and the first call's registrations.
    void firstStart()
    {
        QFETCH(bool, storePackage);
        zel::kmDMIApplication::SetWindowsStore(storePackage);
        QVERIFY(ZelControlCenter::RegisterSetting("units/name", "ft", recordingValidator));
        ZelControlCenter::InitDefaultSettingsValues();
        const QStringList folders = computedFolders();
        QCoreApplication::setApplicationName(QStringLiteral("ZelRegistryRenamed"));
        ZelControlCenter::InitDefaultSettingsValues();
        QCoreApplication::setApplicationName(QStringLiteral("ZelRegistry"));
        const QString logFolder = folders.at(storePackage ? 0 : 2);
        const auto value = ZelControlCenter::GetDefaultSettingsValue;
        QCOMPARE(value("Logging/logFile"), logFolder + QStringLiteral("/log.txt"));
        QCOMPARE(value("folders/lastexportfolder"), folders.at(0));
        QCOMPARE(value("DBCache/cacheDirectory"), folders.at(1));

        QCOMPARE(checkRun(storePath()), QString());
        QSettings store(storePath(), QSettings::NativeFormat);
        QCOMPARE(store.allKeys().size(), 33);
        QCOMPARE(store.value("units/name").toString(), QStringLiteral("checked ft"));
        QCOMPARE(store.value("engine/coreNumber").toString(), cores(4));
        for (const QString& folder : {logFolder, folders.at(0), folders.at(1)})
            QVERIFY2(QFileInfo(folder).isDir(), qPrintable(folder));
        // A native store may hold a value of another type; it is written back as text.
        store.setValue("units/nbDecimals", 2);
        QString message;
        QVERIFY(ZelControlCenter::EnsureSettings(store, message));
        QCOMPARE(store.value("units/nbDecimals").userType(), int(QMetaType::QString));
        QCOMPARE(store.value("units/nbDecimals").toString(), QStringLiteral("2"));
    }

private:
    QString storePath() const { return mDir->filePath(QStringLiteral("store.ini")); }

    zeltest::RedirectedHome mHome;
    QScopedPointer<QTemporaryDir> mDir;
    MarkingTranslator mTranslator;
};

QTEST_MAIN(tst_registry)
#include "tst_registry.moc"
