#include "DepthImage.h"

#include <QVector4D>

namespace zel {

namespace {

// An edge lies on its own faces; it stays visible unless something is nearer by more
// than this share of its distance.
const float kDepthTolerance = 2e-3f;
// Samples per pixel along a segment.
const float kSamplesPerPixel = 2.0f;

} // namespace

DepthImage::DepthImage(int pWidth, int pHeight)
    : mWidth(std::max(1, pWidth))
    , mHeight(std::max(1, pHeight))
    , mValues(mWidth * mHeight, 0.0f)
{
}

DepthImage::Point DepthImage::Project(const QMatrix4x4& pMatrix, const QVector3D& pPoint,
                                      int pWidth, int pHeight)
{
    const QVector4D clip = pMatrix * QVector4D(pPoint, 1.0f);
    Point result;
    if (clip.w() <= 1e-6f || clip.z() < -clip.w())
        return result;
    result.x = (clip.x() / clip.w() + 1.0f) * 0.5f * pWidth;
    result.y = (1.0f - clip.y() / clip.w()) * 0.5f * pHeight;
    result.inverseDepth = 1.0f / clip.w();
    result.valid = true;
    return result;
}

bool DepthImage::isVisible(float pX, float pY, float pInverseDepth) const
{
    if (pX < 0.0f || pY < 0.0f || pX > mWidth || pY > mHeight)
        return false;
    const int cx = std::min(mWidth - 1, int(pX));
    const int cy = std::min(mHeight - 1, int(pY));
    // The pixels around the point too, so that a face that rises toward the viewer next
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

void DepthImage::addVisibleRuns(const Point& pA, const Point& pB, QVector<QLineF>& pLines) const
{
    if (!pA.valid || !pB.valid)
        return;
    const float length = std::hypot(pB.x - pA.x, pB.y - pA.y);
    const int samples = std::max(2, int(std::ceil(length * kSamplesPerPixel)) + 1);
    bool inRun = false;
    QPointF start;
    QPointF last;
    for (int i = 0; i < samples; ++i) {
        const float t = float(i) / float(samples - 1);
        const float x = pA.x + (pB.x - pA.x) * t;
        const float y = pA.y + (pB.y - pA.y) * t;
        const float q = pA.inverseDepth + (pB.inverseDepth - pA.inverseDepth) * t;
        const bool visible = isVisible(x, y, q);
        const QPointF point(qreal(x) / mWidth, qreal(y) / mHeight);
        if (visible) {
            if (!inRun)
                start = point;
            inRun = true;
            last = point;
        }
        if ((!visible || i == samples - 1) && inRun) {
            if (last != start)
                pLines.append(QLineF(start, last));
            inRun = false;
        }
    }
}

} // namespace zel
