#pragma once

#include "TourDriver.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QWidget>

class QPushButton;
class QSettings;

namespace zel {

class ViewerWindow;
class ZelControlCenter;
class kmDMIApplication;

// Goes through the viewer's main flows without a person, as a person would: every step is
// a click at the place where a control shows in its window, or a key press to the widget
// that has the focus, so that a step which a person could not take fails. It saves a
// numbered picture of the whole window after each step and checks that each step did what
// it should: the settings took effect, the store changed only when a setting was applied,
// and the exports read back.
class ViewerTour : public TourDriver
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

private:
    void start();
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

    QByteArray storeBytes();
    QStringList exportWith(const QString& pButton);

    // The item's button of the control center's action of that name.
    static QPushButton* ItemButton(ZelControlCenter* pCenter, const QString& pName);
    template<typename T = QWidget> static T* Part(QWidget* pParent, const char* pName)
    {
        return pParent->findChild<T*>(QLatin1String(pName));
    }

    // The scroll of the settings pane and the slides take 350 ms; a little more settles them.
    static const int msSettle;
    // The control center ignores a press that follows another within 500 ms.
    static const int msClickDebounce;
    static const int msAnswerPoll;
    static const char msReportName[];

    ViewerWindow& mWindow;
    kmDMIApplication& mApplication;
    QSettings& mSettings;
    QString mFolder;
};

} // namespace zel
