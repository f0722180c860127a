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
#include "ZelSettingsPanel.h"
#include "kmDMIApplication.h"
#include "kmDMRenderer.h"
#include "zelAction.h"
#include "zelFormat.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
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
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QSvgRenderer>
#include <QTextStream>
#include <QTimer>
#include <QXmlStreamReader>

#include <cstdio>

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

void press(QWidget* pWidget)
{
    const QPoint at = pWidget->rect().center();
    QMouseEvent down(QEvent::MouseButtonPress, at, pWidget->mapToGlobal(at), Qt::LeftButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(pWidget, &down);
    QMouseEvent up(QEvent::MouseButtonRelease, at, pWidget->mapToGlobal(at), Qt::LeftButton,
                   Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(pWidget, &up);
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
    mSettings.setValue(QStringLiteral("folders/lastexportfolder"), mFolder);
    mWindow.show();
    check(waitFor([this]() { return mWindow.isVisible(); }), QStringLiteral("window shown"));
    spin(kSettle);

    atRest();
    controlCenter();
    settingsPane();
    backgroundColour();
    discardPrompt();
    settingsDialog();
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
    mWindow.findChild<QPushButton*>(QStringLiteral("controlCenterButton"))->click();
    check(waitFor([this]() { return mWindow.controlCenter()->isMenuOpen(); }),
          QStringLiteral("the control center opens"));
    spin(kSettle);
    shoot(QStringLiteral("control-center-open"));
    check(mWindow.controlCenter()->findChildren<ZelCCActionItem*>().size() == 6,
          QStringLiteral("the control center lists Settings and the viewer's five actions"));
}

void ViewerTour::settingsPane()
{
    ZelControlCenter* center = mWindow.controlCenter();
    for (ZelCCActionItem* item : center->findChildren<ZelCCActionItem*>()) {
        if (item->getZelAction()->getActionName() == QLatin1String("Settings"))
            item->findChild<QPushButton*>(QStringLiteral("actionButton"))->click();
    }
    check(waitFor([center]() { return center->isSettingsOpen(); }),
          QStringLiteral("the settings pane opens"));
    for (ZelSettingsPanel* panel : mWindow.controlCenterPanels()) {
        panel->getActionWidget()->click();
        spin(kSettle);
        shoot(QStringLiteral("settings-pane-%1").arg(panel->getPanelName().toLower()));
        check(panel->getActionWidget()->isChecked(),
              QStringLiteral("the tab of %1 is checked").arg(panel->getPanelName()));
    }
}

void ViewerTour::backgroundColour()
{
    ZelSettingsPanel* general = mWindow.controlCenterPanels().first();
    general->getActionWidget()->click();
    spin(kSettle);
    bool chosen = false;
    QPointer<QTimer> watch = answerNext(
        [](QWidget* pWidget) { return qobject_cast<QColorDialog*>(pWidget) != nullptr; },
        [this, &chosen](QWidget* pWidget) {
            auto* dialog = static_cast<QColorDialog*>(pWidget);
            dialog->setCurrentColor(kTourColour);
            shoot(QStringLiteral("background-colour-chosen"));
            chosen = true;
            dialog->accept();
        });
    general->findChild<QPushButton*>(QStringLiteral("backgroundColorButton"))->click();
    delete watch;
    check(chosen, QStringLiteral("the colour dialog opens"));
    check(general->hasModifications(), QStringLiteral("the new colour is a pending edit"));

    // A restart notice, should one come, is read and closed.
    watch = answerNext(
        [](QWidget* pWidget) { return qobject_cast<QMessageBox*>(pWidget) != nullptr; },
        [](QWidget* pWidget) { static_cast<QMessageBox*>(pWidget)->accept(); });
    // The pane sits in the window's layout, beside the control center.
    mWindow.controlCenter()->settingsWidget()->findChild<QPushButton*>(
        QStringLiteral("applyButton"))->click();
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
    general->findChild<QCheckBox*>(QStringLiteral("flatShadingCheckbox"))->click();
    check(general->hasModifications(), QStringLiteral("flat shading is a pending edit"));
    spin(kClickDebounce);
    bool prompted = false;
    QPointer<QTimer> watch = answerNext(
        [](QWidget* pWidget) {
            auto* box = qobject_cast<QMessageBox*>(pWidget);
            return box && box->button(QMessageBox::Discard);
        },
        [this, &prompted](QWidget* pWidget) {
            shoot(QStringLiteral("discard-prompt"));
            prompted = true;
            static_cast<QMessageBox*>(pWidget)->button(QMessageBox::Discard)->click();
        });
    press(mWindow.modelView());
    delete watch;
    check(prompted, QStringLiteral("a press in the view asks before dropping the edit"));
    ZelControlCenter* center = mWindow.controlCenter();
    check(waitFor([center]() { return !center->isVisible(); }),
          QStringLiteral("the control center closes"));
    check(mApplication.getRenderer()->isFlatLighting() == flat && !general->hasModifications(),
          QStringLiteral("the dropped edit is not applied"));
}

void ViewerTour::settingsDialog()
{
    mWindow.action(QStringLiteral("SettingsDialog"))->trigger();
    SettingsDialog* dialog = mWindow.settingsDialog();
    check(waitFor([dialog]() { return dialog->isVisible(); }),
          QStringLiteral("the settings dialog opens"));
    spin(kSettle);
    for (ZelSettingsPanel* panel : mWindow.dialogPanels()) {
        panel->getActionWidget()->click();
        spin(kAnswerPoll);
        shoot(QStringLiteral("settings-dialog-%1").arg(panel->getPanelName().toLower()));
        check(panel->isVisible() && panel->getActionWidget()->isChecked(),
              QStringLiteral("the dialog shows %1").arg(panel->getPanelName()));
    }
    dialog->findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
    check(waitFor([dialog]() { return !dialog->isVisible(); }),
          QStringLiteral("the settings dialog closes"));
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
        tool->findChild<QPushButton*>(tabs[tab])->click();
        check(tool->getActiveTab() == tab
                  && mSettings.value(QStringLiteral("folders/lastexportmodule")).toInt() == tab,
              QStringLiteral("the export tool shows and remembers the %1 tab").arg(names[tab]));
        if (tab == ExportController::GeometryTab) {
            tool->findChild<QAbstractButton*>(QStringLiteral("simplifRatioButton"))->click();
            tool->findChild<QSpinBox*>(QStringLiteral("simplifRatioSpinBox"))->setValue(kRatio);
        }
        shoot(QStringLiteral("export-tool-%1").arg(names[tab]));
        if (previews[tab].isEmpty())
            continue;
        auto* preview = tool->findChild<QPushButton*>(previews[tab]);
        preview->click();
        check(view->preview() == kinds[tab],
              QStringLiteral("the %1 preview shows in the view").arg(names[tab]));
        shoot(QStringLiteral("export-tool-%1-preview").arg(names[tab]));
        preview->click();
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
    mWindow.exportTool()->findChild<QPushButton*>(pButton)->click();
    disconnect(connection);
    for (const QString& file : qAsConst(files))
        check(QFile::exists(file), QStringLiteral("%1 is written").arg(file));
    return files;
}

void ViewerTour::exports()
{
    ZelExportSettingsPanel* tool = mWindow.exportTool();
    const FiguraExportSettings& record = mApplication.getFiguraExportSettings();

    tool->findChild<QPushButton*>(QStringLiteral("mSetting2DPushButton"))->click();
    QStringList files = exportWith(QStringLiteral("exportIMGButton"));
    check(files.size() == 1 && QImageReader(files.value(0)).size()
                                   == record.getImageExportSettings().imageSize,
          QStringLiteral("the image export reads back at the chosen definition"));

    tool->findChild<QPushButton*>(QStringLiteral("mSettingVecPushButton"))->click();
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
            for (int key : {int(Qt::Key_Down), int(Qt::Key_Return)}) {
                QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
                QApplication::sendEvent(pWidget, &event);
            }
        });
    files = exportWith(QStringLiteral("exportVECMoreButton"));
    delete watch;
    check(files.size() == 1
              && QImageReader(files.value(0)).size()
                  == QSize(vector.canvasWidth, vector.canvasHeight)
                      * SvgDrawingWriter::kDotsPerMm,
          QStringLiteral("the vector export as image reads back at the canvas size"));

    tool->findChild<QPushButton*>(QStringLiteral("mSettingBOMPushButton"))->click();
    tool->findChild<QComboBox*>(QStringLiteral("bomFormatComboBox"))->setCurrentIndex(1);
    tool->findChild<QPushButton*>(QStringLiteral("mPushButtonAddAll"))->click();
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

    tool->findChild<QPushButton*>(QStringLiteral("mSetting3DPushButton"))->click();
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
    ZelSettingsPanel* privacy = mWindow.controlCenterPanels().last();
    const QString path = QDir(mFolder).filePath(QLatin1String(kReportName));
    // A copy left by an earlier tour would make the dialog ask before replacing it.
    QFile::remove(path);
    // Typed into the name field as a person would: selectFile() leaves that field alone
    // once it has the focus, which the dialog may already have given it. Answered until it
    // closes, since an answer that comes while the dialog settles its folder is lost.
    QPointer<QTimer> watch = answerNext(
        [](QWidget* pWidget) { return qobject_cast<QFileDialog*>(pWidget) != nullptr; },
        [path](QWidget* pWidget) {
            auto* edit = pWidget->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (!edit)
                return;
            edit->setText(path);
            static_cast<QDialog*>(pWidget)->accept();
        },
        true);
    // A copy that cannot be written is reported in a message box: a failure of the step,
    // not a tour that waits for ever.
    QString refusal;
    QPointer<QTimer> refusalWatch = answerNext(
        [](QWidget* pWidget) { return qobject_cast<QMessageBox*>(pWidget) != nullptr; },
        [&refusal](QWidget* pWidget) {
            refusal = static_cast<QMessageBox*>(pWidget)->text();
            static_cast<QDialog*>(pWidget)->reject();
        });
    QMetaObject::invokeMethod(privacy->findChild<QLabel*>(QStringLiteral("activityreportlabel")),
                              "linkActivated", Qt::DirectConnection,
                              Q_ARG(QString, QStringLiteral("usageReport")));
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
}

QPointer<QTimer> ViewerTour::answerNext(const std::function<bool(QWidget*)>& pAccept,
                                        const std::function<void(QWidget*)>& pAnswer,
                                        bool pUntilClosed)
{
    auto* timer = new QTimer(this);
    timer->setInterval(kAnswerPoll);
    connect(timer, &QTimer::timeout, this, [timer, pAccept, pAnswer, pUntilClosed]() {
        QWidget* widget = QApplication::activePopupWidget();
        if (!widget || !pAccept(widget))
            widget = QApplication::activeModalWidget();
        if (!widget || !pAccept(widget) || !widget->isVisible())
            return;
        if (!pUntilClosed) {
            timer->stop();
            timer->deleteLater();
        }
        pAnswer(widget);
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
