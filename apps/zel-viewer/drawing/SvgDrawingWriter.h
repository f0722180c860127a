#pragma once

#include <QCoreApplication>

#include "LineDrawing.h"
#include "SVGExportSettings.h"

#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>

class QPainter;

namespace zel {

class SceneGeometry;
class ViewCamera;

// The vector export: the visible edges of the model on a white sheet of the chosen canvas,
// in millimetres, salient edges and silhouettes each with their colour and width. The
// same drawing can be written as a PNG image.
class SvgDrawingWriter
{
    Q_DECLARE_TR_FUNCTIONS(SvgDrawingWriter)

public:
    // Free border around the drawing, in millimetres.
    static constexpr qreal kMarginMm = 10.0;
    // Resolution of the image form of the drawing: 8 dots per millimetre, about 203 dpi.
    static constexpr int kDotsPerMm = 8;

    static QSizeF CanvasSize(const SVGExportSettings& pSettings);
    // The part of the sheet that the drawing fills, in millimetres.
    static QRectF DrawingArea(const SVGExportSettings& pSettings);
    // The drawing of the scene seen as the camera sees it, fitted to the drawing area.
    static LineDrawing Draw(const SceneGeometry& pScene, const ViewCamera& pCamera,
                            const SVGExportSettings& pSettings,
                            int pResolution = LineDrawing::kDepthResolution);
    // The sheet and the drawing, with the painter's units in millimetres.
    static void PaintSheet(QPainter& pPainter, const LineDrawing& pDrawing,
                           const SVGExportSettings& pSettings);

    static bool WriteSvg(const QString& pPath, const LineDrawing& pDrawing,
                         const SVGExportSettings& pSettings, QString& pError);
    static QImage RenderImage(const LineDrawing& pDrawing, const SVGExportSettings& pSettings);
    static bool WriteImage(const QString& pPath, const LineDrawing& pDrawing,
                           const SVGExportSettings& pSettings, QString& pError);
};

} // namespace zel
