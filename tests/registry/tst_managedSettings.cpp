// What an administrator sets for every seat: defaults and locks read from the organization's
// folder of each system configuration folder, the first folder winning, every value checked.

#include "ZelControlCenter.h"
#include "ZelManagedSettings.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using zel::ZelControlCenter;
using zel::ZelManagedSettings;

class tst_managedSettings : public QObject
{
    Q_OBJECT

    QTemporaryDir mRoot;

    QString folder(const QString& pName) const { return mRoot.path() + QLatin1Char('/') + pName; }

    void write(const QString& pName, const char* pFile, const QByteArray& pText)
    {
        const QString path = folder(pName) + QStringLiteral("/Vantora");
        QDir().mkpath(path);
        QFile file(path + QLatin1Char('/') + QLatin1String(pFile));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(pText), pText.size());
    }

    static bool problemMentions(const QString& pText)
    {
        const QStringList problems = ZelManagedSettings::Current().problems();
        return std::any_of(problems.begin(), problems.end(),
                           [&](const QString& pProblem) { return pProblem.contains(pText); });
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(mRoot.isValid());
        QCoreApplication::setOrganizationName(QStringLiteral("Vantora"));
        ZelControlCenter::ClearSettings();
        const auto validator = &ZelControlCenter::GetValidatorByName;
        ZelControlCenter::RegisterSetting(QStringLiteral("units/nbDecimals"), QStringLiteral("2"),
                                          validator(QStringLiteral("ensureUInt")));
        ZelControlCenter::RegisterSetting(QStringLiteral("engine/useFXAA"), QStringLiteral("true"),
                                          validator(QStringLiteral("ensureBool")));
        ZelControlCenter::RegisterSetting(QStringLiteral("units/name"), QStringLiteral("mm"),
                                          validator(QStringLiteral("ensureSceneUnit")));
    }

    void cleanup()
    {
        qunsetenv("XDG_CONFIG_DIRS");
        ZelManagedSettings::SetFolders({});
        QDir(mRoot.path()).removeRecursively();
        QDir().mkpath(mRoot.path());
    }

    // Each row: the files of two folders listed in that order, the key asked about, and the
    // default and lock expected ("" for none). A locked key's default is its locked value, so
    // that a reset leaves it.
    void valuesOfTheFiles_data()
    {
        QTest::addColumn<QByteArray>("firstDefaults");
        QTest::addColumn<QByteArray>("firstLocked");
        QTest::addColumn<QByteArray>("secondDefaults");
        QTest::addColumn<QByteArray>("secondLocked");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("effectiveDefault");
        QTest::addColumn<QString>("lock");

        QTest::addRow("nothing managed") << QByteArray() << QByteArray() << QByteArray()
                                         << QByteArray() << "units/nbDecimals" << "2" << "";
        QTest::addRow("a default") << QByteArray("[units]\nnbDecimals=4\n") << QByteArray()
                                   << QByteArray() << QByteArray() << "units/nbDecimals" << "4"
                                   << "";
        QTest::addRow("a lock") << QByteArray() << QByteArray("[engine]\nuseFXAA=false\n")
                                << QByteArray() << QByteArray() << "engine/useFXAA" << "false"
                                << "false";
        QTest::addRow("the first folder wins")
            << QByteArray("[units]\nnbDecimals=5\n") << QByteArray()
            << QByteArray("[units]\nnbDecimals=7\n") << QByteArray("[units]\nname=in\n")
            << "units/nbDecimals" << "5" << "";
        QTest::addRow("a later folder fills in") << QByteArray("[units]\nnbDecimals=5\n")
                                                 << QByteArray() << QByteArray()
                                                 << QByteArray("[units]\nname=in\n")
                                                 << "units/name" << "in" << "in";
        QTest::addRow("an invalid value is left out")
            << QByteArray("[units]\nnbDecimals=lots\n") << QByteArray() << QByteArray()
            << QByteArray() << "units/nbDecimals" << "2" << "";
        QTest::addRow("an invalid first value lets the later one stand")
            << QByteArray() << QByteArray("[engine]\nuseFXAA=maybe\n") << QByteArray()
            << QByteArray("[engine]\nuseFXAA=false\n") << "engine/useFXAA" << "false" << "false";
        QTest::addRow("a damaged line does not hide the others")
            << QByteArray("[units\n\x01\x02garbage\nnbDecimals=6\n[units]\nnbDecimals=3\n")
            << QByteArray() << QByteArray() << QByteArray() << "units/nbDecimals" << "3" << "";
        QTest::addRow("NUL bytes") << QByteArray(1040, '\0') << QByteArray(1040, '\0')
                                   << QByteArray("[units]\nnbDecimals=8\n") << QByteArray()
                                   << "units/nbDecimals" << "8" << "";
    }

    void valuesOfTheFiles()
    {
        QFETCH(QByteArray, firstDefaults);
        QFETCH(QByteArray, firstLocked);
        QFETCH(QByteArray, secondDefaults);
        QFETCH(QByteArray, secondLocked);
        QFETCH(QString, key);
        QFETCH(QString, effectiveDefault);
        QFETCH(QString, lock);

        const QList<QPair<QString, QByteArray>> files = {{"first/defaults.ini", firstDefaults},
                                                         {"first/locked.ini", firstLocked},
                                                         {"second/defaults.ini", secondDefaults},
                                                         {"second/locked.ini", secondLocked}};
        for (const auto& file : files) {
            if (!file.second.isNull())
                write(file.first.section(QLatin1Char('/'), 0, 0),
                      qPrintable(file.first.section(QLatin1Char('/'), 1)), file.second);
        }
        qputenv("XDG_CONFIG_DIRS",
                QFile::encodeName(folder("first") + QLatin1Char(':') + folder("second")));
        ZelManagedSettings::Reload();

        const ZelManagedSettings& managed = ZelManagedSettings::Current();
        QCOMPARE(ZelManagedSettings::EffectiveDefault(key), effectiveDefault);
        QCOMPARE(managed.isLocked(key), !lock.isEmpty());
        QCOMPARE(managed.locked(key).mValue, lock);
        if (!lock.isEmpty())
            QVERIFY(managed.locked(key).mFile.endsWith(QLatin1String("/Vantora/locked.ini")));
    }

    // What was left out is said, with the file that said it.
    void problemsAreReported_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("mention");

        QTest::addRow("invalid value") << QByteArray("[units]\nnbDecimals=lots\n") << "lots";
        QTest::addRow("unknown key") << QByteArray("[units]\nbogus=1\n") << "units/bogus";
        QTest::addRow("damaged line") << QByteArray("[units]\nnbDecimals=1\nnot a line\n")
                                      << "Line 3";
        QTest::addRow("not text") << QByteArray("[units]\nnbDecimals=@Variant(\\0\\0)\n")
                                  << "not text";
    }

    void problemsAreReported()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, mention);

        write(QStringLiteral("only"), "defaults.ini", text);
        qputenv("XDG_CONFIG_DIRS", QFile::encodeName(folder("only")));
        ZelManagedSettings::Reload();
        QVERIFY2(problemMentions(mention),
                 qPrintable(ZelManagedSettings::Current().problems().join(QLatin1Char('\n'))));
        QVERIFY(problemMentions(QStringLiteral("/only/Vantora/defaults.ini")));
        QCOMPARE(ZelManagedSettings::Current().files(),
                 QStringList{folder("only") + QStringLiteral("/Vantora/defaults.ini")});
    }

    // The start-up check over a store, with managed files in two folders: the store's bytes
    // after it.
    void checkRun_data()
    {
        QTest::addColumn<QByteArray>("firstFile");
        QTest::addColumn<QByteArray>("firstText");
        QTest::addColumn<QByteArray>("secondFile");
        QTest::addColumn<QByteArray>("secondText");
        QTest::addColumn<QByteArray>("store");
        QTest::addColumn<QByteArray>("expected");

        const QByteArray full("[engine]\nuseFXAA=true\n\n[units]\nname=cm\nnbDecimals=3\n");
        const QByteArray noDecimals("[engine]\nuseFXAA=true\n\n[units]\nname=cm\n");
        QTest::addRow("a lock over another value")
            << QByteArray("locked.ini") << QByteArray("[engine]\nuseFXAA=false\n")
            << QByteArray() << QByteArray() << full
            << QByteArray("[engine]\nuseFXAA=false\n\n[units]\nname=cm\nnbDecimals=3\n");
        QTest::addRow("a default fills a missing key")
            << QByteArray("defaults.ini") << QByteArray("[units]\nnbDecimals=4\n")
            << QByteArray() << QByteArray() << noDecimals << noDecimals + "nbDecimals=4\n";
        QTest::addRow("a default never replaces the person's value")
            << QByteArray("defaults.ini") << QByteArray("[units]\nnbDecimals=4\n")
            << QByteArray() << QByteArray() << full << full;
        QTest::addRow("a default repairs an invalid value")
            << QByteArray("defaults.ini") << QByteArray("[units]\nnbDecimals=4\n")
            << QByteArray() << QByteArray() << noDecimals + "nbDecimals=lots\n"
            << noDecimals + "nbDecimals=4\n";
        QTest::addRow("two folders, the first wins")
            << QByteArray("defaults.ini") << QByteArray("[units]\nnbDecimals=5\n")
            << QByteArray("defaults.ini") << QByteArray("[units]\nnbDecimals=7\n")
            << noDecimals << noDecimals + "nbDecimals=5\n";
        QTest::addRow("an invalid administrator's value is left out")
            << QByteArray("locked.ini") << QByteArray("[units]\nnbDecimals=eleven\n")
            << QByteArray() << QByteArray() << noDecimals << noDecimals + "nbDecimals=2\n";
        QTest::addRow("a damaged managed file")
            << QByteArray("locked.ini") << QByteArray(1040, '\0') << QByteArray("locked.ini")
            << QByteArray("[units]\nname=in\n") << full
            << QByteArray("[engine]\nuseFXAA=true\n\n[units]\nname=in\nnbDecimals=3\n");
    }

    void checkRun()
    {
        QFETCH(QByteArray, firstFile);
        QFETCH(QByteArray, firstText);
        QFETCH(QByteArray, secondFile);
        QFETCH(QByteArray, secondText);
        QFETCH(QByteArray, store);
        QFETCH(QByteArray, expected);

        write(QStringLiteral("first"), firstFile.constData(), firstText);
        if (!secondFile.isEmpty())
            write(QStringLiteral("second"), secondFile.constData(), secondText);
        qputenv("XDG_CONFIG_DIRS",
                QFile::encodeName(folder("first") + QLatin1Char(':') + folder("second")));
        const QString path = folder("Vantora.ini");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(store) == store.size());
        file.close();

        {
            QSettings settings(path, QSettings::IniFormat);
            QString message;
            QVERIFY2(ZelControlCenter::EnsureSettings(settings, message), qPrintable(message));
        }
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), expected);
    }

    // The host's own list replaces $XDG_CONFIG_DIRS, and an empty one gives it back.
    void hostFolders()
    {
        write(QStringLiteral("env"), "defaults.ini", "[units]\nnbDecimals=4\n");
        write(QStringLiteral("host"), "defaults.ini", "[units]\nnbDecimals=6\n");
        qputenv("XDG_CONFIG_DIRS", QFile::encodeName(folder("env")));
        ZelManagedSettings::SetFolders({folder("host")});
        QCOMPARE(ZelManagedSettings::Folders(), QStringList{folder("host") + "/Vantora"});
        QCOMPARE(ZelManagedSettings::EffectiveDefault(QStringLiteral("units/nbDecimals")),
                 QStringLiteral("6"));
        ZelManagedSettings::SetFolders({});
        QCOMPARE(ZelManagedSettings::EffectiveDefault(QStringLiteral("units/nbDecimals")),
                 QStringLiteral("4"));
    }

    // Without an organization there is no folder to look in.
    void noOrganization()
    {
        write(QStringLiteral("env"), "locked.ini", "[units]\nnbDecimals=4\n");
        qputenv("XDG_CONFIG_DIRS", QFile::encodeName(folder("env")));
        QCoreApplication::setOrganizationName(QString());
        ZelManagedSettings::Reload();
        QCoreApplication::setOrganizationName(QStringLiteral("Vantora"));
        QVERIFY(ZelManagedSettings::Folders().size() == 1);
        QVERIFY(!ZelManagedSettings::Current().isLocked(QStringLiteral("units/nbDecimals")));
    }
};

QTEST_GUILESS_MAIN(tst_managedSettings)
#include "tst_managedSettings.moc"
