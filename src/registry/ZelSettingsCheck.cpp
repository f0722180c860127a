#include "ZelSettingsCheck.h"

#include "ZelSettingsRegistry.h"
#include "ZelManagedSettings.h"
#include "ZelMemorySettings.h"
#include "ZelSettingsFile.h"
#include "ZelSettingsLock.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QSettings>
#include <QVariant>

namespace zel {

ZelSettingsCheck::ZelSettingsCheck(QSettings& pSettings) : mSettings(pSettings) {}

void ZelSettingsCheck::clear()
{
    mResults.clear();
    mStoppedKey.clear();
    mStoppedValue.clear();
    mWriteError.clear();
    mDamagedCopy.clear();
    mDamagedLine = 0;
    mBusy = false;
    // An administrator may have changed the managed files since the last run.
    ZelManagedSettings::Reload();
}

bool ZelSettingsCheck::run(QString& pErrorMessage)
{
    clear();
    const bool checked = ZelSettingsLock::IsFileStore(mSettings)
        ? checkFile(pErrorMessage)
        : checkThroughSettings(pErrorMessage);
    return checked && runEndChecks(pErrorMessage);
}

bool ZelSettingsCheck::recover(QString& pErrorMessage)
{
    clear();
    const bool checked = ZelSettingsLock::IsFileStore(mSettings)
        ? recoverFile(pErrorMessage)
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
        // The host's store object is left as the file is: were the repairs put in it, it
        // would write them itself, with a writer that may leave the store half written.
        if (file.isModified() && !file.save(mWriteError)) {
            pErrorMessage = mWriteError;
            return false;
        }
        mSettings.sync();
    }
    return true;
}

bool ZelSettingsCheck::recoverFile(QString& pErrorMessage)
{
    mSettings.sync();
    const QString path = mSettings.fileName();
    ZelSettingsLock lock(path);
    if (!lock.lock(pErrorMessage)) {
        mBusy = true;
        return false;
    }
    ZelSettingsFile file;
    if (!loadFile(file, pErrorMessage))
        return false;
    if (file.damagedLine() == 0)
        return checkFile(pErrorMessage);
    mDamagedLine = file.damagedLine();

    const QByteArray damaged = file.data();
    ZelSettingsFile readable;
    for (const auto& value : file.readableValues())
        readable.setValue(value.first, value.second);
    file.replaceData(readable.data());
    Values edits;
    if (!validate(file, true, edits, pErrorMessage) || !editFile(file, edits, pErrorMessage))
        return false;

    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString copy = path + QStringLiteral(".damaged-") + stamp;
    for (int count = 2; QFileInfo::exists(copy); ++count)
        copy = path + QStringLiteral(".damaged-%1-%2").arg(stamp).arg(count);
    if (!ZelSettingsFile::WriteFile(copy, damaged, mWriteError)) {
        pErrorMessage = mWriteError;
        return false;
    }
    if (!file.save(mWriteError)) {
        // The damaged store is still in place: a copy of it would only be in the way.
        QFile::remove(copy);
        pErrorMessage = mWriteError;
        return false;
    }
    mDamagedCopy = copy;
    mSettings.sync();
    return true;
}

bool ZelSettingsCheck::loadFile(ZelSettingsFile& pFile, QString& pErrorMessage)
{
    const QString path = mSettings.fileName();
    if (pFile.load(path))
        return true;
    pErrorMessage = QCoreApplication::translate("ZelControlCenter",
                                                "The settings file \"%1\" cannot be read")
                        .arg(path);
    return false;
}

bool ZelSettingsCheck::readFile(ZelSettingsFile& pFile, Values& pEdits, QString& pErrorMessage)
{
    if (!loadFile(pFile, pErrorMessage))
        return false;
    if (pFile.damagedLine() != 0) {
        mDamagedLine = pFile.damagedLine();
        pErrorMessage = QCoreApplication::translate("ZelControlCenter",
                                                    "Line %2 of the settings file \"%1\" cannot "
                                                    "be read safely; correct or remove it")
                            .arg(pFile.fileName())
                            .arg(mDamagedLine);
        return false;
    }
    return validate(pFile, false, pEdits, pErrorMessage);
}

bool ZelSettingsCheck::validate(const ZelSettingsFile& pFile, bool pRefusedAsMissing,
                                Values& pEdits, QString& pErrorMessage)
{
    // A copy: a validator of the host's may change the registrations while they are walked.
    const ZelSettingsRegistry::SettingsMap& registered = ZelSettingsRegistry::GetDefaultSettingsValues();
    const std::vector<ZelSettingsRegistry::SettingsMap::value_type> table(registered.begin(),
                                                                       registered.end());
    // A copy: a validator may register keys, which reads the managed files again.
    const ZelManagedSettings managed = ZelManagedSettings::Current();
    mResults.reserve(table.size());
    for (const auto& entry : table) {
        const QString& key = entry.first;
        const QString defaultValue = managed.effectiveDefault(key, entry.second.first);
        const ZelSettingsRegistry::SettingValidator validator = entry.second.second;
        QString stored;
        const ZelSettingsFile::tValueKind kind = pFile.value(key, &stored);
        if (kind == ZelSettingsFile::NotText)
            stored = pFile.writtenValue(key);
        QString value = kind == ZelSettingsFile::Text ? stored : defaultValue;
        QString refusal;
        // A locked value was checked when the managed files were read.
        const bool locked = managed.isLocked(key);
        if (locked)
            value = defaultValue;
        bool accepted = locked
            || validator(key, defaultValue, value, pRefusedAsMissing ? refusal : pErrorMessage);
        if (!accepted && pRefusedAsMissing) {
            value = defaultValue;
            accepted = validator(key, defaultValue, value, pErrorMessage);
        }
        if (!accepted) {
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
    // The system's registry, or a store kept in memory for this run.
    if (!ZelSettingsLock::IsFileStore(pSettings)) {
        for (const auto& value : pValues)
            pSettings.setValue(value.first, value.second);
        return syncStore(pSettings, pErrorMessage);
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
    const ZelSettingsRegistry::SettingsMap table = ZelSettingsRegistry::GetDefaultSettingsValues();
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
    const ZelSettingsRegistry::SettingsMap table = ZelSettingsRegistry::GetDefaultSettingsValues();
    const ZelManagedSettings managed = ZelManagedSettings::Current();
    Values edits;
    for (const auto& entry : table) {
        const QString& key = entry.first;
        const QString defaultValue = managed.effectiveDefault(key, entry.second.first);
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
    if (syncStore(mSettings, mWriteError))
        return true;
    pErrorMessage = mWriteError;
    return false;
}

bool ZelSettingsCheck::syncStore(QSettings& pSettings, QString& pErrorMessage)
{
    // Kept in memory: its values stay there, and asking it to write would only fail.
    if (ZelMemorySettings::IsMemoryStore(pSettings))
        return true;
    pSettings.sync();
    if (pSettings.status() == QSettings::NoError)
        return true;
    pErrorMessage = QCoreApplication::translate("ZelControlCenter",
                                                "The settings store \"%1\" could not be written")
                        .arg(pSettings.fileName());
    return false;
}

bool ZelSettingsCheck::runEndChecks(QString& pErrorMessage)
{
    // By index: an end check may register another one while the list is walked.
    const auto& functions = ZelSettingsRegistry::msCheckFunctions;
    for (std::size_t i = 0; i < functions.size(); ++i) {
        if (!functions[i](mSettings, pErrorMessage))
            return false;
    }
    return true;
}

} // namespace zel
