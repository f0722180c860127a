#pragma once

#include "zelCoreExport.h"

#include <QString>

class QSettings;

namespace zel {

// The lock that every writer of a settings store holds from reading the store to writing it
// back, so that two programs changing it at once lose nothing: a lock file beside the store
// (QSettings takes "<store>.lock" for its own short writes, so this one is named apart). A
// process may take it again while it holds it. A store that is not a file needs no lock.
class ZEL_CORE_EXPORT ZelSettingsLock
{
public:
    static const int kDefaultTimeout = 10000;
    // For a person waiting at a button.
    static const int kInteractiveTimeout = 3000;

    explicit ZelSettingsLock(const QString& pStorePath);
    // With a QSettings object: it reads the store again once the lock is taken, and writes
    // its changes before the lock is given back.
    explicit ZelSettingsLock(QSettings* pSettings);
    ~ZelSettingsLock();
    ZelSettingsLock(const ZelSettingsLock&) = delete;
    ZelSettingsLock& operator=(const ZelSettingsLock&) = delete;

    // Waits up to pTimeout milliseconds for another writer to finish; false, with a
    // translated message, when it does not.
    bool lock(QString& pErrorMessage, int pTimeout = kDefaultTimeout);
    void unlock();
    bool isLocked() const { return mLocked; }

    static QString LockFileName(const QString& pStorePath);
    // True when the store is a file on disk, rather than the system's registry.
    static bool IsFileStore(const QSettings& pSettings);

private:
    QString mLockPath;
    QSettings* mSettings = nullptr;
    bool mLocked = false;
};

} // namespace zel
