// The viewer's start-up check when the store cannot be used as it is: a real message box,
// answered as a person would, and the store's bytes before and after.

#include "ModalAnswerer.h"
#include "RepairNotice.h"
#include "StartupCheck.h"
#include "ZelControlCenter.h"
#include "ZelMemorySettings.h"
#include "ZelSettingsCheck.h"
#include "zelRegistryTestSupport.h"

#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QtTest>

using zeltest::FileStamp;

namespace {

void writeStore(const QString& pPath, const QByteArray& pBytes)
{
    QFile file(pPath);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(pBytes) == pBytes.size());
}

// A store as the viewer leaves it, with what a person set.
QByteArray healthyStore(const QString& pPath)
{
    QFile::remove(pPath);
    {
        auto settings = std::make_unique<QSettings>(pPath, QSettings::IniFormat);
        if (!zel::StartupCheck::Run(settings, false))
            return QByteArray();
    }
    zel::ZelSettingsCheck::Values values{{"units/name", "cm"}, {"units/nbDecimals", "4"}};
    QSettings settings(pPath, QSettings::IniFormat);
    QString error;
    if (!zel::ZelSettingsCheck::WriteValues(settings, values, error))
        return QByteArray();
    QFile file(pPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class tst_StartupCheck : public QObject
{
    Q_OBJECT

    zeltest::RedirectedHome mHome;
    QTemporaryDir mDir;

    QString store() const { return mDir.filePath(QStringLiteral("Vantora.ini")); }

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(mHome.isValid() && mDir.isValid());
    }

    void cleanup()
    {
        zel::ZelControlCenter::ClearSettings();
        QVERIFY(QApplication::topLevelWidgets().isEmpty()
                || !QApplication::activeModalWidget());
    }

    // The stored bytes, the button that the person presses, whether the viewer starts, and
    // what the box says (%F the settings file).
    void stops_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("starts");
        QTest::addColumn<QString>("text");
        const QByteArray emptySeparator(
            "[CSVDriver]\nImport\\columnSeparator=\n[units]\nname=cm\n");
        const QString stopped = QStringLiteral(
            "The setting \"CSVDriver/Import/columnSeparator\" in the settings file %F holds "
            "\"\", which cannot be used.\n\nReset this setting to its default and check again?");
        QTest::addRow("reset") << emptySeparator << "Reset and check again" << true << stopped;
        QTest::addRow("quit") << emptySeparator << "Quit" << false << stopped;
    }

    void stops()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QString, button);
        QFETCH(bool, starts);
        QFETCH(QString, text);
        {
            QFile file(store());
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(stored) == stored.size());
        }
        QFile pin(store());
        QVERIFY(pin.open(QIODevice::ReadOnly));
        const FileStamp before = FileStamp::of(store());

        auto settings = std::make_unique<QSettings>(store(), QSettings::IniFormat);
        zeltest::MessageBoxAnswerer answer(button);
        QCOMPARE(zel::StartupCheck::Run(settings, true), starts);
        QCOMPARE(answer.texts, QStringList(QString(text).replace("%F", store())));
        if (!starts) {
            QVERIFY(FileStamp::of(store()) == before);
            return;
        }
        // Only the key was reset; what the person had set stays, the rest is filled.
        const QSettings after(store(), QSettings::IniFormat);
        QCOMPARE(after.value("CSVDriver/Import/columnSeparator").toString(), QStringLiteral(","));
        QCOMPARE(after.value("units/name").toString(), QStringLiteral("cm"));
        QCOMPARE(after.value("Privacy/sendreport").toString(), QStringLiteral("false"));
    }

    // A first start fills every key and tells nothing; a later start that repairs values
    // tells exactly those, from what to what, on a click on the status-bar note.
    void repairsTold()
    {
        QFile::remove(store());
        auto store = std::make_unique<QSettings>(this->store(), QSettings::IniFormat);
        QSettings& settings = *store;
        zel::StartupCheck::Outcome outcome;
        QVERIFY(zel::StartupCheck::Run(store, false, nullptr, &outcome));
        QVERIFY(!outcome.mResults.empty());
        QVERIFY(zel::RepairNotice::ToTell(outcome.mResults).empty());

        settings.setValue(QStringLiteral("units/nbDecimals"), QStringLiteral("12"));
        settings.setValue(QStringLiteral("engine/coreNumber"), QStringLiteral("many"));
        settings.remove(QStringLiteral("units/name"));
        settings.sync();
        QVERIFY(zel::StartupCheck::Run(store, false, nullptr, &outcome));
        const auto& results = outcome.mResults;

        QMainWindow window;
        QPointer<zel::RepairNotice> notice =
            new zel::RepairNotice(zel::RepairNotice::ToTell(results), &window);
        window.statusBar()->insertPermanentWidget(0, notice);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(notice->text(), QStringLiteral("Settings repaired at start-up: 3. Details"));
        const QString cores = settings.value(QStringLiteral("engine/coreNumber")).toString();
        zeltest::MessageBoxAnswerer answer(QStringLiteral("OK"));
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                          notice->mapTo(&window, notice->rect().center()));
        QTRY_COMPARE(answer.texts.size(), 1);
        QCOMPARE(answer.texts.front(),
                 QStringLiteral("These settings could not be used as stored and were repaired:"
                                "\n\nengine/coreNumber: \"many\", now \"%1\""
                                "\nunits/name: missing, now \"mm\""
                                "\nunits/nbDecimals: \"12\", now \"2\"")
                     .arg(cores));
        QTRY_VERIFY(!notice);
    }

    // A store that cannot be read safely never stops the viewer, nor asks anything: it is
    // kept byte for byte beside itself, and the viewer starts with what could be read.
    void damagedStoreStarts_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("units");
        QTest::addColumn<QString>("decimals");
        const QByteArray healthy = healthyStore(store());
        QVERIFY(healthy.contains("nbDecimals=4"));
        QTest::addRow("NUL bytes") << QByteArray(1040, '\0') << "mm" << "2";
        // Cut in the middle of its last line.
        QVERIFY(healthy.endsWith("nbDecimals=4\n"));
        QTest::addRow("half written") << healthy.left(healthy.size() - 9) << "cm" << "2";
        QTest::addRow("header cut") << QByteArray("[units]\nname=cm\nnbDecimals=4\n[engine\n")
                                    << "cm" << "4";
        QByteArray binary = healthy;
        binary.insert(binary.indexOf("[units]"), QByteArray("\x7f" "ELF\x02\x01\x01\0\0\n", 10));
        QTest::addRow("binary inside") << binary << "cm" << "4";
    }

    void damagedStoreStarts()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QString, units);
        QFETCH(QString, decimals);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Vantora.ini"));
        writeStore(path, stored);

        auto settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
        zel::StartupCheck::Outcome outcome;
        zeltest::MessageBoxAnswerer answer(QStringLiteral("OK"));
        QVERIFY(zel::StartupCheck::Run(settings, true, nullptr, &outcome));
        QCOMPARE(answer.texts, QStringList());
        QVERIFY(outcome.mNotSaved.isEmpty());
        QVERIFY2(outcome.mDamagedCopy.startsWith(path + ".damaged-"),
                 qPrintable(outcome.mDamagedCopy));
        QFile copy(outcome.mDamagedCopy);
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), stored);
        QCOMPARE(settings->value("units/name").toString(), units);
        QCOMPARE(settings->value("units/nbDecimals").toString(), decimals);
        QCOMPARE(QSettings(path, QSettings::IniFormat).value("units/name").toString(), units);
        QCOMPARE(zeltest::FolderEntries(dir.path()),
                 (QStringList{"Vantora.ini", QFileInfo(outcome.mDamagedCopy).fileName()}));

        // The person learns where the copy is.
        zel::RepairNotice notice(zel::RepairNotice::ToTell(outcome.mResults));
        notice.setDamagedCopy(outcome.mDamagedCopy);
        QCOMPARE(notice.text(), QStringLiteral("Settings file damaged; a copy was kept. Details"));
        QVERIFY2(notice.details().contains(outcome.mDamagedCopy), qPrintable(notice.details()));

        // The store is healthy now: the next start keeps every key.
        zel::StartupCheck::Outcome next;
        QVERIFY(zel::StartupCheck::Run(settings, false, nullptr, &next));
        QVERIFY(next.mDamagedCopy.isEmpty());
        QVERIFY(zel::RepairNotice::ToTell(next.mResults).empty());
    }

    // A store whose repairs cannot be written, on a full disk: the person may start on the
    // repaired values kept in memory, or quit; the file stays as it was either way.
    void fullDisk_data()
    {
        QTest::addColumn<bool>("ask");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("starts");
        QTest::addRow("start without saving") << true << "Start without saving" << true;
        QTest::addRow("quit") << true << "Quit" << false;
        QTest::addRow("nobody to ask") << false << "" << false;
    }

    void fullDisk()
    {
        QFETCH(bool, ask);
        QFETCH(QString, button);
        QFETCH(bool, starts);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Vantora.ini"));
        QByteArray stored = healthyStore(path);
        stored.replace("nbDecimals=4", "nbDecimals=lots");
        writeStore(path, stored);
        QFile pin(path);
        QVERIFY(pin.open(QIODevice::ReadOnly));
        const FileStamp before = FileStamp::of(path);
        const QStringList entries = zeltest::FolderEntries(dir.path());

        auto settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
        zel::StartupCheck::Outcome outcome;
        zeltest::MessageBoxAnswerer answer(button);
        bool started = false;
        {
            const zeltest::FileSizeLimit full(512);
            started = zel::StartupCheck::Run(settings, ask, nullptr, &outcome);
        }
        QCOMPARE(started, starts);
        const QString reason = QStringLiteral("The settings file \"%1\" could not be written: "
                                              "no space left on the device")
                                   .arg(path);
        if (ask) {
            QCOMPARE(answer.texts,
                     QStringList(reason + "\n\nThe settings were checked and repaired, but the "
                                 "repairs cannot be saved. Start with them for this run only, "
                                 "or quit?"));
        }
        QVERIFY(FileStamp::of(path) == before);
        QCOMPARE(zeltest::FolderEntries(dir.path()), entries);
        if (!starts)
            return;

        // This run has the repaired value, and what it sets stays in memory too.
        QCOMPARE(outcome.mNotSaved, reason);
        QVERIFY(zel::ZelMemorySettings::IsMemoryStore(*settings));
        QCOMPARE(settings->value("units/nbDecimals").toString(), QStringLiteral("2"));
        QCOMPARE(settings->value("units/name").toString(), QStringLiteral("cm"));
        QString error;
        QVERIFY(zel::ZelSettingsCheck::WriteValues(*settings, {{"units/name", "in"}}, error));
        settings->sync();
        QCOMPARE(settings->value("units/name").toString(), QStringLiteral("in"));
        settings.reset();
        QVERIFY(FileStamp::of(path) == before);
        QCOMPARE(zeltest::FolderEntries(dir.path()), entries);

        zel::RepairNotice notice(zel::RepairNotice::ToTell(outcome.mResults));
        notice.setNotSaved(outcome.mNotSaved);
        QCOMPARE(notice.text(), QStringLiteral("Settings not saved in this run. Details"));
        QVERIFY2(notice.details().startsWith(reason), qPrintable(notice.details()));
        QVERIFY(notice.details().contains("units/nbDecimals: \"lots\", now \"2\""));
    }
};

QTEST_MAIN(tst_StartupCheck)
#include "tst_StartupCheck.moc"
