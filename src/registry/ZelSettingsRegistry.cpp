#include "ZelSettingsRegistry.h"

#include "ZelManagedSettings.h"
#include "ZelSettingsCheck.h"

#include <algorithm>

namespace zel {

ZelSettingsRegistry::SettingsMap ZelSettingsRegistry::mDefaultSettingsValues;
std::vector<ZelSettingsRegistry::EndCheckFunction> ZelSettingsRegistry::msCheckFunctions;

bool ZelSettingsRegistry::RegisterSetting(const QString& pKey, const QString& pDefaultValue,
                                       SettingValidator pValidator)
{
    // A key without a validator would crash the next check run.
    if (!pValidator)
        return false;
    return mDefaultSettingsValues.emplace(pKey, std::make_pair(pDefaultValue, pValidator))
        .second;
}

bool ZelSettingsRegistry::RegisterEndCheckFunction(EndCheckFunction pFunction)
{
    if (!pFunction)
        return false;
    if (std::find(msCheckFunctions.begin(), msCheckFunctions.end(), pFunction)
        != msCheckFunctions.end())
        return false;
    msCheckFunctions.push_back(pFunction);
    return true;
}

// An administrator's value stands in for the registered default wherever a default is used.
QString ZelSettingsRegistry::GetDefaultSettingsValue(const QString& pKey)
{
    return ZelManagedSettings::EffectiveDefault(pKey);
}

const ZelSettingsRegistry::SettingsMap& ZelSettingsRegistry::GetDefaultSettingsValues()
{
    return mDefaultSettingsValues;
}

void ZelSettingsRegistry::ClearSettings()
{
    mDefaultSettingsValues.clear();
    msCheckFunctions.clear();
}

bool ZelSettingsRegistry::EnsureSettings(QSettings& pSettings, QString& pErrorMessage)
{
    return ZelSettingsCheck(pSettings).run(pErrorMessage);
}

void ZelSettingsRegistry::CleanupFolder(QString& pPath)
{
    pPath.replace(QLatin1Char('\\'), QLatin1Char('/'));
    // Every trailing separator goes at once, so that a cleaned path stays as it is at the
    // next start; a drive's root keeps its own.
    while (pPath.endsWith(QLatin1Char('/'))
           && !(pPath.size() == 3 && pPath.at(1) == QLatin1Char(':')))
        pPath.chop(1);
}

const std::vector<ZelSettingsRegistry::NamedValidator>& ZelSettingsRegistry::NamedValidators()
{
    static const std::vector<NamedValidator> validators = {
        {"noOp", &noOp},
        {"ensureBool", &ensureBool},
        {"ensureEngine", &ensureEngine},
        {"ensureNavigationMode", &ensureNavigationMode},
        {"ensureSceneUnit", &ensureSceneUnit},
        {"ensureDecimalSeparator", &ensureDecimalSeparator},
        {"ensureColumnSeparator", &ensureColumnSeparator},
        {"ensureStringDelimiter", &ensureStringDelimiter},
        {"ensureUInt", &ensureUInt},
        {"ensureCacheSize", &ensureCacheSize},
        {"ensureCoreNumber", &ensureCoreNumber},
        {"ensureTesselationMaxFaceAngle", &ensureTesselationMaxFaceAngle},
        {"ensureTesselationMaxFaceLength", &ensureTesselationMaxFaceLength},
        {"ensureTesselationMaxFaceSag", &ensureTesselationMaxFaceSag},
        {"ensureLODTrianglesCap", &ensureLODTrianglesCap},
        {"ensureMaxCPUMemory3D", &ensureMaxCPUMemory3D},
        {"ensureMaxGPUMemory", &ensureMaxGPUMemory},
        {"ensureColor", &ensureColor},
        {"ensureSettingsVersion", &ensureSettingsVersion},
        {"ensureFile", &ensureFile},
        {"ensureDMCacheFolder", &ensureDMCacheFolder},
        {"ensureTmpFolder", &ensureTmpFolder},
        {"ensureSimplificationRAM", &ensureSimplificationRAM},
        {"ensureLogLevel", &ensureLogLevel},
        {"ensureSimplificationRatios", &ensureSimplificationRatios},
    };
    return validators;
}

QString ZelSettingsRegistry::GetValidatorName(SettingValidator pValidator)
{
    for (const NamedValidator& validator : NamedValidators()) {
        if (validator.second == pValidator)
            return QString::fromLatin1(validator.first);
    }
    return QString();
}

ZelSettingsRegistry::SettingValidator ZelSettingsRegistry::GetValidatorByName(const QString& pName)
{
    for (const NamedValidator& validator : NamedValidators()) {
        if (pName == QLatin1String(validator.first))
            return validator.second;
    }
    return nullptr;
}

} // namespace zel
