#pragma once

#include "KeptValue.h"
#include "ZelSettingsPanel.h"
#include "zelExport.h"

namespace Ui {
class ZelImportSettingsPanel;
}

namespace zel {

struct ImportModel;

// The "IMPORT" settings panel: import options and the tessellation quality and limits.
// Each limit has a flag that says whether it is in force; its value is kept either way.
class ZEL_EXPORT ZelImportSettingsPanel : public ZelSettingsPanel
{
    Q_OBJECT

public:
    ZelImportSettingsPanel(kmDMIApplication* pApplication, QSettings& pSettings,
                           QWidget* pParent = nullptr, Qt::WindowFlags pFlags = {});
    ~ZelImportSettingsPanel() override;

    void initializeWidget() override;
    virtual void saveSettings();
    void resetContent() override;
    bool canResetContent() const override;
    bool hasModifications() const override;
    bool cancelModifications() override;
    bool applyModifications() override;
    QString describeRow(const QString& pKey, RowValue pValue) const override;
    void resetRow(const QString& pKey) override;

Q_SIGNALS:
    void stateChanged();

protected:
    StoreTexts storeTexts() const override;
    void showStoreTexts(const StoreTexts& pTexts) override;
    void changeEvent(QEvent* pEvent) override;
    void saveSettingsInternal();
    void checkContent() const;

private Q_SLOTS:
    void on_defaultQuality_clicked();
    void on_highQuality_clicked();
    void on_lowQuality_clicked();
    void on_defaultSag_clicked();
    void on_sag_clicked();
    void on_defaultLength_clicked();
    void on_length_clicked();
    void on_defaultAngle_clicked();
    void on_angle_clicked();
    void on_loadHiddenObjectsCheckBox_clicked();
    void on_loadAnnotationsCheckBox_clicked();

private:
    void readSettings(ImportModel& pModel) const;
    void getDefaultSettings(ImportModel& pModel) const;
    void getCurrentModel(ImportModel& pModel) const;
    void applyModel(const ImportModel& pModel);

    // 0 the default quality, 1 high, 2 low.
    int qualityChoice() const;
    void setQuality(bool pSet, bool pHigh);
    void setFaceSagSet(bool pSet);
    void setFaceLengthSet(bool pSet);
    void setFaceAngleSet(bool pSet);
    void setLoadHiddenObjects(bool pLoad);
    void setLoadAnnotations(bool pLoad);
    void setComputeFaceContour(bool pCompute);

    Ui::ZelImportSettingsPanel* mUi;
    KeptValue<bool, int> mHighQuality;
    KeptValue<double> mFaceSag;
    KeptValue<double> mFaceLength;
};

} // namespace zel
