#include "ZelExportSettingsPanel.h"

#include "HeaderSelectorWidget.h"
#include "PanelFixture.h"
#include "kmDMManager.h"
#include "kmDMRenderer.h"
#include "zelSceneGraphAnalyzer.h"

#include <QtTest>
#include <QtWidgets>

using namespace zel;

namespace {

const char kTabKey[] = "folders/lastexportmodule";
const char* const kPages[] = {"mTabbedWidgetImg", "mTabbedWidgetVec", "mTabbedWidgetBOM",
                              "mTabbedWidget3D"};
const char* const kTabButtons[] = {"mSetting2DPushButton", "mSettingVecPushButton",
                                   "mSettingBOMPushButton", "mSetting3DPushButton"};

// A part of the panel, by default one of its many push buttons.
template <class T = QPushButton>
T* Find(const QWidget* pParent, const char* pName)
{
    return zeltest::Child<T>(pParent, pName);
}

} // namespace

class tst_ZelExportSettingsPanel : public zeltest::PanelFixture
{
    Q_OBJECT

    QSettings* mSettings = nullptr;
    kmDMIApplication* mApplication = nullptr;
    ZelExportSettingsPanel* mPanel = nullptr;

    FiguraExportSettings& record() { return mApplication->grabFiguraExportSettings(); }

    // A shown panel, filled from the record as its host would.
    ZelExportSettingsPanel* open(bool pSettingsLayout)
    {
        mPanel = new ZelExportSettingsPanel(pSettingsLayout, mApplication, *mSettings);
        mPanels.emplace_back(mPanel);
        mPanel->resize(925, 1160);
        mPanel->show();
        if (!QTest::qWaitForWindowExposed(mPanel))
            qFatal("panel not exposed");
        mPanel->initializeWidget();
        return mPanel;
    }

    void setTriangles(quint64 pTriangles)
    {
        zelSceneGraphAnalyzer::SceneStats stats;
        stats.triangles = pTriangles;
        mApplication->getRenderer()->getSceneGraphAnalyzer()->setSceneStats(stats);
    }

    void checkTab(int pTab)
    {
        QCOMPARE(mPanel->getActiveTab(), pTab);
        for (int page = 0; page < 4; ++page) {
            QCOMPARE(Find<QWidget>(mPanel, kPages[page])->isVisible(), page == pTab);
            QCOMPARE(Find(mPanel, kTabButtons[page])->isChecked(), page == pTab);
        }
    }

private Q_SLOTS:
    void initTestCase() { PrepareRun(); }
    void init()
    {
        setUp(false);
        mSettings = &mHarness->mSettings;
        mApplication = &mHarness->mApplication;
        AttributesDictionary& dictionary = mApplication->getDMManager()->getAttributesDictionary();
        dictionary.setComponentAttributeNames({"Name", "Mass"});
        dictionary.setInstanceAttributeNames({"Name", "Position"});
    }
    void cleanup() { tearDown(); }

