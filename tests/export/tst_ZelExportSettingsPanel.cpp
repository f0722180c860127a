#include "ZelExportSettingsPanel.h"

#include "HeaderSelectorWidget.h"
#include "SettingsDialog.h"
#include "ZelControlCenter.h"
#include "kmDMIApplication.h"
#include "kmDMManager.h"
#include "kmDMRenderer.h"
#include "zelSceneGraphAnalyzer.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

using zel::BOMExportSettings;
using zel::FiguraExportSettings;
using zel::GeometryExportSettings;
using zel::ImageExportSettings;
using zel::SVGExportSettings;
using zel::ZelExportSettingsPanel;

namespace {

const char kTabKey[] = "folders/lastexportmodule";
const char* const kPages[] = {"mTabbedWidgetImg", "mTabbedWidgetVec", "mTabbedWidgetBOM",
                              "mTabbedWidget3D"};
const char* const kTabButtons[] = {"mSetting2DPushButton", "mSettingVecPushButton",
                                   "mSettingBOMPushButton", "mSetting3DPushButton"};

template <class T>
T* child(const QWidget* pParent, const char* pName)
{
    T* widget = pParent->findChild<T*>(QString::fromLatin1(pName));
    if (!widget)
        qFatal("no child %s", pName);
    return widget;
}

// Runs pAnswer on the first pop-up or modal window to appear, while the code under test
// sits in its exec().
void answerWhenShown(std::function<QWidget*()> pFind, std::function<void(QWidget*)> pAnswer)
{
    QTimer::singleShot(10, [pFind, pAnswer]() {
        if (QWidget* window = pFind())
            pAnswer(window);
        else
            answerWhenShown(pFind, pAnswer);
    });
}

void answerModal(std::function<void(QWidget*)> pAnswer)
{
    answerWhenShown([]() { return QApplication::activeModalWidget(); }, pAnswer);
}

void answerPopup(std::function<void(QWidget*)> pAnswer)
{
    answerWhenShown([]() { return QApplication::activePopupWidget(); }, pAnswer);
}

// Near the left edge, where check boxes and radio buttons draw their indicator.
void click(QAbstractButton* pButton)
{
    QTest::mouseClick(pButton, Qt::LeftButton, Qt::NoModifier, QPoint(4, pButton->height() / 2));
}

} // namespace

// Exposes the image-only write that a host's own export tool may build on.
class ImageSavingPanel : public ZelExportSettingsPanel
{
public:
    using ZelExportSettingsPanel::ZelExportSettingsPanel;
    using ZelExportSettingsPanel::saveImageSettings;
};

class tst_ZelExportSettingsPanel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    // The record and the widgets.
    void initializeWidget_showsTheRecord();
    void definitionNotInList_showsFirstAndWritesItBack();
    void bomFormat_keepsRecordStringsUntilPicked();
    void showing_emitsFromUnblockedControls_data();
    void showing_emitsFromUnblockedControls();
    void simplification_readsBackExactly_data();
    void simplification_readsBackExactly();
    void exportAsImage_isNotAnEditOfThePanel();
    void applyAndCancel_withoutModifications();
    void applyAndCancel_withModifications();
    void reset_doesNothing();
    void followsChangesOfTheRecord();
    void headers_travelWithTheRecord();
    void colourDialogs_data();
    void colourDialogs();
    void saveImageSettings_waitsForTheFirstFill();
    void settingsLayout_inBothHosts_data();
    void settingsLayout_inBothHosts();

    // The export tool.
    void tabs_clickShowsPageOnce();
    void storedTab_data();
    void storedTab();
    void simplification_stateMachineSignals();
    void statisticsLine_data();
    void statisticsLine();
    void targetSpinBox_followsTheScene_data();
    void targetSpinBox_followsTheScene();
    void overrideCheckBox_greysSwatchAndKeepsColour();
    void exportButtonStates_leaveChevronAlone();
    void resetSvg_restoresEdgesNotCanvas();
    void vectorExports_writeRecordBeforeRequest_data();
    void vectorExports_writeRecordBeforeRequest();
    void exportAsImageMenu_dismissedDoesNothing();
    void previewAndExportButtons_signal();

private:
    ZelExportSettingsPanel* makePanel(bool pSettingsLayout);
    FiguraExportSettings& record() { return mApplication->grabFiguraExportSettings(); }
    void setTriangles(quint64 pTriangles);
    void showPanel();

    std::unique_ptr<QTemporaryDir> mDir;
    std::unique_ptr<QSettings> mSettings;
    std::unique_ptr<zel::kmDMIApplication> mApplication;
    std::unique_ptr<ZelExportSettingsPanel> mPanel;
};

void tst_ZelExportSettingsPanel::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QLocale::setDefault(QLocale::c());
}

void tst_ZelExportSettingsPanel::init()
{
    mDir = std::make_unique<QTemporaryDir>();
    QVERIFY(mDir->isValid());
    mSettings = std::make_unique<QSettings>(mDir->filePath("settings.ini"),
                                            QSettings::IniFormat);
    mApplication = std::make_unique<zel::kmDMIApplication>();
    mApplication->setSettings(mSettings.get());
    zel::AttributesDictionary& dictionary =
        mApplication->getDMManager()->getAttributesDictionary();
    dictionary.setComponentAttributeNames({"Name", "Mass"});
    dictionary.setInstanceAttributeNames({"Name", "Position"});
}

