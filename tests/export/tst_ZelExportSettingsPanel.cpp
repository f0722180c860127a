#include "ZelExportSettingsPanel.h"

#include "HeaderSelectorWidget.h"
#include "SettingsDialog.h"
#include "ZelControlCenter.h"
#include "kmDMIApplication.h"
#include "kmDMManager.h"
#include "kmDMRenderer.h"
#include "zelSceneGraphAnalyzer.h"

#include <QtTest>
#include <QtWidgets>

#include <functional>
#include <memory>

using namespace zel;

namespace {

const char kTabKey[] = "folders/lastexportmodule";
const char* const kPages[] = {"mTabbedWidgetImg", "mTabbedWidgetVec", "mTabbedWidgetBOM",
                              "mTabbedWidget3D"};
const char* const kTabButtons[] = {"mSetting2DPushButton", "mSettingVecPushButton",
                                   "mSettingBOMPushButton", "mSetting3DPushButton"};

template <class T = QPushButton>
T* child(const QWidget* pParent, const char* pName)
{
    T* widget = pParent->findChild<T*>(QString::fromLatin1(pName));
    if (!widget)
        qFatal("no child %s", pName);
    return widget;
}

// Runs pAnswer on the first pop-up (or modal window) to appear, while the code under test
// sits in its exec().
void answer(bool pPopup, std::function<void(QWidget*)> pAnswer)
{
    QTimer::singleShot(10, [pPopup, pAnswer]() {
        if (QWidget* window = pPopup ? QApplication::activePopupWidget()
                                     : QApplication::activeModalWidget())
            pAnswer(window);
        else
            answer(pPopup, pAnswer);
    });
}

// Near the left edge, where check boxes and radio buttons draw their indicator.
void click(QAbstractButton* pButton)
{
    QTest::mouseClick(pButton, Qt::LeftButton, Qt::NoModifier, QPoint(4, pButton->height() / 2));
}

} // namespace

class tst_ZelExportSettingsPanel : public QObject
{
    Q_OBJECT

    QTemporaryDir mDir;
    std::unique_ptr<QSettings> mSettings;
    std::unique_ptr<kmDMIApplication> mApplication;
    std::unique_ptr<ZelExportSettingsPanel> mPanel;

    FiguraExportSettings& record() { return mApplication->grabFiguraExportSettings(); }

    // A shown panel, filled from the record as its host would.
    ZelExportSettingsPanel* open(bool pSettingsLayout, bool pFill = true)
    {
        mPanel = std::make_unique<ZelExportSettingsPanel>(pSettingsLayout, mApplication.get(),
                                                          *mSettings);
        mPanel->resize(925, 1160);
        mPanel->show();
        if (!QTest::qWaitForWindowExposed(mPanel.get()))
            qFatal("panel not exposed");
        if (pFill)
            mPanel->initializeWidget();
        return mPanel.get();
    }

    void setTriangles(quint64 pTriangles)
    {
        zelSceneGraphAnalyzer::SceneStats stats;
        stats.triangles = pTriangles;
        mApplication->getRenderer()->getSceneGraphAnalyzer()->setSceneStats(stats);
    }

    void setSimplification(float pValue)
    {
        GeometryExportSettings geometry;
        geometry.simplification = pValue;
        record().setGeometryExportSettings(geometry);
    }

