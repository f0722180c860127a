#include "ZelExportSettingsPanel.h"

#include "ColorDialog.h"
#include "HeaderSelectorWidget.h"
#include "kmDMIApplication.h"
#include "kmDMRenderer.h"
#include "zelFormat.h"
#include "zelSceneGraphAnalyzer.h"
#include "ui_ZelExportSettingsPanel.h"

#include <QCoreApplication>
#include <QMenu>
#include <QSettings>
#include <QSignalBlocker>
#include <QSignalMapper>
#include <QStyledItemDelegate>

#include <algorithm>
#include <climits>
#include <cmath>

namespace zel {

namespace {

const char kLastExportModuleKey[] = "folders/lastexportmodule";
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
    {"A3 portrait", 297, 420},  {"A4 portrait", 210, 297},  {"A5 portrait", 148, 210},
    {"A3 landscape", 420, 297}, {"A4 landscape", 297, 210}, {"A5 landscape", 210, 148},
};

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

void setTabButtonChecked(QAbstractButton* pButton, bool pChecked)
{
    // An auto-exclusive button refuses to be unchecked while it is the checked one.
    const QSignalBlocker blocker(pButton);
    pButton->setAutoExclusive(false);
    pButton->setChecked(pChecked);
    pButton->setAutoExclusive(true);
}

} // namespace

ZelExportSettingsPanel::ZelExportSettingsPanel(bool pSettingsLayout,
                                               kmDMIApplication* pApplication,
                                               QSettings& pSettings, QWidget* pParent,
                                               Qt::WindowFlags pFlags)
    : ZelSettingsPanel(pApplication, pSettings, pParent, pFlags)
    , mUi(new Ui::ZelExportSettingsPanel)
    , mTabMapper(new QSignalMapper)
    , mDefinitionDelegate(new QStyledItemDelegate)
    , mCanvasDelegate(new QStyledItemDelegate)
{
    mUi->setupUi(this);
    setPanelName(QCoreApplication::translate("ZelExportSettingsPanel", "EXPORT"));
    setPanelCategory(DataExchangeCategory);

    mTabPages = {mUi->mTabbedWidgetImg, mUi->mTabbedWidgetVec, mUi->mTabbedWidgetBOM,
                 mUi->mTabbedWidget3D};
    const QList<QPushButton*> tabButtons = {mUi->mSetting2DPushButton,
                                            mUi->mSettingVecPushButton,
                                            mUi->mSettingBOMPushButton,
                                            mUi->mSetting3DPushButton};
    for (int index = 0; index < tabButtons.size(); ++index) {
        connect(tabButtons[index], &QPushButton::clicked, mTabMapper,
                qOverload<>(&QSignalMapper::map));
        mTabMapper->setMapping(tabButtons[index], index);
    }
    connect(mTabMapper, &QSignalMapper::mappedInt, this, &ZelExportSettingsPanel::showTab);

    if (const kmDMRenderer* renderer = mApplication->getRenderer()) {
        // The analyzer may count on another thread's behalf; the line follows later.
        connect(renderer->getSceneGraphAnalyzer(), &zelSceneGraphAnalyzer::sceneStatsChanged,
                this, &ZelExportSettingsPanel::updateTrianglesStatsLabel, Qt::QueuedConnection);
    }

    mUi->definitionCombobox->setItemDelegate(mDefinitionDelegate);
    mUi->canvasSizeCombobox->setItemDelegate(mCanvasDelegate);
    mUi->mHeaderSelectorWidget->setApplication(mApplication);
    connect(mUi->mHeaderSelectorWidget, &HeaderSelectorWidget::headersChanged, this,
            &ZelExportSettingsPanel::stateChanged);

    fillLists();

    mUi->inSettingsFrame->setVisible(pSettingsLayout);
    mUi->inPanelWidget->setVisible(!pSettingsLayout);
    for (km::kmDropShadowWidget* frame : {mUi->imageFrame, mUi->vectorialFrame, mUi->bomFrame,
                                          mUi->geometricFrame})
        frame->setElevationLevel(0);

    if (pSettingsLayout) {
        mUi->imageFrameContent->layout()->addWidget(mUi->imageContent);
        mUi->vectorialFrameContent->layout()->addWidget(mUi->vectorialContent);
        mUi->bomFrameContent->layout()->addWidget(mUi->bomContent);
        mUi->geometricFrameContent->layout()->addWidget(mUi->geometricContent);
        update();
    }
    getActionWidget()->setVisible(pSettingsLayout);

    const FiguraExportSettings& record = mApplication->getFiguraExportSettings();
    connect(&record, &FiguraExportSettings::imageExportSettingsChanged, this,
            &ZelExportSettingsPanel::onSettingsChanged);
    connect(&record, &FiguraExportSettings::svgExportSettingsChanged, this,
            &ZelExportSettingsPanel::onSettingsChanged);
    connect(&record, &FiguraExportSettings::bomExportSettingsChanged, this,
            &ZelExportSettingsPanel::onSettingsChanged);
    connect(&record, &FiguraExportSettings::geometryExportSettingsChanged, this,
            &ZelExportSettingsPanel::onSettingsChanged);

    // Every page starts hidden, so that a stored index of -1, which showTab takes for the
    // tab already shown, leaves no page visible like any other index out of range.
    setTabVisible(-1);
    const QSettings* store = mApplication->getSettings() ? mApplication->getSettings()
                                                          : mSettings;
    showTab(store->value(kLastExportModuleKey, 0).toInt());
}

