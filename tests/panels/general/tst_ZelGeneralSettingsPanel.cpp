#include "PanelFixture.h"
#include "TestHost.h"

#include "ZelGeneralSettingsPanel.h"
#include "kmComboBox.h"
#include "kmDMManager.h"
#include "kmDMRenderer.h"
#include "kmNavigationManagerBase.h"

using namespace zel;
using zeltest::AnswerModal;

namespace {

// Every key that the panel writes on an apply.
const char* const kPanelKeys[] = {
    "engine", "engine/coreNumber", "engine/useOutline", "engine/useFXAA", "engine/flatShading",
    "engine/fillCutplane", "engine/backgroundColor", "units/name", "units/nbDecimals",
    "display/namingPolicy", "display/displayps", "display/displaytool", "Controls/controller",
    "Resources/MaxCPUMemory3D", "Resources/MaxGPUMemory", "Resources/LODTrianglesCap",
    "DBCache/cacheDirectory", "DBCache/cacheSize", "Logging/logFile"};

// A button that refused leaves the dialog open: reject it rather than hang in exec().
bool ClickDialogButton(QWidget* pDialog, QDialogButtonBox::StandardButton pWhich)
{
    auto* box = pDialog->findChild<QDialogButtonBox*>();
    if (box && box->button(pWhich))
        zeltest::Press(box->button(pWhich));
    if (!pDialog->isVisible())
        return true;
    QMetaObject::invokeMethod(pDialog, "reject", Qt::QueuedConnection);
    return false;
}

} // namespace