void tst_ZelExportSettingsPanel::cleanup()
{
    mPanel.reset();
    mApplication.reset();
    mSettings.reset();
    mDir.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

ZelExportSettingsPanel* tst_ZelExportSettingsPanel::makePanel(bool pSettingsLayout)
{
    mPanel = std::make_unique<ZelExportSettingsPanel>(pSettingsLayout, mApplication.get(),
                                                      *mSettings);
    return mPanel.get();
}

void tst_ZelExportSettingsPanel::setTriangles(quint64 pTriangles)
{
    zel::zelSceneGraphAnalyzer::SceneStats stats;
    stats.triangles = pTriangles;
    mApplication->getRenderer()->getSceneGraphAnalyzer()->setSceneStats(stats);
}

void tst_ZelExportSettingsPanel::showPanel()
{
    mPanel->resize(925, 1160);
    mPanel->show();
    QVERIFY(QTest::qWaitForWindowExposed(mPanel.get()));
}

void tst_ZelExportSettingsPanel::initializeWidget_showsTheRecord()
{
    ImageExportSettings image;
    image.imageSize = QSize(1280, 720);
    image.backgroundColor = QColor(10, 20, 30, 40);
    image.superSampling = 2;
    image.overrideBackground = true;
    record().setImageExportSettings(image);
    SVGExportSettings svg;
    svg.canvasWidth = 420;
    svg.canvasHeight = 297;
    svg.salientEdgeColor = QColor(255, 0, 0);
    svg.salientEdgeWidth = 0.25f;
    svg.silhouetteEdgeColor = QColor(0, 0, 255);
    svg.silhouetteEdgeWidth = 1.5f;
    record().setSVGExportSettings(svg);
    GeometryExportSettings geometry;
    geometry.simplification = 5000.0f;
    geometry.scatteredExport = true;
    geometry.keepHiddenBranches = false;
    record().setGeometryExportSettings(geometry);

    ZelExportSettingsPanel* panel = makePanel(true);
    panel->initializeWidget();

    QCOMPARE(panel->getPanelName(), QString("EXPORT"));
    QCOMPARE(panel->getPanelCategory(), zel::ZelSettingsPanel::DataExchangeCategory);
    QCOMPARE(child<QComboBox>(panel, "definitionCombobox")->currentText(),
             QString("1280 x 720"));
    QCOMPARE(child<QComboBox>(panel, "SuperSamplingComboBox")->currentText(), QString("8X"));
    QVERIFY(child<QCheckBox>(panel, "overrideBgCheckBox")->isChecked());
    QVERIFY(child<QPushButton>(panel, "backgroundColorButton")->isEnabled());
    QCOMPARE(child<QPushButton>(panel, "backgroundColorButton")->styleSheet(),
             QString("background-color:rgba(10,20,30,40);"));
    QCOMPARE(child<QComboBox>(panel, "canvasSizeCombobox")->currentText(),
             QString("A3 landscape"));
    QCOMPARE(child<QComboBox>(panel, "canvasSizeCombobox")->count(), 6);
    QCOMPARE(child<QPushButton>(panel, "salientEdgeColorButton")->styleSheet(),
             QString("background-color:\"#ff0000\""));
    QCOMPARE(child<QPushButton>(panel, "silhouetteEdgeColorButton")->styleSheet(),
             QString("background-color:\"#0000ff\""));
    QCOMPARE(child<QDoubleSpinBox>(panel, "salientEdgeWidthSpinBox")->value(), 0.25);
    QCOMPARE(child<QDoubleSpinBox>(panel, "silhouetteEdgeWidthSpinBox")->value(), 1.5);
    QVERIFY(child<QRadioButton>(panel, "simplifNoTrianglesButton")->isChecked());
    QCOMPARE(child<QSpinBox>(panel, "simplifNoTrianglesSpinBox")->value(), 5000);
    QVERIFY(child<QPushButton>(panel, "preview3DButton")->isEnabled());
    QVERIFY(child<QCheckBox>(panel, "scatteredExport")->isChecked());
    QVERIFY(!child<QCheckBox>(panel, "hiddenBranchesCheckbox")->isChecked());
    QVERIFY(!panel->hasModifications());
}

void tst_ZelExportSettingsPanel::definitionNotInList_showsFirstAndWritesItBack()
{
    ImageExportSettings image;
    image.imageSize = QSize(1000, 1000);
    record().setImageExportSettings(image);
    ZelExportSettingsPanel* panel = makePanel(true);
    panel->initializeWidget();

    QCOMPARE(child<QComboBox>(panel, "definitionCombobox")->currentText(),
             QString("4096 x 2160"));
    QVERIFY(panel->hasModifications());
    QVERIFY(!panel->applyModifications());
    QCOMPARE(record().getImageExportSettings().imageSize, QSize(4096, 2160));
    QVERIFY(!panel->hasModifications());
}

void tst_ZelExportSettingsPanel::bomFormat_keepsRecordStringsUntilPicked()
{
    BOMExportSettings bom;
    bom.columnSeparator = ";";
    bom.decimalSeparator = "#";
    bom.stringDelimiter = "'";
    record().setBOMExportSettings(bom);
    ZelExportSettingsPanel* panel = makePanel(true);
    showPanel();
    panel->initializeWidget();

    auto* format = child<QComboBox>(panel, "bomFormatComboBox");
    QCOMPARE(format->currentText(), QString("CSV French Version"));
    QVERIFY(!panel->hasModifications());

    click(child<QCheckBox>(panel, "scatteredExport"));
    QVERIFY(panel->hasModifications());
    panel->applyModifications();
    QCOMPARE(record().getGeometryExportSettings().scatteredExport, true);
    QCOMPARE(record().getBOMExportSettings().columnSeparator, QString(";"));
    QCOMPARE(record().getBOMExportSettings().decimalSeparator, QString("#"));
    QCOMPARE(record().getBOMExportSettings().stringDelimiter, QString("'"));

    QTest::keyClick(format, Qt::Key_Up);
    QCOMPARE(format->currentIndex(), 0);
    panel->applyModifications();
    QCOMPARE(record().getBOMExportSettings().columnSeparator, QString(","));
    QCOMPARE(record().getBOMExportSettings().decimalSeparator, QString("."));
    QCOMPARE(record().getBOMExportSettings().stringDelimiter, QString("\""));

    QTest::keyClick(format, Qt::Key_Down);
    panel->applyModifications();
    QCOMPARE(record().getBOMExportSettings().columnSeparator, QString(";"));
    QCOMPARE(record().getBOMExportSettings().decimalSeparator, QString(","));
    QCOMPARE(record().getBOMExportSettings().stringDelimiter, QString("\""));
}

void tst_ZelExportSettingsPanel::showing_emitsFromUnblockedControls_data()
{
    QTest::addColumn<QString>("columnSeparator");
    QTest::addColumn<float>("simplification");
    QTest::addColumn<int>("emissions");

    QTest::addRow("defaults") << "," << 0.0f << 0;
    QTest::addRow("french format") << ";" << 0.0f << 1;
    QTest::addRow("ratio") << "," << -25.0f << 1;
    QTest::addRow("both") << ";" << -25.0f << 2;
}

void tst_ZelExportSettingsPanel::showing_emitsFromUnblockedControls()
{
    QFETCH(QString, columnSeparator);
    QFETCH(float, simplification);
    QFETCH(int, emissions);

    BOMExportSettings bom;
    bom.columnSeparator = columnSeparator;
    record().setBOMExportSettings(bom);
    GeometryExportSettings geometry;
    geometry.simplification = simplification;
    record().setGeometryExportSettings(geometry);
    ZelExportSettingsPanel* panel = makePanel(true);
    QSignalSpy spy(panel, &ZelExportSettingsPanel::stateChanged);
    QVERIFY(spy.isValid());

    panel->initializeWidget();

    QCOMPARE(spy.count(), emissions);
    QCOMPARE(record().getBOMExportSettings().columnSeparator, columnSeparator);
    QVERIFY(!panel->hasModifications());
}

void tst_ZelExportSettingsPanel::simplification_readsBackExactly_data()
{
    QTest::addColumn<float>("shownBefore");
    QTest::addColumn<float>("simplification");
    QTest::addColumn<QString>("checkedButton");
    QTest::addColumn<QString>("spinBoxName");
    QTest::addColumn<int>("spinValue");

    QTest::addRow("ratio") << 0.0f << -25.0f << "simplifRatioButton" << "simplifRatioSpinBox"
                           << 25;
    QTest::addRow("none keeps spin boxes")
        << -40.0f << 0.0f << "noSimplifButton" << "simplifRatioSpinBox" << 40;
    QTest::addRow("target") << 0.0f << 5000.0f << "simplifNoTrianglesButton"
                            << "simplifNoTrianglesSpinBox" << 5000;
}

void tst_ZelExportSettingsPanel::simplification_readsBackExactly()
{
    QFETCH(float, shownBefore);
    QFETCH(float, simplification);
    QFETCH(QString, checkedButton);
    QFETCH(QString, spinBoxName);
    QFETCH(int, spinValue);

    ZelExportSettingsPanel* panel = makePanel(true);
    showPanel();
    GeometryExportSettings geometry;
    geometry.simplification = shownBefore;
    record().setGeometryExportSettings(geometry);
    panel->initializeWidget();
    geometry.simplification = simplification;
    record().setGeometryExportSettings(geometry);

    QVERIFY(child<QRadioButton>(panel, qPrintable(checkedButton))->isChecked());
    QCOMPARE(child<QSpinBox>(panel, qPrintable(spinBoxName))->value(), spinValue);
    QVERIFY(!panel->hasModifications());

    click(child<QCheckBox>(panel, "hiddenBranchesCheckbox"));
    QVERIFY(panel->hasModifications());
    panel->applyModifications();
    QCOMPARE(record().getGeometryExportSettings().simplification, simplification);
    QCOMPARE(record().getGeometryExportSettings().keepHiddenBranches,
             !geometry.keepHiddenBranches);
}

void tst_ZelExportSettingsPanel::exportAsImage_isNotAnEditOfThePanel()
{
    SVGExportSettings svg;
    svg.exportAsImage = true;
    record().setSVGExportSettings(svg);
    ZelExportSettingsPanel* panel = makePanel(true);
    showPanel();
    panel->initializeWidget();
    QVERIFY(!panel->hasModifications());

    QTest::keyClick(child<QDoubleSpinBox>(panel, "salientEdgeWidthSpinBox"), Qt::Key_Up);
    QVERIFY(panel->hasModifications());
    panel->applyModifications();
    QCOMPARE(record().getSVGExportSettings().salientEdgeWidth, svg.salientEdgeWidth + 0.01f);
    QVERIFY(record().getSVGExportSettings().exportAsImage);
}

void tst_ZelExportSettingsPanel::applyAndCancel_withoutModifications()
{
    ZelExportSettingsPanel* panel = makePanel(true);
    panel->initializeWidget();
    QSignalSpy imageSpy(&record(), &FiguraExportSettings::imageExportSettingsChanged);
    QSignalSpy svgSpy(&record(), &FiguraExportSettings::svgExportSettingsChanged);
    QSignalSpy bomSpy(&record(), &FiguraExportSettings::bomExportSettingsChanged);
    QSignalSpy geometrySpy(&record(), &FiguraExportSettings::geometryExportSettingsChanged);
    QSignalSpy stateSpy(panel, &ZelExportSettingsPanel::stateChanged);

    QVERIFY(!panel->hasModifications());
    QVERIFY(!panel->applyModifications());
    QVERIFY(!panel->cancelModifications());

    QCOMPARE(imageSpy.count() + svgSpy.count() + bomSpy.count() + geometrySpy.count(), 0);
    QCOMPARE(stateSpy.count(), 0);
}

void tst_ZelExportSettingsPanel::applyAndCancel_withModifications()
{
    ZelExportSettingsPanel* panel = makePanel(true);
    showPanel();
    panel->initializeWidget();
    auto* salient = child<QDoubleSpinBox>(panel, "salientEdgeWidthSpinBox");
    const double applied = salient->value();

    QTest::keyClick(salient, Qt::Key_Up);
    QVERIFY(panel->hasModifications());
    QVERIFY(panel->cancelModifications());
    QCOMPARE(salient->value(), applied);
    QVERIFY(!panel->hasModifications());

    QTest::keyClick(salient, Qt::Key_Up);
    click(child<QCheckBox>(panel, "overrideBgCheckBox"));
    QVERIFY(!panel->applyModifications());
    QCOMPARE(record().getSVGExportSettings().salientEdgeWidth, float(applied + 0.01));
    QVERIFY(record().getImageExportSettings().overrideBackground);
    QVERIFY(!panel->hasModifications());
    QVERIFY(!panel->cancelModifications());
}

void tst_ZelExportSettingsPanel::reset_doesNothing()
{
    ZelExportSettingsPanel* panel = makePanel(true);
    showPanel();
    panel->initializeWidget();
    auto* salient = child<QDoubleSpinBox>(panel, "salientEdgeWidthSpinBox");
    QTest::keyClick(salient, Qt::Key_Up);
    const double edited = salient->value();
    QSignalSpy spy(panel, &ZelExportSettingsPanel::stateChanged);

    QVERIFY(!panel->canResetContent());
    panel->resetContent();

    QCOMPARE(spy.count(), 0);
    QCOMPARE(salient->value(), edited);
    QVERIFY(panel->hasModifications());
}

void tst_ZelExportSettingsPanel::followsChangesOfTheRecord()
{
    ZelExportSettingsPanel* panel = makePanel(true);
    panel->initializeWidget();

    BOMExportSettings bom;
    bom.headers = QStringList({"Position", "Mass"});
    record().setBOMExportSettings(bom);
    QCOMPARE(panel->findChild<zel::HeaderSelectorWidget*>()->getHeaders(),
             QStringList({"Position", "Mass"}));

    GeometryExportSettings geometry;
    geometry.simplification = -60.0f;
    record().setGeometryExportSettings(geometry);
    QVERIFY(child<QRadioButton>(panel, "simplifRatioButton")->isChecked());
    QCOMPARE(child<QSpinBox>(panel, "simplifRatioSpinBox")->value(), 60);

    ImageExportSettings image;
    image.superSampling = 3;
    record().setImageExportSettings(image);
    QCOMPARE(child<QComboBox>(panel, "SuperSamplingComboBox")->currentText(), QString("16X"));
    QVERIFY(!panel->hasModifications());
}

void tst_ZelExportSettingsPanel::headers_travelWithTheRecord()
{
    BOMExportSettings bom;
    bom.headers = QStringList({"Position", "Unknown", "Mass"});
    record().setBOMExportSettings(bom);
    ZelExportSettingsPanel* panel = makePanel(true);
    showPanel();
    panel->initializeWidget();
    auto* selector = panel->findChild<zel::HeaderSelectorWidget*>();
    QCOMPARE(selector->getHeaders(), QStringList({"Position", "Mass"}));
    QSignalSpy spy(panel, &ZelExportSettingsPanel::stateChanged);

    QTest::mouseClick(child<QPushButton>(selector, "mPushButtonAddAll"), Qt::LeftButton);

    QCOMPARE(spy.count(), 1);
    panel->applyModifications();
    QCOMPARE(record().getBOMExportSettings().headers,
             QStringList({"Mass", "Name", "Position"}));
    QVERIFY(!record().getBOMExportSettings().groupByComponent);
}

void tst_ZelExportSettingsPanel::colourDialogs_data()
{
    QTest::addColumn<QString>("buttonName");
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QString>("sheet");

    QTest::addRow("background accepted")
        << "backgroundColorButton" << true << "background-color:rgba(10,20,30,40);";
    QTest::addRow("background cancelled")
        << "backgroundColorButton" << false << "background-color:rgba(255,255,255,255);";
    QTest::addRow("salient accepted")
        << "salientEdgeColorButton" << true << "background-color:\"#0a141e\"";
    QTest::addRow("salient cancelled")
        << "salientEdgeColorButton" << false << "background-color:\"#000000\"";
    QTest::addRow("silhouette accepted")
        << "silhouetteEdgeColorButton" << true << "background-color:\"#0a141e\"";
    QTest::addRow("silhouette cancelled")
        << "silhouetteEdgeColorButton" << false << "background-color:\"#000000\"";
}

void tst_ZelExportSettingsPanel::colourDialogs()
{
    QFETCH(QString, buttonName);
    QFETCH(bool, accept);
    QFETCH(QString, sheet);

    ImageExportSettings image;
    image.overrideBackground = true;
    record().setImageExportSettings(image);
    ZelExportSettingsPanel* panel = makePanel(true);
    showPanel();
    panel->initializeWidget();
    QSignalSpy spy(panel, &ZelExportSettingsPanel::stateChanged);
    bool answered = false;
    answerModal([accept, &answered](QWidget* pWindow) {
        auto* dialog = qobject_cast<QColorDialog*>(pWindow);
        QVERIFY(dialog);
        answered = true;
        dialog->setCurrentColor(QColor(10, 20, 30, 40));
        if (accept)
            dialog->accept();
        else
            dialog->reject();
    });

    auto* button = child<QPushButton>(panel, qPrintable(buttonName));
    QTest::mouseClick(button, Qt::LeftButton);

    QVERIFY(answered);
    QCOMPARE(button->styleSheet(), sheet);
    QCOMPARE(spy.count(), accept ? 1 : 0);
    QCOMPARE(panel->hasModifications(), accept);
    panel->applyModifications();
    const QColor background = record().getImageExportSettings().backgroundColor;
    const QColor salient = record().getSVGExportSettings().salientEdgeColor;
    const QColor silhouette = record().getSVGExportSettings().silhouetteEdgeColor;
    const QColor chosen = buttonName.startsWith("background") ? background
                        : buttonName.startsWith("salient")    ? salient
                                                              : silhouette;
    QCOMPARE(chosen == QColor(10, 20, 30, 40) || chosen == QColor(10, 20, 30), accept);
}

void tst_ZelExportSettingsPanel::saveImageSettings_waitsForTheFirstFill()
{
    mPanel = std::make_unique<ImageSavingPanel>(false, mApplication.get(), *mSettings);
    auto* panel = static_cast<ImageSavingPanel*>(mPanel.get());
    showPanel();
    QSignalSpy spy(&record(), &FiguraExportSettings::imageExportSettingsChanged);

    // Nothing has been shown yet: the widgets hold the form's values, not the record's.
    panel->saveImageSettings();
    QCOMPARE(spy.count(), 0);

    panel->initializeWidget();
    QTest::keyClick(child<QComboBox>(panel, "definitionCombobox"), Qt::Key_Down);
    click(child<QPushButton>(panel, kTabButtons[1]));
    QTest::keyClick(child<QDoubleSpinBox>(panel, "salientEdgeWidthSpinBox"), Qt::Key_Up);
    panel->saveImageSettings();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(record().getImageExportSettings().imageSize, QSize(1600, 1200));
    QCOMPARE(record().getSVGExportSettings(), SVGExportSettings());
}

void tst_ZelExportSettingsPanel::settingsLayout_inBothHosts_data()
{
    QTest::addColumn<bool>("inDialog");

    QTest::addRow("control center") << false;
    QTest::addRow("settings dialog") << true;
}

void tst_ZelExportSettingsPanel::settingsLayout_inBothHosts()
{
    QFETCH(bool, inDialog);

    ImageExportSettings image;
    image.imageSize = QSize(1280, 720);
    record().setImageExportSettings(image);
    ZelExportSettingsPanel* panel = makePanel(true);
    std::unique_ptr<zel::ZelControlCenter> controlCenter;
    std::unique_ptr<zel::SettingsDialog> dialog;
    // The panel goes before its host, which may hold its tab button, also when a check fails.
    const auto unregisterFirst = qScopeGuard([&]() {
        if (dialog)
            dialog->unregisterSettingsPanel(panel);
        if (controlCenter)
            controlCenter->unregisterSettingsPanel(panel);
        mPanel.reset();
    });
    QWidget* host = nullptr;
    if (inDialog) {
        dialog = std::make_unique<zel::SettingsDialog>(mApplication.get());
        dialog->registerSettingsPanel(panel);
        host = dialog.get();
    } else {
        controlCenter = std::make_unique<zel::ZelControlCenter>(mApplication.get());
        controlCenter->registerSettingsPanel(panel);
        host = controlCenter.get();
    }

    // Registration fills the panel from the record.
    auto* definition = child<QComboBox>(panel, "definitionCombobox");
    QCOMPARE(definition->currentText(), QString("1280 x 720"));
    QCOMPARE(panel->getActionWidget()->text(), QString("EXPORT"));
    QVERIFY(host->isAncestorOf(panel));

    QTest::keyClick(definition, Qt::Key_Down);
    if (controlCenter)
        QVERIFY(controlCenter->hasModifications());
    QTest::mouseClick(child<QPushButton>(host, "applyButton"), Qt::LeftButton);
    QCOMPARE(record().getImageExportSettings().imageSize, QSize(800, 600));
    QVERIFY(!panel->hasModifications());
}

void tst_ZelExportSettingsPanel::tabs_clickShowsPageOnce()
{
    ZelExportSettingsPanel* panel = makePanel(false);
    showPanel();
    QVERIFY(!panel->getActionWidget()->isVisibleTo(panel));
    QCOMPARE(panel->getActiveTab(), 0);
    QSignalSpy spy(panel, &ZelExportSettingsPanel::activeTabChanged);

    for (int tab : {1, 3, 2, 0}) {
        click(child<QPushButton>(panel, kTabButtons[tab]));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.takeFirst().at(0).toInt(), tab);
        QCOMPARE(panel->getActiveTab(), tab);
        for (int page = 0; page < 4; ++page) {
            QCOMPARE(child<QWidget>(panel, kPages[page])->isVisible(), page == tab);
            QCOMPARE(child<QPushButton>(panel, kTabButtons[page])->isChecked(), page == tab);
        }
        click(child<QPushButton>(panel, kTabButtons[tab]));
        QCOMPARE(spy.count(), 0);
    }
}

