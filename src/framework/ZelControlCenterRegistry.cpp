#include "ZelControlCenter.h"

#include "kmDMIApplication.h"

namespace zel {

void ZelControlCenter::InitDefaultSettingsValues()
{
    ZelSettingsRegistry::InitDefaultSettingsValues(kmDMIApplication::IsWindowsStore());
}

bool ZelControlCenter::EnsureSettings(QSettings& pSettings, QString& pErrorMessage)
{
    return ZelSettingsRegistry::EnsureSettings(pSettings, pErrorMessage);
}

bool ZelControlCenter::RegisterSetting(const QString& pKey, const QString& pDefaultValue,
                                       SettingValidator pValidator)
{
    return ZelSettingsRegistry::RegisterSetting(pKey, pDefaultValue, pValidator);
}

bool ZelControlCenter::RegisterEndCheckFunction(EndCheckFunction pFunction)
{
    return ZelSettingsRegistry::RegisterEndCheckFunction(pFunction);
}

QString ZelControlCenter::GetDefaultSettingsValue(const QString& pKey)
{
    return ZelSettingsRegistry::GetDefaultSettingsValue(pKey);
}

const ZelControlCenter::SettingsMap& ZelControlCenter::GetDefaultSettingsValues()
{
    return ZelSettingsRegistry::GetDefaultSettingsValues();
}

void ZelControlCenter::ClearSettings()
{
    ZelSettingsRegistry::ClearSettings();
}

QString ZelControlCenter::GetValidatorName(SettingValidator pValidator)
{
    return ZelSettingsRegistry::GetValidatorName(pValidator);
}

ZelControlCenter::SettingValidator ZelControlCenter::GetValidatorByName(const QString& pName)
{
    return ZelSettingsRegistry::GetValidatorByName(pName);
}

} // namespace zel
