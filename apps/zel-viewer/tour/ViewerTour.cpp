#include "ViewerTour.h"

#include "BomCsvReader.h"
#include "BomCsvWriter.h"
#include "ExportController.h"
#include "MeshSimplifier.h"
#include "ModelView.h"
#include "ObjGeometryReader.h"
#include "SettingsDialog.h"
#include "SvgDrawingWriter.h"
#include "ViewerWindow.h"
#include "ZelCCActionItem.h"
#include "ZelControlCenter.h"
#include "ZelExportSettingsPanel.h"
#include "ZelSettingsCheck.h"
#include "ZelSettingsPanel.h"
#include "kmDMIApplication.h"
#include "kmDMRenderer.h"
#include "zelAction.h"
#include "zelFormat.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QSpontaneKeyEvent>
#include <QSvgRenderer>
#include <QTest>
#include <QTextStream>
#include <QTimer>
#include <QWheelEvent>
#include <QXmlStreamReader>

#include <cstdio>
#include <memory>

namespace zel {

namespace {

const char kStoreName[] = "tour-settings.ini";
const char kReportName[] = "activity-report.json";
// The scroll of the settings pane and the slides take 350 ms; a little more settles them.
const int kSettle = 450;
// The control center ignores a press that follows another within 500 ms.
const int kClickDebounce = 600;
const int kAnswerPoll = 20;
const int kRatio = 25;
const QColor kTourColour(46, 84, 120);

QColor viewColour(const Wm4::ColorRGBA& pColour)
{
    return QColor::fromRgbF(pColour.R(), pColour.G(), pColour.B());
}

QString svgWidth(const QByteArray& pSvg)
{
    QXmlStreamReader xml(pSvg);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement
            && xml.name() == QLatin1String("svg")) {
            return xml.attributes().value(QLatin1String("width")).toString();
        }
    }
    return QString();
}

// A point of the window where the widget, or a part of it, is what a click meets; the
// centre when it can, else the first such point line by line; (-1, -1) when there is none.
QPoint reachablePoint(QWidget* pWidget)
{
    QWidget* window = pWidget->window();
    if (!pWidget->isVisible() || !pWidget->isEnabled())
        return QPoint(-1, -1);
    const auto meets = [pWidget, window](const QPoint& pAt) {
        const QWidget* hit = window->childAt(pAt);
        return window->rect().contains(pAt)
            && (hit == pWidget || (hit && pWidget->isAncestorOf(hit)));
    };
    const QPoint centre = pWidget->mapTo(window, pWidget->rect().center());
    if (meets(centre))
        return centre;
    for (int y = 2; y < pWidget->height(); y += 4) {
        for (int x = 2; x < pWidget->width(); x += 4) {
            const QPoint at = pWidget->mapTo(window, QPoint(x, y));
            if (meets(at))
                return at;
        }
    }
    return QPoint(-1, -1);
}

// The item's button of the control center's action of that name.
QPushButton* itemButton(ZelControlCenter* pCenter, const QString& pName)
{
    for (ZelCCActionItem* item : pCenter->findChildren<ZelCCActionItem*>()) {
        if (item->getZelAction()->getActionName() == pName)
            return item->findChild<QPushButton*>(QStringLiteral("actionButton"));
    }
    return nullptr;
}

template<typename T = QWidget> T* part(QWidget* pParent, const char* pName)
{
    return pParent->findChild<T*>(QLatin1String(pName));
}

} // namespace

ViewerTour::ViewerTour(ViewerWindow& pWindow, kmDMIApplication& pApplication,
                       QSettings& pSettings, const QString& pFolder, QObject* pParent)
    : QObject(pParent)
    , mWindow(pWindow)
    , mApplication(pApplication)
    , mSettings(pSettings)
    , mFolder(pFolder)
{
}

void ViewerTour::ClearFolder(const QString& pFolder)
{
    QDir folder(pFolder);
    const QStringList ours = {QStringLiteral("[0-9][0-9]-*.png"), QStringLiteral("sample-*"),
                              QLatin1String(kStoreName), QLatin1String(kReportName)};
    for (const QString& name : folder.entryList(ours, QDir::Files))
        folder.remove(name);
}

QString ViewerTour::StorePath(const QString& pFolder)
{
    return QDir(pFolder).filePath(QLatin1String(kStoreName));
}

