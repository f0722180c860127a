#pragma once

#include "zelCoreExport.h"

#include <QHash>
#include <QString>
#include <QStringList>

namespace zel {

// Settings that an administrator manages for every seat, in two INI files with the store's
// keys: "defaults.ini" gives a key another default, "locked.ini" forces its value so that the
// person cannot change it. They are looked for in "<folder>/<organization>/" for each folder
// of $XDG_CONFIG_DIRS (/etc/xdg when unset), or of the list that the host gives; the first
// folder that sets a key wins. Every value goes through the key's registered validator: one
// that it refuses or replaces is left out and reported, as is a line that cannot be read.
class ZEL_CORE_EXPORT ZelManagedSettings
{
public:
    struct Value
    {
        QString mValue;
        // The file that sets it.
        QString mFile;
    };

    // The folders to look in, first first, instead of $XDG_CONFIG_DIRS; an empty list goes
    // back to $XDG_CONFIG_DIRS. The files are read again.
    static void SetFolders(const QStringList& pFolders);
    // The folders in use, each with the organization's name appended; empty when the
    // application has no organization name.
    static QStringList Folders();

    // What the files held when they were last read; they are read at first use, and again
    // once more keys are registered.
    static const ZelManagedSettings& Current();
    // Reads the files again, against the keys registered now.
    static void Reload();

    // The default of pKey: its locked value, else the administrator's default, else the
    // registered one (empty for a key that is not registered).
    static QString EffectiveDefault(const QString& pKey);
    // The same from these files, for a key registered with pRegistered.
    QString effectiveDefault(const QString& pKey, const QString& pRegistered) const;

    bool isLocked(const QString& pKey) const { return mLocked.contains(pKey); }
    // The forced value of a locked key, and the file that locks it.
    Value locked(const QString& pKey) const { return mLocked.value(pKey); }
    bool hasDefault(const QString& pKey) const { return mDefaults.contains(pKey); }
    Value defaultValue(const QString& pKey) const { return mDefaults.value(pKey); }
    QStringList lockedKeys() const { return mLocked.keys(); }

    // The files that were found and read.
    const QStringList& files() const { return mFiles; }
    // A sentence for each value or line that was left out.
    const QStringList& problems() const { return mProblems; }

private:
    void load();
    void readFile(const QString& pPath, QHash<QString, Value>& pValues);

    QHash<QString, Value> mDefaults;
    QHash<QString, Value> mLocked;
    QStringList mFiles;
    QStringList mProblems;
    std::size_t mRegisteredCount = 0;
};

} // namespace zel
