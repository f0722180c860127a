#include "ZelImportSettingsPanel.h"

#include "ImportModel.h"
#include "ZelControlCenter.h"
#include "ZelSettingKeys.h"
#include "ui_ZelImportSettingsPanel.h"

#include <QCoreApplication>
#include <QEvent>
#include <QSettings>
#include <QSignalBlocker>

namespace zel {

using namespace keys;

namespace {


bool defaultBool(const char* pKey)
{
    return ZelControlCenter::GetDefaultSettingsValue(QString::fromLatin1(pKey))
        == QLatin1String("true");
}

double defaultDouble(const char* pKey)
{
    return ZelControlCenter::GetDefaultSettingsValue(QString::fromLatin1(pKey)).toDouble();
}

int defaultInt(const char* pKey)
{
    return ZelControlCenter::GetDefaultSettingsValue(QString::fromLatin1(pKey)).toInt();
}

// Reads the model through pValue, which gives the stored value of a key.
template <typename ValueOf>
void ReadModel(const ValueOf& pValue, ImportModel& pModel)
{
    pModel.loadHiddenObjects = pValue(kLoadHiddenObjectsKey).toBool();
    pModel.loadAnnotations = pValue(kLoadAnnotationsKey).toBool();
    pModel.computeFaceContour = pValue(kComputeFaceContourKey).toBool();
    pModel.maxFaceSag = pValue(kMaxFaceSagKey).toDouble();
    pModel.maxFaceLength = pValue(kMaxFaceLengthKey).toDouble();
    pModel.maxFaceAngle = pValue(kMaxFaceAngleKey).toInt();
    pModel.isHighQuality = pValue(kIsHighQualityKey).toBool();
    pModel.qualitySet = pValue(kQualitySetKey).toBool();
    pModel.maxFaceSagSet = pValue(kMaxFaceSagSetKey).toBool();
    pModel.maxFaceLengthSet = pValue(kMaxFaceLengthSetKey).toBool();
    pModel.maxFaceAngleSet = pValue(kMaxFaceAngleSetKey).toBool();
}

// As the store writes these values.
QString Text(const QVariant& pValue)
{
    return pValue.toString();
}

void setChecked(QAbstractButton* pButton, bool pChecked)
{
    const QSignalBlocker blocker(pButton);
    pButton->setChecked(pChecked);
}

} // namespace

ZelImportSettingsPanel::ZelImportSettingsPanel(kmDMIApplication* pApplication,
                                               QSettings& pSettings, QWidget* pParent,
                                               Qt::WindowFlags pFlags)
    : ZelSettingsPanel(pApplication, pSettings, pParent, pFlags)
    , mUi(new Ui::ZelImportSettingsPanel())
{
    mUi->setupUi(this);
    setPanelName(QCoreApplication::translate("ZelImportSettingsPanel", "IMPORT"));
    setPanelCategory(DataExchangeCategory);
    mUi->importFrame->setElevationLevel(0);
    mUi->tesselationFrame->setElevationLevel(0);
}

ZelImportSettingsPanel::~ZelImportSettingsPanel()
{
    delete mUi;
}

void ZelImportSettingsPanel::initializeWidget()
{
    ImportModel stored;
    readSettings(stored);
    applyModel(stored);
    rememberApplied();
}

void ZelImportSettingsPanel::saveSettings()
{
}

void ZelImportSettingsPanel::resetContent()
{
    if (!canResetContent())
        return;
    ImportModel defaults;
    getDefaultSettings(defaults);
    applyModel(defaults);
    Q_EMIT stateChanged();
}

bool ZelImportSettingsPanel::canResetContent() const
{
    ImportModel defaults;
    ImportModel current;
    getDefaultSettings(defaults);
    getCurrentModel(current);
    return defaults.differsFrom(current);
}

bool ZelImportSettingsPanel::hasModifications() const
{
    ImportModel stored;
    ImportModel current;
    readSettings(stored);
    getCurrentModel(current);
    return stored.differsFrom(current);
}

bool ZelImportSettingsPanel::cancelModifications()
{
    if (!hasModifications())
        return false;
    initializeWidget();
    return true;
}

bool ZelImportSettingsPanel::applyModifications()
{
    if (hasModifications())
        saveSettingsInternal();
    // Import settings are read at each import, so none needs a restart.
    return false;
}

ZelSettingsPanel::StoreTexts ZelImportSettingsPanel::storeTexts() const
{
    ImportModel current;
    getCurrentModel(current);
    // The limits keep their values while their flags are off, so all three are kept.
    return {{kQualitySetKey, Text(current.qualitySet)},
            {kMaxFaceSagSetKey, Text(current.maxFaceSagSet)},
            {kMaxFaceLengthSetKey, Text(current.maxFaceLengthSet)},
            {kMaxFaceAngleSetKey, Text(current.maxFaceAngleSet)},
            {kIsHighQualityKey, Text(current.isHighQuality)},
            {kLoadHiddenObjectsKey, Text(current.loadHiddenObjects)},
            {kLoadAnnotationsKey, Text(current.loadAnnotations)},
            {kComputeFaceContourKey, Text(current.computeFaceContour)},
            {kMaxFaceSagKey, Text(current.maxFaceSag)},
            {kMaxFaceLengthKey, Text(current.maxFaceLength)},
            {kMaxFaceAngleKey, Text(current.maxFaceAngle)}};
}

void ZelImportSettingsPanel::showStoreTexts(const StoreTexts& pTexts)
{
    ImportModel model;
    ReadModel(
        [&pTexts](const char* pKey) {
            const auto text = pTexts.find(QString::fromLatin1(pKey));
            return text == pTexts.end() ? QVariant() : QVariant(text->second);
        },
        model);
    applyModel(model);
}

QString ZelImportSettingsPanel::describeRow(const QString& pKey, RowValue pValue) const
{
    ImportModel model;
    if (pValue == EditedValue)
        getCurrentModel(model);
    else if (pValue == AppliedValue)
        readSettings(model);
    else
        getDefaultSettings(model);
    // A limit that is not set is the importer's default, whatever value it keeps.
    const auto limit = [](bool pSet, const QString& pValue, const QAbstractButton* pDefault) {
        return pSet ? pValue : pDefault->text();
    };
    if (pKey == QLatin1String(kLoadHiddenObjectsKey))
        return DescribeSwitch(model.loadHiddenObjects);
    if (pKey == QLatin1String(kLoadAnnotationsKey))
        return DescribeSwitch(model.loadAnnotations);
    if (pKey == QLatin1String(kComputeFaceContourKey))
        return DescribeSwitch(model.computeFaceContour);
    if (pKey == QLatin1String(kQualitySetKey)) {
        return limit(model.qualitySet,
                     model.isHighQuality ? mUi->highQuality->text() : mUi->lowQuality->text(),
                     mUi->defaultQuality);
    }
    if (pKey == QLatin1String(kMaxFaceSagKey)) {
        return limit(model.maxFaceSagSet, mUi->faceSagSpin->textFromValue(model.maxFaceSag),
                     mUi->defaultSag);
    }
    if (pKey == QLatin1String(kMaxFaceLengthKey)) {
        return limit(model.maxFaceLengthSet,
                     mUi->faceLengthSpin->textFromValue(model.maxFaceLength),
                     mUi->defaultLength);
    }
    if (pKey == QLatin1String(kMaxFaceAngleKey)) {
        return limit(model.maxFaceAngleSet,
                     mUi->faceAngleSpin->locale().toString(model.maxFaceAngle)
                         + mUi->faceAngleSpin->suffix(),
                     mUi->defaultAngle);
    }
    return QString();
}

void ZelImportSettingsPanel::resetRow(const QString& pKey)
{
    ImportModel current;
    ImportModel defaults;
    getCurrentModel(current);
    getDefaultSettings(defaults);
    if (pKey == QLatin1String(kLoadHiddenObjectsKey)) {
        current.loadHiddenObjects = defaults.loadHiddenObjects;
    } else if (pKey == QLatin1String(kLoadAnnotationsKey)) {
        current.loadAnnotations = defaults.loadAnnotations;
    } else if (pKey == QLatin1String(kComputeFaceContourKey)) {
        current.computeFaceContour = defaults.computeFaceContour;
    } else if (pKey == QLatin1String(kQualitySetKey)) {
        current.qualitySet = defaults.qualitySet;
        current.isHighQuality = defaults.isHighQuality;
    } else if (pKey == QLatin1String(kMaxFaceSagKey)) {
        current.maxFaceSagSet = defaults.maxFaceSagSet;
        current.maxFaceSag = defaults.maxFaceSag;
    } else if (pKey == QLatin1String(kMaxFaceLengthKey)) {
        current.maxFaceLengthSet = defaults.maxFaceLengthSet;
        current.maxFaceLength = defaults.maxFaceLength;
    } else if (pKey == QLatin1String(kMaxFaceAngleKey)) {
        current.maxFaceAngleSet = defaults.maxFaceAngleSet;
        current.maxFaceAngle = defaults.maxFaceAngle;
    } else {
        return;
    }
    applyModel(current);
    Q_EMIT stateChanged();
}

void ZelImportSettingsPanel::saveSettingsInternal()
{
    // Only the keys that the person changed; a failure is told through applyError().
    writeEdits();
}

void ZelImportSettingsPanel::changeEvent(QEvent* pEvent)
{
    // The form sets no text that the panel changes: its texts come back in the new language,
    // the values and choices stay.
    if (pEvent->type() == QEvent::LanguageChange) {
        mUi->retranslateUi(this);
        setPanelName(QCoreApplication::translate("ZelImportSettingsPanel", "IMPORT"));
    }
    ZelSettingsPanel::changeEvent(pEvent);
}

void ZelImportSettingsPanel::checkContent() const
{
}

void ZelImportSettingsPanel::on_defaultQuality_clicked()
{
    setQuality(false, true);
    Q_EMIT stateChanged();
}

void ZelImportSettingsPanel::on_highQuality_clicked()
{
    setQuality(true, true);
    Q_EMIT stateChanged();
}

void ZelImportSettingsPanel::on_lowQuality_clicked()
{
    setQuality(true, false);
    Q_EMIT stateChanged();
}

void ZelImportSettingsPanel::on_defaultSag_clicked()
{
    setFaceSagSet(false);
    Q_EMIT stateChanged();
}

void ZelImportSettingsPanel::on_sag_clicked()
{
    setFaceSagSet(true);
    Q_EMIT stateChanged();
}

void ZelImportSettingsPanel::on_defaultLength_clicked()
{
    setFaceLengthSet(false);
    Q_EMIT stateChanged();
}

void ZelImportSettingsPanel::on_length_clicked()
{
    setFaceLengthSet(true);
    Q_EMIT stateChanged();
}

void ZelImportSettingsPanel::on_defaultAngle_clicked()
{
    setFaceAngleSet(false);
    Q_EMIT stateChanged();
}

void ZelImportSettingsPanel::on_angle_clicked()
{
    setFaceAngleSet(true);
    Q_EMIT stateChanged();
}

void ZelImportSettingsPanel::on_loadHiddenObjectsCheckBox_clicked()
{
    Q_EMIT stateChanged();
}

void ZelImportSettingsPanel::on_loadAnnotationsCheckBox_clicked()
{
    Q_EMIT stateChanged();
}

void ZelImportSettingsPanel::readSettings(ImportModel& pModel) const
{
    ReadModel([this](const char* pKey) { return mSettings->value(QString::fromLatin1(pKey)); },
              pModel);
}

void ZelImportSettingsPanel::getDefaultSettings(ImportModel& pModel) const
{
    pModel.loadHiddenObjects = defaultBool(kLoadHiddenObjectsKey);
    pModel.loadAnnotations = defaultBool(kLoadAnnotationsKey);
    pModel.computeFaceContour = defaultBool(kComputeFaceContourKey);
    pModel.maxFaceSag = defaultDouble(kMaxFaceSagKey);
    pModel.maxFaceLength = defaultDouble(kMaxFaceLengthKey);
    pModel.maxFaceAngle = defaultInt(kMaxFaceAngleKey);
    pModel.isHighQuality = defaultBool(kIsHighQualityKey);
    pModel.qualitySet = defaultBool(kQualitySetKey);
    pModel.maxFaceSagSet = defaultBool(kMaxFaceSagSetKey);
    pModel.maxFaceLengthSet = defaultBool(kMaxFaceLengthSetKey);
    pModel.maxFaceAngleSet = defaultBool(kMaxFaceAngleSetKey);
}

void ZelImportSettingsPanel::getCurrentModel(ImportModel& pModel) const
{
    pModel.qualitySet = !mUi->defaultQuality->isChecked();
    pModel.maxFaceSagSet = !mUi->defaultSag->isChecked();
    pModel.maxFaceLengthSet = !mUi->defaultLength->isChecked();
    pModel.maxFaceAngleSet = !mUi->defaultAngle->isChecked();
    pModel.isHighQuality = mHighQuality.value(qualityChoice(), !mUi->lowQuality->isChecked());
    const double sag = mUi->faceSagSpin->value();
    const double length = mUi->faceLengthSpin->value();
    pModel.maxFaceSag = mFaceSag.value(sag, sag);
    pModel.maxFaceLength = mFaceLength.value(length, length);
    pModel.maxFaceAngle = mUi->faceAngleSpin->value();
    pModel.loadHiddenObjects = mUi->loadHiddenObjectsCheckBox->isChecked();
    pModel.loadAnnotations = mUi->loadAnnotationsCheckBox->isChecked();
    pModel.computeFaceContour = mUi->computeFaceContourCheckBox->isChecked();
}

void ZelImportSettingsPanel::applyModel(const ImportModel& pModel)
{
    setQuality(pModel.qualitySet, pModel.isHighQuality);
    setFaceSagSet(pModel.maxFaceSagSet);
    setFaceLengthSet(pModel.maxFaceLengthSet);
    setFaceAngleSet(pModel.maxFaceAngleSet);
    setLoadHiddenObjects(pModel.loadHiddenObjects);
    setLoadAnnotations(pModel.loadAnnotations);
    setComputeFaceContour(pModel.computeFaceContour);
    const QSignalBlocker sagBlocker(mUi->faceSagSpin);
    const QSignalBlocker lengthBlocker(mUi->faceLengthSpin);
    const QSignalBlocker angleBlocker(mUi->faceAngleSpin);
    mUi->faceSagSpin->setValue(pModel.maxFaceSag);
    mUi->faceLengthSpin->setValue(pModel.maxFaceLength);
    mUi->faceAngleSpin->setValue(pModel.maxFaceAngle);
    // The quality stays as it was while the default is chosen, which shows none; a limit
    // finer than its spin box shows stays as it was until the person changes it.
    mHighQuality.keep(pModel.isHighQuality, qualityChoice());
    mFaceSag.keep(pModel.maxFaceSag, mUi->faceSagSpin->value());
    mFaceLength.keep(pModel.maxFaceLength, mUi->faceLengthSpin->value());
}

int ZelImportSettingsPanel::qualityChoice() const
{
    if (mUi->defaultQuality->isChecked())
        return 0;
    return mUi->lowQuality->isChecked() ? 2 : 1;
}

void ZelImportSettingsPanel::setQuality(bool pSet, bool pHigh)
{
    setChecked(mUi->defaultQuality, !pSet);
    setChecked(mUi->lowQuality, pSet && !pHigh);
    setChecked(mUi->highQuality, pSet && pHigh);
}

void ZelImportSettingsPanel::setFaceSagSet(bool pSet)
{
    setChecked(mUi->defaultSag, !pSet);
    mUi->faceSagSpin->setEnabled(pSet);
    setChecked(mUi->sag, pSet);
}

void ZelImportSettingsPanel::setFaceLengthSet(bool pSet)
{
    setChecked(mUi->defaultLength, !pSet);
    mUi->faceLengthSpin->setEnabled(pSet);
    setChecked(mUi->length, pSet);
}

void ZelImportSettingsPanel::setFaceAngleSet(bool pSet)
{
    setChecked(mUi->defaultAngle, !pSet);
    mUi->faceAngleSpin->setEnabled(pSet);
    setChecked(mUi->angle, pSet);
}

void ZelImportSettingsPanel::setLoadHiddenObjects(bool pLoad)
{
    setChecked(mUi->loadHiddenObjectsCheckBox, pLoad);
}

void ZelImportSettingsPanel::setLoadAnnotations(bool pLoad)
{
    setChecked(mUi->loadAnnotationsCheckBox, pLoad);
}

void ZelImportSettingsPanel::setComputeFaceContour(bool pCompute)
{
    setChecked(mUi->computeFaceContourCheckBox, pCompute);
}

} // namespace zel
