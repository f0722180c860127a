// The two hosts of the settings panels with the four real panels, against plain Qt, in one
// run: every figure is a median over interleaved rounds, every measured dialog and pane a
// fresh widget tree (showing again and the slide's frames excepted, which reuse one).
//
//   floor      a QDialog with a QTabWidget of four QFormLayout pages that hold as many check
//              boxes, spin boxes, combo boxes, line edits and labels as the four real panels
//              (counted from the panels' widgets at the start of the run), no style sheet,
//              given the size that the settings dialog takes; built, shown and painted;
//              also with the library's sheet, built and shown again, to tell what the sheet
//              alone costs plain Qt
//   dialog     the settings dialog: built, the four panels built and registered, shown and
//              painted; without a style sheet and with the library's sheet on the
//              application, as the viewer sets it          (goals <= 1.0 and <= 1.5 floors)
//   again      the same dialog, hidden, shown and painted again, with the sheet
//                                                          (goal <= 0.25 floor)
//   pressed    the settings dialog as the viewer has it: built with its panels at the host's
//              start-up, the event loop left idle, then shown by a press and painted
//   pane       a host window with the control center and the four panels, with the sheet:
//              built and shown; then, after the event loop was left idle once, as after the
//              viewer's first frame, the pane opened by a press on the menu's settings item
//              (from the collapsed action list to the pane's first painted frame), first
//              and again
//   parts      what plain Qt takes to paint the parts of a frame that the floor does not hold:
//              copies of the push buttons that the frame paints, and of its frames drawn
//              through a drop-shadow effect, holding as many plain controls; for the pane's
//              first frame and for the dialog shown again (recorded in the first round,
//              painted once more after a showing in every round)
//   library    the library's share of the host window's first frame: the host window built,
//              shown and painted, less the same window without the control center and panels
//   frame      one frame of the pane's slide, back and out again, with the animations
//              stepped a frame at a time: the animation moved on, layouts settled, the
//              control center and the pane rendered     (goal <= 4 ms; floor: rendered only)
//
// "Painted" ends when the event loop is free after the window's first paint. The sheet is
// parsed before each round's first use, outside the clock, as a running viewer has it.
// Every figure is taken on the wall clock and in the GUI thread's CPU time: on a machine
// that other work keeps busy, the CPU time holds steadier. Options: --rounds N (default 9).
// The start-up check has its own benchmark (bench_registry).

#include "BenchClock.h"
#include "BenchHost.h"
#include "BenchSteps.h"
#include "FrameStepper.h"
#include "PlainFrameParts.h"
#include "PlainSettingsDialog.h"
#include "RealPanels.h"
#include "WidgetCensus.h"

#include "SettingsDialog.h"
#include "ZelControlCenter.h"
#include "ZelSettingsPanel.h"
#include "kmMainWindow.h"

#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QPixmap>
#include <QStringList>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>

namespace {

const int kDefaultRounds = 9;
const double kDialogGoal = 1.5;
const double kPlainDialogGoal = 1.0;
const double kShowAgainGoal = 0.25;
const double kFrameGoalMs = 4.0;
const double kPaneGoal = 1.0;
// A slide and the action list's collapse or return take 600 ms: 38 frames; far fewer than
// this many steps.
const int kMaxSlideSteps = 200;
const int kFloorFrames = 42;
const QSize kHostWindowSize(1400, 900);
const int kUnboundedSize = 16777215;
const char kSheetPath[] = ":/css/ViewerApp/resources/css/figura.css";
// The quiet moment after a host's first frame, before a person's first press.
const int kIdleMs = 300;

// The lap from show() to the end of the layouts and show events.
QString ShownLap()
{
    return QStringLiteral("shown (layout, show events)");
}

void QuietOffscreen(QtMsgType pType, const QMessageLogContext& pContext, const QString& pText)
{
    if (pText.contains(QLatin1String("propagateSizeHints")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(pType, pContext, pText)));
}

QString LoadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("unknown");
    const QList<QByteArray> fields = file.readAll().split(' ');
    return fields.size() >= 3 ? QString::fromLatin1(fields[0] + ' ' + fields[1] + ' ' + fields[2])
                              : QStringLiteral("unknown");
}

