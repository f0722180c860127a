#include "LineDrawing.h"

#include "DepthImage.h"
#include "SceneGeometry.h"
#include "ViewCamera.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace zel {

LineDrawing LineDrawing::Build(const SceneGeometry& pScene, const ViewCamera& pCamera,
                               float pAspect, int pResolution)
{
    const float aspect = std::max(1e-3f, pAspect);
    const int side = std::max(16, std::min(pResolution, 8 * kDepthResolution));
    const int width = aspect >= 1.0f ? side : std::max(1, int(std::lround(side * aspect)));
    const int height = aspect >= 1.0f ? std::max(1, int(std::lround(side / aspect))) : side;
    const QMatrix4x4 matrix = pCamera.projectionMatrix(aspect) * pCamera.viewMatrix();
    const QVector3D eye = pCamera.eyePosition();

    QVector<QVector<DepthImage::Point>> projected;
    QVector<QVector<bool>> facing;
    DepthImage depth(width, height);
    for (const SceneGeometry::Item& item : pScene.items()) {
        QVector<DepthImage::Point> points;
        QVector<QVector3D> placed;
        for (const QVector3D& vertex : item.mesh.vertices()) {
            placed.append(item.placement.map(vertex));
            points.append(DepthImage::Project(matrix, placed.last(), width, height));
        }
        QVector<bool> front;
        for (int t = 0; t < item.mesh.triangleCount(); ++t) {
            const TriangleMesh::Triangle& triangle = item.mesh.triangles()[t];
            const QVector3D normal = item.placement.mapVector(item.topology.faceNormal(t));
            front.append(QVector3D::dotProduct(normal, eye - placed[triangle[0]]) > 0.0f);
            const DepthImage::Point& a = points[triangle[0]];
            const DepthImage::Point& b = points[triangle[1]];
            const DepthImage::Point& c = points[triangle[2]];
            if (a.valid && b.valid && c.valid)
                depth.fill(a, b, c);
        }
        projected.append(points);
        facing.append(front);
    }

    LineDrawing drawing;
    for (int i = 0; i < pScene.items().size(); ++i) {
        const SceneGeometry::Item& item = pScene.items()[i];
        const QVector<bool>& front = facing[i];
        for (int t = 0; t < item.mesh.triangleCount(); ++t) {
            for (int e = 0; e < 3; ++e) {
                const int across = item.topology.neighbour(t, e);
                // Each shared edge once, from its lower-numbered face.
                if (across >= 0 && across < t)
                    continue;
                const bool silhouette = across >= 0 && front[t] != front[across];
                const bool seen = front[t] || (across >= 0 && front[across]);
                if (!silhouette && !(item.topology.isSalient(t, e) && seen))
                    continue;
                const TriangleMesh::Triangle& triangle = item.mesh.triangles()[t];
                depth.addVisibleRuns(projected[i][triangle[e]],
                                     projected[i][triangle[(e + 1) % 3]],
                                     silhouette ? drawing.mSilhouette : drawing.mSalient);
            }
        }
    }
    return drawing;
}

void LineDrawing::paint(QPainter& pPainter, const QRectF& pArea, const QColor& pSalientColour,
                        qreal pSalientWidth, const QColor& pSilhouetteColour,
                        qreal pSilhouetteWidth) const
{
    auto place = [&pArea](const QVector<QLineF>& pLines) {
        QVector<QLineF> placed;
        placed.reserve(pLines.size());
        for (const QLineF& line : pLines) {
            placed.append(QLineF(pArea.left() + line.x1() * pArea.width(),
                                 pArea.top() + line.y1() * pArea.height(),
                                 pArea.left() + line.x2() * pArea.width(),
                                 pArea.top() + line.y2() * pArea.height()));
        }
        return placed;
    };
    pPainter.save();
    pPainter.setBrush(Qt::NoBrush);
    pPainter.setPen(QPen(pSalientColour, pSalientWidth, Qt::SolidLine, Qt::RoundCap,
                         Qt::RoundJoin));
    pPainter.drawLines(place(mSalient));
    pPainter.setPen(QPen(pSilhouetteColour, pSilhouetteWidth, Qt::SolidLine, Qt::RoundCap,
                         Qt::RoundJoin));
    pPainter.drawLines(place(mSilhouette));
    pPainter.restore();
}

} // namespace zel
