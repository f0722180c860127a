#include "PanelControls.h"
#include "PanelFixture.h"
#include "TestHost.h"

#include "ZelSettingsCheck.h"
#include "ZelExportSettingsPanel.h"
#include "kmDMManager.h"
#include "kmDMRenderer.h"
#include "zelSceneGraphAnalyzer.h"

using namespace zel;

// Each panel as the host application uses it: registered in the control center or in the
// settings dialog, edited there, then cancelled, applied and reset with the host's buttons;
// and the flows in which nothing may change that the person did not change.
class tst_PanelsInHosts : public zeltest::PanelFixture
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { PrepareRun(); }
    void init()
    {
        setUp(false);
        mStoreBefore.clear();
        mStoreEdits.clear();
    }
    void cleanup()
    {
        qApp->setStyleSheet(QString());
        tearDown();
    }

    void editApplyResetCancel_data()
    {
        QTest::addColumn<QString>("panel");
        QTest::addColumn<bool>("dialog");
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("edited");
        QTest::addColumn<QString>("reset");
        for (bool dialog : {false, true}) {
            const char* host = dialog ? "settings dialog" : "control center";
            QTest::addRow("general, %s", host) << "general" << dialog << "displayToolCheckbox"
                                               << "display/displaytool" << "false" << "true";
            QTest::addRow("import, %s", host) << "import" << dialog << "highQuality"
                                              << "Tesselation/TesselationQualitySet" << "true"
                                              << "false";
            // Usage data is shared only on the person's own click, which a reset leaves alone.
            QTest::addRow("privacy, %s", host) << "privacy" << dialog << "activityReportCheckBox"
                                               << "Privacy/sendreport" << "true" << "true";
        }
    }

    void editApplyResetCancel()
    {
        QFETCH(QString, panel);
        QFETCH(bool, dialog);
        QFETCH(QString, clicked);
        QFETCH(QString, key);
        QFETCH(QString, edited);
        QFETCH(QString, reset);
        QVERIFY(mHarness->checkStore());
        QSettings& settings = mHarness->mSettings;
        ZelSettingsPanel* edit = addPanel(panel);
        const QString stored = settings.value(key).toString();
        openHost(dialog);
        const auto person = [&] {
            zeltest::Press(zeltest::Child<QAbstractButton>(edit, qPrintable(clicked)));
            return edit->hasModifications();
        };

        if (dialog) {
            QVERIFY(person());
            QCOMPARE(click("cancelButton"), QString());
            QVERIFY(!mHost->isVisible());
            QCOMPARE(static_cast<QDialog*>(mHost.get())->result(), int(QDialog::Rejected));
            mHost->show();
            QVERIFY(QTest::qWaitForWindowExposed(mHost.get()));
        }
        QVERIFY(!edit->hasModifications());
        QCOMPARE(settings.value(key).toString(), stored);

        QVERIFY(person());
        QCOMPARE(click("applyButton"), QString());
        QCOMPARE(settings.value(key).toString(), edited);
        QVERIFY(!edit->hasModifications());
        QCOMPARE(mHost->isVisible(), !dialog);
        if (dialog)
            mHost->show();

        // Reset puts the defaults in the panel only; the next apply stores them.
        QSignalSpy spy(edit, SIGNAL(stateChanged()));
        click("resetButton");
        QCOMPARE(spy.count(), reset == edited ? 0 : 1);
        QVERIFY(mHost->isVisible());
        QCOMPARE(settings.value(key).toString(), edited);
        QCOMPARE(click("applyButton"), QString());
        QCOMPARE(settings.value(key).toString(), reset);

        // The control center gives the panel back to its owner; the dialog keeps it in its tree.
        if (auto* center = qobject_cast<ZelControlCenter*>(mHost.get())) {
            center->unregisterSettingsPanel(edit);
            QVERIFY(!edit->parent());
        }
    }

    // Each flow leaves the store's bytes and the host's export record exactly as the person
    // left them.
    void nothingChangesBehindTheBack_data()
    {
        QTest::addColumn<QString>("flow");
        QTest::addRow("export of one kind, edits on other tabs") << "exportOneKind";
        QTest::addRow("host writes while the tool fills, tool applies on stateChanged")
            << "writesWhileFilling";
        QTest::addRow("one apply with edits on two tabs") << "oneApplyTwoTabs";
        QTest::addRow("apply with no model loaded") << "noModel";
        QTest::addRow("validator bounds, control center") << "boundsInControlCenter";
        QTest::addRow("validator bounds, settings dialog") << "boundsInDialog";
    }

    void nothingChangesBehindTheBack()
    {
        QFETCH(QString, flow);
        // The host registers the keys that it reads itself, so the check run fills them too.
        QSettings& settings = mHarness->mSettings;
        settings.setValue(QStringLiteral("engine/fillCutplane"), true);
        settings.setValue(QStringLiteral("display/displayps"), true);
        settings.setValue(QStringLiteral("display/displaytool"), true);
        settings.setValue(QStringLiteral("display/namingPolicy"), 0);
        QVERIFY(mHarness->checkStore());
        const QByteArray flowName = flow.toLatin1();
        QVERIFY(QMetaObject::invokeMethod(this, flowName.constData(), Qt::DirectConnection));
        QVERIFY2(!mStoreBefore.isEmpty(), "the flow did not begin");

        // The store as it was, with the person's own edits only.
        const QString expectedPath = mHarness->mDir.filePath(QStringLiteral("expected.ini"));
        QFile::remove(expectedPath);
        {
            QFile expectedFile(expectedPath);
            QVERIFY(expectedFile.open(QIODevice::WriteOnly));
            expectedFile.write(mStoreBefore);
        }
        {
            QSettings expected(expectedPath, QSettings::IniFormat);
            ZelSettingsCheck::Values edits;
            for (auto edit = mStoreEdits.cbegin(); edit != mStoreEdits.cend(); ++edit)
                edits.emplace_back(edit.key(), edit.value().toString());
            QString error;
            QVERIFY2(edits.empty() || ZelSettingsCheck::WriteValues(expected, edits, error),
                     qPrintable(error));
        }
        QFile expectedFile(expectedPath);
        QVERIFY(expectedFile.open(QIODevice::ReadOnly));
        // Byte for byte, line by line so that a failure names the line.
        QCOMPARE(QString::fromUtf8(mHarness->storeBytes()).split('\n'),
                 QString::fromUtf8(expectedFile.readAll()).split('\n'));
        QVERIFY(record() == *mRecordExpected);
    }

    void everyControlNamed_data()
    {
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("host");
        for (const char* panel : {"general", "import", "export", "privacy"}) {
            for (const char* host : {"none", "control center", "settings dialog"})
                QTest::addRow("%s, %s", panel, host) << panel << host;
        }
        QTest::addRow("export tool") << "tool" << "none";
    }

    void everyControlNamed()
    {
        QFETCH(QString, panel);
        QFETCH(QString, host);
        ZelSettingsPanel* named = showIn(panel, host);
        QStringList unnamed;
        const QList<QWidget*> controls = zeltest::OperableControls(named);
        for (QWidget* control : controls) {
            if (zeltest::AccessibleName(control).isEmpty())
                unnamed << control->metaObject()->className() + (' ' + control->objectName());
        }
        QCOMPARE(unnamed.join(", "), QString());
        QVERIFY(!controls.isEmpty());
    }

    // Tab goes through every control that a person can operate, from the top down and from
    // left to right.
    void everyControlReachedByTab_data()
    {
        QTest::addColumn<QString>("panel");
        for (const char* panel : {"general", "import", "export", "tool", "privacy"})
            QTest::newRow(panel) << panel;
    }

    void everyControlReachedByTab()
    {
        QFETCH(QString, panel);
        QVERIFY(mHarness->checkStore());
        // Every limit set, so that the spin boxes that it enables can take the focus.
        for (const char* limit : {"Sag", "Length", "Angle"})
            mHarness->mSettings.setValue(
                QStringLiteral("Tesselation/TesselationMaxFace%1Set").arg(limit), true);
        // With the library's sheet, as the host shows the panels.
        TestHost::ApplyLibraryStyle();
        ZelSettingsPanel* walked = addPanel(panel);
        showAlone(walked);
        QList<QWidget*> reached;
        if (!QApplication::focusWidget())
            QTest::keyClick(walked, Qt::Key_Tab);
        // Round the chain once; a label with links keeps the focus for a few presses.
        for (int press = 0; press < 200; ++press) {
            QWidget* focus = QApplication::focusWidget();
            QVERIFY(focus);
            if (!reached.isEmpty() && focus == reached.first() && reached.last() != focus)
                break;
            if (!reached.contains(focus))
                reached << focus;
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        QStringList missed;
        for (QWidget* control : zeltest::OperableControls(walked)) {
            if (control->isVisibleTo(walked) && control->isEnabled() && !reached.contains(control)
                && !zeltest::ReachedThroughGroup(control, reached))
                missed << control->objectName();
        }
        QCOMPARE(missed.join(", "), QString());
        QStringList backwards;
        for (int index = 1; index < reached.size(); ++index) {
            const QRect before(reached[index - 1]->mapTo(walked, QPoint()),
                               reached[index - 1]->size());
            const QRect after(reached[index]->mapTo(walked, QPoint()), reached[index]->size());
            if (after.top() < before.top() - 4 && after.left() < before.right() - 4)
                backwards << reached[index - 1]->objectName() + " > " + reached[index]->objectName();
        }
        QCOMPARE(backwards.join(", "), QString());
    }

    // Scrolling through a panel with the wheel changes no setting on the way: a combo box, a
    // slider or a spin box takes the wheel only once the person clicked or tabbed into it.
    void wheelPassesUnfocusedControls_data() { everyControlNamed_data(); }
    void wheelPassesUnfocusedControls()
    {
        QFETCH(QString, panel);
        QFETCH(QString, host);
        QVERIFY(mHarness->checkStore());
        ZelSettingsPanel* scrolled = showIn(panel, host);
        QStringList changed;
        QVERIFY(!scrolled->hasModifications());
        for (QWidget* control : zeltest::OperableControls(scrolled)) {
            const char* property = qobject_cast<QComboBox*>(control) ? "currentIndex" : "value";
            const QVariant before = control->property(property);
            if (!before.isValid() || !control->isVisible() || control->hasFocus())
                continue;
            for (QWidget* owner = control->parentWidget(); owner; owner = owner->parentWidget()) {
                if (auto* area = qobject_cast<QScrollArea*>(owner))
                    area->ensureWidgetVisible(control);
            }
            // Both ways, since a control at either end of its range stays there.
            for (int notch : {-1, 1}) {
                zeltest::Wheel(control, notch);
                if (control->property(property) != before)
                    changed << control->objectName();
            }
        }
        QCOMPARE(changed.join(", "), QString());
        QVERIFY(!scrolled->hasModifications());
    }

private:
    // The flows of nothingChangesBehindTheBack, each from the checked store.
    Q_INVOKABLE void exportOneKind();
    Q_INVOKABLE void writesWhileFilling();
    Q_INVOKABLE void oneApplyTwoTabs();
    Q_INVOKABLE void noModel();
    Q_INVOKABLE void boundsInControlCenter() { bounds(false); }
    Q_INVOKABLE void boundsInDialog() { bounds(true); }
    void bounds(bool pDialog);

    // The panel alone, as the export tool shows, or in the host of that name.
    ZelSettingsPanel* showIn(const QString& pKind, const QString& pHost)
    {
        ZelSettingsPanel* shown = addPanel(pKind);
        if (pHost == QLatin1String("none"))
            showAlone(shown);
        else
            openHost(pHost == QLatin1String("settings dialog"));
        return shown;
    }
    // From here on the flow is the person's: what the store and the record hold is the start.
    void begin()
    {
        mStoreBefore = mHarness->storeBytes();
        mRecordExpected = std::make_unique<FiguraExportSettings>(record());
    }
    FiguraExportSettings& record() { return mHarness->mApplication.grabFiguraExportSettings(); }
    void setSceneTriangles(quint64 pTriangles)
    {
        zelSceneGraphAnalyzer::SceneStats stats;
        stats.triangles = pTriangles;
        mHarness->mApplication.getRenderer()->getSceneGraphAnalyzer()->setSceneStats(stats);
    }
    QByteArray mStoreBefore;
    QMap<QString, QVariant> mStoreEdits;
    std::unique_ptr<FiguraExportSettings> mRecordExpected;
};

