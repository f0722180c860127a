#include "ZelManagedSettings.h"

#include "ZelSettingsRegistry.h"
#include "ZelSettingsFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <memory>

namespace zel {

namespace {

const char kDefaultsFile[] = "defaults.ini";
const char kLockedFile[] = "locked.ini";
const char kDefaultConfigDirs[] = "/etc/xdg";

QStringList& hostFolders()
{
    static QStringList folders;
    return folders;
}

std::unique_ptr<ZelManagedSettings>& current()
{
    static std::unique_ptr<ZelManagedSettings> settings;
    return settings;
}

} // namespace

void ZelManagedSettings::SetFolders(const QStringList& pFolders)
{
    hostFolders() = pFolders;
    Reload();
}

QStringList ZelManagedSettings::Folders()
{
    const QString organization = QCoreApplication::organizationName();
    if (organization.isEmpty())
        return {};
    QStringList roots = hostFolders();
    if (roots.isEmpty()) {
        const QString dirs = qEnvironmentVariable("XDG_CONFIG_DIRS");
        roots = (dirs.isEmpty() ? QString::fromLatin1(kDefaultConfigDirs) : dirs)
                    .split(QDir::listSeparator(), Qt::SkipEmptyParts);
    }
    QStringList folders;
    for (const QString& root : std::as_const(roots)) {
        // The XDG rules ignore relative folders.
        if (QDir::isAbsolutePath(root))
            folders.append(QDir::cleanPath(root) + QLatin1Char('/') + organization);
    }
    return folders;
}

const ZelManagedSettings& ZelManagedSettings::Current()
{
    if (!current()
        || current()->mRegisteredCount != ZelSettingsRegistry::GetDefaultSettingsValues().size())
        Reload();
    return *current();
}

void ZelManagedSettings::Reload()
{
    auto settings = std::make_unique<ZelManagedSettings>();
    settings->load();
    current() = std::move(settings);
}

QString ZelManagedSettings::EffectiveDefault(const QString& pKey)
{
    const auto& registered = ZelSettingsRegistry::GetDefaultSettingsValues();
    const auto entry = registered.find(pKey);
    return Current().effectiveDefault(pKey,
                                      entry == registered.end() ? QString() : entry->second.first);
}

QString ZelManagedSettings::effectiveDefault(const QString& pKey, const QString& pRegistered) const
{
    const auto locked = mLocked.constFind(pKey);
    if (locked != mLocked.constEnd())
        return locked->mValue;
    const auto managed = mDefaults.constFind(pKey);
    return managed == mDefaults.constEnd() ? pRegistered : managed->mValue;
}

void ZelManagedSettings::load()
{
    mRegisteredCount = ZelSettingsRegistry::GetDefaultSettingsValues().size();
    const QStringList folders = Folders();
    for (const QString& folder : folders) {
        readFile(folder + QLatin1Char('/') + QLatin1String(kDefaultsFile), mDefaults);
        readFile(folder + QLatin1Char('/') + QLatin1String(kLockedFile), mLocked);
    }
}

void ZelManagedSettings::readFile(const QString& pPath, QHash<QString, Value>& pValues)
{
    if (!QFileInfo(pPath).isFile())
        return;
    ZelSettingsFile file;
    if (!file.load(pPath)) {
        mProblems.append(QCoreApplication::translate("ZelManagedSettings",
                                                     "\"%1\" cannot be read; it is ignored")
                             .arg(pPath));
        return;
    }
    mFiles.append(pPath);
    for (const int line : file.damagedLines())
        mProblems.append(QCoreApplication::translate(
                             "ZelManagedSettings",
                             "Line %2 of \"%1\" cannot be read safely; it is ignored")
                             .arg(pPath)
                             .arg(line));

    const ZelSettingsRegistry::SettingsMap& registered = ZelSettingsRegistry::GetDefaultSettingsValues();
    const QStringList keys = file.keys();
    for (const QString& key : keys) {
        // An earlier folder has the last word.
        if (pValues.contains(key))
            continue;
        const auto entry = registered.find(key);
        if (entry == registered.end()) {
            mProblems.append(QCoreApplication::translate(
                                 "ZelManagedSettings",
                                 "\"%2\" in \"%1\" is not a known setting; it is ignored")
                                 .arg(pPath, key));
            continue;
        }
        QString text;
        if (file.value(key, &text) != ZelSettingsFile::Text) {
            mProblems.append(QCoreApplication::translate(
                                 "ZelManagedSettings",
                                 "The value of \"%2\" in \"%1\" is not text; it is ignored")
                                 .arg(pPath, key));
            continue;
        }
        // A value that the validator refuses, or replaces with the default, is not the
        // administrator's any more; a value that it only tidies (a folder's separators) is.
        const QString& fallback = entry->second.first;
        QString value = text;
        QString message;
        if (!entry->second.second(key, fallback, value, message)
            || (value == fallback && text != fallback)) {
            mProblems.append(QCoreApplication::translate(
                                 "ZelManagedSettings",
                                 "\"%3\" is not a valid value of \"%2\" in \"%1\"; it is ignored")
                                 .arg(pPath, key, text));
            continue;
        }
        pValues.insert(key, {value, pPath});
    }
}

} // namespace zel
