#pragma once

#include "ZelSettingsPanel.h"
#include "zelExport.h"

#include "CacheModel.h"
#include "ColorRGBA.h"
#include "ControlsModel.h"
#include "DisplayOptions.h"
#include "EngineModel.h"
#include "FolderModel.h"
#include "UnitsModel.h"

namespace Ui {
class ZelGeneralSettingsPanel;
}

namespace zel {

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
    virtual void saveSettings();

    // Index of a scene scale among the powers of ten from 0.001 to 1000 (within 0.001);
    // 3, the scale 1, when it matches none of them.
    static int GetSceneUnitComboIndex(float pSceneScale);

Q_SIGNALS:
    void stateChanged();

protected:
    void initializeGeneralSettings();
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

    void readSettings(ControlsModel& pModel) const;
    void readSettings(FolderModel& pModel) const;
    void readSettings(CacheModel& pModel) const;
    void readSettings(DisplayOptions& pModel) const;
    void readSettings(UnitsModel& pModel) const;
    void readSettings(EngineModel& pModel) const;

    void getDefaultSettings(ControlsModel& pModel) const;
    void getDefaultSettings(FolderModel& pModel) const;
    void getDefaultSettings(CacheModel& pModel) const;
    void getDefaultSettings(DisplayOptions& pModel) const;
    void getDefaultSettings(UnitsModel& pModel) const;
    void getDefaultSettings(EngineModel& pModel) const;

    void getCurrentModel(ControlsModel& pModel) const;
    void getCurrentModel(FolderModel& pModel) const;
    void getCurrentModel(CacheModel& pModel) const;
    void getCurrentModel(DisplayOptions& pModel) const;
    void getCurrentModel(UnitsModel& pModel) const;
    void getCurrentModel(EngineModel& pModel) const;

    void applyModel(const ControlsModel& pModel);
    void applyModel(const FolderModel& pModel);
    void applyModel(const CacheModel& pModel);
    void applyModel(const DisplayOptions& pModel);
    void applyModel(const UnitsModel& pModel);
    void applyModel(const EngineModel& pModel);

    void onControlsModelChanged(const ControlsModel& pModel);
    void onFolderModelChanged(const FolderModel& pModel);
    void onCacheModelChanged(const CacheModel& pModel);
    void onNamingPolicyChanged(const DisplayOptions& pModel);
    void onUnitsModelChanged(const UnitsModel& pModel);
    void onRendererModelChanged(const EngineModel& pModel);

    bool isEngineModified() const;
    bool isUnitsModified() const;
    bool isDisplayModified() const;
    bool isCacheModified() const;
    bool isFolderModified() const;
    bool isControlsModified() const;

    void saveSettingsInternal();
    void saveEngineSettings() const;
    void saveCoreNumberSettings() const;
    void saveRenderingOptions() const;
    void saveSceneUnitsSettings() const;
    void saveDisplayOptions() const;
    void saveResourcesSettings() const;
    void saveTriangleCapSettings() const;
    void saveControlsSettings() const;

    void pushUnits();
    void pushDisplayOptions();
    void pushEngine();
    void setNavigationMode(const QString& pController);
    void setupResources();
    void setCacheMaxSize(quint64 pMegabytes);
    void setTriangleCap(quint64 pTriangles);
    void setCoreNumber(int pCores);

    void loadStoredModels();
    void showModels(const EngineModel& pEngine, const UnitsModel& pUnits,
                    const DisplayOptions& pDisplay, const CacheModel& pCache,
                    const FolderModel& pFolder, const ControlsModel& pControls);

    void setBackgroundButtonColor(const Wm4::ColorRGBA& pColor);
    void setNbCoresTxt(int pCores);
    void forceRenderingMode(Engine pMode);
    bool shouldRestart() const;

    Ui::ZelGeneralSettingsPanel* mUi;
    Wm4::ColorRGBA mBackgroundColor;
    bool mResourcesEnabled;
};

} // namespace zel