ZelExportSettingsPanel::~ZelExportSettingsPanel()
{
    delete mDefinitionDelegate;
    delete mCanvasDelegate;
    delete mTabMapper;
    delete mUi;
}

void ZelExportSettingsPanel::initializeWidget()
{
    updateTrianglesStatsLabel();
    ExportModel model;
    readSettings(model);
    applyModel(model);
}

bool ZelExportSettingsPanel::hasModifications() const
{
    // Read over the applied record, so that the export-as-image flag, which only the vector
    // export actions set, never counts as an edit of this panel.
    ExportModel current;
    readSettings(current);
    getCurrentModel(current);
    ExportModel applied;
    readSettings(applied);
    const bool image = current.getImageExportSettings() != applied.getImageExportSettings();
    const bool svg = current.getSVGExportSettings() != applied.getSVGExportSettings();
    const bool bom = current.getBOMExportSettings() != applied.getBOMExportSettings();
    const bool geometry =
        current.getGeometryExportSettings() != applied.getGeometryExportSettings();
    return image || svg || bom || geometry;
}

bool ZelExportSettingsPanel::applyModifications()
{
    if (hasModifications())
        saveSettingsInternal();
    // Export settings never ask for a restart.
    return false;
}

bool ZelExportSettingsPanel::cancelModifications()
{
    if (!hasModifications())
        return false;
    ExportModel model;
    readSettings(model);
    applyModel(model);
    return true;
}

bool ZelExportSettingsPanel::canResetContent() const
{
    return false;
}

void ZelExportSettingsPanel::resetContent()
{
    if (!canResetContent())
        return;
    ExportModel model;
    getDefaultSettings(model);
    applyModel(model);
    emit stateChanged();
}

void ZelExportSettingsPanel::saveSettings()
{
}

void ZelExportSettingsPanel::clearPreviewButton()
{
    for (QPushButton* button : {mUi->previewIMGButton, mUi->previewVECButton,
                                mUi->preview3DButton}) {
        const QSignalBlocker blocker(button);
        button->setChecked(false);
    }
}

void ZelExportSettingsPanel::setExportButtonStates(bool pEnabled)
{
    for (QPushButton* button : {mUi->previewVECButton, mUi->exportVECButton,
                                mUi->preview3DButton, mUi->export3DButton,
                                mUi->previewIMGButton, mUi->exportIMGButton,
                                mUi->exportBOMButton})
        button->setEnabled(pEnabled);
}

