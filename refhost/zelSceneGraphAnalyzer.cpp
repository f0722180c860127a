#include "zelSceneGraphAnalyzer.h"

namespace zel {

zelSceneGraphAnalyzer::zelSceneGraphAnalyzer(QObject* pParent)
    : QObject(pParent)
{
}

void zelSceneGraphAnalyzer::getSceneStats(quint64& pComponents, quint64& pInstances,
                                          quint64& pParts, quint64& pBodies, quint64& pFaces,
                                          quint64& pTriangles, quint64& pEdges,
                                          bool pVisibleOnly) const
{
    const SceneStats& stats = pVisibleOnly ? mVisibleStats : mStats;
    pComponents = stats.components;
    pInstances = stats.instances;
    pParts = stats.parts;
    pBodies = stats.bodies;
    pFaces = stats.faces;
    pTriangles = stats.triangles;
    pEdges = stats.edges;
}

void zelSceneGraphAnalyzer::setSceneStats(const SceneStats& pStats,
                                          const SceneStats& pVisibleStats)
{
    // Always announced: the loader calls this once per scene change and the
    // listeners recount from it.
    mStats = pStats;
    mVisibleStats = pVisibleStats;
    Q_EMIT sceneStatsChanged();
}

void zelSceneGraphAnalyzer::setSceneStats(const SceneStats& pStats)
{
    setSceneStats(pStats, pStats);
}

} // namespace zel