// A vector export while the image and BOM tabs hold edits: the export writes the vector
// part of the record, and the other tabs keep their edits.
void tst_PanelsInHosts::exportOneKind()
{
    // An earlier "Export as image" left its mark in the record.
    SVGExportSettings svg;
    svg.exportAsImage = true;
    record().setSVGExportSettings(svg);
    auto* tool = static_cast<ZelExportSettingsPanel*>(addPanel(QStringLiteral("tool")));
    showAlone(tool);
    begin();

    zeltest::Choose(child<QComboBox>("SuperSamplingComboBox"), 2);
    zeltest::Press(child("mSettingBOMPushButton"));
    zeltest::Choose(child<QComboBox>("bomFormatComboBox"), 1);
    zeltest::Press(child("mSettingVecPushButton"));
    QSignalSpy requests(tool, &ZelExportSettingsPanel::exportRequested);
    zeltest::Press(child("exportVECButton"));
    QCOMPARE(requests.count(), 1);

    svg.exportAsImage = false;
    mRecordExpected->setSVGExportSettings(svg);
    QCOMPARE(child<QComboBox>("SuperSamplingComboBox")->currentIndex(), 2);
    QCOMPARE(child<QComboBox>("bomFormatComboBox")->currentIndex(), 1);
    QVERIFY(tool->hasModifications());
}