void ZelExportSettingsPanel::updateTrianglesStatsLabel()
{
    const quint64 triangles = sceneTriangles();
    const QString before = FormatUInteger(triangles, ' ');
    if (mUi->noSimplifButton->isChecked()) {
        mUi->trianglesStatsLabel->setText(
            QCoreApplication::translate("ExportSettingsWidget", "%1 tri. in scene").arg(before));
        return;
    }
    QString line =
        QCoreApplication::translate("ExportSettingsWidget", "%1 tri. (before)").arg(before);
    if (mUi->simplifRatioButton->isChecked()) {
        const double ratio = mUi->simplifRatioSpinBox->value();
        const auto after = static_cast<quint64>(std::ceil(double(triangles) * ratio / 100.0));
        line += QCoreApplication::translate("ExportSettingsWidget", "\n %1 tri. (after)")
                    .arg(FormatUInteger(after, ' '));
    } else {
        const quint64 target = std::min<quint64>(
            triangles, static_cast<quint64>(mUi->simplifNoTrianglesSpinBox->value()));
        const int percent =
            triangles == 0
                ? 0
                : static_cast<int>(std::ceil(double(target) / double(triangles) * 100.0));
        line += QCoreApplication::translate("ExportSettingsWidget",
                                            "\n simplification ratio %1 % (after)")
                    .arg(percent);
    }
    mUi->trianglesStatsLabel->setText(line);
}

void ZelExportSettingsPanel::showTab(int pIndex)
{
    if (pIndex == mActiveTab)
        return;
    setTabVisible(pIndex);
    mActiveTab = pIndex;
    emit activeTabChanged(pIndex);
}

void ZelExportSettingsPanel::onImageSettingsChanged(const ExportModel& pModel)
{
    mFillingGuard = false;
    const ImageExportSettings& image = pModel.getImageExportSettings();
    {
        const QSignalBlocker definitionBlocker(mUi->definitionCombobox);
        const QSignalBlocker superSamplingBlocker(mUi->SuperSamplingComboBox);
        const QSignalBlocker overrideBlocker(mUi->overrideBgCheckBox);

        int definition = 0;
        for (int index = 0; index < mUi->definitionCombobox->count(); ++index) {
            if (mUi->definitionCombobox->itemData(index).toSize() == image.imageSize)
                definition = index;
        }
        mUi->definitionCombobox->setCurrentIndex(definition);
        mBackgroundColor = image.backgroundColor;
        mUi->overrideBgCheckBox->setChecked(image.overrideBackground);
        mUi->backgroundColorButton->setEnabled(image.overrideBackground);
        refreshImageButtonColors(image.overrideBackground);
        mUi->SuperSamplingComboBox->setCurrentIndex(image.superSampling);
    }
    mFillingGuard = true;
}

void ZelExportSettingsPanel::onSvgSettingsChanged(const ExportModel& pModel)
{
    mFillingGuard = false;
    const SVGExportSettings& svg = pModel.getSVGExportSettings();
    {
        const QSignalBlocker canvasBlocker(mUi->canvasSizeCombobox);
        const qint64 canvas = packCanvas(svg.canvasWidth, svg.canvasHeight);
        for (int index = 0; index < mUi->canvasSizeCombobox->count(); ++index) {
            if (mUi->canvasSizeCombobox->itemData(index).toLongLong() == canvas)
                mUi->canvasSizeCombobox->setCurrentIndex(index);
        }
    }
    mSalientColor = svg.salientEdgeColor;
    mSilhouetteColor = svg.silhouetteEdgeColor;
    refreshSvgButtonColors();
    {
        const QSignalBlocker silhouetteBlocker(mUi->silhouetteEdgeWidthSpinBox);
        const QSignalBlocker salientBlocker(mUi->salientEdgeWidthSpinBox);
        mUi->silhouetteEdgeWidthSpinBox->setValue(double(svg.silhouetteEdgeWidth));
        mUi->salientEdgeWidthSpinBox->setValue(double(svg.salientEdgeWidth));
    }
    mFillingGuard = true;
}

