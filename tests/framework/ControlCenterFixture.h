#pragma once

#include "TestHost.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>

#include <memory>

namespace zel {
class ZelCCActionItem;
class ZelControlCenter;
class zelAction;
} // namespace zel

// The control center in a host window laid out as the viewer does, opened by the host's own
// button, and pressed as a person does who waits until it listens again.
class ControlCenterFixture : public QObject
{
protected:
    // Presses come through again this long after the last press or resize.
    static const int kDebounceMs = 500;

    void setUp();
    // Whatever a test did, the host's view runs again once the slides are over, and the
    // window, which holds the control center in its layout, never grew.
    void tearDown();

    // The pane sits in the host's layout, no longer below the control center.
    template<typename T = QWidget> T* part(const char* pName) const
    {
        return mCenter->window()->findChild<T*>(pName);
    }
    bool inSettingsMode() const;
    zel::ZelCCActionItem* item(const QString& pName) const;
    QPushButton* itemButton(const QString& pName) const;
    zel::zelAction* settingsAction() const;
    // Opened by the host's button; settings mode is clicked without waiting for the menu, as
    // a quick hand does.
    void openMenu(bool pSettings = false);
    void waitClosed();
    // A press through the window once the control center listens again.
    void press(QWidget* pWidget, bool pWait = true);
    // The host saw as many pauses as resumes of its view, which runs.
    bool viewsBalanced() const;
    // Tab from the focused widget once round the window: every widget that took the focus,
    // each checked to look different while it has it (an action item marks its whole row).
    QWidgetList tabRound();
    // The width that an open pane takes: the usual 450, or what its panels need, as long as
    // 160 pixels of the work area stay beside it; never below 240.
    int expectedPaneWidth() const;

    std::unique_ptr<TestHost> mHost;
    std::unique_ptr<QSignalSpy> mViews;
    QPointer<zel::ZelControlCenter> mCenter;
    QPointer<QPushButton> mHostButton;
    QElapsedTimer mSettled;
    QSize mWindowSize;
    QStringList mUnmarked;
};
