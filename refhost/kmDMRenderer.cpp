#include "kmDMRenderer.h"

#include "zelSceneGraphAnalyzer.h"

namespace zel {

namespace {

// The viewer starts on the same opaque silver as the default settings.
const float kSilver = 192.0f / 255.0f;

template <typename T>
bool assign(T& pMember, const T& pValue)
{
    if (pMember == pValue)
        return false;
    pMember = pValue;
    return true;
}

} // namespace

kmDMRenderer::kmDMRenderer(QObject* pParent)
    : QObject(pParent)
    , mBackground(kSilver, kSilver, kSilver, 1.0f)
    , mAnalyzer(new zelSceneGraphAnalyzer(this))
{
}

void kmDMRenderer::setFXAAEnabled(bool pEnabled)
{
    if (assign(mFXAA, pEnabled))
        Q_EMIT renderSettingsChanged();
}

void kmDMRenderer::setEdgeHiglightEnabled(bool pEnabled)
{
    if (assign(mEdgeHighlight, pEnabled))
        Q_EMIT renderSettingsChanged();
}

void kmDMRenderer::setLightingMode(bool pFlat)
{
    if (assign(mFlatLighting, pFlat))
        Q_EMIT renderSettingsChanged();
}

void kmDMRenderer::setFillCutplaneFaces(bool pFill)
{
    if (assign(mFillCutplane, pFill))
        Q_EMIT renderSettingsChanged();
}

void kmDMRenderer::setBackgroundColor(const Wm4::ColorRGBA& pColor)
{
    if (assign(mBackground, pColor))
        Q_EMIT renderSettingsChanged();
}

void kmDMRenderer::setTargetTriangles(quint64 pTriangles)
{
    if (assign(mTargetTriangles, pTriangles))
        Q_EMIT renderSettingsChanged();
}

void kmDMRenderer::setupResourceController(quint64 pMaxCPUMemory, quint64 pMaxGPUMemory)
{
    const bool cpuChanged = assign(mMaxCPUMemory, pMaxCPUMemory);
    const bool gpuChanged = assign(mMaxGPUMemory, pMaxGPUMemory);
    if (cpuChanged || gpuChanged)
        Q_EMIT renderSettingsChanged();
}

} // namespace zel