bool ViewerTour::run()
{
    QString error;
    const bool stored = ZelSettingsCheck::WriteValues(
        mSettings, {{QStringLiteral("folders/lastexportfolder"), mFolder}}, error);
    check(stored, stored ? QStringLiteral("export folder stored") : error);
    mWindow.show();
    mWindow.activateWindow();
    check(waitFor([this]() { return mWindow.isActiveWindow(); }),
          QStringLiteral("window shown"));
    spin(kSettle);

    atRest();
    controlCenter();
    settingsPane();
    backgroundColour();
    discardPrompt();
    controlCenterByKeyboard();
    settingsDialog();
    settingsDialogByKeyboard();
    exportTool();
    exports();
    activityReport();

    QTextStream out(stdout);
    out << (mFailures.isEmpty() ? "Tour passed" : "Tour FAILED") << ": " << mShot
        << " screenshots in " << QDir::toNativeSeparators(mFolder) << Qt::endl;
    for (const QString& failure : qAsConst(mFailures))
        out << "  failed: " << failure << Qt::endl;
    return mFailures.isEmpty();
}

void ViewerTour::atRest()
{
    shoot(QStringLiteral("viewer-at-rest"));
    const QColor applied = viewColour(mApplication.getRenderer()->getBackgroundColor());
    check(mWindow.modelView()->grab().toImage().pixelColor(3, 3) == applied,
          QStringLiteral("the view is drawn on the applied background colour"));
    check(mWindow.lengthText().endsWith(
              kmDMIApplication::GetUnitNameFromEnum(mApplication.getAppUnit())),
          QStringLiteral("the status bar shows the length in the applied unit"));
}

void ViewerTour::controlCenter()
{
    ZelControlCenter* center = mWindow.controlCenter();
    click(mWindow.menuButton(), QStringLiteral("the control center's button"));
    check(waitFor([center]() { return center->isMenuOpen(); }),
          QStringLiteral("the control center opens"));
    spin(kSettle);
    shoot(QStringLiteral("control-center-open"));
    check(center->findChildren<ZelCCActionItem*>().size() == 6,
          QStringLiteral("the control center lists Settings and the viewer's five actions"));
}

void ViewerTour::settingsPane()
{
    ZelControlCenter* center = mWindow.controlCenter();
    click(itemButton(center, QStringLiteral("Settings")), QStringLiteral("Settings"));
    check(waitFor([center]() { return center->isSettingsOpen(); }),
          QStringLiteral("the settings pane opens"));
    for (ZelSettingsPanel* panel : mWindow.controlCenterPanels()) {
        spin(kClickDebounce);
        click(panel->getActionWidget(), panel->getPanelName());
        spin(kSettle);
        shoot(QStringLiteral("settings-pane-%1").arg(panel->getPanelName().toLower()));
        check(panel->getActionWidget()->isChecked() && center->isSettingsOpen(),
              QStringLiteral("the tab of %1 is checked, the pane stays").arg(panel->getPanelName()));
    }
}

void ViewerTour::backgroundColour()
{
    ZelSettingsPanel* general = mWindow.controlCenterPanels().first();
    click(general->getActionWidget(), general->getPanelName());
    spin(kSettle);
    const QByteArray before = storeBytes();
    bool chosen = false;
    // The colour is typed into the dialog's HTML field, then OK is clicked.
    QPointer<QTimer> watch = answerNext(
        [](QWidget* pWidget) { return qobject_cast<QColorDialog*>(pWidget) != nullptr; },
        [this, &chosen](QWidget* pWidget) {
            for (auto* field : pWidget->findChildren<QLineEdit*>()) {
                if (!qobject_cast<QAbstractSpinBox*>(field->parentWidget()))
                    typeInto(field, kTourColour.name(), QStringLiteral("the colour's HTML field"));
            }
            shoot(QStringLiteral("background-colour-chosen"));
            chosen = click(pWidget->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                           QStringLiteral("OK of the colour dialog"));
        });
    click(part(general, "backgroundColorButton"), QStringLiteral("the background colour"));
    delete watch;
    check(chosen, QStringLiteral("the colour dialog opens"));
    check(general->hasModifications() && storeBytes() == before,
          QStringLiteral("the new colour is a pending edit, the store is untouched"));

    // A restart notice, should one come, is read and closed.
    watch = answerNext(
        [](QWidget* pWidget) { return qobject_cast<QMessageBox*>(pWidget) != nullptr; },
        [this](QWidget* pWidget) {
            click(static_cast<QMessageBox*>(pWidget)->button(QMessageBox::Ok),
                  QStringLiteral("OK of the restart notice"));
        });
    spin(kClickDebounce);
    click(part(mWindow.controlCenter()->settingsWidget(), "applyButton"),
          QStringLiteral("Apply of the pane"));
    delete watch;
    spin(kSettle);
    shoot(QStringLiteral("background-colour-applied"));
    check(viewColour(mApplication.getRenderer()->getBackgroundColor()) == kTourColour,
          QStringLiteral("the renderer takes the applied colour"));
    check(mWindow.modelView()->grab().toImage().pixelColor(3, 3) == kTourColour,
          QStringLiteral("the view is drawn with the applied colour"));
    check(ColorFromString(mSettings.value(QStringLiteral("engine/backgroundColor"))
                              .toString()
                              .toStdString())
              == mApplication.getRenderer()->getBackgroundColor(),
          QStringLiteral("the store keeps the applied colour"));
}

