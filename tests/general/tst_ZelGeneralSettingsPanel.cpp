#include "ModalAnswer.h"

#include "ZelControlCenter.h"
#include "ZelGeneralSettingsPanel.h"
#include "kmComboBox.h"
#include "kmDMIApplication.h"
#include "kmDMManager.h"
#include "kmDMRenderer.h"
#include "kmMainWindow.h"
#include "kmNavigationManagerBase.h"
#include "zelAction.h"
#include "zelActionManager.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <memory>

using namespace zel;

namespace {

// Every key that the panel writes on an apply.
const char* const kPanelKeys[] = {
    "engine", "engine/coreNumber", "engine/useOutline", "engine/useFXAA",
    "engine/flatShading", "engine/fillCutplane", "engine/backgroundColor", "units/name",
    "units/nbDecimals", "display/namingPolicy", "display/displayps", "display/displaytool",
    "Resources/MaxCPUMemory3D", "Resources/MaxGPUMemory", "Resources/LODTrianglesCap",
    "Controls/controller", "DBCache/cacheDirectory", "DBCache/cacheSize", "Logging/logFile"};

QString ClickDialogButton(QWidget* pDialog, QDialogButtonBox::StandardButton pWhich)
{
    QDialogButtonBox* box = pDialog->findChild<QDialogButtonBox*>();
    if (!box || !box->button(pWhich))
        return QStringLiteral("no such button");
    box->button(pWhich)->click();
    // A button that refused leaves the dialog open; never leave the test hanging in exec().
    if (pDialog->isVisible()) {
        QMetaObject::invokeMethod(pDialog, "reject", Qt::QueuedConnection);
        return QStringLiteral("button did not close the dialog");
    }
    return QString();
}

} // namespace

class tst_ZelGeneralSettingsPanel : public QObject
{
    Q_OBJECT

public Q_SLOTS:
    void recordUrl(const QUrl& pUrl) { mOpenedUrls << pUrl; }

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void construction();
    void sectionVisibility_data();
    void sectionVisibility();

    void loadedStoreIsNotModified();
    void namingPolicyFromStore_data();
    void namingPolicyFromStore();
    void displayPanelsFromStore_data();
    void displayPanelsFromStore();
    void fillCutplaneAbsentFromStore();
    void controlsFromStore_data();
    void controlsFromStore();
    void unitsFromStore();
    void colorAndPathsFromStore();
    void memoryShownInMegabytes_data();
    void memoryShownInMegabytes();
    void memoryStoredInBytes_data();
    void memoryStoredInBytes();
    void rayMemoryHasDefinedValue();

    void applyWithoutChangesWritesNothing();
    void applyColorOnly();
    void applyCacheSizeOnly();
    void applyRestart_data();
    void applyRestart();
    void applyUnitsAndDisplay();
    void navigationModePushed_data();
    void navigationModePushed();
    void applyWithoutRendererOrMainWindow();
    void panelWithoutApplication();

    void resetRestoresDefaults();
    void resetAtDefaultsDoesNothing();
    void cancelPutsStoreBack();
    void loadingEmitsNothing();
    void userEditsEmit();

    void colorDialog_data();
    void colorDialog();
    void folderChooserCancelled();
    void folderChooserAccepted();
    void logFileChooserAccepted();

    void coresText_data();
    void coresText();
    void sceneUnitComboIndex_data();
    void sceneUnitComboIndex();
    void softwareMessageLinks();
    void renderingModeActionEnabled();
    void pathsElidedOnResize();
    void lookWithStyleSheet();

private:
    template <typename T>
    T* child(const char* pName) const
    {
        return mPanel->findChild<T*>(QLatin1String(pName));
    }

    void reload() { mPanel->initializeWidget(); }

    std::unique_ptr<QTemporaryDir> mDir;
    std::unique_ptr<QSettings> mSettings;
    kmDMIApplication* mApplication = nullptr;
    kmMainWindow* mMainWindow = nullptr;
    ZelGeneralSettingsPanel* mPanel = nullptr;
    QList<QUrl> mOpenedUrls;
};

void tst_ZelGeneralSettingsPanel::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    zel::ZelControlCenter::InitDefaultSettingsValues();
}

void tst_ZelGeneralSettingsPanel::init()
{
    mDir = std::make_unique<QTemporaryDir>();
    QVERIFY(mDir->isValid());
    mSettings = std::make_unique<QSettings>(mDir->filePath(QStringLiteral("settings.ini")),
                                            QSettings::IniFormat);
    QString message;
    QVERIFY2(zel::ZelControlCenter::EnsureSettings(*mSettings, message), qPrintable(message));

    mApplication = new kmDMIApplication;
    mMainWindow = new kmMainWindow;
    mApplication->setMainWindow(mMainWindow);
    mPanel = new ZelGeneralSettingsPanel(mApplication, *mSettings);
    mPanel->initializeWidget();
}

