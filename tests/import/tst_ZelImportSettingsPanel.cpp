#include "ZelControlCenter.h"
#include "ZelImportSettingsPanel.h"
#include "kmDMIApplication.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QtTest>

#include <cmath>
#include <memory>

using zel::ZelImportSettingsPanel;
using zel::ZelSettingsPanel;
using zel::kmDMIApplication;

namespace {

const char kSagKey[] = "Tesselation/TesselationMaxFaceSag";
const char kSagSetKey[] = "Tesselation/TesselationMaxFaceSagSet";
const char kAngleKey[] = "Tesselation/TesselationMaxFaceAngle";
const char kAngleSetKey[] = "Tesselation/TesselationMaxFaceAngleSet";

const char* const kRadioNames[] = {"defaultQuality", "highQuality", "lowQuality",
                                   "defaultSag", "sag", "defaultLength",
                                   "length", "defaultAngle", "angle"};

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
    void storedNanIsModification();
    void angleShowsDegrees();
    void checkBoxes_data();
    void checkBoxes();
    void applyWritesAllKeys();
    void resetEmitsOnce();
    void cancel();

private:
    template <typename T>
    T* child(const char* pName) const
    {
        T* widget = mPanel->findChild<T*>(QLatin1String(pName));
        if (!widget)
            qFatal("no child %s", pName);
        return widget;
    }
    void showPanel();
    void typeInto(QAbstractSpinBox* pSpin, const QString& pText);
    QSettings* reopenStore() const;

    std::unique_ptr<QTemporaryDir> mDir;
    std::unique_ptr<QSettings> mSettings;
    std::unique_ptr<kmDMIApplication> mApplication;
    std::unique_ptr<ZelImportSettingsPanel> mPanel;
};

void tst_ZelImportSettingsPanel::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QLocale::setDefault(QLocale::c());
    zel::ZelControlCenter::InitDefaultSettingsValues();
}

void tst_ZelImportSettingsPanel::init()
{
    mDir = std::make_unique<QTemporaryDir>();
    QVERIFY(mDir->isValid());
    mSettings = std::make_unique<QSettings>(mDir->filePath(QStringLiteral("settings.ini")),
                                            QSettings::IniFormat);
    QString message;
    QVERIFY2(zel::ZelControlCenter::EnsureSettings(*mSettings, message), qPrintable(message));
    mApplication = std::make_unique<kmDMIApplication>();
    mApplication->setSettings(mSettings.get());
    mPanel = std::make_unique<ZelImportSettingsPanel>(mApplication.get(), *mSettings);
    mPanel->initializeWidget();
}

