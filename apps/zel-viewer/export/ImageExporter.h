#pragma once

#include <QCoreApplication>

#include "ImageExportSettings.h"
#include "ScenePainter.h"

#include <QImage>
#include <QString>

namespace zel {

class SceneGeometry;
class ViewCamera;

// The image export: the view as the camera sees it, at the chosen definition, drawn
// larger and scaled down for supersampling, on the scene's background or the override.
class ImageExporter
{
    Q_DECLARE_TR_FUNCTIONS(ImageExporter)

public:
    // The drawing is never larger than this on either side, whatever the supersampling.
    static constexpr int kMaxRenderSide = 8192;

    // Linear scale of the drawing for a supersampling level: 0 none, 1 4 times, 2 8 times,
    // 3 16 times as many samples per pixel.
    static qreal SupersamplingScale(int pLevel);
    // The scale actually used for a definition, after the size limit.
    static qreal EffectiveScale(const QSize& pSize, int pLevel);
    static QImage Render(const SceneGeometry& pScene, const ViewCamera& pCamera,
                         ScenePainter::Options pOptions, const ImageExportSettings& pSettings);
    static bool Write(const QString& pPath, const QImage& pImage, QString& pError);
};

} // namespace zel
