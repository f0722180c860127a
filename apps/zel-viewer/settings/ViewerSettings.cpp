#include "ViewerSettings.h"

#include "ZelSettingsRegistry.h"

namespace zel {

namespace {

struct ViewerSetting
{
    const char* mKey;
    const char* mDefault;
    const char* mValidator;
};

// Keys that the panels and the viewer read without the library registering them.
const ViewerSetting kViewerSettings[] = {
    {"engine/fillCutplane", "true", "ensureBool"},
    {"display/displayps", "true", "ensureBool"},
    {"display/displaytool", "true", "ensureBool"},
    {"display/namingPolicy", "0", "ensureUInt"},
    {"Privacy/sendreport", "false", "ensureBool"},
};

} // namespace

void ViewerSettings::Register()
{
    for (const ViewerSetting& setting : kViewerSettings) {
        ZelSettingsRegistry::RegisterSetting(
            QLatin1String(setting.mKey), QLatin1String(setting.mDefault),
            ZelSettingsRegistry::GetValidatorByName(QLatin1String(setting.mValidator)));
    }
}

} // namespace zel