void ZelExportSettingsPanel::onBomSettingsChanged(const ExportModel& pModel)
{
    mFillingGuard = false;
    const BOMExportSettings& bom = pModel.getBOMExportSettings();
    // Not blocked: a change of format runs its slot, whose triple the record's strings
    // then replace.
    mUi->bomFormatComboBox->setCurrentIndex(bom.columnSeparator == QLatin1String(";") ? 1 : 0);
    mColumnSeparator = bom.columnSeparator;
    mDecimalSeparator = bom.decimalSeparator;
    mStringDelimiter = bom.stringDelimiter;
    {
        const QSignalBlocker headersBlocker(mUi->mHeaderSelectorWidget);
        mUi->mHeaderSelectorWidget->setHeaders(bom.headers);
    }
    mFillingGuard = true;
}

void ZelExportSettingsPanel::onGeometrySettingsChanged(const ExportModel& pModel)
{
    mFillingGuard = false;
    const GeometryExportSettings& geometry = pModel.getGeometryExportSettings();
    const quint64 triangles = sceneTriangles();
    if (triangles != 0) {
        mUi->simplifNoTrianglesSpinBox->setMaximum(
            static_cast<int>(std::min<quint64>(triangles, INT_MAX)));
    }
    {
        const QSignalBlocker trianglesBlocker(mUi->simplifNoTrianglesSpinBox);
        const QSignalBlocker ratioBlocker(mUi->simplifRatioSpinBox);
        const QSignalBlocker scatteredBlocker(mUi->scatteredExport);
        const QSignalBlocker hiddenBlocker(mUi->hiddenBranchesCheckbox);

        mUi->simplifNoTrianglesSpinBox->setSingleStep(static_cast<int>(
            std::min(double(kMaxTrianglesStep), std::trunc(double(triangles) * 0.1))));

        // The radio buttons are not blocked: a change of state runs its slot first.
        const double simplification = geometry.simplification;
        if (simplification == 0.0) {
            mUi->noSimplifButton->setChecked(true);
            mSimplificationState = NoSimplification;
        } else if (simplification < 0.0) {
            mUi->simplifRatioButton->setChecked(true);
            mUi->simplifRatioSpinBox->setValue(truncatedToInt(-simplification));
            mSimplificationState = RatioSimplification;
        } else {
            mUi->simplifNoTrianglesButton->setChecked(true);
            mUi->simplifNoTrianglesSpinBox->setValue(truncatedToInt(simplification));
            mSimplificationState = TargetTrianglesSimplification;
        }
        mUi->preview3DButton->setEnabled(simplification != 0.0);

        updateTrianglesStatsLabel();
        mUi->scatteredExport->setChecked(geometry.scatteredExport);
        mUi->hiddenBranchesCheckbox->setChecked(geometry.keepHiddenBranches);
    }
    updateTrianglesStatsLabel();
    mFillingGuard = true;
}

void ZelExportSettingsPanel::onSettingsChanged()
{
    ExportModel model;
    readSettings(model);
    applyModel(model);
}

void ZelExportSettingsPanel::on_previewIMGButton_toggled(bool pChecked)
{
    emit previewToggled(pChecked);
}

void ZelExportSettingsPanel::on_previewVECButton_toggled(bool pChecked)
{
    emit previewToggled(pChecked);
}

void ZelExportSettingsPanel::on_preview3DButton_toggled(bool pChecked)
{
    emit previewToggled(pChecked);
}

void ZelExportSettingsPanel::on_exportIMGButton_clicked()
{
    emit exportRequested();
}

void ZelExportSettingsPanel::on_exportVECButton_clicked()
{
    exportVector(false);
}

void ZelExportSettingsPanel::on_exportVECMoreButton_clicked()
{
    QMenu menu(this);
    const QAction* asImage =
        menu.addAction(QCoreApplication::translate("", "Export as image"));
    const QPoint corner = mUi->exportVECMoreButton->rect().bottomLeft();
    if (menu.exec(mUi->exportVECMoreButton->mapToGlobal(corner)) == asImage)
        exportVector(true);
}

void ZelExportSettingsPanel::on_exportBOMButton_clicked()
{
    emit exportRequested();
}

