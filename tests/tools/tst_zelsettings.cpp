// zelsettings end to end: the built tool run on INI stores in a redirected home.

#include "kmSystemUtils.h"
#include "zelRegistryTestSupport.h"

#include <QProcess>
#include <QSettings>
#include <QThread>
#include <QtTest>

#include <algorithm>

using zeltest::FileStamp;

namespace {

struct Run
{
    int mExitCode = -1;
    QString mOut;
    QString mErr;

    QStringList lines() const { return mOut.split(QLatin1Char('\n'), Qt::SkipEmptyParts); }
};

Run zelsettings(const QStringList& pArguments,
                const QProcessEnvironment& pEnvironment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(pEnvironment);
    process.start(QStringLiteral(ZELSETTINGS_PATH), pArguments);
    Run run;
    if (process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit)
        run.mExitCode = process.exitCode();
    run.mOut = QString::fromUtf8(process.readAllStandardOutput());
    run.mErr = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QString userName()
{
    return QString::fromUtf8(km::kmSystemUtils::GetCurrentUserNameUtf8().c_str());
}

} // namespace

class tst_zelsettings : public QObject
{
    Q_OBJECT

    zeltest::RedirectedHome mHome;
    QScopedPointer<QTemporaryDir> mDir;

    QString store() const { return mDir->filePath(QStringLiteral("Vantora.ini")); }

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(mHome.isValid());
        QVERIFY(QFileInfo::exists(QStringLiteral(ZELSETTINGS_PATH)));
    }

    void init()
    {
        mDir.reset(new QTemporaryDir);
        QVERIFY(mDir->isValid());
    }

    void cleanup()
    {
        mDir->setAutoRemove(!QTest::currentTestFailed());
        mHome.keepOnFailure(QTest::currentTestFailed());
    }

    // Words split at spaces; %S stands for "--store" and the store, '' for an empty word, %T
    // for the temporary folder, %B for a path under a plain file. blockCache puts a plain
    // file where the cache folder goes. The output is on stdout after success, else on stderr;
    // it is the whole text when it ends a line, else its beginning. "after" is key=value.
    void commands_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<bool>("blockCache");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("after");
        const QString error = "zelsettings: ";
        const auto misuse = [&error](const char* pName, const char* pArguments,
                                     const char* pStored = "") {
            QTest::addRow("%s", pName) << pStored << pArguments << false << 2 << error << "";
        };
        const QString usage = "Usage: zelsettings";
        QTest::addRow("help") << "" << "--help" << false << 0 << usage << "";
        QTest::addRow("help after a command") << "" << "check -h" << false << 0 << usage << "";
        misuse("no command", "");
        misuse("unknown command", "frobnicate");
        misuse("unknown option", "check --verbose");
        misuse("store without file", "check --store");
        misuse("get without key", "get %S", "units/name=cm");
        misuse("list with store", "list %S");
        misuse("get unknown key", "get %S no/such", "units/name=cm");
        misuse("set unknown key", "set %S no/such 1");
        misuse("set empty key", "set %S '' 1");
        misuse("reset empty key", "reset %S ''");
        misuse("get missing file", "get %S units/name");
        misuse("check a folder", "check --store %T");
        misuse("check unwritable", "check --store %B");
        misuse("set unwritable", "set --store %B units/name m");

        // The keys checked before the failing one keep their repairs, as in the viewer.
        const QString failed = error + "check failed at \"%1\": ";
        QTest::addRow("check fails")
            << "Controls/controller=walk CSVDriver/Import/columnSeparator=" << "check %S" << false
            << 1
            << failed.arg("CSVDriver/Import/columnSeparator")
                   + "the value of \"CSVDriver/Import/columnSeparator\" cannot be used\n"
            << "Controls/controller=walk";
        QTest::addRow("cache folder cannot be created")
            << "Controls/controller=walk" << "check %S" << true << 1
            << failed.arg("DBCache/cacheDirectory") + "Could not use the 3D database cache, "
                   "folder \"%T/tmp/Vantora/" + userName() + "\" could not be created\n"
            << "Controls/controller=arcball";

