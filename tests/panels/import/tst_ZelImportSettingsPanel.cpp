#include "PanelFixture.h"

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

class tst_ZelImportSettingsPanel : public zeltest::PanelFixture
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { PrepareRun(); }
    void init()
    {
        setUp();
        mSettings = &mHarness->mSettings;
        mPanel = openPanel<ZelImportSettingsPanel>(QSize(700, 640));
    }
    void cleanup() { tearDown(); }

    void radioButtonClicked_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<bool>("modified");
        // Every button once: each other one from the default, each default from the other one.
        for (int group = 0; group < 4; ++group) {
            const QStringList& radios = kGroups[group].radios;
            for (const QString& name : radios.mid(1))
                QTest::newRow(qPrintable(name)) << group << QString() << name << true;
            QTest::addRow("%s after %s", qPrintable(radios.first()), qPrintable(radios.last()))
                << group << radios.last() << radios.first() << false;
        }
        QTest::addRow("lowQuality then highQuality") << 0 << "lowQuality" << "highQuality" << true;
    }

    void radioButtonClicked()
    {
        QFETCH(int, group);
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
        const QStringList& radios = kGroups[group].radios;
        const char* spinName = kGroups[group].spin;
        auto* spin = spinName ? child<QAbstractSpinBox>(QLatin1String(spinName)) : nullptr;
        const QString shown = spin ? spin->text() : QString();
        QSignalSpy spy(mPanel, SIGNAL(stateChanged()));

        click(clicked);
        QCOMPARE(spy.count(), 1);
        for (const QString& name : radios)
            QCOMPARE(child<QRadioButton>(name)->isChecked(), name == clicked);
        QVERIFY(!spin || spin->isEnabled() == (clicked != radios.first()));
        QCOMPARE(spin ? spin->text() : QString(), shown);
        QVERIFY(!shown.startsWith(QLatin1Char('0')));
        QCOMPARE(mPanel->hasModifications(), modified);
    }

    void limitChangedWhileUnsetIsNoModification()
    {
        click("sag");
        typeInto("faceSagSpin", QStringLiteral("12.5"));
        QVERIFY(mPanel->hasModifications());
        click("defaultSag");
        QCOMPARE(child<QDoubleSpinBox>("faceSagSpin")->value(), 12.5);
        QVERIFY(!mPanel->hasModifications());
        QVERIFY(!mPanel->canResetContent());
        QVERIFY(!mPanel->applyModifications());
        QCOMPARE(stored("Tesselation/TesselationMaxFaceSag").toDouble(), 0.0);

        // The kept value travels with the next real modification.
        click("loadAnnotationsCheckBox");
        QVERIFY(!mPanel->applyModifications());
        QCOMPARE(stored("Tesselation/TesselationMaxFaceSag").toDouble(), 12.5);
        QCOMPARE(stored("Tesselation/TesselationMaxFaceSagSet"), QStringLiteral("false"));
    }

    void limitShown_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("flag");
        QTest::addColumn<QString>("shown");
        // Every value that the start-up check accepts is shown and kept as it is.
        QTest::addRow("sag 100, flag set") << "Sag" << 100.0 << true << "100";
        QTest::addRow("sag 100, flag off") << "Sag" << 100.0 << false << "100";
        QTest::addRow("length of six digits") << "Length" << 0.123457 << true << "0.123457";
        // Finer than the spin box shows: kept until the person changes it.
        QTest::addRow("length 1e-07") << "Length" << 1e-07 << true << "0";
        QTest::addRow("angle 359") << "Angle" << 359.0 << true << "359 \u00b0";
    }

    void limitShown()
    {
        QFETCH(QString, key);
        QFETCH(double, value);
        QFETCH(bool, flag);
        QFETCH(QString, shown);
        const QString stem = QStringLiteral("Tesselation/TesselationMaxFace") + key;
        mSettings->setValue(stem, value);
        mSettings->setValue(stem + QStringLiteral("Set"), flag);
        mPanel->initializeWidget();
        auto* spin = child<QAbstractSpinBox>(QStringLiteral("face%1Spin").arg(key));
        QCOMPARE(spin->text(), shown);
        QCOMPARE(spin->isEnabled(), flag);
        QVERIFY(!mPanel->hasModifications());
        click("loadAnnotationsCheckBox");
        QVERIFY(!mPanel->applyModifications());
        QCOMPARE(stored(stem).toDouble(), value);
        QVERIFY(!mPanel->hasModifications());
    }

    void applyWritesEditedKeys()
    {
        // The face contour box says nothing, yet counts as a modification.
        QSignalSpy spy(mPanel, SIGNAL(stateChanged()));
        click("computeFaceContourCheckBox");
        QCOMPARE(spy.count(), 0);
        QVERIFY(mPanel->hasModifications() && mPanel->canResetContent());
        for (const char* radio : {"lowQuality", "sag", "length", "angle"})
            click(radio);
        typeInto("faceSagSpin", QStringLiteral("1.5"));
        typeInto("faceLengthSpin", QStringLiteral("2.25"));
        typeInto("faceAngleSpin", QStringLiteral("90"));
        click("loadHiddenObjectsCheckBox");
        // Written otherwise than the panel would write it: an untouched key keeps its text.
        mSettings->setValue(QStringLiteral("Import/LoadAnnotations"), QStringLiteral("True"));
        mSettings->sync();
        spy.clear();
        QCOMPARE(mPanel->applyModifications(), false);
        QCOMPARE(spy.count(), 0);
        QVERIFY(!mPanel->hasModifications());

        QStringList actual;
        const QStringList keys = mSettings->allKeys();
        for (const QString& key : keys) {
            if (key.startsWith(QLatin1String("Import/"))
                || key.startsWith(QLatin1String("Tesselation/")))
                actual << key.section(QLatin1Char('/'), 1) + '=' + stored(key);
        }
        actual.sort();
        QCOMPARE(actual.join(QLatin1Char(' ')),
                 QStringLiteral("ComputeFaceContour=false LoadAnnotations=True "
                                "LoadHiddenObjects=false "
                                "TesselationIsHighQuality=false TesselationMaxFaceAngle=90 "
                                "TesselationMaxFaceAngleSet=true TesselationMaxFaceLength=2.25 "
                                "TesselationMaxFaceLengthSet=true TesselationMaxFaceSag=1.5 "
                                "TesselationMaxFaceSagSet=true TesselationQualitySet=true"));
    }

    void defaultsCancelReset()
    {
        // The store holds the defaults: nothing is modified, nothing to reset, nothing emitted.
        QSignalSpy spy(mPanel, SIGNAL(stateChanged()));
        QVERIFY(!mPanel->hasModifications() && !mPanel->canResetContent());
        mPanel->resetContent();
        QVERIFY(!mPanel->cancelModifications());
        QVERIFY(!mPanel->applyModifications());
        QCOMPARE(spy.count(), 0);

        const auto edit = [this] {
            click("highQuality");
            click("angle");
            typeInto("faceAngleSpin", QStringLiteral("10"));
            click("computeFaceContourCheckBox");
        };
        const auto defaultsShown = [this] {
            return child<QRadioButton>("defaultQuality")->isChecked()
                   && child<QRadioButton>("defaultAngle")->isChecked()
                   && !child("faceAngleSpin")->isEnabled()
                   && child<QCheckBox>("computeFaceContourCheckBox")->isChecked();
        };
        // Cancel puts the store back without a word.
        edit();
        spy.clear();
        QVERIFY(mPanel->cancelModifications());
        QCOMPARE(spy.count(), 0);
        QVERIFY(defaultsShown() && !mPanel->hasModifications());
        QVERIFY(!mPanel->cancelModifications());

        // Reset puts the defaults in the panel only, with a single signal.
        edit();
        QVERIFY(!mPanel->applyModifications());
        spy.clear();
        mPanel->resetContent();
        QCOMPARE(spy.count(), 1);
        QVERIFY(defaultsShown());
        QCOMPARE(child<QSpinBox>("faceAngleSpin")->value(), 45);
        QVERIFY(mPanel->hasModifications() && !mPanel->canResetContent());
        QCOMPARE(stored("Tesselation/TesselationMaxFaceAngle"), QStringLiteral("10"));
        mPanel->resetContent();
        QCOMPARE(spy.count(), 1);
    }

private:
    template <typename T = QWidget>
    T* child(const QString& pName) const
    {
        return zeltest::Child<T>(mPanel, qPrintable(pName));
    }
    void click(const QString& pName) { zeltest::Press(child(pName)); }
    void typeInto(const char* pSpin, const QString& pText)
    {
        zeltest::Enter(child(QLatin1String(pSpin)), pText);
    }

    ZelImportSettingsPanel* mPanel = nullptr;
    QSettings* mSettings = nullptr;
};

QTEST_MAIN(tst_ZelImportSettingsPanel)
#include "tst_ZelImportSettingsPanel.moc"
