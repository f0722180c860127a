#include "kmDMIApplication.h"

#include "kmDMManager.h"
#include "kmDMRenderer.h"
#include "kmMainWindow.h"
#include "kmNavigationManagerBase.h"
#include "zelActionManager.h"

#include <QSettings>

namespace zel {

namespace {

enum class tStoreState
{
    Unknown,
    Plain,
    Store
};

// Process-wide: the packaging does not change while the process runs.
tStoreState gStoreState = tStoreState::Unknown;

struct UnitName
{
    Unit unit;
    const char* name;
};

const UnitName kUnitNames[] = {
    {MILLIMETER, "mm"}, {CENTIMETER, "cm"}, {METER, "m"}, {INCH, "in"}};

} // namespace

kmDMIApplication::kmDMIApplication(QObject* pParent)
    : QObject(pParent)
    , mActionManager(new zelActionManager(this))
    , mDMManager(new kmDMManager(this))
    , mRenderer(new kmDMRenderer(this))
    , mNavigationManager(new km::kmNavigationManagerBase(this))
{
}

kmDMIApplication::~kmDMIApplication() = default;

void kmDMIApplication::updateAppUnits(Unit pUnit, int pNbDecimals)
{
    mUnit = pUnit;
    mNbDecimals = pNbDecimals;
    Q_EMIT appUnitsChanged();
}

Unit kmDMIApplication::GetUnitEnumFromString(const QString& pName)
{
    for (const UnitName& entry : kUnitNames) {
        if (pName == QLatin1String(entry.name))
            return entry.unit;
    }
    return MILLIMETER;
}

QString kmDMIApplication::GetUnitNameFromEnum(Unit pUnit)
{
    for (const UnitName& entry : kUnitNames) {
        if (entry.unit == pUnit)
            return QString::fromLatin1(entry.name);
    }
    return QStringLiteral("mm");
}

bool kmDMIApplication::IsWindowsStore()
{
    // A packaged build sets ZEL_STORE_PACKAGE=1 in its launcher; read once, so the
    // answer cannot change under the settings that were computed from it.
    if (gStoreState == tStoreState::Unknown) {
        gStoreState = qgetenv("ZEL_STORE_PACKAGE") == "1" ? tStoreState::Store
                                                          : tStoreState::Plain;
    }
    return gStoreState == tStoreState::Store;
}

void kmDMIApplication::SetWindowsStore(bool pStorePackage)
{
    gStoreState = pStorePackage ? tStoreState::Store : tStoreState::Plain;
}

kmDMManager* kmDMIApplication::getDMManager() const
{
    return mDMManager;
}

kmDMRenderer* kmDMIApplication::getRenderer() const
{
    return mRenderer;
}

km::kmNavigationManagerBase* kmDMIApplication::getNavigationManager() const
{
    return mNavigationManager;
}

kmMainWindow* kmDMIApplication::getMainWindow() const
{
    return mMainWindow;
}

QSettings* kmDMIApplication::getSettings() const
{
    return mSettings;
}

void kmDMIApplication::setViewUpdatesEnabled(bool pEnabled)
{
    // Announced on every call: the caller pairs false and true, and a listener
    // counts the pairs.
    mViewUpdatesEnabled = pEnabled;
    Q_EMIT viewUpdatesEnabledChanged(pEnabled);
}

void kmDMIApplication::setDMManager(kmDMManager* pManager)
{
    mDMManager = pManager;
}

void kmDMIApplication::setRenderer(kmDMRenderer* pRenderer)
{
    mRenderer = pRenderer;
}

void kmDMIApplication::setNavigationManager(km::kmNavigationManagerBase* pManager)
{
    mNavigationManager = pManager;
}

void kmDMIApplication::setMainWindow(kmMainWindow* pWindow)
{
    mMainWindow = pWindow;
}

void kmDMIApplication::setSettings(QSettings* pSettings)
{
    mSettings = pSettings;
}

} // namespace zel
