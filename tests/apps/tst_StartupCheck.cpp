// The viewer's start-up check when the store cannot be used as it is: a real message box,
// answered as a person would, and the store's bytes before and after.

#include "RepairNotice.h"
#include "StartupCheck.h"
#include "ZelControlCenter.h"
#include "zelRegistryTestSupport.h"

#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QtTest>

using zeltest::FileStamp;

namespace {

// Waits for the modal message box, keeps its text and clicks the button named pButton
// through its window.
class BoxAnswer : public QObject
{
public:
    explicit BoxAnswer(const QString& pButton) : mButton(pButton)
    {
        connect(&mTimer, &QTimer::timeout, this, &BoxAnswer::answer);
        mTimer.start(20);
    }
    QStringList mTexts;

private:
    void answer()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible() || !box->windowHandle() || box == mAnswered)
            return;
        for (QAbstractButton* button : box->buttons()) {
            if (button->text() != mButton)
                continue;
            mTexts.append(box->text());
            mAnswered = box;
            QTest::mouseClick(box->windowHandle(), Qt::LeftButton, {},
                              button->mapTo(box, button->rect().center()));
        }
    }

    QString mButton;
    QTimer mTimer;
    QPointer<QMessageBox> mAnswered;
};

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
        QTest::addRow("damaged line")
            << QByteArray("[units]\nname=cm\n[engine\n") << "OK" << false
            << "Line 3 of the settings file \"%F\" cannot be read safely; correct or remove it";
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

        QSettings settings(store(), QSettings::IniFormat);
        BoxAnswer answer(button);
        QCOMPARE(zel::StartupCheck::Run(settings, true), starts);
        QCOMPARE(answer.mTexts, QStringList(QString(text).replace("%F", store())));
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
        QSettings settings(store(), QSettings::IniFormat);
        std::vector<zel::ZelSettingsCheck::Result> results;
        QVERIFY(zel::StartupCheck::Run(settings, false, nullptr, &results));
        QVERIFY(!results.empty());
        QVERIFY(zel::RepairNotice::ToTell(results).empty());

        settings.setValue(QStringLiteral("units/nbDecimals"), QStringLiteral("12"));
        settings.setValue(QStringLiteral("engine/coreNumber"), QStringLiteral("many"));
        settings.remove(QStringLiteral("units/name"));
        settings.sync();
        QVERIFY(zel::StartupCheck::Run(settings, false, nullptr, &results));

        QMainWindow window;
        QPointer<zel::RepairNotice> notice =
            new zel::RepairNotice(zel::RepairNotice::ToTell(results), &window);
        window.statusBar()->insertPermanentWidget(0, notice);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(notice->text(), QStringLiteral("Settings repaired at start-up: 3. Details"));
        const QString cores = settings.value(QStringLiteral("engine/coreNumber")).toString();
        BoxAnswer answer(QStringLiteral("OK"));
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                          notice->mapTo(&window, notice->rect().center()));
        QTRY_COMPARE(answer.mTexts.size(), 1);
        QCOMPARE(answer.mTexts.front(),
                 QStringLiteral("These settings could not be used as stored and were repaired:"
                                "\n\nengine/coreNumber: \"many\", now \"%1\""
                                "\nunits/name: missing, now \"mm\""
                                "\nunits/nbDecimals: \"12\", now \"2\"")
                     .arg(cores));
        QTRY_VERIFY(!notice);
    }
};

QTEST_MAIN(tst_StartupCheck)
#include "tst_StartupCheck.moc"
