#pragma once

#include "zelExport.h"

#include <QDialog>
#include <QList>

class Ui_SettingsDialog;

namespace km {
class kmMovableObject;
}

class QTimer;

namespace zel {

class kmDMIApplication;
class ZelPanelHostFlow;
class ZelSettingsGuide;
class ZelSettingsPanel;

// A frameless, movable dialog that hosts the settings panels one at a time, with a tab
// per panel and Reset, Apply and Cancel below.
class ZEL_EXPORT SettingsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit SettingsDialog(kmDMIApplication* pApplication, QWidget* pParent = nullptr,
                            Qt::WindowFlags pFlags = {});
    ~SettingsDialog() override;

    void registerSettingsPanel(ZelSettingsPanel* pPanel);
    void unregisterSettingsPanel(ZelSettingsPanel* pPanel);
    void selectPanel(const QString& pName);

    // Turns on the settings guide: a search field in the header that filters the settings,
    // marks on the settings that were changed or differ from their default with a reset of
    // each one, restart hints, and the count of pending changes on each tab.
    void enableSettingsGuide();

Q_SIGNALS:
    // Another program changed these keys of the store; the panels and the host's state that
    // they drive follow already.
    void storeChanged(const QStringList& pKeys);

public Q_SLOTS:
    void refreshPanels();
    // Every way of leaving without APPLY (CANCEL, the close button, Escape) drops the edits.
    void reject() override;

protected:
    void showEvent(QShowEvent* pEvent) override;
    void changeEvent(QEvent* pEvent) override;

protected Q_SLOTS:
    void onSettingsPanelChanged();
    void onHeaderTableContentClicked(QString pPanelName);
    void on_closeButton_clicked();
    void on_applyButton_clicked();
    void on_resetButton_clicked();
    void on_cancelButton_clicked();

private:
    void detachPanel(ZelSettingsPanel* pPanel);
    void prepare();
    void preparePage();
    QRect placement() const;

    Ui_SettingsDialog* mUi;
    kmDMIApplication* mApplication;
    ZelPanelHostFlow* mFlow = nullptr;
    // Registered panels whose tab was never chosen: outside the dialog's widgets until then.
    QList<ZelSettingsPanel*> mDetached;
    km::kmMovableObject* mMovable;
    ZelSettingsGuide* mGuide = nullptr;
    // Lays the hidden dialog out once panels stopped coming.
    QTimer* mPrepareTimer = nullptr;
};

} // namespace zel
