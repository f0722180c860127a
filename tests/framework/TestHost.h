#pragma once

#include "TestPanel.h"
#include "ZelControlCenter.h"
#include "kmDMIApplication.h"
#include "kmMainWindow.h"

#include <QApplication>
#include <QLayout>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

// The host side of the framework's tests: the application object with a store in a temporary
// folder, the test panels, and on request a main window laid out as the viewer's: the primary
// work area with the 3D "view" and an "overlay", the control center and its pane lying over
// its left part, the "secondaryArea", and below them a strip "outside" both areas. Input goes
// in as a person's does: presses through the window, keys to the focused widget.
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
    // Makes the window the active one, as a window manager does.
    static void Activate(QWidget* pWindow);
    // A press and release through the widget's window, where the widget itself is hit.
    static void Press(const QWidget* pWidget);
    static QPoint PressPoint(const QWidget* pWidget);
    // A key press and release to the widget that has the focus.
    static void Key(int pKey, Qt::KeyboardModifiers pModifiers = Qt::NoModifier);
    // Clicks into the control's text and types over it.
    static void Type(QWidget* pControl, const QString& pText);
    // Wheel notches over the widget, delivered to whatever lies under the pointer.
    static void Wheel(QWidget* pWidget, int pSteps);
    zel::kmDMIApplication* application() const { return mApplication.get(); }
    QSettings& settings() const { return *mSettings; }
    // The store as it lies on disk.
    QByteArray storeBytes() const;
    // A new panel registered with a control center or a dialog.
    template<typename H> TestPanel* addPanel(H* pHost, const QString& pName, int pRows = 4)
    {
        mPanels.append(new TestPanel(mApplication.get(), *mSettings, pName, pRows));
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
    QTemporaryDir mFolder;
    std::unique_ptr<QSettings> mSettings;
    std::unique_ptr<zel::kmDMIApplication> mApplication;
    QPointer<zel::kmMainWindow> mMainWindow;
    QList<QPointer<TestPanel>> mPanels;
};

// Answers the modal message boxes opened while the code under test sits in exec(): notes
// each box as "title: text" and its parent, and presses the answer (NoButton: none).
struct MessageBoxAnswerer
{
    explicit MessageBoxAnswerer(QMessageBox::StandardButton pAnswer);
    int count() const { return boxes.size(); }

    QStringList boxes;
    QPointer<QWidget> lastParent;
    QTimer timer;
};