void tst_ZelGeneralSettingsPanel::cleanup()
{
    delete mPanel;
    mPanel = nullptr;
    delete mMainWindow;
    mMainWindow = nullptr;
    delete mApplication;
    mApplication = nullptr;
    mSettings.reset();
    mDir->setAutoRemove(!QTest::currentTestFailed());
    mDir.reset();
    mOpenedUrls.clear();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_ZelGeneralSettingsPanel::construction()
{
    QCOMPARE(mPanel->getPanelName(), QStringLiteral("GENERAL"));
    QCOMPARE(mPanel->getActionWidget()->text(), QStringLiteral("GENERAL"));
    QCOMPARE(mPanel->getPanelCategory(), ZelSettingsPanel::ApplicationCategory);

    auto* slider = child<QSlider>("coreUsedSlider");
    QVERIFY(slider);
    if (QThread::idealThreadCount() != -1)
        QCOMPARE(slider->maximum(), QThread::idealThreadCount());

    auto* naming = child<km::kmComboBox>("mPsNamingPolicyComboBox");
    QVERIFY(naming);
    QCOMPARE(naming->count(), 3);
    QCOMPARE(naming->itemText(2), QStringLiteral("Component and Instance name"));
    QCOMPARE(naming->itemData(2).toInt(), 2);

    auto* units = child<km::kmComboBox>("units_comboBox");
    QCOMPARE(units->count(), 4);
    QCOMPARE(units->itemText(1), QStringLiteral("Centimer (cm)"));
    auto* navigation = child<km::kmComboBox>("mNavModeComboBox");
    QCOMPARE(navigation->count(), 2);
    QCOMPARE(navigation->itemData(1).toString(), QStringLiteral("examine"));

    auto* cacheSize = child<QSpinBox>("databaseSpinBox");
    QCOMPARE(cacheSize->minimum(), 10);
    QCOMPARE(cacheSize->maximum(), 102400);
    QCOMPARE(cacheSize->singleStep(), 10);
    QCOMPARE(cacheSize->suffix(), QStringLiteral(" Mo"));
    QCOMPARE(child<QSpinBox>("maxTrianglesSpinBox")->maximum(), 500000000);
    QCOMPARE(child<QSpinBox>("nbDecimals_spinBox")->maximum(), 9);
    QCOMPARE(child<QPushButton>("databaseButton")->property("class").toString(),
             QStringLiteral("flatButton textLeftAlign"));
    QVERIFY(child<QLabel>("softwareTextLabel")->text().contains(
        QStringLiteral("<a href=\"User manual\">documentation</a>")));
}

void tst_ZelGeneralSettingsPanel::sectionVisibility_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("visible");
    const char* const shown[] = {"summaryLabel", "parametersHeader", "parametersFrame",
                                 "hardwareFrame", "productStructureHeader",
                                 "productStructureFrame", "unitsHeader", "unitsFrame",
                                 "controlsHeader", "controlsFrame", "cacheHeader",
                                 "cacheFrame", "folderHeader", "folderFrame"};
    const char* const hidden[] = {"engineHeader", "engineFrame", "performancesHeader",
                                  "performancesFrame", "softwareTextMessage"};
    for (const char* name : shown)
        QTest::addRow("%s", name) << QString::fromLatin1(name) << true;
    for (const char* name : hidden)
        QTest::addRow("%s", name) << QString::fromLatin1(name) << false;
}

void tst_ZelGeneralSettingsPanel::sectionVisibility()
{
    QFETCH(QString, name);
    QFETCH(bool, visible);
    auto* widget = mPanel->findChild<QWidget*>(name);
    QVERIFY(widget);
    QCOMPARE(widget->isVisibleTo(mPanel), visible);
}

void tst_ZelGeneralSettingsPanel::loadedStoreIsNotModified()
{
    QVERIFY(!mPanel->hasModifications());
    QVERIFY(!mPanel->cancelModifications());
    QCOMPARE(child<QSpinBox>("maxCPU3DSpinBox")->value(), 128);
    QCOMPARE(child<QSpinBox>("maxGPUSPinBox")->value(), 1024);
    QCOMPARE(child<QSpinBox>("maxTrianglesSpinBox")->value(), 6000000);
    QCOMPARE(child<QSpinBox>("databaseSpinBox")->value(), 1024);
    QVERIFY(child<QCheckBox>("deferredFXAACheckBox")->isChecked());
    QVERIFY(!child<QCheckBox>("flatShadingCheckbox")->isChecked());
}

void tst_ZelGeneralSettingsPanel::namingPolicyFromStore_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<int>("index");
    QTest::addRow("absent") << QVariant() << 0;
    QTest::addRow("1") << QVariant(1) << 1;
    QTest::addRow("2") << QVariant(2) << 2;
    QTest::addRow("3") << QVariant(3) << 0;
    QTest::addRow("-1") << QVariant(-1) << 0;
    QTest::addRow("text") << QVariant(QStringLiteral("component")) << 0;
}

void tst_ZelGeneralSettingsPanel::namingPolicyFromStore()
{
    QFETCH(QVariant, stored);
    QFETCH(int, index);
    auto* combo = child<km::kmComboBox>("mPsNamingPolicyComboBox");
    combo->setCurrentIndex(index == 1 ? 2 : 1);
    if (stored.isValid())
        mSettings->setValue(QStringLiteral("display/namingPolicy"), stored);
    reload();
    QCOMPARE(combo->currentIndex(), index);
    QVERIFY(!mPanel->hasModifications());
}

void tst_ZelGeneralSettingsPanel::displayPanelsFromStore_data()
{
    QTest::addColumn<QVariant>("storedPs");
    QTest::addColumn<QVariant>("storedTool");
    QTest::addColumn<bool>("ps");
    QTest::addColumn<bool>("tool");
    QTest::addRow("both absent") << QVariant() << QVariant() << true << true;
    QTest::addRow("ps off, tool absent") << QVariant(false) << QVariant() << false << true;
    QTest::addRow("ps absent, tool off") << QVariant() << QVariant(false) << true << false;
    QTest::addRow("both stored on") << QVariant(true) << QVariant(true) << true << true;
}

void tst_ZelGeneralSettingsPanel::displayPanelsFromStore()
{
    QFETCH(QVariant, storedPs);
    QFETCH(QVariant, storedTool);
    QFETCH(bool, ps);
    QFETCH(bool, tool);
    child<QCheckBox>("displayPsCheckbox")->setChecked(!ps);
    child<QCheckBox>("displayToolCheckbox")->setChecked(!tool);
    if (storedPs.isValid())
        mSettings->setValue(QStringLiteral("display/displayps"), storedPs);
    if (storedTool.isValid())
        mSettings->setValue(QStringLiteral("display/displaytool"), storedTool);
    reload();
    QCOMPARE(child<QCheckBox>("displayPsCheckbox")->isChecked(), ps);
    QCOMPARE(child<QCheckBox>("displayToolCheckbox")->isChecked(), tool);
    QVERIFY(!mPanel->hasModifications());
}