bool MeasureFloor(const QList<WidgetCensus>& pPages, const QSize& pSize, Measure& pBuild,
                  Measure* pAgain)
{
    Laps laps;
    laps.start();
    auto dialog = std::make_unique<PlainSettingsDialog>(pPages);
    dialog->resize(pSize);
    laps.lap(QStringLiteral("built"));
    dialog->ensurePolished();
    laps.lap(QStringLiteral("polished"));
    if (!BenchSteps::ShowAndPaint(dialog.get(), laps, ShownLap()))
        return false;
    pBuild.add(laps);
    const bool shown = !pAgain || BenchSteps::ShowAgain(dialog.get(), *pAgain);
    dialog.reset();
    BenchSteps::FlushDeletes();
    return shown;
}

void DestroyDialog(zel::SettingsDialog* pDialog, const QList<zel::ZelSettingsPanel*>& pPanels)
{
    // The host takes its panels back before the dialog goes.
    for (zel::ZelSettingsPanel* panel : pPanels) {
        pDialog->unregisterSettingsPanel(panel);
        delete panel;
    }
    delete pDialog;
    BenchSteps::FlushDeletes();
}

bool MeasureDialog(BenchHost& pHost, Measure& pBuild, Measure* pAgain, QSize* pSize = nullptr)
{
    Laps laps;
    laps.start();
    auto* dialog = new zel::SettingsDialog(pHost.application());
    laps.lap(QStringLiteral("dialog built"));
    const QList<zel::ZelSettingsPanel*> panels = CreateRealPanels(
        pHost.application(), pHost.store(),
        [&laps](const char* pName) { laps.lap(QStringLiteral("%1 panel built").arg(pName)); });
    for (int i = 0; i < panels.size(); ++i) {
        dialog->registerSettingsPanel(panels.at(i));
        laps.lap(QStringLiteral("%1 panel registered").arg(kRealPanelNames[i]));
    }
    dialog->ensurePolished();
    laps.lap(QStringLiteral("polished"));
    bool shown = BenchSteps::ShowAndPaint(dialog, laps, ShownLap());
    if (shown) {
        pBuild.add(laps);
        if (pSize)
            *pSize = dialog->size();
        shown = !pAgain || BenchSteps::ShowAgain(dialog, *pAgain);
    }
    DestroyDialog(dialog, panels);
    return shown;
}

// Built with its panels at start-up, left idle, then shown and painted, first and again.
// With pParts, what showing the dialog again paints is recorded into it.
bool MeasurePressedDialog(BenchHost& pHost, Measure& pPressed, Measure& pAgain,
                          PlainFrameParts* pParts = nullptr)
{
    auto* dialog = new zel::SettingsDialog(pHost.application());
    const QList<zel::ZelSettingsPanel*> panels =
        CreateRealPanels(pHost.application(), pHost.store());
    for (zel::ZelSettingsPanel* panel : panels)
        dialog->registerSettingsPanel(panel);
    BenchSteps::Idle(kIdleMs);
    Laps laps;
    laps.start();
    bool shown = BenchSteps::ShowAndPaint(dialog, laps, ShownLap());
    if (shown) {
        pPressed.add(laps);
        if (pParts)
            pParts->record(dialog);
        shown = BenchSteps::ShowAgain(dialog, pAgain);
        if (pParts)
            pParts->stop();
    }
    DestroyDialog(dialog, panels);
    return shown;
}

// The settings pane as a host has it: the control center and its pane side by side at the
// left of the main window, the rest of the window the 3D view.
struct PaneTree
{
    zel::kmDMIApplication mHost;
    std::unique_ptr<zel::kmMainWindow> mWindow;
    QWidget* mSide = nullptr;
    zel::ZelControlCenter* mCenter = nullptr;
    QList<zel::ZelSettingsPanel*> mPanels;

    ~PaneTree()
    {
        for (zel::ZelSettingsPanel* panel : mPanels) {
            mCenter->unregisterSettingsPanel(panel, false);
            delete panel;
        }
        mWindow.reset();
        BenchSteps::FlushDeletes();
    }

    QWidget* actionFrame() const
    {
        return mCenter->findChild<QWidget*>(QStringLiteral("actionFrame"));
    }
};

