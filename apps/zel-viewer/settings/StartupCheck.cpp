#include "StartupCheck.h"

#include "ViewerSettings.h"
#include "ZelControlCenter.h"
#include "ZelMemorySettings.h"
#include "ZelSettingsCheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTextStream>

namespace zel {

bool StartupCheck::Run(std::unique_ptr<QSettings>& pSettings, bool pAsk, QWidget* pParent,
                       Outcome* pOutcome)
{
    ViewerSettings::Register();
    ZelControlCenter::InitDefaultSettingsValues();
    Outcome outcome;
    Outcome& told = pOutcome ? *pOutcome : outcome;
    told = Outcome();
    const QString file = QDir::toNativeSeparators(pSettings->fileName());
    for (;;) {
        ZelSettingsCheck check(*pSettings);
        QString error;
        bool passed = check.run(error);
        if (!passed && check.damagedLine() != 0) {
            error.clear();
            passed = check.recover(error);
        }
        if (passed) {
            told.mResults = check.results();
            told.mDamagedCopy = check.damagedCopy();
            return true;
        }
        if (!check.writeError().isEmpty())
            return startWithoutSaving(pSettings, check, pAsk, pParent, told);

        const QString key = check.stoppedKey();
        if (key.isEmpty()) {
            // Some checks fail without a word; the person still has to learn what went wrong.
            if (error.isEmpty())
                error = tr("The settings in %1 could not be checked").arg(file);
            tell(pAsk, pParent, error);
            return false;
        }
        QString message = tr("The setting \"%1\" in the settings file %2 holds \"%3\", "
                             "which cannot be used.")
                              .arg(key, file, check.stoppedValue());
        if (!error.isEmpty())
            message += QLatin1Char('\n') + error;
        if (!pAsk) {
            tell(false, pParent,
                 message + QLatin1Char('\n')
                     + tr("Nothing was changed. To reset this setting to its default, run: "
                          "zelsettings reset --store \"%1\" %2")
                           .arg(file, key));
            return false;
        }

        QMessageBox box(QMessageBox::Warning, QStringLiteral("Vantora"),
                        message + QStringLiteral("\n\n")
                            + tr("Reset this setting to its default and check again?"),
                        QMessageBox::NoButton, pParent);
        QPushButton* reset = box.addButton(tr("Reset and check again"),
                                           QMessageBox::AcceptRole);
        box.addButton(tr("Quit"), QMessageBox::RejectRole);
        box.setDefaultButton(reset);
        box.exec();
        if (box.clickedButton() != reset)
            return false;
        if (!resetKey(*pSettings, key, error)) {
            tell(pAsk, pParent, error);
            return false;
        }
    }
}

bool StartupCheck::startWithoutSaving(std::unique_ptr<QSettings>& pSettings,
                                      const ZelSettingsCheck& pCheck, bool pAsk,
                                      QWidget* pParent, Outcome& pOutcome)
{
    // Without a person to choose, nothing starts on settings that would not be kept.
    if (!pAsk) {
        tell(false, pParent, pCheck.writeError());
        return false;
    }
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Vantora"),
                    pCheck.writeError() + QStringLiteral("\n\n")
                        + tr("The settings were checked and repaired, but the repairs cannot "
                             "be saved. Start with them for this run only, or quit?"),
                    QMessageBox::NoButton, pParent);
    QPushButton* start = box.addButton(tr("Start without saving"), QMessageBox::AcceptRole);
    box.addButton(tr("Quit"), QMessageBox::RejectRole);
    box.setDefaultButton(start);
    box.exec();
    if (box.clickedButton() != start)
        return false;

    ZelSettingsCheck::Values values;
    for (const ZelSettingsCheck::Result& result : pCheck.results())
        values.emplace_back(result.mKey, result.mValue);
    const QString path = pSettings->fileName();
    // Gone first: QSettings objects on one file share what they hold.
    pSettings.reset();
    pSettings = ZelMemorySettings::Open(path, values);
    // The end checks, over the values of this run.
    ZelSettingsCheck check(*pSettings);
    QString error;
    if (!check.run(error)) {
        tell(true, pParent, error.isEmpty() ? pCheck.writeError() : error);
        return false;
    }
    pOutcome.mResults = pCheck.results();
    pOutcome.mNotSaved = pCheck.writeError();
    return true;
}

bool StartupCheck::resetKey(QSettings& pSettings, const QString& pKey, QString& pErrorMessage)
{
    ZelSettingsCheck::Values values;
    return ZelSettingsCheck::CheckedDefaults({pKey}, values, pErrorMessage)
        && ZelSettingsCheck::WriteValues(pSettings, values, pErrorMessage);
}

void StartupCheck::tell(bool pAsk, QWidget* pParent, const QString& pText)
{
    if (pAsk)
        QMessageBox::critical(pParent, QStringLiteral("Vantora"), pText);
    else
        QTextStream(stderr) << pText << '\n';
}

} // namespace zel
