#include "ZelGeneralSettingsPanel.h"

#include "ColorDialog.h"
#include "ZelControlCenter.h"
#include "kmDMIApplication.h"
#include "kmDMManager.h"
#include "kmDMRenderer.h"
#include "kmMainWindow.h"
#include "kmNavigationManagerBase.h"
#include "zelAction.h"
#include "zelActionManager.h"
#include "zelFormat.h"

#include "ui_ZelGeneralSettingsPanel.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QSettings>
#include <QSignalBlocker>
#include <QThread>
#include <QUrl>

#include <cmath>
#include <iterator>
#include <limits>

// Where the software rendering message sends users who need help with rendering modes.
#define ZEL_CLIENT_SUPPORT_URL "https://support.vantora.example/contact"

namespace zel {

namespace {

const char kEngineKey[] = "engine";
const char kUseFXAAKey[] = "engine/useFXAA";
const char kUseOutlineKey[] = "engine/useOutline";
const char kFlatShadingKey[] = "engine/flatShading";
const char kFillCutplaneKey[] = "engine/fillCutplane";
const char kCoreNumberKey[] = "engine/coreNumber";
const char kBackgroundColorKey[] = "engine/backgroundColor";
const char kUnitNameKey[] = "units/name";
const char kNbDecimalsKey[] = "units/nbDecimals";
const char kLogFileKey[] = "Logging/logFile";
const char kCacheSizeKey[] = "DBCache/cacheSize";
const char kCacheDirectoryKey[] = "DBCache/cacheDirectory";
const char kControllerKey[] = "Controls/controller";
const char kMaxCPUMemory3DKey[] = "Resources/MaxCPUMemory3D";
const char kMaxGPUMemoryKey[] = "Resources/MaxGPUMemory";
const char kLODTrianglesCapKey[] = "Resources/LODTrianglesCap";
const char kNamingPolicyKey[] = "display/namingPolicy";
const char kDisplayPsKey[] = "display/displayps";
const char kDisplayToolKey[] = "display/displaytool";

const char kDeferredEngine[] = "deferred";
const char kSoftwareEngine[] = "software";
const char kArcballController[] = "arcball";
const char kExamineController[] = "examine";
const char kRenderingModeAction[] = "renderingMode";

const int kMegabyteShift = 20;
const int kElideMargin = 12;
// The renderer's own resource controller is left without a practical limit.
const quint64 kUnlimitedResources = Q_UINT64_C(1) << 62;

const char kSoftwareMessage[] =
    "You are currently using software rendering mode. This mode allow you to run Vantora "
    "without using graphics card however it has some limitation described in the "
    "<a href=\"User manual\">documentation</a>.You can also contact "
    "<a href=\"" ZEL_CLIENT_SUPPORT_URL "\">client support</a>"
    " for more information about rendering modes.";

QString DefaultValue(const char* pKey)
{
    return ZelControlCenter::GetDefaultSettingsValue(QString::fromLatin1(pKey));
}

bool DefaultBool(const char* pKey)
{
    return DefaultValue(pKey) == QLatin1String("true");
}

Wm4::ColorRGBA ColorFromText(const QString& pText)
{
    return ColorFromString(pText.toUtf8().toStdString());
}

quint64 BytesFromMegabytes(int pMegabytes)
{
    return static_cast<quint64>(static_cast<qint64>(pMegabytes) * (qint64(1) << kMegabyteShift));
}

// Spin boxes hold an int; larger counts are clamped by the spin box's own range anyway.
int ToSpinValue(quint64 pValue)
{
    return static_cast<int>(qMin<quint64>(pValue, std::numeric_limits<int>::max()));
}

int MegabytesFromBytes(quint64 pBytes)
{
    return ToSpinValue(pBytes >> kMegabyteShift);
}

int ColorChannel(float pComponent)
{
    return static_cast<int>(pComponent * 255.0f);
}

} // namespace

ZelGeneralSettingsPanel::ZelGeneralSettingsPanel(kmDMIApplication* pApplication,
                                                 QSettings& pSettings, QWidget* pParent,
                                                 Qt::WindowFlags pFlags)
    : ZelSettingsPanel(pApplication, pSettings, pParent, pFlags)
    , mUi(new Ui::ZelGeneralSettingsPanel)
    , mBackgroundColor(0.0f, 0.0f, 0.0f, 0.0f)
    , mResourcesEnabled(true)
{
    mUi->setupUi(this);
    initializeGeneralSettings();
    setPanelName(QCoreApplication::translate("ZelGeneralSettingsPanel", "GENERAL"));
    setPanelCategory(ApplicationCategory);

    const int cores = QThread::idealThreadCount();
    if (cores != -1)
        mUi->coreUsedSlider->setMaximum(cores);

    for (km::kmDropShadowWidget* frame :
         {mUi->engineFrame, mUi->parametersFrame, mUi->performancesFrame, mUi->unitsFrame,
          mUi->cacheFrame, mUi->folderFrame, mUi->controlsFrame})
        frame->setElevationLevel(0);

    mUi->softwareTextLabel->setText(QCoreApplication::translate("", kSoftwareMessage));
    connect(mUi->softwareTextLabel, &QLabel::linkActivated, this,
            &ZelGeneralSettingsPanel::onSoftwareTextLableLinkActivated);

    mUi->engineFrame->hide();
    mUi->engineHeader->hide();
}

ZelGeneralSettingsPanel::~ZelGeneralSettingsPanel()
{
    delete mUi;
}

void ZelGeneralSettingsPanel::initializeGeneralSettings()
{
    const QSignalBlocker blocker(mUi->mPsNamingPolicyComboBox);
    mUi->mPsNamingPolicyComboBox->addItem(
        QCoreApplication::translate("SelectAttributeNameMenu", "Instance name"),
        static_cast<int>(InstanceNamingPolicy::INSTANCE_NAME));
    mUi->mPsNamingPolicyComboBox->addItem(
        QCoreApplication::translate("SelectAttributeNameMenu", "Component name"),
        static_cast<int>(InstanceNamingPolicy::COMPONENT_NAME));
    mUi->mPsNamingPolicyComboBox->addItem(
        QCoreApplication::translate("SelectAttributeNameMenu", "Component and Instance name"),
        static_cast<int>(InstanceNamingPolicy::COMPONENT_AND_INSTANCE_NAME));
}

// Contract

void ZelGeneralSettingsPanel::initializeWidget()
{
    loadStoredModels();
}

void ZelGeneralSettingsPanel::saveSettings()
{
}

bool ZelGeneralSettingsPanel::hasModifications() const
{
    return isEngineModified() || isUnitsModified() || isDisplayModified() || isCacheModified()
           || isFolderModified() || isControlsModified();
}

bool ZelGeneralSettingsPanel::applyModifications()
{
    const bool engineModified = isEngineModified();
    const bool unitsModified = isUnitsModified();
    const bool displayModified = isDisplayModified();
    const bool cacheModified = isCacheModified();
    const bool folderModified = isFolderModified();
    const bool controlsModified = isControlsModified();
    if (!engineModified && !unitsModified && !displayModified && !cacheModified
        && !folderModified && !controlsModified)
        return false;

    if (unitsModified)
        pushUnits();
    if (displayModified)
        pushDisplayOptions();
    if (controlsModified) {
        ControlsModel controls;
        getCurrentModel(controls);
        setNavigationMode(controls.controller);
    }
    bool restart = false;
    if (engineModified) {
        pushEngine();
        // Compared with the store before it is written below.
        restart = shouldRestart();
    }
    if (cacheModified)
        setCacheMaxSize(static_cast<quint64>(mUi->databaseSpinBox->value()));

    saveSettingsInternal();
    return restart;
}

bool ZelGeneralSettingsPanel::cancelModifications()
{
    if (!hasModifications())
        return false;
    loadStoredModels();
    return true;
}

bool ZelGeneralSettingsPanel::canResetContent() const
{
    EngineModel defaultEngine, currentEngine;
    UnitsModel defaultUnits, currentUnits;
    DisplayOptions defaultDisplay, currentDisplay;
    CacheModel defaultCache, currentCache;
    FolderModel defaultFolder, currentFolder;
    ControlsModel defaultControls, currentControls;
    getDefaultSettings(defaultEngine);
    getDefaultSettings(defaultUnits);
    getDefaultSettings(defaultDisplay);
    getDefaultSettings(defaultCache);
    getDefaultSettings(defaultFolder);
    getDefaultSettings(defaultControls);
    getCurrentModel(currentEngine);
    getCurrentModel(currentUnits);
    getCurrentModel(currentDisplay);
    getCurrentModel(currentCache);
    getCurrentModel(currentFolder);
    getCurrentModel(currentControls);
    return defaultEngine != currentEngine || defaultUnits != currentUnits
           || defaultDisplay != currentDisplay || defaultCache != currentCache
           || defaultFolder != currentFolder || defaultControls != currentControls;
}

void ZelGeneralSettingsPanel::resetContent()
{
    if (!canResetContent())
        return;
    EngineModel engine;
    UnitsModel units;
    DisplayOptions display;
    CacheModel cache;
    FolderModel folder;
    ControlsModel controls;
    getDefaultSettings(engine);
    getDefaultSettings(units);
    getDefaultSettings(display);
    getDefaultSettings(cache);
    getDefaultSettings(folder);
    getDefaultSettings(controls);
    showModels(engine, units, display, cache, folder, controls);
    emit stateChanged();
}

int ZelGeneralSettingsPanel::GetSceneUnitComboIndex(float pSceneScale)
{
    static const float scales[] = {0.001f, 0.01f, 0.1f, 1.0f, 10.0f, 100.0f, 1000.0f};
    const float tolerance = 0.001f;
    for (int index = 0; index < static_cast<int>(std::size(scales)); ++index) {
        if (std::fabs(pSceneScale - scales[index]) < tolerance)
            return index;
    }
    return 3;
}

void ZelGeneralSettingsPanel::showEvent(QShowEvent* pEvent)
{
    elideText();
    ZelSettingsPanel::showEvent(pEvent);
}

void ZelGeneralSettingsPanel::resizeEvent(QResizeEvent* pEvent)
{
    elideText();
    ZelSettingsPanel::resizeEvent(pEvent);
}

// Reading the store

void ZelGeneralSettingsPanel::readSettings(ControlsModel& pModel) const
{
    pModel.controller = mSettings->value(kControllerKey).toString();
}

void ZelGeneralSettingsPanel::readSettings(FolderModel& pModel) const
{
    pModel.logFile = mSettings->value(kLogFileKey).toString();
}

void ZelGeneralSettingsPanel::readSettings(CacheModel& pModel) const
{
    pModel.cacheDirectory = mSettings->value(kCacheDirectoryKey).toString();
    pModel.cacheSize = mSettings->value(kCacheSizeKey).toInt();
}

void ZelGeneralSettingsPanel::readSettings(DisplayOptions& pModel) const
{
    const int type = mSettings->value(kNamingPolicyKey, 0).toInt();
    const bool known = type == InstanceNamingPolicy::COMPONENT_NAME
                       || type == InstanceNamingPolicy::COMPONENT_AND_INSTANCE_NAME;
    pModel.namingPolicy =
        InstanceNamingPolicy(known ? static_cast<InstanceNamingPolicy::Type>(type)
                                   : InstanceNamingPolicy::INSTANCE_NAME,
                             QString());
    pModel.displayPs = mSettings->value(kDisplayPsKey, true).toBool();
    pModel.displayTool = mSettings->value(kDisplayToolKey, true).toBool();
}

void ZelGeneralSettingsPanel::readSettings(UnitsModel& pModel) const
{
    pModel.unit =
        kmDMIApplication::GetUnitEnumFromString(mSettings->value(kUnitNameKey).toString());
    pModel.nbDecimals = mSettings->value(kNbDecimalsKey).toUInt();
}

void ZelGeneralSettingsPanel::readSettings(EngineModel& pModel) const
{
    pModel.maxCPUMemory3D = mSettings->value(kMaxCPUMemory3DKey).toULongLong();
    pModel.maxGPUMemory = mSettings->value(kMaxGPUMemoryKey).toULongLong();
    pModel.lodTrianglesCap = mSettings->value(kLODTrianglesCapKey).toULongLong();
    pModel.coreNumber = mSettings->value(kCoreNumberKey).toInt();
    pModel.backgroundColor = ColorFromText(mSettings->value(kBackgroundColorKey).toString());
    pModel.softwareRendering = false;
    pModel.useFXAA = mSettings->value(kUseFXAAKey).toBool();
    pModel.useOutline = mSettings->value(kUseOutlineKey).toBool();
    pModel.flatShading = mSettings->value(kFlatShadingKey).toBool();
    pModel.fillCutplane = mSettings->value(kFillCutplaneKey).toBool();
}

// Registered defaults

void ZelGeneralSettingsPanel::getDefaultSettings(ControlsModel& pModel) const
{
    pModel.controller = DefaultValue(kControllerKey);
}

void ZelGeneralSettingsPanel::getDefaultSettings(FolderModel& pModel) const
{
    pModel.logFile = DefaultValue(kLogFileKey);
}

void ZelGeneralSettingsPanel::getDefaultSettings(CacheModel& pModel) const
{
    pModel.cacheDirectory = DefaultValue(kCacheDirectoryKey);
    pModel.cacheSize = DefaultValue(kCacheSizeKey).toInt();
}

void ZelGeneralSettingsPanel::getDefaultSettings(DisplayOptions& pModel) const
{
    pModel.namingPolicy = InstanceNamingPolicy(InstanceNamingPolicy::INSTANCE_NAME, QString());
    pModel.displayPs = true;
    pModel.displayTool = true;
}

void ZelGeneralSettingsPanel::getDefaultSettings(UnitsModel& pModel) const
{
    pModel.unit = kmDMIApplication::GetUnitEnumFromString(DefaultValue(kUnitNameKey));
    pModel.nbDecimals = DefaultValue(kNbDecimalsKey).toUInt();
}

void ZelGeneralSettingsPanel::getDefaultSettings(EngineModel& pModel) const
{
    pModel.maxCPUMemory3D = DefaultValue(kMaxCPUMemory3DKey).toULongLong();
    pModel.maxGPUMemory = DefaultValue(kMaxGPUMemoryKey).toULongLong();
    pModel.lodTrianglesCap = DefaultValue(kLODTrianglesCapKey).toULongLong();
    pModel.coreNumber = DefaultValue(kCoreNumberKey).toInt();
    pModel.backgroundColor = ColorFromText(DefaultValue(kBackgroundColorKey));
    pModel.softwareRendering = false;
    pModel.useFXAA = DefaultBool(kUseFXAAKey);
    pModel.useOutline = DefaultBool(kUseOutlineKey);
    pModel.flatShading = false;
    pModel.fillCutplane = true;
}

// Reading the controls

void ZelGeneralSettingsPanel::getCurrentModel(ControlsModel& pModel) const
{
    pModel.controller = mUi->mNavModeComboBox->currentData(Qt::UserRole).toString();
}

void ZelGeneralSettingsPanel::getCurrentModel(FolderModel& pModel) const
{
    pModel.logFile = mUi->mLogFolderButton->toolTip();
}

void ZelGeneralSettingsPanel::getCurrentModel(CacheModel& pModel) const
{
    pModel.cacheDirectory = mUi->databaseButton->toolTip();
    pModel.cacheSize = mUi->databaseSpinBox->value();
}

void ZelGeneralSettingsPanel::getCurrentModel(DisplayOptions& pModel) const
{
    pModel.namingPolicy = InstanceNamingPolicy(
        static_cast<InstanceNamingPolicy::Type>(mUi->mPsNamingPolicyComboBox->currentIndex()),
        QString());
    pModel.displayPs = mUi->displayPsCheckbox->isChecked();
    pModel.displayTool = mUi->displayToolCheckbox->isChecked();
}

void ZelGeneralSettingsPanel::getCurrentModel(UnitsModel& pModel) const
{
    pModel.unit = static_cast<Unit>(mUi->units_comboBox->currentIndex());
    pModel.nbDecimals = static_cast<quint32>(mUi->nbDecimals_spinBox->value());
}

void ZelGeneralSettingsPanel::getCurrentModel(EngineModel& pModel) const
{
    pModel.useFXAA = mUi->deferredFXAACheckBox->isChecked();
    pModel.useOutline = mUi->deferredEDCheckBox->isChecked();
    pModel.flatShading = mUi->flatShadingCheckbox->isChecked();
    pModel.fillCutplane = mUi->fillCutplaneCheckbox->isChecked();
    pModel.maxCPUMemory3D = BytesFromMegabytes(mUi->maxCPU3DSpinBox->value());
    pModel.maxGPUMemory = BytesFromMegabytes(mUi->maxGPUSPinBox->value());
    pModel.maxCPUMemoryRay = BytesFromMegabytes(mUi->maxCPURaySpinBox->value());
    pModel.coreNumber = mUi->coreUsedSlider->value();
    pModel.backgroundColor = mBackgroundColor;
    pModel.softwareRendering = mUi->softwareButton->isChecked();
    pModel.lodTrianglesCap = static_cast<quint64>(mUi->maxTrianglesSpinBox->value());
}

// Showing models

void ZelGeneralSettingsPanel::applyModel(const ControlsModel& pModel)
{
    onControlsModelChanged(pModel);
}

void ZelGeneralSettingsPanel::applyModel(const FolderModel& pModel)
{
    onFolderModelChanged(pModel);
}

void ZelGeneralSettingsPanel::applyModel(const CacheModel& pModel)
{
    onCacheModelChanged(pModel);
}

void ZelGeneralSettingsPanel::applyModel(const DisplayOptions& pModel)
{
    onNamingPolicyChanged(pModel);
}

void ZelGeneralSettingsPanel::applyModel(const UnitsModel& pModel)
{
    onUnitsModelChanged(pModel);
}

void ZelGeneralSettingsPanel::applyModel(const EngineModel& pModel)
{
    onRendererModelChanged(pModel);
}

void ZelGeneralSettingsPanel::onControlsModelChanged(const ControlsModel& pModel)
{
    const QSignalBlocker blocker(mUi->mNavModeComboBox);
    mUi->mNavModeComboBox->clear();
    mUi->mNavModeComboBox->addItem(QStringLiteral("Arcball mode"),
                                   QString::fromLatin1(kArcballController));
    mUi->mNavModeComboBox->addItem(QStringLiteral("Examine mode"),
                                   QString::fromLatin1(kExamineController));
    mUi->mNavModeComboBox->setCurrentIndex(pModel.controller == QLatin1String(kExamineController)
                                               ? 1
                                               : 0);
}

void ZelGeneralSettingsPanel::onFolderModelChanged(const FolderModel& pModel)
{
    mUi->mLogFolderButton->setToolTip(pModel.logFile);
    elideText();
}

void ZelGeneralSettingsPanel::onCacheModelChanged(const CacheModel& pModel)
{
    const QSignalBlocker blocker(mUi->databaseSpinBox);
    mUi->databaseButton->setToolTip(pModel.cacheDirectory);
    mUi->databaseSpinBox->setValue(pModel.cacheSize);
    elideText();
}

void ZelGeneralSettingsPanel::onNamingPolicyChanged(const DisplayOptions& pModel)
{
    const QSignalBlocker comboBlocker(mUi->mPsNamingPolicyComboBox);
    const QSignalBlocker toolBlocker(mUi->displayToolCheckbox);
    const QSignalBlocker psBlocker(mUi->displayPsCheckbox);
    mUi->mPsNamingPolicyComboBox->setCurrentIndex(pModel.namingPolicy.getType());
    mUi->displayToolCheckbox->setChecked(pModel.displayTool);
    mUi->displayPsCheckbox->setChecked(pModel.displayPs);
}

void ZelGeneralSettingsPanel::onUnitsModelChanged(const UnitsModel& pModel)
{
    {
        const QSignalBlocker blocker(mUi->units_comboBox);
        mUi->units_comboBox->clear();
        mUi->units_comboBox->addItem(QStringLiteral("Millimeter (mm)"), int(MILLIMETER));
        mUi->units_comboBox->addItem(QStringLiteral("Centimer (cm)"), int(CENTIMETER));
        mUi->units_comboBox->addItem(QStringLiteral("Meter (m)"), int(METER));
        mUi->units_comboBox->addItem(QStringLiteral("Inch (in)"), int(INCH));
        mUi->units_comboBox->setCurrentIndex(pModel.unit);
    }
    const QSignalBlocker blocker(mUi->nbDecimals_spinBox);
    mUi->nbDecimals_spinBox->setValue(ToSpinValue(pModel.nbDecimals));
}

void ZelGeneralSettingsPanel::onRendererModelChanged(const EngineModel& pModel)
{
    const QSignalBlocker deferredBlocker(mUi->deferredButton);
    const QSignalBlocker softwareBlocker(mUi->softwareButton);
    const QSignalBlocker fxaaBlocker(mUi->deferredFXAACheckBox);
    const QSignalBlocker outlineBlocker(mUi->deferredEDCheckBox);
    const QSignalBlocker flatBlocker(mUi->flatShadingCheckbox);
    const QSignalBlocker fillBlocker(mUi->fillCutplaneCheckbox);
    const QSignalBlocker sliderBlocker(mUi->coreUsedSlider);
    const QSignalBlocker cpuBlocker(mUi->maxCPU3DSpinBox);
    const QSignalBlocker rayBlocker(mUi->maxCPURaySpinBox);
    const QSignalBlocker gpuBlocker(mUi->maxGPUSPinBox);
    const QSignalBlocker trianglesBlocker(mUi->maxTrianglesSpinBox);

    if (pModel.softwareRendering)
        mUi->softwareButton->setChecked(true);
    else
        mUi->deferredButton->setChecked(true);
    mUi->deferredFXAACheckBox->setChecked(pModel.useFXAA);
    mUi->deferredEDCheckBox->setChecked(pModel.useOutline);
    mUi->flatShadingCheckbox->setChecked(pModel.flatShading);
    mUi->fillCutplaneCheckbox->setChecked(pModel.fillCutplane);
    mUi->coreUsedSlider->setValue(pModel.coreNumber);
    mBackgroundColor = pModel.backgroundColor;
    setBackgroundButtonColor(mBackgroundColor);
    mUi->maxCPU3DSpinBox->setValue(MegabytesFromBytes(pModel.maxCPUMemory3D));
    mUi->maxCPURaySpinBox->setValue(MegabytesFromBytes(pModel.maxCPUMemoryRay));
    mUi->maxGPUSPinBox->setValue(MegabytesFromBytes(pModel.maxGPUMemory));
    mUi->maxTrianglesSpinBox->setValue(ToSpinValue(pModel.lodTrianglesCap));
    setNbCoresTxt(pModel.coreNumber);
    // Only the hardware renderer can be chosen from this panel.
    forceRenderingMode(DEFERRED);
}

void ZelGeneralSettingsPanel::loadStoredModels()
{
    EngineModel engine;
    UnitsModel units;
    DisplayOptions display;
    CacheModel cache;
    FolderModel folder;
    ControlsModel controls;
    readSettings(engine);
    readSettings(units);
    readSettings(display);
    readSettings(cache);
    readSettings(folder);
    readSettings(controls);
    showModels(engine, units, display, cache, folder, controls);
}

void ZelGeneralSettingsPanel::showModels(const EngineModel& pEngine, const UnitsModel& pUnits,
                                         const DisplayOptions& pDisplay,
                                         const CacheModel& pCache, const FolderModel& pFolder,
                                         const ControlsModel& pControls)
{
    applyModel(pEngine);
    applyModel(pUnits);
    applyModel(pDisplay);
    applyModel(pCache);
    applyModel(pFolder);
    applyModel(pControls);
}

// Group checks

bool ZelGeneralSettingsPanel::isEngineModified() const
{
    EngineModel stored, current;
    readSettings(stored);
    getCurrentModel(current);
    return stored != current;
}

bool ZelGeneralSettingsPanel::isUnitsModified() const
{
    UnitsModel stored, current;
    readSettings(stored);
    getCurrentModel(current);
    return stored != current;
}

bool ZelGeneralSettingsPanel::isDisplayModified() const
{
    DisplayOptions stored, current;
    readSettings(stored);
    getCurrentModel(current);
    return stored != current;
}

bool ZelGeneralSettingsPanel::isCacheModified() const
{
    CacheModel stored, current;
    readSettings(stored);
    getCurrentModel(current);
    return stored != current;
}

bool ZelGeneralSettingsPanel::isFolderModified() const
{
    FolderModel stored, current;
    readSettings(stored);
    getCurrentModel(current);
    return stored != current;
}

bool ZelGeneralSettingsPanel::isControlsModified() const
{
    ControlsModel stored, current;
    readSettings(stored);
    getCurrentModel(current);
    return stored != current;
}

// Writing the store

void ZelGeneralSettingsPanel::saveSettingsInternal()
{
    saveEngineSettings();
    saveCoreNumberSettings();
    saveRenderingOptions();
    saveSceneUnitsSettings();
    saveDisplayOptions();
    saveResourcesSettings();
    saveTriangleCapSettings();
    saveControlsSettings();
    mSettings->setValue(kCacheDirectoryKey, mUi->databaseButton->toolTip());
    mSettings->setValue(kCacheSizeKey, mUi->databaseSpinBox->value());
    mSettings->setValue(kLogFileKey, mUi->mLogFolderButton->toolTip());
}

void ZelGeneralSettingsPanel::saveEngineSettings() const
{
    // The software renderer is chosen by the host at start-up, never stored from here.
    mSettings->setValue(kEngineKey, QString::fromLatin1(kDeferredEngine));
}

void ZelGeneralSettingsPanel::saveCoreNumberSettings() const
{
    mSettings->setValue(kCoreNumberKey, mUi->coreUsedSlider->value());
}

void ZelGeneralSettingsPanel::saveRenderingOptions() const
{
    mSettings->setValue(kUseOutlineKey, mUi->deferredEDCheckBox->isChecked());
    mSettings->setValue(kUseFXAAKey, mUi->deferredFXAACheckBox->isChecked());
    mSettings->setValue(kFlatShadingKey, mUi->flatShadingCheckbox->isChecked());
    mSettings->setValue(kFillCutplaneKey, mUi->fillCutplaneCheckbox->isChecked());
    mSettings->setValue(kBackgroundColorKey,
                        QString::fromStdString(ColorToString(mBackgroundColor)));
}

void ZelGeneralSettingsPanel::saveSceneUnitsSettings() const
{
    mSettings->setValue(kUnitNameKey, kmDMIApplication::GetUnitNameFromEnum(
                                          static_cast<Unit>(mUi->units_comboBox->currentIndex())));
    mSettings->setValue(kNbDecimalsKey, mUi->nbDecimals_spinBox->value());
}

void ZelGeneralSettingsPanel::saveDisplayOptions() const
{
    mSettings->setValue(kNamingPolicyKey, mUi->mPsNamingPolicyComboBox->currentIndex());
    mSettings->setValue(kDisplayPsKey, mUi->displayPsCheckbox->isChecked());
    mSettings->setValue(kDisplayToolKey, mUi->displayToolCheckbox->isChecked());
}

void ZelGeneralSettingsPanel::saveResourcesSettings() const
{
    mSettings->setValue(kMaxCPUMemory3DKey, BytesFromMegabytes(mUi->maxCPU3DSpinBox->value()));
    mSettings->setValue(kMaxGPUMemoryKey, BytesFromMegabytes(mUi->maxGPUSPinBox->value()));
}

void ZelGeneralSettingsPanel::saveTriangleCapSettings() const
{
    mSettings->setValue(kLODTrianglesCapKey,
                        static_cast<quint64>(mUi->maxTrianglesSpinBox->value()));
}

void ZelGeneralSettingsPanel::saveControlsSettings() const
{
    mSettings->setValue(kControllerKey, mUi->mNavModeComboBox->currentData(Qt::UserRole));
}

// Pushing applied groups into the host

void ZelGeneralSettingsPanel::pushUnits()
{
    if (!mApplication)
        return;
    mApplication->updateAppUnits(static_cast<Unit>(mUi->units_comboBox->currentIndex()),
                                 mUi->nbDecimals_spinBox->value());
}

void ZelGeneralSettingsPanel::pushDisplayOptions()
{
    if (!mApplication)
        return;
    const InstanceNamingPolicy policy(
        static_cast<InstanceNamingPolicy::Type>(mUi->mPsNamingPolicyComboBox->currentIndex()),
        QString());
    if (kmDMManager* manager = mApplication->getDMManager())
        manager->setDefaultInstanceNamingPolicy(policy);
    if (kmMainWindow* window = mApplication->getMainWindow()) {
        window->showProductStructurePanel(mUi->displayPsCheckbox->isChecked());
        window->showToolPanel(mUi->displayToolCheckbox->isChecked());
    }
}

void ZelGeneralSettingsPanel::pushEngine()
{
    if (!mApplication)
        return;
    if (kmDMRenderer* renderer = mApplication->getRenderer()) {
        renderer->setFXAAEnabled(mUi->deferredFXAACheckBox->isChecked());
        renderer->setEdgeHiglightEnabled(mUi->deferredEDCheckBox->isChecked());
        renderer->setLightingMode(mUi->flatShadingCheckbox->isChecked());
        renderer->setBackgroundColor(mBackgroundColor);
        renderer->setFillCutplaneFaces(mUi->fillCutplaneCheckbox->isChecked());
    }
    setCoreNumber(mUi->coreUsedSlider->value());
    setupResources();
    setTriangleCap(static_cast<quint64>(mUi->maxTrianglesSpinBox->value()));
}

void ZelGeneralSettingsPanel::setNavigationMode(const QString& pController)
{
    if (!mApplication)
        return;
    if (km::kmNavigationManagerBase* navigation = mApplication->getNavigationManager()) {
        navigation->setNavigationMode(pController == QLatin1String(kExamineController)
                                          ? km::kmNavigationManagerBase::EXAMINE
                                          : km::kmNavigationManagerBase::ARCBALL,
                                      true);
    }
}

void ZelGeneralSettingsPanel::setupResources()
{
    if (!mApplication || !mResourcesEnabled)
        return;
    if (kmDMRenderer* renderer = mApplication->getRenderer())
        renderer->setupResourceController(kUnlimitedResources, kUnlimitedResources);
}

void ZelGeneralSettingsPanel::setCacheMaxSize(quint64 pMegabytes)
{
    if (!mApplication)
        return;
    if (kmDMManager* manager = mApplication->getDMManager())
        manager->setMaxCacheSize(static_cast<unsigned int>(pMegabytes));
}

void ZelGeneralSettingsPanel::setTriangleCap(quint64 pTriangles)
{
    if (!mApplication)
        return;
    if (kmDMRenderer* renderer = mApplication->getRenderer())
        renderer->setTargetTriangles(pTriangles);
}

void ZelGeneralSettingsPanel::setCoreNumber(int pCores)
{
    if (!mApplication)
        return;
    if (kmMainWindow* window = mApplication->getMainWindow())
        window->setProcessingPower(pCores);
}

// Look and slots

void ZelGeneralSettingsPanel::setBackgroundButtonColor(const Wm4::ColorRGBA& pColor)
{
    // Qt 6 style sheets reject rgb() with an alpha value, and rgba() reads an alpha of 1 as
    // opaque; the hexadecimal form carries every alpha exactly in Qt 5 and Qt 6.
    const QColor color(ColorChannel(pColor.R()), ColorChannel(pColor.G()),
                       ColorChannel(pColor.B()), ColorChannel(pColor.A()));
    mUi->backgroundColorButton->setStyleSheet(QStringLiteral("background-color:")
                                              + color.name(QColor::HexArgb) + QLatin1Char(';'));
}

void ZelGeneralSettingsPanel::setNbCoresTxt(int pCores)
{
    const QString text = pCores < 2
                             ? QCoreApplication::translate("ZelGeneralSettingsPanel", "%1 core")
                             : QCoreApplication::translate("ZelGeneralSettingsPanel", "%1 cores");
    mUi->coreUsedLabel->setText(text.arg(pCores));
}

void ZelGeneralSettingsPanel::forceRenderingMode(Engine pMode)
{
    const bool software = pMode == SOFTWARE;
    mUi->hardwareFrame->setVisible(!software);
    mUi->performancesHeader->setVisible(software);
    mUi->performancesFrame->setVisible(software);
    mUi->maxThreadsFrame->setVisible(software);
    mUi->softwareTextMessage->setVisible(software);
    mUi->CPUMemoryFrame->setVisible(software);
    mUi->GPUMemoryFrame->setVisible(false);
    mUi->GPUMemory->setVisible(false);

    if (!mApplication || !mApplication->getActionManager())
        return;
    if (zelAction* action = mApplication->getActionManager()->getActionByName(
            QString::fromLatin1(kRenderingModeAction)))
        action->setEnabled(mResourcesEnabled);
}

bool ZelGeneralSettingsPanel::shouldRestart() const
{
    const bool software = mUi->softwareButton->isChecked();
    const bool storedSoftware =
        mSettings->value(kEngineKey).toString() == QLatin1String(kSoftwareEngine);
    if (software != storedSoftware)
        return true;
    return mSettings->value(kCacheDirectoryKey).toString() != mUi->databaseButton->toolTip()
           || mSettings->value(kLogFileKey).toString() != mUi->mLogFolderButton->toolTip();
}

void ZelGeneralSettingsPanel::onSoftwareTextLableLinkActivated(const QString& pLink)
{
    zelActionManager* actions = mApplication ? mApplication->getActionManager() : nullptr;
    if (zelAction* action = actions ? actions->getActionByName(pLink) : nullptr)
        action->trigger();
    else
        QDesktopServices::openUrl(QUrl(pLink));
}

void ZelGeneralSettingsPanel::on_deferredButton_clicked()
{
    forceRenderingMode(DEFERRED);
    emit stateChanged();
}

void ZelGeneralSettingsPanel::on_softwareButton_clicked()
{
}

void ZelGeneralSettingsPanel::on_coreUsedSlider_valueChanged(int pValue)
{
    setNbCoresTxt(pValue);
    emit stateChanged();
}

void ZelGeneralSettingsPanel::on_deferredFXAACheckBox_stateChanged(int)
{
    emit stateChanged();
}

void ZelGeneralSettingsPanel::on_deferredEDCheckBox_stateChanged(int)
{
    emit stateChanged();
}

void ZelGeneralSettingsPanel::on_flatShadingCheckbox_stateChanged(int)
{
    emit stateChanged();
}

void ZelGeneralSettingsPanel::on_fillCutplaneCheckbox_stateChanged(int)
{
    emit stateChanged();
}

void ZelGeneralSettingsPanel::on_maxCPU3DSpinBox_valueChanged(int)
{
    emit stateChanged();
}

void ZelGeneralSettingsPanel::on_maxCPURaySpinBox_valueChanged(int)
{
    emit stateChanged();
}

void ZelGeneralSettingsPanel::on_maxGPUSPinBox_valueChanged(int)
{
    emit stateChanged();
}

void ZelGeneralSettingsPanel::on_maxTrianglesSpinBox_valueChanged(int)
{
    emit stateChanged();
}

void ZelGeneralSettingsPanel::on_nbDecimals_spinBox_valueChanged(int)
{
    emit stateChanged();
}

void ZelGeneralSettingsPanel::on_units_comboBox_currentIndexChanged(int)
{
    emit stateChanged();
}

void ZelGeneralSettingsPanel::on_mPsNamingPolicyComboBox_currentIndexChanged(int)
{
    emit stateChanged();
}

void ZelGeneralSettingsPanel::on_displayToolCheckbox_stateChanged(int)
{
    emit stateChanged();
}

void ZelGeneralSettingsPanel::on_displayPsCheckbox_stateChanged(int)
{
    emit stateChanged();
}

void ZelGeneralSettingsPanel::on_mNavModeComboBox_currentIndexChanged(int)
{
    emit stateChanged();
}

void ZelGeneralSettingsPanel::on_databaseButton_clicked()
{
    // The 3D view must not redraw behind the modal chooser.
    if (mApplication)
        mApplication->setViewUpdatesEnabled(false);
    const QString folder = QFileDialog::getExistingDirectory(
        this,
        QCoreApplication::translate("ZelGeneralSettingsPanel",
                                    "Please set your database cache folder"),
        mUi->databaseButton->toolTip(), QFileDialog::ShowDirsOnly);
    if (mApplication)
        mApplication->setViewUpdatesEnabled(true);
    if (folder.isEmpty())
        return;
    mUi->databaseButton->setToolTip(folder);
    elideText();
    emit stateChanged();
}

void ZelGeneralSettingsPanel::on_mLogFolderButton_clicked()
{
    const QString file = QFileDialog::getOpenFileName(
        this, QCoreApplication::translate("ZelGeneralSettingsPanel", "Set your log file"),
        mUi->mLogFolderButton->toolTip(), QString(), nullptr, QFileDialog::Options());
    if (file.isEmpty())
        return;
    mUi->mLogFolderButton->setToolTip(file);
    elideText();
    emit stateChanged();
}

void ZelGeneralSettingsPanel::on_backgroundColorButton_clicked()
{
    const QColor initial(ColorChannel(mBackgroundColor.R()), ColorChannel(mBackgroundColor.G()),
                         ColorChannel(mBackgroundColor.B()), ColorChannel(mBackgroundColor.A()));
    const QColor chosen = km::ColorDialog::GetColor(initial, true, this);
    if (chosen.isValid()) {
        mBackgroundColor = Wm4::ColorRGBA(chosen.red() / 255.0f, chosen.green() / 255.0f,
                                          chosen.blue() / 255.0f, chosen.alpha() / 255.0f);
    }
    setBackgroundButtonColor(mBackgroundColor);
    emit stateChanged();
}

void ZelGeneralSettingsPanel::elideText()
{
    for (QPushButton* button : {mUi->databaseButton, mUi->mLogFolderButton}) {
        button->setText(button->fontMetrics().elidedText(button->toolTip(), Qt::ElideLeft,
                                                         button->width() - kElideMargin));
    }
}

} // namespace zel