    // A record unlike the defaults reads back unchanged; cancel restores it, apply writes the
    // edits only, keeping the target's exportAsImage and BOM strings that no format names.
    void settingsLayout_roundTrip()
    {
        auto* panel = open(true);
        QVERIFY(!panel->applyModifications());
        QVERIFY(!panel->cancelModifications());
        ImageExportSettings image;
        image.imageSize = QSize(1280, 720);
        image.superSampling = 2;
        record().setImageExportSettings(image);
        SVGExportSettings svg;
        svg.canvasWidth = 420;
        svg.canvasHeight = 297;
        svg.silhouetteEdgeWidth = 1.5f;
        svg.exportAsImage = true;
        record().setSVGExportSettings(svg);
        BOMExportSettings bom;
        bom.columnSeparator = ";";
        bom.decimalSeparator = "#";
        bom.stringDelimiter = "'";
        // The host's own flag, which no control shows, stays as the host set it.
        bom.groupByComponent = true;
        bom.headers = QStringList({"Position", "Mass"});
        record().setBOMExportSettings(bom);
        GeometryExportSettings geometry;
        geometry.simplification = -25.0f;
        record().setGeometryExportSettings(geometry);
        FiguraExportSettings expected(record());
        auto* definition = Find<QComboBox>(panel, "definitionCombobox");
        auto* selector = panel->findChild<HeaderSelectorWidget*>();
        const QStringList shown = {panel->getPanelName(), definition->currentText(),
                                   Find<QComboBox>(panel, "SuperSamplingComboBox")->currentText(),
                                   Find<QComboBox>(panel, "canvasSizeCombobox")->currentText(),
                                   Find<QComboBox>(panel, "bomFormatComboBox")->currentText(),
                                   selector->getHeaders().join(' ')};
        QCOMPARE(shown, QStringList({"EXPORT", "1280 x 720", "8X", "A3 landscape",
                                     "CSV French Version", "Position Mass"}));
        QVERIFY(!panel->hasModifications());

        QSignalSpy spy(panel, &ZelExportSettingsPanel::stateChanged);
        auto* silhouette = Find<QDoubleSpinBox>(panel, "silhouetteEdgeWidthSpinBox");
        QTest::keyClick(silhouette, Qt::Key_Up);
        // This panel has nothing to reset.
        QVERIFY(!panel->canResetContent());
        panel->resetContent();
        QVERIFY(panel->hasModifications());
        QVERIFY(panel->cancelModifications());
        QVERIFY(!panel->hasModifications());
        QCOMPARE(spy.count(), 1);
        QVERIFY(record() == expected);

        QTest::keyClick(silhouette, Qt::Key_Up);
        zeltest::Press(Find(selector, "mPushButtonAddAll"));
        QCOMPARE(spy.count(), 3);
        QVERIFY(!panel->applyModifications());
        svg.silhouetteEdgeWidth = 1.51f;
        expected.setSVGExportSettings(svg);
        bom.headers = QStringList({"Mass", "Name", "Position"});
        expected.setBOMExportSettings(bom);
        QVERIFY(record() == expected);

        // A definition that the list lacks shows as its first entry and stays in the record
        // until the person picks another.
        image.imageSize = QSize(1000, 1000);
        record().setImageExportSettings(image);
        QCOMPARE(definition->currentText(), QString("4096 x 2160"));
        QVERIFY(!panel->hasModifications());
        QTest::keyClick(definition, Qt::Key_Down);
        QVERIFY(!panel->applyModifications());
        QCOMPARE(record().getImageExportSettings().imageSize, QSize(2560, 1600));
    }

    // Driven for real: a cancelled pick keeps the colour, and so does OK on the colour
    // offered, alpha included; a new colour is an edit.
    void colourDialogs()
    {
        ImageExportSettings image;
        image.overrideBackground = true;
        image.backgroundColor = QColor(1, 2, 3, 100);
        record().setImageExportSettings(image);
        SVGExportSettings svg;
        svg.silhouetteEdgeColor = QColor(200, 0, 0, 128);
        record().setSVGExportSettings(svg);
        auto* panel = open(false);
        const auto pick = [panel](const char* pButton, bool pAccept, const QColor& pColor) {
            bool answered = false;
            const auto answer = [pAccept, pColor, &answered](QColorDialog* pDialog) {
                answered = true;
                if (pColor.isValid())
                    zeltest::EnterColor(pDialog, pColor);
                zeltest::Press(pDialog->findChild<QDialogButtonBox*>()->button(
                    pAccept ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel));
            };
            zeltest::AnswerModal<QColorDialog>(panel, answer);
            // The swatch's page first, by its tab.
            for (int tab = 0; tab < 4; ++tab) {
                if (Find<QWidget>(panel, kPages[tab])->isAncestorOf(Find(panel, pButton)))
                    zeltest::Press(Find(panel, kTabButtons[tab]));
            }
            zeltest::Press(Find(panel, pButton));
            return answered ? Find(panel, pButton)->styleSheet() : QString();
        };
        const QColor picked(10, 20, 30, 40);
        QCOMPARE(pick("silhouetteEdgeColorButton", false, picked),
                 QString("background-color:\"#c80000\""));
        for (const char* button : {"silhouetteEdgeColorButton", "backgroundColorButton"})
            QVERIFY(!pick(button, true, QColor()).isEmpty());
        QVERIFY(!panel->hasModifications());
        const QString sheet = "background-color:rgba(10,20,30,40);";
        QCOMPARE(pick("backgroundColorButton", true, picked), sheet);
        QVERIFY(panel->hasModifications());

        // Unchecked, the override greys the swatch; checked again, the colour is back.
        auto* swatch = Find(panel, "backgroundColorButton");
        auto* overriding = Find<QCheckBox>(panel, "overrideBgCheckBox");
        zeltest::Press(overriding);
        QVERIFY(!swatch->isEnabled());
        QCOMPARE(swatch->styleSheet(), QString("background-color:rgba(205,205,205,255);"));
        zeltest::Press(overriding);
        QCOMPARE(swatch->styleSheet(), sheet);
        panel->applyModifications();
        QCOMPARE(record().getImageExportSettings().backgroundColor, QColor(10, 20, 30, 40));
    }