void tst_ZelGeneralSettingsPanel::fillCutplaneAbsentFromStore()
{
    QVERIFY(!mSettings->contains(QStringLiteral("engine/fillCutplane")));
    mSettings->setValue(QStringLiteral("engine/flatShading"), true);
    reload();
    QVERIFY(!child<QCheckBox>("fillCutplaneCheckbox")->isChecked());
    QVERIFY(child<QCheckBox>("flatShadingCheckbox")->isChecked());
    QVERIFY(!mPanel->hasModifications());
    // The defaults fill cut planes and use smooth shading, whatever the store says.
    QVERIFY(mPanel->canResetContent());
    mPanel->resetContent();
    QVERIFY(child<QCheckBox>("fillCutplaneCheckbox")->isChecked());
    QVERIFY(!child<QCheckBox>("flatShadingCheckbox")->isChecked());
}

void tst_ZelGeneralSettingsPanel::controlsFromStore_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("index");
    QTest::addRow("examine") << QStringLiteral("examine") << 1;
    QTest::addRow("arcball") << QStringLiteral("arcball") << 0;
    QTest::addRow("other") << QStringLiteral("walk") << 0;
    QTest::addRow("empty") << QString() << 0;
}

void tst_ZelGeneralSettingsPanel::controlsFromStore()
{
    QFETCH(QString, stored);
    QFETCH(int, index);
    mSettings->setValue(QStringLiteral("Controls/controller"), stored);
    reload();
    auto* combo = child<km::kmComboBox>("mNavModeComboBox");
    QCOMPARE(combo->currentIndex(), index);
    QCOMPARE(combo->currentText(),
             index == 1 ? QStringLiteral("Examine mode") : QStringLiteral("Arcball mode"));
}

void tst_ZelGeneralSettingsPanel::unitsFromStore()
{
    mSettings->setValue(QStringLiteral("units/name"), QStringLiteral("in"));
    mSettings->setValue(QStringLiteral("units/nbDecimals"), 5);
    reload();
    QCOMPARE(child<km::kmComboBox>("units_comboBox")->currentIndex(), 3);
    QCOMPARE(child<km::kmComboBox>("units_comboBox")->count(), 4);
    QCOMPARE(child<QSpinBox>("nbDecimals_spinBox")->value(), 5);
    QVERIFY(!mPanel->hasModifications());
}

void tst_ZelGeneralSettingsPanel::colorAndPathsFromStore()
{
    const QString cacheFolder = mDir->filePath(QStringLiteral("cache"));
    const QString logFile = mDir->filePath(QStringLiteral("logs/viewer.log"));
    mSettings->setValue(QStringLiteral("engine/backgroundColor"), QStringLiteral("#80102030"));
    mSettings->setValue(QStringLiteral("DBCache/cacheDirectory"), cacheFolder);
    mSettings->setValue(QStringLiteral("Logging/logFile"), logFile);
    reload();
    QCOMPARE(child<QPushButton>("backgroundColorButton")->styleSheet(),
             QStringLiteral("background-color:#80102030;"));
    QCOMPARE(child<QPushButton>("databaseButton")->toolTip(), cacheFolder);
    QCOMPARE(child<QPushButton>("mLogFolderButton")->toolTip(), logFile);
    QVERIFY(!mPanel->hasModifications());
}

void tst_ZelGeneralSettingsPanel::memoryShownInMegabytes_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("spinBox");
    QTest::addColumn<quint64>("stored");
    QTest::addColumn<int>("shown");
    QTest::addColumn<bool>("modified");
    QTest::addColumn<quint64>("saved");
    QTest::addRow("GPU whole")
        << "Resources/MaxGPUMemory" << "maxGPUSPinBox" << Q_UINT64_C(1073741824) << 1024
        << false << Q_UINT64_C(1073741824);
    QTest::addRow("GPU one byte short")
        << "Resources/MaxGPUMemory" << "maxGPUSPinBox" << Q_UINT64_C(1073741823) << 1023
        << true << Q_UINT64_C(1072693248);
    QTest::addRow("CPU 3D largest")
        << "Resources/MaxCPUMemory3D" << "maxCPU3DSpinBox" << Q_UINT64_C(8489271296) << 8096
        << false << Q_UINT64_C(8489271296);
}

void tst_ZelGeneralSettingsPanel::memoryShownInMegabytes()
{
    QFETCH(QString, key);
    QFETCH(QString, spinBox);
    QFETCH(quint64, stored);
    QFETCH(int, shown);
    QFETCH(bool, modified);
    QFETCH(quint64, saved);
    mSettings->setValue(key, stored);
    reload();
    QCOMPARE(mPanel->findChild<QSpinBox*>(spinBox)->value(), shown);
    QCOMPARE(mPanel->hasModifications(), modified);
    // Saving happens on any apply; flip a display option to have one.
    child<QCheckBox>("displayToolCheckbox")->click();
    mPanel->applyModifications();
    QCOMPARE(mSettings->value(key).toULongLong(), saved);
}

void tst_ZelGeneralSettingsPanel::memoryStoredInBytes_data()
{
    QTest::addColumn<int>("megabytes");
    QTest::addColumn<quint64>("bytes");
    QTest::addRow("128") << 128 << Q_UINT64_C(134217728);
    QTest::addRow("8096") << 8096 << Q_UINT64_C(8489271296);
}

void tst_ZelGeneralSettingsPanel::memoryStoredInBytes()
{
    QFETCH(int, megabytes);
    QFETCH(quint64, bytes);
    auto* spin = child<QSpinBox>("maxCPU3DSpinBox");
    spin->setValue(megabytes == 128 ? 4000 : 200);
    QVERIFY(mPanel->hasModifications());
    mPanel->applyModifications();
    spin->setValue(megabytes);
    QVERIFY(mPanel->hasModifications());
    mPanel->applyModifications();
    QCOMPARE(mSettings->value(QStringLiteral("Resources/MaxCPUMemory3D")).toULongLong(), bytes);
    QVERIFY(!mPanel->hasModifications());
}

