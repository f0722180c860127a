#pragma once

#include "TriangleMesh.h"

#include <QVector>

namespace zel {

// Reduces triangle counts by collapsing edges, those that change the shape least first
// (the distance to the planes of the faces around them), refusing collapses that would
// fold a face over or tear the surface.
class MeshSimplifier
{
public:
    // The triangle count that an export setting asks for out of pTotal: 0 keeps all,
    // a negative value keeps that percentage (rounded up), a positive one is a target.
    static quint64 TargetTriangles(float pSimplification, quint64 pTotal);

    // At most pTarget triangles, unless the mesh cannot be reduced that far without
    // breaking it; a collapse removes two triangles, so the result may be one below.
    static TriangleMesh Simplify(const TriangleMesh& pMesh, int pTarget);

    // Shares pTarget out among meshes in proportion to their triangle counts; the shares
    // add up to pTarget exactly (largest remainders first) and never exceed a mesh's count.
    static QVector<int> ShareTarget(const QVector<int>& pCounts, quint64 pTarget);

    // Every mesh simplified to its share of pTarget; identical meshes with identical
    // shares are reduced once.
    static QVector<TriangleMesh> SimplifyAll(const QVector<TriangleMesh>& pMeshes,
                                             quint64 pTarget);
};

} // namespace zel
