#include "ExportRecordMapping.h"

#include "HeaderSelectorWidget.h"
#include "OwnStyleSheet.h"
#include "ui_ZelExportSettingsPanel.h"

#include <QCoreApplication>
#include <QSignalBlocker>

#include <algorithm>
#include <climits>
#include <cmath>
#include <iterator>

namespace zel {

namespace {

const int kCanvasHeightShift = 16;
const int kCanvasWidthMask = 0xFFFF;
const int kMaxTrianglesStep = 1000;
const QColor kDisabledSwatchColor(205, 205, 205, 255);

struct Definition
{
    const char* text;
    int width;
    int height;
};

const Definition kDefinitions[] = {
    {QT_TRANSLATE_NOOP("ScreenshotProfileWidget", "4096 x 2160"), 4096, 2160},
    {QT_TRANSLATE_NOOP("ScreenshotProfileWidget", "2560 x 1600)"), 2560, 1600},
    {QT_TRANSLATE_NOOP("ScreenshotProfileWidget", "1920 x 1080"), 1920, 1080},
    {QT_TRANSLATE_NOOP("ScreenshotProfileWidget", "1600 x 1200"), 1600, 1200},
    {QT_TRANSLATE_NOOP("ScreenshotProfileWidget", "1280 x 720"), 1280, 720},
    {QT_TRANSLATE_NOOP("ScreenshotProfileWidget", "800 x 600"), 800, 600},
    {QT_TRANSLATE_NOOP("ScreenshotProfileWidget", "320 x 200"), 320, 200},
};

// Millimetres, width then height.
const Definition kCanvases[] = {
    {QT_TRANSLATE_NOOP("ZelExportSettingsPanel", "A3 portrait"), 297, 420},
    {QT_TRANSLATE_NOOP("ZelExportSettingsPanel", "A4 portrait"), 210, 297},
    {QT_TRANSLATE_NOOP("ZelExportSettingsPanel", "A5 portrait"), 148, 210},
    {QT_TRANSLATE_NOOP("ZelExportSettingsPanel", "A3 landscape"), 420, 297},
    {QT_TRANSLATE_NOOP("ZelExportSettingsPanel", "A4 landscape"), 297, 210},
    {QT_TRANSLATE_NOOP("ZelExportSettingsPanel", "A5 landscape"), 210, 148},
};

const char* const kSuperSamplingLevels[] = {
    QT_TRANSLATE_NOOP("ZelExportSettingsPanel", "none"),
    QT_TRANSLATE_NOOP("ZelExportSettingsPanel", "4X"),
    QT_TRANSLATE_NOOP("ZelExportSettingsPanel", "8X"),
    QT_TRANSLATE_NOOP("ZelExportSettingsPanel", "16X"),
};

QString DefinitionText(int pIndex)
{
    return QCoreApplication::translate("ScreenshotProfileWidget", kDefinitions[pIndex].text);
}

QString CanvasText(int pIndex)
{
    return QCoreApplication::translate("ZelExportSettingsPanel", kCanvases[pIndex].text);
}

QString SuperSamplingText(int pIndex)
{
    return QCoreApplication::translate("ZelExportSettingsPanel", kSuperSamplingLevels[pIndex]);
}

// Renames the first items of a combo box in place: its current item stays.
void RetranslateItems(QComboBox* pCombo, int pCount, QString (*pText)(int))
{
    const QSignalBlocker blocker(pCombo);
    for (int index = 0; index < qMin(pCombo->count(), pCount); ++index)
        pCombo->setItemText(index, pText(index));
}

qint64 packCanvas(qint64 pWidth, qint64 pHeight)
{
    return (pHeight << kCanvasHeightShift) + pWidth;
}

// Record values come from outside; out of range they saturate, and the spin box clamps.
int truncatedToInt(double pValue)
{
    if (std::isnan(pValue))
        return 0;
    return static_cast<int>(std::clamp(pValue, double(INT_MIN), double(INT_MAX)));
}

// The places in pRecord of the names that pShown, the same names in the same order with
// some left out, lacks.
QList<QPair<int, QString>> missingNames(const QStringList& pRecord, const QStringList& pShown)
{
    QList<QPair<int, QString>> missing;
    int shown = 0;
    for (int index = 0; index < pRecord.size(); ++index) {
        if (shown < pShown.size() && pShown.at(shown) == pRecord.at(index))
            ++shown;
        else
            missing.append({index, pRecord.at(index)});
    }
    return missing;
}

} // namespace

ExportRecordMapping::ExportRecordMapping(Ui::ZelExportSettingsPanel& pUi)
    : mUi(pUi)
{
}

void ExportRecordMapping::fillLists()
{
    const QSignalBlocker definitionBlocker(mUi.definitionCombobox);
    const QSignalBlocker canvasBlocker(mUi.canvasSizeCombobox);
    const QSignalBlocker superSamplingBlocker(mUi.SuperSamplingComboBox);

    for (int index = 0; index < int(std::size(kDefinitions)); ++index) {
        const Definition& definition = kDefinitions[index];
        mUi.definitionCombobox->addItem(DefinitionText(index),
                                        QSize(definition.width, definition.height));
    }

    mUi.canvasSizeCombobox->clearCombo();
    for (int index = 0; index < int(std::size(kCanvases)); ++index) {
        const Definition& canvas = kCanvases[index];
        mUi.canvasSizeCombobox->addItem(CanvasText(index),
                                        int(packCanvas(canvas.width, canvas.height)));
    }

    mUi.SuperSamplingComboBox->clearCombo();
    for (int level = 0; level < int(std::size(kSuperSamplingLevels)); ++level)
        mUi.SuperSamplingComboBox->addItem(SuperSamplingText(level), level);
}

void ExportRecordMapping::retranslateLists()
{
    RetranslateItems(mUi.definitionCombobox, int(std::size(kDefinitions)), &DefinitionText);
    RetranslateItems(mUi.canvasSizeCombobox, int(std::size(kCanvases)), &CanvasText);
    RetranslateItems(mUi.SuperSamplingComboBox, int(std::size(kSuperSamplingLevels)),
                     &SuperSamplingText);
}

void ExportRecordMapping::showImage(const ImageExportSettings& pSettings)
{
    const QSignalBlocker definitionBlocker(mUi.definitionCombobox);
    const QSignalBlocker superSamplingBlocker(mUi.SuperSamplingComboBox);
    const QSignalBlocker overrideBlocker(mUi.overrideBgCheckBox);

    // The last matching definition, or the first when none matches.
    int definition = 0;
    for (int index = 0; index < mUi.definitionCombobox->count(); ++index) {
        if (mUi.definitionCombobox->itemData(index).toSize() == pSettings.imageSize)
            definition = index;
    }
    mUi.definitionCombobox->setCurrentIndex(definition);
    mImageSize.keep(pSettings.imageSize, definition);

    mBackgroundColor = pSettings.backgroundColor;
    mUi.overrideBgCheckBox->setChecked(pSettings.overrideBackground);
    mUi.backgroundColorButton->setEnabled(pSettings.overrideBackground);
    refreshImageButtonColors(pSettings.overrideBackground);

    mUi.SuperSamplingComboBox->setCurrentIndex(pSettings.superSampling);
    mSuperSampling.keep(pSettings.superSampling, mUi.SuperSamplingComboBox->currentIndex());
}

void ExportRecordMapping::showSvg(const SVGExportSettings& pSettings)
{
    {
        const QSignalBlocker canvasBlocker(mUi.canvasSizeCombobox);
        const qint64 canvas = packCanvas(pSettings.canvasWidth, pSettings.canvasHeight);
        for (int index = 0; index < mUi.canvasSizeCombobox->count(); ++index) {
            if (mUi.canvasSizeCombobox->itemData(index).toLongLong() == canvas)
                mUi.canvasSizeCombobox->setCurrentIndex(index);
        }
        mCanvas.keep(QSize(pSettings.canvasWidth, pSettings.canvasHeight),
                     mUi.canvasSizeCombobox->currentIndex());
    }
    mSalientColor = pSettings.salientEdgeColor;
    mSilhouetteColor = pSettings.silhouetteEdgeColor;
    refreshSvgButtonColors();

    const QSignalBlocker silhouetteBlocker(mUi.silhouetteEdgeWidthSpinBox);
    const QSignalBlocker salientBlocker(mUi.salientEdgeWidthSpinBox);
    mUi.silhouetteEdgeWidthSpinBox->setValue(double(pSettings.silhouetteEdgeWidth));
    mUi.salientEdgeWidthSpinBox->setValue(double(pSettings.salientEdgeWidth));
    mSilhouetteEdgeWidth.keep(pSettings.silhouetteEdgeWidth,
                              mUi.silhouetteEdgeWidthSpinBox->value());
    mSalientEdgeWidth.keep(pSettings.salientEdgeWidth, mUi.salientEdgeWidthSpinBox->value());
}

void ExportRecordMapping::showBom(const BOMExportSettings& pSettings)
{
    {
        const QSignalBlocker formatBlocker(mUi.bomFormatComboBox);
        mUi.bomFormatComboBox->setCurrentIndex(
            pSettings.columnSeparator == QLatin1String(";") ? 1 : 0);
    }
    // The record's strings, whatever format the list shows for them.
    mColumnSeparator = pSettings.columnSeparator;
    mDecimalSeparator = pSettings.decimalSeparator;
    mStringDelimiter = pSettings.stringDelimiter;

    const QSignalBlocker headersBlocker(mUi.mHeaderSelectorWidget);
    mUi.mHeaderSelectorWidget->setHeaders(pSettings.headers);
    const QStringList shown = mUi.mHeaderSelectorWidget->getHeaders();
    mHeaders.keep(pSettings.headers, shown);
    mHiddenHeaders = missingNames(pSettings.headers, shown);
}

void ExportRecordMapping::showGeometry(const GeometryExportSettings& pSettings,
                                       quint64 pSceneTriangles)
{
    const QSignalBlocker noneBlocker(mUi.noSimplifButton);
    const QSignalBlocker ratioButtonBlocker(mUi.simplifRatioButton);
    const QSignalBlocker trianglesButtonBlocker(mUi.simplifNoTrianglesButton);
    const QSignalBlocker trianglesBlocker(mUi.simplifNoTrianglesSpinBox);
    const QSignalBlocker ratioBlocker(mUi.simplifRatioSpinBox);
    const QSignalBlocker scatteredBlocker(mUi.scatteredExport);
    const QSignalBlocker hiddenBlocker(mUi.hiddenBranchesCheckbox);

    if (pSceneTriangles != 0) {
        mUi.simplifNoTrianglesSpinBox->setMaximum(
            static_cast<int>(std::min<quint64>(pSceneTriangles, INT_MAX)));
    }
    mUi.simplifNoTrianglesSpinBox->setSingleStep(static_cast<int>(
        std::min(double(kMaxTrianglesStep), std::trunc(double(pSceneTriangles) * 0.1))));

    // A value of 0 leaves both spin boxes as they are.
    const float simplification = pSettings.simplification;
    if (simplification == 0.0f) {
        mUi.noSimplifButton->setChecked(true);
        mSimplificationState = ZelExportSettingsPanel::NoSimplification;
    } else if (simplification < 0.0f) {
        mUi.simplifRatioButton->setChecked(true);
        mUi.simplifRatioSpinBox->setValue(truncatedToInt(-double(simplification)));
        mSimplificationState = ZelExportSettingsPanel::RatioSimplification;
    } else {
        mUi.simplifNoTrianglesButton->setChecked(true);
        mUi.simplifNoTrianglesSpinBox->setValue(truncatedToInt(double(simplification)));
        mSimplificationState = ZelExportSettingsPanel::TargetTrianglesSimplification;
    }
    mSimplification.keep(simplification, shownSimplification());

    mUi.scatteredExport->setChecked(pSettings.scatteredExport);
    mUi.hiddenBranchesCheckbox->setChecked(pSettings.keepHiddenBranches);
}

ImageExportSettings ExportRecordMapping::image() const
{
    ImageExportSettings image;
    image.imageSize = mImageSize.value(mUi.definitionCombobox->currentIndex(),
                                       mUi.definitionCombobox->currentData().toSize());
    image.overrideBackground = mUi.overrideBgCheckBox->isChecked();
    image.backgroundColor = mBackgroundColor;
    image.superSampling = mSuperSampling.value(mUi.SuperSamplingComboBox->currentIndex(),
                                               mUi.SuperSamplingComboBox->currentData().toInt());
    return image;
}

SVGExportSettings ExportRecordMapping::svg(const SVGExportSettings& pApplied) const
{
    SVGExportSettings svg;
    const int canvas = mUi.canvasSizeCombobox->currentData().toInt();
    const QSize size = mCanvas.value(mUi.canvasSizeCombobox->currentIndex(),
                                     QSize(canvas & kCanvasWidthMask,
                                           canvas >> kCanvasHeightShift));
    svg.canvasWidth = size.width();
    svg.canvasHeight = size.height();
    svg.salientEdgeColor = mSalientColor;
    const double salient = mUi.salientEdgeWidthSpinBox->value();
    svg.salientEdgeWidth = mSalientEdgeWidth.value(salient, float(salient));
    svg.silhouetteEdgeColor = mSilhouetteColor;
    const double silhouette = mUi.silhouetteEdgeWidthSpinBox->value();
    svg.silhouetteEdgeWidth = mSilhouetteEdgeWidth.value(silhouette, float(silhouette));
    svg.exportAsImage = pApplied.exportAsImage;
    return svg;
}

BOMExportSettings ExportRecordMapping::bom(const BOMExportSettings& pApplied) const
{
    BOMExportSettings bom;
    bom.columnSeparator = mColumnSeparator;
    bom.decimalSeparator = mDecimalSeparator;
    bom.stringDelimiter = mStringDelimiter;
    bom.groupByComponent = pApplied.groupByComponent;
    bom.headers = headers();
    return bom;
}

GeometryExportSettings ExportRecordMapping::geometry() const
{
    GeometryExportSettings geometry;
    const float shown = shownSimplification();
    geometry.simplification = mSimplification.value(shown, shown);
    geometry.scatteredExport = mUi.scatteredExport->isChecked();
    geometry.keepHiddenBranches = mUi.hiddenBranchesCheckbox->isChecked();
    return geometry;
}

void ExportRecordMapping::chooseBomFormat(int pIndex)
{
    const bool french = pIndex == 1;
    mColumnSeparator = french ? QStringLiteral(";") : QStringLiteral(",");
    mDecimalSeparator = french ? QStringLiteral(",") : QStringLiteral(".");
    mStringDelimiter = QStringLiteral("\"");
}

void ExportRecordMapping::refreshImageButtonColors(bool pEnabled)
{
    const QColor color = pEnabled ? mBackgroundColor : kDisabledSwatchColor;
    SetOwnStyleSheet(mUi.backgroundColorButton, QStringLiteral("background-color:")
                                                    + QStringLiteral("rgba(%1,%2,%3,%4)")
                                                          .arg(color.red())
                                                          .arg(color.green())
                                                          .arg(color.blue())
                                                          .arg(color.alpha())
                                                    + QLatin1Char(';'));
}

void ExportRecordMapping::refreshSvgButtonColors()
{
    const QString sheet = QStringLiteral("background-color:\"%1\"");
    SetOwnStyleSheet(mUi.salientEdgeColorButton, sheet.arg(mSalientColor.name()));
    SetOwnStyleSheet(mUi.silhouetteEdgeColorButton, sheet.arg(mSilhouetteColor.name()));
}

float ExportRecordMapping::shownSimplification() const
{
    switch (mSimplificationState) {
    case ZelExportSettingsPanel::RatioSimplification:
        return -float(mUi.simplifRatioSpinBox->value());
    case ZelExportSettingsPanel::TargetTrianglesSimplification:
        return float(mUi.simplifNoTrianglesSpinBox->value());
    case ZelExportSettingsPanel::NoSimplification:
        break;
    }
    return 0.0f;
}

// The export list, with the record's headers that the selector does not offer back in their
// places: a model that lacks an attribute must not take its column out of the record.
QStringList ExportRecordMapping::headers() const
{
    QStringList headers = mUi.mHeaderSelectorWidget->getHeaders();
    const QStringList kept = mHeaders.value(headers, headers);
    if (kept != headers)
        return kept;
    for (const auto& hidden : mHiddenHeaders) {
        if (!headers.contains(hidden.second))
            headers.insert(std::min(hidden.first, int(headers.size())), hidden.second);
    }
    return headers;
}

} // namespace zel
