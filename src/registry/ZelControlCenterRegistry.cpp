#include "ZelControlCenter.h"

#include "ZelManagedSettings.h"
#include "ZelSettingsCheck.h"

#include <algorithm>

namespace zel {

ZelControlCenter::SettingsMap ZelControlCenter::mDefaultSettingsValues;
std::vector<ZelControlCenter::EndCheckFunction> ZelControlCenter::msCheckFunctions;

bool ZelControlCenter::RegisterSetting(const QString& pKey, const QString& pDefaultValue,
                                       SettingValidator pValidator)
{
    // A key without a validator would crash the next check run.
    if (!pValidator)
        return false;
    return mDefaultSettingsValues.emplace(pKey, std::make_pair(pDefaultValue, pValidator))
        .second;
}

bool ZelControlCenter::RegisterEndCheckFunction(EndCheckFunction pFunction)
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
QString ZelControlCenter::GetDefaultSettingsValue(const QString& pKey)
{
    return ZelManagedSettings::EffectiveDefault(pKey);
}

const ZelControlCenter::SettingsMap& ZelControlCenter::GetDefaultSettingsValues()
{
    return mDefaultSettingsValues;
}

void ZelControlCenter::ClearSettings()
{
    mDefaultSettingsValues.clear();
    msCheckFunctions.clear();
}

bool ZelControlCenter::EnsureSettings(QSettings& pSettings, QString& pErrorMessage)
{
    return ZelSettingsCheck(pSettings).run(pErrorMessage);
}

void ZelControlCenter::CleanupFolder(QString& pPath)
{
    pPath.replace(QLatin1Char('\\'), QLatin1Char('/'));
    // Every trailing separator goes at once, so that a cleaned path stays as it is at the
    // next start; a drive's root keeps its own.
    while (pPath.endsWith(QLatin1Char('/'))
           && !(pPath.size() == 3 && pPath.at(1) == QLatin1Char(':')))
        pPath.chop(1);
}

const std::vector<ZelControlCenter::NamedValidator>& ZelControlCenter::NamedValidators()
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

QString ZelControlCenter::GetValidatorName(SettingValidator pValidator)
{
    for (const NamedValidator& validator : NamedValidators()) {
        if (validator.second == pValidator)
            return QString::fromLatin1(validator.first);
    }
    return QString();
}

ZelControlCenter::SettingValidator ZelControlCenter::GetValidatorByName(const QString& pName)
{
    for (const NamedValidator& validator : NamedValidators()) {
        if (pName == QLatin1String(validator.first))
            return validator.second;
    }
    return nullptr;
}

} // namespace zel
