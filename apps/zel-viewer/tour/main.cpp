#include "ViewerLauncher.h"
#include "ViewerTour.h"

int main(int pArgc, char** pArgv)
{
    zel::ViewerLauncher::Tour tour;
    tour.mPrepare = [](const QString& pFolder) {
        zel::ViewerTour::ClearFolder(pFolder);
        return zel::ViewerTour::StorePath(pFolder);
    };
    tour.mRun = [](zel::ViewerWindow& pWindow, zel::kmDMIApplication& pHost,
                   QSettings& pSettings, const QString& pFolder) {
        zel::ViewerTour viewerTour(pWindow, pHost, pSettings, pFolder);
        return viewerTour.run() ? 0 : 1;
    };
    return zel::ViewerLauncher::Run(pArgc, pArgv, &tour);
}