void tst_ZelExportSettingsPanel::storedTab_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<bool>("inPanelStore");
    QTest::addColumn<int>("activeTab");

    QTest::addRow("not stored") << QVariant() << false << 0;
    QTest::addRow("metadata") << QVariant(2) << false << 2;
    QTest::addRow("panel's store without the application's") << QVariant(3) << true << 3;
    QTest::addRow("past the last") << QVariant(7) << false << 7;
    QTest::addRow("minus one") << QVariant(-1) << false << -1;
}

void tst_ZelExportSettingsPanel::storedTab()
{
    QFETCH(QVariant, stored);
    QFETCH(bool, inPanelStore);
    QFETCH(int, activeTab);

    if (stored.isValid())
        mSettings->setValue(kTabKey, stored);
    if (inPanelStore)
        mApplication->setSettings(nullptr);
    ZelExportSettingsPanel* panel = makePanel(false);
    showPanel();

    QCOMPARE(panel->getActiveTab(), activeTab);
    for (int page = 0; page < 4; ++page) {
        QCOMPARE(child<QWidget>(panel, kPages[page])->isVisible(), page == activeTab);
        QCOMPARE(child<QPushButton>(panel, kTabButtons[page])->isChecked(), page == activeTab);
    }

    // Out of range, a click brings a page back.
    QSignalSpy spy(panel, &ZelExportSettingsPanel::activeTabChanged);
    click(child<QPushButton>(panel, kTabButtons[1]));
    QCOMPARE(child<QWidget>(panel, kPages[1])->isVisible(), true);
    QCOMPARE(spy.count(), activeTab == 1 ? 0 : 1);
}

