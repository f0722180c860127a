#pragma once

#include "CacheModel.h"
#include "ControlsModel.h"
#include "DisplayOptions.h"
#include "EngineModel.h"
#include "FolderModel.h"
#include "UnitsModel.h"

class QSettings;

namespace zel {

// The six groups of the general settings panel together.
struct GeneralModels
{
    EngineModel engine;
    UnitsModel units;
    DisplayOptions display;
    CacheModel cache;
    FolderModel folder;
    ControlsModel controls;

    bool operator!=(const GeneralModels& pOther) const
    {
        return engine != pOther.engine || units != pOther.units || display != pOther.display
               || cache != pOther.cache || folder != pOther.folder
               || controls != pOther.controls;
    }
};

// The keys of the general settings panel: its six models read from the settings store,
// built from the registered defaults, and written back.
class GeneralSettingsStore
{
public:
    explicit GeneralSettingsStore(QSettings& pSettings);

    GeneralModels read() const;
    void read(EngineModel& pModel) const;
    void read(UnitsModel& pModel) const;
    void read(DisplayOptions& pModel) const;
    void read(CacheModel& pModel) const;
    void read(FolderModel& pModel) const;
    void read(ControlsModel& pModel) const;

    static GeneralModels Defaults();

    // Every key of the panel, changed or not; the store is not synchronised.
    void write(const GeneralModels& pModels) const;

    // Whether the store asks for the software renderer.
    bool storesSoftwareEngine() const;

private:
    static void Defaults(EngineModel& pModel);
    static void Defaults(UnitsModel& pModel);
    static void Defaults(DisplayOptions& pModel);
    static void Defaults(CacheModel& pModel);
    static void Defaults(FolderModel& pModel);
    static void Defaults(ControlsModel& pModel);
    void writeEngine(const EngineModel& pModel) const;
    void writeUnits(const UnitsModel& pModel) const;
    void writeDisplay(const DisplayOptions& pModel) const;

    QSettings& mSettings;
};

} // namespace zel
