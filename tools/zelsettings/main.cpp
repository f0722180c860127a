// zelsettings: lists, checks, reads and writes a viewer's settings through the registry.

#include "ZelControlCenter.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <QVariant>

#include <cstdio>
#include <memory>
#include <vector>

using zel::ZelControlCenter;

namespace {

enum ExitCode
{
    kSuccess = 0,
    kRejected = 1,
    kUsageError = 2
};

const char kUsage[] =
    "Usage: zelsettings COMMAND [--store FILE] [ARGUMENTS]\n"
    "\n"
    "Commands:\n"
    "  list                      every registered key, its default and its validator,\n"
    "                            tab-separated, in check order\n"
    "  check                     fill and repair the store as the viewer does at start-up;\n"
    "                            one line per key: kept, filled or repaired (old, new value)\n"
    "  get KEY                   the stored value of KEY\n"
    "  set KEY VALUE             VALUE passed through the validator of KEY, then stored\n"
    "  reset [KEY]               the default of KEY, or of every registered key\n"
    "\n"
    "Options:\n"
    "  --store FILE              the INI settings file to work on (created when missing,\n"
    "                            except by get); default: the viewer's own settings file\n"
    "  -h, --help                this text\n"
    "\n"
    "Exit status: 0 success; 1 the check failed, a value was rejected or a key is not\n"
    "stored; 2 bad usage, unknown key, or a file that cannot be read or written.\n";

void print(FILE* pStream, const QString& pText)
{
    std::fputs(pText.toUtf8().constData(), pStream);
}

int fail(int pCode, const QString& pMessage)
{
    print(stderr, QStringLiteral("zelsettings: ") + pMessage + QLatin1Char('\n'));
    return pCode;
}

int usageError(const QString& pMessage)
{
    fail(kUsageError, pMessage);
    print(stderr, QStringLiteral("Try 'zelsettings --help'.\n"));
    return kUsageError;
}

struct Invocation
{
    QString mCommand;
    QString mStore;
    bool mHasStore = false;
    bool mHelp = false;
    QStringList mArguments;
};

bool parse(const QStringList& pArguments, Invocation& pInvocation, QString& pError)
{
    bool optionsEnded = false;
    for (int i = 0; i < pArguments.size(); ++i) {
        const QString& argument = pArguments.at(i);
        if (!optionsEnded && argument == QLatin1String("--")) {
            optionsEnded = true;
        } else if (!optionsEnded && (argument == QLatin1String("--help")
                                     || argument == QLatin1String("-h"))) {
            pInvocation.mHelp = true;
        } else if (!optionsEnded && (argument == QLatin1String("--store")
                                     || argument.startsWith(QLatin1String("--store=")))) {
            if (pInvocation.mHasStore) {
                pError = QStringLiteral("--store given twice");
                return false;
            }
            if (argument == QLatin1String("--store")) {
                if (++i == pArguments.size()) {
                    pError = QStringLiteral("--store needs a file");
                    return false;
                }
                pInvocation.mStore = pArguments.at(i);
            } else {
                pInvocation.mStore = argument.mid(int(qstrlen("--store=")));
            }
            if (pInvocation.mStore.isEmpty()) {
                pError = QStringLiteral("--store needs a file");
                return false;
            }
            pInvocation.mHasStore = true;
        } else if (!optionsEnded && argument.startsWith(QLatin1String("--"))) {
            pError = QStringLiteral("unknown option '%1'").arg(argument);
            return false;
        } else if (pInvocation.mCommand.isEmpty()) {
            pInvocation.mCommand = argument;
        } else {
            // Values such as "-1" are arguments, not options.
            pInvocation.mArguments.append(argument);
        }
    }
    return true;
}

// What a stored value looks like to the user; INI lists come back as QStringList.
QString displayText(const QVariant& pValue)
{
    if (pValue.userType() == QMetaType::QStringList)
        return pValue.toStringList().join(QLatin1Char(','));
    return pValue.toString();
}

class Store
{
public:
    // Opens the INI file; when it is missing, it is created on the first write, unless
    // pMustExist.
    bool open(const QString& pPath, bool pMustExist, QString& pError)
    {
        const QFileInfo info(pPath);
        if (info.exists()) {
            QFile file(pPath);
            if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
                pError = QStringLiteral("cannot read the settings file \"%1\"").arg(pPath);
                return false;
            }
        } else if (pMustExist) {
            pError = QStringLiteral("the settings file \"%1\" does not exist").arg(pPath);
            return false;
        }
        mSettings = std::make_unique<QSettings>(pPath, QSettings::IniFormat);
        if (mSettings->status() != QSettings::NoError) {
            pError = QStringLiteral("cannot read the settings file \"%1\"").arg(pPath);
            return false;
        }
        return true;
    }