void ZelExportSettingsPanel::on_export3DButton_clicked()
{
    emit exportRequested();
}

void ZelExportSettingsPanel::on_definitionCombobox_currentIndexChanged(int)
{
    emit stateChanged();
}

void ZelExportSettingsPanel::on_SuperSamplingComboBox_currentIndexChanged(int)
{
    emit stateChanged();
}

void ZelExportSettingsPanel::on_overrideBgCheckBox_stateChanged(int pState)
{
    const bool enabled = pState == Qt::Checked;
    mUi->backgroundColorButton->setEnabled(enabled);
    refreshImageButtonColors(enabled);
    emit stateChanged();
}

void ZelExportSettingsPanel::on_backgroundColorButton_clicked()
{
    const QColor color = km::ColorDialog::GetColor(mBackgroundColor, true, this);
    if (!color.isValid())
        return;
    mBackgroundColor = color;
    refreshImageButtonColors(true);
    emit stateChanged();
}

void ZelExportSettingsPanel::on_canvasSizeCombobox_currentIndexChanged(int)
{
    emit stateChanged();
}

void ZelExportSettingsPanel::on_salientEdgeColorButton_clicked()
{
    const QColor color = km::ColorDialog::GetColor(mSalientColor, false, this);
    if (!color.isValid())
        return;
    mSalientColor = color;
    refreshSvgButtonColors();
    emit stateChanged();
}

void ZelExportSettingsPanel::on_silhouetteEdgeColorButton_clicked()
{
    const QColor color = km::ColorDialog::GetColor(mSilhouetteColor, false, this);
    if (!color.isValid())
        return;
    mSilhouetteColor = color;
    refreshSvgButtonColors();
    emit stateChanged();
}

void ZelExportSettingsPanel::on_salientEdgeWidthSpinBox_valueChanged(double)
{
    emit stateChanged();
}

void ZelExportSettingsPanel::on_silhouetteEdgeWidthSpinBox_valueChanged(double)
{
    emit stateChanged();
}

void ZelExportSettingsPanel::on_resetSVGButton_clicked()
{
    // The canvas is left alone: only the edge look goes back to the host's defaults.
    const SVGExportSettings defaults;
    mSilhouetteColor = defaults.silhouetteEdgeColor;
    mSalientColor = defaults.salientEdgeColor;
    mUi->salientEdgeWidthSpinBox->setValue(double(defaults.salientEdgeWidth));
    mUi->silhouetteEdgeWidthSpinBox->setValue(double(defaults.silhouetteEdgeWidth));
    refreshSvgButtonColors();
    emit stateChanged();
}

void ZelExportSettingsPanel::on_bomFormatComboBox_currentIndexChanged(int pIndex)
{
    const bool french = pIndex == 1;
    mColumnSeparator = french ? QStringLiteral(";") : QStringLiteral(",");
    mDecimalSeparator = french ? QStringLiteral(",") : QStringLiteral(".");
    mStringDelimiter = QStringLiteral("\"");
    emit stateChanged();
}

void ZelExportSettingsPanel::on_scatteredExport_stateChanged(int)
{
    emit stateChanged();
}

void ZelExportSettingsPanel::on_hiddenBranchesCheckbox_stateChanged(int)
{
    emit stateChanged();
}

void ZelExportSettingsPanel::on_noSimplifButton_toggled(bool pChecked)
{
    if (!pChecked || mSimplificationState == NoSimplification)
        return;
    emit previewToggled(false);
    setSimplificationState(NoSimplification);
    emit stateChanged();
}

void ZelExportSettingsPanel::on_simplifRatioButton_toggled(bool pChecked)
{
    if (!pChecked || mSimplificationState == RatioSimplification)
        return;
    setSimplificationState(RatioSimplification);
    emit stateChanged();
}

void ZelExportSettingsPanel::on_simplifNoTrianglesButton_toggled(bool pChecked)
{
    if (!pChecked || mSimplificationState == TargetTrianglesSimplification)
        return;
    setSimplificationState(TargetTrianglesSimplification);
    emit stateChanged();
}