// The host changes the record while the tool shows a preview, which the tool follows by
// applying on every stateChanged(): the tool writes nothing back while it fills.
void tst_PanelsInHosts::writesWhileFilling()
{
    setSceneTriangles(100000);
    mHarness->mSettings.setValue(QStringLiteral("folders/lastexportmodule"), 3);
    auto* tool = static_cast<ZelExportSettingsPanel*>(addPanel(QStringLiteral("tool")));
    showAlone(tool);
    connect(tool, &ZelExportSettingsPanel::stateChanged, tool,
            &ZelExportSettingsPanel::applyModifications);
    QSignalSpy stateSpy(tool, &ZelExportSettingsPanel::stateChanged);
    begin();

    AttributesDictionary& dictionary =
        mHarness->mApplication.getDMManager()->getAttributesDictionary();
    dictionary.setComponentAttributeNames({"Name", "Mass"});
    GeometryExportSettings ratio;
    ratio.simplification = -25.0f;
    BOMExportSettings french;
    french.columnSeparator = QStringLiteral(";");
    french.decimalSeparator = QStringLiteral(",");
    french.headers = QStringList{QStringLiteral("Name"), QStringLiteral("Mass")};
    GeometryExportSettings target;
    target.simplification = 7000.0f;
    target.keepHiddenBranches = false;
    for (FiguraExportSettings* settings : {&record(), mRecordExpected.get()}) {
        settings->setGeometryExportSettings(ratio);
        settings->setBOMExportSettings(french);
        settings->setGeometryExportSettings(target);
    }
    QCOMPARE(stateSpy.count(), 0);
    QCOMPARE(child<QSpinBox>("simplifNoTrianglesSpinBox")->value(), 7000);
}

