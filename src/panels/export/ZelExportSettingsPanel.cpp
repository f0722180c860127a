#include "ZelExportSettingsPanel.h"

#include "ColorDialog.h"
#include "ExportRecordMapping.h"
#include "ExportToolLayout.h"
#include "HeaderSelectorWidget.h"
#include "ZelSettingKeys.h"
#include "kmDMIApplication.h"
#include "kmDMRenderer.h"
#include "zelFormat.h"
#include "zelSceneGraphAnalyzer.h"
#include "ui_ZelExportSettingsPanel.h"

#include <QCoreApplication>
#include <QLayout>
#include <QMenu>
#include <QSettings>
#include <QSignalBlocker>
#include <QSignalMapper>
#include <QStyledItemDelegate>

#include <algorithm>
#include <cmath>

namespace zel {

using namespace keys;

namespace {


// Redoes the layouts around pWidget up to pTop at once. A line that grows to two lines is
// then never seen cut, not even by a host that looks at the window before the event loop
// has run again, nor after it grew on a page that was hidden.
void settleLayouts(const QWidget* pWidget, const QWidget* pTop)
{
    for (QWidget* widget = pWidget->parentWidget(); widget; widget = widget->parentWidget()) {
        if (QLayout* layout = widget->layout())
            layout->activate();
        if (widget == pTop)
            break;
    }
}

// Showing a widget polishes it and its children at once, even before the panel has its
// host and the host's style: only a widget whose state changes is touched.
void setShownOnChange(QWidget* pWidget, bool pShown)
{
    if (pWidget->isHidden() == pShown)
        pWidget->setVisible(pShown);
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
    , mMapping(new ExportRecordMapping(*mUi))
{
    mUi->setupUi(this);
    setPanelName(QCoreApplication::translate("ZelExportSettingsPanel", "EXPORT", "panel name"));
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

    if (const kmDMRenderer* renderer = mApplication ? mApplication->getRenderer() : nullptr) {
        // The analyzer may count on another thread's behalf; the line follows later.
        connect(renderer->getSceneGraphAnalyzer(), &zelSceneGraphAnalyzer::sceneStatsChanged,
                this, &ZelExportSettingsPanel::updateTrianglesStatsLabel, Qt::QueuedConnection);
    }

    mUi->definitionCombobox->setItemDelegate(mDefinitionDelegate);
    mUi->canvasSizeCombobox->setItemDelegate(mCanvasDelegate);
    mUi->mHeaderSelectorWidget->setApplication(mApplication);
    connect(mUi->mHeaderSelectorWidget, &HeaderSelectorWidget::headersChanged, this,
            &ZelExportSettingsPanel::stateChanged);

    mMapping->fillLists();

    setShownOnChange(mUi->inSettingsFrame, pSettingsLayout);
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
    } else {
        // The tool is narrow: the name of the format needs the room that the settings page
        // keeps for its column of labels.
        mUi->label_12->setMinimumWidth(0);
        // Owned by the tool's contents.
        new ExportToolLayout(*mUi);
    }
    setShownOnChange(getActionWidget(), pSettingsLayout);

    if (mApplication) {
        // A sub-record that changes is shown again alone: the edits on the other tabs stay.
        const FiguraExportSettings& record = mApplication->getFiguraExportSettings();
        connect(&record, &FiguraExportSettings::imageExportSettingsChanged, this,
                [this, &record]() { onImageSettingsChanged(record); });
        connect(&record, &FiguraExportSettings::svgExportSettingsChanged, this,
                [this, &record]() { onSvgSettingsChanged(record); });
        connect(&record, &FiguraExportSettings::bomExportSettingsChanged, this,
                [this, &record]() { onBomSettingsChanged(record); });
        connect(&record, &FiguraExportSettings::geometryExportSettingsChanged, this,
                [this, &record]() { onGeometrySettingsChanged(record); });
    }

    // Every page starts hidden, so that a stored index of -1, which showTab takes for the
    // tab already shown, leaves no page visible like any other index out of range.
    setTabVisible(-1);
    const QSettings* store = mApplication && mApplication->getSettings()
                                 ? mApplication->getSettings()
                                 : mSettings;
    showTab(store->value(kLastExportModuleKey, 0).toInt());
}

ZelExportSettingsPanel::~ZelExportSettingsPanel()
{
    delete mDefinitionDelegate;
    delete mCanvasDelegate;
    delete mTabMapper;
    delete mMapping;
    delete mUi;
}

void ZelExportSettingsPanel::initializeWidget()
{
    updateTrianglesStatsLabel();
    onSettingsChanged();
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
    // Half-filled controls are no edit; before the first filling they hold no record at all.
    if (mFillingGuard && hasModifications())
        saveSettingsInternal();
    // Export settings never ask for a restart.
    return false;
}

bool ZelExportSettingsPanel::cancelModifications()
{
    if (!hasModifications())
        return false;
    onSettingsChanged();
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

void ZelExportSettingsPanel::changeEvent(QEvent* pEvent)
{
    if (pEvent->type() == QEvent::LanguageChange) {
        mUi->retranslateUi(this);
        mMapping->retranslateLists();
        updateTrianglesStatsLabel();
        setPanelName(QCoreApplication::translate("ZelExportSettingsPanel", "EXPORT", "panel name"));
    }
    ZelSettingsPanel::changeEvent(pEvent);
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
        setStatisticsLine(
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
    setStatisticsLine(line);
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
    mMapping->showImage(pModel.getImageExportSettings());
    mFillingGuard = true;
}

void ZelExportSettingsPanel::onSvgSettingsChanged(const ExportModel& pModel)
{
    mFillingGuard = false;
    mMapping->showSvg(pModel.getSVGExportSettings());
    mFillingGuard = true;
}

void ZelExportSettingsPanel::onBomSettingsChanged(const ExportModel& pModel)
{
    mFillingGuard = false;
    mMapping->showBom(pModel.getBOMExportSettings());
    mFillingGuard = true;
}

void ZelExportSettingsPanel::onGeometrySettingsChanged(const ExportModel& pModel)
{
    mFillingGuard = false;
    const tSimplificationState before = mMapping->simplificationState();
    const GeometryExportSettings& geometry = pModel.getGeometryExportSettings();
    mMapping->showGeometry(geometry, sceneTriangles());
    mUi->preview3DButton->setEnabled(geometry.simplification != 0.0f);
    updateTrianglesStatsLabel();
    mFillingGuard = true;
    // Without a simplification there is nothing left to preview; told once the controls
    // hold the whole record, so that a host that applies then writes it unchanged.
    if (before != NoSimplification && mMapping->simplificationState() == NoSimplification)
        emit previewToggled(false);
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
    mMapping->refreshImageButtonColors(enabled);
    emit stateChanged();
}

void ZelExportSettingsPanel::on_backgroundColorButton_clicked()
{
    const QColor color = km::ColorDialog::GetColor(mMapping->backgroundColor(), true, this);
    if (!color.isValid())
        return;
    mMapping->setBackgroundColor(color);
    mMapping->refreshImageButtonColors(true);
    emit stateChanged();
}

void ZelExportSettingsPanel::on_canvasSizeCombobox_currentIndexChanged(int)
{
    emit stateChanged();
}

void ZelExportSettingsPanel::on_salientEdgeColorButton_clicked()
{
    const QColor color = km::ColorDialog::GetColor(mMapping->salientColor(), false, this);
    if (!color.isValid())
        return;
    mMapping->setSalientColor(color);
    mMapping->refreshSvgButtonColors();
    emit stateChanged();
}

void ZelExportSettingsPanel::on_silhouetteEdgeColorButton_clicked()
{
    const QColor color = km::ColorDialog::GetColor(mMapping->silhouetteColor(), false, this);
    if (!color.isValid())
        return;
    mMapping->setSilhouetteColor(color);
    mMapping->refreshSvgButtonColors();
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
    mMapping->setSilhouetteColor(defaults.silhouetteEdgeColor);
    mMapping->setSalientColor(defaults.salientEdgeColor);
    mUi->salientEdgeWidthSpinBox->setValue(double(defaults.salientEdgeWidth));
    mUi->silhouetteEdgeWidthSpinBox->setValue(double(defaults.silhouetteEdgeWidth));
    mMapping->refreshSvgButtonColors();
    emit stateChanged();
}

void ZelExportSettingsPanel::on_bomFormatComboBox_currentIndexChanged(int pIndex)
{
    mMapping->chooseBomFormat(pIndex);
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
    if (!pChecked || mMapping->simplificationState() == NoSimplification)
        return;
    emit previewToggled(false);
    setSimplificationState(NoSimplification);
    emit stateChanged();
}

void ZelExportSettingsPanel::on_simplifRatioButton_toggled(bool pChecked)
{
    if (!pChecked || mMapping->simplificationState() == RatioSimplification)
        return;
    setSimplificationState(RatioSimplification);
    emit stateChanged();
}

void ZelExportSettingsPanel::on_simplifNoTrianglesButton_toggled(bool pChecked)
{
    if (!pChecked || mMapping->simplificationState() == TargetTrianglesSimplification)
        return;
    setSimplificationState(TargetTrianglesSimplification);
    emit stateChanged();
}

void ZelExportSettingsPanel::on_simplifRatioSpinBox_valueChanged(int)
{
    if (mMapping->simplificationState() != RatioSimplification)
        return;
    updateTrianglesStatsLabel();
    emit stateChanged();
}

void ZelExportSettingsPanel::on_simplifNoTrianglesSpinBox_valueChanged(int)
{
    if (mMapping->simplificationState() != TargetTrianglesSimplification)
        return;
    updateTrianglesStatsLabel();
    emit stateChanged();
}

void ZelExportSettingsPanel::setTabVisible(int pIndex)
{
    const QList<QPushButton*> tabButtons = {mUi->mSetting2DPushButton,
                                            mUi->mSettingVecPushButton,
                                            mUi->mSettingBOMPushButton,
                                            mUi->mSetting3DPushButton};
    for (int index = 0; index < mTabPages.size(); ++index) {
        setShownOnChange(mTabPages[index], index == pIndex);
        setTabButtonChecked(tabButtons[index], index == pIndex);
    }
}

void ZelExportSettingsPanel::setSimplificationState(tSimplificationState pState)
{
    mMapping->setSimplificationState(pState);
    mUi->preview3DButton->setEnabled(pState != NoSimplification);
    updateTrianglesStatsLabel();
}

void ZelExportSettingsPanel::setStatisticsLine(const QString& pLine)
{
    if (mUi->trianglesStatsLabel->text() == pLine)
        return;
    mUi->trianglesStatsLabel->setText(pLine);
    // A hidden panel is laid out as it is shown; laying it out now would style it early.
    if (isVisible())
        settleLayouts(mUi->trianglesStatsLabel, this);
}

quint64 ZelExportSettingsPanel::sceneTriangles() const
{
    const kmDMRenderer* renderer = mApplication ? mApplication->getRenderer() : nullptr;
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

} // namespace zel
