#include "SceneGeometry.h"

#include <QHash>

#include <limits>

namespace zel {

SceneGeometry::SceneGeometry(const SampleAssembly& pAssembly,
                             const QVector<TriangleMesh>& pMeshes)
{
    // Instances of one component share their mesh, so its topology is worked out once.
    QHash<const void*, int> known;
    const int count = std::min(pAssembly.instances().size(), pMeshes.size());
    for (int i = 0; i < count; ++i) {
        const SampleAssembly::Instance& instance = pAssembly.instances()[i];
        const TriangleMesh& mesh = pMeshes[i];
        const auto it = known.constFind(mesh.triangles().constData());
        const MeshTopology topology =
            it != known.constEnd() ? mItems[*it].topology : MeshTopology(mesh);
        if (it == known.constEnd())
            known.insert(mesh.triangles().constData(), mItems.size());
        mItems.append(Item{mesh, topology, instance.placement,
                           pAssembly.components()[instance.component].colour});
        mTriangleCount += quint64(mesh.triangleCount());
    }
}

void SceneGeometry::boundingBox(QVector3D& pMin, QVector3D& pMax) const
{
    const float big = std::numeric_limits<float>::max();
    pMin = QVector3D(big, big, big);
    pMax = -pMin;
    for (const Item& item : mItems) {
        for (const QVector3D& vertex : item.mesh.vertices()) {
            const QVector3D v = item.placement.map(vertex);
            pMin = QVector3D(std::min(pMin.x(), v.x()), std::min(pMin.y(), v.y()),
                             std::min(pMin.z(), v.z()));
            pMax = QVector3D(std::max(pMax.x(), v.x()), std::max(pMax.y(), v.y()),
                             std::max(pMax.z(), v.z()));
        }
    }
    if (mItems.isEmpty())
        pMin = pMax = QVector3D();
}

} // namespace zel