// The host window alone, as it is built around the control center, shown and painted.
bool MeasureBareHost(Measure& pBuild, Span& pTotal)
{
    Laps laps;
    laps.start();
    zel::kmMainWindow window;
    auto* central = new QWidget(&window);
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    auto* view = new QWidget(central);
    row->addWidget(view, 1);
    window.setCentralWidget(central);
    window.setPrimaryWorkArea(view);
    window.resize(kHostWindowSize);
    laps.lap(QStringLiteral("host window built"));
    window.ensurePolished();
    laps.lap(QStringLiteral("polished"));
    if (!BenchSteps::ShowAndPaint(&window, laps, ShownLap()))
        return false;
    pBuild.add(laps);
    pTotal = laps.total();
    return true;
}

std::unique_ptr<PaneTree> BuildPane(BenchHost& pHost, Measure& pBuild, Span& pTotal)
{
    Laps laps;
    laps.start();
    auto tree = std::make_unique<PaneTree>();
    tree->mHost.setSettings(&pHost.store());
    tree->mWindow = std::make_unique<zel::kmMainWindow>();
    auto* central = new QWidget(tree->mWindow.get());
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    tree->mSide = new QWidget(central);
    auto* sideLayout = new QHBoxLayout(tree->mSide);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->setSpacing(0);
    tree->mCenter = new zel::ZelControlCenter(&tree->mHost, tree->mSide);
    sideLayout->addWidget(tree->mCenter);
    sideLayout->addWidget(tree->mCenter->settingsWidget());
    row->addWidget(tree->mSide);
    auto* view = new QWidget(central);
    row->addWidget(view, 1);
    tree->mWindow->setCentralWidget(central);
    tree->mWindow->setPrimaryWorkArea(view);
    tree->mHost.setMainWindow(tree->mWindow.get());
    tree->mWindow->resize(kHostWindowSize);
    laps.lap(QStringLiteral("host window and control center built"));

    tree->mWindow->ensurePolished();
    laps.lap(QStringLiteral("polished"));
    if (!BenchSteps::ShowAndPaint(tree->mWindow.get(), laps, ShownLap()))
        return nullptr;
    pBuild.add(laps);
    pTotal = laps.total();

    // As the library recommends, the panels are built after the first frame, when the event
    // loop is idle: all four at once here, from a zero-timer, out of the first frame's clock.
    bool built = false;
    QTimer::singleShot(0, tree->mCenter, [&tree, &pHost, &built] {
        tree->mPanels = CreateRealPanels(&tree->mHost, pHost.store(), [](const char*) {});
        for (zel::ZelSettingsPanel* panel : tree->mPanels) {
            tree->mCenter->registerSettingsPanel(panel);
            panel->ensurePolished();
        }
        built = true;
    });
    if (!PumpUntil([&built] { return built; }))
        return nullptr;
    BenchSteps::Idle(kIdleMs);
    tree->mCenter->openMenu(true);
    if (!PumpUntil([&tree] { return tree->mCenter->isMenuOpen(); }))
        return nullptr;
    return tree;
}

QWidget* SettingsItem(const PaneTree& pTree)
{
    return pTree.mCenter->findChild<QWidget*>(QStringLiteral("actionButton"));
}

// From the moment the action list has collapsed (the pane's opening starts there) to the
// end of the pane's first painted frame; the slide then runs to its end, unmeasured.
// With pParts, what the pane's first frame paints is recorded into it.
bool MeasureOpening(PaneTree& pTree, Measure& pOpening, PlainFrameParts* pParts = nullptr)
{
    EventProbe collapsed(pTree.actionFrame(), QEvent::Hide);
    EventProbe paneFrame(pTree.mCenter->settingsWidget(), QEvent::Paint);
    if (pParts)
        pParts->record(pTree.mSide, pTree.actionFrame());
    BenchSteps::Press(SettingsItem(pTree));
    if (!PumpUntil([&] { return collapsed.count() > 0 && paneFrame.isDone(); }))
        return false;
    if (pParts)
        pParts->stop();
    pOpening.add(Span::Between(collapsed.firstAt(), paneFrame.doneAt()));
    return PumpUntil([&pTree] { return pTree.mCenter->isSettingsOpen(); });
}

// Leaves settings mode and waits for the action list's slide back: false when the list did
// not come back, so that the next opening would start from another state.
bool CloseSettings(PaneTree& pTree)
{
    pTree.mCenter->openSettings();
    const QWidget* actions = pTree.actionFrame();
    PumpUntil([&] {
        return !pTree.mCenter->isSettingsOpen() && actions->maximumHeight() == kUnboundedSize;
    });
    return actions->isVisible() && actions->height() > 0;
}

