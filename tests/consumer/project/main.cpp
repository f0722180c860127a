// A host's first use of the installed library: register the defaults and look one up.
#include <ZelControlCenter.h>

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    zel::ZelControlCenter::InitDefaultSettingsValues();
    const QString unit = zel::ZelControlCenter::GetDefaultSettingsValue("units/name");
    const bool sheet = QFile::exists(":/css/ViewerApp/resources/css/figura.css");
    std::printf("units/name default: %s, style sheet embedded: %s\n", qPrintable(unit),
                sheet ? "yes" : "no");
    return unit == "mm" && sheet ? 0 : 1;
}
