// zelsettings end to end: the built tool run on INI stores in a redirected home.

#include "zelRegistryTestSupport.h"

#include <QProcess>
#include <QSettings>
#include <QThread>
#include <QtTest>

using zeltest::FileStamp;

namespace {

struct Run
{
    int mExitCode = -1;
    QString mOut;
    QString mErr;
    QStringList lines() const { return mOut.split(QLatin1Char('\n'), Qt::SkipEmptyParts); }
};

Run zelsettings(const QStringList& pArguments)
{
    QProcess process;
    process.start(QStringLiteral(ZELSETTINGS_PATH), pArguments);
    Run run;
    if (process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit)
        run.mExitCode = process.exitCode();
    run.mOut = QString::fromUtf8(process.readAllStandardOutput());
    run.mErr = QString::fromUtf8(process.readAllStandardError());
    return run;
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
    }

    void init()
    {
        mDir.reset(new QTemporaryDir);
        QVERIFY(mDir->isValid());
    }

    // Words split at spaces; %S is "--store" and the store, '' an empty word, %T the temporary
    // folder, %B a path under a plain file. The output (stdout after success, else stderr) is
    // the whole text when it ends a line, else its beginning. "after" is key=value.
    void commands_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("after");
        const QString error = "zelsettings: ";
        QTest::addRow("help") << "" << "check -h" << 0 << "Usage: zelsettings" << "";
        QTest::addRow("unknown command") << "" << "frobnicate" << 2 << error << "";
        QTest::addRow("unknown option") << "" << "check --verbose" << 2 << error << "";
        QTest::addRow("unknown key") << "units/name=cm" << "get %S no/such" << 2 << error << "";
        QTest::addRow("reset empty key") << "" << "reset %S ''" << 2 << error << "";
        QTest::addRow("set unwritable") << "" << "set --store %B units/name m" << 2 << error << "";

        // The keys checked before the failing one keep their repairs, as in the viewer.
        QTest::addRow("check fails")
            << "Controls/controller=walk CSVDriver/Import/columnSeparator=" << "check %S" << 1
            << error + "check failed at \"CSVDriver/Import/columnSeparator\": "
                   "the value of \"CSVDriver/Import/columnSeparator\" cannot be used\n"
            << "Controls/controller=walk";
        QTest::addRow("get") << "units/name=cm" << "get %S units/name" << 0 << "cm\n" << "";
        QTest::addRow("get not stored") << "units/name=cm" << "get %S units/nbDecimals" << 1
                                        << error << "";
        QTest::addRow("set repaired") << "" << "set %S units/nbDecimals 11" << 0 << "2\n"
                                      << "units/nbDecimals=2";
        QTest::addRow("set accented folder")
            << "" << "set %S Logging/logFile %T/donn\u00e9es/log.txt" << 0
            << "%T/donn\u00e9es/log.txt\n" << "Logging/logFile=%T/donn\u00e9es/log.txt";
        QTest::addRow("set rejected") << "CSVDriver/Import/columnSeparator=;"
            << "set %S CSVDriver/Import/columnSeparator ''" << 1 << error
            << "CSVDriver/Import/columnSeparator=;";
        QTest::addRow("reset one") << "units/name=cm engine=software" << "reset %S units/name"
                                   << 0 << "" << "units/name=mm";
        QTest::addRow("reset all") << "units/name=cm engine=software" << "reset %S" << 0 << ""
                                   << "engine=deferred";
    }

    void commands()
    {
        QFETCH(QString, stored);
        QFETCH(QString, arguments);
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
        QFile blocker(tmp + "/blocker");
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        QStringList words;
        for (QString word : arguments.split(' ', Qt::SkipEmptyParts)) {
            if (word == QLatin1String("%S"))
                words << QStringLiteral("--store") << store();
            else
                words << (word == "''" ? QString() : word.replace("%B", tmp + "/blocker/s"));
        }
        const FileStamp before = FileStamp::of(store());

        const Run run = zelsettings(words);
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

    // A damaged store: only the bad keys are repaired, and a core count that cannot be read
    // falls back to the default clamped to the machine's cores. A healthy store is reported
    // "kept" key by key and never rewritten, even read-only.
    void checkFillsRepairsAndKeeps()
    {
        const QString store = mDir->filePath(QStringLiteral("sub/Vantora.ini"));
        // The lines that do not report pState, or "failed" when the run fails.
        const auto check = [&store](const char* pState) {
            const Run run = zelsettings({"check", "--store", store});
            QStringList others;
            for (const QString& line : run.lines()) {
                if (!line.startsWith(QLatin1String(pState)))
                    others << line;
            }
            return run.mExitCode == 0 && run.lines().size() == 33 ? others
                                                                  : QStringList("failed");
        };
        QCOMPARE(check("filled\t"), QStringList());
        {
            QSettings settings(store, QSettings::IniFormat);
            settings.setValue("units/nbDecimals", "11");
            settings.setValue("engine", "Deferred");
            settings.setValue("engine/coreNumber", "many");
        }
        const QString cores = QString::number(qMin(4, QThread::idealThreadCount()));
        QCOMPARE(check("kept\t"), (QStringList{"repaired\tengine\tDeferred\tdeferred",
                                               "repaired\tengine/coreNumber\tmany\t" + cores,
                                               "repaired\tunits/nbDecimals\t11\t2"}));

        // Held open, so that a rewritten file cannot get the old inode back.
        QFile pin(store);
        QVERIFY(pin.open(QIODevice::ReadOnly));
        const FileStamp healthy = FileStamp::of(store);
        QCOMPARE(check("kept\t"), QStringList());
        QVERIFY(FileStamp::of(store) == healthy);
        zeltest::ImmutableFile readOnly(store);
        if (!readOnly.isApplied())
            QSKIP("this file system cannot make a file immutable");
        QCOMPARE(check("kept\t"), QStringList());
    }

    // The viewer's own store by default. list names the keys in check order and writes
    // nothing (its defaults and validators are the registry tests' concern).
    void viewersOwnStore()
    {
        QStringList keys;
        for (const QString& line : zelsettings({"list"}).lines())
            keys << line.section(QLatin1Char('\t'), 0, 0);
        QCOMPARE(keys, zeltest::checkOrder());
        const QString store = mHome.folder("XDG_CONFIG_HOME") + "/Vantora/Vantora.ini";
        QVERIFY(!QFile::exists(store));
        QCOMPARE(zelsettings({"check"}).mExitCode, 0);
        QCOMPARE(QSettings(store, QSettings::IniFormat).allKeys().size(), 33);
        const QString exportFolder = mHome.folder("HOME") + QStringLiteral("/Documents/Vantora");
        QCOMPARE(zelsettings({"get", "folders/lastexportfolder"}).mOut, exportFolder + '\n');
    }
};

QTEST_MAIN(tst_zelsettings)
#include "tst_zelsettings.moc"