void tst_ZelExportSettingsPanel::simplification_stateMachineSignals()
{
    mSettings->setValue(kTabKey, 3);
    // A scene of its own, so that the target spin box has a step to take.
    setTriangles(100000);
    ZelExportSettingsPanel* panel = makePanel(false);
    showPanel();
    panel->initializeWidget();
    QStringList events;
    connect(panel, &ZelExportSettingsPanel::stateChanged, this,
            [&events]() { events << "stateChanged"; });
    connect(panel, &ZelExportSettingsPanel::previewToggled, this,
            [&events](bool pState) {
                events << (pState ? "previewToggled(true)" : "previewToggled(false)");
            });
    auto* preview = child<QPushButton>(panel, "preview3DButton");
    auto* ratioSpin = child<QSpinBox>(panel, "simplifRatioSpinBox");
    auto* targetSpin = child<QSpinBox>(panel, "simplifNoTrianglesSpinBox");
    QVERIFY(!preview->isEnabled());

    QTest::keyClick(ratioSpin, Qt::Key_Up);
    QCOMPARE(events, QStringList());

    click(child<QRadioButton>(panel, "simplifRatioButton"));
    QCOMPARE(events, QStringList({"stateChanged"}));
    QVERIFY(preview->isEnabled());
    click(preview);
    QCOMPARE(events.takeLast(), QString("previewToggled(true)"));

    events.clear();
    click(child<QRadioButton>(panel, "simplifRatioButton"));
    QTest::keyClick(targetSpin, Qt::Key_Up);
    QCOMPARE(events, QStringList());
    QTest::keyClick(ratioSpin, Qt::Key_Up);
    QCOMPARE(events, QStringList({"stateChanged"}));

    events.clear();
    click(child<QRadioButton>(panel, "simplifNoTrianglesButton"));
    QTest::keyClick(targetSpin, Qt::Key_Up);
    QCOMPARE(events, QStringList({"stateChanged", "stateChanged"}));

    events.clear();
    click(child<QRadioButton>(panel, "simplifRatioButton"));
    QCOMPARE(events, QStringList({"stateChanged"}));

    events.clear();
    click(child<QRadioButton>(panel, "noSimplifButton"));
    QCOMPARE(events, QStringList({"previewToggled(false)", "stateChanged"}));
    QVERIFY(!preview->isEnabled());
    // The host is told the preview ended; the button itself is left as it was.
    QVERIFY(preview->isChecked());

    panel->applyModifications();
    QCOMPARE(record().getGeometryExportSettings().simplification, 0.0f);
}

