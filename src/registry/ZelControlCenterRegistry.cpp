#include "ZelControlCenter.h"

#include <QMetaType>
#include <QSettings>
#include <QVariant>

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

QString ZelControlCenter::GetDefaultSettingsValue(const QString& pKey)
{
    const auto entry = mDefaultSettingsValues.find(pKey);
    return entry == mDefaultSettingsValues.end() ? QString() : entry->second.first;
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
    for (const auto& entry : mDefaultSettingsValues) {
        const QString& key = entry.first;
        const QString& defaultValue = entry.second.first;

        const QVariant stored = pSettings.value(key);
        QString value;
        // Only a missing key takes the default; a stored invalid value reads as "".
        if (stored.isValid())
            value = stored.toString();
        else if (!pSettings.contains(key))
            value = defaultValue;

        if (!entry.second.second(key, defaultValue, value, pErrorMessage))
            return false;

        // Any set, even of the value already held, makes QSettings rewrite the whole file
        // at the next sync; a healthy store must stay untouched.
        if (stored.userType() != QMetaType::QString || stored.toString() != value)
            pSettings.setValue(key, value);
    }

    pSettings.sync();

    // By index: an end check may register another one while the list is walked.
    for (std::size_t i = 0; i < msCheckFunctions.size(); ++i) {
        if (!msCheckFunctions[i](pSettings, pErrorMessage))
            return false;
    }
    return true;
}

void ZelControlCenter::CleanupFolder(QString& pPath)
{
    pPath.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (pPath.endsWith(QLatin1Char('/')))
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
