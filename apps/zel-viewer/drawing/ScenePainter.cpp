#include "ScenePainter.h"

#include "DepthImage.h"
#include "SceneGeometry.h"
#include "ViewCamera.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace zel {

namespace {

const float kAmbient = 0.30f;
const float kDiffuse = 0.70f;
// The inside of a part, seen through an open section, is drawn darker.
const float kInsideShade = 0.55f;
// The inside of a cut part wins over a face that it touches, such as the plate under a
// block, so that the cut shows the part filled.
const float kInsideBias = 5e-5f;
const int kCapDarkness = 125;
const int kHatchDarkness = 170;
// Hatch lines are spaced by this share of the picture's height.
const int kHatchLinesPerHeight = 80;
// Lines are one pixel wide on a view about this high and grow with bigger pictures.
const qreal kLineReference = 700.0;
const int kWireAlpha = 140;
// Antialiasing draws the faces at twice the size and scales them down.
const int kAntialiasingScale = 2;

struct Corner
{
    QVector3D position;
    QVector3D normal;
};

float side(const QVector4D& pPlane, const QVector3D& pPoint)
{
    const float value = QVector3D::dotProduct(pPlane.toVector3D(), pPoint) + pPlane.w();
    // A point on the plane counts as cut, so that every crossing is strict.
    return value == 0.0f ? 1e-6f : value;
}

QVector<Corner> clipCorners(const QVector<Corner>& pCorners, const QVector4D& pPlane)
{
    QVector<Corner> result;
    for (int i = 0; i < pCorners.size(); ++i) {
        const Corner& a = pCorners[i];
        const Corner& b = pCorners[(i + 1) % pCorners.size()];
        const float da = side(pPlane, a.position);
        const float db = side(pPlane, b.position);
        if (da <= 0.0f)
            result.append(a);
        if ((da <= 0.0f) != (db <= 0.0f)) {
            const float t = da / (da - db);
            result.append(Corner{a.position + (b.position - a.position) * t,
                                 (a.normal + (b.normal - a.normal) * t).normalized()});
        }
    }
    return result;
}

bool clipSegment(QVector3D& pA, QVector3D& pB, const QVector4D& pPlane)
{
    const float da = side(pPlane, pA);
    const float db = side(pPlane, pB);
    if (da > 0.0f && db > 0.0f)
        return false;
    if (da > 0.0f)
        pA = pA + (pB - pA) * (da / (da - db));
    else if (db > 0.0f)
        pB = pA + (pB - pA) * (da / (da - db));
    return true;
}

QRgb shade(int pRed, int pGreen, int pBlue, float pIntensity)
{
    const float i = std::max(0.0f, std::min(1.0f, pIntensity));
    return qRgb(int(pRed * i + 0.5f), int(pGreen * i + 0.5f), int(pBlue * i + 0.5f));
}

class Renderer
{
public:
    Renderer(const QSize& pSize, const ViewCamera& pCamera,
             const ScenePainter::Options& pOptions)
        : mOptions(pOptions)
        , mColours(pSize, QImage::Format_ARGB32_Premultiplied)
        , mDepth(pSize.width(), pSize.height())
        , mMatrix(pCamera.projectionMatrix(float(pSize.width()) / pSize.height())
                  * pCamera.viewMatrix())
        , mEye(pCamera.eyePosition())
        , mLight(pCamera.toWorld(QVector3D(-0.35f, 0.55f, 1.0f).normalized()))
        , mHatchSpacing(std::max(6, pSize.height() / kHatchLinesPerHeight))
    {
        mColours.fill(Qt::transparent);
    }

    const QImage& colours() const { return mColours; }
    const QVector<QLineF>& outlines() const { return mOutlines; }
    const QVector<QLineF>& wires() const { return mWires; }

    // Faces of every item first: an edge is only known to be hidden once all is drawn.
    void addFaces(const SceneGeometry::Item& pItem)
    {
        prepare(pItem);
        for (int t = 0; t < pItem.mesh.triangleCount(); ++t) {
            // Closed parts show their inside only through a section.
            if (mFront[t] || mOptions.section)
                addFace(pItem, t);
        }
    }