void tst_ZelExportSettingsPanel::statisticsLine_data()
{
    QTest::addColumn<float>("simplification");
    QTest::addColumn<quint64>("triangles");
    QTest::addColumn<QString>("line");

    QTest::addRow("none") << 0.0f << quint64(1234567) << "1 234 567 tri. in scene";
    QTest::addRow("ratio rounds up") << -50.0f << quint64(999)
                                     << "999 tri. (before)\n 500 tri. (after)";
    QTest::addRow("target above the scene")
        << 5000.0f << quint64(1000) << "1 000 tri. (before)\n simplification ratio 100 % (after)";
    QTest::addRow("target below the scene")
        << 5000.0f << quint64(30000) << "30 000 tri. (before)\n simplification ratio 17 % (after)";
    QTest::addRow("empty scene") << 5000.0f << quint64(0)
                                 << "0 tri. (before)\n simplification ratio 0 % (after)";
}

void tst_ZelExportSettingsPanel::statisticsLine()
{
    QFETCH(float, simplification);
    QFETCH(quint64, triangles);
    QFETCH(QString, line);

    GeometryExportSettings geometry;
    geometry.simplification = simplification;
    record().setGeometryExportSettings(geometry);
    ZelExportSettingsPanel* panel = makePanel(false);
    panel->initializeWidget();
    auto* label = child<QLabel>(panel, "trianglesStatsLabel");

    // The scene changes after the record was shown: the line follows on its own.
    setTriangles(triangles);
    QTRY_COMPARE(label->text(), line);
}