void ZelExportSettingsPanel::on_simplifRatioSpinBox_valueChanged(int)
{
    if (mSimplificationState != RatioSimplification)
        return;
    updateTrianglesStatsLabel();
    emit stateChanged();
}

void ZelExportSettingsPanel::on_simplifNoTrianglesSpinBox_valueChanged(int)
{
    if (mSimplificationState != TargetTrianglesSimplification)
        return;
    updateTrianglesStatsLabel();
    emit stateChanged();
}

void ZelExportSettingsPanel::saveSettingsInternal()
{
    FiguraExportSettings& record = mApplication->grabFiguraExportSettings();
    ExportModel model;
    readSettings(model);
    getCurrentModel(model);
    // Each setter may announce its change, and the widgets follow the record; the model
    // has been read by then.
    record.setImageExportSettings(model.getImageExportSettings());
    record.setSVGExportSettings(model.getSVGExportSettings());
    record.setBOMExportSettings(model.getBOMExportSettings());
    record.setGeometryExportSettings(model.getGeometryExportSettings());
}

void ZelExportSettingsPanel::saveImageSettings()
{
    if (!mFillingGuard)
        return;
    mApplication->grabFiguraExportSettings().setImageExportSettings(currentImageSettings());
}

void ZelExportSettingsPanel::getCurrentModel(ExportModel& pModel) const
{
    pModel.setImageExportSettings(currentImageSettings());

    SVGExportSettings svg;
    const int canvas = mUi->canvasSizeCombobox->currentData().toInt();
    svg.canvasWidth = canvas & kCanvasWidthMask;
    svg.canvasHeight = canvas >> kCanvasHeightShift;
    svg.salientEdgeColor = mSalientColor;
    svg.salientEdgeWidth = float(mUi->salientEdgeWidthSpinBox->value());
    svg.silhouetteEdgeColor = mSilhouetteColor;
    svg.silhouetteEdgeWidth = float(mUi->silhouetteEdgeWidthSpinBox->value());
    svg.exportAsImage = pModel.getSVGExportSettings().exportAsImage;
    pModel.setSVGExportSettings(svg);

    BOMExportSettings bom;
    bom.columnSeparator = mColumnSeparator;
    bom.decimalSeparator = mDecimalSeparator;
    bom.stringDelimiter = mStringDelimiter;
    bom.groupByComponent = false;
    bom.headers = mUi->mHeaderSelectorWidget->getHeaders();
    pModel.setBOMExportSettings(bom);

    GeometryExportSettings geometry;
    switch (mSimplificationState) {
    case NoSimplification:
        geometry.simplification = 0.0f;
        break;
    case RatioSimplification:
        geometry.simplification = -float(mUi->simplifRatioSpinBox->value());
        break;
    case TargetTrianglesSimplification:
        geometry.simplification = float(mUi->simplifNoTrianglesSpinBox->value());
        break;
    }
    geometry.scatteredExport = mUi->scatteredExport->isChecked();
    geometry.keepHiddenBranches = mUi->hiddenBranchesCheckbox->isChecked();
    pModel.setGeometryExportSettings(geometry);
}

void ZelExportSettingsPanel::applyModel(const ExportModel& pModel)
{
    onImageSettingsChanged(pModel);
    onSvgSettingsChanged(pModel);
    onBomSettingsChanged(pModel);
    onGeometrySettingsChanged(pModel);
}

void ZelExportSettingsPanel::readSettings(ExportModel& pModel) const
{
    pModel = mApplication->getFiguraExportSettings();
}

void ZelExportSettingsPanel::getDefaultSettings(ExportModel&) const
{
    // A default-constructed record already carries the host's defaults.
}

ImageExportSettings ZelExportSettingsPanel::currentImageSettings() const
{
    ImageExportSettings image;
    image.imageSize = mUi->definitionCombobox->currentData().toSize();
    image.overrideBackground = mUi->overrideBgCheckBox->isChecked();
    image.backgroundColor = mBackgroundColor;
    image.superSampling = mUi->SuperSamplingComboBox->currentData().toInt();
    return image;
}

