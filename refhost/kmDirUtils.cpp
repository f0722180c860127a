#include "kmDirUtils.h"

#include <QDir>
#include <QFileInfo>

namespace km {

std::string kmDirUtils::ExtractFolder(const std::string& pFilePath)
{
    const std::size_t separator = pFilePath.find_last_of("/\\");
    if (separator == std::string::npos)
        return std::string();
    // A file right under the root keeps the root as its folder, not "".
    if (separator == 0)
        return pFilePath.substr(0, 1);
    return pFilePath.substr(0, separator);
}

bool kmDirUtils::DirExistsUtf8(const std::string& pFolder)
{
    if (pFolder.empty())
        return false;
    return QFileInfo(QString::fromStdString(pFolder)).isDir();
}

bool kmDirUtils::MkpathUtf8(const std::string& pFolder)
{
    if (pFolder.empty())
        return false;
    const QString folder = QString::fromStdString(pFolder);
    QDir().mkpath(folder);
    // mkpath says true for an existing path even when a plain file sits there.
    return QFileInfo(folder).isDir();
}

} // namespace km