void tst_ZelImportSettingsPanel::cleanup()
{
    mPanel.reset();
    mApplication.reset();
    mSettings.reset();
    mDir->setAutoRemove(!QTest::currentTestFailed());
    mDir.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_ZelImportSettingsPanel::showPanel()
{
    mPanel->resize(700, 640);
    mPanel->show();
    QVERIFY(QTest::qWaitForWindowExposed(mPanel.get()));
}

void tst_ZelImportSettingsPanel::typeInto(QAbstractSpinBox* pSpin, const QString& pText)
{
    QTest::mouseClick(pSpin, Qt::LeftButton, {}, QPoint(10, pSpin->height() / 2));
    QTest::keyClick(pSpin, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(pSpin, pText);
    QTest::keyClick(pSpin, Qt::Key_Return);
}

QSettings* tst_ZelImportSettingsPanel::reopenStore() const
{
    mSettings->sync();
    return new QSettings(mSettings->fileName(), QSettings::IniFormat);
}

void tst_ZelImportSettingsPanel::defaultsGiveNoModificationAndNoReset()
{
    QSignalSpy spy(mPanel.get(), SIGNAL(stateChanged()));
    QVERIFY(spy.isValid());

    QVERIFY(!mPanel->hasModifications());
    QVERIFY(!mPanel->canResetContent());
    QVERIFY(child<QRadioButton>("defaultQuality")->isChecked());
    QVERIFY(!child<QRadioButton>("lowQuality")->isChecked());
    QVERIFY(!child<QRadioButton>("highQuality")->isChecked());
    for (const char* name : {"defaultSag", "defaultLength", "defaultAngle"})
        QVERIFY2(child<QRadioButton>(name)->isChecked(), name);
    for (const char* name : {"sag", "length", "angle"})
        QVERIFY2(!child<QRadioButton>(name)->isChecked(), name);
    for (const char* name : {"faceSagSpin", "faceLengthSpin", "faceAngleSpin"})
        QVERIFY2(!child<QAbstractSpinBox>(name)->isEnabled(), name);
    QCOMPARE(child<QSpinBox>("faceAngleSpin")->value(), 45);
    for (const char* name :
         {"loadHiddenObjectsCheckBox", "loadAnnotationsCheckBox", "computeFaceContourCheckBox"})
        QVERIFY2(child<QCheckBox>(name)->isChecked(), name);

    mPanel->resetContent();
    QVERIFY(!mPanel->cancelModifications());
    QVERIFY(!mPanel->applyModifications());
    QCOMPARE(spy.count(), 0);
}

void tst_ZelImportSettingsPanel::form()
{
    QCOMPARE(mPanel->getPanelName(), QStringLiteral("IMPORT"));
    QCOMPARE(mPanel->getActionWidget()->text(), QStringLiteral("IMPORT"));
    QCOMPARE(mPanel->getPanelCategory(), ZelSettingsPanel::DataExchangeCategory);
    QCOMPARE(child<QGroupBox>("groupBox")->title(), QStringLiteral("Tessellation Quality"));

    // Exclusivity is the panel's job: no two radio buttons may share a parent.
    QSet<QObject*> parents;
    for (const char* name : kRadioNames) {
        QRadioButton* radio = child<QRadioButton>(name);
        QVERIFY2(!parents.contains(radio->parent()), name);
        parents.insert(radio->parent());
    }

    const auto* sag = child<QDoubleSpinBox>("faceSagSpin");
    const auto* length = child<QDoubleSpinBox>("faceLengthSpin");
    const auto* angle = child<QSpinBox>("faceAngleSpin");
    for (const QDoubleSpinBox* spin : {sag, length}) {
        QCOMPARE(spin->minimum(), 0.0);
        QCOMPARE(spin->maximum(), 99.99);
        QCOMPARE(spin->decimals(), 3);
        QVERIFY(spin->suffix().isEmpty());
    }
    QCOMPARE(angle->minimum(), 0);
    QCOMPARE(angle->maximum(), 359);
    QCOMPARE(angle->suffix(), QStringLiteral(" \u00b0"));
    QVERIFY(sag->inherits("zel::zelDoubleSpinBox"));
    QVERIFY(angle->inherits("zel::zelSpinBox"));
}

void tst_ZelImportSettingsPanel::radioButtonClicked_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<QStringList>("checked");
    QTest::addColumn<QStringList>("unchecked");
    QTest::addColumn<QString>("spin");
    QTest::addColumn<bool>("spinEnabled");
    QTest::addColumn<bool>("modified");

    QTest::addRow("high quality") << QStringList() << "highQuality" << QStringList{"highQuality"}
                                  << QStringList{"defaultQuality", "lowQuality"} << QString()
                                  << false << true;
    QTest::addRow("low quality") << QStringList() << "lowQuality" << QStringList{"lowQuality"}
                                 << QStringList{"defaultQuality", "highQuality"} << QString()
                                 << false << true;
    QTest::addRow("low then high")
        << QStringList{"lowQuality"} << "highQuality" << QStringList{"highQuality"}
        << QStringList{"defaultQuality", "lowQuality"} << QString() << false << true;
    QTest::addRow("back to default quality")
        << QStringList{"highQuality"} << "defaultQuality" << QStringList{"defaultQuality"}
        << QStringList{"highQuality", "lowQuality"} << QString() << false << false;
    QTest::addRow("default quality clicked again")
        << QStringList() << "defaultQuality" << QStringList{"defaultQuality"}
        << QStringList{"highQuality", "lowQuality"} << QString() << false << false;
    QTest::addRow("sag") << QStringList() << "sag" << QStringList{"sag"}
                         << QStringList{"defaultSag"} << "faceSagSpin" << true << true;
    QTest::addRow("sag clicked again") << QStringList{"sag"} << "sag" << QStringList{"sag"}
                                       << QStringList{"defaultSag"} << "faceSagSpin" << true
                                       << true;
    QTest::addRow("default sag") << QStringList{"sag"} << "defaultSag"
                                 << QStringList{"defaultSag"} << QStringList{"sag"}
                                 << "faceSagSpin" << false << false;
    QTest::addRow("length") << QStringList() << "length" << QStringList{"length"}
                            << QStringList{"defaultLength"} << "faceLengthSpin" << true << true;
    QTest::addRow("default length") << QStringList{"length"} << "defaultLength"
                                    << QStringList{"defaultLength"} << QStringList{"length"}
                                    << "faceLengthSpin" << false << false;
    QTest::addRow("angle") << QStringList() << "angle" << QStringList{"angle"}
                           << QStringList{"defaultAngle"} << "faceAngleSpin" << true << true;
    QTest::addRow("default angle") << QStringList{"angle"} << "defaultAngle"
                                   << QStringList{"defaultAngle"} << QStringList{"angle"}
                                   << "faceAngleSpin" << false << false;
}

void tst_ZelImportSettingsPanel::radioButtonClicked()
{
    QFETCH(QStringList, before);
    QFETCH(QString, clicked);
    QFETCH(QStringList, checked);
    QFETCH(QStringList, unchecked);
    QFETCH(QString, spin);
    QFETCH(bool, spinEnabled);
    QFETCH(bool, modified);

    // Limits that hold a value, so that the one shown can be seen to stay.
    mSettings->setValue(QLatin1String(kSagKey), 2.5);
    mSettings->setValue(QLatin1String("Tesselation/TesselationMaxFaceLength"), 3.5);
    mSettings->setValue(QLatin1String(kAngleKey), 90);
    mPanel->initializeWidget();
    showPanel();
    for (const QString& name : before)
        QTest::mouseClick(child<QRadioButton>(qPrintable(name)), Qt::LeftButton);

    QAbstractSpinBox* spinBox =
        spin.isEmpty() ? nullptr : child<QAbstractSpinBox>(qPrintable(spin));
    const QString shownBefore = spinBox ? spinBox->text() : QString();
    QSignalSpy spy(mPanel.get(), SIGNAL(stateChanged()));
    QTest::mouseClick(child<QRadioButton>(qPrintable(clicked)), Qt::LeftButton);

    QCOMPARE(spy.count(), 1);
    for (const QString& name : checked)
        QVERIFY2(child<QRadioButton>(qPrintable(name))->isChecked(), qPrintable(name));
    for (const QString& name : unchecked)
        QVERIFY2(!child<QRadioButton>(qPrintable(name))->isChecked(), qPrintable(name));
    if (spinBox) {
        QCOMPARE(spinBox->isEnabled(), spinEnabled);
        QCOMPARE(spinBox->text(), shownBefore);
        QVERIFY(!spinBox->text().startsWith(QLatin1Char('0')));
    }
    QCOMPARE(mPanel->hasModifications(), modified);
}

void tst_ZelImportSettingsPanel::limitChangedWhileUnsetIsNoModification()
{
    showPanel();
    auto* sagSpin = child<QDoubleSpinBox>("faceSagSpin");
    QTest::mouseClick(child<QRadioButton>("sag"), Qt::LeftButton);
    typeInto(sagSpin, QStringLiteral("12.5"));
    QCOMPARE(sagSpin->value(), 12.5);
    QVERIFY(mPanel->hasModifications());

    QTest::mouseClick(child<QRadioButton>("defaultSag"), Qt::LeftButton);
    QCOMPARE(sagSpin->value(), 12.5);
    QVERIFY(!mPanel->hasModifications());
    QVERIFY(!mPanel->canResetContent());
    QVERIFY(!mPanel->applyModifications());
    std::unique_ptr<QSettings> stored(reopenStore());
    QCOMPARE(stored->value(kSagKey).toDouble(), 0.0);

    // The kept value travels with the next real modification.
    QTest::mouseClick(child<QCheckBox>("loadAnnotationsCheckBox"), Qt::LeftButton);
    QVERIFY(!mPanel->applyModifications());
    stored.reset(reopenStore());
    QCOMPARE(stored->value(kSagKey).toDouble(), 12.5);
    QCOMPARE(stored->value(kSagSetKey).toBool(), false);
    QVERIFY(!mPanel->hasModifications());
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
    mSettings->setValue(kSagKey, 100);
    mSettings->setValue(kSagSetKey, flag);
    mPanel->initializeWidget();

    auto* sagSpin = child<QDoubleSpinBox>("faceSagSpin");
    QCOMPARE(sagSpin->value(), 99.99);
    QCOMPARE(sagSpin->text(), QStringLiteral("99.990"));
    QCOMPARE(sagSpin->isEnabled(), flag);
    QCOMPARE(mPanel->hasModifications(), flag);

    QVERIFY(!mPanel->applyModifications());
    std::unique_ptr<QSettings> stored(reopenStore());
    QCOMPARE(stored->value(kSagKey).toDouble(), flag ? 99.99 : 100.0);
    QVERIFY(!mPanel->hasModifications());
}

void tst_ZelImportSettingsPanel::storedNanIsModification()
{
    mSettings->setValue(kSagKey, QStringLiteral("nan"));
    mSettings->setValue(kSagSetKey, true);
    mPanel->initializeWidget();
    QVERIFY(std::isnan(mSettings->value(kSagKey).toDouble()));
    QVERIFY(mPanel->hasModifications());

    mSettings->setValue(kSagSetKey, false);
    mPanel->initializeWidget();
    QVERIFY(!mPanel->hasModifications());
}

void tst_ZelImportSettingsPanel::angleShowsDegrees()
{
    mSettings->setValue(kAngleKey, 359);
    mSettings->setValue(kAngleSetKey, true);
    mPanel->initializeWidget();
    auto* angleSpin = child<QSpinBox>("faceAngleSpin");
    QCOMPARE(angleSpin->text(), QStringLiteral("359 \u00b0"));
    QVERIFY(angleSpin->isEnabled());
    QVERIFY(child<QRadioButton>("angle")->isChecked());
    QVERIFY(!mPanel->hasModifications());
}

void tst_ZelImportSettingsPanel::checkBoxes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("emitted");
    QTest::addRow("hidden objects") << "loadHiddenObjectsCheckBox"
                                    << "Import/LoadHiddenObjects" << 1;
    QTest::addRow("annotations") << "loadAnnotationsCheckBox" << "Import/LoadAnnotations" << 1;
    QTest::addRow("face contour") << "computeFaceContourCheckBox"
                                  << "Import/ComputeFaceContour" << 0;
}

