#include "ScenePainter.h"

#include "SceneGeometry.h"
#include "ViewCamera.h"

#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace zel {

namespace {

const float kAmbient = 0.30f;
const float kDiffuse = 0.70f;
// The inside of a part, seen through an open section, is drawn darker.
const float kInsideShade = 0.55f;
const int kCapDarkness = 125;
const int kHatchDarkness = 170;
// Lines are one pixel wide on a view about this high and grow with bigger images.
const qreal kLineReference = 700.0;
const int kWireAlpha = 140;

struct Corner
{
    QVector3D position;
    QVector3D normal;
};

struct Primitive
{
    float depth = 0.0f;
    QPolygonF polygon;
    QVector<float> intensities;
    QColor colour;
    bool cap = false;
    QPainterPath capPath;
    QVector<QLineF> edges;
    QVector<QLineF> wires;
};

class Projector
{
public:
    Projector(const QRectF& pTarget, const ViewCamera& pCamera)
        : mTarget(pTarget)
        , mMatrix(pCamera.projectionMatrix(float(pTarget.width() / pTarget.height()))
                  * pCamera.viewMatrix())
    {
    }

    // False for a point in front of the near plane or behind the eye.
    bool project(const QVector3D& pPoint, QPointF& pScreen, float& pDepth) const
    {
        const QVector4D clip = mMatrix * QVector4D(pPoint, 1.0f);
        if (clip.w() <= 1e-6f || clip.z() < -clip.w())
            return false;
        pScreen = QPointF(mTarget.left() + (clip.x() / clip.w() + 1.0) * 0.5 * mTarget.width(),
                          mTarget.top() + (1.0 - clip.y() / clip.w()) * 0.5 * mTarget.height());
        pDepth = clip.w();
        return true;
    }

private:
    QRectF mTarget;
    QMatrix4x4 mMatrix;
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

QColor shade(const QColor& pColour, float pIntensity)
{
    const float i = std::max(0.0f, std::min(1.0f, pIntensity));
    return QColor::fromRgbF(pColour.redF() * i, pColour.greenF() * i, pColour.blueF() * i,
                            pColour.alphaF());
}

// Shading that varies linearly across a face is exactly a linear gradient in the plane.
QBrush faceBrush(const Primitive& pPrimitive)
{
    const QPolygonF& polygon = pPrimitive.polygon;
    const QVector<float>& values = pPrimitive.intensities;
    const auto range = std::minmax_element(values.begin(), values.end());
    const float low = *range.first;
    const float high = *range.second;
    if (high - low < 1.0f / 512.0f || polygon.size() < 3)
        return shade(pPrimitive.colour, (low + high) * 0.5f);

    const QPointF e1 = polygon[1] - polygon[0];
    const QPointF e2 = polygon[2] - polygon[0];
    const qreal determinant = e1.x() * e2.y() - e1.y() * e2.x();
    if (std::abs(determinant) < 1e-9)
        return shade(pPrimitive.colour, (low + high) * 0.5f);
    const qreal d1 = values[1] - values[0];
    const qreal d2 = values[2] - values[0];
    const QPointF gradient((d1 * e2.y() - d2 * e1.y()) / determinant,
                           (d2 * e1.x() - d1 * e2.x()) / determinant);
    const qreal squared = QPointF::dotProduct(gradient, gradient);
    if (squared < 1e-18)
        return shade(pPrimitive.colour, (low + high) * 0.5f);
    const QPointF start = polygon[0] + gradient * ((low - values[0]) / squared);
    const QPointF end = polygon[0] + gradient * ((high - values[0]) / squared);
    QLinearGradient linear(start, end);
    linear.setColorAt(0.0, shade(pPrimitive.colour, low));
    linear.setColorAt(1.0, shade(pPrimitive.colour, high));
    return QBrush(linear);
}

quint64 edgeKey(int pA, int pB)
{
    return (quint64(quint32(std::min(pA, pB))) << 32) | quint32(std::max(pA, pB));
}

// The closed outlines where the section plane cuts one placed mesh; each loop turns
// counter-clockwise seen from the cut-away side, holes the other way.
QVector<QVector<QVector3D>> sectionLoops(const SceneGeometry::Item& pItem,
                                         const QVector4D& pPlane)
{
    const TriangleMesh& mesh = pItem.mesh;
    QVector<QVector3D> placed;
    placed.reserve(mesh.vertexCount());
    for (const QVector3D& vertex : mesh.vertices())
        placed.append(pItem.placement.map(vertex));
    const QVector3D planeNormal = pPlane.toVector3D();

    struct Segment
    {
        quint64 from;
        quint64 to;
    };
    QHash<quint64, QVector3D> points;
    QHash<quint64, int> byStart;
    QVector<Segment> segments;
    for (int t = 0; t < mesh.triangleCount(); ++t) {
        const TriangleMesh::Triangle& triangle = mesh.triangles()[t];
        quint64 crossing[2];
        int found = 0;
        for (int e = 0; e < 3 && found < 2; ++e) {
            const int a = triangle[e];
            const int b = triangle[(e + 1) % 3];
            const float da = side(pPlane, placed[a]);
            const float db = side(pPlane, placed[b]);
            if ((da <= 0.0f) == (db <= 0.0f))
                continue;
            const quint64 key = edgeKey(a, b);
            if (!points.contains(key)) {
                // Worked out from the lower vertex, so both faces of the edge agree.
                const int low = std::min(a, b);
                const int high = std::max(a, b);
                const float dl = side(pPlane, placed[low]);
                const float dh = side(pPlane, placed[high]);
                points.insert(key, placed[low] + (placed[high] - placed[low]) * (dl / (dl - dh)));
            }
            crossing[found++] = key;
        }
        if (found != 2)
            continue;
        const QVector3D direction = points[crossing[1]] - points[crossing[0]];
        const QVector3D wanted = QVector3D::crossProduct(
            planeNormal, pItem.placement.mapVector(pItem.topology.faceNormal(t)));
        const bool forward = QVector3D::dotProduct(direction, wanted) >= 0.0f;
        const Segment segment = forward ? Segment{crossing[0], crossing[1]}
                                        : Segment{crossing[1], crossing[0]};
        byStart.insert(segment.from, segments.size());
        segments.append(segment);
    }

    QVector<QVector<QVector3D>> loops;
    QVector<bool> used(segments.size(), false);
    for (int first = 0; first < segments.size(); ++first) {
        if (used[first])
            continue;
        QVector<QVector3D> loop;
        int current = first;
        bool closed = false;
        while (current >= 0 && !used[current]) {
            used[current] = true;
            loop.append(points[segments[current].from]);
            const quint64 next = segments[current].to;
            if (next == segments[first].from) {
                closed = true;
                break;
            }
            current = byStart.value(next, -1);
        }
        if (closed && loop.size() >= 3)
            loops.append(loop);
    }
    return loops;
}

void addFaces(const SceneGeometry::Item& pItem, const Projector& pProjector,
              const QVector3D& pEye, const QVector3D& pLight,
              const ScenePainter::Options& pOptions, QVector<Primitive>& pPrimitives)
{
    const TriangleMesh& mesh = pItem.mesh;
    const MeshTopology& topology = pItem.topology;
    QVector<QVector3D> placed;
    placed.reserve(mesh.vertexCount());
    for (const QVector3D& vertex : mesh.vertices())
        placed.append(pItem.placement.map(vertex));

    QVector<bool> front(mesh.triangleCount());
    for (int t = 0; t < mesh.triangleCount(); ++t) {
        const QVector3D normal = pItem.placement.mapVector(topology.faceNormal(t));
        front[t] = QVector3D::dotProduct(normal, pEye - placed[mesh.triangles()[t][0]]) > 0.0f;
    }
    // Closed parts show their inside only through a section left open.
    const bool insideVisible = pOptions.section && !pOptions.fillSection;

    for (int t = 0; t < mesh.triangleCount(); ++t) {
        if (!front[t] && !insideVisible)
            continue;
        const TriangleMesh::Triangle& triangle = mesh.triangles()[t];
        const QVector3D faceNormal = pItem.placement.mapVector(topology.faceNormal(t));
        QVector<Corner> corners;
        for (int corner = 0; corner < 3; ++corner) {
            const QVector3D normal = pOptions.flatShading
                ? faceNormal
                : pItem.placement.mapVector(topology.cornerNormal(t, corner));
            corners.append(Corner{placed[triangle[corner]], normal});
        }
        if (pOptions.section)
            corners = clipCorners(corners, pOptions.sectionPlane);
        if (corners.size() < 3)
            continue;

        Primitive primitive;
        primitive.colour = pItem.colour;
        bool visible = true;
        for (const Corner& corner : corners) {
            QPointF screen;
            float depth = 0.0f;
            if (!pProjector.project(corner.position, screen, depth)) {
                visible = false;
                break;
            }
            primitive.polygon.append(screen);
            primitive.depth += depth / corners.size();
            const QVector3D normal = front[t] ? corner.normal : -corner.normal;
            float intensity =
                kAmbient + kDiffuse * std::max(0.0f, QVector3D::dotProduct(normal, pLight));
            if (!front[t])
                intensity *= kInsideShade;
            primitive.intensities.append(intensity);
        }
        if (!visible)
            continue;

        if ((pOptions.outline || pOptions.wireframe) && front[t]) {
            for (int e = 0; e < 3; ++e) {
                const int across = topology.neighbour(t, e);
                const bool silhouette = across >= 0 && !front[across];
                const bool outline =
                    pOptions.outline && (topology.isSalient(t, e) || silhouette);
                if (!outline && !pOptions.wireframe)
                    continue;
                QVector3D a = placed[triangle[e]];
                QVector3D b = placed[triangle[(e + 1) % 3]];
                if (pOptions.section && !clipSegment(a, b, pOptions.sectionPlane))
                    continue;
                QPointF sa;
                QPointF sb;
                float depth = 0.0f;
                if (pProjector.project(a, sa, depth) && pProjector.project(b, sb, depth))
                    (outline ? primitive.edges : primitive.wires).append(QLineF(sa, sb));
            }
        }
        pPrimitives.append(primitive);
    }
}

} // namespace

void ScenePainter::Paint(QPainter& pPainter, const QRectF& pTarget, const SceneGeometry& pScene,
                         const ViewCamera& pCamera, const Options& pOptions)
{
    pPainter.save();
    pPainter.setCompositionMode(QPainter::CompositionMode_Source);
    pPainter.fillRect(pTarget, pOptions.background);
    pPainter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    pPainter.setClipRect(pTarget);
    if (pTarget.width() < 1.0 || pTarget.height() < 1.0) {
        pPainter.restore();
        return;
    }

    const Projector projector(pTarget, pCamera);
    const QVector3D eye = pCamera.eyePosition();
    const QVector3D light = pCamera.toWorld(QVector3D(-0.35f, 0.55f, 1.0f).normalized());
    // Seen from the cut-away side, the caps lie in front of everything that is left.
    const bool capsInFront = side(pOptions.sectionPlane, eye) > 0.0f;

    QVector<Primitive> primitives;
    for (const SceneGeometry::Item& item : pScene.items()) {
        addFaces(item, projector, eye, light, pOptions, primitives);
        if (!pOptions.section || !pOptions.fillSection)
            continue;
        for (const QVector<QVector3D>& loop : sectionLoops(item, pOptions.sectionPlane)) {
            Primitive cap;
            cap.cap = true;
            cap.colour = item.colour;
            QPolygonF polygon;
            bool visible = true;
            float depthSum = 0.0f;
            for (const QVector3D& point : loop) {
                QPointF screen;
                float depth = 0.0f;
                if (!projector.project(point, screen, depth)) {
                    visible = false;
                    break;
                }
                polygon.append(screen);
                depthSum += depth;
            }
            if (!visible)
                continue;
            cap.capPath.setFillRule(Qt::WindingFill);
            cap.capPath.addPolygon(polygon);
            cap.capPath.closeSubpath();
            cap.depth = capsInFront ? -1.0f : depthSum / loop.size();
            primitives.append(cap);
        }
    }
    std::stable_sort(primitives.begin(), primitives.end(),
                     [](const Primitive& pA, const Primitive& pB) { return pA.depth > pB.depth; });

    pPainter.setRenderHint(QPainter::Antialiasing, pOptions.antialiasing);
    const qreal lineWidth = std::max(1.0, pTarget.height() / kLineReference);
    const QPen outlinePen(pOptions.outlineColour, lineWidth * (pOptions.antialiasing ? 1.2 : 1.0),
                          Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    QColor wireColour = pOptions.outlineColour;
    wireColour.setAlpha(kWireAlpha);
    const QPen wirePen(wireColour, lineWidth * 0.6);
    for (const Primitive& primitive : primitives) {
        if (primitive.cap) {
            const QColor base = primitive.colour.darker(kCapDarkness);
            pPainter.setPen(Qt::NoPen);
            pPainter.fillPath(primitive.capPath, base);
            pPainter.fillPath(primitive.capPath,
                              QBrush(primitive.colour.darker(kHatchDarkness), Qt::BDiagPattern));
            if (pOptions.outline) {
                pPainter.setPen(outlinePen);
                pPainter.setBrush(Qt::NoBrush);
                pPainter.drawPath(primitive.capPath);
            }
            continue;
        }
        const QBrush brush = faceBrush(primitive);
        // Antialiased faces would let the background shine through their shared edges.
        pPainter.setPen(pOptions.antialiasing ? QPen(brush, lineWidth) : QPen(Qt::NoPen));
        pPainter.setBrush(brush);
        pPainter.drawPolygon(primitive.polygon);
        if (!primitive.wires.isEmpty()) {
            pPainter.setPen(wirePen);
            pPainter.drawLines(primitive.wires);
        }
        if (!primitive.edges.isEmpty()) {
            pPainter.setPen(outlinePen);
            pPainter.drawLines(primitive.edges);
        }
    }
    pPainter.restore();
}

} // namespace zel
