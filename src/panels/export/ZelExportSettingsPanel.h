#pragma once

#include "FiguraExportSettings.h"
#include "ZelSettingsPanel.h"
#include "zelExport.h"

#include <QList>

class QSignalMapper;
class QStyledItemDelegate;

namespace Ui {
class ZelExportSettingsPanel;
}

namespace zel {

class ExportRecordMapping;

// The export settings: a settings page with four sections, or, built with the tool layout,
// the host's export tool with its tabs, previews and export buttons. The values live in
// the host's export-settings record, not in the settings store.
class ZEL_EXPORT ZelExportSettingsPanel : public ZelSettingsPanel
{
    Q_OBJECT

public:
    using ExportModel = FiguraExportSettings;

    enum tSimplificationState
    {
        NoSimplification = 0,
        RatioSimplification = 1,
        TargetTrianglesSimplification = 2
    };

    ZelExportSettingsPanel(bool pSettingsLayout, kmDMIApplication* pApplication,
                           QSettings& pSettings, QWidget* pParent = nullptr,
                           Qt::WindowFlags pFlags = {});
    ~ZelExportSettingsPanel() override;

    void initializeWidget() override;
    bool hasModifications() const override;
    bool applyModifications() override;
    bool cancelModifications() override;
    bool canResetContent() const override;
    void resetContent() override;
    QString describeRow(const QString& pKey, RowValue pValue) const override;
    void resetRow(const QString& pKey) override;
    virtual void saveSettings();

    int getActiveTab() const { return mActiveTab; }
    void clearPreviewButton();
    void setExportButtonStates(bool pEnabled);

public Q_SLOTS:
    void updateTrianglesStatsLabel();

Q_SIGNALS:
    void stateChanged();
    void activeTabChanged(int pIndex);
    void exportRequested();
    void previewToggled(bool pState);

protected Q_SLOTS:
    void showTab(int pIndex);

    void onImageSettingsChanged(const ExportModel& pModel);
    void onSvgSettingsChanged(const ExportModel& pModel);
    void onBomSettingsChanged(const ExportModel& pModel);
    void onGeometrySettingsChanged(const ExportModel& pModel);
    void onSettingsChanged();

    void on_previewIMGButton_toggled(bool pChecked);
    void on_previewVECButton_toggled(bool pChecked);
    void on_preview3DButton_toggled(bool pChecked);
    void on_exportIMGButton_clicked();
    void on_exportVECButton_clicked();
    void on_exportVECMoreButton_clicked();
    void on_exportBOMButton_clicked();
    void on_export3DButton_clicked();

    void on_definitionCombobox_currentIndexChanged(int pIndex);
    void on_SuperSamplingComboBox_currentIndexChanged(int pIndex);
    void on_overrideBgCheckBox_stateChanged(int pState);
    void on_backgroundColorButton_clicked();

    void on_canvasSizeCombobox_currentIndexChanged(int pIndex);
    void on_salientEdgeColorButton_clicked();
    void on_silhouetteEdgeColorButton_clicked();
    void on_salientEdgeWidthSpinBox_valueChanged(double pValue);
    void on_silhouetteEdgeWidthSpinBox_valueChanged(double pValue);
    void on_resetSVGButton_clicked();

    void on_bomFormatComboBox_currentIndexChanged(int pIndex);

    void on_scatteredExport_stateChanged(int pState);
    void on_hiddenBranchesCheckbox_stateChanged(int pState);
    void on_noSimplifButton_toggled(bool pChecked);
    void on_simplifRatioButton_toggled(bool pChecked);
    void on_simplifNoTrianglesButton_toggled(bool pChecked);
    void on_simplifRatioSpinBox_valueChanged(int pValue);
    void on_simplifNoTrianglesSpinBox_valueChanged(int pValue);

protected:
    void changeEvent(QEvent* pEvent) override;
    void saveSettingsInternal();
    void saveImageSettings();

private:
    void getCurrentModel(ExportModel& pModel) const;
    void applyModel(const ExportModel& pModel);
    void readSettings(ExportModel& pModel) const;
    void getDefaultSettings(ExportModel& pModel) const;

    void exportVector(bool pAsImage);
    void setTabVisible(int pIndex);
    void setSimplificationState(tSimplificationState pState);
    void setStatisticsLine(const QString& pLine);
    quint64 sceneTriangles() const;

    Ui::ZelExportSettingsPanel* mUi;
    QSignalMapper* mTabMapper;
    QStyledItemDelegate* mDefinitionDelegate;
    QStyledItemDelegate* mCanvasDelegate;
    ExportRecordMapping* mMapping;
    QList<QWidget*> mTabPages;
    int mActiveTab = -1;
    // Down while a record is being shown in the controls; no edit is read or written then.
    bool mFillingGuard = false;
};

} // namespace zel
