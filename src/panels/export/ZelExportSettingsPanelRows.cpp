#include "ZelExportSettingsPanel.h"

#include "HeaderSelectorWidget.h"
#include "ZelSettingKeys.h"
#include "ui_ZelExportSettingsPanel.h"


// The rows of the export panel as the hosts' settings guide sees them. Their values live in
// the host's export record: the applied value is the record's, the default that of a record
// made afresh.

namespace zel {

using namespace keys;

namespace {

const int kCanvasHeightShift = 16;

enum tSubRecord
{
    ImageSubRecord,
    SvgSubRecord,
    BomSubRecord,
    GeometrySubRecord
};

using Ui = Ui::ZelExportSettingsPanel;
using Describe = QString (*)(const FiguraExportSettings&, const Ui&);
using Copy = void (*)(const FiguraExportSettings&, FiguraExportSettings&);

struct Row
{
    const char* key;
    tSubRecord subRecord;
    Describe describe;
    Copy copy;
};

QString ColorText(const QColor& pColor)
{
    return pColor.name().toUpper();
}

QString EdgeText(const QColor& pColor, float pWidth, const QDoubleSpinBox& pSpinBox)
{
    return ColorText(pColor) + QStringLiteral(", ") + pSpinBox.textFromValue(double(pWidth))
           + pSpinBox.suffix();
}

QString ItemText(const QComboBox& pCombo, const QVariant& pData, const QString& pOtherwise)
{
    const int index = pCombo.findData(pData);
    return index >= 0 ? pCombo.itemText(index) : pOtherwise;
}

QString FormatText(const BOMExportSettings& pBom, const QComboBox& pCombo)
{
    const bool quoted = pBom.stringDelimiter == QLatin1String("\"");
    if (quoted && pBom.columnSeparator == QLatin1String(",")
        && pBom.decimalSeparator == QLatin1String("."))
        return pCombo.itemText(0);
    if (quoted && pBom.columnSeparator == QLatin1String(";")
        && pBom.decimalSeparator == QLatin1String(","))
        return pCombo.itemText(1);
    return QStringLiteral("%1 %2 %3")
        .arg(pBom.columnSeparator, pBom.decimalSeparator, pBom.stringDelimiter);
}

QString SimplificationText(float pSimplification, const Ui& pUi)
{
    if (pSimplification < 0.0f) {
        return pUi.simplifRatioButton->text() + QLatin1Char(' ')
               + QString::number(-double(pSimplification)) + pUi.simplifRatioSpinBox->suffix();
    }
    if (pSimplification > 0.0f) {
        return pUi.simplifNoTrianglesButton->text() + QLatin1Char(' ')
               + QString::number(double(pSimplification));
    }
    return pUi.noSimplifButton->text();
}

const Row kRows[] = {
    {kImageSizeKey, ImageSubRecord,
     [](const FiguraExportSettings& pRecord, const Ui& pUi) {
         const QSize size = pRecord.getImageExportSettings().imageSize;
         return ItemText(*pUi.definitionCombobox, size,
                         QStringLiteral("%1 x %2").arg(size.width()).arg(size.height()));
     },
     [](const FiguraExportSettings& pFrom, FiguraExportSettings& pTo) {
         ImageExportSettings image = pTo.getImageExportSettings();
         image.imageSize = pFrom.getImageExportSettings().imageSize;
         pTo.setImageExportSettings(image);
     }},
    {kSuperSamplingKey, ImageSubRecord,
     [](const FiguraExportSettings& pRecord, const Ui& pUi) {
         const int level = pRecord.getImageExportSettings().superSampling;
         return ItemText(*pUi.SuperSamplingComboBox, level, QString::number(level));
     },
     [](const FiguraExportSettings& pFrom, FiguraExportSettings& pTo) {
         ImageExportSettings image = pTo.getImageExportSettings();
         image.superSampling = pFrom.getImageExportSettings().superSampling;
         pTo.setImageExportSettings(image);
     }},
    {kOverrideBackgroundKey, ImageSubRecord,
     [](const FiguraExportSettings& pRecord, const Ui&) {
         const ImageExportSettings& image = pRecord.getImageExportSettings();
         const QString state = ZelSettingsPanel::DescribeSwitch(image.overrideBackground);
         return image.overrideBackground
                    ? state + QStringLiteral(", ") + ColorText(image.backgroundColor)
                    : state;
     },
     [](const FiguraExportSettings& pFrom, FiguraExportSettings& pTo) {
         ImageExportSettings image = pTo.getImageExportSettings();
         image.overrideBackground = pFrom.getImageExportSettings().overrideBackground;
         image.backgroundColor = pFrom.getImageExportSettings().backgroundColor;
         pTo.setImageExportSettings(image);
     }},
    {kCanvasSizeKey, SvgSubRecord,
     [](const FiguraExportSettings& pRecord, const Ui& pUi) {
         const SVGExportSettings& svg = pRecord.getSVGExportSettings();
         return ItemText(*pUi.canvasSizeCombobox,
                         (svg.canvasHeight << kCanvasHeightShift) + svg.canvasWidth,
                         QStringLiteral("%1 x %2 mm").arg(svg.canvasWidth).arg(svg.canvasHeight));
     },
     [](const FiguraExportSettings& pFrom, FiguraExportSettings& pTo) {
         SVGExportSettings svg = pTo.getSVGExportSettings();
         svg.canvasWidth = pFrom.getSVGExportSettings().canvasWidth;
         svg.canvasHeight = pFrom.getSVGExportSettings().canvasHeight;
         pTo.setSVGExportSettings(svg);
     }},
    {kSalientEdgeKey, SvgSubRecord,
     [](const FiguraExportSettings& pRecord, const Ui& pUi) {
         const SVGExportSettings& svg = pRecord.getSVGExportSettings();
         return EdgeText(svg.salientEdgeColor, svg.salientEdgeWidth,
                         *pUi.salientEdgeWidthSpinBox);
     },
     [](const FiguraExportSettings& pFrom, FiguraExportSettings& pTo) {
         SVGExportSettings svg = pTo.getSVGExportSettings();
         svg.salientEdgeColor = pFrom.getSVGExportSettings().salientEdgeColor;
         svg.salientEdgeWidth = pFrom.getSVGExportSettings().salientEdgeWidth;
         pTo.setSVGExportSettings(svg);
     }},
    {kSilhouetteEdgeKey, SvgSubRecord,
     [](const FiguraExportSettings& pRecord, const Ui& pUi) {
         const SVGExportSettings& svg = pRecord.getSVGExportSettings();
         return EdgeText(svg.silhouetteEdgeColor, svg.silhouetteEdgeWidth,
                         *pUi.silhouetteEdgeWidthSpinBox);
     },
     [](const FiguraExportSettings& pFrom, FiguraExportSettings& pTo) {
         SVGExportSettings svg = pTo.getSVGExportSettings();
         svg.silhouetteEdgeColor = pFrom.getSVGExportSettings().silhouetteEdgeColor;
         svg.silhouetteEdgeWidth = pFrom.getSVGExportSettings().silhouetteEdgeWidth;
         pTo.setSVGExportSettings(svg);
     }},
    {kBomFormatKey, BomSubRecord,
     [](const FiguraExportSettings& pRecord, const Ui& pUi) {
         return FormatText(pRecord.getBOMExportSettings(), *pUi.bomFormatComboBox);
     },
     [](const FiguraExportSettings& pFrom, FiguraExportSettings& pTo) {
         BOMExportSettings bom = pTo.getBOMExportSettings();
         bom.columnSeparator = pFrom.getBOMExportSettings().columnSeparator;
         bom.decimalSeparator = pFrom.getBOMExportSettings().decimalSeparator;
         bom.stringDelimiter = pFrom.getBOMExportSettings().stringDelimiter;
         pTo.setBOMExportSettings(bom);
     }},
    {kBomHeadersKey, BomSubRecord,
     [](const FiguraExportSettings& pRecord, const Ui&) {
         const QStringList& headers = pRecord.getBOMExportSettings().headers;
         return headers.isEmpty()
                    ? ZelExportSettingsPanel::tr("No column")
                    : headers.join(QStringLiteral(", "));
     },
     [](const FiguraExportSettings& pFrom, FiguraExportSettings& pTo) {
         BOMExportSettings bom = pTo.getBOMExportSettings();
         bom.headers = pFrom.getBOMExportSettings().headers;
         pTo.setBOMExportSettings(bom);
     }},
    {kScatteredExportKey, GeometrySubRecord,
     [](const FiguraExportSettings& pRecord, const Ui&) {
         return ZelSettingsPanel::DescribeSwitch(
             pRecord.getGeometryExportSettings().scatteredExport);
     },
     [](const FiguraExportSettings& pFrom, FiguraExportSettings& pTo) {
         GeometryExportSettings geometry = pTo.getGeometryExportSettings();
         geometry.scatteredExport = pFrom.getGeometryExportSettings().scatteredExport;
         pTo.setGeometryExportSettings(geometry);
     }},
    {kSimplificationKey, GeometrySubRecord,
     [](const FiguraExportSettings& pRecord, const Ui& pUi) {
         return SimplificationText(pRecord.getGeometryExportSettings().simplification, pUi);
     },
     [](const FiguraExportSettings& pFrom, FiguraExportSettings& pTo) {
         GeometryExportSettings geometry = pTo.getGeometryExportSettings();
         geometry.simplification = pFrom.getGeometryExportSettings().simplification;
         pTo.setGeometryExportSettings(geometry);
     }},
    {kKeepHiddenBranchesKey, GeometrySubRecord,
     [](const FiguraExportSettings& pRecord, const Ui&) {
         return ZelSettingsPanel::DescribeSwitch(
             pRecord.getGeometryExportSettings().keepHiddenBranches);
     },
     [](const FiguraExportSettings& pFrom, FiguraExportSettings& pTo) {
         GeometryExportSettings geometry = pTo.getGeometryExportSettings();
         geometry.keepHiddenBranches = pFrom.getGeometryExportSettings().keepHiddenBranches;
         pTo.setGeometryExportSettings(geometry);
     }},
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

QString ZelExportSettingsPanel::describeRow(const QString& pKey, RowValue pValue) const
{
    const Row* row = FindRow(pKey);
    if (!row)
        return QString();
    ExportModel model;
    if (pValue != DefaultValue)
        readSettings(model);
    // Read over the applied record, as the modifications are: the fields that no control
    // shows stay the record's.
    if (pValue == EditedValue)
        getCurrentModel(model);
    return row->describe(model, *mUi);
}

void ZelExportSettingsPanel::resetRow(const QString& pKey)
{
    const Row* row = FindRow(pKey);
    if (!row)
        return;
    ExportModel model;
    readSettings(model);
    getCurrentModel(model);
    ExportModel defaults;
    getDefaultSettings(defaults);
    row->copy(defaults, model);
    // Only the sub-record of the row is shown again: the edits elsewhere stay as they are.
    switch (row->subRecord) {
    case ImageSubRecord:
        onImageSettingsChanged(model);
        break;
    case SvgSubRecord:
        onSvgSettingsChanged(model);
        break;
    case BomSubRecord:
        onBomSettingsChanged(model);
        break;
    case GeometrySubRecord:
        onGeometrySettingsChanged(model);
        break;
    }
    emit stateChanged();
}

} // namespace zel
