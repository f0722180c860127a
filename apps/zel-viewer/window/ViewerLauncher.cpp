#include "ViewerLauncher.h"

#include "RepairNotice.h"
#include "StartupCheck.h"
#include "ViewerWindow.h"
#include "ZelTranslator.h"
#include "kmDMIApplication.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTextStream>

#include <initializer_list>
#include <memory>
#include <optional>

namespace {

const char kStyleSheet[] = ":/css/ViewerApp/resources/css/figura.css";
const char kCatalogue[] = ":/i18n/zel-viewer";
// The viewer's options; the texts of the command line are translated in its name.
struct ViewerOptions
{
    Q_DECLARE_TR_FUNCTIONS(ViewerOptions)

public:
    QString settings;
    QString tour;
};

// Whether the raw command line holds one of the options, alone or as NAME=VALUE. Read
// before the application exists, which takes Qt's own options out of the command line.
bool hasArgument(int pArgc, char** pArgv, std::initializer_list<const char*> pNames)
{
    for (int i = 1; i < pArgc; ++i) {
        const QByteArray argument(pArgv[i]);
        if (argument == "--")
            return false;
        for (const char* name : pNames) {
            if (argument == name || argument.startsWith(QByteArray(name) + '='))
                return true;
        }
    }
    return false;
}

// The value of an option given as NAME VALUE or NAME=VALUE in what Qt left of the command
// line; read before the parser, whose texts come in the language that it names.
QString argumentValue(const QStringList& pArguments, std::initializer_list<const char*> pNames)
{
    QString value;
    for (int i = 1; i < pArguments.size(); ++i) {
        if (pArguments[i] == QLatin1String("--"))
            break;
        for (const char* name : pNames) {
            const QString option = QLatin1String(name);
            if (pArguments[i] == option && i + 1 < pArguments.size())
                value = pArguments[i + 1];
            else if (pArguments[i].startsWith(option + QLatin1Char('=')))
                value = pArguments[i].mid(option.size() + 1);
        }
    }
    return value;
}

// The language of the texts and the numbers: the one asked for, else the system's. False
// for a code that names no language.
bool chooseLanguage(const QString& pCode)
{
    const QLocale locale = pCode.isEmpty() ? QLocale::system() : QLocale(pCode);
    if (!pCode.isEmpty() && locale.language() == QLocale::C && pCode != QLatin1String("C"))
        return false;
    QLocale::setDefault(locale);
    zel::ZelTranslator::Install(locale, {QString::fromLatin1(kCatalogue)});
    return true;
}

// Reads what Qt left of the command line. Gives the exit status when the viewer stops
// here: 0 after the help, 2 on bad usage. The tour's program alone takes --tour, and needs it.
std::optional<int> parse(ViewerOptions& pOptions, bool pTour)
{
    QCommandLineParser parser;
    // Qt's own options are single-dash words, so ours read the same way.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(ViewerOptions::tr(
        "The demo viewer: a 3D view, its control center and its settings.\n"
        "Qt's standard options are accepted as well, among them -style NAME, -reverse,\n"
        "-platform NAME and -qwindowgeometry WIDTHxHEIGHT+X+Y."));
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("help-all")},
        ViewerOptions::tr("Displays this help."));
    const QCommandLineOption settings(
        QStringLiteral("settings"),
        ViewerOptions::tr("The INI settings store to use instead of the viewer's own."),
        ViewerOptions::tr("FILE"));
    const QCommandLineOption tour(
        QStringLiteral("tour"),
        ViewerOptions::tr("Goes through the main flows without a display, saving numbered "
                          "screenshots and one export of each kind into DIR; exits 0 only "
                          "when every step did what it should."),
        ViewerOptions::tr("DIR"));
    const QCommandLineOption language(
        QStringLiteral("lang"),
        ViewerOptions::tr("The language of the texts and numbers, such as fr or en_GB, "
                          "instead of the system's. Translations: %1.")
            .arg(zel::ZelTranslator::AvailableLanguages().join(QStringLiteral(", "))),
        ViewerOptions::tr("CODE"));
    parser.addOptions({help, settings, language});
    if (pTour)
        parser.addOption(tour);

    QString error;
    if (!parser.parse(QCoreApplication::arguments()))
        error = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        error = ViewerOptions::tr("Unexpected argument '%1'.").arg(parser.positionalArguments()[0]);
    else if (!chooseLanguage(parser.value(language)))
        error = ViewerOptions::tr("Unknown language '%1'.").arg(parser.value(language));
    else if (pTour && !parser.isSet(help) && parser.value(tour).isEmpty())
        error = ViewerOptions::tr("The tour needs --tour DIR.");
    if (!error.isEmpty()) {
        QTextStream(stderr) << error << "\n\n" << parser.helpText();
        return 2;
    }
    if (parser.isSet(help)) {
        QTextStream(stdout) << parser.helpText();
        return 0;
    }
    pOptions.settings = parser.value(settings);
    if (pTour)
        pOptions.tour = parser.value(tour);
    return std::nullopt;
}

