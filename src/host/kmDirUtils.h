#pragma once

#include "kmHostExport.h"

#include <string>

namespace km {

// Folder helpers on UTF-8 paths.
class KM_HOST_EXPORT kmDirUtils
{
public:
    // The folder part of a file path, without the trailing separator; "" when none.
    static std::string ExtractFolder(const std::string& pFilePath);
    static bool DirExistsUtf8(const std::string& pFolder);
    // Creates the folder with all missing parents; true when it exists afterwards.
    static bool MkpathUtf8(const std::string& pFolder);
};

} // namespace km
