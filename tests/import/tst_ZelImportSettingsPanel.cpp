#include "PanelBench.h"

#include "ZelImportSettingsPanel.h"

using namespace zel;

namespace {

// The radio groups, default first, with the spin box that a set limit enables.
struct RadioGroup
{
    QStringList radios;
    const char* spin;
};
const RadioGroup kGroups[] = {{{"defaultQuality", "highQuality", "lowQuality"}, nullptr},
                              {{"defaultSag", "sag"}, "faceSagSpin"},
                              {{"defaultLength", "length"}, "faceLengthSpin"},
                              {{"defaultAngle", "angle"}, "faceAngleSpin"}};

} // namespace

class tst_ZelImportSettingsPanel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void defaultsGiveNoModificationAndNoReset();
    void form();
    void radioButtonClicked_data();
    void radioButtonClicked();
    void limitChangedWhileUnsetIsNoModification();
    void sagOutOfRangeShownClamped_data();
    void sagOutOfRangeShownClamped();
    void checkBoxes_data();
    void checkBoxes();
    void applyWritesAllKeys();
    void resetEmitsOnce();
    void cancel();

private:
    template <typename T = QWidget>
    T* child(const QString& pName) const
    {
        return zeltest::Child<T>(mPanel.get(), qPrintable(pName));
    }
    void click(const QString& pName) { QTest::mouseClick(child(pName), Qt::LeftButton); }
    void typeInto(const char* pSpin, const QString& pText);
    QString stored(const char* pKey) const;

    std::unique_ptr<zeltest::PanelBench> mBench;
    std::unique_ptr<ZelImportSettingsPanel> mPanel;
    QSettings* mSettings = nullptr;
};

void tst_ZelImportSettingsPanel::initTestCase()
{
    zeltest::InitTestCase();
    QLocale::setDefault(QLocale::c());
}

void tst_ZelImportSettingsPanel::init()
{
    mBench = std::make_unique<zeltest::PanelBench>();
    QVERIFY(mBench->checkStore());
    mSettings = &mBench->mSettings;
    mPanel = std::make_unique<ZelImportSettingsPanel>(&mBench->mApplication, *mSettings);
    mPanel->initializeWidget();
    mPanel->resize(700, 640);
    mPanel->show();
    QVERIFY(QTest::qWaitForWindowExposed(mPanel.get()));
}

void tst_ZelImportSettingsPanel::cleanup()
{
    mPanel.reset();
    mBench.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_ZelImportSettingsPanel::typeInto(const char* pSpin, const QString& pText)
{
    auto* spin = child(QLatin1String(pSpin));
    QTest::mouseClick(spin, Qt::LeftButton, {}, QPoint(10, spin->height() / 2));
    QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(spin, pText);
    QTest::keyClick(spin, Qt::Key_Return);
}

// The value as another reader finds it on disk.
QString tst_ZelImportSettingsPanel::stored(const char* pKey) const
{
    mSettings->sync();
    return QSettings(mSettings->fileName(), QSettings::IniFormat).value(pKey).toString();
}

void tst_ZelImportSettingsPanel::defaultsGiveNoModificationAndNoReset()
{
    QSignalSpy spy(mPanel.get(), SIGNAL(stateChanged()));
    QVERIFY(!mPanel->hasModifications());
    QVERIFY(!mPanel->canResetContent());
    for (const RadioGroup& group : kGroups) {
        for (const QString& name : group.radios)
            QCOMPARE(child<QRadioButton>(name)->isChecked(), name == group.radios.first());
        QVERIFY(!group.spin || !child(QLatin1String(group.spin))->isEnabled());
    }
    QCOMPARE(child<QSpinBox>("faceAngleSpin")->value(), 45);
    for (const char* name :
         {"loadHiddenObjectsCheckBox", "loadAnnotationsCheckBox", "computeFaceContourCheckBox"})
        QVERIFY2(child<QCheckBox>(QLatin1String(name))->isChecked(), name);
    mPanel->resetContent();
    QVERIFY(!mPanel->cancelModifications());
    QVERIFY(!mPanel->applyModifications());
    QCOMPARE(spy.count(), 0);
}

void tst_ZelImportSettingsPanel::form()
{
    QCOMPARE(mPanel->getPanelName(), QStringLiteral("IMPORT"));
    QCOMPARE(child<QGroupBox>("groupBox")->title(), QStringLiteral("Tessellation Quality"));
    // Exclusivity is the panel's job: no two radio buttons may share a parent.
    QSet<QObject*> parents;
    for (const RadioGroup& group : kGroups) {
        for (const QString& name : group.radios)
            parents.insert(child(name)->parent());
    }
    QCOMPARE(parents.size(), 9);

    mSettings->setValue("Tesselation/TesselationMaxFaceAngle", 359);
    mSettings->setValue("Tesselation/TesselationMaxFaceAngleSet", true);
    mPanel->initializeWidget();
    QCOMPARE(child<QSpinBox>("faceAngleSpin")->text(), QStringLiteral("359 \u00b0"));
    QVERIFY(child<QRadioButton>("angle")->isChecked() && child("faceAngleSpin")->isEnabled());
    QVERIFY(!mPanel->hasModifications());
}

void tst_ZelImportSettingsPanel::radioButtonClicked_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<bool>("modified");
    QTest::addRow("high quality") << QString() << "highQuality" << true;
    QTest::addRow("low then high") << "lowQuality" << "highQuality" << true;
    QTest::addRow("back to default quality") << "highQuality" << "defaultQuality" << false;
    QTest::addRow("sag") << QString() << "sag" << true;
    QTest::addRow("sag clicked again") << "sag" << "sag" << true;
    QTest::addRow("default sag") << "sag" << "defaultSag" << false;
    QTest::addRow("length") << QString() << "length" << true;
    QTest::addRow("default length") << "length" << "defaultLength" << false;
    QTest::addRow("angle") << QString() << "angle" << true;
    QTest::addRow("default angle") << "angle" << "defaultAngle" << false;
}

