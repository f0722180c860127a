#include "SvgDrawingWriter.h"

#include "SceneGeometry.h"
#include "ViewCamera.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

namespace zel {

namespace {

// 254 dots per inch are ten per millimetre, so the sheet's size comes out in whole
// millimetres in the file.
const int kSvgDotsPerInch = 254;
const int kSvgDotsPerMm = 10;
// A sheet image stays within what a PNG reader comfortably takes.
const int kMaxImageSide = 16384;

bool save(const QString& pPath, const QByteArray& pData, QString& pError)
{
    QSaveFile file(pPath);
    if (file.open(QIODevice::WriteOnly) && file.write(pData) == pData.size() && file.commit())
        return true;
    pError = SvgDrawingWriter::tr("Cannot write %1: %2")
                 .arg(QDir::toNativeSeparators(pPath), file.errorString());
    return false;
}

} // namespace

QSizeF SvgDrawingWriter::CanvasSize(const SVGExportSettings& pSettings)
{
    return QSizeF(std::max(1, pSettings.canvasWidth), std::max(1, pSettings.canvasHeight));
}

QRectF SvgDrawingWriter::DrawingArea(const SVGExportSettings& pSettings)
{
    const QSizeF canvas = CanvasSize(pSettings);
    // Small sheets keep a tenth of their shorter side as border.
    const qreal margin = std::min(kMarginMm, std::min(canvas.width(), canvas.height()) / 10.0);
    return QRectF(QPointF(0, 0), canvas).adjusted(margin, margin, -margin, -margin);
}

LineDrawing SvgDrawingWriter::Draw(const SceneGeometry& pScene, const ViewCamera& pCamera,
                                   const SVGExportSettings& pSettings, int pResolution)
{
    const QRectF area = DrawingArea(pSettings);
    const float aspect = float(area.width() / area.height());
    ViewCamera camera = pCamera;
    QVector3D min;
    QVector3D max;
    pScene.boundingBox(min, max);
    camera.fit(min, max, aspect);
    return LineDrawing::Build(pScene, camera, aspect, pResolution);
}

void SvgDrawingWriter::PaintSheet(QPainter& pPainter, const LineDrawing& pDrawing,
                                  const SVGExportSettings& pSettings)
{
    pPainter.fillRect(QRectF(QPointF(0, 0), CanvasSize(pSettings)), Qt::white);
    pDrawing.paint(pPainter, DrawingArea(pSettings), pSettings.salientEdgeColor,
                   pSettings.salientEdgeWidth, pSettings.silhouetteEdgeColor,
                   pSettings.silhouetteEdgeWidth);
}

bool SvgDrawingWriter::WriteSvg(const QString& pPath, const LineDrawing& pDrawing,
                                const SVGExportSettings& pSettings, QString& pError)
{
    const QSizeF canvas = CanvasSize(pSettings);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setResolution(kSvgDotsPerInch);
    generator.setSize(QSize(int(canvas.width()) * kSvgDotsPerMm,
                            int(canvas.height()) * kSvgDotsPerMm));
    generator.setViewBox(QRectF(QPointF(0, 0), canvas));
    generator.setTitle(tr("Vantora drawing"));
    generator.setDescription(tr("Visible edges of the model"));
    QPainter painter;
    if (!painter.begin(&generator)) {
        pError = tr("Cannot draw %1").arg(QDir::toNativeSeparators(pPath));
        return false;
    }
    PaintSheet(painter, pDrawing, pSettings);
    painter.end();
    return save(pPath, buffer.data(), pError);
}

QImage SvgDrawingWriter::RenderImage(const LineDrawing& pDrawing,
                                     const SVGExportSettings& pSettings)
{
    const QSizeF canvas = CanvasSize(pSettings);
    const qreal dots = std::min<qreal>(
        kDotsPerMm, kMaxImageSide / std::max(canvas.width(), canvas.height()));
    QImage image(std::max(1, int(std::lround(canvas.width() * dots))),
                 std::max(1, int(std::lround(canvas.height() * dots))),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDotsPerMeterX(int(std::lround(dots * 1000.0)));
    image.setDotsPerMeterY(int(std::lround(dots * 1000.0)));
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(dots, dots);
    PaintSheet(painter, pDrawing, pSettings);
    painter.end();
    return image;
}

bool SvgDrawingWriter::WriteImage(const QString& pPath, const LineDrawing& pDrawing,
                                  const SVGExportSettings& pSettings, QString& pError)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    if (!RenderImage(pDrawing, pSettings).save(&buffer, "PNG")) {
        pError = tr("Cannot encode %1").arg(QDir::toNativeSeparators(pPath));
        return false;
    }
    return save(pPath, data, pError);
}

} // namespace zel
