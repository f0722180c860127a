#include "GeneralSettingsStore.h"

#include "ZelControlCenter.h"
#include "ZelManagedSettings.h"
#include "ZelSettingKeys.h"
#include "kmDMIApplication.h"
#include "zelFormat.h"

#include <QSettings>

namespace zel {

using namespace keys;

namespace {


const char kSoftwareEngine[] = "software";

QString DefaultValue(const char* pKey)
{
    return ZelControlCenter::GetDefaultSettingsValue(QString::fromLatin1(pKey));
}

bool DefaultBool(const char* pKey)
{
    return DefaultValue(pKey) == QLatin1String("true");
}

// The panel's own default of a switch, unless an administrator gave the key another one.
bool DefaultBool(const char* pKey, bool pOwn)
{
    const QString key = QString::fromLatin1(pKey);
    const ZelManagedSettings& managed = ZelManagedSettings::Current();
    if (managed.isLocked(key) || managed.hasDefault(key))
        return ZelManagedSettings::EffectiveDefault(key) == QLatin1String("true");
    return pOwn;
}

Wm4::ColorRGBA ColorFromText(const QString& pText)
{
    return ColorFromString(pText.toUtf8().toStdString());
}

} // namespace

GeneralSettingsStore::GeneralSettingsStore(QSettings& pSettings)
    : mSettings(&pSettings)
{
}

GeneralSettingsStore::GeneralSettingsStore(const Texts& pTexts)
    : mTexts(&pTexts)
{
}

QVariant GeneralSettingsStore::value(const char* pKey, const QVariant& pFallback) const
{
    const QString key = QString::fromLatin1(pKey);
    if (mSettings)
        return mSettings->value(key, pFallback);
    const auto text = mTexts->find(key);
    return text == mTexts->end() ? pFallback : QVariant(text->second);
}

GeneralModels GeneralSettingsStore::read() const
{
    GeneralModels models;
    read(models.engine);
    read(models.units);
    read(models.display);
    read(models.cache);
    read(models.folder);
    read(models.controls);
    return models;
}

void GeneralSettingsStore::read(EngineModel& pModel) const
{
    pModel.maxCPUMemory3D = value(kMaxCPUMemory3DKey).toULongLong();
    pModel.maxGPUMemory = value(kMaxGPUMemoryKey).toULongLong();
    pModel.lodTrianglesCap = value(kLODTrianglesCapKey).toULongLong();
    pModel.coreNumber = value(kCoreNumberKey).toInt();
    pModel.backgroundColor = ColorFromText(value(kBackgroundColorKey).toString());
    pModel.softwareRendering = false;
    pModel.useFXAA = value(kUseFXAAKey).toBool();
    pModel.useOutline = value(kUseOutlineKey).toBool();
    pModel.flatShading = value(kFlatShadingKey).toBool();
    pModel.fillCutplane = value(kFillCutplaneKey).toBool();
}

void GeneralSettingsStore::read(UnitsModel& pModel) const
{
    pModel.unit =
        kmDMIApplication::GetUnitEnumFromString(value(kUnitNameKey).toString());
    pModel.nbDecimals = value(kNbDecimalsKey).toUInt();
}

void GeneralSettingsStore::read(DisplayOptions& pModel) const
{
    const int type = value(kNamingPolicyKey, 0).toInt();
    const bool known = type == InstanceNamingPolicy::COMPONENT_NAME
                       || type == InstanceNamingPolicy::COMPONENT_AND_INSTANCE_NAME;
    pModel.namingPolicy =
        InstanceNamingPolicy(known ? static_cast<InstanceNamingPolicy::Type>(type)
                                   : InstanceNamingPolicy::INSTANCE_NAME,
                             QString());
    pModel.displayPs = value(kDisplayPsKey, true).toBool();
    pModel.displayTool = value(kDisplayToolKey, true).toBool();
}

void GeneralSettingsStore::read(CacheModel& pModel) const
{
    pModel.cacheDirectory = value(kCacheDirectoryKey).toString();
    pModel.cacheSize = value(kCacheSizeKey).toInt();
}

void GeneralSettingsStore::read(FolderModel& pModel) const
{
    pModel.logFile = value(kLogFileKey).toString();
}

void GeneralSettingsStore::read(ControlsModel& pModel) const
{
    pModel.controller = value(kControllerKey).toString();
}

GeneralModels GeneralSettingsStore::Defaults()
{
    GeneralModels models;
    Defaults(models.engine);
    Defaults(models.units);
    Defaults(models.display);
    Defaults(models.cache);
    Defaults(models.folder);
    Defaults(models.controls);
    return models;
}

void GeneralSettingsStore::Defaults(EngineModel& pModel)
{
    pModel.maxCPUMemory3D = DefaultValue(kMaxCPUMemory3DKey).toULongLong();
    pModel.maxGPUMemory = DefaultValue(kMaxGPUMemoryKey).toULongLong();
    pModel.lodTrianglesCap = DefaultValue(kLODTrianglesCapKey).toULongLong();
    pModel.coreNumber = DefaultValue(kCoreNumberKey).toInt();
    pModel.backgroundColor = ColorFromText(DefaultValue(kBackgroundColorKey));
    pModel.softwareRendering = false;
    pModel.useFXAA = DefaultBool(kUseFXAAKey);
    pModel.useOutline = DefaultBool(kUseOutlineKey);
    pModel.flatShading = DefaultBool(kFlatShadingKey, false);
    pModel.fillCutplane = DefaultBool(kFillCutplaneKey, true);
}

void GeneralSettingsStore::Defaults(UnitsModel& pModel)
{
    pModel.unit = kmDMIApplication::GetUnitEnumFromString(DefaultValue(kUnitNameKey));
    pModel.nbDecimals = DefaultValue(kNbDecimalsKey).toUInt();
}

void GeneralSettingsStore::Defaults(DisplayOptions& pModel)
{
    pModel.namingPolicy = InstanceNamingPolicy(InstanceNamingPolicy::INSTANCE_NAME, QString());
    pModel.displayPs = DefaultBool(kDisplayPsKey, true);
    pModel.displayTool = DefaultBool(kDisplayToolKey, true);
}

void GeneralSettingsStore::Defaults(CacheModel& pModel)
{
    pModel.cacheDirectory = DefaultValue(kCacheDirectoryKey);
    pModel.cacheSize = DefaultValue(kCacheSizeKey).toInt();
}

void GeneralSettingsStore::Defaults(FolderModel& pModel)
{
    pModel.logFile = DefaultValue(kLogFileKey);
}

void GeneralSettingsStore::Defaults(ControlsModel& pModel)
{
    pModel.controller = DefaultValue(kControllerKey);
}

namespace {

QString BoolText(bool pValue)
{
    return pValue ? QStringLiteral("true") : QStringLiteral("false");
}

} // namespace

GeneralSettingsStore::Texts GeneralSettingsStore::ToTexts(const GeneralModels& pModels)
{
    Texts texts = ToTexts(pModels.engine);
    for (const Texts& group : {ToTexts(pModels.units), ToTexts(pModels.display),
                               ToTexts(pModels.cache), ToTexts(pModels.folder),
                               ToTexts(pModels.controls)})
        texts.insert(group.begin(), group.end());
    return texts;
}

// The software renderer is chosen by the host at start-up and is never stored from here: the
// engine key is left as it is.
GeneralSettingsStore::Texts GeneralSettingsStore::ToTexts(const EngineModel& pModel)
{
    return {{kCoreNumberKey, QString::number(pModel.coreNumber)},
            {kUseOutlineKey, BoolText(pModel.useOutline)},
            {kUseFXAAKey, BoolText(pModel.useFXAA)},
            {kFlatShadingKey, BoolText(pModel.flatShading)},
            {kFillCutplaneKey, BoolText(pModel.fillCutplane)},
            {kBackgroundColorKey, QString::fromStdString(ColorToString(pModel.backgroundColor))},
            {kMaxCPUMemory3DKey, QString::number(pModel.maxCPUMemory3D)},
            {kMaxGPUMemoryKey, QString::number(pModel.maxGPUMemory)},
            {kLODTrianglesCapKey, QString::number(pModel.lodTrianglesCap)}};
}

GeneralSettingsStore::Texts GeneralSettingsStore::ToTexts(const UnitsModel& pModel)
{
    return {{kUnitNameKey, kmDMIApplication::GetUnitNameFromEnum(pModel.unit)},
            {kNbDecimalsKey, QString::number(static_cast<int>(pModel.nbDecimals))}};
}

GeneralSettingsStore::Texts GeneralSettingsStore::ToTexts(const DisplayOptions& pModel)
{
    return {{kNamingPolicyKey, QString::number(static_cast<int>(pModel.namingPolicy.getType()))},
            {kDisplayPsKey, BoolText(pModel.displayPs)},
            {kDisplayToolKey, BoolText(pModel.displayTool)}};
}

GeneralSettingsStore::Texts GeneralSettingsStore::ToTexts(const CacheModel& pModel)
{
    return {{kCacheDirectoryKey, pModel.cacheDirectory},
            {kCacheSizeKey, QString::number(pModel.cacheSize)}};
}

GeneralSettingsStore::Texts GeneralSettingsStore::ToTexts(const FolderModel& pModel)
{
    return {{kLogFileKey, pModel.logFile}};
}

GeneralSettingsStore::Texts GeneralSettingsStore::ToTexts(const ControlsModel& pModel)
{
    return {{kControllerKey, pModel.controller}};
}

bool GeneralSettingsStore::storesSoftwareEngine() const
{
    return value(kEngineKey).toString() == QLatin1String(kSoftwareEngine);
}

} // namespace zel