// The offscreen platform tells of every window hint that it cannot honour; the tour's
// own report is what matters there.
void quietOffscreen(QtMsgType pType, const QMessageLogContext& pContext, const QString& pText)
{
    if (pText.contains(QLatin1String("propagateSizeHints")))
        return;
    QTextStream(stderr) << qFormatLogMessage(pType, pContext, pText) << '\n';
}

} // namespace

// The catalogues are embedded in a static library: only a call keeps them in the program.
// The resource's functions live in the global namespace.
static void InitCatalogues()
{
    Q_INIT_RESOURCE(ZelViewerTranslations);
}

namespace zel {

int ViewerLauncher::Run(int pArgc, char** pArgv, const Tour* pTour)
{
    InitCatalogues();
    // The tour and the help run without a display; a style that the user names wins.
    const bool headless = pTour || hasArgument(pArgc, pArgv, {"-h", "--help", "--help-all"});
    if (headless && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const bool styleNamed = hasArgument(pArgc, pArgv, {"-style", "--style"})
        || !qEnvironmentVariableIsEmpty("QT_STYLE_OVERRIDE");

    QApplication application(pArgc, pArgv);
    // Before the parser, so that its help and messages are in that language.
    chooseLanguage(argumentValue(QCoreApplication::arguments(), {"--lang", "-lang"}));
    ViewerOptions options;
    if (const std::optional<int> status = parse(options, pTour != nullptr))
        return *status;
    const bool tour = !options.tour.isEmpty();
    if (tour) {
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        qInstallMessageHandler(quietOffscreen);
    }

    QApplication::setOrganizationName(QStringLiteral("Vantora"));
    QApplication::setApplicationName(QStringLiteral("Vantora"));
    if (!styleNamed)
        QApplication::setStyle(QStringLiteral("Fusion"));
    QFile sheet(QString::fromLatin1(kStyleSheet));
    if (sheet.open(QIODevice::ReadOnly))
        application.setStyleSheet(QString::fromUtf8(sheet.readAll()));

    if (tour) {
        if (!QDir().mkpath(options.tour)) {
            QTextStream(stderr) << ViewerOptions::tr("Cannot create %1").arg(options.tour)
                                << '\n';
            return 1;
        }
        options.tour = QDir(options.tour).absolutePath();
        const QString store = pTour->mPrepare(options.tour);
        if (options.settings.isEmpty())
            options.settings = store;
    }
    std::unique_ptr<QSettings> settings =
        options.settings.isEmpty()
        ? std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                      QStringLiteral("Vantora"), QStringLiteral("Vantora"))
        : std::make_unique<QSettings>(options.settings, QSettings::IniFormat);

    // Start-up: the defaults, then the check of the store, which fills and repairs it.
    const bool ask = !tour && QGuiApplication::platformName() != QLatin1String("offscreen");
    StartupCheck::Outcome checked;
    if (!StartupCheck::Run(settings, ask, nullptr, &checked))
        return 1;

    kmDMIApplication host;
    host.setSettings(settings.get());
    ViewerWindow window(&host, *settings);
    ViewerWindow::ApplyStoredSettings(host, *settings);

    if (tour)
        return pTour->mRun(window, host, *settings, options.tour);
    if (checked.mDamagedCopy.isEmpty() && checked.mNotSaved.isEmpty()) {
        window.tellRepairs(checked.mResults);
    } else {
        auto* notice =
            new RepairNotice(RepairNotice::ToTell(checked.mResults), window.statusBar());
        notice->setDamagedCopy(checked.mDamagedCopy);
        notice->setNotSaved(checked.mNotSaved);
        window.statusBar()->insertPermanentWidget(0, notice);
    }
    // No larger than the screen's available area, as on a laptop or at a high scale factor;
    // -qwindowgeometry still has the last word.
    window.resize(window.size().boundedTo(window.screen()->availableGeometry().size()));
    window.show();
    return application.exec();
}

} // namespace zel