void tst_ZelImportSettingsPanel::checkBoxes()
{
    QFETCH(QString, name);
    QFETCH(QString, key);
    QFETCH(int, emitted);

    showPanel();
    auto* box = child<QCheckBox>(qPrintable(name));
    QSignalSpy spy(mPanel.get(), SIGNAL(stateChanged()));
    QTest::mouseClick(box, Qt::LeftButton);
    QVERIFY(!box->isChecked());
    QCOMPARE(spy.count(), emitted);
    QVERIFY(mPanel->hasModifications());
    QVERIFY(mPanel->canResetContent());

    QVERIFY(!mPanel->applyModifications());
    std::unique_ptr<QSettings> stored(reopenStore());
    QCOMPARE(stored->value(key).toString(), QStringLiteral("false"));
}

void tst_ZelImportSettingsPanel::applyWritesAllKeys()
{
    showPanel();
    QTest::mouseClick(child<QRadioButton>("lowQuality"), Qt::LeftButton);
    QTest::mouseClick(child<QRadioButton>("sag"), Qt::LeftButton);
    typeInto(child<QDoubleSpinBox>("faceSagSpin"), QStringLiteral("1.5"));
    QTest::mouseClick(child<QRadioButton>("length"), Qt::LeftButton);
    typeInto(child<QDoubleSpinBox>("faceLengthSpin"), QStringLiteral("2.25"));
    QTest::mouseClick(child<QRadioButton>("angle"), Qt::LeftButton);
    typeInto(child<QSpinBox>("faceAngleSpin"), QStringLiteral("90"));
    QTest::mouseClick(child<QCheckBox>("loadHiddenObjectsCheckBox"), Qt::LeftButton);
    QTest::mouseClick(child<QCheckBox>("computeFaceContourCheckBox"), Qt::LeftButton);

    // Start from an empty store, so that every key must come from the apply.
    mSettings->clear();
    QVERIFY(mPanel->hasModifications());
    QSignalSpy spy(mPanel.get(), SIGNAL(stateChanged()));
    QCOMPARE(mPanel->applyModifications(), false);
    QCOMPARE(spy.count(), 0);

    std::unique_ptr<QSettings> stored(reopenStore());
    const QStringList expected = {
        "Import/ComputeFaceContour=false",
        "Import/LoadAnnotations=true",
        "Import/LoadHiddenObjects=false",
        "Tesselation/TesselationIsHighQuality=false",
        "Tesselation/TesselationMaxFaceAngle=90",
        "Tesselation/TesselationMaxFaceAngleSet=true",
        "Tesselation/TesselationMaxFaceLength=2.25",
        "Tesselation/TesselationMaxFaceLengthSet=true",
        "Tesselation/TesselationMaxFaceSag=1.5",
        "Tesselation/TesselationMaxFaceSagSet=true",
        "Tesselation/TesselationQualitySet=true",
    };
    QStringList actual;
    const QStringList keys = stored->allKeys();
    for (const QString& key : keys)
        actual << key + QLatin1Char('=') + stored->value(key).toString();
    actual.sort();
    QCOMPARE(actual, expected);
    QVERIFY(!mPanel->hasModifications());
    QCOMPARE(mPanel->applyModifications(), false);
}