    // QSettings keeps write failures to itself; the tool must not report them as success.
    bool save(QString& pError)
    {
        mSettings->sync();
        return written(pError);
    }

    bool written(QString& pError) const
    {
        if (mSettings->status() == QSettings::NoError)
            return true;
        pError =
            QStringLiteral("cannot write the settings file \"%1\"").arg(mSettings->fileName());
        return false;
    }

    QSettings& settings() { return *mSettings; }

private:
    std::unique_ptr<QSettings> mSettings;
};

bool isRegistered(const QString& pKey)
{
    const ZelControlCenter::SettingsMap& table = ZelControlCenter::GetDefaultSettingsValues();
    return table.find(pKey) != table.end();
}

int unknownKey(const QString& pKey)
{
    return fail(kUsageError, QStringLiteral("unknown key \"%1\"").arg(pKey));
}

int list()
{
    for (const auto& entry : ZelControlCenter::GetDefaultSettingsValues()) {
        print(stdout, entry.first + QLatin1Char('\t') + entry.second.first + QLatin1Char('\t')
                          + ZelControlCenter::GetValidatorName(entry.second.second)
                          + QLatin1Char('\n'));
    }
    return kSuccess;
}

struct Snapshot
{
    QVariant mValue;
    bool mPresent = false;
};

// The key at which the check stopped: its validator is the first to refuse the value that
// the store held.
QString failingKey(const std::vector<Snapshot>& pBefore)
{
    std::size_t index = 0;
    for (const auto& entry : ZelControlCenter::GetDefaultSettingsValues()) {
        const Snapshot& before = pBefore.at(index++);
        QString value = before.mPresent ? before.mValue.toString() : entry.second.first;
        QString message;
        if (!entry.second.second(entry.first, entry.second.first, value, message))
            return entry.first;
    }
    return QString();
}

int check(Store& pStore)
{
    QSettings& settings = pStore.settings();
    const ZelControlCenter::SettingsMap& table = ZelControlCenter::GetDefaultSettingsValues();
    std::vector<Snapshot> before;
    before.reserve(table.size());
    for (const auto& entry : table) {
        Snapshot snapshot;
        snapshot.mValue = settings.value(entry.first);
        snapshot.mPresent = snapshot.mValue.isValid() || settings.contains(entry.first);
        before.push_back(snapshot);
    }

    QString message;
    if (!ZelControlCenter::EnsureSettings(settings, message)) {
        const QString key = failingKey(before);
        if (message.isEmpty())
            message = QStringLiteral("the value of \"%1\" cannot be used").arg(key);
        return fail(kRejected, QStringLiteral("check failed at \"%1\": %2").arg(key, message));
    }
    QString error;
    if (!pStore.written(error))
        return fail(kUsageError, error);

    std::size_t index = 0;
    for (const auto& entry : table) {
        const Snapshot& old = before.at(index++);
        const QString value = settings.value(entry.first).toString();
        QString line;
        if (!old.mPresent)
            line = QStringLiteral("filled\t%1\t%2").arg(entry.first, value);
        else if (old.mValue.userType() == QMetaType::QString && old.mValue.toString() == value)
            line = QStringLiteral("kept\t%1\t%2").arg(entry.first, value);
        else
            line = QStringLiteral("repaired\t%1\t%2\t%3")
                       .arg(entry.first, displayText(old.mValue), value);
        print(stdout, line + QLatin1Char('\n'));
    }
    return kSuccess;
}

