#pragma once

#include <QColor>
#include <QLineF>
#include <QRectF>
#include <QVector>

class QPainter;

namespace zel {

class SceneGeometry;
class ViewCamera;

// The visible edges of the scene as a technical drawing sees them: salient edges (sharp
// creases and borders) and silhouettes, with hidden parts removed. Lines are kept in
// coordinates from 0 to 1 across the drawing area, so that one drawing serves any sheet.
class LineDrawing
{
public:
    // The longer side of the depth image used to decide what is hidden, in pixels.
    static constexpr int kDepthResolution = 1600;

    // pAspect is the drawing area's width over its height; pResolution the longer side
    // of the depth image.
    static LineDrawing Build(const SceneGeometry& pScene, const ViewCamera& pCamera,
                             float pAspect, int pResolution = kDepthResolution);

    const QVector<QLineF>& salientEdges() const { return mSalient; }
    const QVector<QLineF>& silhouetteEdges() const { return mSilhouette; }

    // Strokes the edges into pArea; the widths are in the painter's units. Silhouettes
    // are drawn last, over the salient edges that they meet.
    void paint(QPainter& pPainter, const QRectF& pArea, const QColor& pSalientColour,
               qreal pSalientWidth, const QColor& pSilhouetteColour,
               qreal pSilhouetteWidth) const;

private:
    QVector<QLineF> mSalient;
    QVector<QLineF> mSilhouette;
};

} // namespace zel