void tst_ZelImportSettingsPanel::resetEmitsOnce()
{
    showPanel();
    QTest::mouseClick(child<QRadioButton>("highQuality"), Qt::LeftButton);
    QTest::mouseClick(child<QRadioButton>("angle"), Qt::LeftButton);
    typeInto(child<QSpinBox>("faceAngleSpin"), QStringLiteral("10"));
    QTest::mouseClick(child<QCheckBox>("computeFaceContourCheckBox"), Qt::LeftButton);
    QVERIFY(!mPanel->applyModifications());
    QVERIFY(mPanel->canResetContent());

    QSignalSpy spy(mPanel.get(), SIGNAL(stateChanged()));
    mPanel->resetContent();
    QCOMPARE(spy.count(), 1);
    QVERIFY(child<QRadioButton>("defaultQuality")->isChecked());
    QVERIFY(!child<QRadioButton>("highQuality")->isChecked());
    QVERIFY(child<QRadioButton>("defaultAngle")->isChecked());
    QVERIFY(!child<QSpinBox>("faceAngleSpin")->isEnabled());
    QCOMPARE(child<QSpinBox>("faceAngleSpin")->value(), 45);
    QVERIFY(child<QCheckBox>("computeFaceContourCheckBox")->isChecked());
    QVERIFY(!mPanel->canResetContent());
    QVERIFY(mPanel->hasModifications());
    QCOMPARE(mSettings->value(kAngleKey).toInt(), 10);

    mPanel->resetContent();
    QCOMPARE(spy.count(), 1);
}

