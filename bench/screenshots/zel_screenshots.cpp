// Renders every host and panel with the library's style sheet to PNG files, the same on every
// run of one machine (offscreen, Fusion, fixed sizes, a fixed home folder, no focus and no
// caret), so that images taken before and after a change can be compared pixel by pixel:
//
//   zel_screenshots OUT [--compare BEFORE] [--home FOLDER] [--no-sheet]
//
// OUT receives dialog-<panel>.png and dialog-<panel>-end.png (the settings dialog on each of
// its panels, scrolled to the top and to the end), menu.png (the control center's action
// list), pane-<panel>.png (the control center's pane scrolled to each panel),
// panel-<panel>.png (each panel alone) and export-tool-<tab>.png (the export panel in its
// tool layout on each tab). With --compare, every image of BEFORE is compared
// with its namesake in OUT: the count of differing pixels is printed per image, the
// differences are drawn in red into OUT/diff, and the exit status is 1 when any image
// differs. FOLDER (by default /tmp/zel-screenshots-home) holds the store and the folders
// that the panels show; it is emptied first, so that both runs show the same paths. With
// --no-sheet the application has no style sheet, as in a host that does not apply the
// library's: the forms' own sheets must give the same look there too.

#include "BenchClock.h"
#include "BenchHost.h"
#include "RealPanels.h"

#include "SettingsDialog.h"
#include "ZelControlCenter.h"
#include "ZelExportSettingsPanel.h"
#include "ZelSettingsPanel.h"
#include "kmMainWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QImage>
#include <QPixmap>
#include <QScrollArea>
#include <QScrollBar>

#include <cstdio>
#include <memory>

