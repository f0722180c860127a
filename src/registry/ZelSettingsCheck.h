#pragma once

#include "zelExport.h"

#include <QString>

#include <vector>

class QSettings;

namespace zel {

// One check run over a settings store: every registered key in key order is read as text,
// validated and, once every validator has accepted, written back; then the end checks run.
// It tells, key by key, what it kept, filled or repaired, and where it stopped.
//
// An INI file is read and written as text under the store's writer lock: a value that is not
// plain text (a list, an invalid value, a serialized object) is never built and counts as
// invalid; a check that stops writes nothing; a file with a line that QSettings cannot read
// cleanly is not touched. Other stores are read through QSettings.
class ZEL_EXPORT ZelSettingsCheck
{
public:
    enum tOutcome
    {
        Kept,
        Filled,
        Repaired
    };
    struct Result
    {
        QString mKey;
        tOutcome mOutcome;
        // As the store held it (escapes and all when it was not text), and as checked.
        QString mStored;
        QString mValue;
    };

    explicit ZelSettingsCheck(QSettings& pSettings);

    bool run(QString& pErrorMessage);

    const std::vector<Result>& results() const { return mResults; }
    // The key whose validator stopped the check, and its stored value (empty when missing).
    const QString& stoppedKey() const { return mStoppedKey; }
    const QString& stoppedValue() const { return mStoppedValue; }
    // The line of the store that stopped the check, 0 when none did.
    int damagedLine() const { return mDamagedLine; }
    // True when the check could not start because another program was writing the store.
    bool wasBusy() const { return mBusy; }

private:
    struct Edit
    {
        QString mKey;
        QString mValue;
    };

    bool checkFile(QString& pErrorMessage);
    bool checkThroughSettings(QString& pErrorMessage);
    bool runEndChecks(QString& pErrorMessage);

    QSettings& mSettings;
    std::vector<Result> mResults;
    QString mStoppedKey;
    QString mStoppedValue;
    int mDamagedLine = 0;
    bool mBusy = false;
};

} // namespace zel
