#include "ZelPrivacySettingsPanel.h"

#include "PrivacyModel.h"
#include "ZelControlCenter.h"
#include "ZelSettingKeys.h"
#include "kmDMIApplication.h"
#include "kmMainWindow.h"
#include "kmMessageBox.h"
#include "ui_ZelPrivacySettingsPanel.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QSaveFile>
#include <QSettings>
#include <QSignalBlocker>

#include <string>

namespace zel {

using namespace keys;

namespace {

const char kUsageReportLink[] = "usageReport";
// Consent is never assumed: without an answer, nothing is sent.
const bool kSendReportDefault = false;

// Unbuffered, a full disk shows as a short write here rather than as a truncated copy
// that a later flush would still commit; writing on after a short write brings out the
// error that stopped it.
bool writeAll(QSaveFile& pFile, const std::string& pData)
{
    const qint64 size = static_cast<qint64>(pData.size());
    qint64 written = 0;
    while (written < size) {
        const qint64 chunk = pFile.write(pData.data() + written, size - written);
        if (chunk <= 0)
            return false;
        written += chunk;
    }
    return true;
}

} // namespace

const char ZelPrivacySettingsPanel::msPrivacyPolicyUrl[] =
    "https://www.norwend.com/privacy-policy#data-collection";
const char ZelPrivacySettingsPanel::msStorePrivacyPolicyUrl[] =
    "https://learn.microsoft.com/windows/apps/publish/store-policies#105-personal-information";

ZelPrivacySettingsPanel::ZelPrivacySettingsPanel(kmDMIApplication* pApplication,
                                                 QSettings& pSettings, QWidget* pParent,
                                                 Qt::WindowFlags pFlags)
    : ZelSettingsPanel(pApplication, pSettings, pParent, pFlags)
    , mUi(new Ui::ZelPrivacySettingsPanel())
{
    mUi->setupUi(this);
    translate();
    connect(mUi->activityreportlabel, SIGNAL(linkActivated(const QString&)), this,
            SLOT(onLinkActivated(const QString&)));
    setPanelCategory(ApplicationCategory);
    mUi->activityReportFrame->setElevationLevel(0);
    mUi->privacyPolicyFrame->setElevationLevel(0);
    mUi->storePrivacyPolicy->setVisible(kmDMIApplication::IsWindowsStore());
}

void ZelPrivacySettingsPanel::translate()
{
    // The addresses stay out of the translated texts, so translators cannot break them.
    mUi->norwendPrivacyPolicy->setText(
        mUi->norwendPrivacyPolicy->text().arg(QLatin1String(msPrivacyPolicyUrl)));
    mUi->storePrivacyPolicy->setText(
        mUi->storePrivacyPolicy->text().arg(QLatin1String(msStorePrivacyPolicyUrl)));
    setPanelName(QCoreApplication::translate("ZelPrivacySettingsPanel", "PRIVACY"));
}

void ZelPrivacySettingsPanel::changeEvent(QEvent* pEvent)
{
    if (pEvent->type() == QEvent::LanguageChange) {
        mUi->retranslateUi(this);
        translate();
    }
    ZelSettingsPanel::changeEvent(pEvent);
}

ZelPrivacySettingsPanel::~ZelPrivacySettingsPanel()
{
    delete mUi;
}

void ZelPrivacySettingsPanel::initializeWidget()
{
    PrivacyModel stored;
    readSettings(stored);
    applyModel(stored);
    rememberApplied();
}

void ZelPrivacySettingsPanel::refreshWidgetContent()
{
    initializeWidget();
}

bool ZelPrivacySettingsPanel::hasModifications() const
{
    PrivacyModel stored;
    PrivacyModel current;
    readSettings(stored);
    getCurrentModel(current);
    return stored.sendReport != current.sendReport;
}

bool ZelPrivacySettingsPanel::applyModifications()
{
    if (hasModifications())
        saveSettingsInternal();
    return shouldRestart();
}

bool ZelPrivacySettingsPanel::cancelModifications()
{
    if (!hasModifications())
        return false;
    initializeWidget();
    return true;
}

ZelSettingsPanel::StoreTexts ZelPrivacySettingsPanel::storeTexts() const
{
    PrivacyModel current;
    getCurrentModel(current);
    return {{QString::fromLatin1(kSendReportKey),
             current.sendReport ? QStringLiteral("true") : QStringLiteral("false")}};
}

void ZelPrivacySettingsPanel::showStoreTexts(const StoreTexts& pTexts)
{
    const auto text = pTexts.find(QString::fromLatin1(kSendReportKey));
    PrivacyModel model;
    model.sendReport = text != pTexts.end() && QVariant(text->second).toBool();
    applyModel(model);
}

// Usage data is sent only with the person's own consent: a reset, which the hosts run over
// every panel at once, never ticks the box, so the panel has nothing to reset.
bool ZelPrivacySettingsPanel::canResetContent() const
{
    return false;
}

void ZelPrivacySettingsPanel::resetContent()
{
}

// Consent has no default to go back to: the row tells no default and offers no reset.
QString ZelPrivacySettingsPanel::describeRow(const QString& pKey, RowValue pValue) const
{
    if (pKey != QLatin1String(kSendReportKey) || pValue == DefaultValue)
        return QString();
    PrivacyModel model;
    if (pValue == EditedValue)
        getCurrentModel(model);
    else
        readSettings(model);
    return DescribeSwitch(model.sendReport);
}

void ZelPrivacySettingsPanel::saveSettings()
{
}

bool ZelPrivacySettingsPanel::shouldRestart() const
{
    return false;
}

void ZelPrivacySettingsPanel::onLinkActivated(const QString& pLink)
{
    if (pLink != QLatin1String(kUsageReportLink))
        return;
    saveActivityReport();
    window()->raise();
}

void ZelPrivacySettingsPanel::saveSettingsInternal()
{
    // A failure is told through applyError(); the edit stays pending.
    writeEdits();
}

void ZelPrivacySettingsPanel::on_activityReportCheckBox_clicked()
{
    Q_EMIT stateChanged();
}

void ZelPrivacySettingsPanel::readSettings(PrivacyModel& pModel) const
{
    pModel.sendReport = mSettings->value(kSendReportKey, kSendReportDefault).toBool();
}

void ZelPrivacySettingsPanel::getCurrentModel(PrivacyModel& pModel) const
{
    pModel.sendReport = mUi->activityReportCheckBox->isChecked();
}

void ZelPrivacySettingsPanel::applyModel(const PrivacyModel& pModel)
{
    const QSignalBlocker blocker(mUi->activityReportCheckBox);
    mUi->activityReportCheckBox->setChecked(pModel.sendReport);
}

void ZelPrivacySettingsPanel::saveActivityReport()
{
    // The report belongs to the host; without an application object there is none.
    if (!mApplication)
        return;
    const QString startFolder =
        ZelControlCenter::GetDefaultSettingsValue(QLatin1String(kLastExportFolderKey));
    const std::string json = mApplication->editActivityReport().toJson();
    const QString caption = QCoreApplication::translate("ExportScheduler", "Save as");
    const QString fileName = QFileDialog::getSaveFileName(
        mApplication->getMainWindow(), caption, startFolder, QStringLiteral("Json (*.json)"));
    if (fileName.isEmpty())
        return;

    // Written beside the target and renamed over it, so that a failed write leaves any
    // earlier copy whole.
    QSaveFile file(fileName);
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && writeAll(file, json)
        && file.commit())
        return;
    const QString message = QCoreApplication::translate(
        "ZelPrivacySettingsPanel", "The activity report could not be saved to \"%1\": %2");
    km::kmMessageBox::ShowMessage(
        caption, message.arg(QDir::toNativeSeparators(fileName), file.errorString()),
        QMessageBox::Ok, this, QStringLiteral("outlinedButton"), true, {}, {});
}

} // namespace zel
