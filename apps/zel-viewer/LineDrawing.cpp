#include "LineDrawing.h"

#include "SceneGeometry.h"
#include "ViewCamera.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace zel {

namespace {

// An edge lies on its own faces; it stays visible unless something is nearer by more
// than this share of its distance.
const float kDepthTolerance = 2e-3f;
// Samples per pixel along an edge.
const float kSamplesPerPixel = 2.0f;

struct Projected
{
    float x = 0.0f;
    float y = 0.0f;
    // One over the distance along the view axis: linear across the screen.
    float inverseDepth = 0.0f;
    bool valid = false;
};

class DepthImage
{
public:
    DepthImage(int pWidth, int pHeight)
        : mWidth(pWidth)
        , mHeight(pHeight)
        , mValues(pWidth * pHeight, 0.0f)
    {
    }

    int width() const { return mWidth; }
    int height() const { return mHeight; }

    void fill(const Projected& pA, const Projected& pB, const Projected& pC)
    {
        const float area = (pB.x - pA.x) * (pC.y - pA.y) - (pB.y - pA.y) * (pC.x - pA.x);
        if (std::abs(area) < 1e-12f)
            return;
        const int left = std::max(0, int(std::floor(std::min({pA.x, pB.x, pC.x}))));
        const int right = std::min(mWidth - 1, int(std::ceil(std::max({pA.x, pB.x, pC.x}))));
        const int top = std::max(0, int(std::floor(std::min({pA.y, pB.y, pC.y}))));
        const int bottom =
            std::min(mHeight - 1, int(std::ceil(std::max({pA.y, pB.y, pC.y}))));
        for (int y = top; y <= bottom; ++y) {
            const float py = y + 0.5f;
            for (int x = left; x <= right; ++x) {
                const float px = x + 0.5f;
                const float w0 = ((pB.x - px) * (pC.y - py) - (pB.y - py) * (pC.x - px)) / area;
                const float w1 = ((pC.x - px) * (pA.y - py) - (pC.y - py) * (pA.x - px)) / area;
                const float w2 = 1.0f - w0 - w1;
                if (w0 < 0.0f || w1 < 0.0f || w2 < 0.0f)
                    continue;
                const float value =
                    w0 * pA.inverseDepth + w1 * pB.inverseDepth + w2 * pC.inverseDepth;
                float& stored = mValues[y * mWidth + x];
                stored = std::max(stored, value);
            }
        }
    }

    bool isVisible(float pX, float pY, float pInverseDepth) const
    {
        if (pX < 0.0f || pY < 0.0f || pX > mWidth || pY > mHeight)
            return false;
        const int cx = std::min(mWidth - 1, int(pX));
        const int cy = std::min(mHeight - 1, int(pY));
        // The pixels around the point, so that a face that rises toward the viewer next
        // to its own edge does not hide that edge.
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                const int x = cx + dx;
                const int y = cy + dy;
                if (x < 0 || y < 0 || x >= mWidth || y >= mHeight)
                    continue;
                if (mValues[y * mWidth + x] <= pInverseDepth * (1.0f + kDepthTolerance))
                    return true;
            }
        }
        return false;
    }

private:
    int mWidth;
    int mHeight;
    QVector<float> mValues;
};

Projected project(const QMatrix4x4& pMatrix, const QVector3D& pPoint, int pWidth, int pHeight)
{
    const QVector4D clip = pMatrix * QVector4D(pPoint, 1.0f);
    Projected result;
    if (clip.w() <= 1e-6f || clip.z() < -clip.w())
        return result;
    result.x = (clip.x() / clip.w() + 1.0f) * 0.5f * pWidth;
    result.y = (1.0f - clip.y() / clip.w()) * 0.5f * pHeight;
    result.inverseDepth = 1.0f / clip.w();
    result.valid = true;
    return result;
}

void addVisibleRuns(const DepthImage& pDepth, const Projected& pA, const Projected& pB,
                    QVector<QLineF>& pLines)
{
    const float length = std::hypot(pB.x - pA.x, pB.y - pA.y);
    const int samples = std::max(2, int(std::ceil(length * kSamplesPerPixel)) + 1);
    const qreal width = pDepth.width();
    const qreal height = pDepth.height();
    int runStart = -1;
    QPointF start;
    QPointF last;
    for (int i = 0; i < samples; ++i) {
        const float t = float(i) / float(samples - 1);
        const float x = pA.x + (pB.x - pA.x) * t;
        const float y = pA.y + (pB.y - pA.y) * t;
        const float q = pA.inverseDepth + (pB.inverseDepth - pA.inverseDepth) * t;
        const bool visible = pDepth.isVisible(x, y, q);
        const QPointF point(x / width, y / height);
        if (visible) {
            if (runStart < 0) {
                runStart = i;
                start = point;
            }
            last = point;
        }
        if ((!visible || i == samples - 1) && runStart >= 0) {
            if (last != start)
                pLines.append(QLineF(start, last));
            runStart = -1;
        }
    }
}

} // namespace

LineDrawing LineDrawing::Build(const SceneGeometry& pScene, const ViewCamera& pCamera,
                               float pAspect, int pResolution)
{
    const float aspect = std::max(1e-3f, pAspect);
    const int side = std::max(16, std::min(pResolution, 8 * kDepthResolution));
    const int width = aspect >= 1.0f ? side : std::max(1, int(std::lround(side * aspect)));
    const int height = aspect >= 1.0f ? std::max(1, int(std::lround(side / aspect))) : side;
    const QMatrix4x4 matrix = pCamera.projectionMatrix(aspect) * pCamera.viewMatrix();
    const QVector3D eye = pCamera.eyePosition();

    QVector<QVector<Projected>> projected;
    QVector<QVector<bool>> facing;
    DepthImage depth(width, height);
    for (const SceneGeometry::Item& item : pScene.items()) {
        QVector<Projected> points;
        QVector<QVector3D> placed;
        for (const QVector3D& vertex : item.mesh.vertices()) {
            placed.append(item.placement.map(vertex));
            points.append(project(matrix, placed.last(), width, height));
        }
        QVector<bool> front;
        for (int t = 0; t < item.mesh.triangleCount(); ++t) {
            const TriangleMesh::Triangle& triangle = item.mesh.triangles()[t];
            const QVector3D normal = item.placement.mapVector(item.topology.faceNormal(t));
            front.append(QVector3D::dotProduct(normal, eye - placed[triangle[0]]) > 0.0f);
            const Projected& a = points[triangle[0]];
            const Projected& b = points[triangle[1]];
            const Projected& c = points[triangle[2]];
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
                const Projected& a = projected[i][triangle[e]];
                const Projected& b = projected[i][triangle[(e + 1) % 3]];
                if (!a.valid || !b.valid)
                    continue;
                addVisibleRuns(depth, a, b, silhouette ? drawing.mSilhouette : drawing.mSalient);
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
