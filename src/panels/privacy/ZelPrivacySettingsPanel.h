#pragma once

#include "ZelSettingsPanel.h"
#include "zelExport.h"

namespace Ui {
class ZelPrivacySettingsPanel;
}

namespace zel {

struct PrivacyModel;

// The "PRIVACY" settings panel: consent to send usage data, the privacy-policy notices,
// and a link that saves a copy of the activity report as JSON.
class ZEL_EXPORT ZelPrivacySettingsPanel : public ZelSettingsPanel
{
    Q_OBJECT

public:
    // The pages that the notices link to. Defined in the source file: a constant defined in
    // a header becomes a unique symbol, which keeps the library from ever being unloaded.
    static const char msPrivacyPolicyUrl[];
    static const char msStorePrivacyPolicyUrl[];

    ZelPrivacySettingsPanel(kmDMIApplication* pApplication, QSettings& pSettings,
                            QWidget* pParent = nullptr, Qt::WindowFlags pFlags = {});
    ~ZelPrivacySettingsPanel() override;

    void initializeWidget() override;
    void refreshWidgetContent() override;
    bool hasModifications() const override;
    bool applyModifications() override;
    bool cancelModifications() override;
    bool canResetContent() const override;
    void resetContent() override;
    QString describeRow(const QString& pKey, RowValue pValue) const override;
    virtual void saveSettings();
    bool shouldRestart() const;

Q_SIGNALS:
    void stateChanged();

public Q_SLOTS:
    void onLinkActivated(const QString& pLink);

protected:
    StoreTexts storeTexts() const override;
    void showStoreTexts(const StoreTexts& pTexts) override;
    void changeEvent(QEvent* pEvent) override;
    void saveSettingsInternal();

private Q_SLOTS:
    void on_activityReportCheckBox_clicked();

private:
    void readSettings(PrivacyModel& pModel) const;
    void getCurrentModel(PrivacyModel& pModel) const;
    void applyModel(const PrivacyModel& pModel);
    void saveActivityReport();
    void translate();

    Ui::ZelPrivacySettingsPanel* mUi;
};

} // namespace zel
