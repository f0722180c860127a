#include "RepairNotice.h"

#include "kmMessageBox.h"

#include <QEvent>
#include <QVariant>

#include <algorithm>

namespace zel {

namespace {

const char kButtonClass[] = "outlinedButton";
const char kLinkClass[] = "linkButton";

} // namespace

RepairNotice::Results RepairNotice::ToTell(const Results& pResults)
{
    const bool heldSettings =
        std::any_of(pResults.begin(), pResults.end(), [](const ZelSettingsCheck::Result& pResult) {
            return pResult.mOutcome != ZelSettingsCheck::Filled;
        });
    Results told;
    for (const ZelSettingsCheck::Result& result : pResults) {
        if (result.mOutcome == ZelSettingsCheck::Repaired
            || (heldSettings && result.mOutcome == ZelSettingsCheck::Filled))
            told.push_back(result);
    }
    return told;
}

RepairNotice::RepairNotice(const Results& pRepairs, QWidget* pParent)
    : QPushButton(pParent)
    , mRepairs(pRepairs)
{
    setObjectName(QStringLiteral("repairNotice"));
    setProperty("class", QString::fromLatin1(kLinkClass));
    setFlat(true);
    setCursor(Qt::PointingHandCursor);
    connect(this, &QPushButton::clicked, this, &RepairNotice::showDetails);
    retranslate();
}

QString RepairNotice::details() const
{
    QStringList lines;
    for (const ZelSettingsCheck::Result& result : mRepairs) {
        if (result.mOutcome == ZelSettingsCheck::Filled)
            lines.append(tr("%1: missing, now \"%2\"").arg(result.mKey, result.mValue));
        else
            lines.append(tr("%1: \"%2\", now \"%3\"")
                             .arg(result.mKey, result.mStored, result.mValue));
    }
    return lines.join(QLatin1Char('\n'));
}

void RepairNotice::changeEvent(QEvent* pEvent)
{
    if (pEvent->type() == QEvent::LanguageChange)
        retranslate();
    QPushButton::changeEvent(pEvent);
}

void RepairNotice::retranslate()
{
    setText(tr("Settings repaired at start-up: %1. Details").arg(mRepairs.size()));
    setToolTip(tr("The settings file held values that could not be used; they were put back "
                  "to their defaults."));
}

void RepairNotice::showDetails()
{
    km::kmMessageBox::ShowMessage(
        tr("Settings repaired"),
        tr("These settings could not be used as stored and were repaired:") + QStringLiteral("\n\n")
            + details(),
        QMessageBox::Ok, window(), QString::fromLatin1(kButtonClass), false,
        km::kmMessageBox::ButtonTexts(), km::kmMessageBox::ButtonTexts());
    deleteLater();
}

} // namespace zel
