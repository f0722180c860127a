#include "GeneralSettingsHost.h"

#include "kmDMIApplication.h"
#include "kmDMManager.h"
#include "kmDMRenderer.h"
#include "kmMainWindow.h"
#include "kmNavigationManagerBase.h"

namespace zel {

namespace {

const char kExamineController[] = "examine";
// The renderer's own resource controller is left without a practical limit.
const quint64 kUnlimitedResources = Q_UINT64_C(1) << 62;

} // namespace

GeneralSettingsHost::GeneralSettingsHost(kmDMIApplication* pApplication)
    : mApplication(pApplication)
{
}

void GeneralSettingsHost::pushUnits(const UnitsModel& pModel)
{
    if (!mApplication)
        return;
    mApplication->updateAppUnits(pModel.unit, static_cast<int>(pModel.nbDecimals));
}

void GeneralSettingsHost::pushDisplay(const DisplayOptions& pModel)
{
    if (!mApplication)
        return;
    if (kmDMManager* manager = mApplication->getDMManager())
        manager->setDefaultInstanceNamingPolicy(pModel.namingPolicy);
    if (kmMainWindow* window = mApplication->getMainWindow()) {
        window->showProductStructurePanel(pModel.displayPs);
        window->showToolPanel(pModel.displayTool);
    }
}

void GeneralSettingsHost::setNavigationMode(const QString& pController)
{
    if (!mApplication)
        return;
    if (km::kmNavigationManagerBase* navigation = mApplication->getNavigationManager()) {
        navigation->setNavigationMode(pController == QLatin1String(kExamineController)
                                          ? km::kmNavigationManagerBase::EXAMINE
                                          : km::kmNavigationManagerBase::ARCBALL,
                                      true);
    }
}

void GeneralSettingsHost::pushEngine(const EngineModel& pModel, bool pResources)
{
    if (!mApplication)
        return;
    if (kmDMRenderer* renderer = mApplication->getRenderer()) {
        renderer->setFXAAEnabled(pModel.useFXAA);
        renderer->setEdgeHiglightEnabled(pModel.useOutline);
        renderer->setLightingMode(pModel.flatShading);
        renderer->setBackgroundColor(pModel.backgroundColor);
        renderer->setFillCutplaneFaces(pModel.fillCutplane);
    }
    setCoreNumber(pModel.coreNumber);
    if (pResources)
        setupResources();
    setTriangleCap(pModel.lodTrianglesCap);
}

void GeneralSettingsHost::setCacheMaxSize(quint64 pMegabytes)
{
    if (!mApplication)
        return;
    if (kmDMManager* manager = mApplication->getDMManager())
        manager->setMaxCacheSize(static_cast<unsigned int>(pMegabytes));
}

void GeneralSettingsHost::setupResources()
{
    if (kmDMRenderer* renderer = mApplication->getRenderer())
        renderer->setupResourceController(kUnlimitedResources, kUnlimitedResources);
}

void GeneralSettingsHost::setTriangleCap(quint64 pTriangles)
{
    if (kmDMRenderer* renderer = mApplication->getRenderer())
        renderer->setTargetTriangles(pTriangles);
}

void GeneralSettingsHost::setCoreNumber(int pCores)
{
    if (kmMainWindow* window = mApplication->getMainWindow())
        window->setProcessingPower(pCores);
}

} // namespace zel