void tst_ZelImportSettingsPanel::radioButtonClicked()
{
    QFETCH(QString, before);
    QFETCH(QString, clicked);
    QFETCH(bool, modified);
    // Limits that hold a value, so that the one shown can be seen to stay.
    mSettings->setValue("Tesselation/TesselationMaxFaceSag", 2.5);
    mSettings->setValue("Tesselation/TesselationMaxFaceLength", 3.5);
    mSettings->setValue("Tesselation/TesselationMaxFaceAngle", 90);
    mPanel->initializeWidget();
    if (!before.isEmpty())
        click(before);
    const RadioGroup& group =
        *std::find_if(std::begin(kGroups), std::end(kGroups),
                      [&](const RadioGroup& pGroup) { return pGroup.radios.contains(clicked); });
    auto* spin = group.spin ? child<QAbstractSpinBox>(QLatin1String(group.spin)) : nullptr;
    const QString shown = spin ? spin->text() : QString();
    QSignalSpy spy(mPanel.get(), SIGNAL(stateChanged()));

    click(clicked);
    QCOMPARE(spy.count(), 1);
    for (const QString& name : group.radios)
        QCOMPARE(child<QRadioButton>(name)->isChecked(), name == clicked);
    QVERIFY(!spin || spin->isEnabled() == (clicked != group.radios.first()));
    QCOMPARE(spin ? spin->text() : QString(), shown);
    QVERIFY(!shown.startsWith(QLatin1Char('0')));
    QCOMPARE(mPanel->hasModifications(), modified);
}

void tst_ZelImportSettingsPanel::limitChangedWhileUnsetIsNoModification()
{
    click(QStringLiteral("sag"));
    typeInto("faceSagSpin", QStringLiteral("12.5"));
    QVERIFY(mPanel->hasModifications());
    click(QStringLiteral("defaultSag"));
    QCOMPARE(child<QDoubleSpinBox>("faceSagSpin")->value(), 12.5);
    QVERIFY(!mPanel->hasModifications());
    QVERIFY(!mPanel->canResetContent());
    QVERIFY(!mPanel->applyModifications());
    QCOMPARE(stored("Tesselation/TesselationMaxFaceSag").toDouble(), 0.0);

    // The kept value travels with the next real modification.
    click(QStringLiteral("loadAnnotationsCheckBox"));
    QVERIFY(!mPanel->applyModifications());
    QCOMPARE(stored("Tesselation/TesselationMaxFaceSag").toDouble(), 12.5);
    QCOMPARE(stored("Tesselation/TesselationMaxFaceSagSet"), QStringLiteral("false"));
}

void tst_ZelImportSettingsPanel::sagOutOfRangeShownClamped_data()
{
    QTest::addColumn<bool>("flag");
    QTest::addRow("flag set") << true;
    QTest::addRow("flag off") << false;
}

void tst_ZelImportSettingsPanel::sagOutOfRangeShownClamped()
{
    QFETCH(bool, flag);
    mSettings->setValue("Tesselation/TesselationMaxFaceSag", 100);
    mSettings->setValue("Tesselation/TesselationMaxFaceSagSet", flag);
    mPanel->initializeWidget();
    QCOMPARE(child<QDoubleSpinBox>("faceSagSpin")->text(), QStringLiteral("99.990"));
    QCOMPARE(child("faceSagSpin")->isEnabled(), flag);
    QCOMPARE(mPanel->hasModifications(), flag);
    QVERIFY(!mPanel->applyModifications());
    QCOMPARE(stored("Tesselation/TesselationMaxFaceSag").toDouble(), flag ? 99.99 : 100.0);
    QVERIFY(!mPanel->hasModifications());
}

