#pragma once

#include <QString>

namespace zel {

// Log file location of the general panel.
struct FolderModel
{
    QString logFile;

    bool operator!=(const FolderModel& pOther) const { return logFile != pOther.logFile; }
};

} // namespace zel