void ZelExportSettingsPanel::exportVector(bool pAsImage)
{
    ExportModel model;
    getCurrentModel(model);
    SVGExportSettings svg = model.getSVGExportSettings();
    svg.exportAsImage = pAsImage;
    mApplication->grabFiguraExportSettings().setSVGExportSettings(svg);
    emit exportRequested();
}

void ZelExportSettingsPanel::setTabVisible(int pIndex)
{
    const QList<QPushButton*> tabButtons = {mUi->mSetting2DPushButton,
                                            mUi->mSettingVecPushButton,
                                            mUi->mSettingBOMPushButton,
                                            mUi->mSetting3DPushButton};
    for (int index = 0; index < mTabPages.size(); ++index) {
        mTabPages[index]->setVisible(index == pIndex);
        setTabButtonChecked(tabButtons[index], index == pIndex);
    }
}

void ZelExportSettingsPanel::setSimplificationState(tSimplificationState pState)
{
    mSimplificationState = pState;
    mUi->preview3DButton->setEnabled(pState != NoSimplification);
    updateTrianglesStatsLabel();
}

void ZelExportSettingsPanel::refreshImageButtonColors(bool pEnabled)
{
    const QColor color = pEnabled ? mBackgroundColor : kDisabledSwatchColor;
    mUi->backgroundColorButton->setStyleSheet(
        QStringLiteral("background-color:")
        + QStringLiteral("rgba(%1,%2,%3,%4)")
              .arg(color.red())
              .arg(color.green())
              .arg(color.blue())
              .arg(color.alpha())
        + QLatin1Char(';'));
}

void ZelExportSettingsPanel::refreshSvgButtonColors()
{
    const QString sheet = QStringLiteral("background-color:\"%1\"");
    mUi->salientEdgeColorButton->setStyleSheet(sheet.arg(mSalientColor.name()));
    mUi->silhouetteEdgeColorButton->setStyleSheet(sheet.arg(mSilhouetteColor.name()));
}

quint64 ZelExportSettingsPanel::sceneTriangles() const
{
    const kmDMRenderer* renderer = mApplication->getRenderer();
    const zelSceneGraphAnalyzer* analyzer = renderer ? renderer->getSceneGraphAnalyzer()
                                                     : nullptr;
    if (!analyzer)
        return 0;
    quint64 components = 0;
    quint64 instances = 0;
    quint64 parts = 0;
    quint64 bodies = 0;
    quint64 faces = 0;
    quint64 triangles = 0;
    quint64 edges = 0;
    analyzer->getSceneStats(components, instances, parts, bodies, faces, triangles, edges,
                            false);
    return triangles;
}

void ZelExportSettingsPanel::fillLists()
{
    const QSignalBlocker definitionBlocker(mUi->definitionCombobox);
    const QSignalBlocker canvasBlocker(mUi->canvasSizeCombobox);
    const QSignalBlocker superSamplingBlocker(mUi->SuperSamplingComboBox);

    for (const Definition& definition : kDefinitions) {
        mUi->definitionCombobox->addItem(
            QCoreApplication::translate("ScreenshotProfileWidget", definition.text),
            QSize(definition.width, definition.height));
    }

    mUi->canvasSizeCombobox->clearCombo();
    for (const Definition& canvas : kCanvases) {
        mUi->canvasSizeCombobox->addItem(
            QString::fromLatin1(canvas.text),
            int(packCanvas(canvas.width, canvas.height)));
    }

    mUi->SuperSamplingComboBox->clearCombo();
    const QStringList levels = {QCoreApplication::translate("ZelExportSettingsPanel", "none"),
                                QCoreApplication::translate("ZelExportSettingsPanel", "4X"),
                                QCoreApplication::translate("ZelExportSettingsPanel", "8X"),
                                QCoreApplication::translate("ZelExportSettingsPanel", "16X")};
    for (int level = 0; level < levels.size(); ++level)
        mUi->SuperSamplingComboBox->addItem(levels[level], level);
}

} // namespace zel
