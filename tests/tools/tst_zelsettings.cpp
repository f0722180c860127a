// zelsettings end to end: the built tool run on INI stores in a redirected home.

#include "kmSystemUtils.h"
#include "zelRegistryTestSupport.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QThread>
#include <QtTest>

#include <algorithm>

using zeltest::FileStamp;

namespace {

struct Run
{
    int mExitCode = -1;
    bool mCrashed = true;
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
    if (!process.waitForFinished(120000))
        return run;
    run.mCrashed = process.exitStatus() != QProcess::NormalExit;
    run.mExitCode = process.exitCode();
    run.mOut = QString::fromUtf8(process.readAllStandardOutput());
    run.mErr = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QString userName()
{
    return QString::fromUtf8(km::kmSystemUtils::GetCurrentUserNameUtf8().c_str());
}

// Writes the pairs "key=value" into a fresh INI store.
void writeStore(const QString& pPath, const QStringList& pPairs)
{
    QFile::remove(pPath);
    QSettings settings(pPath, QSettings::IniFormat);
    for (const QString& pair : pPairs)
        settings.setValue(pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1));
}

} // namespace

class tst_zelsettings : public QObject
{
    Q_OBJECT

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

    void help_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addRow("long") << QStringList{"--help"};
        QTest::addRow("short") << QStringList{"-h"};
        QTest::addRow("after a command") << QStringList{"check", "--help"};
    }

    void help()
    {
        QFETCH(QStringList, arguments);
        const Run run = zelsettings(arguments);
        QCOMPARE(run.mExitCode, 0);
        QVERIFY(run.mOut.startsWith(QStringLiteral("Usage: zelsettings")));
        QVERIFY(run.mErr.isEmpty());
    }

    // %S is a healthy store, %N a path that does not exist, %D a folder, %B a path under a
    // plain file.
    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addRow("no command") << QStringList{};
        QTest::addRow("unknown command") << QStringList{"frobnicate"};
        QTest::addRow("unknown option") << QStringList{"check", "--verbose"};
        QTest::addRow("store without file") << QStringList{"check", "--store"};
        QTest::addRow("get without key") << QStringList{"get", "--store", "%S"};
        QTest::addRow("list with store") << QStringList{"list", "--store", "%S"};
        QTest::addRow("get unknown key") << QStringList{"get", "--store", "%S", "no/such"};
        QTest::addRow("set unknown key") << QStringList{"set", "--store", "%N", "no/such", "1"};
        QTest::addRow("set empty key") << QStringList{"set", "--store", "%N", "", "1"};
        QTest::addRow("reset empty key") << QStringList{"reset", "--store", "%N", ""};
        QTest::addRow("get missing file") << QStringList{"get", "--store", "%N", "units/name"};
        QTest::addRow("check a folder") << QStringList{"check", "--store", "%D"};
        QTest::addRow("check unwritable") << QStringList{"check", "--store", "%B"};
        QTest::addRow("set unwritable") << QStringList{"set", "--store", "%B", "units/name", "m"};
    }

    void usageErrors()
    {
        QFETCH(QStringList, arguments);
        const QString store = mDir->filePath(QStringLiteral("healthy.ini"));
        QVERIFY(zelsettings({"check", "--store", store}).mExitCode == 0);
        QFile blocker(mDir->filePath(QStringLiteral("blocker")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        for (QString& argument : arguments) {
            argument.replace(QStringLiteral("%S"), store);
            argument.replace(QStringLiteral("%N"), mDir->filePath(QStringLiteral("none.ini")));
            argument.replace(QStringLiteral("%D"), mDir->path());
            argument.replace(QStringLiteral("%B"), blocker.fileName() + QStringLiteral("/s.ini"));
        }

        const Run run = zelsettings(arguments);
        QVERIFY(!run.mCrashed);
        QCOMPARE(run.mExitCode, 2);
        QVERIFY2(run.mErr.startsWith(QStringLiteral("zelsettings: ")), qPrintable(run.mErr));
        QVERIFY(run.mOut.isEmpty());
        QVERIFY(!QFile::exists(mDir->filePath(QStringLiteral("none.ini"))));
    }

    // The computed defaults are the viewer's: its names, its folders.
    void list()
    {
        const Run run = zelsettings({"list"});
        QCOMPARE(run.mExitCode, 0);
        const QStringList lines = run.lines();
        QStringList keys;
        for (const QString& line : lines)
            keys.append(line.section(QLatin1Char('\t'), 0, 0));
        QCOMPARE(keys, zeltest::checkOrder());
        const auto has = [&lines](const QString& pLine) {
            QVERIFY2(lines.contains(pLine), qPrintable(pLine));
        };
        has(QStringLiteral("units/nbDecimals\t2\tensureUInt"));
        has(QStringLiteral("CSVDriver/Import/stringDelimiter\t\"\tensureStringDelimiter"));
        has(QStringLiteral("DBCache/cacheDirectory\t%1/Vantora/%2\tensureDMCacheFolder")
                .arg(mHome.folder("TMPDIR"), userName()));
        has(QStringLiteral("folders/lastexportfolder\t%1/Documents/Vantora\tensureTmpFolder")
                .arg(mHome.folder("HOME")));
        has(QStringLiteral("Logging/logFile\t%1/Vantora/Vantora/log.txt\tensureFile")
                .arg(mHome.folder("XDG_DATA_HOME")));
    }

    void checkFillsThenKeeps()
    {
        const QString store = mDir->filePath(QStringLiteral("sub/Vantora.ini"));
        const Run first = zelsettings({"check", "--store", store});
        QCOMPARE(first.mExitCode, 0);
        QCOMPARE(first.lines().size(), 33);
        for (const QString& line : first.lines())
            QVERIFY2(line.startsWith(QStringLiteral("filled\t")), qPrintable(line));

        QFile pin(store);
        QVERIFY(pin.open(QIODevice::ReadOnly));
        const FileStamp healthy = FileStamp::of(store);
        const Run second = zelsettings({"check", "--store", store});
        QCOMPARE(second.mExitCode, 0);
        QCOMPARE(second.lines().size(), 33);
        for (const QString& line : second.lines())
            QVERIFY2(line.startsWith(QStringLiteral("kept\t")), qPrintable(line));
        QVERIFY(FileStamp::of(store) == healthy);

        zeltest::ImmutableFile readOnly(store);
        if (!readOnly.isApplied())
            QSKIP("this file system cannot make a file immutable");
        const Run third = zelsettings({"check", "--store", store});
        QCOMPARE(third.mExitCode, 0);
        QCOMPARE(third.mOut, second.mOut);
    }

    void checkRepairs()
    {
        const QString store = mDir->filePath(QStringLiteral("Vantora.ini"));
        QVERIFY(zelsettings({"check", "--store", store}).mExitCode == 0);
        {
            QSettings settings(store, QSettings::IniFormat);
            settings.setValue("units/nbDecimals", "11");
            settings.setValue("engine", "Deferred");
            settings.setValue("engine/coreNumber", "many");
        }
        const QString cores =
            QString::number(std::min(std::max(4, 1), QThread::idealThreadCount()));
        const Run run = zelsettings({"check", "--store", store});
        QCOMPARE(run.mExitCode, 0);
        const QStringList repaired = run.lines().filter(QRegularExpression("^(?!kept\t)"));
        QCOMPARE(repaired, (QStringList{"repaired\tengine\tDeferred\tdeferred",
                                        "repaired\tengine/coreNumber\tmany\t" + cores,
                                        "repaired\tunits/nbDecimals\t11\t2"}));
    }

    void checkFailure_data()
    {
        QTest::addColumn<bool>("blockCache");
        QTest::addColumn<QString>("message");
        QTest::addRow("empty column separator")
            << false
            << "check failed at \"CSVDriver/Import/columnSeparator\": the value of "
               "\"CSVDriver/Import/columnSeparator\" cannot be used";
        QTest::addRow("cache folder cannot be created")
            << true
            << "check failed at \"DBCache/cacheDirectory\": Could not use the 3D database "
               "cache, folder \"%T/Vantora/" + userName() + "\" could not be created";
    }

    // The keys checked before the failing one keep their repairs, as in the viewer, whose
    // store object writes them when it goes away.
    void checkFailure()
    {
        QFETCH(bool, blockCache);
        QFETCH(QString, message);
        const QString store = mDir->filePath(QStringLiteral("Vantora.ini"));
        writeStore(store, {"Controls/controller=walk", "units/name=ft"});
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (blockCache) {
            const QString tmp = mDir->filePath(QStringLiteral("tmp"));
            QVERIFY(QDir().mkpath(tmp));
            QFile blocker(tmp + QStringLiteral("/Vantora"));
            QVERIFY(blocker.open(QIODevice::WriteOnly));
            environment.insert(QStringLiteral("TMPDIR"), tmp);
            message.replace(QStringLiteral("%T"), tmp);
        } else {
            QSettings settings(store, QSettings::IniFormat);
            settings.setValue("CSVDriver/Import/columnSeparator", "");
        }

        const Run run = zelsettings({"check", "--store", store}, environment);
        QVERIFY(!run.mCrashed);
        QCOMPARE(run.mExitCode, 1);
        QCOMPARE(run.mErr, QStringLiteral("zelsettings: ") + message + QLatin1Char('\n'));
        QSettings settings(store, QSettings::IniFormat);
        QCOMPARE(settings.value("Controls/controller").toString(),
                 QLatin1String(blockCache ? "arcball" : "walk"));
        QCOMPARE(settings.value("units/name").toString(), QStringLiteral("ft"));
    }

    // %T is the temporary folder.
    void getSetReset_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("storedAfter");
        const QStringList none;
        QTest::addRow("get") << QStringList{"units/name=cm"} << QStringList{"get", "units/name"}
                             << 0 << "cm\n" << "units/name" << "cm";
        QTest::addRow("get unregistered key")
            << QStringList{"display/namingPolicy=1"} << QStringList{"get", "display/namingPolicy"}
            << 0 << "1\n" << "display/namingPolicy" << "1";
        QTest::addRow("get not stored") << QStringList{"units/name=cm"}
                                        << QStringList{"get", "units/nbDecimals"} << 1 << ""
                                        << "units/nbDecimals" << "";
        QTest::addRow("set") << none << QStringList{"set", "units/nbDecimals", "5"} << 0 << "5\n"
                             << "units/nbDecimals" << "5";
        QTest::addRow("set repaired") << none << QStringList{"set", "units/nbDecimals", "11"}
                                      << 0 << "2\n" << "units/nbDecimals" << "2";
        QTest::addRow("set negative")
            << none << QStringList{"set", "Resources/LODTrianglesCap", "-1"} << 0 << "6000000\n"
            << "Resources/LODTrianglesCap" << "6000000";
        QTest::addRow("set accented folder")
            << none << QStringList{"set", "Logging/logFile", "%T/donn\u00e9es/log.txt"} << 0
            << "%T/donn\u00e9es/log.txt\n" << "Logging/logFile" << "%T/donn\u00e9es/log.txt";
        QTest::addRow("set rejected")
            << QStringList{"CSVDriver/Import/columnSeparator=;"}
            << QStringList{"set", "CSVDriver/Import/columnSeparator", ""} << 1 << ""
            << "CSVDriver/Import/columnSeparator" << ";";
        QTest::addRow("reset one") << QStringList{"units/name=cm", "engine=software"}
                                   << QStringList{"reset", "units/name"} << 0 << ""
                                   << "units/name" << "mm";
        QTest::addRow("reset all") << QStringList{"units/name=cm", "engine=software"}
                                   << QStringList{"reset"} << 0 << "" << "engine" << "deferred";
    }

    void getSetReset()
    {
        QFETCH(QStringList, stored);
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QFETCH(QString, key);
        QFETCH(QString, storedAfter);
        const QString store = mDir->filePath(QStringLiteral("Vantora.ini"));
        writeStore(store, stored);
        QVERIFY(QDir(mDir->path()).mkdir(QStringLiteral("donn\u00e9es")));
        for (QString& argument : arguments)
            argument.replace(QStringLiteral("%T"), mDir->path());
        output.replace(QStringLiteral("%T"), mDir->path());
        storedAfter.replace(QStringLiteral("%T"), mDir->path());
        arguments.insert(1, QStringLiteral("--store"));
        arguments.insert(2, store);

        const Run run = zelsettings(arguments);
        QVERIFY(!run.mCrashed);
        QCOMPARE(run.mExitCode, exitCode);
        QCOMPARE(run.mOut, output);
        QCOMPARE(run.mErr.isEmpty(), exitCode == 0);
        QSettings settings(store, QSettings::IniFormat);
        QCOMPARE(settings.value(key).toString(), storedAfter);
    }

    void viewersOwnStore()
    {
        const QString store =
            mHome.folder("XDG_CONFIG_HOME") + QStringLiteral("/Vantora/Vantora.ini");
        QVERIFY(!QFile::exists(store));
        QCOMPARE(zelsettings({"check"}).mExitCode, 0);
        QSettings settings(store, QSettings::IniFormat);
        QCOMPARE(settings.allKeys().size(), 33);
        const Run run = zelsettings({"get", "folders/lastexportfolder"});
        QCOMPARE(run.mOut, mHome.folder("HOME") + QStringLiteral("/Documents/Vantora\n"));
        QVERIFY(QFileInfo(mHome.folder("HOME") + QStringLiteral("/Documents/Vantora")).isDir());
    }

private:
    zeltest::RedirectedHome mHome;
    QScopedPointer<QTemporaryDir> mDir;
};

QTEST_MAIN(tst_zelsettings)
#include "tst_zelsettings.moc"