    void checkTab(int pTab)
    {
        QCOMPARE(mPanel->getActiveTab(), pTab);
        for (int page = 0; page < 4; ++page) {
            QCOMPARE(child<QWidget>(mPanel.get(), kPages[page])->isVisible(), page == pTab);
            QCOMPARE(child(mPanel.get(), kTabButtons[page])->isChecked(), page == pTab);
        }
    }

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        QLocale::setDefault(QLocale::c());
        QVERIFY(mDir.isValid());
    }

    void init()
    {
        mSettings = std::make_unique<QSettings>(mDir.filePath("settings.ini"),
                                                QSettings::IniFormat);
        mSettings->clear();
        mApplication = std::make_unique<kmDMIApplication>();
        mApplication->setSettings(mSettings.get());
        AttributesDictionary& dictionary = mApplication->getDMManager()->getAttributesDictionary();
        dictionary.setComponentAttributeNames({"Name", "Mass"});
        dictionary.setInstanceAttributeNames({"Name", "Position"});
    }

    void cleanup()
    {
        mPanel.reset();
        mApplication.reset();
        mSettings.reset();
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    // A record unlike the defaults, following the host's change signals: shown, it reads back
    // unchanged, and apply writes the one edit only, keeping the target's exportAsImage.
    void exportAsImage_isNotAnEditOfThePanel()
    {
        auto* panel = open(true);
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
        svg.silhouetteEdgeWidth = 1.5f;
        svg.exportAsImage = true;
        record().setSVGExportSettings(svg);
        setSimplification(5000.0f);
        FiguraExportSettings expected(record());

        const QStringList shown = {child<QComboBox>(panel, "definitionCombobox")->currentText(),
                                   child<QComboBox>(panel, "SuperSamplingComboBox")->currentText(),
                                   child<QComboBox>(panel, "canvasSizeCombobox")->currentText(),
                                   child(panel, "backgroundColorButton")->styleSheet(),
                                   child(panel, "salientEdgeColorButton")->styleSheet()};
        QCOMPARE(shown, QStringList({"1280 x 720", "8X", "A3 landscape",
                                     "background-color:rgba(10,20,30,40);",
                                     "background-color:\"#ff0000\""}));
        QCOMPARE(panel->getPanelName(), QString("EXPORT"));
        QVERIFY(!panel->hasModifications());
        QTest::keyClick(child<QDoubleSpinBox>(panel, "silhouetteEdgeWidthSpinBox"), Qt::Key_Up);
        panel->applyModifications();
        svg.silhouetteEdgeWidth = 1.51f;
        expected.setSVGExportSettings(svg);
        QVERIFY(record() == expected);
    }

    // The format names the three strings; the record's own are kept until one is picked.
    void bomFormatAndHeaders_travel()
    {
        auto* panel = open(true);
        BOMExportSettings bom;
        bom.columnSeparator = ";";
        bom.decimalSeparator = "#";
        bom.stringDelimiter = "'";
        bom.headers = QStringList({"Position", "Mass"});
        record().setBOMExportSettings(bom);
        const auto strings = [this]() {
            const BOMExportSettings& applied = record().getBOMExportSettings();
            return applied.columnSeparator + applied.decimalSeparator + applied.stringDelimiter;
        };
        auto* format = child<QComboBox>(panel, "bomFormatComboBox");
        QCOMPARE(format->currentText(), QString("CSV French Version"));
        auto* selector = panel->findChild<HeaderSelectorWidget*>();
        QCOMPARE(selector->getHeaders(), bom.headers);
        QVERIFY(!panel->hasModifications());

        QSignalSpy spy(panel, &ZelExportSettingsPanel::stateChanged);
        QTest::mouseClick(child(selector, "mPushButtonAddAll"), Qt::LeftButton);
        QCOMPARE(spy.count(), 1);
        panel->applyModifications();
        QCOMPARE(record().getBOMExportSettings().headers,
                 QStringList({"Mass", "Name", "Position"}));
        QVERIFY(!record().getBOMExportSettings().groupByComponent);
        QCOMPARE(strings(), QString(";#'"));
        QTest::keyClick(format, Qt::Key_Up);
        panel->applyModifications();
        QCOMPARE(strings(), QString(",.\""));
        QTest::keyClick(format, Qt::Key_Down);
        panel->applyModifications();
        QCOMPARE(strings(), QString(";,\""));
    }

    void applyCancelAndReset()
    {
        auto* panel = open(true);
        const FiguraExportSettings applied(record());
        QSignalSpy spy(panel, &ZelExportSettingsPanel::stateChanged);
        QVERIFY(!panel->hasModifications());
        QVERIFY(!panel->applyModifications());
        QVERIFY(!panel->cancelModifications());

        auto* salient = child<QDoubleSpinBox>(panel, "salientEdgeWidthSpinBox");
        QTest::keyClick(salient, Qt::Key_Up);
        // This panel has nothing to reset.
        QVERIFY(!panel->canResetContent());
        panel->resetContent();
        QVERIFY(panel->hasModifications());
        QVERIFY(panel->cancelModifications());
        QCOMPARE(float(salient->value()), applied.getSVGExportSettings().salientEdgeWidth);
        QVERIFY(!panel->hasModifications());
        QCOMPARE(spy.count(), 1);
        QVERIFY(record() == applied);

        QTest::keyClick(salient, Qt::Key_Up);
        click(child<QCheckBox>(panel, "overrideBgCheckBox"));
        QVERIFY(!panel->applyModifications());
        QCOMPARE(record().getSVGExportSettings().salientEdgeWidth, float(salient->value()));
        QVERIFY(record().getImageExportSettings().overrideBackground);
        QVERIFY(!panel->hasModifications());

        // A definition that the list lacks shows as its first entry, which apply writes.
        ImageExportSettings image;
        image.imageSize = QSize(1000, 1000);
        record().setImageExportSettings(image);
        QCOMPARE(child<QComboBox>(panel, "definitionCombobox")->currentText(),
                 QString("4096 x 2160"));
        QVERIFY(panel->hasModifications());
        panel->applyModifications();
        QCOMPARE(record().getImageExportSettings().imageSize, QSize(4096, 2160));
        QVERIFY(!panel->hasModifications());
    }

    void colourDialogs_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QString>("sheet");
        QTest::addRow("background accepted")
            << "backgroundColorButton" << true << "background-color:rgba(10,20,30,40);";
        QTest::addRow("background cancelled")
            << "backgroundColorButton" << false << "background-color:rgba(255,255,255,255);";
        QTest::addRow("salient accepted")
            << "salientEdgeColorButton" << true << "background-color:\"#0a141e\"";
        QTest::addRow("silhouette cancelled")
            << "silhouetteEdgeColorButton" << false << "background-color:\"#000000\"";
    }

    void colourDialogs()
    {
        QFETCH(QString, button);
        QFETCH(bool, accept);
        QFETCH(QString, sheet);
        ImageExportSettings image;
        image.overrideBackground = true;
        image.backgroundColor = Qt::white;
        record().setImageExportSettings(image);
        auto* panel = open(false);
        const FiguraExportSettings before(record());
        bool answered = false;
        answer(false, [accept, &answered](QWidget* pWindow) {
            auto* dialog = qobject_cast<QColorDialog*>(pWindow);
            QVERIFY(dialog);
            answered = true;
            dialog->setCurrentColor(QColor(10, 20, 30, 40));
            accept ? dialog->accept() : dialog->reject();
        });
        auto* swatch = child(panel, qPrintable(button));
        QTest::mouseClick(swatch, Qt::LeftButton);
        QVERIFY(answered);
        QCOMPARE(swatch->styleSheet(), sheet);
        QCOMPARE(panel->hasModifications(), accept);
        if (button.startsWith("background")) {
            // Unchecked, the override greys the swatch; checked again, the colour is back.
            QSignalSpy spy(panel, &ZelExportSettingsPanel::stateChanged);
            click(child<QCheckBox>(panel, "overrideBgCheckBox"));
            QVERIFY(!swatch->isEnabled());
            QCOMPARE(swatch->styleSheet(), QString("background-color:rgba(205,205,205,255);"));
            click(child<QCheckBox>(panel, "overrideBgCheckBox"));
            QCOMPARE(swatch->styleSheet(), sheet);
            QCOMPARE(spy.count(), 2);
        }
        panel->applyModifications();
        QCOMPARE(record() == before, !accept);
    }

    // The tool layout: the stored tab shown, then each tab clicked twice.
    void storedTab_data()
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

    void storedTab()
    {
        QFETCH(QVariant, stored);
        QFETCH(bool, inPanelStore);
        QFETCH(int, activeTab);
        if (stored.isValid())
            mSettings->setValue(kTabKey, stored);
        if (inPanelStore)
            mApplication->setSettings(nullptr);
        auto* panel = open(false, false);
        QVERIFY(!panel->getActionWidget()->isVisibleTo(panel));
        checkTab(activeTab);
        QSignalSpy spy(panel, &ZelExportSettingsPanel::activeTabChanged);
        for (int tab : {1, 3, 2, 0}) {
            click(child(panel, kTabButtons[tab]));
            click(child(panel, kTabButtons[tab]));
            QCOMPARE(spy.count(), 1);
            QCOMPARE(spy.takeFirst().at(0).toInt(), tab);
            checkTab(tab);
        }
    }

    void simplification_stateMachineSignals()
    {
        mSettings->setValue(kTabKey, 3);
        // A scene of its own, so that the target spin box has a step to take.
        setTriangles(100000);
        auto* panel = open(false);
        QStringList events;
        connect(panel, &ZelExportSettingsPanel::stateChanged, this,
                [&events]() { events << "stateChanged"; });
        connect(panel, &ZelExportSettingsPanel::previewToggled, this, [&events](bool pState) {
            events << QString("previewToggled(%1)").arg(pState ? "true" : "false");
        });
        auto* preview = child(panel, "preview3DButton");
        auto* ratio = child<QSpinBox>(panel, "simplifRatioSpinBox");
        auto* target = child<QSpinBox>(panel, "simplifNoTrianglesSpinBox");
        const auto step = [&](const char* pRadio, QAbstractButton* pButton, QSpinBox* pSpin) {
            events.clear();
            if (pRadio)
                click(child<QRadioButton>(panel, pRadio));
            if (pButton)
                click(pButton);
            if (pSpin)
                QTest::keyClick(pSpin, Qt::Key_Up);
            return events;
        };
        QVERIFY(!preview->isEnabled());
        QCOMPARE(step(nullptr, nullptr, ratio), QStringList());
        QCOMPARE(step("simplifRatioButton", preview, nullptr),
                 QStringList({"stateChanged", "previewToggled(true)"}));
        // Only the spin box of the chosen state reports.
        QCOMPARE(step("simplifRatioButton", nullptr, target), QStringList());
        QCOMPARE(step(nullptr, nullptr, ratio), QStringList({"stateChanged"}));
        QCOMPARE(step("simplifNoTrianglesButton", nullptr, target),
                 QStringList({"stateChanged", "stateChanged"}));
        QCOMPARE(step("simplifRatioButton", nullptr, nullptr), QStringList({"stateChanged"}));
        QCOMPARE(step("noSimplifButton", nullptr, nullptr),
                 QStringList({"previewToggled(false)", "stateChanged"}));
        QVERIFY(!preview->isEnabled());
        // The host is told the preview ended; the button itself is left as it was.
        QVERIFY(preview->isChecked());
        panel->applyModifications();
        QCOMPARE(record().getGeometryExportSettings().simplification, 0.0f);
    }

    // Shown, a simplification reads back exactly; the statistics line follows the scene.
    void simplification_statisticsLine_data()
    {
        QTest::addColumn<float>("simplification");
        QTest::addColumn<quint64>("triangles");
        QTest::addColumn<QString>("checked");
        QTest::addColumn<QString>("line");
        const QString ratio = "%1 tri. (before)\n simplification ratio %2 % (after)";
        QTest::addRow("none") << 0.0f << quint64(1234567) << "noSimplifButton"
                              << "1 234 567 tri. in scene";
        QTest::addRow("ratio rounds up") << -50.0f << quint64(999) << "simplifRatioButton"
                                         << "999 tri. (before)\n 500 tri. (after)";
        QTest::addRow("ratio") << -25.0f << quint64(1000) << "simplifRatioButton"
                               << "1 000 tri. (before)\n 250 tri. (after)";
        QTest::addRow("target above") << 5000.0f << quint64(1000) << "simplifNoTrianglesButton"
                                      << ratio.arg("1 000", "100");
        QTest::addRow("target below") << 5000.0f << quint64(30000) << "simplifNoTrianglesButton"
                                      << ratio.arg("30 000", "17");
        QTest::addRow("empty scene") << 5000.0f << quint64(0) << "simplifNoTrianglesButton"
                                     << ratio.arg("0", "0");
    }

    void simplification_statisticsLine()
    {
        QFETCH(float, simplification);
        QFETCH(quint64, triangles);
        QFETCH(QString, checked);
        QFETCH(QString, line);
        auto* panel = open(false);
        setSimplification(simplification);
        QVERIFY(child<QRadioButton>(panel, qPrintable(checked))->isChecked());
        QVERIFY(!panel->hasModifications());
        setTriangles(triangles);
        QTRY_COMPARE(child<QLabel>(panel, "trianglesStatsLabel")->text(), line);

        click(child<QCheckBox>(panel, "hiddenBranchesCheckbox"));
        panel->applyModifications();
        QCOMPARE(record().getGeometryExportSettings().simplification, simplification);
        QVERIFY(record().getGeometryExportSettings().keepHiddenBranches
                != GeometryExportSettings().keepHiddenBranches);
    }

    void exportButtonStates_leaveChevronAlone()
    {
        auto* panel = open(false);
        const char* const names[] = {"previewIMGButton", "previewVECButton", "preview3DButton",
                                     "exportIMGButton",  "exportVECButton",  "exportBOMButton",
                                     "export3DButton"};
        for (bool enabled : {false, true}) {
            panel->setExportButtonStates(enabled);
            for (const char* name : names)
                QCOMPARE(child(panel, name)->isEnabled(), enabled);
            QVERIFY(child(panel, "exportVECMoreButton")->isEnabled());
        }
        QSignalSpy spy(panel, &ZelExportSettingsPanel::previewToggled);
        QTest::mouseClick(child(panel, "previewIMGButton"), Qt::LeftButton);
        QCOMPARE(spy.count(), 1);
        panel->clearPreviewButton();
        QVERIFY(!child(panel, "previewIMGButton")->isChecked());
        QCOMPARE(spy.count(), 1);
    }

    void vectorExports_writeRecordBeforeRequest_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addRow("EXPORT") << "EXPORT";
        QTest::addRow("Export as image") << "Export as image";
        QTest::addRow("pop-up dismissed") << QString();
    }

    void vectorExports_writeRecordBeforeRequest()
    {
        QFETCH(QString, action);
        const bool asImage = action == "Export as image";
        SVGExportSettings svg;
        svg.canvasWidth = 297;
        svg.canvasHeight = 420;
        svg.salientEdgeColor = QColor(255, 0, 0);
        svg.salientEdgeWidth = 0.25f;
        svg.silhouetteEdgeColor = QColor(0, 0, 255);
        svg.silhouetteEdgeWidth = 1.5f;
        svg.exportAsImage = !asImage;
        record().setSVGExportSettings(svg);
        mSettings->setValue(kTabKey, 1);
        auto* panel = open(false);
        QSignalSpy spy(panel, &ZelExportSettingsPanel::stateChanged);
        // RESET brings back the edges but keeps the canvas.
        click(child(panel, "resetSVGButton"));
        QVERIFY(!spy.isEmpty());
        QCOMPARE(child<QComboBox>(panel, "canvasSizeCombobox")->currentText(),
                 QString("A3 portrait"));
        SVGExportSettings written;
        connect(panel, &ZelExportSettingsPanel::exportRequested, this,
                [&]() { written = record().getSVGExportSettings(); });
        if (action == "EXPORT") {
            click(child(panel, "exportVECButton"));
        } else {
            bool answered = false;
            answer(true, [&answered, &action](QWidget* pWindow) {
                auto* menu = qobject_cast<QMenu*>(pWindow);
                QVERIFY(menu && menu->actions().size() == 1);
                QAction* item = menu->actions().first();
                QCOMPARE(item->text(), QString("Export as image"));
                answered = true;
                if (action.isEmpty())
                    QTest::keyClick(menu, Qt::Key_Escape);
                else
                    QTest::mouseClick(menu, Qt::LeftButton, {},
                                      menu->actionGeometry(item).center());
            });
            QTest::mouseClick(child(panel, "exportVECMoreButton"), Qt::LeftButton);
            QVERIFY(answered);
        }
        if (!action.isEmpty()) {
            const SVGExportSettings canvas = svg;
            svg = SVGExportSettings();
            svg.canvasWidth = canvas.canvasWidth;
            svg.canvasHeight = canvas.canvasHeight;
            svg.exportAsImage = asImage;
        }
        // Dismissed, nothing is written nor requested.
        QVERIFY(record().getSVGExportSettings() == svg);
        QCOMPARE(written == svg, !action.isEmpty());
    }
};

QTEST_MAIN(tst_ZelExportSettingsPanel)
#include "tst_ZelExportSettingsPanel.moc"