void tst_ZelImportSettingsPanel::cancel()
{
    showPanel();
    QSignalSpy spy(mPanel.get(), SIGNAL(stateChanged()));
    QVERIFY(!mPanel->cancelModifications());
    QVERIFY(child<QRadioButton>("defaultSag")->isChecked());

    QTest::mouseClick(child<QRadioButton>("sag"), Qt::LeftButton);
    typeInto(child<QDoubleSpinBox>("faceSagSpin"), QStringLiteral("4"));
    QTest::mouseClick(child<QRadioButton>("lowQuality"), Qt::LeftButton);
    QTest::mouseClick(child<QCheckBox>("loadHiddenObjectsCheckBox"), Qt::LeftButton);
    const int edits = spy.count();

    QVERIFY(mPanel->cancelModifications());
    QCOMPARE(spy.count(), edits);
    QVERIFY(!mPanel->hasModifications());
    QVERIFY(child<QRadioButton>("defaultSag")->isChecked());
    QVERIFY(!child<QRadioButton>("sag")->isChecked());
    QVERIFY(!child<QDoubleSpinBox>("faceSagSpin")->isEnabled());
    QCOMPARE(child<QDoubleSpinBox>("faceSagSpin")->value(), 0.0);
    QVERIFY(child<QRadioButton>("defaultQuality")->isChecked());
    QVERIFY(!child<QRadioButton>("lowQuality")->isChecked());
    QVERIFY(child<QCheckBox>("loadHiddenObjectsCheckBox")->isChecked());
    QVERIFY(!mPanel->cancelModifications());
}

QTEST_MAIN(tst_ZelImportSettingsPanel)

#include "tst_ZelImportSettingsPanel.moc"