void tst_ZelGeneralSettingsPanel::rayMemoryHasDefinedValue()
{
    // No key backs it: every showing of an engine group puts the same value back.
    auto* spin = child<QSpinBox>("maxCPURaySpinBox");
    QCOMPARE(spin->value(), 128);
    spin->setValue(4000);
    reload();
    QCOMPARE(spin->value(), 128);
    spin->setValue(4000);
    QVERIFY(!mPanel->hasModifications());
    QVERIFY(mPanel->canResetContent());
    mPanel->resetContent();
    QCOMPARE(spin->value(), 128);
}

void tst_ZelGeneralSettingsPanel::applyWithoutChangesWritesNothing()
{
    // Only an apply that writes would put "deferred" back.
    mSettings->setValue(QStringLiteral("engine"), QStringLiteral("software"));
    mApplication->getRenderer()->setTargetTriangles(7);
    mApplication->updateAppUnits(INCH, 7);
    const QStringList keysBefore = mSettings->allKeys();

    QVERIFY(!mPanel->hasModifications());
    QVERIFY(!mPanel->applyModifications());

    QCOMPARE(mSettings->allKeys(), keysBefore);
    QCOMPARE(mSettings->value(QStringLiteral("engine")).toString(), QStringLiteral("software"));
    QVERIFY(!mSettings->contains(QStringLiteral("display/namingPolicy")));
    QCOMPARE(mApplication->getRenderer()->getTargetTriangles(), quint64(7));
    QCOMPARE(mApplication->getAppUnit(), INCH);
}

void tst_ZelGeneralSettingsPanel::applyColorOnly()
{
    kmDMRenderer* renderer = mApplication->getRenderer();
    auto* fxaa = child<QCheckBox>("deferredFXAACheckBox");
    auto* outline = child<QCheckBox>("deferredEDCheckBox");
    auto* flat = child<QCheckBox>("flatShadingCheckbox");
    auto* fill = child<QCheckBox>("fillCutplaneCheckbox");
    // The renderer starts opposite to the panel, so that each call shows in its state.
    renderer->setFXAAEnabled(!fxaa->isChecked());
    renderer->setEdgeHiglightEnabled(!outline->isChecked());
    renderer->setLightingMode(!flat->isChecked());
    renderer->setFillCutplaneFaces(!fill->isChecked());
    renderer->setTargetTriangles(0);
    mMainWindow->setProcessingPower(0);
    mApplication->updateAppUnits(INCH, 7);

    AnswerModal([](QWidget* pModal) {
        auto* dialog = qobject_cast<QColorDialog*>(pModal);
        if (!dialog)
            return;
        dialog->setCurrentColor(QColor(255, 128, 0, 255));
        ClickDialogButton(dialog, QDialogButtonBox::Ok);
    });
    child<QPushButton>("backgroundColorButton")->click();

    QVERIFY(mPanel->hasModifications());
    QVERIFY(!mPanel->applyModifications());

    QCOMPARE(renderer->isFXAAEnabled(), fxaa->isChecked());
    QCOMPARE(renderer->isEdgeHiglightEnabled(), outline->isChecked());
    QCOMPARE(renderer->isFlatLighting(), flat->isChecked());
    QCOMPARE(renderer->isFillCutplaneFaces(), fill->isChecked());
    QVERIFY(renderer->getBackgroundColor() == Wm4::ColorRGBA(1.0f, 128 / 255.0f, 0.0f, 1.0f));
    QCOMPARE(renderer->getTargetTriangles(), quint64(6000000));
    QCOMPARE(renderer->getMaxCPUMemory(), Q_UINT64_C(1) << 62);
    QCOMPARE(renderer->getMaxGPUMemory(), Q_UINT64_C(1) << 62);
    QCOMPARE(mMainWindow->getProcessingPower(), child<QSlider>("coreUsedSlider")->value());
    // Groups that did not change are not pushed.
    QCOMPARE(mApplication->getAppUnit(), INCH);
    QCOMPARE(mApplication->getDMManager()->getMaxCacheSize(), 0u);

    for (const char* key : kPanelKeys)
        QVERIFY2(mSettings->contains(QLatin1String(key)), key);
    QCOMPARE(mSettings->value(QStringLiteral("engine/backgroundColor")).toString(),
             QStringLiteral("#FFFF8000"));
    QCOMPARE(mSettings->value(QStringLiteral("engine")).toString(), QStringLiteral("deferred"));
    QCOMPARE(mSettings->value(QStringLiteral("display/namingPolicy")).toInt(), 0);
    QVERIFY(!mPanel->hasModifications());
}

void tst_ZelGeneralSettingsPanel::applyCacheSizeOnly()
{
    QSignalSpy spy(mPanel, &ZelGeneralSettingsPanel::stateChanged);
    QVERIFY(spy.isValid());
    auto* spin = child<QSpinBox>("databaseSpinBox");
    QTest::keyClick(spin, Qt::Key_Up);
    QCOMPARE(spin->value(), 1034);
    QCOMPARE(spy.count(), 0);
    QVERIFY(mPanel->hasModifications());
    QVERIFY(!mPanel->applyModifications());
    QCOMPARE(mApplication->getDMManager()->getMaxCacheSize(), 1034u);
    QCOMPARE(mSettings->value(QStringLiteral("DBCache/cacheSize")).toInt(), 1034);
}

void tst_ZelGeneralSettingsPanel::applyRestart_data()
{
    QTest::addColumn<bool>("changeCacheFolder");
    QTest::addColumn<bool>("changeLogFile");
    QTest::addColumn<bool>("changeEngine");
    QTest::addColumn<bool>("storedSoftware");
    QTest::addColumn<bool>("restart");
    QTest::addRow("cache folder only") << true << false << false << false << false;
    QTest::addRow("log file only") << false << true << false << false << false;
    QTest::addRow("engine only") << false << false << true << false << false;
    QTest::addRow("cache folder and engine") << true << false << true << false << true;
    QTest::addRow("log file and engine") << false << true << true << false << true;
    QTest::addRow("stored software and engine") << false << false << true << true << true;
    QTest::addRow("stored software, log file") << false << true << false << true << false;
}