void ViewerTour::discardPrompt()
{
    ZelSettingsPanel* general = mWindow.controlCenterPanels().first();
    const bool flat = mApplication.getRenderer()->isFlatLighting();
    const QByteArray before = storeBytes();
    spin(kClickDebounce);
    click(part(general, "flatShadingCheckbox"), QStringLiteral("Flat shading"));
    check(general->hasModifications() && mWindow.controlCenter()->isSettingsOpen(),
          QStringLiteral("flat shading is a pending edit, the pane stays"));
    spin(kClickDebounce);
    bool prompted = false;
    QPointer<QTimer> watch = answerNext(
        [](QWidget* pWidget) {
            auto* box = qobject_cast<QMessageBox*>(pWidget);
            return box && box->button(QMessageBox::Discard);
        },
        [this, &prompted](QWidget* pWidget) {
            shoot(QStringLiteral("discard-prompt"));
            prompted = click(static_cast<QMessageBox*>(pWidget)->button(QMessageBox::Discard),
                             QStringLiteral("Discard"));
        });
    click(mWindow.modelView(), QStringLiteral("the 3D view beside the pane"));
    delete watch;
    check(prompted, QStringLiteral("a press in the view asks before dropping the edit"));
    ZelControlCenter* center = mWindow.controlCenter();
    check(waitFor([center]() { return !center->isMenuOpen() && center->isHidden(); }),
          QStringLiteral("the control center closes"));
    check(mApplication.getRenderer()->isFlatLighting() == flat && !general->hasModifications()
              && storeBytes() == before,
          QStringLiteral("the dropped edit is neither applied nor stored"));
}

void ViewerTour::controlCenterByKeyboard()
{
    // Only keys from here: to the menu's button, into the menu, into settings mode, a
    // switch, Apply, and out with Escape.
    ZelControlCenter* center = mWindow.controlCenter();
    ZelSettingsPanel* general = mWindow.controlCenterPanels().first();
    const bool flat = mApplication.getRenderer()->isFlatLighting();
    tabTo(mWindow.menuButton(), QStringLiteral("the control center's button"));
    key(Qt::Key_Space);
    check(waitFor([center]() { return center->isMenuOpen(); })
              && QApplication::focusWidget() == itemButton(center, QStringLiteral("Settings")),
          QStringLiteral("Space opens the control center, its first item takes the focus"));
    key(Qt::Key_Return);
    check(waitFor([center]() { return center->isSettingsOpen(); }),
          QStringLiteral("Return on Settings opens the pane"));
    tabTo(part(general, "flatShadingCheckbox"), QStringLiteral("Flat shading"));
    key(Qt::Key_Space);
    shoot(QStringLiteral("keyboard-flat-shading"));
    tabTo(part(center->settingsWidget(), "applyButton"), QStringLiteral("Apply of the pane"));
    spin(kAnswerPoll);
    shoot(QStringLiteral("keyboard-apply-focused"));
    key(Qt::Key_Space);
    check(mApplication.getRenderer()->isFlatLighting() != flat
              && mSettings.value(QStringLiteral("engine/flatShading")).toBool() != flat,
          QStringLiteral("the switch applied from the keyboard takes effect and is stored"));
    key(Qt::Key_Escape);
    check(waitFor([center]() { return !center->isMenuOpen() && center->isHidden(); })
              && QApplication::focusWidget() == mWindow.menuButton(),
          QStringLiteral("Escape closes the control center, the focus goes back to its button"));
}

