#include "StartupCheck.h"

#include "ViewerSettings.h"
#include "ZelControlCenter.h"
#include "ZelSettingsCheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTextStream>

namespace zel {

bool StartupCheck::Run(QSettings& pSettings, bool pAsk, QWidget* pParent,
                       std::vector<ZelSettingsCheck::Result>* pResults)
{
    ViewerSettings::Register();
    ZelControlCenter::InitDefaultSettingsValues();
    const QString file = QDir::toNativeSeparators(pSettings.fileName());
    for (;;) {
        ZelSettingsCheck check(pSettings);
        QString error;
        if (check.run(error)) {
            if (pResults)
                *pResults = check.results();
            return true;
        }

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
        if (!resetKey(pSettings, key, error)) {
            tell(pAsk, pParent, error);
            return false;
        }
    }
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
