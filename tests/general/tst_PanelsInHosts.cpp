#include "PanelHarness.h"

#include "SettingsDialog.h"
#include "ZelGeneralSettingsPanel.h"
#include "ZelImportSettingsPanel.h"
#include "ZelPrivacySettingsPanel.h"

using namespace zel;

// Each panel as the host application uses it: registered in the control center or in the
// settings dialog, edited there, then cancelled, applied and reset with the host's buttons.
class tst_PanelsInHosts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zeltest::InitTestCase(); }
    void cleanup()
    {
        // The hosts forget a panel that goes, whether or not it sits in their tree.
        mPanel.reset();
        mHost.reset();
        mHarness.reset();
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void editApplyResetCancel_data()
    {
        QTest::addColumn<QString>("panel");
        QTest::addColumn<bool>("dialog");
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("edited");
        QTest::addColumn<QString>("reset");
        for (bool dialog : {false, true}) {
            const char* host = dialog ? "settings dialog" : "control center";
            QTest::addRow("general, %s", host) << "general" << dialog << "displayToolCheckbox"
                                               << "display/displaytool" << "false" << "true";
            QTest::addRow("import, %s", host) << "import" << dialog << "highQuality"
                                              << "Tesselation/TesselationQualitySet" << "true"
                                              << "false";
            QTest::addRow("privacy, %s", host) << "privacy" << dialog << "activityReportCheckBox"
                                               << "Privacy/sendreport" << "false" << "true";
        }
    }

    void editApplyResetCancel()
    {
        QFETCH(QString, panel);
        QFETCH(bool, dialog);
        QFETCH(QString, clicked);
        QFETCH(QString, key);
        QFETCH(QString, edited);
        QFETCH(QString, reset);
        mHarness = std::make_unique<zeltest::PanelHarness>();
        QVERIFY(mHarness->checkStore());
        QSettings& settings = mHarness->mSettings;
        kmDMIApplication* application = &mHarness->mApplication;
        if (panel == QLatin1String("import"))
            mPanel = std::make_unique<ZelImportSettingsPanel>(application, settings);
        else if (panel == QLatin1String("privacy"))
            mPanel = std::make_unique<ZelPrivacySettingsPanel>(application, settings);
        else
            mPanel = std::make_unique<ZelGeneralSettingsPanel>(application, settings);
        const QString stored = settings.value(key).toString();
        const auto edit = [&] {
            zeltest::Child<QAbstractButton>(mPanel.get(), qPrintable(clicked))->click();
            return mPanel->hasModifications();
        };

        if (dialog) {
            auto* settingsDialog = new SettingsDialog(application);
            mHost.reset(settingsDialog);
            settingsDialog->registerSettingsPanel(mPanel.get());
            settingsDialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(settingsDialog));
            QVERIFY(mPanel->isVisible());
            QVERIFY(edit());
            QCOMPARE(click("cancelButton"), QString());
            QVERIFY(!settingsDialog->isVisible());
            QCOMPARE(settingsDialog->result(), int(QDialog::Rejected));
            settingsDialog->show();
        } else {
            auto* center = new ZelControlCenter(application);
            mHost.reset(center);
            center->registerSettingsPanel(mPanel.get());
            QVERIFY(center->isAncestorOf(mPanel.get()));
            center->resize(900, 700);
            center->show();
            center->openMenu(true);
            QTRY_VERIFY(center->isMenuOpen());
            center->openSettings();
            QTRY_VERIFY(center->isSettingsOpen());
        }
        QVERIFY(!mPanel->hasModifications());
        QCOMPARE(settings.value(key).toString(), stored);

        QVERIFY(edit());
        QCOMPARE(click("applyButton"), QString());
        QCOMPARE(settings.value(key).toString(), edited);
        QVERIFY(!mPanel->hasModifications());
        QCOMPARE(mHost->isVisible(), !dialog);
        if (dialog)
            mHost->show();

        // Reset puts the defaults in the panel only; the next apply stores them.
        QSignalSpy spy(mPanel.get(), SIGNAL(stateChanged()));
        click("resetButton");
        QCOMPARE(spy.count(), 1);
        QVERIFY(mHost->isVisible());
        QCOMPARE(settings.value(key).toString(), edited);
        QCOMPARE(click("applyButton"), QString());
        QCOMPARE(settings.value(key).toString(), reset);

        // The control center gives the panel back to its owner; the dialog keeps it in its tree.
        if (auto* center = qobject_cast<ZelControlCenter*>(mHost.get())) {
            center->unregisterSettingsPanel(mPanel.get());
            QVERIFY(!mPanel->parent());
        }
    }

private:
    QString click(const char* pButton);

    std::unique_ptr<zeltest::PanelHarness> mHarness;
    std::unique_ptr<ZelSettingsPanel> mPanel;
    std::unique_ptr<QWidget> mHost;
};

// Clicks a host button; returns the text of the message box it showed, if any.
QString tst_PanelsInHosts::click(const char* pButton)
{
    QString notice;
    zeltest::AnswerModal<QMessageBox>(&mHarness->mAnswers, [&notice](QMessageBox* pBox) {
        notice = pBox->text();
        pBox->button(QMessageBox::Ok)->click();
    });
    zeltest::Child<QPushButton>(mHost.get(), pButton)->click();
    qDeleteAll(mHarness->mAnswers.children());
    return notice;
}

QTEST_MAIN(tst_PanelsInHosts)
#include "tst_PanelsInHosts.moc"
