#include "ZelGeneralSettingsPanel.h"

#include "ColorDialog.h"
#include "GeneralSettingsHost.h"
#include "GeneralSettingsStore.h"
#include "OwnStyleSheet.h"
#include "kmDMIApplication.h"
#include "zelAction.h"
#include "zelActionManager.h"

#include "ui_ZelGeneralSettingsPanel.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QSignalBlocker>
#include <QThread>
#include <QUrl>

#include <cmath>
#include <iterator>
#include <limits>

namespace zel {

namespace {

const char kExamineController[] = "examine";
const char kRenderingModeAction[] = "renderingMode";

const int kMegabyteShift = 20;
const int kElideMargin = 12;

QStringList KeysOf(const std::map<QString, QString>& pTexts)
{
    QStringList keys;
    for (const auto& text : pTexts)
        keys.append(text.first);
    return keys;
}

bool Touches(const std::map<QString, QString>& pGroup, const QStringList& pKeys)
{
    for (const QString& key : pKeys) {
        if (pGroup.count(key) != 0)
            return true;
    }
    return false;
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

QColor ColorFromRGBA(const Wm4::ColorRGBA& pColor)
{
    return QColor(ColorChannel(pColor.R()), ColorChannel(pColor.G()), ColorChannel(pColor.B()),
                  ColorChannel(pColor.A()));
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

    translateSoftwareMessage();
    connect(mUi->softwareTextLabel, &QLabel::linkActivated, this,
            &ZelGeneralSettingsPanel::onSoftwareTextLableLinkActivated);

    mUi->engineFrame->hide();
    mUi->engineHeader->hide();
}

ZelGeneralSettingsPanel::~ZelGeneralSettingsPanel()
{
    delete mUi;
}

// Contract

void ZelGeneralSettingsPanel::initializeWidget()
{
    showModels(GeneralSettingsStore(*mSettings).read());
    rememberApplied();
}

void ZelGeneralSettingsPanel::saveSettings()
{
}

bool ZelGeneralSettingsPanel::hasModifications() const
{
    return isModified<EngineModel>() || isModified<UnitsModel>() || isModified<DisplayOptions>()
           || isModified<CacheModel>() || isModified<FolderModel>()
           || isModified<ControlsModel>();
}

bool ZelGeneralSettingsPanel::applyModifications()
{
    if (!hasModifications())
        return false;
    // Only the groups that the person edited: the others may hold values that another
    // program stored meanwhile, which the host already follows.
    const GeneralModels current = currentModels();
    const QStringList edited = KeysOf(editedTexts());
    const bool engineEdited = Touches(GeneralSettingsStore::ToTexts(current.engine), edited);
    // Compared with the store before it is written below.
    const bool restart = engineEdited && shouldRestart();
    if (!writeEdits())
        return false;
    pushGroups(current, edited);
    return restart;
}

void ZelGeneralSettingsPanel::followStore(const QStringList& pKeys)
{
    followTexts(pKeys);
    // The host runs on what the store holds, whether or not a row keeps an edit.
    pushGroups(GeneralSettingsStore(appliedTexts()).read(), pKeys);
}

ZelSettingsPanel::StoreTexts ZelGeneralSettingsPanel::storeTexts() const
{
    return GeneralSettingsStore::ToTexts(currentModels());
}

void ZelGeneralSettingsPanel::showStoreTexts(const StoreTexts& pTexts)
{
    showModels(GeneralSettingsStore(pTexts).read());
}

void ZelGeneralSettingsPanel::pushGroups(const GeneralModels& pModels, const QStringList& pKeys)
{
    GeneralSettingsHost host(mApplication);
    if (Touches(GeneralSettingsStore::ToTexts(pModels.units), pKeys))
        host.pushUnits(pModels.units);
    if (Touches(GeneralSettingsStore::ToTexts(pModels.display), pKeys))
        host.pushDisplay(pModels.display);
    if (Touches(GeneralSettingsStore::ToTexts(pModels.controls), pKeys))
        host.setNavigationMode(pModels.controls.controller);
    if (Touches(GeneralSettingsStore::ToTexts(pModels.engine), pKeys))
        host.pushEngine(pModels.engine, mResourcesEnabled);
    if (Touches(GeneralSettingsStore::ToTexts(pModels.cache), pKeys))
        host.setCacheMaxSize(static_cast<quint64>(pModels.cache.cacheSize));
}

bool ZelGeneralSettingsPanel::cancelModifications()
{
    if (!hasModifications())
        return false;
    initializeWidget();
    return true;
}

bool ZelGeneralSettingsPanel::canResetContent() const
{
    return GeneralSettingsStore::Defaults() != currentModels();
}

void ZelGeneralSettingsPanel::resetContent()
{
    if (!canResetContent())
        return;
    showModels(GeneralSettingsStore::Defaults());
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
    const int cpuMemory3D = mUi->maxCPU3DSpinBox->value();
    const int gpuMemory = mUi->maxGPUSPinBox->value();
    pModel.maxCPUMemory3D = mMaxCPUMemory3D.value(cpuMemory3D, BytesFromMegabytes(cpuMemory3D));
    pModel.maxGPUMemory = mMaxGPUMemory.value(gpuMemory, BytesFromMegabytes(gpuMemory));
    pModel.maxCPUMemoryRay = BytesFromMegabytes(mUi->maxCPURaySpinBox->value());
    pModel.coreNumber = mUi->coreUsedSlider->value();
    pModel.backgroundColor = mBackgroundColor;
    pModel.softwareRendering = mUi->softwareButton->isChecked();
    pModel.lodTrianglesCap = static_cast<quint64>(mUi->maxTrianglesSpinBox->value());
}

// Showing models

void ZelGeneralSettingsPanel::onControlsModelChanged(const ControlsModel& pModel)
{
    const QSignalBlocker blocker(mUi->mNavModeComboBox);
    fillNavigationModes();
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
        fillUnits();
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
    // A limit that is no whole number of megabytes stays as it was until the person
    // changes it.
    mMaxCPUMemory3D.keep(pModel.maxCPUMemory3D, mUi->maxCPU3DSpinBox->value());
    mMaxGPUMemory.keep(pModel.maxGPUMemory, mUi->maxGPUSPinBox->value());
    setNbCoresTxt(pModel.coreNumber);
    // Only the hardware renderer can be chosen from this panel.
    forceRenderingMode(DEFERRED);
}

GeneralModels ZelGeneralSettingsPanel::currentModels() const
{
    GeneralModels models;
    getCurrentModel(models.engine);
    getCurrentModel(models.units);
    getCurrentModel(models.display);
    getCurrentModel(models.cache);
    getCurrentModel(models.folder);
    getCurrentModel(models.controls);
    return models;
}

void ZelGeneralSettingsPanel::showModels(const GeneralModels& pModels)
{
    onRendererModelChanged(pModels.engine);
    onUnitsModelChanged(pModels.units);
    onNamingPolicyChanged(pModels.display);
    onCacheModelChanged(pModels.cache);
    onFolderModelChanged(pModels.folder);
    onControlsModelChanged(pModels.controls);
}

// Whether the controls differ from the store for one group.
template <typename Model>
bool ZelGeneralSettingsPanel::isModified() const
{
    Model stored, current;
    GeneralSettingsStore(*mSettings).read(stored);
    getCurrentModel(current);
    return stored != current;
}

// Look and slots

void ZelGeneralSettingsPanel::setBackgroundButtonColor(const Wm4::ColorRGBA& pColor)
{
    // Qt 6 style sheets reject rgb() with an alpha value, and rgba() reads an alpha of 1 as
    // opaque; the hexadecimal form carries every alpha exactly in Qt 5 and Qt 6.
    SetOwnStyleSheet(mUi->backgroundColorButton,
                     QStringLiteral("background-color:")
                         + ColorFromRGBA(pColor).name(QColor::HexArgb) + QLatin1Char(';'));
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
    const GeneralSettingsStore store(*mSettings);
    if (mUi->softwareButton->isChecked() != store.storesSoftwareEngine())
        return true;
    CacheModel cache;
    FolderModel folder;
    store.read(cache);
    store.read(folder);
    return cache.cacheDirectory != mUi->databaseButton->toolTip()
           || folder.logFile != mUi->mLogFolderButton->toolTip();
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
    const QColor initial = ColorFromRGBA(mBackgroundColor);
    const QColor chosen = km::ColorDialog::GetColor(initial, true, this);
    // The dialog works in whole channels; the colour it started from is kept exactly.
    if (chosen.isValid() && chosen != initial) {
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
