#pragma once

#include <QLineF>
#include <QMatrix4x4>
#include <QVector3D>
#include <QVector>

#include <algorithm>
#include <cmath>

namespace zel {

// A depth buffer over a grid of pixels: what is nearest at each pixel, so that faces
// hide what lies behind them and edges can be cut where something covers them.
class DepthImage
{
public:
    // A point on the grid, with one over its distance along the view axis, which varies
    // linearly across the screen.
    struct Point
    {
        float x = 0.0f;
        float y = 0.0f;
        float inverseDepth = 0.0f;
        bool valid = false;
    };

    DepthImage(int pWidth, int pHeight);

    int width() const { return mWidth; }
    int height() const { return mHeight; }

    // Invalid for a point in front of the near plane or behind the eye.
    static Point Project(const QMatrix4x4& pMatrix, const QVector3D& pPoint, int pWidth,
                         int pHeight);

    // Fills a triangle; at each pixel that it comes nearest, pPixel(x, y, w0, w1, w2)
    // receives the pixel and the weights of the three corners.
    template <typename Pixel>
    void fill(const Point& pA, const Point& pB, const Point& pC, Pixel pPixel);
    void fill(const Point& pA, const Point& pB, const Point& pC)
    {
        fill(pA, pB, pC, [](int, int, float, float, float) {});
    }

    // Whether a point at that depth is in front of, or on, what the buffer holds.
    bool isVisible(float pX, float pY, float pInverseDepth) const;
    // The visible stretches of a segment, in coordinates from 0 to 1 across the grid.
    void addVisibleRuns(const Point& pA, const Point& pB, QVector<QLineF>& pLines) const;

private:
    int mWidth;
    int mHeight;
    QVector<float> mValues;
};

template <typename Pixel>
void DepthImage::fill(const Point& pA, const Point& pB, const Point& pC, Pixel pPixel)
{
    const float area = (pB.x - pA.x) * (pC.y - pA.y) - (pB.y - pA.y) * (pC.x - pA.x);
    if (std::abs(area) < 1e-12f)
        return;
    const int left = std::max(0, int(std::floor(std::min({pA.x, pB.x, pC.x}))));
    const int right = std::min(mWidth - 1, int(std::ceil(std::max({pA.x, pB.x, pC.x}))));
    const int top = std::max(0, int(std::floor(std::min({pA.y, pB.y, pC.y}))));
    const int bottom = std::min(mHeight - 1, int(std::ceil(std::max({pA.y, pB.y, pC.y}))));
    if (left > right || top > bottom)
        return;
    // The weights are linear in x, so each row steps them by a constant.
    const float inverseArea = 1.0f / area;
    const float step0 = (pB.y - pC.y) * inverseArea;
    const float step1 = (pC.y - pA.y) * inverseArea;
    float* values = mValues.data();
    for (int y = top; y <= bottom; ++y) {
        const float py = y + 0.5f;
        const float px = left + 0.5f;
        float w0 = ((pB.x - px) * (pC.y - py) - (pB.y - py) * (pC.x - px)) * inverseArea;
        float w1 = ((pC.x - px) * (pA.y - py) - (pC.y - py) * (pA.x - px)) * inverseArea;
        float* row = values + y * mWidth;
        for (int x = left; x <= right; ++x, w0 += step0, w1 += step1) {
            const float w2 = 1.0f - w0 - w1;
            if (w0 < 0.0f || w1 < 0.0f || w2 < 0.0f)
                continue;
            const float value = w0 * pA.inverseDepth + w1 * pB.inverseDepth
                + w2 * pC.inverseDepth;
            if (value <= row[x])
                continue;
            row[x] = value;
            pPixel(x, y, w0, w1, w2);
        }
    }
}

} // namespace zel