        QTest::addRow("get") << "units/name=cm" << "get %S units/name" << false << 0 << "cm\n"
                             << "units/name=cm";
        QTest::addRow("get unregistered key") << "display/namingPolicy=1"
            << "get %S display/namingPolicy" << false << 0 << "1\n" << "";
        QTest::addRow("get not stored") << "units/name=cm" << "get %S units/nbDecimals" << false
                                        << 1 << error << "";
        QTest::addRow("set") << "" << "set %S units/nbDecimals 5" << false << 0 << "5\n"
                             << "units/nbDecimals=5";
        QTest::addRow("set repaired") << "" << "set %S units/nbDecimals 11" << false << 0 << "2\n"
                                      << "units/nbDecimals=2";
        QTest::addRow("set accented folder")
            << "" << "set %S Logging/logFile %T/donn\u00e9es/log.txt" << false << 0
            << "%T/donn\u00e9es/log.txt\n" << "Logging/logFile=%T/donn\u00e9es/log.txt";
        QTest::addRow("set rejected") << "CSVDriver/Import/columnSeparator=;"
            << "set %S CSVDriver/Import/columnSeparator ''" << false << 1 << error
            << "CSVDriver/Import/columnSeparator=;";
        QTest::addRow("reset one") << "units/name=cm engine=software" << "reset %S units/name"
                                   << false << 0 << "" << "units/name=mm";
        QTest::addRow("reset all") << "units/name=cm engine=software" << "reset %S" << false << 0
                                   << "" << "engine=deferred";
    }

    void commands()
    {
        QFETCH(QString, stored);
        QFETCH(QString, arguments);
        QFETCH(bool, blockCache);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QFETCH(QString, after);
        const QString tmp = mDir->path();
        for (QString* text : {&arguments, &output, &after})
            text->replace(QStringLiteral("%T"), tmp);
        {
            QSettings settings(store(), QSettings::IniFormat);
            for (const QString& pair : stored.split(' ', Qt::SkipEmptyParts))
                settings.setValue(pair.section('=', 0, 0), pair.section('=', 1));
        }
        QVERIFY(QDir(tmp).mkpath(QStringLiteral("donn\u00e9es")));
        QVERIFY(QDir(tmp).mkpath(QStringLiteral("tmp")));
        QFile blocker(tmp + (blockCache ? "/tmp/Vantora" : "/blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        QStringList words;
        for (QString word : arguments.split(' ', Qt::SkipEmptyParts)) {
            if (word == QLatin1String("%S"))
                words << QStringLiteral("--store") << store();
            else
                words << (word == "''" ? QString() : word.replace("%B", tmp + "/blocker/s"));
        }
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (blockCache)
            environment.insert(QStringLiteral("TMPDIR"), tmp + QStringLiteral("/tmp"));
        const FileStamp before = FileStamp::of(store());

        const Run run = zelsettings(words, environment);
        QCOMPARE(run.mExitCode, exitCode);
        const QString& shown = exitCode == 0 ? run.mOut : run.mErr;
        QVERIFY2(output.isEmpty() || output.endsWith('\n') ? shown == output
                                                           : shown.startsWith(output),
                 qPrintable(shown));
        QVERIFY(exitCode != 0 || run.mErr.isEmpty());
        if (exitCode == 2) {
            QVERIFY(run.mOut.isEmpty());
            // Misuse leaves the store as it was, even when there was none.
            QVERIFY(FileStamp::of(store()) == before);
        }
        if (!after.isEmpty()) {
            QSettings settings(store(), QSettings::IniFormat);
            QCOMPARE(settings.value(after.section('=', 0, 0)).toString(), after.section('=', 1));
        }
    }

    // The computed defaults are the viewer's: its names, its folders.
    void list()
    {
        const Run run = zelsettings({"list"});
        QCOMPARE(run.mExitCode, 0);
        QStringList keys;
        for (const QString& line : run.lines())
            keys.append(line.section(QLatin1Char('\t'), 0, 0));
        QCOMPARE(keys, zeltest::checkOrder());
        const QStringList expected = {
            "units/nbDecimals\t2\tensureUInt",
            "CSVDriver/Import/stringDelimiter\t\"\tensureStringDelimiter",
            QString("DBCache/cacheDirectory\t%1/Vantora/%2\tensureDMCacheFolder")
                .arg(mHome.folder("TMPDIR"), userName()),
            QString("folders/lastexportfolder\t%1/Documents/Vantora\tensureTmpFolder")
                .arg(mHome.folder("HOME")),
            QString("Logging/logFile\t%1/Vantora/Vantora/log.txt\tensureFile")
                .arg(mHome.folder("XDG_DATA_HOME"))};
        for (const QString& line : expected)
            QVERIFY2(run.lines().contains(line), qPrintable(line));
    }

    // A healthy store is reported "kept" key by key and never rewritten, even read-only.
    void checkFillsThenKeeps()
    {
        const QString store = mDir->filePath(QStringLiteral("sub/Vantora.ini"));
        // The output when every key is reported in pState, else nothing.
        const auto check = [&store](const char* pState) {
            const Run run = zelsettings({"check", "--store", store});
            bool all = run.mExitCode == 0 && run.lines().size() == 33;
            for (const QString& line : run.lines())
                all = all && line.startsWith(QLatin1String(pState));
            return all ? run.mOut : QString();
        };
        QVERIFY(!check("filled\t").isEmpty());
        // Held open, so that a rewritten file cannot get the old inode back.
        QFile pin(store);
        QVERIFY(pin.open(QIODevice::ReadOnly));
        const FileStamp healthy = FileStamp::of(store);
        const QString kept = check("kept\t");
        QVERIFY(!kept.isEmpty());
        QVERIFY(FileStamp::of(store) == healthy);

        zeltest::ImmutableFile readOnly(store);
        if (!readOnly.isApplied())
            QSKIP("this file system cannot make a file immutable");
        QCOMPARE(check("kept\t"), kept);
    }

    // Only the bad keys are reported; a core count that cannot be read falls back to the
    // default clamped to the machine's cores.
    void checkRepairs()
    {
        QVERIFY(zelsettings({"check", "--store", store()}).mExitCode == 0);
        {
            QSettings settings(store(), QSettings::IniFormat);
            settings.setValue("units/nbDecimals", "11");
            settings.setValue("engine", "Deferred");
            settings.setValue("engine/coreNumber", "many");
        }
        const Run run = zelsettings({"check", "--store", store()});
        QCOMPARE(run.mExitCode, 0);
        QStringList repaired;
        for (const QString& line : run.lines()) {
            if (!line.startsWith(QLatin1String("kept\t")))
                repaired << line;
        }
        const QString cores = QString::number(std::min(4, QThread::idealThreadCount()));
        QCOMPARE(repaired, (QStringList{"repaired\tengine\tDeferred\tdeferred",
                                        "repaired\tengine/coreNumber\tmany\t" + cores,
                                        "repaired\tunits/nbDecimals\t11\t2"}));
    }

    void viewersOwnStore()
    {
        const QString store = mHome.folder("XDG_CONFIG_HOME") + "/Vantora/Vantora.ini";
        QVERIFY(!QFile::exists(store));
        QCOMPARE(zelsettings({"check"}).mExitCode, 0);
        QCOMPARE(QSettings(store, QSettings::IniFormat).allKeys().size(), 33);
        const QString exportFolder = mHome.folder("HOME") + QStringLiteral("/Documents/Vantora");
        QCOMPARE(zelsettings({"get", "folders/lastexportfolder"}).mOut, exportFolder + '\n');
        QVERIFY(QFileInfo(exportFolder).isDir());
    }
};

QTEST_MAIN(tst_zelsettings)
#include "tst_zelsettings.moc"
