#pragma once

#include "SampleAssembly.h"
#include "ZelSettingsCheck.h"
#include "kmMainWindow.h"

#include <QList>
#include <QPointer>

class QLabel;
class QPushButton;
class QSettings;

namespace Ui {
class ViewerWindow;
}

namespace zel {

class ExportController;
class ModelView;
class ProductStructureWidget;
class SettingsDialog;
class ZelControlCenter;
class ZelExportSettingsPanel;
class ZelSettingsPanel;
class kmDMIApplication;
class zelAction;

// The demo viewer's main window: the control center at the left edge, the product
// structure, the 3D view and the export tool, all following the applied settings.
class ViewerWindow : public kmMainWindow
{
    Q_OBJECT

public:
    // The settings store must have been checked, and outlive the window.
    ViewerWindow(kmDMIApplication* pApplication, QSettings& pSettings,
                 QWidget* pParent = nullptr);
    ~ViewerWindow() override;

    // Gives the host the values of the store, as at every start.
    static void ApplyStoredSettings(kmDMIApplication& pApplication, QSettings& pSettings);
    // Notes in the status bar the settings that the start-up check repaired, if any.
    void tellRepairs(const std::vector<ZelSettingsCheck::Result>& pResults);

    ZelControlCenter* controlCenter() const { return mControlCenter; }
    // Built when the event loop is first idle after the window's first frame, or here when
    // asked for before.
    const QList<ZelSettingsPanel*>& controlCenterPanels();
    // Built on first use.
    SettingsDialog* settingsDialog();
    const QList<ZelSettingsPanel*>& dialogPanels() const { return mDialogPanels; }
    ZelExportSettingsPanel* exportTool() const { return mExportTool; }
    ExportController* exportController() const { return mExportController; }
    // The button at the top left that opens the control center.
    QPushButton* menuButton() const;
    ModelView* modelView() const;
    ProductStructureWidget* productStructure() const;
    zelAction* action(const QString& pName) const;
    QString lengthText() const;
    const SampleAssembly& assembly() const { return mAssembly; }

public Q_SLOTS:
    void openSettingsDialog();
    void reloadSample();
    void takeScreenshot();
    void showUserManual();
    void showAbout();

protected:
    bool eventFilter(QObject* pObject, QEvent* pEvent) override;
    void changeEvent(QEvent* pEvent) override;

private:
    void placeControlCenter();
    zelAction* addAction(const QString& pName);
    void createActions();
    void translateActions();
    void createPanels();
    // Builds and registers the next panel of the control center; false when all are.
    bool buildNextPanel();
    void buildPanelsNow();
    void connectHost();
    void updateLength();
    void updateNamingPolicy();
    void publishScene();
    void updateTriangles();
    void report(const QString& pKind, const QString& pDetail);

    Ui::ViewerWindow* mUi;
    kmDMIApplication* mApplication;
    QSettings& mSettings;
    SampleAssembly mAssembly;
    ZelControlCenter* mControlCenter = nullptr;
    static constexpr int kPanelCount = 4;
    QList<ZelSettingsPanel*> mPanels;
    bool mPanelsQueued = false;
    QPointer<SettingsDialog> mSettingsDialog;
    QList<ZelSettingsPanel*> mDialogPanels;
    ZelExportSettingsPanel* mExportTool = nullptr;
    ExportController* mExportController = nullptr;
    QLabel* mLengthLabel = nullptr;
    QLabel* mTrianglesLabel = nullptr;
};

} // namespace zel
