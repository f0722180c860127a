#pragma once

#include "ModalAnswerer.h"
#include "PanelHarness.h"
#include "TestInput.h"
#include "TestPanel.h"

#include <QPointer>

// The host side of the framework's tests: the panels' harness (its store and application
// object, without its hidden main window), the test panels, and on request a main window laid
// out as the viewer's: the primary work area with the 3D "view" and an "overlay", the control
// center and its pane lying over its left part, the "secondaryArea", and below them a strip
// "outside" both areas.
class TestHost
{
public:
    TestHost();
    ~TestHost();
    static constexpr QSize kWindowSize{1300, 700};
    // Every framework test runs on test paths, with Qt's own dialogs and the library's look.
    static void PrepareTestRun()
    {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        QuietOffscreen();
        ApplyLibraryStyle();
    }
    static void QuietOffscreen();
    static void ApplyLibraryStyle();
    zel::kmDMIApplication* application() { return &mHarness.mApplication; }
    QSettings& settings() { return mHarness.mSettings; }
    // Runs the start-up check over the store, as the host does before any panel sees it.
    bool checkStore() { return mHarness.checkStore(); }
    // The store as it lies on disk once its pending writes are there.
    QByteArray storeBytes() { return mHarness.storeBytes(); }
    // A new panel registered with a control center or a dialog.
    template<typename H> TestPanel* addPanel(H* pHost, const QString& pName, int pRows = 4)
    {
        mPanels.append(new TestPanel(application(), settings(), pName, pRows));
        pHost->registerSettingsPanel(mPanels.last());
        return mPanels.last();
    }
    // The window owns the control center, a new one unless given.
    zel::kmMainWindow* showMainWindow(zel::ZelControlCenter* pControlCenter = nullptr);
    zel::kmMainWindow* mainWindow() const { return mMainWindow; }
    QWidget* area(const char* pName) const
    {
        return mMainWindow->findChild<QWidget*>(QLatin1String(pName));
    }
    void closeMainWindow() { delete mMainWindow; }

private:
    zeltest::PanelHarness mHarness;
    QPointer<zel::kmMainWindow> mMainWindow;
    QList<QPointer<TestPanel>> mPanels;
};
