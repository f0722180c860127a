#include "ZelSettingsLock.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QDir>
#include <QLockFile>
#include <QSettings>

#include <map>
#include <memory>

namespace zel {

namespace {

const char kSuffix[] = ".writer.lock";

struct HeldLock
{
    std::unique_ptr<QLockFile> mFile;
    int mCount = 0;
};

// The locks that this process holds, by lock file, so that it can take one again.
std::map<QString, HeldLock>& heldLocks()
{
    static std::map<QString, HeldLock> locks;
    return locks;
}

} // namespace

ZelSettingsLock::ZelSettingsLock(const QString& pStorePath)
    : mLockPath(pStorePath.isEmpty() ? QString() : LockFileName(pStorePath))
{
}

ZelSettingsLock::ZelSettingsLock(QSettings* pSettings)
    : mLockPath(pSettings && IsFileStore(*pSettings) ? LockFileName(pSettings->fileName())
                                                     : QString())
    , mSettings(pSettings)
{
}

ZelSettingsLock::~ZelSettingsLock()
{
    unlock();
}

QString ZelSettingsLock::LockFileName(const QString& pStorePath)
{
    return QFileInfo(pStorePath).absoluteFilePath() + QLatin1String(kSuffix);
}

bool ZelSettingsLock::IsFileStore(const QSettings& pSettings)
{
#if defined(Q_OS_WIN) || defined(Q_OS_DARWIN)
    if (pSettings.format() == QSettings::NativeFormat)
        return false;
#endif
    return pSettings.format() <= QSettings::IniFormat && !pSettings.fileName().isEmpty();
}

bool ZelSettingsLock::lock(QString& pErrorMessage, int pTimeout)
{
    if (mLocked)
        return true;
    if (!mLockPath.isEmpty()) {
        HeldLock& held = heldLocks()[mLockPath];
        if (held.mCount == 0) {
            // QSettings makes the store's folder when it first writes; the lock comes first.
            QDir().mkpath(QFileInfo(mLockPath).absolutePath());
            held.mFile = std::make_unique<QLockFile>(mLockPath);
            // Only a lock whose program has ended is taken over, never one of a slow writer.
            held.mFile->setStaleLockTime(0);
            if (!held.mFile->tryLock(pTimeout)
                && held.mFile->error() == QLockFile::LockFailedError) {
                heldLocks().erase(mLockPath);
                pErrorMessage = QCoreApplication::translate(
                                    "ZelControlCenter",
                                    "The settings file \"%1\" is being changed by another "
                                    "program; try again when it has finished")
                                    .arg(mLockPath.chopped(int(qstrlen(kSuffix))));
                return false;
            }
            // A folder where no lock file can be made is one where no writer can replace
            // the store either: there is nothing to guard.
        }
        ++held.mCount;
    }
    mLocked = true;
    if (mSettings)
        mSettings->sync();
    return true;
}

void ZelSettingsLock::unlock()
{
    if (!mLocked)
        return;
    if (mSettings)
        mSettings->sync();
    mLocked = false;
    if (mLockPath.isEmpty())
        return;
    auto held = heldLocks().find(mLockPath);
    if (held != heldLocks().end() && --held->second.mCount == 0)
        heldLocks().erase(held);
}

} // namespace zel
