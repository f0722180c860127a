// zelsettings: lists, checks, reads and writes a viewer's settings through the registry.

#include "SettingsTool.h"
#include "ViewerSettings.h"
#include "ZelControlCenterVersion.h"
#include "ZelSettingsRegistry.h"
#include "ZelTranslator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>

#include <cstdio>

using zel::SettingsTool;

namespace {

const char kDescription[] = QT_TRANSLATE_NOOP(
    "SettingsTool",
    "Prepares or repairs a viewer's settings, as its start-up check does.\n"
    "\n"
    "Commands:\n"
    "  list                every registered key, its default and what it accepts, in check\n"
    "                      order; with --store, also the stored value\n"
    "  check               fill and repair the store as the viewer does at start-up; one line\n"
    "                      per key: kept, filled or repaired (old, new value)\n"
    "  check --recover     the same; a damaged store is first kept as a copy beside it\n"
    "                      (told on a line \"damaged\" before the others) and rewritten from\n"
    "                      the settings that can still be read\n"
    "  get KEY             the stored value of KEY\n"
    "  set KEY VALUE       store VALUE when the check would keep it; otherwise store nothing\n"
    "                      and tell what the check would store\n"
    "  reset [KEY]         the default of KEY, or of every registered key, as the check\n"
    "                      keeps it\n"
    "\n"
    "Exit status: 0 success; 1 the check failed, a value was refused, a key is not stored or\n"
    "another program was changing the store; 2 bad usage, an unknown key, or a file that\n"
    "cannot be read or written.");


struct Command
{
    const char* mName;
    int mMinArguments;
    int mMaxArguments;
};

const Command kCommands[] = {
    {"list", 0, 0}, {"check", 0, 0}, {"get", 1, 1}, {"set", 2, 2}, {"reset", 0, 1}};

int usageError(const QString& pMessage)
{
    SettingsTool::Fail(SettingsTool::UsageError, pMessage);
    std::fputs(SettingsTool::tr("Try 'zelsettings --help'.\n").toUtf8().constData(), stderr);
    return SettingsTool::UsageError;
}

// Values such as "-5" are arguments, not options: they are hidden from the parser.
const QChar kHidden(0xE000);

QStringList hideNumbers(const QStringList& pArguments)
{
    static const QRegularExpression number(QStringLiteral("^-[0-9.]"));
    QStringList arguments;
    for (const QString& argument : pArguments)
        arguments.append(argument.contains(number) ? kHidden + argument : argument);
    return arguments;
}

QStringList shownNumbers(QStringList pArguments)
{
    for (QString& argument : pArguments) {
        if (argument.startsWith(kHidden))
            argument.remove(0, 1);
    }
    return pArguments;
}

// The tool speaks for itself on standard error; Qt's own notes would only get in the way of
// scripts that read it.
void onlyCritical(QtMsgType pType, const QMessageLogContext& pContext, const QString& pText)
{
    if (pType == QtCriticalMsg || pType == QtFatalMsg)
        std::fputs((qFormatLogMessage(pType, pContext, pText) + QLatin1Char('\n')).toUtf8(),
                   stderr);
}

} // namespace

int main(int argc, char** argv)
{
    qInstallMessageHandler(onlyCritical);
    // Values that are not plain text (serialized images or colours) are kept as the store
    // holds them and never built, so Qt Core is enough.
    QCoreApplication application(argc, argv);
    // The folder defaults follow the application's names; they must be the viewer's.
    QCoreApplication::setOrganizationName(QStringLiteral("Vantora"));
    QCoreApplication::setApplicationName(QStringLiteral("Vantora"));
    // Messages in the person's language; values, keys and the JSON listing stay as stored.
    zel::ZelTranslator::Install(QLocale::system(), {QStringLiteral(":/i18n/zelsettings")});

    QCommandLineParser parser;
    parser.setApplicationDescription(SettingsTool::tr(kDescription));
    parser.addPositionalArgument(QStringLiteral("command"),
                                 SettingsTool::tr("list, check, get, set or reset"));
    const QCommandLineOption store(
        QStringLiteral("store"),
        SettingsTool::tr("The INI settings file to work on (created when missing, except by "
                         "get and list); default: the viewer's own."),
        SettingsTool::tr("FILE"));
    const QCommandLineOption json(QStringLiteral("json"),
                                  SettingsTool::tr("list: one JSON array, for scripts."));
    const QCommandLineOption version(QStringLiteral("version"),
                                     SettingsTool::tr("The library's version."));
    const QCommandLineOption recover(
        QStringLiteral("recover"),
        SettingsTool::tr("check: keep a damaged store as a copy and start it again from the "
                         "settings that can be read."));
    parser.addOptions({store, json, version, recover});
    const QCommandLineOption help = parser.addHelpOption();

    // Taken as UTF-8 whatever the locale, like the values that the store holds.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromUtf8(argv[i]));
    if (!parser.parse(hideNumbers(arguments)))
        return usageError(parser.errorText());
    if (parser.isSet(help)) {
        std::fputs(parser.helpText().toUtf8().constData(), stdout);
        return SettingsTool::Success;
    }
    if (parser.isSet(version)) {
        using Version = ::ZelControlCenter::Version;
        SettingsTool::Print(
            QStringLiteral("zelsettings %1\nZelControlCenter %2\n")
                .arg(QLatin1String(Version::GetDescStringMajorMinorRelease()),
                     QLatin1String(Version::GetDescStringMajorMinorReleaseRevisionDate())));
        return SettingsTool::Success;
    }
    if (parser.values(store).size() > 1)
        return usageError(SettingsTool::tr("--store given twice"));
    if (parser.isSet(store) && parser.value(store).isEmpty())
        return usageError(SettingsTool::tr("--store needs a file"));

    QStringList words = shownNumbers(parser.positionalArguments());
    if (words.isEmpty())
        return usageError(SettingsTool::tr("no command given"));
    const QString command = words.takeFirst();
    const Command* known = nullptr;
    for (const Command& candidate : kCommands) {
        if (command == QLatin1String(candidate.mName))
            known = &candidate;
    }
    if (!known)
        return usageError(SettingsTool::tr("unknown command '%1'").arg(command));
    if (words.size() < known->mMinArguments || words.size() > known->mMaxArguments)
        return usageError(SettingsTool::tr("wrong number of arguments for '%1'").arg(command));
    if (parser.isSet(json) && command != QLatin1String("list"))
        return usageError(SettingsTool::tr("--json is for 'list' only"));
    if (parser.isSet(recover) && command != QLatin1String("check"))
        return usageError(SettingsTool::tr("--recover is for 'check' only"));

    zel::ViewerSettings::Register();
    // The tool runs beside the viewer but without its application object, which alone knows
    // a store package: the defaults are those of an ordinary installation.
    zel::ZelSettingsRegistry::InitDefaultSettingsValues(false);
    SettingsTool tool(parser.value(store));
    if (command == QLatin1String("list"))
        return tool.list(parser.isSet(store), parser.isSet(json));
    if (command == QLatin1String("check"))
        return tool.check(parser.isSet(recover));
    if (command == QLatin1String("get"))
        return tool.get(words.at(0));
    if (command == QLatin1String("set"))
        return tool.set(words.at(0), words.at(1));
    return tool.reset(words);
}
