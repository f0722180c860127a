#pragma once

#include "zelCoreExport.h"

#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

class QSettings;

namespace zel {

class ZelSettingsFile;

// One check run over a settings store: every registered key in key order is read as text,
// validated and, once every validator has accepted, written back; then the end checks run.
// It tells, key by key, what it kept, filled or repaired, and where it stopped.
//
// An INI file is read and written as text, under the store's writer lock once there is
// something to write (it is then read again under the lock): a value that is not
// plain text (a list, an invalid value, a serialized object) is never built and counts as
// invalid; a check that stops writes nothing; a file with a line that QSettings cannot read
// cleanly is not touched by a check, only by a recovery. Other stores are read through
// QSettings. The store is only ever replaced once its whole new text was written.
class ZEL_CORE_EXPORT ZelSettingsCheck
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

    using Values = std::vector<std::pair<QString, QString>>;

    explicit ZelSettingsCheck(QSettings& pSettings);

    bool run(QString& pErrorMessage);
    // For a store with a line that cannot be read safely: keeps the file as it is in a copy
    // beside it, then rewrites the store from every setting that can still be read and the
    // checked defaults for the rest (a value that its validator refuses counts as unread),
    // and runs the end checks. A store without such a line is checked as run() does.
    bool recover(QString& pErrorMessage);

    // Writes text values the way the check does, under the store's writer lock.
    static bool WriteValues(QSettings& pSettings, const Values& pValues, QString& pErrorMessage);
    // The defaults of registered keys, each passed through its validator as the check would,
    // so that a check right after keeps them. False when a validator refuses its default.
    static bool CheckedDefaults(const QStringList& pKeys, Values& pValues,
                                QString& pErrorMessage);

    const std::vector<Result>& results() const { return mResults; }
    // The key whose validator stopped the check, and its stored value (empty when missing).
    const QString& stoppedKey() const { return mStoppedKey; }
    const QString& stoppedValue() const { return mStoppedValue; }
    // The line of the store that stopped the check, 0 when none did.
    int damagedLine() const { return mDamagedLine; }
    // True when the check could not start because another program was writing the store.
    bool wasBusy() const { return mBusy; }
    // Why the repairs could not be written to the store, or empty. The check then failed
    // with this message; the results hold the values that it would have written.
    const QString& writeError() const { return mWriteError; }
    // Where recover() kept the damaged store, or empty.
    const QString& damagedCopy() const { return mDamagedCopy; }

private:
    static bool editFile(ZelSettingsFile& pFile, const Values& pValues, QString& pErrorMessage);
    bool checkFile(QString& pErrorMessage);
    bool recoverFile(QString& pErrorMessage);
    // Reads the store and runs the validators over it: what to write goes to pEdits.
    bool readFile(ZelSettingsFile& pFile, Values& pEdits, QString& pErrorMessage);
    bool loadFile(ZelSettingsFile& pFile, QString& pErrorMessage);
    // Runs the validators over the text of pFile. A value that its validator refuses stops
    // the check, or with pRefusedAsMissing gives way to the checked default.
    bool validate(const ZelSettingsFile& pFile, bool pRefusedAsMissing, Values& pEdits,
                  QString& pErrorMessage);
    void clear();
    bool checkThroughSettings(QString& pErrorMessage);
    // Writes a store that is not a file; false when the store says that it could not.
    static bool syncStore(QSettings& pSettings, QString& pErrorMessage);
    bool runEndChecks(QString& pErrorMessage);

    QSettings& mSettings;
    std::vector<Result> mResults;
    QString mStoppedKey;
    QString mStoppedValue;
    QString mWriteError;
    QString mDamagedCopy;
    int mDamagedLine = 0;
    bool mBusy = false;
};

} // namespace zel
