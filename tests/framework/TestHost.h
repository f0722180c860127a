#pragma once

#include "TestPanel.h"
#include "kmMainWindow.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPointer>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

namespace zel {
class kmDMIApplication;
class ZelControlCenter;
} // namespace zel

// The host side of the framework's tests: the application object with a settings store in
// a temporary folder, the test panels that nobody else destroys, and on request a main
// window laid out as the viewer's: the control center and its pane at the left, then the
// two work areas. The primary area holds the 3D view ("view") and an "overlay" beside it;
// the "secondaryArea" follows, and a strip below ("outside") lies outside both areas.
class TestHost
{
public:
    TestHost();
    ~TestHost();

    // Every framework test runs on test paths, with Qt's own dialogs.
    static void PrepareTestRun()
    {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    }

    zel::kmDMIApplication* application() const { return mApplication.get(); }
    QSettings& settings() const { return *mSettings; }
    TestPanel* addPanel(const QString& pName, int pRows = 4);

    // The window owns the control center.
    zel::kmMainWindow* showMainWindow(zel::ZelControlCenter* pControlCenter);
    zel::kmMainWindow* mainWindow() const { return mMainWindow; }
    QWidget* area(const char* pName) const;
    void closeMainWindow() { delete mMainWindow; }

private:
    QTemporaryDir mFolder;
    std::unique_ptr<QSettings> mSettings;
    std::unique_ptr<zel::kmDMIApplication> mApplication;
    QPointer<zel::kmMainWindow> mMainWindow;
    QList<QPointer<TestPanel>> mPanels;
};

// Answers the modal message boxes that the code under test opens while it sits in exec():
// notes each box's title, text and parent and presses the chosen button (NoButton closes
// the box without a choice).
class MessageBoxAnswerer
{
public:
    explicit MessageBoxAnswerer(QMessageBox::StandardButton pAnswer);
    int count() const { return texts.size(); }

    QStringList titles;
    QStringList texts;
    QPointer<QWidget> lastParent;

private:
    QTimer mTimer;
};
