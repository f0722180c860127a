#pragma once

#include "CacheModel.h"
#include "ControlsModel.h"
#include "DisplayOptions.h"
#include "EngineModel.h"
#include "FolderModel.h"
#include "UnitsModel.h"

#include <QString>
#include <QVariant>

#include <map>

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

// The keys of the general settings panel: its six models read from the settings store (or
// from texts as the store would hold them), built from the registered defaults, and turned
// into the texts that the store takes.
class GeneralSettingsStore
{
public:
    using Texts = std::map<QString, QString>;

    explicit GeneralSettingsStore(QSettings& pSettings);
    explicit GeneralSettingsStore(const Texts& pTexts);

    GeneralModels read() const;
    void read(EngineModel& pModel) const;
    void read(UnitsModel& pModel) const;
    void read(DisplayOptions& pModel) const;
    void read(CacheModel& pModel) const;
    void read(FolderModel& pModel) const;
    void read(ControlsModel& pModel) const;

    static GeneralModels Defaults();

    // Every key of the panel with the text that the store keeps for the models' values.
    static Texts ToTexts(const GeneralModels& pModels);
    static Texts ToTexts(const EngineModel& pModel);
    static Texts ToTexts(const UnitsModel& pModel);
    static Texts ToTexts(const DisplayOptions& pModel);
    static Texts ToTexts(const CacheModel& pModel);
    static Texts ToTexts(const FolderModel& pModel);
    static Texts ToTexts(const ControlsModel& pModel);

    // Whether the store asks for the software renderer.
    bool storesSoftwareEngine() const;

private:
    static void Defaults(EngineModel& pModel);
    static void Defaults(UnitsModel& pModel);
    static void Defaults(DisplayOptions& pModel);
    static void Defaults(CacheModel& pModel);
    static void Defaults(FolderModel& pModel);
    static void Defaults(ControlsModel& pModel);
    QVariant value(const char* pKey, const QVariant& pFallback = QVariant()) const;

    QSettings* mSettings = nullptr;
    const Texts* mTexts = nullptr;
};

} // namespace zel
