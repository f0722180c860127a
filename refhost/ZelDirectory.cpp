#include "ZelDirectory.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace zel {

namespace {

std::string folder(QStandardPaths::StandardLocation pLocation)
{
    // cleanPath turns backslashes into slashes and drops a trailing slash (but keeps a root).
    return QDir::cleanPath(QStandardPaths::writableLocation(pLocation)).toStdString();
}

} // namespace

std::string ZelDirectory::GetAppDataFolder()
{
    return folder(QStandardPaths::AppDataLocation);
}

std::string ZelDirectory::GetTmpFolder()
{
    return folder(QStandardPaths::TempLocation);
}

std::string ZelDirectory::GetHomeDocumentFolder()
{
    return folder(QStandardPaths::DocumentsLocation);
}

std::string ZelDirectory::GetApplicationName()
{
    return QCoreApplication::applicationName().toStdString();
}

} // namespace zel
