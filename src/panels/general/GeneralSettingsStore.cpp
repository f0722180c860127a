#include "GeneralSettingsStore.h"

#include "ZelControlCenter.h"
#include "kmDMIApplication.h"
#include "zelFormat.h"

#include <QSettings>

namespace zel {

namespace {

const char kEngineKey[] = "engine";
const char kUseFXAAKey[] = "engine/useFXAA";
const char kUseOutlineKey[] = "engine/useOutline";
const char kFlatShadingKey[] = "engine/flatShading";
const char kFillCutplaneKey[] = "engine/fillCutplane";
const char kCoreNumberKey[] = "engine/coreNumber";
const char kBackgroundColorKey[] = "engine/backgroundColor";
const char kUnitNameKey[] = "units/name";
const char kNbDecimalsKey[] = "units/nbDecimals";
const char kLogFileKey[] = "Logging/logFile";
const char kCacheSizeKey[] = "DBCache/cacheSize";
const char kCacheDirectoryKey[] = "DBCache/cacheDirectory";
const char kControllerKey[] = "Controls/controller";
const char kMaxCPUMemory3DKey[] = "Resources/MaxCPUMemory3D";
const char kMaxGPUMemoryKey[] = "Resources/MaxGPUMemory";
const char kLODTrianglesCapKey[] = "Resources/LODTrianglesCap";
const char kNamingPolicyKey[] = "display/namingPolicy";
const char kDisplayPsKey[] = "display/displayps";
const char kDisplayToolKey[] = "display/displaytool";

const char kDeferredEngine[] = "deferred";
const char kSoftwareEngine[] = "software";

QString DefaultValue(const char* pKey)
{
    return ZelControlCenter::GetDefaultSettingsValue(QString::fromLatin1(pKey));
}

bool DefaultBool(const char* pKey)
{
    return DefaultValue(pKey) == QLatin1String("true");
}

Wm4::ColorRGBA ColorFromText(const QString& pText)
{
    return ColorFromString(pText.toUtf8().toStdString());
}

} // namespace

GeneralSettingsStore::GeneralSettingsStore(QSettings& pSettings)
    : mSettings(pSettings)
{
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
    pModel.maxCPUMemory3D = mSettings.value(kMaxCPUMemory3DKey).toULongLong();
    pModel.maxGPUMemory = mSettings.value(kMaxGPUMemoryKey).toULongLong();
    pModel.lodTrianglesCap = mSettings.value(kLODTrianglesCapKey).toULongLong();
    pModel.coreNumber = mSettings.value(kCoreNumberKey).toInt();
    pModel.backgroundColor = ColorFromText(mSettings.value(kBackgroundColorKey).toString());
    pModel.softwareRendering = false;
    pModel.useFXAA = mSettings.value(kUseFXAAKey).toBool();
    pModel.useOutline = mSettings.value(kUseOutlineKey).toBool();
    pModel.flatShading = mSettings.value(kFlatShadingKey).toBool();
    pModel.fillCutplane = mSettings.value(kFillCutplaneKey).toBool();
}

void GeneralSettingsStore::read(UnitsModel& pModel) const
{
    pModel.unit =
        kmDMIApplication::GetUnitEnumFromString(mSettings.value(kUnitNameKey).toString());
    pModel.nbDecimals = mSettings.value(kNbDecimalsKey).toUInt();
}

void GeneralSettingsStore::read(DisplayOptions& pModel) const
{
    const int type = mSettings.value(kNamingPolicyKey, 0).toInt();
    const bool known = type == InstanceNamingPolicy::COMPONENT_NAME
                       || type == InstanceNamingPolicy::COMPONENT_AND_INSTANCE_NAME;
    pModel.namingPolicy =
        InstanceNamingPolicy(known ? static_cast<InstanceNamingPolicy::Type>(type)
                                   : InstanceNamingPolicy::INSTANCE_NAME,
                             QString());
    pModel.displayPs = mSettings.value(kDisplayPsKey, true).toBool();
    pModel.displayTool = mSettings.value(kDisplayToolKey, true).toBool();
}

void GeneralSettingsStore::read(CacheModel& pModel) const
{
    pModel.cacheDirectory = mSettings.value(kCacheDirectoryKey).toString();
    pModel.cacheSize = mSettings.value(kCacheSizeKey).toInt();
}

void GeneralSettingsStore::read(FolderModel& pModel) const
{
    pModel.logFile = mSettings.value(kLogFileKey).toString();
}

void GeneralSettingsStore::read(ControlsModel& pModel) const
{
    pModel.controller = mSettings.value(kControllerKey).toString();
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
    pModel.flatShading = false;
    pModel.fillCutplane = true;
}

void GeneralSettingsStore::Defaults(UnitsModel& pModel)
{
    pModel.unit = kmDMIApplication::GetUnitEnumFromString(DefaultValue(kUnitNameKey));
    pModel.nbDecimals = DefaultValue(kNbDecimalsKey).toUInt();
}

void GeneralSettingsStore::Defaults(DisplayOptions& pModel)
{
    pModel.namingPolicy = InstanceNamingPolicy(InstanceNamingPolicy::INSTANCE_NAME, QString());
    pModel.displayPs = true;
    pModel.displayTool = true;
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

void GeneralSettingsStore::write(const GeneralModels& pModels) const
{
    writeEngine(pModels.engine);
    writeUnits(pModels.units);
    writeDisplay(pModels.display);
    mSettings.setValue(kMaxCPUMemory3DKey, pModels.engine.maxCPUMemory3D);
    mSettings.setValue(kMaxGPUMemoryKey, pModels.engine.maxGPUMemory);
    mSettings.setValue(kLODTrianglesCapKey, pModels.engine.lodTrianglesCap);
    mSettings.setValue(kControllerKey, pModels.controls.controller);
    mSettings.setValue(kCacheDirectoryKey, pModels.cache.cacheDirectory);
    mSettings.setValue(kCacheSizeKey, pModels.cache.cacheSize);
    mSettings.setValue(kLogFileKey, pModels.folder.logFile);
}

bool GeneralSettingsStore::storesSoftwareEngine() const
{
    return mSettings.value(kEngineKey).toString() == QLatin1String(kSoftwareEngine);
}

void GeneralSettingsStore::writeEngine(const EngineModel& pModel) const
{
    // The software renderer is chosen by the host at start-up, never stored from here.
    mSettings.setValue(kEngineKey, QString::fromLatin1(kDeferredEngine));
    mSettings.setValue(kCoreNumberKey, pModel.coreNumber);
    mSettings.setValue(kUseOutlineKey, pModel.useOutline);
    mSettings.setValue(kUseFXAAKey, pModel.useFXAA);
    mSettings.setValue(kFlatShadingKey, pModel.flatShading);
    mSettings.setValue(kFillCutplaneKey, pModel.fillCutplane);
    mSettings.setValue(kBackgroundColorKey,
                       QString::fromStdString(ColorToString(pModel.backgroundColor)));
}

void GeneralSettingsStore::writeUnits(const UnitsModel& pModel) const
{
    mSettings.setValue(kUnitNameKey, kmDMIApplication::GetUnitNameFromEnum(pModel.unit));
    mSettings.setValue(kNbDecimalsKey, static_cast<int>(pModel.nbDecimals));
}

void GeneralSettingsStore::writeDisplay(const DisplayOptions& pModel) const
{
    mSettings.setValue(kNamingPolicyKey, static_cast<int>(pModel.namingPolicy.getType()));
    mSettings.setValue(kDisplayPsKey, pModel.displayPs);
    mSettings.setValue(kDisplayToolKey, pModel.displayTool);
}

} // namespace zel