// Edits on the 3D and image tabs applied at once: the tool does not announce the end of a
// preview that nobody ended.
void tst_PanelsInHosts::oneApplyTwoTabs()
{
    setSceneTriangles(100000);
    mHarness->mSettings.setValue(QStringLiteral("folders/lastexportmodule"), 3);
    auto* tool = static_cast<ZelExportSettingsPanel*>(addPanel(QStringLiteral("tool")));
    showAlone(tool);
    QSignalSpy previews(tool, &ZelExportSettingsPanel::previewToggled);
    begin();

    zeltest::Press(child("simplifRatioButton"));
    zeltest::Press(child("mSetting2DPushButton"));
    zeltest::Choose(child<QComboBox>("SuperSamplingComboBox"), 3);
    QVERIFY(!tool->applyModifications());

    GeometryExportSettings geometry = mRecordExpected->getGeometryExportSettings();
    geometry.simplification = -50.0f;
    mRecordExpected->setGeometryExportSettings(geometry);
    ImageExportSettings image = mRecordExpected->getImageExportSettings();
    image.superSampling = 3;
    mRecordExpected->setImageExportSettings(image);
    QCOMPARE(previews.count(), 0);
    QVERIFY(!tool->hasModifications());
}

// No model is loaded, so the header selector offers nothing: the chosen headers stay in the
// record through an apply of every panel, and through an edit of the BOM part itself.
void tst_PanelsInHosts::noModel()
{
    BOMExportSettings bom;
    bom.headers = QStringList{QStringLiteral("Name"), QStringLiteral("Mass")};
    record().setBOMExportSettings(bom);
    addPanel(QStringLiteral("general"));
    auto* exporting = addPanel(QStringLiteral("export"));
    openHost(false);
    begin();
    QVERIFY(!exporting->hasModifications());

    zeltest::Press(child("displayToolCheckbox"));
    mStoreEdits.insert(QStringLiteral("display/displaytool"), false);
    QCOMPARE(click("applyButton"), QString());
    zeltest::Choose(child<QComboBox>("bomFormatComboBox", 1), 1);
    QCOMPARE(click("applyButton"), QString());

    bom.columnSeparator = QStringLiteral(";");
    bom.decimalSeparator = QStringLiteral(",");
    mRecordExpected->setBOMExportSettings(bom);
}

