#include "TriangleMesh.h"

#include <QHash>

#include <cmath>
#include <limits>

namespace zel {

namespace {

const double kPi = 3.14159265358979323846;

struct CellKey
{
    qint64 x;
    qint64 y;
    qint64 z;
    bool operator==(const CellKey& pOther) const
    {
        return x == pOther.x && y == pOther.y && z == pOther.z;
    }
};

size_t qHash(const CellKey& pKey, size_t pSeed = 0)
{
    return static_cast<size_t>(pKey.x * 73856093 ^ pKey.y * 19349663 ^ pKey.z * 83492791)
        ^ pSeed;
}

CellKey cellOf(const QVector3D& pPoint, float pTolerance)
{
    return CellKey{static_cast<qint64>(std::floor(pPoint.x() / pTolerance)),
                   static_cast<qint64>(std::floor(pPoint.y() / pTolerance)),
                   static_cast<qint64>(std::floor(pPoint.z() / pTolerance))};
}

// Two grid triangles per square, counter-clockwise around pU x pV.
void addGrid(TriangleMesh& pMesh, const QVector3D& pOrigin, const QVector3D& pU,
             const QVector3D& pV, int pDivisions)
{
    const int first = pMesh.vertexCount();
    for (int j = 0; j <= pDivisions; ++j) {
        for (int i = 0; i <= pDivisions; ++i) {
            pMesh.addVertex(pOrigin + pU * (float(i) / pDivisions)
                            + pV * (float(j) / pDivisions));
        }
    }
    const int row = pDivisions + 1;
    for (int j = 0; j < pDivisions; ++j) {
        for (int i = 0; i < pDivisions; ++i) {
            const int p00 = first + j * row + i;
            const int p10 = p00 + 1;
            const int p01 = p00 + row;
            const int p11 = p01 + 1;
            pMesh.addTriangle(p00, p10, p11);
            pMesh.addTriangle(p00, p11, p01);
        }
    }
}

} // namespace

int TriangleMesh::addVertex(const QVector3D& pPosition)
{
    mVertices.append(pPosition);
    return mVertices.size() - 1;
}

void TriangleMesh::addTriangle(int pA, int pB, int pC)
{
    mTriangles.append(Triangle{{pA, pB, pC}});
}

void TriangleMesh::append(const TriangleMesh& pOther, const QMatrix4x4& pPlacement)
{
    const int offset = mVertices.size();
    for (const QVector3D& vertex : pOther.mVertices)
        mVertices.append(pPlacement.map(vertex));
    for (const Triangle& triangle : pOther.mTriangles)
        addTriangle(triangle[0] + offset, triangle[1] + offset, triangle[2] + offset);
}

QVector3D TriangleMesh::triangleNormal(int pTriangle) const
{
    const Triangle& t = mTriangles[pTriangle];
    const QVector3D cross = QVector3D::crossProduct(mVertices[t[1]] - mVertices[t[0]],
                                                    mVertices[t[2]] - mVertices[t[0]]);
    const float length = cross.length();
    return length > 0.0f ? cross / length : QVector3D();
}

double TriangleMesh::volume() const
{
    double sum = 0.0;
    for (const Triangle& t : mTriangles) {
        const QVector3D& a = mVertices[t[0]];
        const QVector3D& b = mVertices[t[1]];
        const QVector3D& c = mVertices[t[2]];
        sum += double(a.x()) * (double(b.y()) * c.z() - double(b.z()) * c.y())
            - double(a.y()) * (double(b.x()) * c.z() - double(b.z()) * c.x())
            + double(a.z()) * (double(b.x()) * c.y() - double(b.y()) * c.x());
    }
    return sum / 6.0;
}

void TriangleMesh::boundingBox(QVector3D& pMin, QVector3D& pMax) const
{
    if (mVertices.isEmpty()) {
        pMin = pMax = QVector3D();
        return;
    }
    const float big = std::numeric_limits<float>::max();
    pMin = QVector3D(big, big, big);
    pMax = -pMin;
    for (const QVector3D& v : mVertices) {
        pMin = QVector3D(std::min(pMin.x(), v.x()), std::min(pMin.y(), v.y()),
                         std::min(pMin.z(), v.z()));
        pMax = QVector3D(std::max(pMax.x(), v.x()), std::max(pMax.y(), v.y()),
                         std::max(pMax.z(), v.z()));
    }
}

TriangleMesh TriangleMesh::welded(float pTolerance) const
{
    TriangleMesh result;
    QHash<CellKey, QVector<int>> cells;
    QVector<int> remap(mVertices.size());
    for (int i = 0; i < mVertices.size(); ++i) {
        const QVector3D& v = mVertices[i];
        const CellKey cell = cellOf(v, pTolerance);
        int found = -1;
        // Neighbouring cells too: two copies of a point may straddle a cell border.
        for (int dx = -1; dx <= 1 && found < 0; ++dx) {
            for (int dy = -1; dy <= 1 && found < 0; ++dy) {
                for (int dz = -1; dz <= 1 && found < 0; ++dz) {
                    const auto it = cells.constFind(
                        CellKey{cell.x + dx, cell.y + dy, cell.z + dz});
                    if (it == cells.constEnd())
                        continue;
                    for (int candidate : *it) {
                        if ((result.mVertices[candidate] - v).length() <= pTolerance) {
                            found = candidate;
                            break;
                        }
                    }
                }
            }
        }
        if (found < 0) {
            found = result.addVertex(v);
            cells[cell].append(found);
        }
        remap[i] = found;
    }
    for (const Triangle& t : mTriangles) {
        const int a = remap[t[0]];
        const int b = remap[t[1]];
        const int c = remap[t[2]];
        if (a != b && b != c && a != c)
            result.addTriangle(a, b, c);
    }
    return result;
}

TriangleMesh TriangleMesh::Box(const QVector3D& pMin, const QVector3D& pMax, int pDivisions)
{
    const int n = std::max(1, pDivisions);
    const QVector3D size = pMax - pMin;
    const QVector3D x(size.x(), 0, 0);
    const QVector3D y(0, size.y(), 0);
    const QVector3D z(0, 0, size.z());
    TriangleMesh mesh;
    addGrid(mesh, pMin, y, x, n);
    addGrid(mesh, pMin + z, x, y, n);
    addGrid(mesh, pMin, x, z, n);
    addGrid(mesh, pMin + y, z, x, n);
    addGrid(mesh, pMin, z, y, n);
    addGrid(mesh, pMin + x, y, z, n);
    return mesh.welded();
}

TriangleMesh TriangleMesh::Cylinder(float pRadius, float pLength, int pSegments)
{
    const int s = std::max(3, pSegments);
    TriangleMesh mesh;
    for (int level = 0; level < 2; ++level) {
        for (int k = 0; k < s; ++k) {
            const double angle = 2.0 * kPi * k / s;
            mesh.addVertex(QVector3D(float(pRadius * std::cos(angle)),
                                     float(pRadius * std::sin(angle)), level * pLength));
        }
    }
    const int bottomCentre = mesh.addVertex(QVector3D(0, 0, 0));
    const int topCentre = mesh.addVertex(QVector3D(0, 0, pLength));
    for (int k = 0; k < s; ++k) {
        const int next = (k + 1) % s;
        mesh.addTriangle(k, next, s + next);
        mesh.addTriangle(k, s + next, s + k);
        mesh.addTriangle(bottomCentre, next, k);
        mesh.addTriangle(topCentre, s + k, s + next);
    }
    return mesh;
}

TriangleMesh TriangleMesh::Torus(float pMajorRadius, float pMinorRadius, int pMajorSegments,
                                 int pMinorSegments)
{
    const int major = std::max(3, pMajorSegments);
    const int minor = std::max(3, pMinorSegments);
    TriangleMesh mesh;
    for (int i = 0; i < major; ++i) {
        const double theta = 2.0 * kPi * i / major;
        for (int j = 0; j < minor; ++j) {
            const double phi = 2.0 * kPi * j / minor;
            const double ring = pMajorRadius + pMinorRadius * std::cos(phi);
            mesh.addVertex(QVector3D(float(ring * std::cos(theta)),
                                     float(ring * std::sin(theta)),
                                     float(pMinorRadius * std::sin(phi))));
        }
    }
    for (int i = 0; i < major; ++i) {
        for (int j = 0; j < minor; ++j) {
            const int p00 = i * minor + j;
            const int p10 = ((i + 1) % major) * minor + j;
            const int p01 = i * minor + (j + 1) % minor;
            const int p11 = ((i + 1) % major) * minor + (j + 1) % minor;
            mesh.addTriangle(p00, p10, p11);
            mesh.addTriangle(p00, p11, p01);
        }
    }
    return mesh;
}

} // namespace zel