void tst_ZelImportSettingsPanel::checkBoxes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("emitted");
    QTest::addRow("hidden objects") << "loadHiddenObjectsCheckBox" << "LoadHiddenObjects" << 1;
    QTest::addRow("annotations") << "loadAnnotationsCheckBox" << "LoadAnnotations" << 1;
    QTest::addRow("face contour") << "computeFaceContourCheckBox" << "ComputeFaceContour" << 0;
}

void tst_ZelImportSettingsPanel::checkBoxes()
{
    QFETCH(QString, name);
    QFETCH(QString, key);
    QFETCH(int, emitted);
    QSignalSpy spy(mPanel.get(), SIGNAL(stateChanged()));
    click(name);
    QVERIFY(!child<QCheckBox>(name)->isChecked());
    QCOMPARE(spy.count(), emitted);
    QVERIFY(mPanel->hasModifications() && mPanel->canResetContent());
    QVERIFY(!mPanel->applyModifications());
    QCOMPARE(stored(qPrintable("Import/" + key)), QStringLiteral("false"));
}

void tst_ZelImportSettingsPanel::applyWritesAllKeys()
{
    for (const char* radio : {"lowQuality", "sag", "length", "angle"})
        click(QLatin1String(radio));
    typeInto("faceSagSpin", QStringLiteral("1.5"));
    typeInto("faceLengthSpin", QStringLiteral("2.25"));
    typeInto("faceAngleSpin", QStringLiteral("90"));
    click(QStringLiteral("loadHiddenObjectsCheckBox"));
    click(QStringLiteral("computeFaceContourCheckBox"));
    // Start from an empty store, so that every key must come from the apply.
    mSettings->clear();
    QSignalSpy spy(mPanel.get(), SIGNAL(stateChanged()));
    QCOMPARE(mPanel->applyModifications(), false);
    QCOMPARE(spy.count(), 0);
    QVERIFY(!mPanel->hasModifications());

    QStringList actual;
    const QStringList keys = mSettings->allKeys();
    for (const QString& key : keys)
        actual << key.section(QLatin1Char('/'), 1) + '=' + stored(qPrintable(key));
    actual.sort();
    QCOMPARE(actual.join(QLatin1Char(' ')),
             QStringLiteral("ComputeFaceContour=false LoadAnnotations=true "
                            "LoadHiddenObjects=false "
                            "TesselationIsHighQuality=false TesselationMaxFaceAngle=90 "
                            "TesselationMaxFaceAngleSet=true TesselationMaxFaceLength=2.25 "
                            "TesselationMaxFaceLengthSet=true TesselationMaxFaceSag=1.5 "
                            "TesselationMaxFaceSagSet=true TesselationQualitySet=true"));
}

void tst_ZelImportSettingsPanel::resetEmitsOnce()
{
    click(QStringLiteral("highQuality"));
    click(QStringLiteral("angle"));
    typeInto("faceAngleSpin", QStringLiteral("10"));
    click(QStringLiteral("computeFaceContourCheckBox"));
    QVERIFY(!mPanel->applyModifications());
    QSignalSpy spy(mPanel.get(), SIGNAL(stateChanged()));

    mPanel->resetContent();
    QCOMPARE(spy.count(), 1);
    QVERIFY(child<QRadioButton>("defaultQuality")->isChecked());
    QVERIFY(child<QRadioButton>("defaultAngle")->isChecked());
    QVERIFY(!child("faceAngleSpin")->isEnabled());
    QCOMPARE(child<QSpinBox>("faceAngleSpin")->value(), 45);
    QVERIFY(child<QCheckBox>("computeFaceContourCheckBox")->isChecked());
    QVERIFY(mPanel->hasModifications() && !mPanel->canResetContent());
    QCOMPARE(stored("Tesselation/TesselationMaxFaceAngle"), QStringLiteral("10"));
    mPanel->resetContent();
    QCOMPARE(spy.count(), 1);
}

void tst_ZelImportSettingsPanel::cancel()
{
    QSignalSpy spy(mPanel.get(), SIGNAL(stateChanged()));
    QVERIFY(!mPanel->cancelModifications());
    click(QStringLiteral("sag"));
    typeInto("faceSagSpin", QStringLiteral("4"));
    click(QStringLiteral("lowQuality"));
    click(QStringLiteral("loadHiddenObjectsCheckBox"));
    const int edits = spy.count();

    QVERIFY(mPanel->cancelModifications());
    QCOMPARE(spy.count(), edits);
    QVERIFY(!mPanel->hasModifications());
    QVERIFY(child<QRadioButton>("defaultSag")->isChecked());
    QVERIFY(!child("faceSagSpin")->isEnabled());
    QCOMPARE(child<QDoubleSpinBox>("faceSagSpin")->value(), 0.0);
    QVERIFY(child<QRadioButton>("defaultQuality")->isChecked());
    QVERIFY(child<QCheckBox>("loadHiddenObjectsCheckBox")->isChecked());
    QVERIFY(!mPanel->cancelModifications());
}

QTEST_MAIN(tst_ZelImportSettingsPanel)
#include "tst_ZelImportSettingsPanel.moc"
