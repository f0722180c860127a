#pragma once

#include <QString>

#include <functional>

class QSettings;

namespace zel {

class ViewerWindow;
class kmDMIApplication;

// The start that the viewer and its tour share: the command line, the language, the look,
// the store and its check at start-up, the host and the window.
class ViewerLauncher
{
public:
    // A tour through the viewer that saves into a folder.
    struct Tour
    {
        // Readies the folder; gives the settings store that a tour there uses.
        std::function<QString(const QString&)> mPrepare;
        // Goes through the window that the launcher made; gives the exit status.
        std::function<int(ViewerWindow&, kmDMIApplication&, QSettings&, const QString&)> mRun;
    };

    // The viewer's main: shows the window and runs until it closes. Given a tour, it takes
    // --tour DIR, which it then needs, runs without a display and runs the tour instead.
    static int Run(int pArgc, char** pArgv, const Tour* pTour = nullptr);
};

} // namespace zel
