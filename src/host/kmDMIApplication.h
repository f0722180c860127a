#pragma once

#include "ActivityReport.h"
#include "FiguraExportSettings.h"
#include "Unit.h"
#include "kmHostExport.h"

#include <QObject>
#include <QPointer>

class QSettings;

namespace km {
class kmNavigationManagerBase;
}

namespace zel {

class kmDMManager;
class kmDMRenderer;
class kmMainWindow;
class zelActionManager;

// The host application object. It is not the Qt application: several may exist
// in one process. It owns a renderer, a 3D database manager and a navigation
// manager of its own; the host may replace any of them, or set null.
class KM_HOST_EXPORT kmDMIApplication : public QObject
{
    Q_OBJECT

public:
    explicit kmDMIApplication(QObject* pParent = nullptr);
    ~kmDMIApplication() override;

    zelActionManager* getActionManager() const { return mActionManager; }
    const FiguraExportSettings& getFiguraExportSettings() const { return mExportSettings; }
    FiguraExportSettings& grabFiguraExportSettings() { return mExportSettings; }
    ActivityReport& editActivityReport() { return mActivityReport; }

    void updateAppUnits(Unit pUnit, int pNbDecimals);
    Unit getAppUnit() const { return mUnit; }
    int getAppNbDecimals() const { return mNbDecimals; }

    // Unknown names give MILLIMETER; names are those of the settings store.
    static Unit GetUnitEnumFromString(const QString& pName);
    static QString GetUnitNameFromEnum(Unit pUnit);

    // True when the application runs as a store package.
    static bool IsWindowsStore();
    static void SetWindowsStore(bool pStorePackage);

    virtual kmDMManager* getDMManager() const;
    virtual kmDMRenderer* getRenderer() const;
    virtual km::kmNavigationManagerBase* getNavigationManager() const;
    virtual kmMainWindow* getMainWindow() const;
    virtual QSettings* getSettings() const;
    virtual void setViewUpdatesEnabled(bool pEnabled);

    void setDMManager(kmDMManager* pManager);
    void setRenderer(kmDMRenderer* pRenderer);
    void setNavigationManager(km::kmNavigationManagerBase* pManager);
    void setMainWindow(kmMainWindow* pWindow);
    void setSettings(QSettings* pSettings);

    bool areViewUpdatesEnabled() const { return mViewUpdatesEnabled; }

Q_SIGNALS:
    void appUnitsChanged();
    void viewUpdatesEnabledChanged(bool pEnabled);

private:
    zelActionManager* mActionManager;
    FiguraExportSettings mExportSettings;
    ActivityReport mActivityReport;
    QPointer<kmDMManager> mDMManager;
    QPointer<kmDMRenderer> mRenderer;
    QPointer<km::kmNavigationManagerBase> mNavigationManager;
    QPointer<kmMainWindow> mMainWindow;
    QPointer<QSettings> mSettings;
    Unit mUnit = MILLIMETER;
    int mNbDecimals = 2;
    bool mViewUpdatesEnabled = true;
};

} // namespace zel
