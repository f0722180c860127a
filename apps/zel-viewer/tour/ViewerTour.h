#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QString>
#include <QStringList>

#include <functional>

class QSettings;
class QWidget;

namespace zel {

class ViewerWindow;
class kmDMIApplication;

// Goes through the viewer's main flows without a person, as a person would: every step is
// a click at the place where a control shows in its window, or a key press to the widget
// that has the focus, so that a step which a person could not take fails. It saves a
// numbered picture of the whole window after each step and checks that each step did what
// it should: the settings took effect, the store changed only when a setting was applied,
// and the exports read back.
class ViewerTour : public QObject
{
    Q_OBJECT

public:
    ViewerTour(ViewerWindow& pWindow, kmDMIApplication& pApplication, QSettings& pSettings,
               const QString& pFolder, QObject* pParent = nullptr);

    // Removes what an earlier tour left in the folder: its pictures, exports and store.
    static void ClearFolder(const QString& pFolder);
    // The settings store that a tour in that folder uses.
    static QString StorePath(const QString& pFolder);

    // True when every step succeeded.
    bool run();
    const QStringList& failures() const { return mFailures; }

private:
    void atRest();
    void controlCenter();
    void settingsPane();
    void backgroundColour();
    void discardPrompt();
    void controlCenterByKeyboard();
    void settingsDialog();
    void settingsDialogByKeyboard();
    void exportTool();
    void exports();
    void activityReport();

    // A click where the widget shows in its window, through the window, scrolled into sight
    // first; false, and a failed step, when no part of it can be clicked (hidden, covered,
    // disabled).
    bool click(QWidget* pWidget, const QString& pWhat);
    // Turns the wheel over the scroll area around the widget until it can be clicked.
    void scrollTo(QWidget* pWidget);
    // A key press and release to the widget that has the focus.
    void key(int pKey, Qt::KeyboardModifiers pModifiers = Qt::NoModifier);
    // Tab until the widget has the focus; false, and a failed step, when it never does.
    bool tabTo(QWidget* pWidget, const QString& pWhat);
    // Clicks into the field and types over its text.
    void typeInto(QWidget* pField, const QString& pText, const QString& pWhat);
    bool pickFromList(QWidget* pCombo, int pRow, const QString& pWhat);
    QByteArray storeBytes();

    // Answers the next modal window (or pop-up menu) for which pAccept holds, while the
    // code that opened it waits in its own event loop. The watch is called off by deleting
    // what is returned, once the window is known to have come or not.
    QPointer<QTimer> answerNext(const std::function<bool(QWidget*)>& pAccept,
                                const std::function<void(QWidget*)>& pAnswer,
                                bool pUntilClosed = false);
    bool waitFor(const std::function<bool()>& pCondition, int pTimeoutMs = 5000);
    void spin(int pMilliseconds);
    void shoot(const QString& pName);
    void check(bool pOk, const QString& pWhat);
    QStringList exportWith(const QString& pButton);

    ViewerWindow& mWindow;
    kmDMIApplication& mApplication;
    QSettings& mSettings;
    QString mFolder;
    int mShot = 0;
    QStringList mFailures;
};

} // namespace zel