// Every value at a bound that the start-up check accepts, or one that a control cannot show:
// loading is no edit, and an apply of another setting leaves them all as they were.
void tst_PanelsInHosts::bounds(bool pDialog)
{
    QSettings& settings = mHarness->mSettings;
    const std::pair<const char*, QVariant> stored[] = {
        {"units/nbDecimals", 10},
        {"Resources/MaxCPUMemory3D", Q_UINT64_C(8489271296)},
        {"Resources/MaxGPUMemory", Q_UINT64_C(134217729)},
        {"Resources/LODTrianglesCap", 500000000},
        {"DBCache/cacheSize", 102400},
        {"Tesselation/TesselationMaxFaceSag", 100},
        {"Tesselation/TesselationMaxFaceSagSet", true},
        {"Tesselation/TesselationMaxFaceLength", 0.123457},
        {"Tesselation/TesselationMaxFaceLengthSet", true},
        {"Tesselation/TesselationMaxFaceAngle", 359},
        {"Tesselation/TesselationMaxFaceAngleSet", true}};
    for (const auto& value : stored)
        settings.setValue(QLatin1String(value.first), value.second);
    QVERIFY(mHarness->checkStore());
    for (const auto& value : stored)
        QCOMPARE(settings.value(QLatin1String(value.first)).toString(), value.second.toString());

    ImageExportSettings image;
    image.imageSize = QSize(1000, 1000);
    image.superSampling = 7;
    record().setImageExportSettings(image);
    SVGExportSettings svg;
    svg.canvasWidth = 100;
    svg.canvasHeight = 100;
    svg.salientEdgeWidth = 0.125f;
    svg.silhouetteEdgeWidth = 25.0f;
    record().setSVGExportSettings(svg);
    // A target above the scene's count, or a ratio finer than a whole percent.
    GeometryExportSettings geometry;
    geometry.simplification = pDialog ? -25.5f : 7000.0f;
    record().setGeometryExportSettings(geometry);
    setSceneTriangles(5000);

    for (const char* kind : {"general", "import", "export"})
        addPanel(QLatin1String(kind));
    openHost(pDialog);
    begin();
    for (const auto& panel : mPanels)
        QVERIFY2(!panel->hasModifications(), qPrintable(panel->getPanelName()));
    // A smaller model does not lower the target.
    setSceneTriangles(3000);
    panel(2)->initializeWidget();
    QVERIFY(!panel(2)->hasModifications());

    if (pDialog)
        zeltest::Press(panel(1)->getActionWidget());
    zeltest::Press(child("loadAnnotationsCheckBox", 1));
    mStoreEdits.insert(QStringLiteral("Import/LoadAnnotations"),
                       !settings.value(QStringLiteral("Import/LoadAnnotations")).toBool());
    QCOMPARE(click("applyButton"), QString());
}

QTEST_MAIN(tst_PanelsInHosts)
#include "tst_PanelsInHosts.moc"
