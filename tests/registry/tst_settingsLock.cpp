// Another program holding the store's writer lock: a check with something to write waits and
// then stops without a change; the settings dialog keeps the person's edit pending and says
// why, and applies it once the other program is done.

#include "SettingsDialog.h"
#include "ZelControlCenter.h"
#include "ZelGeneralSettingsPanel.h"
#include "ZelSettingsLock.h"
#include "zelRegistryTestSupport.h"
#include "../support/PanelHarness.h"

#include <QProcess>

#include <cstdio>

using zeltest::FileStamp;

namespace {

// This test run again as "--hold-lock STORE": another program that holds the store's lock
// until its standard input closes.
int holdLock(const char* pStore)
{
    zel::ZelSettingsLock lock(QString::fromLocal8Bit(pStore));
    QString message;
    if (!lock.lock(message))
        return 1;
    std::puts("locked");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    return 0;
}

} // namespace

class tst_settingsLock : public QObject
{
    Q_OBJECT

    zeltest::PanelHarness mHarness;
    QProcess mHolder;

    QString store() const { return mHarness.mSettings.fileName(); }

    bool holdStore()
    {
        mHolder.start(QCoreApplication::applicationFilePath(), {"--hold-lock", store()});
        return mHolder.waitForReadyRead(60000) && mHolder.readAll().startsWith("locked");
    }

    void releaseStore()
    {
        mHolder.closeWriteChannel();
        mHolder.waitForFinished(60000);
    }

    void click(QWidget* pWindow, QWidget* pWidget)
    {
        QTest::mouseClick(pWindow->windowHandle(), Qt::LeftButton, {},
                          pWidget->mapTo(pWindow, pWidget->rect().center()));
    }

private Q_SLOTS:
    void initTestCase()
    {
        zeltest::InitTestCase();
        QVERIFY(mHarness.checkStore());
    }

    // A check that has nothing to write does not wait for the other program; one that repairs
    // waits, then stops without a change.
    void checkWaitsOnlyToWrite()
    {
        QVERIFY(holdStore());
        QFile pin(store());
        QVERIFY(pin.open(QIODevice::ReadOnly));
        const FileStamp healthy = FileStamp::of(store());
        QString message;
        QVERIFY2(zel::ZelControlCenter::EnsureSettings(mHarness.mSettings, message),
                 qPrintable(message));
        QVERIFY(FileStamp::of(store()) == healthy);
        releaseStore();

        QFile damage(store());
        QVERIFY(damage.open(QIODevice::ReadWrite));
        QByteArray bytes = damage.readAll();
        QVERIFY(bytes.contains("flatShading=false"));
        bytes.replace("flatShading=false", "flatShading=sometimes");
        QVERIFY(damage.resize(0) && damage.write(bytes) == bytes.size());
        damage.close();
        QVERIFY(holdStore());
        const FileStamp before = FileStamp::of(store());
        QVERIFY(!zel::ZelControlCenter::EnsureSettings(mHarness.mSettings, message));
        QVERIFY2(message.contains("is being changed by another program"), qPrintable(message));
        QVERIFY(FileStamp::of(store()) == before);
        releaseStore();
        QVERIFY2(zel::ZelControlCenter::EnsureSettings(mHarness.mSettings, message),
                 qPrintable(message));
        QVERIFY(FileStamp::of(store()).mBytes == healthy.mBytes);
    }

    void dialogKeepsTheEditWhileBusy()
    {
        zel::SettingsDialog dialog(&mHarness.mApplication, &mHarness.mMainWindow);
        auto* panel = new zel::ZelGeneralSettingsPanel(&mHarness.mApplication, mHarness.mSettings);
        dialog.registerSettingsPanel(panel);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* flat = zeltest::Child<QCheckBox>(panel, "flatShadingCheckbox");
        auto* apply = zeltest::Child<QPushButton>(&dialog, "applyButton");
        QVERIFY(flat->isVisible() && !flat->isChecked());
        click(&dialog, flat);
        QVERIFY(flat->isChecked() && panel->hasModifications());

        QVERIFY(holdStore());
        QFile pin(store());
        QVERIFY(pin.open(QIODevice::ReadOnly));
        const FileStamp before = FileStamp::of(store());
        QString told;
        zeltest::AnswerModal<QMessageBox>(this, [this, &told](QMessageBox* pBox) {
            told = pBox->text();
            click(pBox, pBox->button(QMessageBox::Ok));
        });
        click(&dialog, apply);
        QTRY_VERIFY(!told.isEmpty());
        QVERIFY2(told.contains("is being changed by another program"), qPrintable(told));
        QVERIFY(dialog.isVisible() && flat->isChecked() && panel->hasModifications());
        QVERIFY(FileStamp::of(store()) == before);

        releaseStore();
        click(&dialog, apply);
        QTRY_VERIFY(!dialog.isVisible());
        QCOMPARE(QSettings(store(), QSettings::IniFormat).value("engine/flatShading").toString(),
                 QStringLiteral("true"));
    }
};

int main(int argc, char** argv)
{
    if (argc == 3 && qstrcmp(argv[1], "--hold-lock") == 0)
        return holdLock(argv[2]);
    QApplication application(argc, argv);
    tst_settingsLock test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_settingsLock.moc"