void tst_ZelGeneralSettingsPanel::applyRestart()
{
    QFETCH(bool, changeCacheFolder);
    QFETCH(bool, changeLogFile);
    QFETCH(bool, changeEngine);
    QFETCH(bool, storedSoftware);
    QFETCH(bool, restart);

    if (storedSoftware)
        mSettings->setValue(QStringLiteral("engine"), QStringLiteral("software"));
    const QString cacheFolder = mDir->filePath(QStringLiteral("newCache"));
    const QString logFile = mDir->filePath(QStringLiteral("new.log"));
    if (changeCacheFolder)
        child<QPushButton>("databaseButton")->setToolTip(cacheFolder);
    if (changeLogFile)
        child<QPushButton>("mLogFolderButton")->setToolTip(logFile);
    if (changeEngine)
        child<QCheckBox>("deferredEDCheckBox")->click();

    QCOMPARE(mPanel->applyModifications(), restart);
    if (changeCacheFolder)
        QCOMPARE(mSettings->value(QStringLiteral("DBCache/cacheDirectory")).toString(),
                 cacheFolder);
    if (changeLogFile)
        QCOMPARE(mSettings->value(QStringLiteral("Logging/logFile")).toString(), logFile);
    QCOMPARE(mSettings->value(QStringLiteral("engine")).toString(), QStringLiteral("deferred"));
}

void tst_ZelGeneralSettingsPanel::applyUnitsAndDisplay()
{
    child<km::kmComboBox>("units_comboBox")->setCurrentIndex(1);
    QTest::keyClick(child<QSpinBox>("nbDecimals_spinBox"), Qt::Key_Up);
    child<km::kmComboBox>("mPsNamingPolicyComboBox")->setCurrentIndex(2);
    child<QCheckBox>("displayPsCheckbox")->click();

    QVERIFY(!mPanel->applyModifications());
    QCOMPARE(mApplication->getAppUnit(), CENTIMETER);
    QCOMPARE(mApplication->getAppNbDecimals(), 3);
    QCOMPARE(mApplication->getDMManager()->getDefaultInstanceNamingPolicy().getType(),
             InstanceNamingPolicy::COMPONENT_AND_INSTANCE_NAME);
    QVERIFY(!mMainWindow->isProductStructurePanelShown());
    QVERIFY(mMainWindow->isToolPanelShown());
    QCOMPARE(mSettings->value(QStringLiteral("units/name")).toString(), QStringLiteral("cm"));
    QCOMPARE(mSettings->value(QStringLiteral("units/nbDecimals")).toInt(), 3);
    QCOMPARE(mSettings->value(QStringLiteral("display/namingPolicy")).toInt(), 2);
    QCOMPARE(mSettings->value(QStringLiteral("display/displayps")).toBool(), false);
}

void tst_ZelGeneralSettingsPanel::navigationModePushed_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("chosenIndex");
    QTest::addColumn<int>("mode");
    QTest::addRow("examine") << QStringLiteral("arcball") << 1 << 2;
    QTest::addRow("arcball") << QStringLiteral("examine") << 0 << 1;
    QTest::addRow("arcball over an empty name") << QString() << 0 << 1;
}

void tst_ZelGeneralSettingsPanel::navigationModePushed()
{
    QFETCH(QString, stored);
    QFETCH(int, chosenIndex);
    QFETCH(int, mode);
    km::kmNavigationManagerBase* navigation = mApplication->getNavigationManager();
    navigation->setNavigationMode(km::kmNavigationManagerBase::NONE, false);
    mSettings->setValue(QStringLiteral("Controls/controller"), stored);
    reload();
    child<km::kmComboBox>("mNavModeComboBox")->setCurrentIndex(chosenIndex);
    QVERIFY(mPanel->hasModifications());
    QVERIFY(!mPanel->applyModifications());
    QCOMPARE(int(navigation->getNavigationMode()), mode);
    QCOMPARE(mSettings->value(QStringLiteral("Controls/controller")).toString(),
             chosenIndex == 1 ? QStringLiteral("examine") : QStringLiteral("arcball"));
}

void tst_ZelGeneralSettingsPanel::applyWithoutRendererOrMainWindow()
{
    mApplication->setRenderer(nullptr);
    mApplication->setMainWindow(nullptr);
    mApplication->setDMManager(nullptr);
    mApplication->setNavigationManager(nullptr);
    AnswerModal([](QWidget* pModal) {
        if (auto* dialog = qobject_cast<QColorDialog*>(pModal)) {
            dialog->setCurrentColor(QColor(10, 20, 30));
            ClickDialogButton(dialog, QDialogButtonBox::Ok);
        }
    });
    child<QPushButton>("backgroundColorButton")->click();
    child<QCheckBox>("displayToolCheckbox")->click();
    child<km::kmComboBox>("mNavModeComboBox")->setCurrentIndex(1);
    QTest::keyClick(child<QSpinBox>("databaseSpinBox"), Qt::Key_Up);

    QVERIFY(!mPanel->applyModifications());
    QCOMPARE(mSettings->value(QStringLiteral("engine/backgroundColor")).toString(),
             QStringLiteral("#FF0A141E"));
    QCOMPARE(mSettings->value(QStringLiteral("display/displaytool")).toBool(), false);
    QVERIFY(mMainWindow->isToolPanelShown());
    QVERIFY(!mPanel->hasModifications());
}

