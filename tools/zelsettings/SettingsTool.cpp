#include "SettingsTool.h"

#include "ZelManagedSettings.h"
#include "ZelSettingsCheck.h"
#include "ZelSettingsFile.h"
#include "ZelSettingsLock.h"
#include "ZelSettingsRegistry.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QThread>

#include <cstdio>

namespace zel {

namespace {

struct Acceptance
{
    const char* mValidator;
    const char* mWords;
};

const Acceptance kAcceptances[] = {
    {"noOp", QT_TRANSLATE_NOOP("SettingsTool", "anything")},
    {"ensureBool", QT_TRANSLATE_NOOP("SettingsTool", "true or false")},
    {"ensureEngine", QT_TRANSLATE_NOOP("SettingsTool", "deferred or software")},
    {"ensureNavigationMode", QT_TRANSLATE_NOOP("SettingsTool", "arcball or examine")},
    {"ensureSceneUnit", QT_TRANSLATE_NOOP("SettingsTool", "mm, cm, m or in")},
    {"ensureDecimalSeparator", QT_TRANSLATE_NOOP("SettingsTool", ". or ,")},
    {"ensureColumnSeparator", QT_TRANSLATE_NOOP("SettingsTool", "any text but an empty one")},
    {"ensureStringDelimiter", QT_TRANSLATE_NOOP("SettingsTool", "\" only")},
    {"ensureUInt", QT_TRANSLATE_NOOP("SettingsTool", "0 to 10")},
    {"ensureCacheSize", QT_TRANSLATE_NOOP("SettingsTool", "10 to 102400")},
    {"ensureCoreNumber", QT_TRANSLATE_NOOP("SettingsTool", "1 to %1 (the machine's cores)")},
    {"ensureTesselationMaxFaceAngle", QT_TRANSLATE_NOOP("SettingsTool", "0 to 359")},
    {"ensureTesselationMaxFaceLength", QT_TRANSLATE_NOOP("SettingsTool", "0 to 100")},
    {"ensureTesselationMaxFaceSag", QT_TRANSLATE_NOOP("SettingsTool", "0 to 100")},
    {"ensureLODTrianglesCap", QT_TRANSLATE_NOOP("SettingsTool", "50000 to 500000000")},
    {"ensureMaxCPUMemory3D", QT_TRANSLATE_NOOP("SettingsTool", "134217728 to 8489271296 (bytes)")},
    {"ensureMaxGPUMemory", QT_TRANSLATE_NOOP("SettingsTool", "134217728 to 8489271296 (bytes)")},
    {"ensureColor", QT_TRANSLATE_NOOP("SettingsTool", "a colour #RRGGBB or #AARRGGBB")},
    {"ensureSettingsVersion", QT_TRANSLATE_NOOP("SettingsTool", "the default only")},
    {"ensureFile",
     QT_TRANSLATE_NOOP("SettingsTool",
                       "a file in an existing folder (the default's folder is created)")},
    {"ensureDMCacheFolder",
     QT_TRANSLATE_NOOP("SettingsTool",
                       "an existing folder (the default is created when missing)")},
    {"ensureTmpFolder",
     QT_TRANSLATE_NOOP("SettingsTool",
                       "an existing folder (the default is created when missing)")},
    {"ensureSimplificationRAM",
     QT_TRANSLATE_NOOP("SettingsTool",
                       "67108864 to 8489271296 (bytes)")},
    {"ensureLogLevel", QT_TRANSLATE_NOOP("SettingsTool", "any whole number")},
    {"ensureSimplificationRatios", QT_TRANSLATE_NOOP("SettingsTool", "five ratios joined by /")},
};

const ZelSettingsRegistry::SettingsMap& table()
{
    return ZelSettingsRegistry::GetDefaultSettingsValues();
}

bool isRegistered(const QString& pKey)
{
    return table().find(pKey) != table().end();
}

int unknownKey(const QString& pKey)
{
    return SettingsTool::Fail(SettingsTool::UsageError,
                              SettingsTool::tr("unknown key \"%1\"").arg(pKey));
}

// Nothing is stored for a key that an administrator locked.
int lockedKey(const QString& pKey)
{
    return SettingsTool::Fail(
        SettingsTool::Refused,
        SettingsTool::tr("\"%1\" is locked by \"%2\"; nothing was changed")
            .arg(pKey, ZelManagedSettings::Current().locked(pKey).mFile));
}

QString outcomeName(ZelSettingsCheck::tOutcome pOutcome)
{
    switch (pOutcome) {
    case ZelSettingsCheck::Kept: return QStringLiteral("kept");
    case ZelSettingsCheck::Filled: return QStringLiteral("filled");
    case ZelSettingsCheck::Repaired: break;
    }
    return QStringLiteral("repaired");
}

} // namespace

SettingsTool::SettingsTool(const QString& pStore) : mStore(pStore) {}

SettingsTool::~SettingsTool() = default;

void SettingsTool::Print(const QString& pText)
{
    std::fputs(pText.toUtf8().constData(), stdout);
}

int SettingsTool::Fail(int pCode, const QString& pMessage)
{
    std::fputs((QStringLiteral("zelsettings: ") + pMessage + QLatin1Char('\n')).toUtf8(),
               stderr);
    return pCode;
}

QString SettingsTool::Accepted(const QString& pKey)
{
    const auto entry = table().find(pKey);
    const QString name = entry == table().end()
        ? QString()
        : ZelSettingsRegistry::GetValidatorName(entry->second.second);
    for (const Acceptance& acceptance : kAcceptances) {
        if (name == QLatin1String(acceptance.mValidator)) {
            QString words = tr(acceptance.mWords);
            if (words.contains(QLatin1String("%1")))
                words = words.arg(QThread::idealThreadCount());
            return words;
        }
    }
    return tr("what the host's own check accepts");
}

QString SettingsTool::storePath() const
{
    if (!mStore.isEmpty())
        return mStore;
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Vantora"),
                     QStringLiteral("Vantora"))
        .fileName();
}