namespace {

const char kSheetPath[] = ":/css/ViewerApp/resources/css/figura.css";
const char kDefaultHome[] = "/tmp/zel-screenshots-home";
const QSize kDialogSize(1003, 820);
const QSize kHostWindowSize(1400, 900);
const int kPanelWidth = 800;
const char* const kExportTabs[][2] = {{"mSetting2DPushButton", "image"},
                                      {"mSettingVecPushButton", "vector"},
                                      {"mSettingBOMPushButton", "bom"},
                                      {"mSetting3DPushButton", "geometry"}};

void QuietOffscreen(QtMsgType pType, const QMessageLogContext& pContext, const QString& pText)
{
    if (pText.contains(QLatin1String("propagateSizeHints")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(pType, pContext, pText)));
}

// Lets the widget settle (layouts, pending paints, animations) and takes no keyboard focus
// along, so that no caret or focus frame depends on timing.
bool Settle(QWidget* pWidget)
{
    if (QWidget* focused = QApplication::focusWidget())
        focused->clearFocus();
    EventProbe paint(pWidget, QEvent::Paint);
    pWidget->update();
    return PumpUntil([&paint] { return paint.isDone(); });
}

bool Save(QWidget* pWidget, const QDir& pFolder, const QString& pName)
{
    if (!Settle(pWidget)) {
        std::fprintf(stderr, "%s: the widget was not painted\n", qPrintable(pName));
        return false;
    }
    const QString path = pFolder.filePath(pName + QStringLiteral(".png"));
    if (!pWidget->grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("  %s\n", qPrintable(pName + QStringLiteral(".png")));
    return true;
}

bool ShootDialog(BenchHost& pHost, const QDir& pFolder)
{
    zel::SettingsDialog dialog(pHost.application());
    const QList<zel::ZelSettingsPanel*> panels =
        CreateRealPanels(pHost.application(), pHost.store());
    for (zel::ZelSettingsPanel* panel : panels)
        dialog.registerSettingsPanel(panel);
    dialog.show();
    dialog.resize(kDialogSize);
    auto* scroll = dialog.findChild<QScrollArea*>(QStringLiteral("scrollArea"));
    bool saved = scroll != nullptr;
    for (int i = 0; saved && i < panels.size(); ++i) {
        const QString name = QStringLiteral("dialog-%1").arg(kRealPanelNames[i]);
        dialog.selectPanel(panels.at(i)->getPanelName());
        scroll->verticalScrollBar()->setValue(0);
        saved = Save(&dialog, pFolder, name) && saved;
        // The rest of a panel that does not fit, as the dialog shows it.
        scroll->verticalScrollBar()->setValue(scroll->verticalScrollBar()->maximum());
        saved = Save(&dialog, pFolder, name + QStringLiteral("-end")) && saved;
    }
    if (!scroll)
        std::fprintf(stderr, "the settings dialog has no scroll area\n");
    for (zel::ZelSettingsPanel* panel : panels) {
        dialog.unregisterSettingsPanel(panel);
        delete panel;
    }
    return saved;
}

bool ShootPane(BenchHost& pHost, const QDir& pFolder)
{
    zel::kmDMIApplication host;
    host.setSettings(&pHost.store());
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
    window.resize(kHostWindowSize);

    const QList<zel::ZelSettingsPanel*> panels = CreateRealPanels(&host, pHost.store());
    for (zel::ZelSettingsPanel* panel : panels)
        center->registerSettingsPanel(panel);
    window.show();

    bool saved = false;
    center->openMenu(true);
    if (PumpUntil([center] { return center->isMenuOpen(); })) {
        saved = Save(side, pFolder, QStringLiteral("menu"));
        center->openSettings();
        if (!PumpUntil([center] { return center->isSettingsOpen(); })) {
            std::fprintf(stderr, "the settings pane did not open\n");
            saved = false;
        }
    } else {
        std::fprintf(stderr, "the control center did not open\n");
    }
    auto* pane = qobject_cast<QScrollArea*>(center->settingsWidget());
    for (int i = 0; saved && pane && i < panels.size(); ++i) {
        pane->verticalScrollBar()->setValue(panels.at(i)->mapTo(pane->widget(), QPoint()).y());
        saved = Save(side, pFolder, QStringLiteral("pane-%1").arg(kRealPanelNames[i]));
    }
    for (zel::ZelSettingsPanel* panel : panels) {
        center->unregisterSettingsPanel(panel, false);
        delete panel;
    }
    return saved;
}

bool ShootAlone(QWidget* pWidget, const QDir& pFolder, const QString& pName)
{
    pWidget->show();
    const int height = pWidget->hasHeightForWidth() ? pWidget->heightForWidth(kPanelWidth)
                                                    : pWidget->sizeHint().height();
    pWidget->resize(kPanelWidth, qMax(height, pWidget->minimumSizeHint().height()));
    return Save(pWidget, pFolder, pName);
}

bool ShootPanels(BenchHost& pHost, const QDir& pFolder)
{
    bool saved = true;
    const QList<zel::ZelSettingsPanel*> panels =
        CreateRealPanels(pHost.application(), pHost.store());
    for (int i = 0; i < panels.size(); ++i) {
        std::unique_ptr<zel::ZelSettingsPanel> panel(panels.at(i));
        panel->initializeWidget();
        saved = ShootAlone(panel.get(), pFolder, QStringLiteral("panel-%1").arg(kRealPanelNames[i]))
                && saved;
    }

    zel::ZelExportSettingsPanel tool(false, pHost.application(), pHost.store());
    tool.initializeWidget();
    for (const auto& tab : kExportTabs) {
        auto* button = tool.findChild<QAbstractButton*>(QLatin1String(tab[0]));
        if (!button) {
            std::fprintf(stderr, "the export tool has no button %s\n", tab[0]);
            return false;
        }
        button->click();
        saved = ShootAlone(&tool, pFolder, QStringLiteral("export-tool-%1").arg(tab[1]))
                && saved;
    }
    return saved;
}

// The count of differing pixels, drawn in red over a faded copy into pDiff.
qint64 DifferingPixels(const QImage& pBefore, const QImage& pAfter, QImage& pDiff)
{
    const QImage before = pBefore.convertToFormat(QImage::Format_ARGB32);
    const QImage after = pAfter.convertToFormat(QImage::Format_ARGB32);
    pDiff = QImage(after.size(), QImage::Format_ARGB32);
    qint64 differing = 0;
    for (int y = 0; y < after.height(); ++y) {
        const auto* left = reinterpret_cast<const QRgb*>(before.constScanLine(y));
        const auto* right = reinterpret_cast<const QRgb*>(after.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(pDiff.scanLine(y));
        for (int x = 0; x < after.width(); ++x) {
            if (left[x] != right[x]) {
                ++differing;
                out[x] = qRgb(255, 0, 0);
            } else {
                const int grey = 255 - (255 - qGray(right[x])) / 4;
                out[x] = qRgb(grey, grey, grey);
            }
        }
    }
    return differing;
}

int Compare(const QDir& pBefore, const QDir& pAfter)
{
    QDir diffs(pAfter.filePath(QStringLiteral("diff")));
    diffs.removeRecursively();
    int changed = 0;
    const QStringList names = pBefore.entryList({QStringLiteral("*.png")}, QDir::Files,
                                                QDir::Name);
    std::printf("compared with %s:\n", qPrintable(pBefore.absolutePath()));
    for (const QString& name : names) {
        const QImage before(pBefore.filePath(name));
        const QImage after(pAfter.filePath(name));
        if (after.isNull()) {
            std::printf("  %-28s missing\n", qPrintable(name));
            ++changed;
            continue;
        }
        if (after.size() != before.size()) {
            std::printf("  %-28s size %dx%d, was %dx%d\n", qPrintable(name), after.width(),
                        after.height(), before.width(), before.height());
            ++changed;
            continue;
        }
        QImage diff;
        const qint64 differing = DifferingPixels(before, after, diff);
        std::printf("  %-28s %8lld differing pixels of %lld\n", qPrintable(name),
                    static_cast<long long>(differing),
                    static_cast<long long>(after.width()) * after.height());
        if (differing > 0) {
            ++changed;
            QDir().mkpath(diffs.path());
            diff.save(diffs.filePath(name));
        }
    }
    std::printf("%d of %d images differ%s\n", changed, int(names.size()),
                changed ? qPrintable(QStringLiteral("; differences drawn in ") + diffs.path())
                        : "");
    return changed ? 1 : 0;
}

bool HasFlag(int pArgc, char** pArgv, const char* pName)
{
    for (int i = 1; i < pArgc; ++i) {
        if (qstrcmp(pArgv[i], pName) == 0)
            return true;
    }
    return false;
}

QString Option(int pArgc, char** pArgv, const char* pName)
{
    for (int i = 1; i + 1 < pArgc; ++i) {
        if (qstrcmp(pArgv[i], pName) == 0)
            return QString::fromLocal8Bit(pArgv[i + 1]);
    }
    return QString();
}

} // namespace

int main(int pArgc, char** pArgv)
{
    if (pArgc < 2 || pArgv[1][0] == '-') {
        std::fprintf(stderr, "usage: %s OUT [--compare BEFORE] [--home FOLDER] [--no-sheet]\n",
                     pArgv[0]);
        return 2;
    }
    // Pixels must not depend on the display or the desktop's style.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qunsetenv("QT_SCALE_FACTOR");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    qunsetenv("QT_FONT_DPI");
    qInstallMessageHandler(QuietOffscreen);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication application(pArgc, pArgv);
    QApplication::setCursorFlashTime(0);

    const QDir out(QDir(QString::fromLocal8Bit(pArgv[1])).absolutePath());
    const QString before = Option(pArgc, pArgv, "--compare");
    QString home = Option(pArgc, pArgv, "--home");
    if (home.isEmpty())
        home = QString::fromLatin1(kDefaultHome);
    QDir(home).removeRecursively();
    if (!QDir().mkpath(out.path())) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(out.path()));
        return 2;
    }
    for (const QString& name : out.entryList({QStringLiteral("*.png")}, QDir::Files))
        QFile::remove(out.filePath(name));

    BenchHost host(home);
    QString message;
    if (!host.isValid(message)) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
        return 2;
    }
    QFile sheet(QString::fromLatin1(kSheetPath));
    if (!sheet.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "the library's style sheet is missing\n");
        return 2;
    }
    if (!HasFlag(pArgc, pArgv, "--no-sheet"))
        application.setStyleSheet(QString::fromUtf8(sheet.readAll()));

    std::printf("images in %s:\n", qPrintable(out.path()));
    const bool saved = ShootDialog(host, out) && ShootPane(host, out) && ShootPanels(host, out);
    if (!saved)
        return 2;
    return before.isEmpty() ? 0 : Compare(QDir(before), out);
}