    // The tool layout: the stored tab shown, then each tab clicked twice.
    void storedTab_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<int>("activeTab");
        QTest::addRow("not stored") << QVariant() << 0;
        QTest::addRow("in range") << QVariant(3) << 3;
        QTest::addRow("past the last") << QVariant(7) << 7;
        QTest::addRow("minus one") << QVariant(-1) << -1;
    }

    void storedTab()
    {
        QFETCH(QVariant, stored);
        QFETCH(int, activeTab);
        if (stored.isValid())
            mSettings->setValue(kTabKey, stored);
        auto* panel = open(false);
        QVERIFY(!panel->getActionWidget()->isVisibleTo(panel));
        checkTab(activeTab);
        QSignalSpy spy(panel, &ZelExportSettingsPanel::activeTabChanged);
        for (int tab : {1, 3, 2, 0}) {
            zeltest::Press(Find(panel, kTabButtons[tab]));
            zeltest::Press(Find(panel, kTabButtons[tab]));
            QCOMPARE(spy.count(), 1);
            QCOMPARE(spy.takeFirst().at(0).toInt(), tab);
            checkTab(tab);
        }
    }

    // In a tool as narrow as the viewer's, the BOM format's name is seen whole, with no need
    // to scroll sideways.
    void toolShowsWholeFormat()
    {
        mSettings->setValue(kTabKey, 2);
        auto* panel = open(false);
        panel->resize(380, 700);
        auto* area = Find<QScrollArea>(panel, "scrollArea");
        auto* format = Find<QComboBox>(panel, "bomFormatComboBox");
        QTRY_COMPARE(area->widget()->width(), area->viewport()->width());
        const QRect shown(format->mapTo(area->viewport(), QPoint()), format->size());
        QVERIFY(area->viewport()->rect().contains(shown));
        QVERIFY(format->width() >= format->sizeHint().width());
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
        auto* preview = Find(panel, "preview3DButton");
        auto* ratio = Find<QSpinBox>(panel, "simplifRatioSpinBox");
        auto* target = Find<QSpinBox>(panel, "simplifNoTrianglesSpinBox");
        auto* byRatio = Find<QRadioButton>(panel, "simplifRatioButton");
        const auto step = [&](QAbstractButton* pButton, QSpinBox* pSpin) {
            events.clear();
            if (pButton)
                zeltest::Press(pButton);
            if (pSpin)
                QTest::keyClick(pSpin, Qt::Key_Up);
            return events;
        };
        QVERIFY(!preview->isEnabled());
        // Only the spin box of the chosen state reports.
        QCOMPARE(step(nullptr, ratio), QStringList());
        QCOMPARE(step(byRatio, nullptr), QStringList({"stateChanged"}));
        QCOMPARE(step(preview, nullptr), QStringList({"previewToggled(true)"}));
        QCOMPARE(step(nullptr, target), QStringList());
        QCOMPARE(step(nullptr, ratio), QStringList({"stateChanged"}));
        // The statistics line has its two lines at once, not after the next layout pass.
        auto* line = Find<QLabel>(panel, "trianglesStatsLabel");
        QVERIFY(line->text().contains('\n'));
        QVERIFY(line->height() >= line->sizeHint().height());
        QCOMPARE(step(Find<QRadioButton>(panel, "noSimplifButton"), nullptr),
                 QStringList({"previewToggled(false)", "stateChanged"}));
        QVERIFY(!preview->isEnabled());
        panel->applyModifications();
        QCOMPARE(record().getGeometryExportSettings().simplification, 0.0f);
    }

    // Read back exactly (no pending edit); the statistics line follows the scene and state.
    void simplification_statisticsLine_data()
    {
        QTest::addColumn<float>("simplification");
        QTest::addColumn<quint64>("triangles");
        QTest::addColumn<QString>("line");
        const QString ratio = "%1 tri. (before)\n simplification ratio %2 % (after)";
        QTest::addRow("none") << 0.0f << quint64(1234567) << "1 234 567 tri. in scene";
        QTest::addRow("ratio rounds up") << -50.0f << quint64(999)
                                         << "999 tri. (before)\n 500 tri. (after)";
        QTest::addRow("target above") << 5000.0f << quint64(1000) << ratio.arg("1 000", "100");
        QTest::addRow("empty scene") << 5000.0f << quint64(0) << ratio.arg("0", "0");
    }

    void simplification_statisticsLine()
    {
        QFETCH(float, simplification);
        QFETCH(quint64, triangles);
        QFETCH(QString, line);
        auto* panel = open(false);
        GeometryExportSettings geometry;
        geometry.simplification = simplification;
        record().setGeometryExportSettings(geometry);
        QVERIFY(!panel->hasModifications());
        setTriangles(triangles);
        QTRY_COMPARE(Find<QLabel>(panel, "trianglesStatsLabel")->text(), line);
    }

    // Built without an application object, in either layout, the panel edits a record of the
    // host's defaults and writes it nowhere.
    void withoutApplication_data()
    {
        QTest::addColumn<bool>("settingsLayout");
        QTest::addRow("settings layout") << true;
        QTest::addRow("tool layout") << false;
    }

    void withoutApplication()
    {
        QFETCH(bool, settingsLayout);
        mSettings->setValue(kTabKey, 1);
        ZelExportSettingsPanel panel(settingsLayout, nullptr, *mSettings);
        panel.resize(925, 1160);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        panel.initializeWidget();
        QVERIFY(!panel.hasModifications());
        QCOMPARE(Find<QComboBox>(&panel, "definitionCombobox")->currentText(),
                 QString("1920 x 1080"));
        QSignalSpy requests(&panel, &ZelExportSettingsPanel::exportRequested);
        QTest::keyClick(Find<QDoubleSpinBox>(&panel, "salientEdgeWidthSpinBox"), Qt::Key_Up);
        if (!settingsLayout) {
            zeltest::Press(Find(&panel, "exportVECButton"));
            QCOMPARE(requests.count(), 1);
        }
        QVERIFY(panel.hasModifications());
        QVERIFY(!panel.applyModifications());
        QVERIFY(panel.cancelModifications());
        QVERIFY(!panel.hasModifications());
    }

    // setExportButtonStates leaves the chevron enabled and clearPreviewButton tells nobody.
    // RESET brings back the edges but keeps the canvas; each vector export writes its
    // exportAsImage into the host's record before the request.
    void exportButtons()
    {
        SVGExportSettings svg;
        svg.canvasWidth = 297;
        svg.canvasHeight = 420;
        svg.salientEdgeColor = QColor(255, 0, 0);
        svg.silhouetteEdgeWidth = 1.5f;
        svg.exportAsImage = true;
        record().setSVGExportSettings(svg);
        mSettings->setValue(kTabKey, 1);
        auto* panel = open(false);
        const QList<QPushButton*> buttons =
            panel->findChildren<QPushButton*>(QRegularExpression("^(preview|export).+Button$"));
        QCOMPARE(buttons.size(), 8);
        for (bool enabled : {false, true}) {
            panel->setExportButtonStates(enabled);
            for (const QPushButton* button : buttons) {
                QCOMPARE(button->isEnabled(),
                         enabled || button->objectName() == "exportVECMoreButton");
            }
        }
        QSignalSpy previews(panel, &ZelExportSettingsPanel::previewToggled);
        zeltest::Press(Find(panel, "previewVECButton"));
        panel->clearPreviewButton();
        QVERIFY(!Find(panel, "previewVECButton")->isChecked());
        QCOMPARE(previews.count(), 1);

        QSignalSpy spy(panel, &ZelExportSettingsPanel::stateChanged);
        zeltest::Press(Find(panel, "resetSVGButton"));
        QVERIFY(!spy.isEmpty());
        QCOMPARE(Find<QComboBox>(panel, "canvasSizeCombobox")->currentText(),
                 QString("A3 portrait"));
        QList<SVGExportSettings> written;
        connect(panel, &ZelExportSettingsPanel::exportRequested, this,
                [&]() { written << record().getSVGExportSettings(); });
        zeltest::Press(Find(panel, "exportVECButton"));
        bool answered = false;
        zeltest::AnswerPopup(panel, [&answered](QWidget* pWindow) {
            auto* menu = qobject_cast<QMenu*>(pWindow);
            QVERIFY(menu && menu->actions().size() == 1);
            QAction* item = menu->actions().first();
            QCOMPARE(item->text(), QString("Export as image"));
            answered = true;
            QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, {},
                              menu->actionGeometry(item).center());
        });
        zeltest::Press(Find(panel, "exportVECMoreButton"));
        QVERIFY(answered);
        QCOMPARE(written.size(), 2);
        SVGExportSettings expected;
        expected.canvasWidth = svg.canvasWidth;
        expected.canvasHeight = svg.canvasHeight;
        expected.exportAsImage = false;
        QVERIFY(written.at(0) == expected);
        expected.exportAsImage = true;
        QVERIFY(written.at(1) == expected);
    }
};

QTEST_MAIN(tst_ZelExportSettingsPanel)
#include "tst_ZelExportSettingsPanel.moc"