    void addEdges(const SceneGeometry::Item& pItem)
    {
        if (!mOptions.outline && !mOptions.wireframe)
            return;
        prepare(pItem);
        const TriangleMesh& mesh = pItem.mesh;
        for (int t = 0; t < mesh.triangleCount(); ++t) {
            if (!mFront[t])
                continue;
            const TriangleMesh::Triangle& triangle = mesh.triangles()[t];
            for (int e = 0; e < 3; ++e) {
                const int across = pItem.topology.neighbour(t, e);
                // An edge between two seen faces once, from the lower-numbered one.
                if (across >= 0 && across < t && mFront[across])
                    continue;
                const bool silhouette = across >= 0 && !mFront[across];
                const bool outline = mOptions.outline
                    && (pItem.topology.isSalient(t, e) || silhouette);
                if (outline || mOptions.wireframe) {
                    addEdge(mPlaced[triangle[e]], mPlaced[triangle[(e + 1) % 3]],
                            outline ? mOutlines : mWires);
                }
            }
            if (mOptions.section && mOptions.outline)
                addSectionEdge(triangle);
        }
    }

private:
    void addFace(const SceneGeometry::Item& pItem, int pTriangle)
    {
        const TriangleMesh::Triangle& triangle = pItem.mesh.triangles()[pTriangle];
        const QVector3D faceNormal =
            pItem.placement.mapVector(pItem.topology.faceNormal(pTriangle));
        QVector<Corner> corners;
        for (int corner = 0; corner < 3; ++corner) {
            const QVector3D normal = mOptions.flatShading
                ? faceNormal
                : pItem.placement.mapVector(pItem.topology.cornerNormal(pTriangle, corner));
            corners.append(Corner{mPlaced[triangle[corner]], normal});
        }
        if (mOptions.section)
            corners = clipCorners(corners, mOptions.sectionPlane);
        if (corners.size() < 3)
            return;

        QVector<DepthImage::Point> points;
        QVector<float> intensities;
        const bool front = mFront[pTriangle];
        for (const Corner& corner : corners) {
            points.append(DepthImage::Project(mMatrix, corner.position, mColours.width(),
                                              mColours.height()));
            if (!points.last().valid)
                return;
            if (!front)
                points.last().inverseDepth *= 1.0f + kInsideBias;
            const QVector3D normal = front ? corner.normal : -corner.normal;
            const float intensity =
                kAmbient + kDiffuse * std::max(0.0f, QVector3D::dotProduct(normal, mLight));
            intensities.append(front ? intensity : intensity * kInsideShade);
        }

        // Through a filled section, the inside of a closed part shows exactly where its
        // cap lies, so the inside is drawn as the cap.
        const bool cap = !front && mOptions.fillSection;
        const QRgb capColour = pItem.colour.darker(kCapDarkness).rgb();
        const QRgb hatchColour = pItem.colour.darker(kHatchDarkness).rgb();
        const int hatchWidth = std::max(1, mHatchSpacing / 4);
        const int red = pItem.colour.red();
        const int green = pItem.colour.green();
        const int blue = pItem.colour.blue();
        QRgb* bits = reinterpret_cast<QRgb*>(mColours.bits());
        const int stride = mColours.bytesPerLine() / int(sizeof(QRgb));
        for (int k = 1; k + 1 < points.size(); ++k) {
            const float i0 = intensities[0];
            const float i1 = intensities[k];
            const float i2 = intensities[k + 1];
            mDepth.fill(points[0], points[k], points[k + 1],
                        [&](int pX, int pY, float pW0, float pW1, float pW2) {
                            QRgb& pixel = bits[pY * stride + pX];
                            if (cap) {
                                const bool hatch = (pX + pY) % mHatchSpacing < hatchWidth;
                                pixel = hatch ? hatchColour : capColour;
                            } else {
                                pixel = shade(red, green, blue, pW0 * i0 + pW1 * i1 + pW2 * i2);
                            }
                        });
        }
    }

    void addEdge(QVector3D pA, QVector3D pB, QVector<QLineF>& pLines)
    {
        if (mOptions.section && !clipSegment(pA, pB, mOptions.sectionPlane))
            return;
        mDepth.addVisibleRuns(
            DepthImage::Project(mMatrix, pA, mColours.width(), mColours.height()),
            DepthImage::Project(mMatrix, pB, mColours.width(), mColours.height()), pLines);
    }