void tst_ZelGeneralSettingsPanel::panelWithoutApplication()
{
    ZelGeneralSettingsPanel panel(nullptr, *mSettings);
    panel.initializeWidget();
    panel.findChild<km::kmComboBox*>(QStringLiteral("units_comboBox"))->setCurrentIndex(2);
    panel.findChild<QCheckBox*>(QStringLiteral("deferredFXAACheckBox"))->click();
    panel.findChild<QCheckBox*>(QStringLiteral("displayPsCheckbox"))->click();
    panel.findChild<km::kmComboBox*>(QStringLiteral("mNavModeComboBox"))->setCurrentIndex(1);
    QTest::keyClick(panel.findChild<QSpinBox*>(QStringLiteral("databaseSpinBox")), Qt::Key_Up);
    QVERIFY(!panel.applyModifications());
    QCOMPARE(mSettings->value(QStringLiteral("units/name")).toString(), QStringLiteral("m"));
    QCOMPARE(mSettings->value(QStringLiteral("Controls/controller")).toString(),
             QStringLiteral("examine"));

    AnswerModal([](QWidget* pModal) { ClickDialogButton(pModal, QDialogButtonBox::Cancel); });
    panel.findChild<QPushButton*>(QStringLiteral("databaseButton"))->click();
    QVERIFY(!panel.hasModifications());
}

void tst_ZelGeneralSettingsPanel::resetRestoresDefaults()
{
    mSettings->setValue(QStringLiteral("Controls/controller"), QStringLiteral("examine"));
    mSettings->setValue(QStringLiteral("units/name"), QStringLiteral("in"));
    mSettings->setValue(QStringLiteral("display/namingPolicy"), 1);
    mSettings->setValue(QStringLiteral("DBCache/cacheSize"), 4000);
    mSettings->setValue(QStringLiteral("engine/backgroundColor"), QStringLiteral("#FF000000"));
    reload();
    QSignalSpy spy(mPanel, &ZelGeneralSettingsPanel::stateChanged);
    QVERIFY(mPanel->canResetContent());

    mPanel->resetContent();

    QCOMPARE(spy.count(), 1);
    QCOMPARE(child<km::kmComboBox>("mNavModeComboBox")->currentText(),
             QStringLiteral("Arcball mode"));
    QCOMPARE(child<km::kmComboBox>("units_comboBox")->currentIndex(), 0);
    QCOMPARE(child<km::kmComboBox>("mPsNamingPolicyComboBox")->currentIndex(), 0);
    QCOMPARE(child<QSpinBox>("databaseSpinBox")->value(), 1024);
    QCOMPARE(child<QPushButton>("backgroundColorButton")->styleSheet(),
             QStringLiteral("background-color:#ffc0c0c0;"));
    QCOMPARE(child<QPushButton>("databaseButton")->toolTip(),
             zel::ZelControlCenter::GetDefaultSettingsValue(
                 QStringLiteral("DBCache/cacheDirectory")));
    QVERIFY(child<QCheckBox>("fillCutplaneCheckbox")->isChecked());
    QVERIFY(!mPanel->canResetContent());
    // Nothing reaches the store before an apply.
    QCOMPARE(mSettings->value(QStringLiteral("Controls/controller")).toString(),
             QStringLiteral("examine"));
    QVERIFY(mPanel->hasModifications());
}

void tst_ZelGeneralSettingsPanel::resetAtDefaultsDoesNothing()
{
    mPanel->resetContent();
    QVERIFY(!mPanel->canResetContent());
    QSignalSpy spy(mPanel, &ZelGeneralSettingsPanel::stateChanged);
    mPanel->resetContent();
    QCOMPARE(spy.count(), 0);
}

void tst_ZelGeneralSettingsPanel::cancelPutsStoreBack()
{
    QSignalSpy spy(mPanel, &ZelGeneralSettingsPanel::stateChanged);
    child<QCheckBox>("deferredFXAACheckBox")->click();
    child<km::kmComboBox>("units_comboBox")->setCurrentIndex(2);
    child<QPushButton>("mLogFolderButton")->setToolTip(QStringLiteral("/elsewhere/log.txt"));
    QCOMPARE(spy.count(), 2);
    QVERIFY(mPanel->hasModifications());

    QVERIFY(mPanel->cancelModifications());

    QCOMPARE(spy.count(), 2);
    QVERIFY(child<QCheckBox>("deferredFXAACheckBox")->isChecked());
    QCOMPARE(child<km::kmComboBox>("units_comboBox")->currentIndex(), 0);
    QCOMPARE(child<QPushButton>("mLogFolderButton")->toolTip(),
             mSettings->value(QStringLiteral("Logging/logFile")).toString());
    QVERIFY(!mPanel->hasModifications());
    QVERIFY(!mPanel->cancelModifications());
}

void tst_ZelGeneralSettingsPanel::loadingEmitsNothing()
{
    QSignalSpy spy(mPanel, &ZelGeneralSettingsPanel::stateChanged);
    mSettings->setValue(QStringLiteral("engine/useFXAA"), false);
    mSettings->setValue(QStringLiteral("engine/useOutline"), false);
    mSettings->setValue(QStringLiteral("engine/flatShading"), true);
    mSettings->setValue(QStringLiteral("engine/fillCutplane"), true);
    mSettings->setValue(QStringLiteral("engine/coreNumber"), 1);
    mSettings->setValue(QStringLiteral("Resources/MaxGPUMemory"), Q_UINT64_C(2147483648));
    mSettings->setValue(QStringLiteral("Resources/LODTrianglesCap"), 70000);
    mSettings->setValue(QStringLiteral("units/name"), QStringLiteral("m"));
    mSettings->setValue(QStringLiteral("units/nbDecimals"), 4);
    mSettings->setValue(QStringLiteral("display/namingPolicy"), 2);
    mSettings->setValue(QStringLiteral("display/displaytool"), false);
    mSettings->setValue(QStringLiteral("DBCache/cacheSize"), 20);
    mSettings->setValue(QStringLiteral("Controls/controller"), QStringLiteral("examine"));
    reload();
    QCOMPARE(spy.count(), 0);
    QCOMPARE(child<QSpinBox>("maxGPUSPinBox")->value(), 2048);
    QCOMPARE(child<QSpinBox>("maxTrianglesSpinBox")->value(), 70000);
    QCOMPARE(child<QSlider>("coreUsedSlider")->value(), 1);
    QVERIFY(!mPanel->hasModifications());
}