void ViewerTour::settingsDialog()
{
    // With the mouse: Tools, Settings..., every tab, a switch, APPLY; then CANCEL.
    SettingsDialog* dialog = nullptr;
    const auto openByMenu = [this, &dialog]() {
        QPointer<QTimer> menu = answerNext(
            [](QWidget* pWidget) { return qobject_cast<QMenu*>(pWidget) != nullptr; },
            [this](QWidget* pWidget) {
                auto* popup = static_cast<QMenu*>(pWidget);
                const QRect item = popup->actionGeometry(mWindow.action(QStringLiteral("SettingsDialog")));
                QTest::mouseClick(popup->windowHandle(), Qt::LeftButton, {}, item.center());
            });
        QMenuBar* bar = mWindow.menuBar();
        QTest::mouseClick(mWindow.windowHandle(), Qt::LeftButton, {},
                          bar->mapTo(&mWindow, bar->actionGeometry(
                                                   bar->actions().value(2))
                                                   .center()));
        waitFor([this]() { return mWindow.settingsDialog()->isVisible(); });
        delete menu;
        dialog = mWindow.settingsDialog();
    };
    openByMenu();
    check(dialog->isVisible(), QStringLiteral("Tools > Settings... opens the settings dialog"));
    waitFor([dialog]() { return dialog->isActiveWindow(); });
    spin(kSettle);
    for (ZelSettingsPanel* panel : mWindow.dialogPanels()) {
        click(panel->getActionWidget(), panel->getPanelName());
        spin(kAnswerPoll);
        shoot(QStringLiteral("settings-dialog-%1").arg(panel->getPanelName().toLower()));
        check(panel->isVisible() && panel->getActionWidget()->isChecked(),
              QStringLiteral("the dialog shows %1").arg(panel->getPanelName()));
    }
    ZelSettingsPanel* general = mWindow.dialogPanels().first();
    click(general->getActionWidget(), general->getPanelName());
    const bool outline = mApplication.getRenderer()->isEdgeHiglightEnabled();
    click(part(general, "deferredEDCheckBox"), QStringLiteral("Outline"));
    shoot(QStringLiteral("settings-dialog-outline-switched"));
    click(part(dialog, "applyButton"), QStringLiteral("APPLY"));
    check(waitFor([dialog]() { return !dialog->isVisible(); })
              && mApplication.getRenderer()->isEdgeHiglightEnabled() != outline,
          QStringLiteral("APPLY closes the dialog, the switch takes effect"));

    openByMenu();
    const QByteArray before = storeBytes();
    click(part(general, "deferredEDCheckBox"), QStringLiteral("Outline"));
    click(part(dialog, "cancelButton"), QStringLiteral("CANCEL"));
    check(waitFor([dialog]() { return !dialog->isVisible(); }) && storeBytes() == before
              && mApplication.getRenderer()->isEdgeHiglightEnabled() != outline,
          QStringLiteral("CANCEL closes the dialog and changes nothing"));
}

void ViewerTour::settingsDialogByKeyboard()
{
    // The shortcut, Tab to a switch, Space, Return; again with Escape, which keeps nothing.
    SettingsDialog* dialog = mWindow.settingsDialog();
    ZelSettingsPanel* general = mWindow.dialogPanels().first();
    const bool outline = mApplication.getRenderer()->isEdgeHiglightEnabled();
    mWindow.activateWindow();
    waitFor([this]() { return mWindow.isActiveWindow(); });
    key(Qt::Key_Comma, Qt::ControlModifier);
    check(waitFor([dialog]() { return dialog->isActiveWindow(); }),
          QStringLiteral("Ctrl+, opens the settings dialog"));
    tabTo(part(general, "deferredEDCheckBox"), QStringLiteral("Outline"));
    key(Qt::Key_Space);
    shoot(QStringLiteral("settings-dialog-keyboard"));
    key(Qt::Key_Return);
    check(waitFor([dialog]() { return !dialog->isVisible(); })
              && mApplication.getRenderer()->isEdgeHiglightEnabled() == !outline,
          QStringLiteral("Return applies the switch and closes the dialog"));

    waitFor([this]() { return mWindow.isActiveWindow(); });
    const QByteArray before = storeBytes();
    key(Qt::Key_Comma, Qt::ControlModifier);
    waitFor([dialog]() { return dialog->isActiveWindow(); });
    tabTo(part(general, "deferredEDCheckBox"), QStringLiteral("Outline"));
    key(Qt::Key_Space);
    key(Qt::Key_Escape);
    check(waitFor([dialog]() { return !dialog->isVisible(); }) && storeBytes() == before
              && mApplication.getRenderer()->isEdgeHiglightEnabled() == !outline,
          QStringLiteral("Escape closes the dialog and changes nothing"));
}

