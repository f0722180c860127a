#pragma once

#include "kmHostExport.h"

#include <QObject>

namespace zel {

// Statistics of the loaded scene.
class KM_HOST_EXPORT zelSceneGraphAnalyzer : public QObject
{
    Q_OBJECT

public:
    struct SceneStats
    {
        quint64 components = 0;
        quint64 instances = 0;
        quint64 parts = 0;
        quint64 bodies = 0;
        quint64 faces = 0;
        quint64 triangles = 0;
        quint64 edges = 0;
    };

    explicit zelSceneGraphAnalyzer(QObject* pParent = nullptr);

    // pVisibleOnly restricts the counts to what is shown.
    void getSceneStats(quint64& pComponents, quint64& pInstances, quint64& pParts,
                       quint64& pBodies, quint64& pFaces, quint64& pTriangles,
                       quint64& pEdges, bool pVisibleOnly) const;

    // Set by the host's loader whenever the scene changes.
    void setSceneStats(const SceneStats& pStats, const SceneStats& pVisibleStats);
    void setSceneStats(const SceneStats& pStats);

Q_SIGNALS:
    void sceneStatsChanged();

private:
    SceneStats mStats;
    SceneStats mVisibleStats;
};

} // namespace zel
