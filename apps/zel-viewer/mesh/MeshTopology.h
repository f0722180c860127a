#pragma once

#include "TriangleMesh.h"

#include <QVector3D>
#include <QVector>

namespace zel {

// What drawing needs to know around each triangle of a mesh: the neighbour across each
// edge, which edges are salient, and the shading normal at each corner.
class MeshTopology
{
public:
    // Edges whose faces meet at more than this angle are salient, and shading does not
    // smooth across them.
    static constexpr float kCreaseAngleDegrees = 30.0f;

    MeshTopology() = default;
    explicit MeshTopology(const TriangleMesh& pMesh);

    // The triangle across edge pEdge (corner pEdge to corner pEdge + 1) of pTriangle, or -1
    // on a border.
    int neighbour(int pTriangle, int pEdge) const { return mNeighbours[pTriangle * 3 + pEdge]; }
    // Salient: a border, or a crease sharper than the crease angle.
    bool isSalient(int pTriangle, int pEdge) const { return mSalient[pTriangle * 3 + pEdge]; }
    const QVector3D& faceNormal(int pTriangle) const { return mFaceNormals[pTriangle]; }
    const QVector3D& cornerNormal(int pTriangle, int pCorner) const
    {
        return mCornerNormals[pTriangle * 3 + pCorner];
    }

private:
    QVector<int> mNeighbours;
    QVector<bool> mSalient;
    QVector<QVector3D> mFaceNormals;
    QVector<QVector3D> mCornerNormals;
};

} // namespace zel
