#include "ExportController.h"

#include "BomCsvWriter.h"
#include "ImageExporter.h"
#include "MeshSimplifier.h"
#include "ModelView.h"
#include "ObjGeometryWriter.h"
#include "SampleAssembly.h"
#include "SvgDrawingWriter.h"
#include "ZelControlCenter.h"
#include "ZelExportSettingsPanel.h"
#include "ZelSettingsCheck.h"
#include "kmDMIApplication.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace zel {

namespace {

const char kExportFolderKey[] = "folders/lastexportfolder";
const char kExportModuleKey[] = "folders/lastexportmodule";

} // namespace

ExportController::ExportController(kmDMIApplication* pApplication, QSettings& pSettings,
                                   const SampleAssembly& pAssembly, ModelView* pView,
                                   ZelExportSettingsPanel* pPanel, QObject* pParent)
    : QObject(pParent)
    , mApplication(pApplication)
    , mSettings(pSettings)
    , mAssembly(pAssembly)
    , mView(pView)
    , mPanel(pPanel)
{
    connect(pPanel, &ZelExportSettingsPanel::activeTabChanged, this,
            &ExportController::onActiveTabChanged);
    connect(pPanel, &ZelExportSettingsPanel::previewToggled, this,
            &ExportController::onPreviewToggled);
    connect(pPanel, &ZelExportSettingsPanel::exportRequested, this,
            &ExportController::onExportRequested);
    // A preview follows the settings while it is shown.
    connect(pPanel, &ZelExportSettingsPanel::stateChanged, this, [this]() {
        if (mView && mPanel && mView->preview() != ModelView::NoPreview)
            showPreview(mPanel->getActiveTab());
    });
}

QString ExportController::exportFolder() const
{
    QString folder = mSettings.value(QLatin1String(kExportFolderKey)).toString();
    if (folder.isEmpty())
        folder = ZelControlCenter::GetDefaultSettingsValue(QLatin1String(kExportFolderKey));
    if (folder.isEmpty())
        folder = QDir::homePath();
    QDir().mkpath(folder);
    return folder;
}

QString ExportController::freeFileName(const QString& pBaseName, const QString& pSuffix) const
{
    const QDir folder(exportFolder());
    QString name = QStringLiteral("%1.%2").arg(pBaseName, pSuffix);
    for (int n = 2; folder.exists(name); ++n)
        name = QStringLiteral("%1-%2.%3").arg(pBaseName).arg(n).arg(pSuffix);
    return folder.filePath(name);
}

bool ExportController::exportTab(int pTab, QStringList& pFiles, QString& pError)
{
    pFiles.clear();
    if (!mView || !mPanel) {
        pError = tr("Nothing to export");
        return false;
    }
    // The vector tab has already put its record in place, with the choice of an image,
    // which reading the widgets again would lose.
    const bool vectorAsImage =
        mApplication->getFiguraExportSettings().getSVGExportSettings().exportAsImage;
    if (pTab != VectorTab)
        mPanel->applyModifications();
    const FiguraExportSettings& settings = mApplication->getFiguraExportSettings();

    switch (pTab) {
    case ImageTab: {
        const QString path = freeFileName(QStringLiteral("sample-image"), QStringLiteral("png"));
        const QImage image =
            ImageExporter::Render(mView->sceneGeometry(), mView->camera(),
                                  mView->renderOptions(), settings.getImageExportSettings());
        if (!ImageExporter::Write(path, image, pError))
            return false;
        pFiles.append(path);
        break;
    }
    case VectorTab: {
        const SVGExportSettings& svg = settings.getSVGExportSettings();
        const LineDrawing drawing =
            SvgDrawingWriter::Draw(mView->sceneGeometry(), mView->camera(), svg);
        const QString path = freeFileName(QStringLiteral("sample-drawing"),
                                          vectorAsImage ? QStringLiteral("png")
                                                        : QStringLiteral("svg"));
        const bool written = vectorAsImage
            ? SvgDrawingWriter::WriteImage(path, drawing, svg, pError)
            : SvgDrawingWriter::WriteSvg(path, drawing, svg, pError);
        if (!written)
            return false;
        pFiles.append(path);
        break;
    }
    case BomTab: {
        const QString path = freeFileName(QStringLiteral("sample-bom"), QStringLiteral("csv"));
        if (!BomCsvWriter::Write(path, mAssembly, settings.getBOMExportSettings(), pError))
            return false;
        pFiles.append(path);
        break;
    }
    case GeometryTab: {
        const GeometryExportSettings& geometry = settings.getGeometryExportSettings();
        const quint64 target =
            MeshSimplifier::TargetTriangles(geometry.simplification, mAssembly.triangleCount());
        const QVector<TriangleMesh> meshes =
            MeshSimplifier::SimplifyAll(mAssembly.instanceMeshes(), target);
        const QString path =
            freeFileName(QStringLiteral("sample-geometry"), QStringLiteral("obj"));
        if (!ObjGeometryWriter::Write(path, mAssembly, meshes, geometry.scatteredExport, pFiles,
                                      pError)) {
            return false;
        }
        break;
    }
    default:
        pError = tr("No export tab is chosen");
        return false;
    }
    return true;
}

void ExportController::onActiveTabChanged(int pIndex)
{
    // Written only when it changes, through the store's safe writer. A tab that cannot be
    // remembered is no reason to stop the export tool: the next start opens another tab.
    const QString module = QString::number(pIndex);
    if (mSettings.value(QLatin1String(kExportModuleKey)).toString() != module) {
        QString error;
        ZelSettingsCheck::WriteValues(mSettings, {{QLatin1String(kExportModuleKey), module}},
                                      error);
    }
    if (mView && mView->preview() != ModelView::NoPreview) {
        mView->clearPreview();
        if (mPanel)
            mPanel->clearPreviewButton();
    }
}

void ExportController::onPreviewToggled(bool pState)
{
    if (!mView || !mPanel)
        return;
    if (pState)
        showPreview(mPanel->getActiveTab());
    else
        mView->clearPreview();
}

void ExportController::onExportRequested()
{
    if (!mPanel)
        return;
    QStringList files;
    QString error;
    if (exportTab(mPanel->getActiveTab(), files, error))
        Q_EMIT exported(files);
    else
        Q_EMIT exportFailed(error);
}

void ExportController::showPreview(int pTab)
{
    mPanel->applyModifications();
    const FiguraExportSettings& settings = mApplication->getFiguraExportSettings();
    switch (pTab) {
    case ImageTab:
        mView->showImagePreview(settings.getImageExportSettings());
        break;
    case VectorTab:
        mView->showVectorPreview(settings.getSVGExportSettings());
        break;
    case GeometryTab:
        mView->showGeometryPreview(settings.getGeometryExportSettings().simplification);
        break;
    default:
        mView->clearPreview();
        break;
    }
}

} // namespace zel
