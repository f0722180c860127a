#pragma once

// The keys of the settings store that the library registers, reads or names, each spelled
// here only; the forms name them again in their settingKey properties.

namespace zel::keys {

// Registered with a default and a validator.
inline constexpr char kEngineKey[] = "engine";
inline constexpr char kUseFXAAKey[] = "engine/useFXAA";
inline constexpr char kUseOutlineKey[] = "engine/useOutline";
inline constexpr char kFlatShadingKey[] = "engine/flatShading";
inline constexpr char kUseXRayKey[] = "engine/useXRay";
inline constexpr char kCoreNumberKey[] = "engine/coreNumber";
inline constexpr char kBackgroundColorKey[] = "engine/backgroundColor";
inline constexpr char kUnitNameKey[] = "units/name";
inline constexpr char kNbDecimalsKey[] = "units/nbDecimals";
inline constexpr char kLogFileKey[] = "Logging/logFile";
inline constexpr char kCacheSizeKey[] = "DBCache/cacheSize";
inline constexpr char kControllerKey[] = "Controls/controller";
inline constexpr char kCacheDirectoryKey[] = "DBCache/cacheDirectory";
inline constexpr char kQualitySetKey[] = "Tesselation/TesselationQualitySet";
inline constexpr char kMaxFaceSagSetKey[] = "Tesselation/TesselationMaxFaceSagSet";
inline constexpr char kMaxFaceLengthSetKey[] = "Tesselation/TesselationMaxFaceLengthSet";
inline constexpr char kMaxFaceAngleSetKey[] = "Tesselation/TesselationMaxFaceAngleSet";
inline constexpr char kIsHighQualityKey[] = "Tesselation/TesselationIsHighQuality";
inline constexpr char kMaxFaceSagKey[] = "Tesselation/TesselationMaxFaceSag";
inline constexpr char kMaxFaceLengthKey[] = "Tesselation/TesselationMaxFaceLength";
inline constexpr char kMaxFaceAngleKey[] = "Tesselation/TesselationMaxFaceAngle";
inline constexpr char kMaxCPUMemory3DKey[] = "Resources/MaxCPUMemory3D";
inline constexpr char kLoadHiddenObjectsKey[] = "Import/LoadHiddenObjects";
inline constexpr char kLoadAnnotationsKey[] = "Import/LoadAnnotations";
inline constexpr char kComputeFaceContourKey[] = "Import/ComputeFaceContour";
inline constexpr char kMaxGPUMemoryKey[] = "Resources/MaxGPUMemory";
inline constexpr char kLODTrianglesCapKey[] = "Resources/LODTrianglesCap";
inline constexpr char kLastExportFolderKey[] = "folders/lastexportfolder";
inline constexpr char kSettingsVersionKey[] = "settingsVersion";
inline constexpr char kCsvHasHeaderKey[] = "CSVDriver/Import/hasHeader";
inline constexpr char kCsvDecimalSeparatorKey[] = "CSVDriver/Import/decimalSeparator";
inline constexpr char kCsvColumnSeparatorKey[] = "CSVDriver/Import/columnSeparator";
inline constexpr char kCsvStringDelimiterKey[] = "CSVDriver/Import/stringDelimiter";

// Read and written by the panels without a registration here: each reader has its own
// fallback, and a host registers them when it wants a default and a validator.
inline constexpr char kNamingPolicyKey[] = "display/namingPolicy";
inline constexpr char kDisplayPsKey[] = "display/displayps";
inline constexpr char kDisplayToolKey[] = "display/displaytool";
inline constexpr char kFillCutplaneKey[] = "engine/fillCutplane";
inline constexpr char kLastExportModuleKey[] = "folders/lastexportmodule";
inline constexpr char kSendReportKey[] = "Privacy/sendreport";

// The export panel's rows: values of the host's export record, not of the store.
inline constexpr char kImageSizeKey[] = "Export/Image/imageSize";
inline constexpr char kSuperSamplingKey[] = "Export/Image/superSampling";
inline constexpr char kOverrideBackgroundKey[] = "Export/Image/overrideBackground";
inline constexpr char kCanvasSizeKey[] = "Export/SVG/canvasSize";
inline constexpr char kSalientEdgeKey[] = "Export/SVG/salientEdge";
inline constexpr char kSilhouetteEdgeKey[] = "Export/SVG/silhouetteEdge";
inline constexpr char kBomFormatKey[] = "Export/BOM/format";
inline constexpr char kBomHeadersKey[] = "Export/BOM/headers";
inline constexpr char kScatteredExportKey[] = "Export/Geometry/scatteredExport";
inline constexpr char kSimplificationKey[] = "Export/Geometry/simplification";
inline constexpr char kKeepHiddenBranchesKey[] = "Export/Geometry/keepHiddenBranches";

inline constexpr const char* kExportRowKeys[] = {
    kImageSizeKey,     kSuperSamplingKey, kOverrideBackgroundKey, kCanvasSizeKey,
    kSalientEdgeKey,   kSilhouetteEdgeKey, kBomFormatKey,          kBomHeadersKey,
    kScatteredExportKey, kSimplificationKey, kKeepHiddenBranchesKey};

} // namespace zel::keys