class tst_ZelGeneralSettingsPanel : public zeltest::PanelFixture
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { PrepareRun(); }
    void init()
    {
        setUp();
        mSettings = &mHarness->mSettings;
        mApplication = &mHarness->mApplication;
        mPanel = openPanel<ZelGeneralSettingsPanel>(QSize(450, 900));
    }
    void cleanup() { tearDown(); }

    void storeToControlsAndBack_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("value"); // invalid: absent from the store
        QTest::addColumn<QString>("widget");
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("modified");
        QTest::addColumn<QString>("saved");
        const auto row = [](const char* pTag, const char* pKey, const QVariant& pValue,
                            const char* pWidget, const char* pProperty, const QVariant& pShown,
                            bool pModified, const char* pSaved) {
            QTest::newRow(pTag) << pKey << pValue << pWidget << QByteArray(pProperty)
                                << pShown.toString() << pModified << pSaved;
        };
        const char* policy = "display/namingPolicy";
        const char* naming = "mPsNamingPolicyComboBox";
        row("naming 3", policy, 3, naming, "currentIndex", 0, false, "3");
        row("naming -1", policy, -1, naming, "currentIndex", 0, false, "-1");
        row("naming text", policy, "component", naming, "currentIndex", 0, false,
            "component");
        row("tool panel absent", "display/displaytool", {}, "displayToolCheckbox", "checked", true,
            false, "");
        row("fill absent", "engine/fillCutplane", {}, "fillCutplaneCheckbox", "checked", false,
            false, "");
        row("other controller", "Controls/controller", "walk", "mNavModeComboBox", "currentIndex",
            0, true, "walk");
        row("inch", "units/name", "in", "units_comboBox", "currentIndex", 3, false, "in");
        row("cache folder", "DBCache/cacheDirectory", "/tmp/zel cache", "databaseButton",
            "toolTip", "/tmp/zel cache", false, "/tmp/zel cache");
        // Not a whole number of megabytes: shown rounded down, and kept as it is.
        row("GPU one byte short", "Resources/MaxGPUMemory", Q_UINT64_C(1073741823),
            "maxGPUSPinBox", "value", 1023, false, "1073741823");
        row("ten decimals", "units/nbDecimals", 10, "nbDecimals_spinBox", "value", 10, false,
            "10");
    }

    void storeToControlsAndBack()
    {
        QFETCH(QString, key);
        QFETCH(QVariant, value);
        QFETCH(QString, widget);
        QFETCH(QByteArray, property);
        QFETCH(QString, shown);
        QFETCH(bool, modified);
        QFETCH(QString, saved);
        // Something else first, so that the load can be seen to set the widget.
        QWidget* control = child(qPrintable(widget));
        const QVariant before = control->property(property.constData());
        control->setProperty(property.constData(), before.userType() == QMetaType::Bool
                                                       ? QVariant(shown != QLatin1String("true"))
                                                       : QVariant(shown == QLatin1String("0")));
        if (value.isValid())
            mSettings->setValue(key, value);
        QVERIFY(value.isValid() || !mSettings->contains(key));

        QSignalSpy spy(mPanel, &ZelGeneralSettingsPanel::stateChanged);
        reload(); // loading says nothing
        QCOMPARE(control->property(property.constData()).toString(), shown);
        QCOMPARE(spy.count(), 0);
        QCOMPARE(mPanel->hasModifications(), modified);
        // An apply of another row leaves this key as it was stored, or absent.
        zeltest::Press(child("flatShadingCheckbox"));
        mPanel->applyModifications();
        QCOMPARE(stored(key), saved);
    }

    void rayMemoryHasDefinedValue()
    {
        // No key backs it: every showing of an engine group puts the same value back.
        auto* spin = child<QSpinBox>("maxCPURaySpinBox");
        spin->setValue(4000);
        QVERIFY(!mPanel->hasModifications());
        reload();
        QCOMPARE(spin->value(), 128);
        spin->setValue(4000);
        mPanel->resetContent();
        QCOMPARE(spin->value(), 128);
    }

    void colorDialog_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QString>("storedColor");
        QTest::addColumn<QColor>("chosen"); // invalid: the one that the dialog offers
        QTest::addRow("accepted, then applied alone") << true << "#FF1226AA"
                                                      << QColor(255, 128, 0, 64);
        QTest::addRow("cancelled") << false << "#FF1226AA" << QColor(255, 128, 0, 64);
        // OK on the colour offered keeps a translucent colour as it is, and is no edit.
        QTest::addRow("accepted unchanged") << true << "#801226AA" << QColor();
    }

    void colorDialog()
    {
        QFETCH(bool, accept);
        QFETCH(QString, storedColor);
        QFETCH(QColor, chosen);
        store("engine/backgroundColor", storedColor);
        reload();
        kmDMRenderer* renderer = mApplication->getRenderer();
        const bool fxaa = child<QCheckBox>("deferredFXAACheckBox")->isChecked();
        const bool outline = child<QCheckBox>("deferredEDCheckBox")->isChecked();
        const bool flat = child<QCheckBox>("flatShadingCheckbox")->isChecked();
        const bool fill = child<QCheckBox>("fillCutplaneCheckbox")->isChecked();
        // The host starts opposite to the panel, so that each push shows in its state.
        renderer->setFXAAEnabled(!fxaa);
        renderer->setEdgeHiglightEnabled(!outline);
        renderer->setLightingMode(!flat);
        renderer->setFillCutplaneFaces(!fill);
        renderer->setTargetTriangles(0);
        mHarness->mMainWindow.setProcessingPower(0);
        mApplication->updateAppUnits(INCH, 7);
        QSignalSpy spy(mPanel, &ZelGeneralSettingsPanel::stateChanged);

        const QColor offered = QColor(storedColor);
        QCOMPARE(pickColor(chosen, accept), offered);
        QCOMPARE(spy.count(), 1);
        const bool edited = accept && chosen.isValid();
        QCOMPARE(child("backgroundColorButton")->styleSheet(),
                 QStringLiteral("background-color:%1;")
                     .arg((edited ? chosen : offered).name(QColor::HexArgb)));
        QCOMPARE(mPanel->hasModifications(), edited);
        if (!edited)
            return;

        QMap<QString, QString> before;
        for (const char* key : kPanelKeys)
            before.insert(QLatin1String(key), stored(key));
        QVERIFY(!mPanel->applyModifications());
        // The colour alone is written.
        for (const char* key : kPanelKeys) {
            if (qstrcmp(key, "engine/backgroundColor") != 0)
                QCOMPARE(stored(key), before.value(QLatin1String(key)));
        }
        QCOMPARE(stored("engine/backgroundColor"), QStringLiteral("#40FF8000"));
        QCOMPARE(stored("engine"), QStringLiteral("deferred"));
        QCOMPARE(renderer->isFXAAEnabled(), fxaa);
        QCOMPARE(renderer->isEdgeHiglightEnabled(), outline);
        QCOMPARE(renderer->isFlatLighting(), flat);
        QCOMPARE(renderer->isFillCutplaneFaces(), fill);
        const Wm4::ColorRGBA picked(1.0f, 128 / 255.0f, 0.0f, 64 / 255.0f);
        QVERIFY(renderer->getBackgroundColor() == picked);
        QCOMPARE(renderer->getTargetTriangles(), quint64(6000000));
        QCOMPARE(renderer->getMaxCPUMemory(), Q_UINT64_C(1) << 62);
        QCOMPARE(mHarness->mMainWindow.getProcessingPower(),
                 child<QSlider>("coreUsedSlider")->value());
        // Groups that did not change are not pushed.
        QCOMPARE(mApplication->getAppUnit(), INCH);
        QCOMPARE(mApplication->getDMManager()->getMaxCacheSize(), 0u);
    }

    void applyRestart_data()
    {
        QTest::addColumn<QString>("changes");
        QTest::addColumn<bool>("restart");
        // The stored engine is the host's choice at start-up: no apply writes over it.
        QTest::addRow("nothing changed") << "software" << false;
        QTest::addRow("cache folder only") << "cache" << false;
        QTest::addRow("log file only") << "log" << false;
        QTest::addRow("engine only") << "engine" << false;
        QTest::addRow("cache folder and engine") << "cache engine" << true;
        QTest::addRow("log file and engine") << "log engine" << true;
        QTest::addRow("stored software and engine") << "software engine" << true;
        QTest::addRow("stored software, log file") << "software log" << false;
    }

    void applyRestart()
    {
        QFETCH(QString, changes);
        QFETCH(bool, restart);
        const QString path = mHarness->mDir.filePath(QStringLiteral("new"));
        if (changes.contains(QLatin1String("software")))
            store("engine", "software");
        if (changes.contains(QLatin1String("cache")))
            child("databaseButton")->setToolTip(path);
        if (changes.contains(QLatin1String("log")))
            child("mLogFolderButton")->setToolTip(path);
        if (changes.contains(QLatin1String("engine")))
            zeltest::Press(child("deferredEDCheckBox"));
        const bool written = changes != QLatin1String("software");
        QCOMPARE(mPanel->hasModifications(), written);
        QCOMPARE(mPanel->applyModifications(), restart);
        QCOMPARE(stored("engine"),
                 QLatin1String(changes.contains("software") ? "software" : "deferred"));
        QCOMPARE(stored("DBCache/cacheDirectory") == path, changes.contains("cache"));
        QCOMPARE(stored("Logging/logFile") == path, changes.contains("log"));
    }

    void navigationModePushed_data()
    {
        QTest::addColumn<QString>("controller");
        QTest::addColumn<int>("chosenIndex");
        QTest::addColumn<int>("mode");
        QTest::addRow("examine") << "arcball" << 1 << 2;
        QTest::addRow("arcball") << "examine" << 0 << 1;
    }

    void navigationModePushed()
    {
        QFETCH(QString, controller);
        QFETCH(int, chosenIndex);
        QFETCH(int, mode);
        km::kmNavigationManagerBase* navigation = mApplication->getNavigationManager();
        navigation->setNavigationMode(km::kmNavigationManagerBase::NONE, false);
        store("Controls/controller", controller);
        reload();
        // A cache size change says nothing, yet is applied.
        QSignalSpy spy(mPanel, &ZelGeneralSettingsPanel::stateChanged);
        zeltest::StepUp(child("databaseSpinBox"));
        QCOMPARE(spy.count(), 0);
        QVERIFY(mPanel->hasModifications());
        zeltest::Choose(child<km::kmComboBox>("mNavModeComboBox"), chosenIndex);
        zeltest::Choose(child<km::kmComboBox>("units_comboBox"), 1);
        zeltest::Choose(child<km::kmComboBox>("mPsNamingPolicyComboBox"), 2);
        zeltest::Press(child("displayPsCheckbox"));

        QVERIFY(!mPanel->applyModifications());
        QCOMPARE(int(navigation->getNavigationMode()), mode);
        QCOMPARE(stored("Controls/controller"), chosenIndex ? "examine" : "arcball");
        QCOMPARE(mApplication->getAppUnit(), CENTIMETER);
        QCOMPARE(mApplication->getDMManager()->getDefaultInstanceNamingPolicy().getType(),
                 InstanceNamingPolicy::COMPONENT_AND_INSTANCE_NAME);
        QVERIFY(!mHarness->mMainWindow.isProductStructurePanelShown());
        QCOMPARE(mApplication->getDMManager()->getMaxCacheSize(), 1034u);
        QCOMPARE(stored("DBCache/cacheSize"), QStringLiteral("1034"));
    }

    void withoutHostParts_data()
    {
        QTest::addColumn<bool>("application");
        QTest::addRow("applyWithoutRendererOrMainWindow") << true;
        QTest::addRow("panelWithoutApplication") << false;
    }

    void withoutHostParts()
    {
        // The host calls that have nothing to reach are skipped; the store is still written.
        QFETCH(bool, application);
        mApplication->setRenderer(nullptr);
        mApplication->setMainWindow(nullptr);
        mApplication->setDMManager(nullptr);
        mApplication->setNavigationManager(nullptr);
        ZelGeneralSettingsPanel bare(nullptr, *mSettings);
        bare.initializeWidget();
        bare.resize(mPanel->size());
        bare.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bare));
        ZelGeneralSettingsPanel* panel = application ? mPanel : &bare;
        editEveryGroup(panel);
        QVERIFY(!panel->applyModifications());
        QCOMPARE(stored("units/name"), QStringLiteral("m"));
        QCOMPARE(stored("display/displaytool"), QStringLiteral("false"));
        QVERIFY(mHarness->mMainWindow.isToolPanelShown());
        chooseFolder(child("databaseButton", panel), QString(), false);
        QVERIFY(!panel->hasModifications());
    }

    void resetRestoresDefaults()
    {
        store("units/name", "in");
        store("engine/backgroundColor", "#FF000000");
        reload();
        // Absent from the store, so unticked; the defaults fill cut planes.
        QVERIFY(!child<QCheckBox>("fillCutplaneCheckbox")->isChecked());
        QSignalSpy spy(mPanel, &ZelGeneralSettingsPanel::stateChanged);
        QVERIFY(mPanel->canResetContent());

        mPanel->resetContent();
        QCOMPARE(spy.count(), 1);
        QCOMPARE(child<km::kmComboBox>("units_comboBox")->currentIndex(), 0);
        QCOMPARE(child("backgroundColorButton")->styleSheet(),
                 QStringLiteral("background-color:#ffc0c0c0;"));
        QVERIFY(child<QCheckBox>("fillCutplaneCheckbox")->isChecked());
        // Nothing reaches the store before an apply.
        QCOMPARE(stored("units/name"), QStringLiteral("in"));
        QVERIFY(mPanel->hasModifications());
        QVERIFY(!mPanel->canResetContent());
        mPanel->resetContent();
        QCOMPARE(spy.count(), 1);
    }

    void cancelPutsStoreBack()
    {
        QSignalSpy spy(mPanel, &ZelGeneralSettingsPanel::stateChanged);
        zeltest::Press(child("deferredFXAACheckBox"));
        zeltest::StepUp(child("nbDecimals_spinBox"));
        zeltest::Choose(child<km::kmComboBox>("units_comboBox"), 2);
        child("mLogFolderButton")->setToolTip(QStringLiteral("/elsewhere/log.txt"));
        QCOMPARE(spy.count(), 3);

        QVERIFY(mPanel->cancelModifications());
        QCOMPARE(spy.count(), 3);
        QVERIFY(child<QCheckBox>("deferredFXAACheckBox")->isChecked());
        QCOMPARE(child<QSpinBox>("nbDecimals_spinBox")->value(),
                 stored("units/nbDecimals").toInt());
        QCOMPARE(child<km::kmComboBox>("units_comboBox")->currentIndex(), 0);
        QCOMPARE(child("mLogFolderButton")->toolTip(), stored("Logging/logFile"));
        QVERIFY(!mPanel->hasModifications());
        QVERIFY(!mPanel->cancelModifications());
    }

    void folderChooser_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::addRow("accepted") << true;
        QTest::addRow("cancelled") << false;
    }

    void folderChooser()
    {
        QFETCH(bool, accept);
        const QString folder = mHarness->mDir.filePath("a long folder name for a cache");
        QVERIFY(QDir().mkpath(folder));
        mPanel->resize(420, 800);
        auto* button = child<QPushButton>("databaseButton");
        const QString before = button->toolTip();
        QSignalSpy spy(mPanel, &ZelGeneralSettingsPanel::stateChanged);
        QSignalSpy updates(mApplication, &kmDMIApplication::viewUpdatesEnabledChanged);

        chooseFolder(button, folder, accept);
        QVERIFY(!mUpdatesWhileOpen && mApplication->areViewUpdatesEnabled());
        QCOMPARE(updates.count(), 2);
        QCOMPARE(spy.count(), accept ? 1 : 0);
        QCOMPARE(button->toolTip(), accept ? folder : before);
        QCOMPARE(mPanel->hasModifications(), accept);
        const QString text = button->text(); // too long for the button: elided on the left
        QCOMPARE(text.startsWith(QChar(0x2026)) && folder.endsWith(text.mid(1)), accept);
        mPanel->applyModifications();
        QCOMPARE(stored("DBCache/cacheDirectory") == folder, accept);
    }

    void memorySizesGrouped_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("widget");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("digits");
        QTest::addColumn<QString>("typed");
        const QString frenchGroup = QLocale(QStringLiteral("fr_FR")).groupSeparator();
        // The memory limits lie in a section that the panel shows only for some engines:
        // they are not typed into.
        QTest::newRow("German cache") << "de_DE" << "databaseSpinBox" << 1024 << "1.024"
                                      << "2.048";
        QTest::newRow("French cache") << "fr_FR" << "databaseSpinBox" << 4096
                                      << "4" + frenchGroup + "096" << "2048";
        QTest::newRow("French main memory")
            << "fr_FR" << "maxCPU3DSpinBox" << 4096 << "4" + frenchGroup + "096" << "";
        QTest::newRow("English graphics memory") << "en_US" << "maxGPUSPinBox" << 8000
                                                 << "8,000" << "";
        QTest::newRow("English ray memory") << "en_US" << "maxCPURaySpinBox" << 1024 << "1,024"
                                            << "";
        QTest::newRow("C") << "C" << "databaseSpinBox" << 1024 << "1024" << "2048";
    }
    void memorySizesGrouped()
    {
        QFETCH(QString, locale);
        QFETCH(QString, widget);
        QFETCH(int, value);
        QFETCH(QString, digits);
        QFETCH(QString, typed);
        // Sizes are written as the language of the application writes numbers, and typed
        // either way.
        const QLocale before;
        QLocale::setDefault(QLocale(locale));
        mPanels.clear();
        mPanel = openPanel<ZelGeneralSettingsPanel>(QSize(450, 900));
        QLocale::setDefault(before);
        auto* spinBox = qobject_cast<QSpinBox*>(child(qPrintable(widget)));
        spinBox->setValue(value);
        QCOMPARE(spinBox->text(), spinBox->prefix() + digits + spinBox->suffix());
        if (typed.isEmpty())
            return;
        zeltest::Type(spinBox, typed);
        QCOMPARE(spinBox->value(), 2048);
    }

    void sceneUnitComboIndex_data()
    {
        QTest::addColumn<float>("scale");
        QTest::addColumn<int>("index");
        const std::pair<float, int> rows[] = {
            {0.001f, 0}, {0.0019f, 0}, {0.00201f, 3}, {0.0105f, 1}, {0.0115f, 3},
            {0.1009f, 2}, {0.1011f, 3}, {10.0009f, 4}, {10.002f, 3}, {99.9995f, 5},
            {100.002f, 3}, {1000.0f, 6}, {1000.002f, 3}, {0.0f, 3}, {-5.0f, 3}};
        for (const auto& row : rows)
            QTest::addRow("%g", double(row.first)) << row.first << row.second;
    }

    void sceneUnitComboIndex()
    {
        QFETCH(float, scale);
        QFETCH(int, index);
        QCOMPARE(ZelGeneralSettingsPanel::GetSceneUnitComboIndex(scale), index);
    }

    void lookWithStyleSheet()
    {
        TestHost::ApplyLibraryStyle();
        const QString folder = mHarness->mDir.filePath(
            QStringLiteral("some/deeply/nested/folders/that/hold/the/3D/database/cache"));
        store("DBCache/cacheDirectory", folder);
        store("engine/backgroundColor", "#FF1226AA");
        reload();
        // The hosts take the tab button into their own tab list.
        mPanel->getActionWidget()->hide();
        mPanel->resize(450, 900);
        mPanel->show();
        QVERIFY(QTest::qWaitForWindowExposed(mPanel));

        const QImage image = mPanel->grab().toImage();
        if (qEnvironmentVariableIsSet("ZEL_SCREENSHOT_DIR"))
            QVERIFY(image.save(qEnvironmentVariable("ZEL_SCREENSHOT_DIR") + "/general-panel.png"));
        QWidget* swatch = child("backgroundColorButton");
        const QPoint centre = swatch->mapTo(mPanel, swatch->rect().center());
        qApp->setStyleSheet(QString());
        QCOMPARE(image.pixelColor(centre), QColor(18, 38, 170));

        // Paths lose their beginning, and come back whole when there is room.
        auto* path = child<QPushButton>("databaseButton");
        QVERIFY(path->text().startsWith(QChar(0x2026)));
        QVERIFY(folder.endsWith(path->text().mid(1)));
        mPanel->resize(3000, 900);
        QTRY_COMPARE(path->text(), folder);
    }