void tst_ZelGeneralSettingsPanel::userEditsEmit()
{
    QSignalSpy spy(mPanel, &ZelGeneralSettingsPanel::stateChanged);
    child<QCheckBox>("flatShadingCheckbox")->click();
    QCOMPARE(spy.count(), 1);
    QTest::keyClick(child<QSpinBox>("maxTrianglesSpinBox"), Qt::Key_Up);
    QCOMPARE(spy.count(), 2);
    child<km::kmComboBox>("mNavModeComboBox")->setCurrentIndex(1);
    QCOMPARE(spy.count(), 3);
    child<QPushButton>("deferredButton")->click();
    QCOMPARE(spy.count(), 4);
    child<QPushButton>("softwareButton")->click();
    QCOMPARE(spy.count(), 4);
}

void tst_ZelGeneralSettingsPanel::colorDialog_data()
{
    QTest::addColumn<bool>("accept");
    QTest::addRow("accepted") << true;
    QTest::addRow("cancelled") << false;
}

void tst_ZelGeneralSettingsPanel::colorDialog()
{
    QFETCH(bool, accept);
    mSettings->setValue(QStringLiteral("engine/backgroundColor"), QStringLiteral("#FF1226AA"));
    reload();
    QSignalSpy spy(mPanel, &ZelGeneralSettingsPanel::stateChanged);
    QColor offered;
    QString failure;
    AnswerModal([&](QWidget* pModal) {
        auto* dialog = qobject_cast<QColorDialog*>(pModal);
        if (!dialog) {
            failure = QStringLiteral("not a colour dialog");
            QMetaObject::invokeMethod(pModal, "reject", Qt::QueuedConnection);
            return;
        }
        offered = dialog->currentColor();
        dialog->setCurrentColor(QColor(255, 127, 0, 64));
        failure = ClickDialogButton(dialog, accept ? QDialogButtonBox::Ok
                                                   : QDialogButtonBox::Cancel);
    });
    child<QPushButton>("backgroundColorButton")->click();

    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QCOMPARE(offered, QColor(18, 38, 170, 255));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(child<QPushButton>("backgroundColorButton")->styleSheet(),
             accept ? QStringLiteral("background-color:#40ff7f00;")
                    : QStringLiteral("background-color:#ff1226aa;"));
    QCOMPARE(mPanel->hasModifications(), accept);
}

void tst_ZelGeneralSettingsPanel::folderChooserCancelled()
{
    QSignalSpy spy(mPanel, &ZelGeneralSettingsPanel::stateChanged);
    QSignalSpy updates(mApplication, &kmDMIApplication::viewUpdatesEnabledChanged);
    const QString before = child<QPushButton>("databaseButton")->toolTip();
    bool updatesWhileOpen = true;
    QString failure;
    AnswerModal([&](QWidget* pModal) {
        updatesWhileOpen = mApplication->areViewUpdatesEnabled();
        failure = ClickDialogButton(pModal, QDialogButtonBox::Cancel);
    });
    child<QPushButton>("databaseButton")->click();

    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QVERIFY(!updatesWhileOpen);
    QVERIFY(mApplication->areViewUpdatesEnabled());
    QCOMPARE(updates.count(), 2);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(child<QPushButton>("databaseButton")->toolTip(), before);
    QVERIFY(!mPanel->hasModifications());
}

void tst_ZelGeneralSettingsPanel::folderChooserAccepted()
{
    const QString folder =
        mDir->filePath(QStringLiteral("a rather long folder name for the 3D database cache"));
    QVERIFY(QDir().mkpath(folder));
    mPanel->resize(420, 800);
    QSignalSpy spy(mPanel, &ZelGeneralSettingsPanel::stateChanged);
    QString caption;
    QString failure;
    AnswerModal([&](QWidget* pModal) {
        auto* dialog = qobject_cast<QFileDialog*>(pModal);
        auto* edit = pModal->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (!dialog || !edit) {
            failure = QStringLiteral("not a file dialog");
            QMetaObject::invokeMethod(pModal, "reject", Qt::QueuedConnection);
            return;
        }
        caption = dialog->windowTitle();
        edit->setText(folder);
        failure = ClickDialogButton(dialog, QDialogButtonBox::Open);
    });
    auto* button = child<QPushButton>("databaseButton");
    button->click();

    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QCOMPARE(caption, QStringLiteral("Please set your database cache folder"));
    QCOMPARE(button->toolTip(), folder);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(button->text(), button->fontMetrics().elidedText(folder, Qt::ElideLeft,
                                                              button->width() - 12));
    QVERIFY(button->text() != folder);
    QVERIFY(mPanel->hasModifications());
    mPanel->applyModifications();
    QCOMPARE(mSettings->value(QStringLiteral("DBCache/cacheDirectory")).toString(), folder);
}

void tst_ZelGeneralSettingsPanel::logFileChooserAccepted()
{
    const QString file = mDir->filePath(QStringLiteral("viewer.log"));
    QFile log(file);
    QVERIFY(log.open(QIODevice::WriteOnly));
    log.close();
    QSignalSpy spy(mPanel, &ZelGeneralSettingsPanel::stateChanged);
    QString failure;
    AnswerModal([&](QWidget* pModal) {
        auto* edit = pModal->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (!edit) {
            failure = QStringLiteral("not a file dialog");
            QMetaObject::invokeMethod(pModal, "reject", Qt::QueuedConnection);
            return;
        }
        edit->setText(file);
        failure = ClickDialogButton(pModal, QDialogButtonBox::Open);
    });
    child<QPushButton>("mLogFolderButton")->click();

    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QCOMPARE(child<QPushButton>("mLogFolderButton")->toolTip(), file);
    QCOMPARE(spy.count(), 1);
    QVERIFY(!mPanel->applyModifications());
    QCOMPARE(mSettings->value(QStringLiteral("Logging/logFile")).toString(), file);
}

