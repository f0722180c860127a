// zelsettings end to end: the built tool run on INI stores in a redirected home.

#include "zelRegistryTestSupport.h"

#include <QColor>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSettings>
#include <QThread>
#include <QtTest>

#include <algorithm>
#include <functional>

using zeltest::FileStamp;

namespace {

struct Run
{
    int mExitCode = -1;
    QString mOut;
    QString mErr;
    QStringList lines() const { return mOut.split(QLatin1Char('\n'), Qt::SkipEmptyParts); }
};

// pFullDisk: no file of the tool grows past 512 bytes, as on a full disk (the shell sets the
// limit and ignores the signal that would end the tool, then runs it).
Run zelsettings(const QStringList& pArguments, bool pFullDisk = false)
{
    QProcess process;
    if (pFullDisk) {
        process.start(QStringLiteral("/bin/sh"),
                      QStringList{"-c", "trap '' XFSZ; ulimit -f 1; exec \"$0\" \"$@\"",
                                  QStringLiteral(ZELSETTINGS_PATH)}
                          + pArguments);
    } else {
        process.start(QStringLiteral(ZELSETTINGS_PATH), pArguments);
    }
    Run run;
    if (process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit)
        run.mExitCode = process.exitCode();
    run.mOut = QString::fromUtf8(process.readAllStandardOutput());
    run.mErr = QString::fromUtf8(process.readAllStandardError());
    return run;
}

void replaceInFile(const QString& pPath, const QByteArray& pFrom, const QByteArray& pTo)
{
    QFile file(pPath);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    QVERIFY(bytes.contains(pFrom));
    bytes.replace(pFrom, pTo);
    QVERIFY(file.resize(0) && file.write(bytes) == bytes.size());
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
    // the whole text when it ends a line, else its beginning. "after" is key=value; a store
    // is left byte for byte as it was unless "after" names a change.
    void commands_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("after");
        const QString error = "zelsettings: ";
        QTest::addRow("help") << "" << "check -h" << 0 << "Usage: " << "";
        QTest::addRow("version") << "" << "--version" << 0 << "zelsettings 1." << "";
        QTest::addRow("unknown command") << "" << "frobnicate" << 2 << error << "";
        QTest::addRow("unknown option") << "" << "check --verbose" << 2 << error << "";
        QTest::addRow("json elsewhere") << "" << "get --json units/name" << 2 << error << "";
        QTest::addRow("unknown key") << "units/name=cm" << "get %S no/such" << 2 << error << "";
        QTest::addRow("reset empty key") << "" << "reset %S ''" << 2 << error << "";
        QTest::addRow("set unwritable") << "" << "set --store %B units/name m" << 2 << error << "";

        // A check that stops changes nothing and names the command that gets past it.
        QTest::addRow("check stops")
            << "Controls/controller=walk CSVDriver/Import/columnSeparator=" << "check %S" << 1
            << error + "check stopped at \"CSVDriver/Import/columnSeparator\" (stored value "
                   "\"\"): the value cannot be used (any text but an empty one)\n" + error
                   + "nothing was changed; to reset this setting to its default, run: "
                     "zelsettings reset --store %T/Vantora.ini "
                     "CSVDriver/Import/columnSeparator\n"
            << "";
        QTest::addRow("get") << "units/name=cm" << "get %S units/name" << 0 << "cm\n" << "";
        QTest::addRow("get viewer key") << "Privacy/sendreport=false"
                                        << "get %S Privacy/sendreport" << 0 << "false\n" << "";
        QTest::addRow("get not stored") << "units/name=cm" << "get %S units/nbDecimals" << 1
                                        << error << "";
        // A value that the check would replace is refused, and what it would store is told.
        QTest::addRow("set replaced") << "units/name=cm" << "set %S units/name furlong" << 1
            << error + "units/name: 'furlong' is not accepted (mm, cm, m or in); the check "
                       "would store 'mm'\n"
            << "";
        QTest::addRow("set negative") << "" << "set %S DBCache/cacheSize -5" << 1
            << error + "DBCache/cacheSize: '-5' is not accepted (10 to 102400); the check "
                       "would store '1024'\n"
            << "";
        QTest::addRow("set colour name") << "engine/backgroundColor=#ff0000"
                                         << "set %S engine/backgroundColor red" << 1 << error
                                         << "";
        QTest::addRow("set accepted") << "units/name=cm engine=software"
                                      << "set %S units/nbDecimals 10" << 0 << "10\n"
                                      << "units/nbDecimals=10";
        QTest::addRow("set accented folder")
            << "" << "set %S Logging/logFile %T/donn\u00e9es/log.txt" << 0
            << "%T/donn\u00e9es/log.txt\n" << "Logging/logFile=%T/donn\u00e9es/log.txt";
        QTest::addRow("set rejected") << "CSVDriver/Import/columnSeparator=;"
            << "set %S CSVDriver/Import/columnSeparator ''" << 1 << error << "";
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
        // Held open, so that a rewritten file cannot get the old inode back.
        QFile pin(store());
        pin.open(QIODevice::ReadOnly);
        const FileStamp before = FileStamp::of(store());

        const Run run = zelsettings(words);
        QCOMPARE(run.mExitCode, exitCode);
        const QString& shown = exitCode == 0 ? run.mOut : run.mErr;
        QVERIFY2(output.isEmpty() || output.endsWith('\n') ? shown == output
                                                           : shown.startsWith(output),
                 qPrintable(shown));
        QVERIFY(exitCode != 0 || run.mErr.isEmpty());
        if (exitCode == 2)
            QVERIFY(run.mOut.isEmpty());
        if (after.isEmpty()) {
            QVERIFY(FileStamp::of(store()) == before);
        } else {
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
            return run.mExitCode == 0 && run.lines().size() == 38 ? others
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
        // A reset writes what the check keeps, folders made, so the check after it keeps all.
        QCOMPARE(zelsettings({"reset", "--store", store}).mExitCode, 0);
        QCOMPARE(check("kept\t"), QStringList());
        zeltest::ImmutableFile readOnly(store);
        if (!readOnly.isApplied())
            QSKIP("this file system cannot make a file immutable");
        QCOMPARE(check("kept\t"), QStringList());
    }

    // Two programs writing the store at once, round after round: a set beside a set, a check
    // that repairs and a reset. Each holds the writer lock from reading to writing, so
    // neither loses the other's change.
    void twoWriters()
    {
        const QString path = store();
        QCOMPARE(zelsettings({"check", "--store", path}).mExitCode, 0);
        const int rounds = 240;
        int lost = 0;
        for (int round = 0; round < rounds; ++round) {
            const QString angle = QString::number(round % 360);
            const QString decimals = QString::number(round % 11);
            // The other writer sets a key, repairs a damaged one or resets one.
            const int kind = round % 3;
            if (kind == 1)
                replaceInFile(path, "engine=deferred", "engine=Deferred");
            else if (kind == 2)
                replaceInFile(path, "name=mm", "name=cm");
            const QStringList others[] = {{"set", "--store", path, "units/nbDecimals", decimals},
                                          {"check", "--store", path},
                                          {"reset", "--store", path, "units/name"}};
            const QString keys[] = {"units/nbDecimals", "engine", "units/name"};
            const QString values[] = {decimals, "deferred", "mm"};
            QProcess setter;
            QProcess writer;
            setter.start(QStringLiteral(ZELSETTINGS_PATH),
                         {"set", "--store", path, "Tesselation/TesselationMaxFaceAngle", angle});
            writer.start(QStringLiteral(ZELSETTINGS_PATH), others[kind]);
            QVERIFY(setter.waitForFinished(120000) && writer.waitForFinished(120000));
            QCOMPARE(setter.exitCode(), 0);
            QCOMPARE(writer.exitCode(), 0);
            const QSettings settings(path, QSettings::IniFormat);
            if (settings.value("Tesselation/TesselationMaxFaceAngle").toString() != angle
                || settings.value(keys[kind]).toString() != values[kind])
                ++lost;
        }
        QVERIFY2(lost == 0,
                 qPrintable(QStringLiteral("lost in %1 of %2 rounds").arg(lost).arg(rounds)));
    }

    // On a full disk, every command that writes fails with exit status 2 and the reason, prints
    // no value as if stored, and leaves the store byte for byte, with no temporary file.
    void fullDisk_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addRow("check") << QStringList{"check"};
        QTest::addRow("check --recover") << QStringList{"check", "--recover"};
        QTest::addRow("set") << QStringList{"set", "units/nbDecimals", "5"};
        QTest::addRow("reset") << QStringList{"reset"};
        QTest::addRow("reset one") << QStringList{"reset", "units/nbDecimals"};
    }

