// The settings pane of the control center with four registered panels of about thirty rows
// each, in a host window styled with the library's sheet.
//
//   frame    one animation frame: settingsWidth set, layouts settled, the control center and
//            its pane rendered into a pixmap              (goal <= 4 ms on this machine)
//            floor: the same area rendered without a width change
//   opening  the pane's re-read: initializeWidget on every panel
//            floor: the same keys read from the store without touching a widget
//
// Times are medians over interleaved rounds.

#include "TestPanel.h"

#include "ZelControlCenter.h"
#include "kmDMIApplication.h"
#include "kmMainWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QHBoxLayout>
#include <QPixmap>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

const int kPanels = 4;
const int kRowsPerPanel = 30;
const int kRounds = 9;
const int kOpeningsPerRound = 20;
const int kFrameGoalMs = 4;
// The widths of one 350 ms slide at 60 frames a second, both ways.
const int kFramesPerSlide = 21;
const int kPaneWidth = 450;

double median(std::vector<double> pValues)
{
    std::sort(pValues.begin(), pValues.end());
    return pValues.empty() ? 0.0 : pValues[pValues.size() / 2];
}

// Milliseconds per call of pJob, over pCalls calls.
double timeMs(int pCalls, const std::function<void(int)>& pJob)
{
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < pCalls; ++i)
        pJob(i);
    return clock.nsecsElapsed() / 1e6 / pCalls;
}

int slideWidth(int pFrame)
{
    // Forward then backward across the pane's range, as opening and closing draw it.
    const int step = pFrame % (2 * kFramesPerSlide);
    const int forward = step < kFramesPerSlide ? step : 2 * kFramesPerSlide - 1 - step;
    return kPaneWidth * (forward + 1) / kFramesPerSlide;
}

bool waitFor(const std::function<bool()>& pCondition)
{
    QElapsedTimer clock;
    clock.start();
    while (!pCondition()) {
        if (clock.hasExpired(10000))
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

} // namespace

int main(int pArgc, char** pArgv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication application(pArgc, pArgv);
    QFile sheet(QStringLiteral(":/css/ViewerApp/resources/css/figura.css"));
    if (sheet.open(QIODevice::ReadOnly))
        application.setStyleSheet(QString::fromUtf8(sheet.readAll()));

    QTemporaryDir folder;
    QSettings store(folder.filePath(QStringLiteral("store.ini")), QSettings::IniFormat);
    zel::kmDMIApplication host;
    host.setSettings(&store);

    zel::kmMainWindow window;
    auto* central = new QWidget(&window);
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    auto* side = new QWidget(central);
    auto* sideLayout = new QHBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->setSpacing(0);
    auto* center = new zel::ZelControlCenter(&host, side);
    sideLayout->addWidget(center);
    sideLayout->addWidget(center->settingsWidget());
    row->addWidget(side);
    auto* view = new QWidget(central);
    row->addWidget(view, 1);
    window.setCentralWidget(central);
    window.setPrimaryWorkArea(view);
    host.setMainWindow(&window);
    window.resize(1400, 900);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "the host window was not shown\n");
        return 1;
    }

    std::vector<std::unique_ptr<TestPanel>> panels;
    for (int i = 0; i < kPanels; ++i) {
        panels.push_back(std::make_unique<TestPanel>(
            &host, store, QStringLiteral("Panel %1").arg(i + 1), kRowsPerPanel));
        center->registerSettingsPanel(panels.back().get());
    }

    center->openMenu(true);
    center->openSettings();
    if (!waitFor([center] { return center->isMenuOpen() && center->isSettingsOpen(); })) {
        std::fprintf(stderr, "the settings pane did not open\n");
        return 1;
    }

    QPixmap canvas(side->size());
    int frame = 0;
    const auto renderSide = [&] { side->render(&canvas); };
    const auto settle = [] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    };

    std::vector<double> frames;
    std::vector<double> frameFloors;
    std::vector<double> openings;
    std::vector<double> openingFloors;
    for (int round = 0; round < kRounds; ++round) {
        frames.push_back(timeMs(2 * kFramesPerSlide, [&](int) {
            center->setSettingsWidth(slideWidth(frame++));
            settle();
            renderSide();
        }));
        center->setSettingsWidth(kPaneWidth);
        settle();
        frameFloors.push_back(timeMs(2 * kFramesPerSlide, [&](int) {
            settle();
            renderSide();
        }));

        openings.push_back(timeMs(kOpeningsPerRound, [&](int) {
            for (const std::unique_ptr<TestPanel>& panel : panels)
                panel->initializeWidget();
        }));
        openingFloors.push_back(timeMs(kOpeningsPerRound, [&](int) {
            for (const std::unique_ptr<TestPanel>& panel : panels) {
                for (int key = 0; key < panel->rowCount(); ++key)
                    panel->storedValue(key);
            }
        }));
    }

    const double frameMs = median(frames);
    const double openingMs = median(openings);
    std::printf("settings pane, %d panels of %d rows, %dx%d side area (median of %d rounds)\n",
                kPanels, kRowsPerPanel, side->width(), side->height(), kRounds);
    std::printf("  frame: width set, layout settled, rendered  %8.3f ms\n", frameMs);
    std::printf("  frame floor: rendered only                  %8.3f ms\n", median(frameFloors));
    std::printf("  opening: initializeWidget on every panel    %8.3f ms\n", openingMs);
    std::printf("  opening floor: the same keys read           %8.3f ms\n",
                median(openingFloors));
    std::printf("ratios:\n");
    std::printf("  frame / floor                 %6.2f\n", frameMs / median(frameFloors));
    std::printf("  opening / floor               %6.2f\n", openingMs / median(openingFloors));
    std::printf("goal: frame <= %d ms (half of a 120 Hz frame): %s\n", kFrameGoalMs,
                frameMs <= kFrameGoalMs ? "met" : "MISSED");

    // The host takes its panels back before they go.
    for (const std::unique_ptr<TestPanel>& panel : panels)
        center->unregisterSettingsPanel(panel.get(), false);
    return 0;
}
