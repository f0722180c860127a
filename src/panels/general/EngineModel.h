#pragma once

#include "ColorRGBA.h"

#include <QtGlobal>

namespace zel {

// Renderer settings of the general panel. Memory limits are in bytes.
struct EngineModel
{
    // No key backs the ray-tracing memory limit, so it starts at the smallest limit that
    // its control accepts, the same 128 MiB as the 3D memory default.
    static constexpr quint64 msDefaultMaxCPUMemoryRay = Q_UINT64_C(134217728);

    quint64 maxCPUMemory3D = 0;
    quint64 maxCPUMemoryRay = msDefaultMaxCPUMemoryRay;
    quint64 maxGPUMemory = 0;
    quint64 lodTrianglesCap = 0;
    qint32 coreNumber = 0;
    Wm4::ColorRGBA backgroundColor;
    bool softwareRendering = false;
    bool useFXAA = false;
    bool useOutline = false;
    bool flatShading = false;
    bool fillCutplane = false;

    // The core count only matters to the software renderer, and the ray memory limit is
    // never stored, so neither makes two hardware records differ.
    bool operator!=(const EngineModel& pOther) const
    {
        return softwareRendering != pOther.softwareRendering
               || lodTrianglesCap != pOther.lodTrianglesCap
               || (softwareRendering && coreNumber != pOther.coreNumber)
               || backgroundColor != pOther.backgroundColor || useFXAA != pOther.useFXAA
               || useOutline != pOther.useOutline || flatShading != pOther.flatShading
               || fillCutplane != pOther.fillCutplane
               || maxCPUMemory3D != pOther.maxCPUMemory3D
               || maxGPUMemory != pOther.maxGPUMemory;
    }
};

} // namespace zel