// From the open pane: out of settings mode (the pane slides back, the action list comes back)
// and in again (the list collapses, the pane slides out). A frame is a step of the slide:
// the animations moved on, layouts settled, the control center and the pane rendered; the
// frames in which the pane's width changed are counted.
bool MeasureFrames(PaneTree& pTree, FrameStepper& pStepper, Measure& pFrames,
                   Measure& pFloors)
{
    QPixmap canvas(pTree.mSide->size());
    const auto settle = [] { QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest); };
    pStepper.hold();
    Span slid;
    int frames = 0;
    const auto stepUntil = [&](const std::function<bool()>& pDone) {
        for (int step = 0; step < kMaxSlideSteps && !pDone(); ++step) {
            const int width = pTree.mCenter->settingsWidth();
            const Stamp start = Now();
            pStepper.step();
            settle();
            pTree.mSide->render(&canvas);
            if (pTree.mCenter->settingsWidth() == width)
                continue;
            const Span frame = Span::Between(start, Now());
            slid.mWall += frame.mWall;
            slid.mCpu += frame.mCpu;
            ++frames;
        }
        return pDone();
    };
    const QWidget* actions = pTree.actionFrame();
    pTree.mCenter->openSettings();
    bool slidTwice = stepUntil([&] {
        return !pTree.mCenter->isSettingsOpen() && actions->maximumHeight() == kUnboundedSize;
    });
    pTree.mCenter->openSettings();
    slidTwice = slidTwice && stepUntil([&] { return pTree.mCenter->isSettingsOpen(); });
    pStepper.release();
    if (!slidTwice || frames == 0)
        return false;
    pFrames.add(slid / frames);

    settle();
    const Stamp start = Now();
    for (int frame = 0; frame < kFloorFrames; ++frame) {
        settle();
        pTree.mSide->render(&canvas);
    }
    pFloors.add(Span::Between(start, Now()) / kFloorFrames);
    return true;
}

const char* Verdict(double pRatio, double pGoal)
{
    return pRatio <= pGoal ? "met" : "MISSED";
}

// The ratio on both clocks, with the goal when there is one.
void PrintRatio(const char* pName, const Span& pValue, const Span& pFloor, double pGoal)
{
    const double wall = pValue.mWall / pFloor.mWall;
    const double cpu = pValue.mCpu / pFloor.mCpu;
    if (pGoal > 0) {
        std::printf("  %-34s %6.2f %6.2f   goal <= %.2f: %s on the wall clock, %s in CPU time\n",
                    pName, wall, cpu, pGoal, Verdict(wall, pGoal), Verdict(cpu, pGoal));
    } else {
        std::printf("  %-34s %6.2f %6.2f   (no goal)\n", pName, wall, cpu);
    }
}

// What plain Qt takes for the parts of pWhole's frame that the floor lacks, and pWhole less
// that.
void PrintLessParts(const char* pWhole, const Measure& pMeasure, const Measure& pParts,
                    const Span& pFloor)
{
    if (pParts.isEmpty())
        return;
    const Span whole = pMeasure.median();
    const Span parts = pParts.median();
    PrintRatio("  plain Qt: those parts of its frame", parts, pFloor, 0);
    const QByteArray less = QByteArray("  ") + pWhole + ", less those";
    PrintRatio(less.constData(), Span{whole.mWall - parts.mWall, whole.mCpu - parts.mCpu},
               pFloor, 0);
}

int Rounds(int pArgc, char** pArgv)
{
    for (int i = 1; i + 1 < pArgc; ++i) {
        if (std::strcmp(pArgv[i], "--rounds") == 0)
            return qMax(1, std::atoi(pArgv[i + 1]));
    }
    return kDefaultRounds;
}

int Fail(const char* pWhat)
{
    std::fprintf(stderr, "%s\n", pWhat);
    return 1;
}

} // namespace

