// A host's first use of the installed library: register the defaults, look one up, and
// put a panel of the library into the settings dialog with the host's application object.
#include <SettingsDialog.h>
#include <ZelControlCenter.h>
#include <ZelPrivacySettingsPanel.h>
#include <kmDMIApplication.h>

#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    zel::ZelControlCenter::InitDefaultSettingsValues();
    const QString unit = zel::ZelControlCenter::GetDefaultSettingsValue("units/name");
    const bool sheet = QFile::exists(":/css/ViewerApp/resources/css/figura.css");

    QTemporaryDir dir;
    QSettings settings(dir.filePath("settings.ini"), QSettings::IniFormat);
    zel::kmDMIApplication host;
    host.setSettings(&settings);
    zel::SettingsDialog dialog(&host);
    auto* panel = new zel::ZelPrivacySettingsPanel(&host, settings);
    dialog.registerSettingsPanel(panel);
    const bool hosted = dialog.isAncestorOf(panel);

    std::printf("units/name default: %s, style sheet embedded: %s, panel '%s' hosted: %s\n",
                qPrintable(unit), sheet ? "yes" : "no", qPrintable(panel->getPanelName()),
                hosted ? "yes" : "no");
    return unit == "mm" && sheet && hosted && !panel->getPanelName().isEmpty() ? 0 : 1;
}
