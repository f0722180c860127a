#pragma once

#include <QPointer>
#include <QTemporaryDir>

#include <memory>

class QSettings;
class QWidget;

namespace zel {
class kmDMIApplication;
class kmMainWindow;
class ZelControlCenter;
} // namespace zel

// The host side of the framework's tests: the application object with a settings store in
// a temporary folder and, on request, a main window laid out as the viewer's: the control
// center and its pane at the left, then the two work areas. The primary area holds the 3D
// view (the GUI handler) and an overlay beside it; a strip below lies outside both areas.
class TestHost
{
public:
    TestHost();
    ~TestHost();

    zel::kmDMIApplication* application() const { return mApplication.get(); }
    QSettings& settings() const { return *mSettings; }

    // Builds and shows the main window around the control center, which it then owns.
    zel::kmMainWindow* showMainWindow(zel::ZelControlCenter* pControlCenter);
    zel::kmMainWindow* mainWindow() const;
    void closeMainWindow();

    QWidget* view() const { return mView; }
    QWidget* overlay() const { return mOverlay; }
    QWidget* secondaryArea() const { return mSecondaryArea; }
    QWidget* outside() const { return mOutside; }

private:
    QTemporaryDir mFolder;
    std::unique_ptr<QSettings> mSettings;
    std::unique_ptr<zel::kmDMIApplication> mApplication;
    QPointer<zel::kmMainWindow> mMainWindow;
    QWidget* mView = nullptr;
    QWidget* mOverlay = nullptr;
    QWidget* mSecondaryArea = nullptr;
    QWidget* mOutside = nullptr;
};