void ViewerTour::exportTool()
{
    ZelExportSettingsPanel* tool = mWindow.exportTool();
    ModelView* view = mWindow.modelView();
    const QStringList tabs = {QStringLiteral("mSetting2DPushButton"),
                              QStringLiteral("mSettingVecPushButton"),
                              QStringLiteral("mSettingBOMPushButton"),
                              QStringLiteral("mSetting3DPushButton")};
    const QStringList names = {QStringLiteral("image"), QStringLiteral("vector"),
                               QStringLiteral("bom"), QStringLiteral("geometry")};
    const QStringList previews = {QStringLiteral("previewIMGButton"),
                                  QStringLiteral("previewVECButton"), QString(),
                                  QStringLiteral("preview3DButton")};
    const ModelView::tPreview kinds[] = {ModelView::ImagePreview, ModelView::VectorPreview,
                                         ModelView::NoPreview, ModelView::GeometryPreview};
    for (int tab = 0; tab < tabs.size(); ++tab) {
        click(tool->findChild<QPushButton*>(tabs[tab]), names[tab] + QStringLiteral(" tab"));
        check(tool->getActiveTab() == tab
                  && mSettings.value(QStringLiteral("folders/lastexportmodule")).toInt() == tab,
              QStringLiteral("the export tool shows and remembers the %1 tab").arg(names[tab]));
        if (tab == ExportController::GeometryTab) {
            click(part(tool, "simplifRatioButton"), QStringLiteral("the ratio choice"));
            typeInto(part(tool, "simplifRatioSpinBox"), QString::number(kRatio),
                     QStringLiteral("the ratio"));
            key(Qt::Key_Tab);
            check(part<QSpinBox>(tool, "simplifRatioSpinBox")->value() == kRatio,
                  QStringLiteral("the ratio takes the typed value"));
        }
        shoot(QStringLiteral("export-tool-%1").arg(names[tab]));
        if (previews[tab].isEmpty())
            continue;
        auto* preview = tool->findChild<QPushButton*>(previews[tab]);
        click(preview, QStringLiteral("PREVIEW"));
        check(view->preview() == kinds[tab],
              QStringLiteral("the %1 preview shows in the view").arg(names[tab]));
        shoot(QStringLiteral("export-tool-%1-preview").arg(names[tab]));
        click(preview, QStringLiteral("PREVIEW"));
        check(view->preview() == ModelView::NoPreview,
              QStringLiteral("the %1 preview goes away").arg(names[tab]));
    }
}

QStringList ViewerTour::exportWith(const QString& pButton)
{
    QStringList files;
    const QMetaObject::Connection connection =
        connect(mWindow.exportController(), &ExportController::exported,
                [&files](const QStringList& pFiles) { files = pFiles; });
    click(mWindow.exportTool()->findChild<QPushButton*>(pButton), pButton);
    disconnect(connection);
    for (const QString& file : qAsConst(files))
        check(QFile::exists(file), QStringLiteral("%1 is written").arg(file));
    return files;
}