// QSettings only reads the file here; the values go through the check's own reading.
bool SettingsTool::openStore(bool pMustExist, int& pCode)
{
    const QString path = storePath();
    const QFileInfo info(path);
    pCode = UsageError;
    if (!info.exists() && pMustExist) {
        Fail(pCode, tr("the settings file \"%1\" does not exist").arg(path));
        return false;
    }
    ZelSettingsFile file;
    if ((info.exists() && !info.isFile()) || !file.load(path)) {
        Fail(pCode, tr("cannot read the settings file \"%1\"").arg(path));
        return false;
    }
    mSettings = std::make_unique<QSettings>(path, QSettings::IniFormat);
    return true;
}

int SettingsTool::list(bool pWithStore, bool pJson)
{
    int code = Success;
    ZelSettingsFile file;
    if (pWithStore) {
        if (!openStore(true, code))
            return code;
        file.load(storePath());
    }
    const ZelManagedSettings& managed = ZelManagedSettings::Current();
    QJsonArray keys;
    for (const auto& entry : table()) {
        const QString& key = entry.first;
        QString stored;
        const ZelSettingsFile::tValueKind kind = file.value(key, &stored);
        if (kind == ZelSettingsFile::NotText)
            stored = file.writtenValue(key);
        if (pJson) {
            QJsonObject object{{QStringLiteral("key"), key},
                               {QStringLiteral("default"),
                                ZelManagedSettings::EffectiveDefault(key)},
                               {QStringLiteral("accepts"), Accepted(key)},
                               {QStringLiteral("locked"), managed.isLocked(key)}};
            if (pWithStore) {
                object.insert(QStringLiteral("stored"),
                              kind == ZelSettingsFile::Missing ? QJsonValue() : stored);
                object.insert(QStringLiteral("storedIsText"), kind == ZelSettingsFile::Text);
            }
            keys.append(object);
            continue;
        }
        QString line = key + QLatin1Char('\t') + ZelManagedSettings::EffectiveDefault(key)
            + QLatin1Char('\t') + Accepted(key);
        if (managed.isLocked(key))
            line += QLatin1Char(' ') + tr("(locked by %1)").arg(managed.locked(key).mFile);
        if (pWithStore) {
            line += QLatin1Char('\t')
                + (kind == ZelSettingsFile::Missing ? tr("(not stored)")
                   : kind == ZelSettingsFile::Text  ? stored
                                                    : tr("(not text) %1").arg(stored));
        }
        Print(line + QLatin1Char('\n'));
    }
    if (pJson)
        Print(QString::fromUtf8(QJsonDocument(keys).toJson()));
    return Success;
}