void tst_ZelExportSettingsPanel::targetSpinBox_followsTheScene_data()
{
    QTest::addColumn<quint64>("triangles");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("step");

    QTest::addRow("empty scene") << quint64(0) << 2147483647 << 0;
    QTest::addRow("small scene") << quint64(999) << 999 << 99;
    QTest::addRow("large scene") << quint64(250000) << 250000 << 1000;
    QTest::addRow("single triangle") << quint64(1) << 1 << 0;
}

void tst_ZelExportSettingsPanel::targetSpinBox_followsTheScene()
{
    QFETCH(quint64, triangles);
    QFETCH(int, maximum);
    QFETCH(int, step);

    setTriangles(triangles);
    ZelExportSettingsPanel* panel = makePanel(false);
    panel->initializeWidget();
    auto* spin = child<QSpinBox>(panel, "simplifNoTrianglesSpinBox");

    QCOMPARE(spin->maximum(), maximum);
    QCOMPARE(spin->singleStep(), step);
}

void tst_ZelExportSettingsPanel::overrideCheckBox_greysSwatchAndKeepsColour()
{
    ImageExportSettings image;
    image.overrideBackground = true;
    image.backgroundColor = QColor(10, 20, 30, 40);
    record().setImageExportSettings(image);
    ZelExportSettingsPanel* panel = makePanel(false);
    showPanel();
    panel->initializeWidget();
    auto* override = child<QCheckBox>(panel, "overrideBgCheckBox");
    auto* swatch = child<QPushButton>(panel, "backgroundColorButton");
    QSignalSpy spy(panel, &ZelExportSettingsPanel::stateChanged);

    click(override);
    QVERIFY(!swatch->isEnabled());
    QCOMPARE(swatch->styleSheet(), QString("background-color:rgba(205,205,205,255);"));
    QCOMPARE(spy.count(), 1);

    click(override);
    QVERIFY(swatch->isEnabled());
    QCOMPARE(swatch->styleSheet(), QString("background-color:rgba(10,20,30,40);"));
    QCOMPARE(spy.count(), 2);
    QVERIFY(!panel->hasModifications());
}

