#pragma once

#include "DisplayOptions.h"
#include "EngineModel.h"
#include "UnitsModel.h"

#include <QString>

namespace zel {

class kmDMIApplication;

// Makes the applied groups of the general settings panel take effect in the running host
// application. Every call copes with an absent application or host object.
class GeneralSettingsHost
{
public:
    explicit GeneralSettingsHost(kmDMIApplication* pApplication);

    void pushUnits(const UnitsModel& pModel);
    void pushDisplay(const DisplayOptions& pModel);
    void setNavigationMode(const QString& pController);
    // pResources: the renderer's own resource controller is set up too.
    void pushEngine(const EngineModel& pModel, bool pResources);
    void setCacheMaxSize(quint64 pMegabytes);

private:
    void setupResources();
    void setTriangleCap(quint64 pTriangles);
    void setCoreNumber(int pCores);

    kmDMIApplication* mApplication;
};

} // namespace zel