void ViewerTour::exports()
{
    ZelExportSettingsPanel* tool = mWindow.exportTool();
    const FiguraExportSettings& record = mApplication.getFiguraExportSettings();

    click(part(tool, "mSetting2DPushButton"), QStringLiteral("image tab"));
    QStringList files = exportWith(QStringLiteral("exportIMGButton"));
    check(files.size() == 1 && QImageReader(files.value(0)).size()
                                   == record.getImageExportSettings().imageSize,
          QStringLiteral("the image export reads back at the chosen definition"));

    click(part(tool, "mSettingVecPushButton"), QStringLiteral("vector tab"));
    files = exportWith(QStringLiteral("exportVECButton"));
    QFile svg(files.value(0));
    const QByteArray drawing = svg.open(QIODevice::ReadOnly) ? svg.readAll() : QByteArray();
    const SVGExportSettings& vector = record.getSVGExportSettings();
    check(QSvgRenderer(drawing).isValid()
              && svgWidth(drawing) == QStringLiteral("%1mm").arg(vector.canvasWidth),
          QStringLiteral("the vector export reads back on the chosen canvas"));

    QPointer<QTimer> watch = answerNext(
        [](QWidget* pWidget) { return qobject_cast<QMenu*>(pWidget) != nullptr; },
        [](QWidget* pWidget) {
            QTest::keyClick(pWidget, Qt::Key_Down);
            QTest::keyClick(pWidget, Qt::Key_Return);
        });
    files = exportWith(QStringLiteral("exportVECMoreButton"));
    delete watch;
    check(files.size() == 1
              && QImageReader(files.value(0)).size()
                  == QSize(vector.canvasWidth, vector.canvasHeight)
                      * SvgDrawingWriter::kDotsPerMm,
          QStringLiteral("the vector export as image reads back at the canvas size"));

    click(part(tool, "mSettingBOMPushButton"), QStringLiteral("BOM tab"));
    pickFromList(part(tool, "bomFormatComboBox"), 1, QStringLiteral("the BOM format"));
    click(part(tool, "mPushButtonAddAll"), QStringLiteral("add all headers"));
    files = exportWith(QStringLiteral("exportBOMButton"));
    QFile csv(files.value(0));
    const BOMExportSettings& bom = record.getBOMExportSettings();
    QVector<QStringList> rows;
    QString error;
    check(csv.open(QIODevice::ReadOnly)
              && BomCsvReader::Parse(csv.readAll(), bom.columnSeparator, bom.stringDelimiter,
                                     rows, error)
              && bom.columnSeparator == QLatin1String(";") && !bom.headers.isEmpty()
              && rows.size() == mWindow.assembly().instances().size() + 1
              && rows.value(0) == BomCsvWriter::Headers(bom),
          QStringLiteral("the BOM export reads back with the chosen format and headers"));

    click(part(tool, "mSetting3DPushButton"), QStringLiteral("geometry tab"));
    files = exportWith(QStringLiteral("export3DButton"));
    const quint64 target = MeshSimplifier::TargetTriangles(
        record.getGeometryExportSettings().simplification, mWindow.assembly().triangleCount());
    ObjGeometryReader::Summary summary;
    const bool read = !files.isEmpty() && ObjGeometryReader::Read(files.last(), summary, error);
    check(read && summary.triangles <= target
              && summary.triangles + quint64(mWindow.assembly().instances().size()) >= target
              && summary.objects.size() == mWindow.assembly().instances().size(),
          QStringLiteral("the geometry export reads back with %1 of %2 triangles")
              .arg(summary.triangles)
              .arg(mWindow.assembly().triangleCount()));
    shoot(QStringLiteral("exports-written"));
}

void ViewerTour::activityReport()
{
    // In the control center's privacy panel, the link in its text saves the copy.
    ZelControlCenter* center = mWindow.controlCenter();
    ZelSettingsPanel* privacy = mWindow.controlCenterPanels().last();
    click(mWindow.menuButton(), QStringLiteral("the control center's button"));
    waitFor([center]() { return center->isMenuOpen(); });
    spin(kClickDebounce);
    click(itemButton(center, QStringLiteral("Settings")), QStringLiteral("Settings"));
    waitFor([center]() { return center->isSettingsOpen(); });
    spin(kClickDebounce);
    click(privacy->getActionWidget(), privacy->getPanelName());
    spin(kSettle);

    // The link is where the pointer turns into a hand over the text.
    auto* label = part<QLabel>(privacy, "activityreportlabel");
    QPoint link(-1, -1);
    QSignalSpy hovered(label, &QLabel::linkHovered);
    for (int y = label->height() - 4; y > 0 && link.x() < 0; y -= 4) {
        for (int x = 2; x < label->width() && link.x() < 0; x += 6) {
            const QPoint at = label->mapTo(&mWindow, QPoint(x, y));
            QTest::mouseMove(mWindow.windowHandle(), at);
            if (!hovered.isEmpty() && !hovered.last().value(0).toString().isEmpty())
                link = at;
        }
    }
    check(link.x() >= 0, QStringLiteral("the link to the report copy shows"));

    const QString path = QDir(mFolder).filePath(QLatin1String(kReportName));
    // A copy left by an earlier tour would make the dialog ask before replacing it.
    QFile::remove(path);
    // Typed into the name field, then Return. Answered until it closes, since an answer that
    // comes while the dialog settles its folder is lost.
    QPointer<QTimer> watch = answerNext(
        [](QWidget* pWidget) { return qobject_cast<QFileDialog*>(pWidget) != nullptr; },
        [this, path](QWidget* pWidget) {
            auto* edit = pWidget->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (!edit || !pWidget->isActiveWindow())
                return;
            typeInto(edit, path, QStringLiteral("the report's file name"));
            key(Qt::Key_Return);
        },
        true);
    // A copy that cannot be written is reported in a message box: a failure of the step,
    // not a tour that waits for ever.
    QString refusal;
    QPointer<QTimer> refusalWatch = answerNext(
        [](QWidget* pWidget) { return qobject_cast<QMessageBox*>(pWidget) != nullptr; },
        [this, &refusal](QWidget* pWidget) {
            refusal = static_cast<QMessageBox*>(pWidget)->text();
            key(Qt::Key_Escape);
        });
    if (link.x() >= 0)
        QTest::mouseClick(mWindow.windowHandle(), Qt::LeftButton, {}, link);
    delete watch;
    delete refusalWatch;
    check(refusal.isEmpty(), refusal.isEmpty() ? QStringLiteral("the report copy is saved")
                                               : QStringLiteral("the report copy is saved: ") + refusal);
    QFile file(path);
    const QJsonObject report = file.open(QIODevice::ReadOnly)
        ? QJsonDocument::fromJson(file.readAll()).object()
        : QJsonObject();
    QSet<QString> kinds;
    for (const QJsonValue& event : report.value(QStringLiteral("events")).toArray())
        kinds.insert(event.toObject().value(QStringLiteral("kind")).toString());
    check(kinds.contains(QStringLiteral("action")) && kinds.contains(QStringLiteral("settings"))
              && kinds.contains(QStringLiteral("export")),
          QStringLiteral("the report copy holds the session's actions, settings and exports"));

    waitFor([this]() { return mWindow.isActiveWindow(); });
    key(Qt::Key_Escape);
    check(waitFor([center]() { return !center->isMenuOpen() && center->isHidden(); }),
          QStringLiteral("Escape closes the control center"));
    shoot(QStringLiteral("tour-done"));
}

