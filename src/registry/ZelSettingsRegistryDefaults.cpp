#include "ZelSettingsRegistry.h"

#include "ZelDirectory.h"
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
    RegisterSetting(QStringLiteral("engine"), QStringLiteral("deferred"), &ensureEngine);
    RegisterSetting(QStringLiteral("engine/useFXAA"), QStringLiteral("true"), &ensureBool);
    RegisterSetting(QStringLiteral("engine/useOutline"), QStringLiteral("true"), &ensureBool);
    RegisterSetting(QStringLiteral("engine/flatShading"), QStringLiteral("false"), &ensureBool);
    RegisterSetting(QStringLiteral("engine/useXRay"), QStringLiteral("true"), &ensureBool);
    RegisterSetting(QStringLiteral("engine/coreNumber"), coreCount, &ensureCoreNumber);
    RegisterSetting(QStringLiteral("engine/backgroundColor"), QStringLiteral("#FFC0C0C0"),
                    &ensureColor);
    RegisterSetting(QStringLiteral("units/name"), QStringLiteral("mm"), &ensureSceneUnit);
    RegisterSetting(QStringLiteral("units/nbDecimals"), QStringLiteral("2"), &ensureUInt);
    RegisterSetting(QStringLiteral("Logging/logFile"), logFile, &ensureFile);
    RegisterSetting(QStringLiteral("DBCache/cacheSize"), QStringLiteral("1024"),
                    &ensureCacheSize);
    RegisterSetting(QStringLiteral("Controls/controller"), QStringLiteral("arcball"),
                    &ensureNavigationMode);
    RegisterSetting(QStringLiteral("DBCache/cacheDirectory"), cacheFolder,
                    &ensureDMCacheFolder);
    RegisterSetting(QStringLiteral("Tesselation/TesselationQualitySet"),
                    QStringLiteral("false"), &ensureBool);
    RegisterSetting(QStringLiteral("Tesselation/TesselationMaxFaceSagSet"),
                    QStringLiteral("false"), &ensureBool);
    RegisterSetting(QStringLiteral("Tesselation/TesselationMaxFaceLengthSet"),
                    QStringLiteral("false"), &ensureBool);
    RegisterSetting(QStringLiteral("Tesselation/TesselationMaxFaceAngleSet"),
                    QStringLiteral("false"), &ensureBool);
    RegisterSetting(QStringLiteral("Tesselation/TesselationIsHighQuality"),
                    QStringLiteral("false"), &ensureBool);
    RegisterSetting(QStringLiteral("Tesselation/TesselationMaxFaceSag"), QStringLiteral("0"),
                    &ensureTesselationMaxFaceSag);
    RegisterSetting(QStringLiteral("Tesselation/TesselationMaxFaceLength"), QStringLiteral("0"),
                    &ensureTesselationMaxFaceLength);
    RegisterSetting(QStringLiteral("Tesselation/TesselationMaxFaceAngle"), QStringLiteral("45"),
                    &ensureTesselationMaxFaceAngle);
    RegisterSetting(QStringLiteral("Resources/MaxCPUMemory3D"), QStringLiteral("134217728"),
                    &ensureMaxCPUMemory3D);
    RegisterSetting(QStringLiteral("Import/LoadHiddenObjects"), QStringLiteral("true"),
                    &ensureBool);
    RegisterSetting(QStringLiteral("Import/LoadAnnotations"), QStringLiteral("true"),
                    &ensureBool);
    RegisterSetting(QStringLiteral("Import/ComputeFaceContour"), QStringLiteral("true"),
                    &ensureBool);
    RegisterSetting(QStringLiteral("Resources/MaxGPUMemory"), QStringLiteral("1073741824"),
                    &ensureMaxGPUMemory);
    RegisterSetting(QStringLiteral("Resources/LODTrianglesCap"), QStringLiteral("6000000"),
                    &ensureLODTrianglesCap);
    RegisterSetting(QStringLiteral("folders/lastexportfolder"), documentsFolder,
                    &ensureTmpFolder);
    RegisterSetting(QStringLiteral("settingsVersion"), QStringLiteral("1"),
                    &ensureSettingsVersion);
    RegisterSetting(QStringLiteral("CSVDriver/Import/hasHeader"), QStringLiteral("true"),
                    &ensureBool);
    RegisterSetting(QStringLiteral("CSVDriver/Import/decimalSeparator"), QStringLiteral("."),
                    &ensureDecimalSeparator);
    RegisterSetting(QStringLiteral("CSVDriver/Import/columnSeparator"), QStringLiteral(","),
                    &ensureColumnSeparator);
    RegisterSetting(QStringLiteral("CSVDriver/Import/stringDelimiter"), QStringLiteral("\""),
                    &ensureStringDelimiter);
}

} // namespace zel