int main(int pArgc, char** pArgv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietOffscreen);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication application(pArgc, pArgv);
    FrameStepper stepper;
    stepper.install();
    const int rounds = Rounds(pArgc, pArgv);
    const QString loadBefore = LoadAverage();

    BenchHost host;
    QString message;
    if (!host.isValid(message))
        return Fail(qPrintable(message));
    QFile sheetFile(QString::fromLatin1(kSheetPath));
    if (!sheetFile.open(QIODevice::ReadOnly))
        return Fail("the library's style sheet is missing");
    const QString sheet = QString::fromUtf8(sheetFile.readAll());

    // The floor's pages hold what the real panels hold, and it takes our dialog's size.
    QList<WidgetCensus> pages;
    WidgetCensus panelsTotal;
    for (zel::ZelSettingsPanel* panel : CreateRealPanels(host.application(), host.store())) {
        pages.append(WidgetCensus::Take(panel));
        panelsTotal += pages.last();
        delete panel;
    }
    Measure sizing(QStringLiteral("sizing"));
    QSize dialogSize;
    if (!MeasureDialog(host, sizing, nullptr, &dialogSize))
        return Fail("the settings dialog was not painted");
    int dialogWidgets = 0;
    int floorWidgets = 0;
    {
        zel::SettingsDialog dialog(host.application());
        const QList<zel::ZelSettingsPanel*> panels =
            CreateRealPanels(host.application(), host.store());
        for (zel::ZelSettingsPanel* panel : panels)
            dialog.registerSettingsPanel(panel);
        dialogWidgets = dialog.findChildren<QWidget*>().size();
        for (zel::ZelSettingsPanel* panel : panels) {
            dialog.unregisterSettingsPanel(panel);
            delete panel;
        }
        floorWidgets = PlainSettingsDialog(pages).findChildren<QWidget*>().size();
    }

    Measure floor(QStringLiteral("floor: plain-Qt dialog built, shown, painted"));
    Measure floorAgain(QStringLiteral("floor shown again"));
    Measure floorSheet(QStringLiteral("floor with the library's sheet (for comparison)"));
    Measure floorSheetAgain(QStringLiteral("floor with the library's sheet shown again"));
    Measure plain(QStringLiteral("settings dialog, no style sheet"));
    Measure styled(QStringLiteral("settings dialog, with the library's sheet"));
    Measure again(QStringLiteral("settings dialog shown again, with the sheet"));
    Measure pressed(QStringLiteral("settings dialog built at start-up, shown after idle"));
    Measure pressedAgain(QStringLiteral("that dialog shown again"));
    Measure bareHost(QStringLiteral("host window without the library built"));
    Measure library(QStringLiteral("library before the host's first frame"));
    Measure paneBuilt(QStringLiteral("host window with the control center and panels built"));
    Measure paneOpened(QStringLiteral("pane opened, first time"));
    Measure paneReopened(QStringLiteral("pane opened again"));
    PlainFrameParts dialogParts;
    Measure dialogPartsPainted(
        QStringLiteral("plain Qt: that showing's parts that the floor lacks"));
    PlainFrameParts parts;
    Measure partsPainted(QStringLiteral("plain Qt: the first frame's parts that the floor lacks"));
    Measure frames(QStringLiteral("slide frame: animations stepped, layouts settled, rendered"));
    Measure frameFloors(QStringLiteral("frame floor: rendered only"));

    int listMissing = 0;
    for (int round = 0; round < rounds; ++round) {
        BenchSteps::UseSheet(QString());
        if (!MeasureFloor(pages, dialogSize, floor, &floorAgain))
            return Fail("the floor dialog was not painted");
        if (!MeasureDialog(host, plain, nullptr))
            return Fail("the settings dialog was not painted");

        BenchSteps::UseSheet(sheet);
        if (!MeasureDialog(host, styled, &again))
            return Fail("the settings dialog was not painted");
        if (!MeasureFloor(pages, dialogSize, floorSheet, &floorSheetAgain))
            return Fail("the floor dialog was not painted");

        if (!MeasurePressedDialog(host, pressed, pressedAgain,
                                  dialogParts.isEmpty() ? &dialogParts : nullptr))
            return Fail("the settings dialog was not painted");
        if (!dialogParts.isEmpty() && !dialogParts.measure(dialogPartsPainted))
            return Fail("the plain copy of the dialog's frame was not painted");
        Span bare;
        if (!MeasureBareHost(bareHost, bare))
            return Fail("the host window was not painted");
        Span built;
        std::unique_ptr<PaneTree> tree = BuildPane(host, paneBuilt, built);
        if (tree)
            library.add(Span{built.mWall - bare.mWall, built.mCpu - bare.mCpu});
        if (!tree || !MeasureOpening(*tree, paneOpened, parts.isEmpty() ? &parts : nullptr))
            return Fail("the settings pane did not open");
        if (!parts.isEmpty() && !parts.measure(partsPainted))
            return Fail("the plain copy of the pane's frame was not painted");
        if (!MeasureFrames(*tree, stepper, frames, frameFloors))
            return Fail("the settings pane did not slide back and out again");
        if (!CloseSettings(*tree))
            ++listMissing;
        else if (!MeasureOpening(*tree, paneReopened))
            return Fail("the settings pane did not open again");
    }

    std::printf("Settings hosts with the four real panels against plain Qt: %s, %s, "
                "Fusion, median of %d rounds\n",
                qVersion(), qPrintable(QGuiApplication::platformName()), rounds);
    std::printf("load average: %s at the start, %s at the end\n", qPrintable(loadBefore),
                qPrintable(LoadAverage()));
    std::printf("the real panels hold (counted from their widgets):\n");
    for (int i = 0; i < pages.size(); ++i) {
        std::printf("  %-8s %s; not mirrored: %s (%d widgets)\n", kRealPanelNames[i],
                    qPrintable(pages[i].describe()), qPrintable(pages[i].describeOthers()),
                    pages[i].mWidgets);
    }
    std::printf("  all      %s; not mirrored: %s (%d widgets)\n",
                qPrintable(panelsTotal.describe()), qPrintable(panelsTotal.describeOthers()),
                panelsTotal.mWidgets);
    std::printf("widgets (counted without the sheet): the settings dialog with the panels %d, "
                "the floor %d; both %dx%d\n",
                dialogWidgets, floorWidgets, dialogSize.width(), dialogSize.height());

    std::printf("beyond what the floor holds, the pane's first frame paints (%s), the dialog "
                "shown again (%s)\n",
                qPrintable(parts.describe()), qPrintable(dialogParts.describe()));
    std::printf("figures (medians; wall-clock ms, then the thread's CPU ms), with their steps:\n");
    for (const Measure* measure :
         {&floor, &floorAgain, &floorSheet, &floorSheetAgain, &plain, &styled, &again, &pressed,
          &pressedAgain, &bareHost, &paneBuilt, &library, &paneOpened, &paneReopened,
          &partsPainted, &dialogPartsPainted, &frames, &frameFloors}) {
        if (!measure->isEmpty())
            measure->printSteps();
    }

    const Span floorMs = floor.median();
    std::printf("ratios to the floor (%.2f ms wall, %.2f ms CPU):   wall    CPU\n", floorMs.mWall,
                floorMs.mCpu);
    PrintRatio("settings dialog, no style sheet", plain.median(), floorMs, kPlainDialogGoal);
    PrintRatio("settings dialog, with the sheet", styled.median(), floorMs, kDialogGoal);
    PrintRatio("settings dialog shown again", again.median(), floorMs, kShowAgainGoal);
    PrintRatio("floor with the sheet", floorSheet.median(), floorMs, 0);
    PrintRatio("pane's host window built", paneBuilt.median(), floorMs, 0);
    PrintRatio("dialog made at start-up, shown", pressed.median(), floorMs, 0);
    PrintRatio("that dialog shown again", pressedAgain.median(), floorMs, 0);
    PrintLessParts("that dialog shown again", pressedAgain, dialogPartsPainted, floorMs);
    PrintRatio("floor with the sheet shown again", floorSheetAgain.median(), floorMs, 0);
    PrintRatio("pane opened, first time", paneOpened.median(), floorMs, kPaneGoal);
    PrintLessParts("pane opened first", paneOpened, partsPainted, floorMs);
    if (!paneReopened.isEmpty())
        PrintRatio("pane opened again", paneReopened.median(), floorMs, kPaneGoal);
    PrintRatio("library before the host's first frame", library.median(), floorMs, kPaneGoal);
    if (listMissing > 0) {
        std::printf("  pane opened again: not measured in %d of %d rounds: the action list "
                    "did not come back when settings mode ended\n",
                    listMissing, rounds);
    }
    const Span frame = frames.median();
    const Span frameFloor = frameFloors.median();
    std::printf("slide frame: %.2f ms wall, %.2f ms CPU; %.2fx and %.2fx the frame floor;"
                " goal <= %.0f ms: %s on the wall clock, %s in CPU time\n",
                frame.mWall, frame.mCpu, frame.mWall / frameFloor.mWall,
                frame.mCpu / frameFloor.mCpu, kFrameGoalMs, Verdict(frame.mWall, kFrameGoalMs),
                Verdict(frame.mCpu, kFrameGoalMs));
    return 0;
}
