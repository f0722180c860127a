#pragma once

#include "ZelSettingsPanel.h"
#include "zelExport.h"

#include "CacheModel.h"
#include "ColorRGBA.h"
#include "ControlsModel.h"
#include "DisplayOptions.h"
#include "EngineModel.h"
#include "FolderModel.h"
#include "KeptValue.h"
#include "UnitsModel.h"

namespace Ui {
class ZelGeneralSettingsPanel;
}

namespace zel {

struct GeneralModels;

// The "GENERAL" settings panel: renderer, display, units, controls, performance, cache
// and log file settings, kept in the controls until the host applies them.
class ZEL_EXPORT ZelGeneralSettingsPanel : public ZelSettingsPanel
{
    Q_OBJECT

public:
    ZelGeneralSettingsPanel(kmDMIApplication* pApplication, QSettings& pSettings,
                            QWidget* pParent = nullptr, Qt::WindowFlags pFlags = {});
    ~ZelGeneralSettingsPanel() override;

    void initializeWidget() override;
    bool hasModifications() const override;
    bool applyModifications() override;
    bool cancelModifications() override;
    bool canResetContent() const override;
    void resetContent() override;
    QString describeRow(const QString& pKey, RowValue pValue) const override;
    void resetRow(const QString& pKey) override;
    void followStore(const QStringList& pKeys) override;
    virtual void saveSettings();

    // Index of a scene scale among the powers of ten from 0.001 to 1000 (within 0.001);
    // 3, the scale 1, when it matches none of them.
    static int GetSceneUnitComboIndex(float pSceneScale);

Q_SIGNALS:
    void stateChanged();

protected:
    StoreTexts storeTexts() const override;
    void showStoreTexts(const StoreTexts& pTexts) override;
    void initializeGeneralSettings();
    void changeEvent(QEvent* pEvent) override;
    void showEvent(QShowEvent* pEvent) override;
    void resizeEvent(QResizeEvent* pEvent) override;

private Q_SLOTS:
    void onSoftwareTextLableLinkActivated(const QString& pLink);
    void on_deferredButton_clicked();
    void on_softwareButton_clicked();
    void on_coreUsedSlider_valueChanged(int pValue);
    void on_deferredFXAACheckBox_stateChanged(int pState);
    void on_deferredEDCheckBox_stateChanged(int pState);
    void on_flatShadingCheckbox_stateChanged(int pState);
    void on_fillCutplaneCheckbox_stateChanged(int pState);
    void on_maxCPU3DSpinBox_valueChanged(int pValue);
    void on_maxCPURaySpinBox_valueChanged(int pValue);
    void on_maxGPUSPinBox_valueChanged(int pValue);
    void on_maxTrianglesSpinBox_valueChanged(int pValue);
    void on_nbDecimals_spinBox_valueChanged(int pValue);
    void on_units_comboBox_currentIndexChanged(int pIndex);
    void on_mPsNamingPolicyComboBox_currentIndexChanged(int pIndex);
    void on_displayToolCheckbox_stateChanged(int pState);
    void on_displayPsCheckbox_stateChanged(int pState);
    void on_mNavModeComboBox_currentIndexChanged(int pIndex);
    void on_databaseButton_clicked();
    void on_mLogFolderButton_clicked();
    void on_backgroundColorButton_clicked();
    void elideText();

private:
    // Renderer engines, numbered as the host's renderer numbers them.
    enum Engine
    {
        DEFERRED = 1,
        SOFTWARE = 2
    };

    void getCurrentModel(ControlsModel& pModel) const;
    void getCurrentModel(FolderModel& pModel) const;
    void getCurrentModel(CacheModel& pModel) const;
    void getCurrentModel(DisplayOptions& pModel) const;
    void getCurrentModel(UnitsModel& pModel) const;
    void getCurrentModel(EngineModel& pModel) const;

    void onControlsModelChanged(const ControlsModel& pModel);
    void onFolderModelChanged(const FolderModel& pModel);
    void onCacheModelChanged(const CacheModel& pModel);
    void onNamingPolicyChanged(const DisplayOptions& pModel);
    void onUnitsModelChanged(const UnitsModel& pModel);
    void onRendererModelChanged(const EngineModel& pModel);

    template <typename Model>
    bool isModified() const;
    GeneralModels currentModels() const;
    void showModels(const GeneralModels& pModels);
    // Makes the groups that hold one of pKeys take effect in the host.
    void pushGroups(const GeneralModels& pModels, const QStringList& pKeys);

    void setBackgroundButtonColor(const Wm4::ColorRGBA& pColor);
    void fillUnits();
    void fillNavigationModes();
    void setNbCoresTxt(int pCores);
    void translateSoftwareMessage();
    void forceRenderingMode(Engine pMode);
    bool shouldRestart() const;

    Ui::ZelGeneralSettingsPanel* mUi;
    Wm4::ColorRGBA mBackgroundColor;
    bool mResourcesEnabled;
    // Bytes, shown in megabytes.
    KeptValue<quint64, int> mMaxCPUMemory3D;
    KeptValue<quint64, int> mMaxGPUMemory;
};

} // namespace zel