int SettingsTool::check(bool pRecover)
{
    int code = Success;
    if (!openStore(false, code))
        return code;
    ZelSettingsCheck check(*mSettings);
    QString message;
    if (!(pRecover ? check.recover(message) : check.run(message))) {
        if (!check.writeError().isEmpty())
            return Fail(UsageError, check.writeError());
        if (check.damagedLine() != 0) {
            Fail(Refused, message);
            return Fail(Refused, tr("nothing was changed; to keep a copy of this file and "
                                    "start again from the settings that can be read, run: "
                                    "zelsettings check --recover --store %1")
                                     .arg(storePath()));
        }
        if (check.stoppedKey().isEmpty())
            return Fail(Refused, message);
        const QString key = check.stoppedKey();
        if (message.isEmpty())
            message = tr("the value cannot be used (%1)").arg(Accepted(key));
        Fail(Refused, tr("check stopped at \"%1\" (stored value \"%2\"): %3")
                          .arg(key, check.stoppedValue(), message));
        return Fail(Refused, tr("nothing was changed; to reset this setting to its default, "
                                            "run: zelsettings reset --store %1 %2")
                                 .arg(storePath(), key));
    }
    if (!check.damagedCopy().isEmpty())
        Print(QStringLiteral("damaged\t") + check.damagedCopy() + QLatin1Char('\n'));
    // What an administrator manages is named first; what it left out goes to the errors.
    const ZelManagedSettings& managed = ZelManagedSettings::Current();
    for (const QString& file : managed.files())
        Print(QStringLiteral("managed\t") + file + QLatin1Char('\n'));
    for (const QString& problem : managed.problems())
        Fail(Success, problem);
    for (const ZelSettingsCheck::Result& result : check.results()) {
        QString line = outcomeName(result.mOutcome) + QLatin1Char('\t') + result.mKey;
        if (result.mOutcome == ZelSettingsCheck::Repaired)
            line += QLatin1Char('\t') + result.mStored;
        Print(line + QLatin1Char('\t') + result.mValue + QLatin1Char('\n'));
    }
    return Success;
}

int SettingsTool::get(const QString& pKey)
{
    int code = Success;
    if (!openStore(true, code))
        return code;
    ZelSettingsFile file;
    file.load(storePath());
    QString text;
    switch (file.value(pKey, &text)) {
    case ZelSettingsFile::Missing:
        if (!isRegistered(pKey))
            return unknownKey(pKey);
        return Fail(Refused, tr("\"%1\" is not stored in \"%2\"")
                                 .arg(pKey, storePath()));
    case ZelSettingsFile::NotText:
        return Fail(Refused, tr("\"%1\" holds a value that is not text: %2")
                                 .arg(pKey, file.writtenValue(pKey)));
    case ZelSettingsFile::Text:
        break;
    }
    Print(text + QLatin1Char('\n'));
    return Success;
}

int SettingsTool::set(const QString& pKey, const QString& pValue)
{
    const auto entry = table().find(pKey);
    if (entry == table().end())
        return unknownKey(pKey);
    if (ZelManagedSettings::Current().isLocked(pKey))
        return lockedKey(pKey);
    QString value = pValue;
    QString message;
    // Run as the check runs it, so that the folders that the value needs are made too.
    const QString defaultValue = ZelManagedSettings::EffectiveDefault(pKey);
    if (!entry->second.second(pKey, defaultValue, value, message)) {
        if (message.isEmpty())
            message = tr("'%1' is not accepted (%2)").arg(pValue, Accepted(pKey));
        return Fail(Refused, pKey + QStringLiteral(": ") + message);
    }
    if (value != pValue) {
        return Fail(Refused, tr("%1: '%2' is not accepted (%3); the check would "
                                            "store '%4'")
                                 .arg(pKey, pValue, Accepted(pKey), value));
    }
    int code = Success;
    ZelSettingsLock lock(storePath());
    if (!openStore(false, code))
        return code;
    if (!lock.lock(message))
        return Fail(Refused, message);
    if (!ZelSettingsCheck::WriteValues(*mSettings, {{pKey, value}}, message))
        return Fail(UsageError, message);
    Print(value + QLatin1Char('\n'));
    return Success;
}

int SettingsTool::reset(const QStringList& pKeys)
{
    QStringList keys = pKeys;
    for (const QString& key : keys) {
        if (!isRegistered(key))
            return unknownKey(key);
        if (ZelManagedSettings::Current().isLocked(key))
            return lockedKey(key);
    }
    // A reset of everything leaves the locked keys as the administrator set them.
    if (keys.isEmpty()) {
        for (const auto& entry : table()) {
            if (!ZelManagedSettings::Current().isLocked(entry.first))
                keys.append(entry.first);
        }
    }
    QString message;
    ZelSettingsCheck::Values values;
    if (!ZelSettingsCheck::CheckedDefaults(keys, values, message))
        return Fail(Refused, message);
    int code = Success;
    ZelSettingsLock lock(storePath());
    if (!openStore(false, code))
        return code;
    if (!lock.lock(message))
        return Fail(Refused, message);
    if (!ZelSettingsCheck::WriteValues(*mSettings, values, message))
        return Fail(UsageError, message);
    return Success;
}

} // namespace zel
