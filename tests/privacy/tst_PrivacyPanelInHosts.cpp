#include "SettingsDialog.h"
#include "ZelControlCenter.h"
#include "ZelPrivacySettingsPanel.h"
#include "kmDMIApplication.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSettings>
#include <QtTest>

#include <memory>

using zel::SettingsDialog;
using zel::ZelPrivacySettingsPanel;
using zel::kmDMIApplication;

namespace {

const char kSendReportKey[] = "Privacy/sendreport";

template <typename T>
T* part(const QWidget* pParent, const char* pName)
{
    T* widget = pParent->findChild<T*>(QLatin1String(pName));
    if (!widget)
        qFatal("no child %s", pName);
    return widget;
}

} // namespace

// The privacy panel as the host application uses it: registered in the control center and
// in the settings dialog, edited there and applied, reset and cancelled with their buttons.
class tst_PrivacyPanelInHosts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void controlCenter();
    void settingsDialog();

private:
    void click(const QWidget* pParent, const char* pName);
    QCheckBox* consent() const;

    std::unique_ptr<QTemporaryDir> mDir;
    std::unique_ptr<QSettings> mSettings;
    std::unique_ptr<kmDMIApplication> mApplication;
    std::unique_ptr<ZelPrivacySettingsPanel> mPanel;
};

void tst_PrivacyPanelInHosts::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
}

void tst_PrivacyPanelInHosts::init()
{
    mDir = std::make_unique<QTemporaryDir>();
    QVERIFY(mDir->isValid());
    mSettings = std::make_unique<QSettings>(mDir->filePath(QStringLiteral("settings.ini")),
                                            QSettings::IniFormat);
    mApplication = std::make_unique<kmDMIApplication>();
    mApplication->setSettings(mSettings.get());
    mPanel = std::make_unique<ZelPrivacySettingsPanel>(mApplication.get(), *mSettings);
}

void tst_PrivacyPanelInHosts::cleanup()
{
    mPanel.reset();
    mApplication.reset();
    mSettings.reset();
    mDir->setAutoRemove(!QTest::currentTestFailed());
    mDir.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_PrivacyPanelInHosts::click(const QWidget* pParent, const char* pName)
{
    QTest::mouseClick(part<QAbstractButton>(pParent, pName), Qt::LeftButton);
}

QCheckBox* tst_PrivacyPanelInHosts::consent() const
{
    return part<QCheckBox>(mPanel.get(), "activityReportCheckBox");
}

void tst_PrivacyPanelInHosts::controlCenter()
{
    {
        zel::ZelControlCenter center(mApplication.get());
        center.registerSettingsPanel(mPanel.get());
        QVERIFY(center.isAncestorOf(mPanel.get()));
        QVERIFY(consent()->isChecked());
        QVERIFY(!center.hasModifications());

        center.resize(900, 700);
        center.show();
        center.openMenu(true);
        QTRY_VERIFY(center.isMenuOpen());
        center.openSettings();
        QTRY_VERIFY(center.isSettingsOpen());

        QTest::mouseClick(consent(), Qt::LeftButton);
        QVERIFY(center.hasModifications());
        click(&center, "applyButton");
        QVERIFY(!center.hasModifications());
        QCOMPARE(mSettings->value(QLatin1String(kSendReportKey)).toString(), QString("false"));

        QSignalSpy spy(mPanel.get(), SIGNAL(stateChanged()));
        click(&center, "resetButton");
        QCOMPARE(spy.count(), 1);
        QVERIFY(consent()->isChecked());
        click(&center, "applyButton");
        QCOMPARE(mSettings->value(QLatin1String(kSendReportKey)).toString(), QString("true"));

        center.unregisterSettingsPanel(mPanel.get(), true);
    }
    QVERIFY(!mPanel->parent());
}

void tst_PrivacyPanelInHosts::settingsDialog()
{
    auto dialog = std::make_unique<SettingsDialog>(mApplication.get());
    dialog->registerSettingsPanel(mPanel.get());
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    QVERIFY(mPanel->isVisible());

    QTest::mouseClick(consent(), Qt::LeftButton);
    click(dialog.get(), "cancelButton");
    QTRY_VERIFY(!dialog->isVisible());
    QVERIFY(consent()->isChecked());
    QVERIFY(!mSettings->contains(QLatin1String(kSendReportKey)));

    // Another writer of the store: the dialog shows its value when it opens again.
    mSettings->sync();
    {
        QSettings elsewhere(mSettings->fileName(), QSettings::IniFormat);
        elsewhere.setValue(QLatin1String(kSendReportKey), false);
    }
    dialog->show();
    QVERIFY(!consent()->isChecked());
    QVERIFY(!mPanel->hasModifications());

    click(dialog.get(), "resetButton");
    QVERIFY(consent()->isChecked());
    click(dialog.get(), "applyButton");
    QTRY_VERIFY(!dialog->isVisible());
    QCOMPARE(mSettings->value(QLatin1String(kSendReportKey)).toBool(), true);

    // The panel lives in the dialog's tree: it goes before the dialog does.
    dialog->unregisterSettingsPanel(mPanel.get());
    mPanel.reset();
    dialog.reset();
}

QTEST_MAIN(tst_PrivacyPanelInHosts)

#include "tst_PrivacyPanelInHosts.moc"
