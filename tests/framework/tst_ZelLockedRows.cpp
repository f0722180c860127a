// What an administrator manages, in both hosts as a person meets it. A locked setting: the
// control cannot be changed with the mouse, the host's reset and the row's reset leave it, an
// apply writes nothing for it, and a lock mark beside its label says who set it. A setting
// with an administrator's default: reset goes to it, and the guide measures against it.

#include "PanelHarness.h"

#include "SettingsDialog.h"
#include "ZelGeneralSettingsPanel.h"
#include "ZelImportSettingsPanel.h"
#include "ZelLockedRows.h"
#include "ZelManagedSettings.h"

using namespace zel;

namespace {

const char kKey[] = "Import/LoadHiddenObjects";

} // namespace

class tst_ZelLockedRows : public QObject
{
    Q_OBJECT

    QTemporaryDir mManaged;
    std::unique_ptr<zeltest::PanelHarness> mHarness;
    std::unique_ptr<ZelImportSettingsPanel> mPanel;
    std::unique_ptr<QWidget> mHost;

    QCheckBox* control() const
    {
        return zeltest::Child<QCheckBox>(mPanel.get(), "loadHiddenObjectsCheckBox");
    }

    void press(const char* pButton)
    {
        zeltest::PressAndAcknowledge(zeltest::Child<QPushButton>(mHost.get(), pButton));
    }

    void openHost(bool pDialog)
    {
        if (pDialog) {
            auto* dialog = new SettingsDialog(&mHarness->mApplication);
            mHost.reset(dialog);
            dialog->enableSettingsGuide();
            dialog->registerSettingsPanel(mPanel.get());
            dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            return;
        }
        auto* center = new ZelControlCenter(&mHarness->mApplication);
        mHost.reset(center);
        center->enableSettingsGuide();
        center->registerSettingsPanel(mPanel.get());
        QVERIFY(zeltest::OpenSettings(center, QSize(900, 700)));
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(mManaged.isValid());
        QCoreApplication::setOrganizationName(QStringLiteral("Vantora"));
        QDir().mkpath(mManaged.filePath(QStringLiteral("Vantora")));
        QFile locked(mManaged.filePath(QStringLiteral("Vantora/locked.ini")));
        QVERIFY(locked.open(QIODevice::WriteOnly));
        locked.write("[Import]\nLoadHiddenObjects=false\n");
        locked.close();
        QFile defaults(mManaged.filePath(QStringLiteral("Vantora/defaults.ini")));
        QVERIFY(defaults.open(QIODevice::WriteOnly));
        defaults.write("[engine]\nflatShading=true\n");
        defaults.close();
        ZelManagedSettings::SetFolders({mManaged.path()});
        zeltest::InitTestCase();
    }

    void cleanupTestCase() { ZelManagedSettings::SetFolders({QStringLiteral("/nonexistent")}); }

    void init()
    {
        mHarness = std::make_unique<zeltest::PanelHarness>();
        // The person had switched it on before the administrator locked it.
        mHarness->mSettings.setValue(QLatin1String(kKey), QStringLiteral("true"));
        mHarness->mSettings.sync();
        QVERIFY(mHarness->checkStore());
        QCOMPARE(mHarness->stored(QLatin1String(kKey)), QStringLiteral("false"));
        mPanel = std::make_unique<ZelImportSettingsPanel>(&mHarness->mApplication,
                                                          mHarness->mSettings);
    }

    void cleanup()
    {
        // The hosts forget a panel that goes before them.
        mPanel.reset();
        mHost.reset();
        mHarness.reset();
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void lockedRow_data()
    {
        QTest::addColumn<bool>("dialog");
        QTest::addRow("control center") << false;
        QTest::addRow("settings dialog") << true;
    }

    void lockedRow()
    {
        QFETCH(bool, dialog);
        openHost(dialog);
        QCheckBox* box = control();
        QVERIFY(box->isVisible());
        QVERIFY(!box->isEnabled());
        QVERIFY(!box->isChecked());

        auto* mark = zeltest::Child<QLabel>(mPanel.get(), "lockedMark");
        QVERIFY(mark->isVisible());
        QCOMPARE(mark->toolTip(), QStringLiteral("Set by your administrator"));

        const QByteArray before = mHarness->fileBytes();
        zeltest::Press(box);
        QVERIFY(!box->isChecked());
        QVERIFY(!mPanel->hasModifications());

        // The panel switches its controls on again as it loads; the lock holds.
        mPanel->initializeWidget();
        QVERIFY(!box->isEnabled());

        press("resetButton");
        QVERIFY(!box->isChecked());
        if (auto* reset = mPanel->findChild<QToolButton*>(QStringLiteral("resetRowButton"))) {
            if (reset->isVisible())
                zeltest::Press(reset);
        }
        QVERIFY(!box->isChecked());
        press("applyButton");
        QCOMPARE(mHarness->fileBytes(), before);
    }

    // The store of a new seat starts with the administrator's default; the person's own
    // choice is kept, marked as not the default, and Reset brings the administrator's back.
    void administratorsDefault()
    {
        QCOMPARE(mHarness->stored(QStringLiteral("engine/flatShading")), QStringLiteral("true"));
        ZelGeneralSettingsPanel general(&mHarness->mApplication, mHarness->mSettings);
        auto* dialog = new SettingsDialog(&mHarness->mApplication);
        mHost.reset(dialog);
        dialog->enableSettingsGuide();
        dialog->registerSettingsPanel(&general);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        auto* box = zeltest::Child<QCheckBox>(&general, "flatShadingCheckbox");
        QVERIFY(box->isChecked());
        QLabel* label = nullptr;
        for (QLabel* candidate : general.findChildren<QLabel*>()) {
            if (candidate->buddy() == box)
                label = candidate;
        }
        QVERIFY(label);
        QWidget* notDefault = zeltest::Child<QWidget>(label->parentWidget(), "notDefaultMark");
        QVERIFY(!notDefault->isVisible());

        zeltest::Press(box);
        press("applyButton");
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QCOMPARE(mHarness->stored(QStringLiteral("engine/flatShading")), QStringLiteral("false"));
        QTRY_VERIFY(notDefault->isVisible());

        press("resetButton");
        QVERIFY(box->isChecked());
        press("applyButton");
        QCOMPARE(mHarness->stored(QStringLiteral("engine/flatShading")), QStringLiteral("true"));
        dialog->unregisterSettingsPanel(&general);
    }

    // Search still finds the locked row, and shows its mark with it.
    void searchFindsLockedRow()
    {
        openHost(true);
        auto* search = mHost->findChild<QLineEdit*>();
        QVERIFY(search);
        zeltest::Enter(search, QStringLiteral("hidden"));
        QTRY_VERIFY(control()->isVisible());
        QVERIFY(zeltest::Child<QLabel>(mPanel.get(), "lockedMark")->isVisible());
        zeltest::Enter(search, QStringLiteral("annotations"));
        QTRY_VERIFY(!control()->isVisible());
        QVERIFY(!zeltest::Child<QLabel>(mPanel.get(), "lockedMark")->isVisible());
    }
};

QTEST_MAIN(tst_ZelLockedRows)
#include "tst_ZelLockedRows.moc"
