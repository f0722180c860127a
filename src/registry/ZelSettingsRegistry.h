#pragma once

#include "zelCoreExport.h"

#include <QString>

#include <map>
#include <utility>
#include <vector>

class QSettings;

namespace zel {

// The registry of the persisted settings: every key with its default and its validator, the
// end checks, and the start-up check run over a store. It needs Qt Core only, so that tools
// without a display use it as the viewer does; the control center's static registry
// operations forward to it. Its messages are translated in the context "ZelControlCenter".
class ZEL_CORE_EXPORT ZelSettingsRegistry
{
public:
    using SettingValidator = bool (*)(const QString& pKey, const QString& pDefaultValue,
                                      QString& pValue, QString& pErrorMessage);
    using EndCheckFunction = bool (*)(QSettings& pSettings, QString& pErrorMessage);
    using SettingsMap = std::map<QString, std::pair<QString, SettingValidator>>;

    // The store-package answer comes from the host's application object, which the settings
    // core does not link: pStorePackage puts the application data in the documents folder.
    static void InitDefaultSettingsValues(bool pStorePackage);
    static bool EnsureSettings(QSettings& pSettings, QString& pErrorMessage);
    static bool RegisterSetting(const QString& pKey, const QString& pDefaultValue,
                                SettingValidator pValidator);
    static bool RegisterEndCheckFunction(EndCheckFunction pFunction);
    static QString GetDefaultSettingsValue(const QString& pKey);
    static const SettingsMap& GetDefaultSettingsValues();
    static void ClearSettings();

    // For tools and hosts that name validators (listings, their own registrations): the
    // name of a validator of this class ("ensureBool"), or an empty string when it is not
    // one of them; and the validator of that name, or null.
    static QString GetValidatorName(SettingValidator pValidator);
    static SettingValidator GetValidatorByName(const QString& pName);

private:
    friend class ZelSettingsCheck;
    using NamedValidator = std::pair<const char*, SettingValidator>;
    static const std::vector<NamedValidator>& NamedValidators();
    static void CleanupFolder(QString& pPath);
    static bool ensureFolder(const QString& pDefaultValue, QString& pValue);

    static bool noOp(const QString&, const QString&, QString&, QString&);
    static bool ensureBool(const QString&, const QString&, QString&, QString&);
    static bool ensureEngine(const QString&, const QString&, QString&, QString&);
    static bool ensureNavigationMode(const QString&, const QString&, QString&, QString&);
    static bool ensureSceneUnit(const QString&, const QString&, QString&, QString&);
    static bool ensureDecimalSeparator(const QString&, const QString&, QString&, QString&);
    static bool ensureColumnSeparator(const QString&, const QString&, QString&, QString&);
    static bool ensureStringDelimiter(const QString&, const QString&, QString&, QString&);
    static bool ensureUInt(const QString&, const QString&, QString&, QString&);
    static bool ensureCacheSize(const QString&, const QString&, QString&, QString&);
    static bool ensureCoreNumber(const QString&, const QString&, QString&, QString&);
    static bool ensureTesselationMaxFaceAngle(const QString&, const QString&, QString&,
                                              QString&);
    static bool ensureTesselationMaxFaceLength(const QString&, const QString&, QString&,
                                               QString&);
    static bool ensureTesselationMaxFaceSag(const QString&, const QString&, QString&,
                                            QString&);
    static bool ensureLODTrianglesCap(const QString&, const QString&, QString&, QString&);
    static bool ensureMaxCPUMemory3D(const QString&, const QString&, QString&, QString&);
    static bool ensureMaxGPUMemory(const QString&, const QString&, QString&, QString&);
    static bool ensureColor(const QString&, const QString&, QString&, QString&);
    static bool ensureSettingsVersion(const QString&, const QString&, QString&, QString&);
    static bool ensureFile(const QString&, const QString&, QString&, QString&);
    static bool ensureDMCacheFolder(const QString&, const QString&, QString&, QString&);
    static bool ensureTmpFolder(const QString&, const QString&, QString&, QString&);
    static bool ensureSimplificationRAM(const QString&, const QString&, QString&, QString&);
    static bool ensureLogLevel(const QString&, const QString&, QString&, QString&);
    static bool ensureSimplificationRatios(const QString&, const QString&, QString&,
                                           QString&);

    static SettingsMap mDefaultSettingsValues;
    static std::vector<EndCheckFunction> msCheckFunctions;
};

} // namespace zel
