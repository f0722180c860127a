#include "MeshTopology.h"

#include <QHash>

#include <cmath>

namespace zel {

namespace {

quint64 edgeKey(int pFrom, int pTo)
{
    return (quint64(quint32(pFrom)) << 32) | quint32(pTo);
}

} // namespace

MeshTopology::MeshTopology(const TriangleMesh& pMesh)
{
    const int count = pMesh.triangleCount();
    const QVector<TriangleMesh::Triangle>& triangles = pMesh.triangles();
    mNeighbours.fill(-1, count * 3);
    mSalient.fill(true, count * 3);
    mFaceNormals.resize(count);
    mCornerNormals.resize(count * 3);

    // A directed edge a->b of one triangle meets b->a of its neighbour.
    QHash<quint64, int> directed;
    directed.reserve(count * 3);
    for (int t = 0; t < count; ++t) {
        mFaceNormals[t] = pMesh.triangleNormal(t);
        for (int e = 0; e < 3; ++e)
            directed.insert(edgeKey(triangles[t][e], triangles[t][(e + 1) % 3]), t * 3 + e);
    }
    const float creaseCosine =
        std::cos(kCreaseAngleDegrees * 3.14159265f / 180.0f);
    for (int t = 0; t < count; ++t) {
        for (int e = 0; e < 3; ++e) {
            const auto it = directed.constFind(
                edgeKey(triangles[t][(e + 1) % 3], triangles[t][e]));
            if (it == directed.constEnd())
                continue;
            const int other = *it / 3;
            mNeighbours[t * 3 + e] = other;
            mSalient[t * 3 + e] =
                QVector3D::dotProduct(mFaceNormals[t], mFaceNormals[other]) < creaseCosine;
        }
    }

    // Corner normals average the faces around the vertex that lie within the crease angle
    // of this face, so that curved surfaces shade smoothly and box edges stay sharp.
    QVector<QVector<int>> around(pMesh.vertexCount());
    for (int t = 0; t < count; ++t) {
        for (int corner = 0; corner < 3; ++corner)
            around[triangles[t][corner]].append(t);
    }
    for (int t = 0; t < count; ++t) {
        for (int corner = 0; corner < 3; ++corner) {
            QVector3D sum;
            for (int other : around[triangles[t][corner]]) {
                if (QVector3D::dotProduct(mFaceNormals[t], mFaceNormals[other])
                    >= creaseCosine) {
                    sum += mFaceNormals[other];
                }
            }
            const float length = sum.length();
            mCornerNormals[t * 3 + corner] = length > 0.0f ? sum / length : mFaceNormals[t];
        }
    }
}

} // namespace zel