void ViewerTour::scrollTo(QWidget* pWidget)
{
    // The wheel over the scroll bars of the scroll areas around the widget, as long as it
    // stays out of reach; over the page, a list under the pointer would take the wheel.
    for (QWidget* parent = pWidget->parentWidget(); parent; parent = parent->parentWidget()) {
        auto* area = qobject_cast<QAbstractScrollArea*>(parent);
        if (!area)
            continue;
        for (QScrollBar* bar : {area->verticalScrollBar(), area->horizontalScrollBar()}) {
            const bool vertical = bar->orientation() == Qt::Vertical;
            for (int notch = 0; bar->isVisible() && notch < 100
                                && reachablePoint(pWidget).x() < 0; ++notch) {
                const QPoint offset = pWidget->mapTo(area->viewport(), QPoint());
                const bool ahead = (vertical ? offset.y() : offset.x()) > 0;
                const QPoint local = bar->rect().center();
                QWheelEvent wheel(local, bar->mapToGlobal(local), QPoint(),
                                  QPoint(0, ahead ? -120 : 120), Qt::NoButton, Qt::NoModifier,
                                  Qt::NoScrollPhase, false);
                QSpontaneKeyEvent::setSpontaneous(&wheel);
                QApplication::instance()->notify(bar, &wheel);
                spin(kAnswerPoll);
            }
        }
    }
}

bool ViewerTour::click(QWidget* pWidget, const QString& pWhat)
{
    // Out of sight in a scroll area, it is scrolled to first, as a person would.
    if (pWidget && reachablePoint(pWidget).x() < 0)
        scrollTo(pWidget);
    const QPoint at = pWidget ? reachablePoint(pWidget) : QPoint(-1, -1);
    if (at.x() < 0) {
        check(false, QStringLiteral("%1 can be clicked").arg(pWhat));
        return false;
    }
    // A window manager gives the focus to the window that is clicked.
    QWidget* window = pWidget->window();
    if (!window->isActiveWindow() && !(window->windowFlags() & Qt::Popup)) {
        window->activateWindow();
        waitFor([window]() { return window->isActiveWindow(); });
    }
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, at);
    return true;
}

void ViewerTour::key(int pKey, Qt::KeyboardModifiers pModifiers)
{
    // A window manager gives the keys back to the main window once a box over it closes.
    if (!QApplication::activeWindow()) {
        mWindow.activateWindow();
        waitFor([this]() { return mWindow.isActiveWindow(); });
    }
    QWidget* target = QApplication::focusWidget();
    if (!target)
        target = QApplication::activeWindow();
    if (!target) {
        check(false, QStringLiteral("a window takes the key %1").arg(pKey));
        return;
    }
    QTest::keyClick(target, Qt::Key(pKey), pModifiers);
}

bool ViewerTour::tabTo(QWidget* pWidget, const QString& pWhat)
{
    // On the way, every control that had the focus must have looked different with it.
    for (int step = 0; step < 200 && QApplication::focusWidget() != pWidget; ++step) {
        QWidget* left = QApplication::focusWidget();
        const QImage focused = left ? left->grab().toImage() : QImage();
        key(Qt::Key_Tab);
        if (left && left->grab().toImage() == focused) {
            std::fprintf(stdout, "[note] %s shows no mark while it has the focus\n",
                         qPrintable(left->objectName()));
        }
    }
    const bool reached = QApplication::focusWidget() == pWidget;
    check(reached, QStringLiteral("the Tab key reaches %1").arg(pWhat));
    return reached;
}