void tst_ZelGeneralSettingsPanel::coresText_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("text");
    QTest::addRow("0") << 0 << QStringLiteral("0 core");
    QTest::addRow("1") << 1 << QStringLiteral("1 core");
    QTest::addRow("2") << 2 << QStringLiteral("2 cores");
    QTest::addRow("16") << 16 << QStringLiteral("16 cores");
}

void tst_ZelGeneralSettingsPanel::coresText()
{
    QFETCH(int, stored);
    QFETCH(QString, text);
    mSettings->setValue(QStringLiteral("engine/coreNumber"), stored);
    reload();
    QCOMPARE(child<QLabel>("coreUsedLabel")->text(), text);

    // Moving the slider speaks for itself.
    auto* slider = child<QSlider>("coreUsedSlider");
    slider->setMaximum(2);
    slider->setValue(1);
    QSignalSpy spy(mPanel, &ZelGeneralSettingsPanel::stateChanged);
    QTest::keyClick(slider, Qt::Key_Right);
    QCOMPARE(child<QLabel>("coreUsedLabel")->text(), QStringLiteral("2 cores"));
    QCOMPARE(spy.count(), 1);
}

void tst_ZelGeneralSettingsPanel::sceneUnitComboIndex_data()
{
    QTest::addColumn<float>("scale");
    QTest::addColumn<int>("index");
    QTest::addRow("0.001") << 0.001f << 0;
    QTest::addRow("0.0019") << 0.0019f << 0;
    QTest::addRow("0.00201") << 0.00201f << 3;
    QTest::addRow("0.0105") << 0.0105f << 1;
    QTest::addRow("0.0115") << 0.0115f << 3;
    QTest::addRow("0.1009") << 0.1009f << 2;
    QTest::addRow("0.1011") << 0.1011f << 3;
    QTest::addRow("10.0009") << 10.0009f << 4;
    QTest::addRow("10.002") << 10.002f << 3;
    QTest::addRow("99.9995") << 99.9995f << 5;
    QTest::addRow("100.002") << 100.002f << 3;
    QTest::addRow("1000") << 1000.0f << 6;
    QTest::addRow("1000.002") << 1000.002f << 3;
    QTest::addRow("0") << 0.0f << 3;
    QTest::addRow("-5") << -5.0f << 3;
}

void tst_ZelGeneralSettingsPanel::sceneUnitComboIndex()
{
    QFETCH(float, scale);
    QFETCH(int, index);
    QCOMPARE(ZelGeneralSettingsPanel::GetSceneUnitComboIndex(scale), index);
}

void tst_ZelGeneralSettingsPanel::softwareMessageLinks()
{
    auto* manual = new zelAction(QStringLiteral("User manual"), QStringLiteral("User manual"),
                                 mApplication);
    QVERIFY(mApplication->getActionManager()->registerAction(manual));
    QSignalSpy triggered(manual, &QAction::triggered);
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "recordUrl");
    auto* label = child<QLabel>("softwareTextLabel");

    Q_EMIT label->linkActivated(QStringLiteral("User manual"));
    QCOMPARE(triggered.count(), 1);
    QVERIFY(mOpenedUrls.isEmpty());

    Q_EMIT label->linkActivated(QStringLiteral("https://example.org/help"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QCOMPARE(triggered.count(), 1);
    QCOMPARE(mOpenedUrls, QList<QUrl>{QUrl(QStringLiteral("https://example.org/help"))});
}

void tst_ZelGeneralSettingsPanel::renderingModeActionEnabled()
{
    auto* action = new zelAction(QStringLiteral("renderingMode"), QStringLiteral("Rendering"),
                                 mApplication);
    QVERIFY(mApplication->getActionManager()->registerAction(action));
    action->setEnabled(false);
    reload();
    QVERIFY(action->isEnabled());
}

void tst_ZelGeneralSettingsPanel::pathsElidedOnResize()
{
    const QString folder = mDir->filePath(
        QStringLiteral("some/deeply/nested/folders/that/hold/the/3D/database/cache"));
    mSettings->setValue(QStringLiteral("DBCache/cacheDirectory"), folder);
    reload();
    mPanel->resize(420, 800);
    mPanel->show();
    QVERIFY(QTest::qWaitForWindowExposed(mPanel));
    auto* button = child<QPushButton>("databaseButton");
    QVERIFY(button->text().startsWith(QChar(0x2026)));
    QVERIFY(folder.endsWith(button->text().mid(1)));
    QCOMPARE(button->toolTip(), folder);

    mPanel->resize(3000, 800);
    QTRY_COMPARE(button->text(), folder);
}

void tst_ZelGeneralSettingsPanel::lookWithStyleSheet()
{
    QFile css(QStringLiteral(":/css/ViewerApp/resources/css/figura.css"));
    QVERIFY(css.open(QIODevice::ReadOnly));
    qApp->setStyleSheet(QString::fromUtf8(css.readAll()));
    mSettings->setValue(QStringLiteral("engine/backgroundColor"), QStringLiteral("#FF1226AA"));
    reload();
    // The hosts take the tab button into their own tab list.
    mPanel->getActionWidget()->hide();
    mPanel->resize(450, 900);
    mPanel->show();
    QVERIFY(QTest::qWaitForWindowExposed(mPanel));

    const QImage image = mPanel->grab().toImage();
    const QString folder = qEnvironmentVariable("ZEL_SCREENSHOT_DIR");
    if (!folder.isEmpty())
        QVERIFY(image.save(QDir(folder).filePath(QStringLiteral("general-panel.png"))));
    auto* swatch = child<QPushButton>("backgroundColorButton");
    const QPoint centre = swatch->mapTo(mPanel, swatch->rect().center());
    qApp->setStyleSheet(QString());
    QCOMPARE(image.pixelColor(centre), QColor(18, 38, 170));
}

QTEST_MAIN(tst_ZelGeneralSettingsPanel)
#include "tst_ZelGeneralSettingsPanel.moc"
