#include "ZelSettingsRegistry.h"

#include "ZelDirectory.h"
#include "ZelSettingKeys.h"
#include "kmSystemUtils.h"

#include <QThread>

#include <string>

namespace zel {

namespace {

// The host's folder and user queries answer in UTF-8.
QString fromHost(const std::string& pText)
{
    return QString::fromUtf8(pText.data(), int(pText.size()));
}

const int kDefaultCoreCount = 4;

} // namespace

void ZelSettingsRegistry::InitDefaultSettingsValues(bool pStorePackage)
{
    const QString documentsFolder =
        fromHost(ZelDirectory::GetHomeDocumentFolder()) + QStringLiteral("/Vantora");
    QString appDataFolder = fromHost(ZelDirectory::GetAppDataFolder());
    // A store package may not write beside its installation; the documents folder stands in.
    if (pStorePackage)
        appDataFolder = documentsFolder;
    const QString cacheFolder =
        fromHost(ZelDirectory::GetTmpFolder() + "/" + ZelDirectory::GetApplicationName() + "/"
                 + km::kmSystemUtils::GetCurrentUserNameUtf8());
    const QString logFile = appDataFolder + QStringLiteral("/log.txt");
    const QString coreCount =
        QString::number(QThread::idealThreadCount() == -1 ? -1 : kDefaultCoreCount);

    // Registration order; a key registered earlier keeps its entry.
    RegisterSetting(QLatin1String(keys::kEngineKey), QStringLiteral("deferred"), &ensureEngine);
    RegisterSetting(QLatin1String(keys::kUseFXAAKey), QStringLiteral("true"), &ensureBool);
    RegisterSetting(QLatin1String(keys::kUseOutlineKey), QStringLiteral("true"), &ensureBool);
    RegisterSetting(QLatin1String(keys::kFlatShadingKey), QStringLiteral("false"), &ensureBool);
    RegisterSetting(QLatin1String(keys::kUseXRayKey), QStringLiteral("true"), &ensureBool);
    RegisterSetting(QLatin1String(keys::kCoreNumberKey), coreCount, &ensureCoreNumber);
    RegisterSetting(QLatin1String(keys::kBackgroundColorKey), QStringLiteral("#FFC0C0C0"),
                    &ensureColor);
    RegisterSetting(QLatin1String(keys::kUnitNameKey), QStringLiteral("mm"), &ensureSceneUnit);
    RegisterSetting(QLatin1String(keys::kNbDecimalsKey), QStringLiteral("2"), &ensureUInt);
    RegisterSetting(QLatin1String(keys::kLogFileKey), logFile, &ensureFile);
    RegisterSetting(QLatin1String(keys::kCacheSizeKey), QStringLiteral("1024"),
                    &ensureCacheSize);
    RegisterSetting(QLatin1String(keys::kControllerKey), QStringLiteral("arcball"),
                    &ensureNavigationMode);
    RegisterSetting(QLatin1String(keys::kCacheDirectoryKey), cacheFolder,
                    &ensureDMCacheFolder);
    RegisterSetting(QLatin1String(keys::kQualitySetKey),
                    QStringLiteral("false"), &ensureBool);
    RegisterSetting(QLatin1String(keys::kMaxFaceSagSetKey),
                    QStringLiteral("false"), &ensureBool);
    RegisterSetting(QLatin1String(keys::kMaxFaceLengthSetKey),
                    QStringLiteral("false"), &ensureBool);
    RegisterSetting(QLatin1String(keys::kMaxFaceAngleSetKey),
                    QStringLiteral("false"), &ensureBool);
    RegisterSetting(QLatin1String(keys::kIsHighQualityKey),
                    QStringLiteral("false"), &ensureBool);
    RegisterSetting(QLatin1String(keys::kMaxFaceSagKey), QStringLiteral("0"),
                    &ensureTesselationMaxFaceSag);
    RegisterSetting(QLatin1String(keys::kMaxFaceLengthKey), QStringLiteral("0"),
                    &ensureTesselationMaxFaceLength);
    RegisterSetting(QLatin1String(keys::kMaxFaceAngleKey), QStringLiteral("45"),
                    &ensureTesselationMaxFaceAngle);
    RegisterSetting(QLatin1String(keys::kMaxCPUMemory3DKey), QStringLiteral("134217728"),
                    &ensureMaxCPUMemory3D);
    RegisterSetting(QLatin1String(keys::kLoadHiddenObjectsKey), QStringLiteral("true"),
                    &ensureBool);
    RegisterSetting(QLatin1String(keys::kLoadAnnotationsKey), QStringLiteral("true"),
                    &ensureBool);
    RegisterSetting(QLatin1String(keys::kComputeFaceContourKey), QStringLiteral("true"),
                    &ensureBool);
    RegisterSetting(QLatin1String(keys::kMaxGPUMemoryKey), QStringLiteral("1073741824"),
                    &ensureMaxGPUMemory);
    RegisterSetting(QLatin1String(keys::kLODTrianglesCapKey), QStringLiteral("6000000"),
                    &ensureLODTrianglesCap);
    RegisterSetting(QLatin1String(keys::kLastExportFolderKey), documentsFolder,
                    &ensureTmpFolder);
    RegisterSetting(QLatin1String(keys::kSettingsVersionKey), QStringLiteral("1"),
                    &ensureSettingsVersion);
    RegisterSetting(QLatin1String(keys::kCsvHasHeaderKey), QStringLiteral("true"),
                    &ensureBool);
    RegisterSetting(QLatin1String(keys::kCsvDecimalSeparatorKey), QStringLiteral("."),
                    &ensureDecimalSeparator);
    RegisterSetting(QLatin1String(keys::kCsvColumnSeparatorKey), QStringLiteral(","),
                    &ensureColumnSeparator);
    RegisterSetting(QLatin1String(keys::kCsvStringDelimiterKey), QStringLiteral("\""),
                    &ensureStringDelimiter);
}

} // namespace zel
