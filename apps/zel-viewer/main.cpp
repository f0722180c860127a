#include "ViewerTour.h"
#include "ViewerWindow.h"
#include "ZelControlCenter.h"
#include "kmDMIApplication.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QSettings>
#include <QStringList>
#include <QTextStream>

#include <memory>

namespace {

const char kStyleSheet[] = ":/css/ViewerApp/resources/css/figura.css";
const char kUsage[] =
    "Usage: zel-viewer [--settings FILE] [--tour DIR]\n"
    "  --settings FILE  the INI settings store to use instead of the viewer's own\n"
    "  --tour DIR       go through the main flows without a display, saving numbered\n"
    "                   screenshots and one export of each kind into DIR; exits 0 only\n"
    "                   when every step did what it should\n";

struct Options
{
    QString settings;
    QString tour;
    bool help = false;
};

// Read before the application exists: the tour chooses the platform.
bool parse(int pArgc, char** pArgv, Options& pOptions, QString& pError)
{
    for (int i = 1; i < pArgc; ++i) {
        const QString argument = QString::fromLocal8Bit(pArgv[i]);
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            pOptions.help = true;
        } else if (argument == QLatin1String("--tour")
                   || argument == QLatin1String("--settings")) {
            if (i + 1 >= pArgc) {
                pError = QStringLiteral("%1 needs a value").arg(argument);
                return false;
            }
            const QString value = QString::fromLocal8Bit(pArgv[++i]);
            (argument == QLatin1String("--tour") ? pOptions.tour : pOptions.settings) = value;
        } else if (!argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-style")
                   || argument == QLatin1String("-platform")) {
            // Qt's own options and their values are left to Qt.
            if (argument.startsWith(QLatin1Char('-')))
                ++i;
        } else {
            pError = QStringLiteral("unknown option %1").arg(argument);
            return false;
        }
    }
    return true;
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

int main(int pArgc, char** pArgv)
{
    Options options;
    QString error;
    if (!parse(pArgc, pArgv, options, error) || options.help) {
        QTextStream(options.help ? stdout : stderr)
            << (error.isEmpty() ? QString() : error + QLatin1Char('\n')) << kUsage;
        return options.help ? 0 : 2;
    }
    const bool tour = !options.tour.isEmpty();
    if (tour && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (tour) {
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        qInstallMessageHandler(quietOffscreen);
    }

    QApplication application(pArgc, pArgv);
    QApplication::setOrganizationName(QStringLiteral("Vantora"));
    QApplication::setApplicationName(QStringLiteral("Vantora"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    QFile sheet(QString::fromLatin1(kStyleSheet));
    if (sheet.open(QIODevice::ReadOnly))
        application.setStyleSheet(QString::fromUtf8(sheet.readAll()));

    if (tour) {
        if (!QDir().mkpath(options.tour)) {
            QTextStream(stderr) << "Cannot create " << options.tour << '\n';
            return 1;
        }
        options.tour = QDir(options.tour).absolutePath();
        zel::ViewerTour::ClearFolder(options.tour);
        if (options.settings.isEmpty())
            options.settings = zel::ViewerTour::StorePath(options.tour);
    }
    std::unique_ptr<QSettings> settings =
        options.settings.isEmpty()
        ? std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                      QStringLiteral("Vantora"), QStringLiteral("Vantora"))
        : std::make_unique<QSettings>(options.settings, QSettings::IniFormat);

    // Start-up: the defaults, then the check of the store, which fills and repairs it.
    zel::ViewerWindow::RegisterViewerSettings();
    zel::ZelControlCenter::InitDefaultSettingsValues();
    if (!zel::ZelControlCenter::EnsureSettings(*settings, error)) {
        // Some checks fail without a word; the user still has to learn what went wrong.
        if (error.isEmpty()) {
            error = QCoreApplication::translate("main", "The settings in %1 could not be checked")
                        .arg(QDir::toNativeSeparators(settings->fileName()));
        }
        if (tour || QGuiApplication::platformName() == QLatin1String("offscreen"))
            QTextStream(stderr) << error << '\n';
        else
            QMessageBox::critical(nullptr, QStringLiteral("Vantora"), error);
        return 1;
    }

    zel::kmDMIApplication host;
    host.setSettings(settings.get());
    zel::ViewerWindow window(&host, *settings);
    zel::ViewerWindow::ApplyStoredSettings(host, *settings);

    if (tour) {
        zel::ViewerTour viewerTour(window, host, *settings, options.tour);
        return viewerTour.run() ? 0 : 1;
    }
    window.show();
    return application.exec();
}