    void prepare(const SceneGeometry::Item& pItem)
    {
        const TriangleMesh& mesh = pItem.mesh;
        mPlaced.clear();
        for (const QVector3D& vertex : mesh.vertices())
            mPlaced.append(pItem.placement.map(vertex));
        mFront.resize(mesh.triangleCount());
        for (int t = 0; t < mesh.triangleCount(); ++t) {
            const QVector3D normal = pItem.placement.mapVector(pItem.topology.faceNormal(t));
            mFront[t] = QVector3D::dotProduct(normal, mEye - mPlaced[mesh.triangles()[t][0]])
                > 0.0f;
        }
    }

    // Where a seen face is cut, the cut line is an edge too.
    void addSectionEdge(const TriangleMesh::Triangle& pTriangle)
    {
        QVector<QVector3D> crossings;
        for (int e = 0; e < 3; ++e) {
            const QVector3D& a = mPlaced[pTriangle[e]];
            const QVector3D& b = mPlaced[pTriangle[(e + 1) % 3]];
            const float da = side(mOptions.sectionPlane, a);
            const float db = side(mOptions.sectionPlane, b);
            if ((da <= 0.0f) != (db <= 0.0f))
                crossings.append(a + (b - a) * (da / (da - db)));
        }
        if (crossings.size() == 2)
            addEdge(crossings[0], crossings[1], mOutlines);
    }

    ScenePainter::Options mOptions;
    QImage mColours;
    DepthImage mDepth;
    QMatrix4x4 mMatrix;
    QVector3D mEye;
    QVector3D mLight;
    int mHatchSpacing;
    QVector<QVector3D> mPlaced;
    QVector<bool> mFront;
    QVector<QLineF> mOutlines;
    QVector<QLineF> mWires;
};

QVector<QLineF> placed(const QVector<QLineF>& pLines, const QRectF& pTarget)
{
    QVector<QLineF> result;
    result.reserve(pLines.size());
    for (const QLineF& line : pLines) {
        result.append(QLineF(pTarget.left() + line.x1() * pTarget.width(),
                             pTarget.top() + line.y1() * pTarget.height(),
                             pTarget.left() + line.x2() * pTarget.width(),
                             pTarget.top() + line.y2() * pTarget.height()));
    }
    return result;
}

} // namespace

void ScenePainter::Paint(QPainter& pPainter, const QRectF& pTarget, const SceneGeometry& pScene,
                         const ViewCamera& pCamera, const Options& pOptions)
{
    pPainter.save();
    pPainter.setCompositionMode(QPainter::CompositionMode_Source);
    pPainter.fillRect(pTarget, pOptions.background);
    pPainter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (pTarget.width() < 1.0 || pTarget.height() < 1.0) {
        pPainter.restore();
        return;
    }
    pPainter.setClipRect(pTarget);

    const int scale = pOptions.antialiasing ? kAntialiasingScale : 1;
    const QSize size(int(std::ceil(pTarget.width())) * scale,
                     int(std::ceil(pTarget.height())) * scale);
    Renderer renderer(size, pCamera, pOptions);
    for (const SceneGeometry::Item& item : pScene.items())
        renderer.addFaces(item);
    for (const SceneGeometry::Item& item : pScene.items())
        renderer.addEdges(item);

    pPainter.setRenderHint(QPainter::SmoothPixmapTransform, pOptions.antialiasing);
    pPainter.drawImage(pTarget, renderer.colours());

    pPainter.setRenderHint(QPainter::Antialiasing, pOptions.antialiasing);
    const qreal lineWidth = std::max(1.0, pTarget.height() / kLineReference);
    if (!renderer.wires().isEmpty()) {
        QColor wireColour = pOptions.outlineColour;
        wireColour.setAlpha(kWireAlpha);
        pPainter.setPen(QPen(wireColour, lineWidth * 0.6));
        pPainter.drawLines(placed(renderer.wires(), pTarget));
    }
    if (!renderer.outlines().isEmpty()) {
        pPainter.setPen(QPen(pOptions.outlineColour,
                             lineWidth * (pOptions.antialiasing ? 1.2 : 1.0), Qt::SolidLine,
                             Qt::RoundCap, Qt::RoundJoin));
        pPainter.drawLines(placed(renderer.outlines(), pTarget));
    }
    pPainter.restore();
}

} // namespace zel
