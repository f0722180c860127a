#pragma once

#include "MeshTopology.h"
#include "SampleAssembly.h"
#include "TriangleMesh.h"

#include <QColor>
#include <QMatrix4x4>
#include <QVector>

namespace zel {

// The placed meshes that are drawn and exported, each with its topology worked out once.
class SceneGeometry
{
public:
    struct Item
    {
        TriangleMesh mesh;
        MeshTopology topology;
        QMatrix4x4 placement;
        QColor colour;
    };

    SceneGeometry() = default;
    // pMeshes holds one mesh per instance of pAssembly, in instance order: the
    // assembly's own or simplified ones.
    SceneGeometry(const SampleAssembly& pAssembly, const QVector<TriangleMesh>& pMeshes);

    const QVector<Item>& items() const { return mItems; }
    quint64 triangleCount() const { return mTriangleCount; }
    void boundingBox(QVector3D& pMin, QVector3D& pMax) const;

private:
    QVector<Item> mItems;
    quint64 mTriangleCount = 0;
};

} // namespace zel