int get(Store& pStore, const QString& pKey)
{
    QSettings& settings = pStore.settings();
    if (!settings.contains(pKey)) {
        if (!isRegistered(pKey))
            return unknownKey(pKey);
        return fail(kRejected, QStringLiteral("\"%1\" is not stored in \"%2\"")
                                   .arg(pKey, settings.fileName()));
    }
    print(stdout, displayText(settings.value(pKey)) + QLatin1Char('\n'));
    return kSuccess;
}

int set(Store& pStore, const QString& pKey, const QString& pValue)
{
    const auto entry = ZelControlCenter::GetDefaultSettingsValues().find(pKey);
    QString value = pValue;
    QString message;
    if (!entry->second.second(pKey, entry->second.first, value, message)) {
        if (message.isEmpty())
            message = QStringLiteral("\"%1\" is not a valid value for \"%2\"").arg(pValue, pKey);
        return fail(kRejected, message);
    }
    pStore.settings().setValue(pKey, value);
    QString error;
    if (!pStore.save(error))
        return fail(kUsageError, error);
    print(stdout, value + QLatin1Char('\n'));
    return kSuccess;
}

int reset(Store& pStore, const QStringList& pKeys)
{
    for (const QString& key : pKeys)
        pStore.settings().setValue(key, ZelControlCenter::GetDefaultSettingsValue(key));
    QString error;
    if (!pStore.save(error))
        return fail(kUsageError, error);
    return kSuccess;
}

struct Command
{
    const char* mName;
    int mMinArguments;
    int mMaxArguments;
};

const Command kCommands[] = {
    {"list", 0, 0}, {"check", 0, 0}, {"get", 1, 1}, {"set", 2, 2}, {"reset", 0, 1}};

int run(const Invocation& pInvocation)
{
    const QString& command = pInvocation.mCommand;
    const QStringList& arguments = pInvocation.mArguments;
    if (command.isEmpty())
        return usageError(QStringLiteral("no command given"));

    const Command* known = nullptr;
    for (const Command& candidate : kCommands) {
        if (command == QLatin1String(candidate.mName))
            known = &candidate;
    }
    if (!known)
        return usageError(QStringLiteral("unknown command '%1'").arg(command));
    if (arguments.size() < known->mMinArguments || arguments.size() > known->mMaxArguments)
        return usageError(QStringLiteral("wrong number of arguments for '%1'").arg(command));
    if (command == QLatin1String("list") && pInvocation.mHasStore)
        return usageError(QStringLiteral("'list' does not read a store"));

    ZelControlCenter::InitDefaultSettingsValues();
    if (command == QLatin1String("list"))
        return list();

    // Keys are checked before the store is opened, so a typo never creates a file.
    const QString key = arguments.value(0);
    const bool writesKey = command == QLatin1String("set") || command == QLatin1String("reset");
    if (writesKey && !arguments.isEmpty() && !isRegistered(key))
        return unknownKey(key);

    const QString path = pInvocation.mHasStore
        ? pInvocation.mStore
        : QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Vantora"),
                    QStringLiteral("Vantora"))
              .fileName();
    Store store;
    QString error;
    if (!store.open(path, command == QLatin1String("get"), error))
        return fail(kUsageError, error);

    if (command == QLatin1String("check"))
        return check(store);
    if (command == QLatin1String("get"))
        return get(store, key);
    if (command == QLatin1String("set"))
        return set(store, key, arguments.at(1));

    QStringList keys;
    if (arguments.isEmpty()) {
        for (const auto& entry : ZelControlCenter::GetDefaultSettingsValues())
            keys.append(entry.first);
    } else {
        keys.append(key);
    }
    return reset(store, keys);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    // The folder defaults follow the application's names; they must be the viewer's.
    QCoreApplication::setOrganizationName(QStringLiteral("Vantora"));
    QCoreApplication::setApplicationName(QStringLiteral("Vantora"));

    // Taken as UTF-8 whatever the locale, like the values that the store holds.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromUtf8(argv[i]));

    Invocation invocation;
    QString error;
    if (!parse(arguments, invocation, error))
        return usageError(error);
    if (invocation.mHelp) {
        print(stdout, QString::fromLatin1(kUsage));
        return kSuccess;
    }
    return run(invocation);
}