void tst_ZelExportSettingsPanel::exportButtonStates_leaveChevronAlone()
{
    ZelExportSettingsPanel* panel = makePanel(false);
    const char* const names[] = {"previewVECButton", "exportVECButton",  "preview3DButton",
                                 "export3DButton",   "previewIMGButton", "exportIMGButton",
                                 "exportBOMButton"};
    auto* chevron = child<QPushButton>(panel, "exportVECMoreButton");

    panel->setExportButtonStates(false);
    for (const char* name : names)
        QVERIFY2(!child<QPushButton>(panel, name)->isEnabled(), name);
    QVERIFY(chevron->isEnabled());

    panel->setExportButtonStates(true);
    for (const char* name : names)
        QVERIFY2(child<QPushButton>(panel, name)->isEnabled(), name);
}

void tst_ZelExportSettingsPanel::resetSvg_restoresEdgesNotCanvas()
{
    SVGExportSettings svg;
    svg.canvasWidth = 297;
    svg.canvasHeight = 420;
    svg.salientEdgeColor = QColor(255, 0, 0);
    svg.salientEdgeWidth = 0.25f;
    svg.silhouetteEdgeColor = QColor(0, 0, 255);
    svg.silhouetteEdgeWidth = 1.5f;
    record().setSVGExportSettings(svg);
    mSettings->setValue(kTabKey, 1);
    ZelExportSettingsPanel* panel = makePanel(false);
    showPanel();
    panel->initializeWidget();
    QSignalSpy spy(panel, &ZelExportSettingsPanel::stateChanged);

    click(child<QPushButton>(panel, "resetSVGButton"));

    const SVGExportSettings defaults;
    QVERIFY(spy.count() >= 1);
    QCOMPARE(child<QComboBox>(panel, "canvasSizeCombobox")->currentText(),
             QString("A3 portrait"));
    QCOMPARE(float(child<QDoubleSpinBox>(panel, "salientEdgeWidthSpinBox")->value()),
             defaults.salientEdgeWidth);
    QCOMPARE(float(child<QDoubleSpinBox>(panel, "silhouetteEdgeWidthSpinBox")->value()),
             defaults.silhouetteEdgeWidth);
    QCOMPARE(child<QPushButton>(panel, "salientEdgeColorButton")->styleSheet(),
             QString("background-color:\"%1\"").arg(defaults.salientEdgeColor.name()));
    QCOMPARE(child<QPushButton>(panel, "silhouetteEdgeColorButton")->styleSheet(),
             QString("background-color:\"%1\"").arg(defaults.silhouetteEdgeColor.name()));

    panel->applyModifications();
    SVGExportSettings expected = defaults;
    expected.canvasWidth = 297;
    expected.canvasHeight = 420;
    QCOMPARE(record().getSVGExportSettings(), expected);
}