private:
    template <typename T = QWidget>
    T* child(const char* pName, QObject* pPanel = nullptr) const
    {
        return zeltest::Child<T>(pPanel ? pPanel : mPanel, pName);
    }
    void reload() { mPanel->initializeWidget(); }
    void store(const char* pKey, const QVariant& pValue) { mSettings->setValue(pKey, pValue); }
    QColor pickColor(const QColor& pColor, bool pAccept);
    void editEveryGroup(QWidget* pPanel);
    void chooseFolder(QWidget* pButton, const QString& pFolder, bool pAccept);

    ZelGeneralSettingsPanel* mPanel = nullptr;
    QSettings* mSettings = nullptr;
    kmDMIApplication* mApplication = nullptr;
    bool mUpdatesWhileOpen = true;
};

// Clicks the swatch and answers the real colour dialog; returns the colour it offered.
QColor tst_ZelGeneralSettingsPanel::pickColor(const QColor& pColor, bool pAccept)
{
    QColor offered;
    bool closed = false;
    AnswerModal<QColorDialog>(&mHarness->mAnswers, [&](QColorDialog* pDialog) {
        offered = pDialog->currentColor();
        if (pColor.isValid())
            zeltest::EnterColor(pDialog, pColor);
        closed = ClickDialogButton(pDialog, pAccept ? QDialogButtonBox::Ok
                                                    : QDialogButtonBox::Cancel);
    });
    zeltest::Press(child("backgroundColorButton"));
    return closed ? offered : QColor();
}