    void fullDisk()
    {
        QFETCH(QStringList, arguments);
        QCOMPARE(zelsettings({"check", "--store", store()}).mExitCode, 0);
        replaceInFile(store(), "nbDecimals=2", "nbDecimals=lots");
        QFile pin(store());
        QVERIFY(pin.open(QIODevice::ReadOnly));
        const FileStamp before = FileStamp::of(store());
        QVERIFY(before.mBytes.size() > 512);
        const QStringList entries = zeltest::FolderEntries(mDir->path());

        const Run run = zelsettings(arguments << "--store" << store(), true);
        QCOMPARE(run.mExitCode, 2);
        QCOMPARE(run.mOut, QString());
        QCOMPARE(run.mErr, QStringLiteral("zelsettings: The settings file \"%1\" could not be "
                                          "written: no space left on the device\n")
                               .arg(store()));
        QVERIFY(FileStamp::of(store()) == before);
        QCOMPARE(zeltest::FolderEntries(mDir->path()), entries);
    }

    // A store that cannot be read safely: check tells the line and changes nothing; check
    // --recover keeps it byte for byte beside itself and starts it again from what can be read.
    void damaged_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("name");
        QTest::addRow("NUL bytes") << QByteArray(1040, '\0') << 1 << "mm";
        QTest::addRow("half written") << QByteArray("[engine]\nuseXRay=false\n[units]\nname=cm\n"
                                                    "nbDec")
                                      << 5 << "cm";
    }

    void damaged()
    {
        QFETCH(QByteArray, stored);
        QFETCH(int, line);
        QFETCH(QString, name);
        {
            QFile file(store());
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(stored) == stored.size());
        }
        QFile pin(store());
        QVERIFY(pin.open(QIODevice::ReadOnly));
        const FileStamp before = FileStamp::of(store());

        const Run check = zelsettings({"check", "--store", store()});
        QCOMPARE(check.mExitCode, 1);
        QVERIFY2(check.mErr.startsWith(QStringLiteral("zelsettings: Line %1 of the settings file "
                                                      "\"%2\" cannot be read safely")
                                           .arg(line)
                                           .arg(store())),
                 qPrintable(check.mErr));
        QVERIFY(check.mErr.contains("zelsettings check --recover --store " + store()));
        QVERIFY(FileStamp::of(store()) == before);
        QCOMPARE(zeltest::FolderEntries(mDir->path()), QStringList("Vantora.ini"));

        const Run recover = zelsettings({"check", "--recover", "--store", store()});
        QCOMPARE(recover.mExitCode, 0);
        QCOMPARE(recover.mErr, QString());
        const QStringList copies = zeltest::FolderEntries(mDir->path()).filter(".damaged-");
        QCOMPARE(copies.size(), 1);
        QCOMPARE(recover.lines().value(0), "damaged\t" + mDir->filePath(copies.front()));
        QCOMPARE(recover.lines().size(), 39);
        QCOMPARE(FileStamp::of(mDir->filePath(copies.front())).mBytes, stored);
        const QSettings settings(store(), QSettings::IniFormat);
        QCOMPARE(settings.value("units/name").toString(), name);
        QCOMPARE(settings.value("units/nbDecimals").toString(), QStringLiteral("2"));
        QCOMPARE(settings.value("engine/useXRay").toString(),
                 QLatin1String(line == 1 ? "true" : "false"));
        // Healthy again: a plain check keeps every key.
        const Run after = zelsettings({"check", "--store", store()});
        QCOMPARE(after.mExitCode, 0);
        QCOMPARE(after.lines().filter(QRegularExpression("^kept\t")).size(), 38);
    }

    // An administrator's files: set and reset of a locked key store nothing and name the file
    // that locks it; reset goes to the administrator's default; list and check tell of both.
    void managedSettings()
    {
        const QString managed = mDir->filePath(QStringLiteral("etc"));
        QDir().mkpath(managed + QStringLiteral("/Vantora"));
        const auto write = [&managed](const char* pName, const QByteArray& pText) {
            QFile file(managed + QStringLiteral("/Vantora/") + QLatin1String(pName));
            return file.open(QIODevice::WriteOnly) && file.write(pText) == pText.size();
        };
        QVERIFY(write("locked.ini", "[engine]\nflatShading=true\n"));
        QVERIFY(write("defaults.ini", "[units]\nnbDecimals=4\nname=inches\n"));
        qputenv("XDG_CONFIG_DIRS", QFile::encodeName(managed));
        const auto restore = qScopeGuard([] { qunsetenv("XDG_CONFIG_DIRS"); });

        const Run check = zelsettings({"check", "--store", store()});
        QCOMPARE(check.mExitCode, 0);
        QVERIFY(check.lines().contains("managed\t" + managed + "/Vantora/defaults.ini"));
        QVERIFY(check.lines().contains("managed\t" + managed + "/Vantora/locked.ini"));
        QVERIFY2(check.mErr.contains("\"inches\""), qPrintable(check.mErr));
        QCOMPARE(zelsettings({"get", "--store", store(), "engine/flatShading"}).mOut,
                 QStringLiteral("true\n"));
        QCOMPARE(zelsettings({"get", "--store", store(), "units/nbDecimals"}).mOut,
                 QStringLiteral("4\n"));

        const FileStamp before = FileStamp::of(store());
        for (const QStringList& command :
             {QStringList{"set", "--store", store(), "engine/flatShading", "false"},
              QStringList{"reset", "--store", store(), "engine/flatShading"}}) {
            const Run refused = zelsettings(command);
            QCOMPARE(refused.mExitCode, 1);
            QVERIFY2(refused.mErr.contains(managed + "/Vantora/locked.ini"),
                     qPrintable(refused.mErr));
            QVERIFY(FileStamp::of(store()) == before);
        }

        QCOMPARE(zelsettings({"set", "--store", store(), "units/nbDecimals", "7"}).mExitCode, 0);
        QCOMPARE(zelsettings({"reset", "--store", store()}).mExitCode, 0);
        QCOMPARE(zelsettings({"get", "--store", store(), "units/nbDecimals"}).mOut,
                 QStringLiteral("4\n"));
        QCOMPARE(zelsettings({"get", "--store", store(), "engine/flatShading"}).mOut,
                 QStringLiteral("true\n"));

        const QJsonArray json =
            QJsonDocument::fromJson(zelsettings({"list", "--json"}).mOut.toUtf8()).array();
        QJsonObject decimals;
        QJsonObject flat;
        for (const QJsonValue& value : json) {
            const QString key = value.toObject().value("key").toString();
            if (key == QLatin1String("units/nbDecimals"))
                decimals = value.toObject();
            if (key == QLatin1String("engine/flatShading"))
                flat = value.toObject();
        }
        QCOMPARE(decimals.value("default").toString(), QStringLiteral("4"));
        QCOMPARE(decimals.value("locked").toBool(true), false);
        QCOMPARE(flat.value("default").toString(), QStringLiteral("true"));
        QCOMPARE(flat.value("locked").toBool(false), true);
    }

    // The tool needs no display, not even the offscreen one: a store holding a serialized
    // colour beside the settings is changed and checked, and the colour is kept byte for byte.
    void withoutDisplay()
    {
        {
            QSettings settings(store(), QSettings::IniFormat);
            settings.setValue("units/name", "cm");
            settings.setValue("display/swatch", QColor(Qt::red));
        }
        QFile file(store());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QByteArray swatchLine;
        for (const QByteArray& line : file.readAll().split('\n')) {
            if (line.startsWith("swatch=@Variant("))
                swatchLine = line;
        }
        file.close();
        QVERIFY(!swatchLine.isEmpty());

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "no-such-platform");
        environment.remove("DISPLAY");
        environment.remove("WAYLAND_DISPLAY");
        for (const QStringList& arguments :
             {QStringList{"set", "--store", store(), "units/name", "m"},
              QStringList{"check", "--store", store()}}) {
            QProcess process;
            process.setProcessEnvironment(environment);
            process.start(QStringLiteral(ZELSETTINGS_PATH), arguments);
            QVERIFY(process.waitForFinished(120000));
            QVERIFY2(process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0,
                     process.readAllStandardError().constData());
        }
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().split('\n').contains(swatchLine));
        const QSettings settings(store(), QSettings::IniFormat);
        QCOMPARE(settings.value("units/name").toString(), QStringLiteral("m"));
        QCOMPARE(settings.value("display/swatch").value<QColor>(), QColor(Qt::red));
    }

    // The viewer's own store by default. list names the library's and the viewer's keys once
    // each in check order, in words and as JSON, and writes nothing.
    void viewersOwnStore()
    {
        QStringList keys;
        for (const QString& line : zelsettings({"list"}).lines())
            keys << line.section(QLatin1Char('\t'), 0, 0);
        QCOMPARE(keys.size(), 38);
        QVERIFY(std::adjacent_find(keys.begin(), keys.end(), std::greater_equal<QString>())
                == keys.end());
        QCOMPARE(keys.first(), QStringLiteral("CSVDriver/Import/columnSeparator"));
        QVERIFY(keys.contains("Privacy/sendreport"));
        const QJsonArray json =
            QJsonDocument::fromJson(zelsettings({"list", "--json"}).mOut.toUtf8()).array();
        QCOMPARE(json.size(), keys.size());
        QCOMPARE(json.at(0).toObject().value("key").toString(), keys.first());
        QCOMPARE(json.at(0).toObject().value("accepts").toString(),
                 QStringLiteral("any text but an empty one"));
        const QString store = mHome.folder("XDG_CONFIG_HOME") + "/Vantora/Vantora.ini";
        QVERIFY(!QFile::exists(store));
        QCOMPARE(zelsettings({"check"}).mExitCode, 0);
        QCOMPARE(QSettings(store, QSettings::IniFormat).allKeys().size(), 38);
        const QString exportFolder = mHome.folder("HOME") + QStringLiteral("/Documents/Vantora");
        QCOMPARE(zelsettings({"get", "folders/lastexportfolder"}).mOut, exportFolder + '\n');
    }
};

QTEST_MAIN(tst_zelsettings)
#include "tst_zelsettings.moc"