void tst_ZelExportSettingsPanel::vectorExports_writeRecordBeforeRequest_data()
{
    QTest::addColumn<bool>("asImage");

    QTest::addRow("EXPORT") << false;
    QTest::addRow("Export as image") << true;
}

void tst_ZelExportSettingsPanel::vectorExports_writeRecordBeforeRequest()
{
    QFETCH(bool, asImage);

    SVGExportSettings svg;
    svg.exportAsImage = !asImage;
    record().setSVGExportSettings(svg);
    mSettings->setValue(kTabKey, 1);
    ZelExportSettingsPanel* panel = makePanel(false);
    showPanel();
    panel->initializeWidget();
    QTest::keyClick(child<QDoubleSpinBox>(panel, "silhouetteEdgeWidthSpinBox"), Qt::Key_Up);
    int requests = 0;
    connect(panel, &ZelExportSettingsPanel::exportRequested, this, [this, asImage, &requests]() {
        ++requests;
        QCOMPARE(record().getSVGExportSettings().exportAsImage, asImage);
    });

    if (asImage) {
        bool answered = false;
        answerPopup([&answered](QWidget* pWindow) {
            auto* menu = qobject_cast<QMenu*>(pWindow);
            QVERIFY(menu);
            QCOMPARE(menu->actions().size(), 1);
            QAction* action = menu->actions().first();
            QCOMPARE(action->text(), QString("Export as image"));
            answered = true;
            QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier,
                              menu->actionGeometry(action).center());
        });
        QTest::mouseClick(child<QPushButton>(panel, "exportVECMoreButton"), Qt::LeftButton);
        QVERIFY(answered);
    } else {
        click(child<QPushButton>(panel, "exportVECButton"));
    }

    QCOMPARE(requests, 1);
    QCOMPARE(record().getSVGExportSettings().exportAsImage, asImage);
    QCOMPARE(record().getSVGExportSettings().silhouetteEdgeWidth,
             svg.silhouetteEdgeWidth + 0.01f);
}

void tst_ZelExportSettingsPanel::exportAsImageMenu_dismissedDoesNothing()
{
    mSettings->setValue(kTabKey, 1);
    ZelExportSettingsPanel* panel = makePanel(false);
    showPanel();
    panel->initializeWidget();
    QSignalSpy spy(panel, &ZelExportSettingsPanel::exportRequested);
    QSignalSpy svgSpy(&record(), &FiguraExportSettings::svgExportSettingsChanged);
    answerPopup([](QWidget* pWindow) { QTest::keyClick(pWindow, Qt::Key_Escape); });

    QTest::mouseClick(child<QPushButton>(panel, "exportVECMoreButton"), Qt::LeftButton);

    QCOMPARE(spy.count(), 0);
    QCOMPARE(svgSpy.count(), 0);
}

void tst_ZelExportSettingsPanel::previewAndExportButtons_signal()
{
    ZelExportSettingsPanel* panel = makePanel(false);
    showPanel();
    QSignalSpy previewSpy(panel, &ZelExportSettingsPanel::previewToggled);
    QSignalSpy exportSpy(panel, &ZelExportSettingsPanel::exportRequested);
    const char* const previews[] = {"previewIMGButton", "previewVECButton", "preview3DButton"};
    const char* const exports[] = {"exportIMGButton", "exportBOMButton", "export3DButton"};

    // The geometry preview is enabled by a simplification, the others from the start.
    child<QPushButton>(panel, "preview3DButton")->setEnabled(true);
    for (const char* name : previews) {
        QTest::mouseClick(child<QPushButton>(panel, name), Qt::LeftButton);
        QCOMPARE(previewSpy.count(), 1);
        QCOMPARE(previewSpy.takeFirst().at(0).toBool(), true);
    }
    panel->clearPreviewButton();
    QCOMPARE(previewSpy.count(), 0);
    for (const char* name : previews)
        QVERIFY2(!child<QPushButton>(panel, name)->isChecked(), name);

    for (const char* name : exports)
        QTest::mouseClick(child<QPushButton>(panel, name), Qt::LeftButton);
    QCOMPARE(exportSpy.count(), 3);
}

QTEST_MAIN(tst_ZelExportSettingsPanel)
#include "tst_ZelExportSettingsPanel.moc"
