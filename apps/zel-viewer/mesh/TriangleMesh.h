#pragma once

#include <QMatrix4x4>
#include <QVector3D>
#include <QVector>

#include <array>

namespace zel {

// An indexed triangle mesh in millimetres; triangles are counter-clockwise seen from
// outside, so that closed meshes have outward normals.
class TriangleMesh
{
public:
    using Triangle = std::array<int, 3>;

    int addVertex(const QVector3D& pPosition);
    void addTriangle(int pA, int pB, int pC);
    // Appends another mesh moved by pPlacement.
    void append(const TriangleMesh& pOther, const QMatrix4x4& pPlacement = QMatrix4x4());

    const QVector<QVector3D>& vertices() const { return mVertices; }
    const QVector<Triangle>& triangles() const { return mTriangles; }
    int vertexCount() const { return mVertices.size(); }
    int triangleCount() const { return mTriangles.size(); }

    // Unit normal of a triangle; null for a degenerate one.
    QVector3D triangleNormal(int pTriangle) const;
    // Enclosed volume in cubic millimetres; meaningful for closed meshes only.
    double volume() const;
    void boundingBox(QVector3D& pMin, QVector3D& pMax) const;

    // Vertices closer than pTolerance become one, so that faces built apart share edges.
    TriangleMesh welded(float pTolerance = 1e-4f) const;

    // A box from pMin to pMax with every face cut into pDivisions x pDivisions squares.
    static TriangleMesh Box(const QVector3D& pMin, const QVector3D& pMax, int pDivisions);
    // A closed cylinder along +Z from z = 0 to pLength.
    static TriangleMesh Cylinder(float pRadius, float pLength, int pSegments);
    // A torus around the Z axis.
    static TriangleMesh Torus(float pMajorRadius, float pMinorRadius, int pMajorSegments,
                              int pMinorSegments);

private:
    QVector<QVector3D> mVertices;
    QVector<Triangle> mTriangles;
};

} // namespace zel
