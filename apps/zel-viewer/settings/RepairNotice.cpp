#include "RepairNotice.h"

#include "kmMessageBox.h"

#include <QDir>
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

void RepairNotice::setDamagedCopy(const QString& pPath)
{
    mDamagedCopy = pPath;
    retranslate();
}

void RepairNotice::setNotSaved(const QString& pReason)
{
    mNotSaved = pReason;
    retranslate();
}

QString RepairNotice::details() const
{
    QStringList paragraphs;
    if (!mNotSaved.isEmpty()) {
        paragraphs.append(mNotSaved + QLatin1Char('\n')
                          + tr("This run uses the settings below, but none of them is saved, "
                               "nor any change made to the settings before the viewer "
                               "closes."));
    }
    if (!mDamagedCopy.isEmpty()) {
        paragraphs.append(tr("The settings file could not be read. It was kept as %1; the "
                             "viewer started with the settings that could be read and the "
                             "defaults for the rest.")
                              .arg(QDir::toNativeSeparators(mDamagedCopy)));
    }
    QStringList lines;
    for (const ZelSettingsCheck::Result& result : mRepairs) {
        if (result.mOutcome == ZelSettingsCheck::Filled)
            lines.append(tr("%1: missing, now \"%2\"").arg(result.mKey, result.mValue));
        else
            lines.append(tr("%1: \"%2\", now \"%3\"")
                             .arg(result.mKey, result.mStored, result.mValue));
    }
    if (!lines.isEmpty()) {
        paragraphs.append(tr("These settings could not be used as stored and were repaired:")
                          + QStringLiteral("\n\n") + lines.join(QLatin1Char('\n')));
    }
    return paragraphs.join(QStringLiteral("\n\n"));
}

void RepairNotice::changeEvent(QEvent* pEvent)
{
    if (pEvent->type() == QEvent::LanguageChange)
        retranslate();
    QPushButton::changeEvent(pEvent);
}

void RepairNotice::retranslate()
{
    if (!mNotSaved.isEmpty()) {
        setText(tr("Settings not saved in this run. Details"));
        setToolTip(mNotSaved);
    } else if (!mDamagedCopy.isEmpty()) {
        setText(tr("Settings file damaged; a copy was kept. Details"));
        setToolTip(QDir::toNativeSeparators(mDamagedCopy));
    } else {
        setText(tr("Settings repaired at start-up: %1. Details").arg(mRepairs.size()));
        setToolTip(tr("The settings file held values that could not be used; they were put "
                      "back to their defaults."));
    }
}

void RepairNotice::showDetails()
{
    km::kmMessageBox::ShowMessage(
        tr("Settings repaired"),
        details(),
        QMessageBox::Ok, window(), QString::fromLatin1(kButtonClass), false,
        km::kmMessageBox::ButtonTexts(), km::kmMessageBox::ButtonTexts());
    if (mNotSaved.isEmpty())
        deleteLater();
}

} // namespace zel
