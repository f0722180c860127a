#include "ZelSettingsCheck.h"

#include "ZelControlCenter.h"
#include "ZelManagedSettings.h"
#include "ZelSettingsFile.h"
#include "ZelSettingsLock.h"

#include <QCoreApplication>
#include <QSettings>
#include <QVariant>

namespace zel {

ZelSettingsCheck::ZelSettingsCheck(QSettings& pSettings) : mSettings(pSettings) {}

bool ZelSettingsCheck::run(QString& pErrorMessage)
{
    mResults.clear();
    mStoppedKey.clear();
    mStoppedValue.clear();
    mWriteError.clear();
    mDamagedLine = 0;
    mBusy = false;
    // An administrator may have changed the managed files since the last run.
    ZelManagedSettings::Reload();
    const bool checked = ZelSettingsLock::IsFileStore(mSettings)
        ? checkFile(pErrorMessage)
        : checkThroughSettings(pErrorMessage);
    return checked && runEndChecks(pErrorMessage);
}

bool ZelSettingsCheck::checkFile(QString& pErrorMessage)
{
    // The host's own changes reach the file first.
    mSettings.sync();
    ZelSettingsFile file;
    Values edits;
    if (!readFile(file, edits, pErrorMessage))
        return false;
    if (!edits.empty()) {
        // Only a check that writes takes the writer lock, and reads the store again under it:
        // another writer may have changed it since.
        ZelSettingsLock lock(mSettings.fileName());
        if (!lock.lock(pErrorMessage)) {
            mBusy = true;
            return false;
        }
        mSettings.sync();
        file = ZelSettingsFile();
        edits.clear();
        mResults.clear();
        if (!readFile(file, edits, pErrorMessage) || !editFile(file, edits, pErrorMessage))
            return false;
        if (file.isModified() && !file.save(mWriteError)) {
            // A store that cannot be written still gives the host the repaired values.
            for (const auto& edit : edits)
                mSettings.setValue(edit.first, edit.second);
        }
        mSettings.sync();
    }
    return true;
}

bool ZelSettingsCheck::readFile(ZelSettingsFile& pFile, Values& pEdits, QString& pErrorMessage)
{
    const QString path = mSettings.fileName();
    if (!pFile.load(path)) {
        pErrorMessage = QCoreApplication::translate("ZelControlCenter",
                                                    "The settings file \"%1\" cannot be read")
                            .arg(path);
        return false;
    }
    if (pFile.damagedLine() != 0) {
        mDamagedLine = pFile.damagedLine();
        pErrorMessage = QCoreApplication::translate("ZelControlCenter",
                                                    "Line %2 of the settings file \"%1\" cannot "
                                                    "be read safely; correct or remove it")
                            .arg(path)
                            .arg(mDamagedLine);
        return false;
    }

    // A copy: a validator of the host's may change the registrations while they are walked.
    const ZelControlCenter::SettingsMap& registered = ZelControlCenter::GetDefaultSettingsValues();
    const std::vector<ZelControlCenter::SettingsMap::value_type> table(registered.begin(),
                                                                       registered.end());
    // A copy: a validator may register keys, which reads the managed files again.
    const ZelManagedSettings managed = ZelManagedSettings::Current();
    mResults.reserve(table.size());
    for (const auto& entry : table) {
        const QString& key = entry.first;
        const QString defaultValue = ZelManagedSettings::EffectiveDefault(key);
        QString stored;
        const ZelSettingsFile::tValueKind kind = pFile.value(key, &stored);
        if (kind == ZelSettingsFile::NotText)
            stored = pFile.writtenValue(key);
        QString value = kind == ZelSettingsFile::Text ? stored : defaultValue;
        // A locked value was checked when the managed files were read.
        if (managed.isLocked(key))
            value = defaultValue;
        else if (!entry.second.second(key, defaultValue, value, pErrorMessage)) {
            mStoppedKey = key;
            mStoppedValue = stored;
            return false;
        }
        const bool kept = kind == ZelSettingsFile::Text && stored == value
            && (pFile.lineCount(key) == 1 || pFile.holds(key, value));
        if (!kept)
            pEdits.emplace_back(key, value);
        mResults.push_back({key,
                            kind == ZelSettingsFile::Missing ? Filled : kept ? Kept : Repaired,
                            stored, value});
    }
    return true;
}

bool ZelSettingsCheck::editFile(ZelSettingsFile& pFile, const Values& pValues,
                                QString& pErrorMessage)
{
    for (const auto& value : pValues) {
        if (!pFile.setValue(value.first, value.second)) {
            pErrorMessage = QCoreApplication::translate("ZelControlCenter",
                                                        "\"%1\" cannot be written to the settings "
                                                        "file \"%2\" without changing the lines "
                                                        "around it")
                                .arg(value.first, pFile.fileName());
            return false;
        }
    }
    return true;
}

bool ZelSettingsCheck::WriteValues(QSettings& pSettings, const Values& pValues,
                                   QString& pErrorMessage)
{
    if (!ZelSettingsLock::IsFileStore(pSettings)) {
        for (const auto& value : pValues)
            pSettings.setValue(value.first, value.second);
        pSettings.sync();
        return true;
    }
    const QString path = pSettings.fileName();
    ZelSettingsLock lock(path);
    if (!lock.lock(pErrorMessage))
        return false;
    pSettings.sync();
    ZelSettingsFile file;
    if (!file.load(path)) {
        pErrorMessage = QCoreApplication::translate("ZelControlCenter",
                                                    "The settings file \"%1\" cannot be read")
                            .arg(path);
        return false;
    }
    if (!editFile(file, pValues, pErrorMessage)
        || (file.isModified() && !file.save(pErrorMessage)))
        return false;
    pSettings.sync();
    return true;
}

bool ZelSettingsCheck::CheckedDefaults(const QStringList& pKeys, Values& pValues,
                                       QString& pErrorMessage)
{
    const ZelControlCenter::SettingsMap table = ZelControlCenter::GetDefaultSettingsValues();
    for (const QString& key : pKeys) {
        const auto entry = table.find(key);
        if (entry == table.end())
            continue;
        const QString defaultValue = ZelManagedSettings::EffectiveDefault(key);
        QString value = defaultValue;
        if (!ZelManagedSettings::Current().isLocked(key)
            && !entry->second.second(key, defaultValue, value, pErrorMessage))
            return false;
        pValues.emplace_back(key, value);
    }
    return true;
}

bool ZelSettingsCheck::checkThroughSettings(QString& pErrorMessage)
{
    const ZelControlCenter::SettingsMap table = ZelControlCenter::GetDefaultSettingsValues();
    const ZelManagedSettings managed = ZelManagedSettings::Current();
    Values edits;
    for (const auto& entry : table) {
        const QString& key = entry.first;
        const QString defaultValue = ZelManagedSettings::EffectiveDefault(key);
        const QVariant stored = mSettings.value(key);
        const bool present = stored.isValid() || mSettings.contains(key);
        const bool text = stored.userType() == QMetaType::QString;
        QString value = present && text ? stored.toString() : defaultValue;
        if (managed.isLocked(key))
            value = defaultValue;
        else if (!entry.second.second(key, defaultValue, value, pErrorMessage)) {
            mStoppedKey = key;
            mStoppedValue = text ? stored.toString() : QString();
            return false;
        }
        const bool kept = present && text && stored.toString() == value;
        if (!kept)
            edits.emplace_back(key, value);
        mResults.push_back({key, !present ? Filled : kept ? Kept : Repaired,
                            text ? stored.toString() : QString(), value});
    }
    for (const auto& edit : edits)
        mSettings.setValue(edit.first, edit.second);
    mSettings.sync();
    return true;
}

bool ZelSettingsCheck::runEndChecks(QString& pErrorMessage)
{
    // By index: an end check may register another one while the list is walked.
    const auto& functions = ZelControlCenter::msCheckFunctions;
    for (std::size_t i = 0; i < functions.size(); ++i) {
        if (!functions[i](mSettings, pErrorMessage))
            return false;
    }
    return true;
}

} // namespace zel
