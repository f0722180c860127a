// A program without a display: the installed settings core alone, Qt Core only. It registers
// the defaults, runs the check over a store with a value to repair and reads the result.
#include <ZelSettingsRegistry.h>

#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char** argv)
{
    // The check creates the folders that the defaults name: all of them in a folder of ours.
    QTemporaryDir dir;
    qputenv("HOME", dir.path().toUtf8());
    qunsetenv("XDG_CONFIG_HOME");
    qunsetenv("XDG_DATA_HOME");
    QCoreApplication app(argc, argv);
    const QString path = dir.filePath("settings.ini");
    {
        QSettings store(path, QSettings::IniFormat);
        store.setValue("units/nbDecimals", "11");
    }
    zel::ZelSettingsRegistry::InitDefaultSettingsValues(false);
    QSettings settings(path, QSettings::IniFormat);
    QString error;
    const bool checked = zel::ZelSettingsRegistry::EnsureSettings(settings, error);

    const QSettings reread(path, QSettings::IniFormat);
    const QString decimals = reread.value("units/nbDecimals").toString();
    const int keys = int(reread.allKeys().size());
    std::printf("check: %s, units/nbDecimals repaired to %s, %d keys stored%s%s\n",
                checked ? "passed" : "failed", qPrintable(decimals), keys,
                error.isEmpty() ? "" : ": ", qPrintable(error));
    const int registered = int(zel::ZelSettingsRegistry::GetDefaultSettingsValues().size());
    return checked && decimals == "2" && keys == registered ? 0 : 1;
}
