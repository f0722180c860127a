#include "ZelGeneralSettingsPanel.h"

#include "GeneralSettingsStore.h"
#include "ZelControlCenter.h"
#include "ZelSettingKeys.h"

#include "ui_ZelGeneralSettingsPanel.h"


// The rows of the general panel as the hosts' settings guide sees them: each row's value in
// words, taken from the panel's models, and the reset of one row to its default.

namespace zel {

using namespace keys;

namespace {

const int kMegabyteShift = 20;
const char kSoftwareEngine[] = "software";

using Ui = Ui::ZelGeneralSettingsPanel;
using Describe = QString (*)(const GeneralModels&, const Ui&);
using Copy = void (*)(const GeneralModels&, GeneralModels&);

struct Row
{
    const char* key;
    Describe describe;
    Copy copy;
};

QString Switch(bool pOn)
{
    return ZelSettingsPanel::DescribeSwitch(pOn);
}

QString Megabytes(quint64 pBytes, const QSpinBox& pSpinBox)
{
    return QString::number(pBytes >> kMegabyteShift) + pSpinBox.suffix();
}

// The item of the list that stands for pData, or the value itself when none does.
QString ItemText(const QComboBox& pCombo, const QVariant& pData)
{
    const int index = pCombo.findData(pData);
    return index >= 0 ? pCombo.itemText(index) : pData.toString();
}

QString ColorText(const Wm4::ColorRGBA& pColor)
{
    const QColor color(int(pColor.R() * 255.0f), int(pColor.G() * 255.0f),
                       int(pColor.B() * 255.0f), int(pColor.A() * 255.0f));
    return color.name(color.alpha() == 255 ? QColor::HexRgb : QColor::HexArgb).toUpper();
}

const Row kRows[] = {
    {kBackgroundColorKey,
     [](const GeneralModels& pModels, const Ui&) {
         return ColorText(pModels.engine.backgroundColor);
     },
     [](const GeneralModels& pFrom, GeneralModels& pTo) {
         pTo.engine.backgroundColor = pFrom.engine.backgroundColor;
     }},
    {kUseFXAAKey,
     [](const GeneralModels& pModels, const Ui&) { return Switch(pModels.engine.useFXAA); },
     [](const GeneralModels& pFrom, GeneralModels& pTo) {
         pTo.engine.useFXAA = pFrom.engine.useFXAA;
     }},
    {kUseOutlineKey,
     [](const GeneralModels& pModels, const Ui&) { return Switch(pModels.engine.useOutline); },
     [](const GeneralModels& pFrom, GeneralModels& pTo) {
         pTo.engine.useOutline = pFrom.engine.useOutline;
     }},
    {kFlatShadingKey,
     [](const GeneralModels& pModels, const Ui&) { return Switch(pModels.engine.flatShading); },
     [](const GeneralModels& pFrom, GeneralModels& pTo) {
         pTo.engine.flatShading = pFrom.engine.flatShading;
     }},
    {kFillCutplaneKey,
     [](const GeneralModels& pModels, const Ui&) { return Switch(pModels.engine.fillCutplane); },
     [](const GeneralModels& pFrom, GeneralModels& pTo) {
         pTo.engine.fillCutplane = pFrom.engine.fillCutplane;
     }},
    {kCoreNumberKey,
     [](const GeneralModels& pModels, const Ui&) {
         const int cores = pModels.engine.coreNumber;
         return (cores < 2 ? ZelGeneralSettingsPanel::tr("%1 core")
                           : ZelGeneralSettingsPanel::tr("%1 cores"))
             .arg(cores);
     },
     [](const GeneralModels& pFrom, GeneralModels& pTo) {
         pTo.engine.coreNumber = pFrom.engine.coreNumber;
     }},
    {kMaxCPUMemory3DKey,
     [](const GeneralModels& pModels, const Ui& pUi) {
         return Megabytes(pModels.engine.maxCPUMemory3D, *pUi.maxCPU3DSpinBox);
     },
     [](const GeneralModels& pFrom, GeneralModels& pTo) {
         pTo.engine.maxCPUMemory3D = pFrom.engine.maxCPUMemory3D;
     }},
    {kMaxGPUMemoryKey,
     [](const GeneralModels& pModels, const Ui& pUi) {
         return Megabytes(pModels.engine.maxGPUMemory, *pUi.maxGPUSPinBox);
     },
     [](const GeneralModels& pFrom, GeneralModels& pTo) {
         pTo.engine.maxGPUMemory = pFrom.engine.maxGPUMemory;
     }},
    {kLODTrianglesCapKey,
     [](const GeneralModels& pModels, const Ui&) {
         return QString::number(pModels.engine.lodTrianglesCap);
     },
     [](const GeneralModels& pFrom, GeneralModels& pTo) {
         pTo.engine.lodTrianglesCap = pFrom.engine.lodTrianglesCap;
     }},
    {kDisplayToolKey,
     [](const GeneralModels& pModels, const Ui&) { return Switch(pModels.display.displayTool); },
     [](const GeneralModels& pFrom, GeneralModels& pTo) {
         pTo.display.displayTool = pFrom.display.displayTool;
     }},
    {kDisplayPsKey,
     [](const GeneralModels& pModels, const Ui&) { return Switch(pModels.display.displayPs); },
     [](const GeneralModels& pFrom, GeneralModels& pTo) {
         pTo.display.displayPs = pFrom.display.displayPs;
     }},
    {kNamingPolicyKey,
     [](const GeneralModels& pModels, const Ui& pUi) {
         return pUi.mPsNamingPolicyComboBox->itemText(pModels.display.namingPolicy.getType());
     },
     [](const GeneralModels& pFrom, GeneralModels& pTo) {
         pTo.display.namingPolicy = pFrom.display.namingPolicy;
     }},
    {kUnitNameKey,
     [](const GeneralModels& pModels, const Ui& pUi) {
         return ItemText(*pUi.units_comboBox, int(pModels.units.unit));
     },
     [](const GeneralModels& pFrom, GeneralModels& pTo) { pTo.units.unit = pFrom.units.unit; }},
    {kNbDecimalsKey,
     [](const GeneralModels& pModels, const Ui&) {
         return QString::number(pModels.units.nbDecimals);
     },
     [](const GeneralModels& pFrom, GeneralModels& pTo) {
         pTo.units.nbDecimals = pFrom.units.nbDecimals;
     }},
    {kControllerKey,
     [](const GeneralModels& pModels, const Ui& pUi) {
         return ItemText(*pUi.mNavModeComboBox, pModels.controls.controller);
     },
     [](const GeneralModels& pFrom, GeneralModels& pTo) { pTo.controls = pFrom.controls; }},
    {kCacheSizeKey,
     [](const GeneralModels& pModels, const Ui& pUi) {
         return QString::number(pModels.cache.cacheSize) + pUi.databaseSpinBox->suffix();
     },
     [](const GeneralModels& pFrom, GeneralModels& pTo) {
         pTo.cache.cacheSize = pFrom.cache.cacheSize;
     }},
    {kCacheDirectoryKey,
     [](const GeneralModels& pModels, const Ui&) { return pModels.cache.cacheDirectory; },
     [](const GeneralModels& pFrom, GeneralModels& pTo) {
         pTo.cache.cacheDirectory = pFrom.cache.cacheDirectory;
     }},
    {kLogFileKey,
     [](const GeneralModels& pModels, const Ui&) { return pModels.folder.logFile; },
     [](const GeneralModels& pFrom, GeneralModels& pTo) { pTo.folder = pFrom.folder; }},
};

const Row* FindRow(const QString& pKey)
{
    for (const Row& row : kRows) {
        if (pKey == QLatin1String(row.key))
            return &row;
    }
    return nullptr;
}

} // namespace

QString ZelGeneralSettingsPanel::describeRow(const QString& pKey, RowValue pValue) const
{
    // The engine is chosen by the host at start-up: the store tells it, not the models.
    if (pKey == QLatin1String(kEngineKey)) {
        bool software = mUi->softwareButton->isChecked();
        if (pValue == AppliedValue)
            software = GeneralSettingsStore(*mSettings).storesSoftwareEngine();
        else if (pValue == DefaultValue)
            software = ZelControlCenter::GetDefaultSettingsValue(pKey)
                       == QLatin1String(kSoftwareEngine);
        return software ? mUi->softwareButton->text() : mUi->deferredButton->text();
    }
    const Row* row = FindRow(pKey);
    if (!row)
        return QString();
    switch (pValue) {
    case EditedValue:
        return row->describe(currentModels(), *mUi);
    case AppliedValue:
        return row->describe(GeneralSettingsStore(*mSettings).read(), *mUi);
    case DefaultValue:
        break;
    }
    return row->describe(GeneralSettingsStore::Defaults(), *mUi);
}

void ZelGeneralSettingsPanel::resetRow(const QString& pKey)
{
    GeneralModels models = currentModels();
    if (pKey == QLatin1String(kEngineKey))
        models.engine.softwareRendering =
            ZelControlCenter::GetDefaultSettingsValue(pKey) == QLatin1String(kSoftwareEngine);
    else if (const Row* row = FindRow(pKey))
        row->copy(GeneralSettingsStore::Defaults(), models);
    else
        return;
    showModels(models);
    emit stateChanged();
}

} // namespace zel