// One edit in each group that pushes to the host: units, engine, display, controls, cache.
void tst_ZelGeneralSettingsPanel::editEveryGroup(QWidget* pPanel)
{
    zeltest::Choose(child<km::kmComboBox>("units_comboBox", pPanel), 2);
    zeltest::Press(child("deferredFXAACheckBox", pPanel));
    zeltest::Press(child("displayToolCheckbox", pPanel));
    zeltest::Choose(child<km::kmComboBox>("mNavModeComboBox", pPanel), 1);
    zeltest::StepUp(child("databaseSpinBox", pPanel));
}

// Clicks the cache-folder button and answers the real folder dialog.
void tst_ZelGeneralSettingsPanel::chooseFolder(QWidget* pButton, const QString& pFolder,
                                               bool pAccept)
{
    bool closed = false;
    AnswerModal<QFileDialog>(&mHarness->mAnswers, [&](QFileDialog* pDialog) {
        mUpdatesWhileOpen = mApplication->areViewUpdatesEnabled();
        // The name field takes the focus: what is there is selected and typed over. Keys that
        // miss it show as a wrong folder, rather than as a dialog left open.
        auto* name = zeltest::Child<QLineEdit>(pDialog, "fileNameEdit");
        QTest::qWaitFor([name] { return name->hasFocus(); });
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), pFolder);
        // The completer's list would take the next click: Escape in it closes only the list.
        if (QWidget* list = QApplication::activePopupWidget())
            QTest::keyClick(list, Qt::Key_Escape);
        closed = ClickDialogButton(pDialog, pAccept ? QDialogButtonBox::Open
                                                    : QDialogButtonBox::Cancel);
    });
    zeltest::Press(pButton);
    QVERIFY(closed);
}

QTEST_MAIN(tst_ZelGeneralSettingsPanel)
#include "tst_ZelGeneralSettingsPanel.moc"
