#pragma once

#include "ColorRGBA.h"
#include "kmHostExport.h"

#include <QObject>

namespace zel {

class zelSceneGraphAnalyzer;

// The 3D renderer. It keeps what it is told and announces each change, so that
// the view can redraw with it.
class KM_HOST_EXPORT kmDMRenderer : public QObject
{
    Q_OBJECT

public:
    explicit kmDMRenderer(QObject* pParent = nullptr);

    void setFXAAEnabled(bool pEnabled);
    void setEdgeHiglightEnabled(bool pEnabled);
    // true: flat shading.
    void setLightingMode(bool pFlat);
    void setFillCutplaneFaces(bool pFill);
    void setBackgroundColor(const Wm4::ColorRGBA& pColor);
    void setTargetTriangles(quint64 pTriangles);
    void setupResourceController(quint64 pMaxCPUMemory, quint64 pMaxGPUMemory);

    bool isFXAAEnabled() const { return mFXAA; }
    bool isEdgeHiglightEnabled() const { return mEdgeHighlight; }
    bool isFlatLighting() const { return mFlatLighting; }
    bool isFillCutplaneFaces() const { return mFillCutplane; }
    const Wm4::ColorRGBA& getBackgroundColor() const { return mBackground; }
    quint64 getTargetTriangles() const { return mTargetTriangles; }
    quint64 getMaxCPUMemory() const { return mMaxCPUMemory; }
    quint64 getMaxGPUMemory() const { return mMaxGPUMemory; }

    zelSceneGraphAnalyzer* getSceneGraphAnalyzer() const { return mAnalyzer; }

Q_SIGNALS:
    void renderSettingsChanged();

private:
    bool mFXAA = true;
    bool mEdgeHighlight = true;
    bool mFlatLighting = false;
    bool mFillCutplane = true;
    Wm4::ColorRGBA mBackground;
    quint64 mTargetTriangles = 0;
    quint64 mMaxCPUMemory = 0;
    quint64 mMaxGPUMemory = 0;
    zelSceneGraphAnalyzer* mAnalyzer;
};

} // namespace zel
