#include "SettingsDialog.h"
#include "ZelControlCenter.h"
#include "ZelImportSettingsPanel.h"
#include "kmDMIApplication.h"

#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QtTest>

#include <memory>

using zel::SettingsDialog;
using zel::ZelImportSettingsPanel;
using zel::kmDMIApplication;

namespace {

const char kQualitySetKey[] = "Tesselation/TesselationQualitySet";
const char kIsHighQualityKey[] = "Tesselation/TesselationIsHighQuality";

template <typename T>
T* part(const QWidget* pParent, const char* pName)
{
    T* widget = pParent->findChild<T*>(QLatin1String(pName));
    if (!widget)
        qFatal("no child %s", pName);
    return widget;
}

} // namespace

// The import panel as the host application uses it: registered in the control center and
// in the settings dialog, edited there and applied, reset and cancelled with their buttons.
class tst_ImportPanelInHosts : public QObject
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

    std::unique_ptr<QTemporaryDir> mDir;
    std::unique_ptr<QSettings> mSettings;
    std::unique_ptr<kmDMIApplication> mApplication;
    std::unique_ptr<ZelImportSettingsPanel> mPanel;
};

void tst_ImportPanelInHosts::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    zel::ZelControlCenter::InitDefaultSettingsValues();
}

void tst_ImportPanelInHosts::init()
{
    mDir = std::make_unique<QTemporaryDir>();
    QVERIFY(mDir->isValid());
    mSettings = std::make_unique<QSettings>(mDir->filePath(QStringLiteral("settings.ini")),
                                            QSettings::IniFormat);
    QString message;
    QVERIFY2(zel::ZelControlCenter::EnsureSettings(*mSettings, message), qPrintable(message));
    mApplication = std::make_unique<kmDMIApplication>();
    mApplication->setSettings(mSettings.get());
    mPanel = std::make_unique<ZelImportSettingsPanel>(mApplication.get(), *mSettings);
}

void tst_ImportPanelInHosts::cleanup()
{
    mPanel.reset();
    mApplication.reset();
    mSettings.reset();
    mDir->setAutoRemove(!QTest::currentTestFailed());
    mDir.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_ImportPanelInHosts::click(const QWidget* pParent, const char* pName)
{
    QTest::mouseClick(part<QAbstractButton>(pParent, pName), Qt::LeftButton);
}

void tst_ImportPanelInHosts::controlCenter()
{
    mSettings->setValue(QLatin1String(kQualitySetKey), true);
    {
        zel::ZelControlCenter center(mApplication.get());
        center.registerSettingsPanel(mPanel.get());
        QVERIFY(center.isAncestorOf(mPanel.get()));
        QVERIFY(part<QRadioButton>(mPanel.get(), "lowQuality")->isChecked());
        QVERIFY(!center.hasModifications());

        center.resize(900, 700);
        center.show();
        center.openMenu(true);
        QTRY_VERIFY(center.isMenuOpen());
        center.openSettings();
        QTRY_VERIFY(center.isSettingsOpen());

        click(mPanel.get(), "highQuality");
        QVERIFY(center.hasModifications());
        click(&center, "applyButton");
        QVERIFY(!center.hasModifications());
        QCOMPARE(mSettings->value(QLatin1String(kIsHighQualityKey)).toBool(), true);

        QSignalSpy spy(mPanel.get(), SIGNAL(stateChanged()));
        click(&center, "resetButton");
        QCOMPARE(spy.count(), 1);
        QVERIFY(part<QRadioButton>(mPanel.get(), "defaultQuality")->isChecked());
        QCOMPARE(mSettings->value(QLatin1String(kQualitySetKey)).toBool(), true);
        click(&center, "applyButton");
        QCOMPARE(mSettings->value(QLatin1String(kQualitySetKey)).toBool(), false);

        center.unregisterSettingsPanel(mPanel.get(), true);
        QVERIFY(!center.isAncestorOf(mPanel.get()));
    }
    QVERIFY(!mPanel->parent());
}

void tst_ImportPanelInHosts::settingsDialog()
{
    auto dialog = std::make_unique<SettingsDialog>(mApplication.get());
    dialog->registerSettingsPanel(mPanel.get());
    QVERIFY(mPanel->getActionWidget()->isChecked());
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    QVERIFY(mPanel->isVisible());

    click(mPanel.get(), "sag");
    click(dialog.get(), "applyButton");
    QTRY_VERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QCOMPARE(mSettings->value("Tesselation/TesselationMaxFaceSagSet").toBool(), true);

    // Shown again, the dialog reads the store; Cancel drops the edit.
    dialog->show();
    QVERIFY(part<QRadioButton>(mPanel.get(), "sag")->isChecked());
    click(mPanel.get(), "defaultSag");
    QVERIFY(mPanel->hasModifications());
    click(dialog.get(), "cancelButton");
    QTRY_VERIFY(!dialog->isVisible());
    QVERIFY(part<QRadioButton>(mPanel.get(), "sag")->isChecked());
    QVERIFY(!mPanel->hasModifications());

    dialog->show();
    click(dialog.get(), "resetButton");
    QVERIFY(dialog->isVisible());
    QVERIFY(part<QRadioButton>(mPanel.get(), "defaultSag")->isChecked());
    click(dialog.get(), "applyButton");
    QCOMPARE(mSettings->value("Tesselation/TesselationMaxFaceSagSet").toBool(), false);

    // The panel lives in the dialog's tree: it goes before the dialog does.
    dialog->unregisterSettingsPanel(mPanel.get());
    mPanel.reset();
    dialog.reset();
}

QTEST_MAIN(tst_ImportPanelInHosts)

#include "tst_ImportPanelInHosts.moc"
