#include "ViewerTour.h"

#include "ViewerWindow.h"
#include "kmDMIApplication.h"
#include "BomCsvReader.h"
#include "BomCsvWriter.h"
#include "ExportController.h"
#include "MeshSimplifier.h"
#include "ModelView.h"
#include "ObjGeometryReader.h"
#include "SvgDrawingWriter.h"
#include "ZelControlCenter.h"
#include "ZelExportSettingsPanel.h"
#include "ZelSettingsPanel.h"

#include <QSettings>
#include <QSignalSpy>
#include <QAbstractScrollArea>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QSignalSpy>
#include <QSpinBox>
#include <QSvgRenderer>
#include <QTest>
#include <QTimer>
#include <QXmlStreamReader>

namespace zel {

namespace {

const int kRatio = 25;

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

} // namespace

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
            click(Part(tool, "simplifRatioButton"), QStringLiteral("the ratio choice"));
            typeInto(Part(tool, "simplifRatioSpinBox"), QString::number(kRatio),
                     QStringLiteral("the ratio"));
            key(Qt::Key_Tab);
            check(Part<QSpinBox>(tool, "simplifRatioSpinBox")->value() == kRatio,
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

    click(Part(tool, "mSetting2DPushButton"), QStringLiteral("image tab"));
    QStringList files = exportWith(QStringLiteral("exportIMGButton"));
    check(files.size() == 1 && QImageReader(files.value(0)).size()
                                   == record.getImageExportSettings().imageSize,
          QStringLiteral("the image export reads back at the chosen definition"));

    click(Part(tool, "mSettingVecPushButton"), QStringLiteral("vector tab"));
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

    click(Part(tool, "mSettingBOMPushButton"), QStringLiteral("BOM tab"));
    pickFromList(Part(tool, "bomFormatComboBox"), 1, QStringLiteral("the BOM format"));
    click(Part(tool, "mPushButtonAddAll"), QStringLiteral("add all headers"));
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

    click(Part(tool, "mSetting3DPushButton"), QStringLiteral("geometry tab"));
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
    spin(msClickDebounce);
    click(ItemButton(center, QStringLiteral("Settings")), QStringLiteral("Settings"));
    waitFor([center]() { return center->isSettingsOpen(); });
    spin(msClickDebounce);
    click(privacy->getActionWidget(), privacy->getPanelName());
    spin(msSettle);

    // The link is where the pointer turns into a hand over the text; in a pane that scrolls
    // sideways, it is looked for one notch of the wheel after another.
    auto* label = Part<QLabel>(privacy, "activityreportlabel");
    scrollTo(label);
    QPoint link(-1, -1);
    QSignalSpy hovered(label, &QLabel::linkHovered);
    QScrollBar* sideways = static_cast<QAbstractScrollArea*>(center->settingsWidget())
                               ->horizontalScrollBar();
    for (int notch = 0; link.x() < 0 && notch < 40; ++notch) {
        for (int y = label->height() - 4; y > 0 && link.x() < 0; y -= 4) {
            for (int x = 2; x < label->width() && link.x() < 0; x += 6) {
                const QPoint at = label->mapTo(&mWindow, QPoint(x, y));
                if (Reaches(label, at))
                    QTest::mouseMove(mWindow.windowHandle(), at);
                if (!hovered.isEmpty() && !hovered.last().value(0).toString().isEmpty())
                    link = at;
            }
        }
        if (link.x() >= 0 || !sideways->isVisible() || sideways->value() == sideways->maximum())
            break;
        turnWheel(sideways, -120);
    }
    check(link.x() >= 0, QStringLiteral("the link to the report copy shows"));

    const QString path = QDir(mFolder).filePath(QLatin1String(msReportName));
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


} // namespace zel
