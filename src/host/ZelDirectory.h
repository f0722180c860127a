#pragma once

#include "kmHostExport.h"

#include <string>

namespace zel {

// Folders of the viewer, as UTF-8 paths with forward slashes and no trailing slash.
class KM_HOST_EXPORT ZelDirectory
{
public:
    static std::string GetAppDataFolder();
    static std::string GetTmpFolder();
    static std::string GetHomeDocumentFolder();
    static std::string GetApplicationName();
};

} // namespace zel