void ViewerTour::typeInto(QWidget* pField, const QString& pText, const QString& pWhat)
{
    auto* editor = qobject_cast<QLineEdit*>(pField);
    if (!editor && pField)
        editor = pField->findChild<QLineEdit*>();
    if (!click(editor ? static_cast<QWidget*>(editor) : pField, pWhat))
        return;
    key(Qt::Key_A, Qt::ControlModifier);
    if (QApplication::focusWidget())
        QTest::keyClicks(QApplication::focusWidget(), pText);
}

bool ViewerTour::pickFromList(QWidget* pCombo, int pRow, const QString& pWhat)
{
    auto* combo = qobject_cast<QComboBox*>(pCombo);
    if (!combo || !click(combo, pWhat))
        return false;
    QAbstractItemView* list = combo->view();
    if (!waitFor([list]() { return list->isVisible(); })) {
        check(false, QStringLiteral("the list of %1 opens").arg(pWhat));
        return false;
    }
    spin(kAnswerPoll);
    const QRect item = list->visualRect(combo->model()->index(pRow, 0));
    QTest::mouseClick(list->window()->windowHandle(), Qt::LeftButton, {},
                      list->viewport()->mapTo(list->window(), item.center()));
    const bool picked = waitFor([combo, pRow]() { return combo->currentIndex() == pRow; });
    check(picked, QStringLiteral("%1 takes the clicked entry").arg(pWhat));
    return picked;
}

QByteArray ViewerTour::storeBytes()
{
    mSettings.sync();
    QFile file(mSettings.fileName());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QPointer<QTimer> ViewerTour::answerNext(const std::function<bool(QWidget*)>& pAccept,
                                        const std::function<void(QWidget*)>& pAnswer,
                                        bool pUntilClosed)
{
    auto* timer = new QTimer(this);
    timer->setInterval(kAnswerPoll);
    // An answer waits for windows in an event loop of its own: the watch must not answer
    // again meanwhile.
    auto answering = std::make_shared<bool>(false);
    connect(timer, &QTimer::timeout, this, [timer, pAccept, pAnswer, pUntilClosed, answering]() {
        if (*answering)
            return;
        QWidget* widget = QApplication::activePopupWidget();
        if (!widget || !pAccept(widget))
            widget = QApplication::activeModalWidget();
        if (!widget || !pAccept(widget) || !widget->isVisible())
            return;
        if (!pUntilClosed) {
            timer->stop();
            timer->deleteLater();
        }
        *answering = true;
        pAnswer(widget);
        *answering = false;
    });
    timer->start();
    return timer;
}

bool ViewerTour::waitFor(const std::function<bool()>& pCondition, int pTimeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!pCondition()) {
        if (clock.elapsed() > pTimeoutMs)
            return false;
        spin(kAnswerPoll);
    }
    return true;
}

void ViewerTour::spin(int pMilliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(pMilliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

void ViewerTour::shoot(const QString& pName)
{
    QPixmap picture = mWindow.grab();
    QPainter painter(&picture);
    // Dialogs and message boxes are windows of their own; they are drawn where they stand.
    QList<QWidget*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget != &mWindow && widget->isVisible() && widget->windowType() != Qt::ToolTip)
            windows.append(widget);
    }
    std::stable_sort(windows.begin(), windows.end(), [](QWidget* pA, QWidget* pB) {
        return !pA->isModal() && pB->isModal();
    });
    for (QWidget* widget : qAsConst(windows)) {
        painter.drawPixmap(widget->mapToGlobal(QPoint(0, 0)) - mWindow.mapToGlobal(QPoint(0, 0)),
                           widget->grab());
    }
    painter.end();
    const QString path =
        QDir(mFolder).filePath(QStringLiteral("%1-%2.png").arg(++mShot, 2, 10, QLatin1Char('0'))
                                   .arg(pName));
    check(picture.save(path), QStringLiteral("screenshot %1 is saved").arg(path));
}

void ViewerTour::check(bool pOk, const QString& pWhat)
{
    std::fprintf(stdout, "[%s] %s\n", pOk ? "ok" : "FAILED", qPrintable(pWhat));
    std::fflush(stdout);
    if (!pOk)
        mFailures.append(pWhat);
}

} // namespace zel
