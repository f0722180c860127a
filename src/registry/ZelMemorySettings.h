#pragma once

#include "zelCoreExport.h"

#include <QSettings>
#include <QString>

#include <memory>
#include <utility>
#include <vector>

namespace zel {

// A settings store kept in memory for one run, for a store file that cannot be written: it
// reads the file as it is and lays the given values over it, and whatever is set later stays
// in memory as well. Nothing that it holds is ever written to the file.
//
// It shares QSettings' cache of the file with every other QSettings object on the same file,
// pending changes included: destroy those before opening it, and open no other one while it
// lives.
class ZEL_CORE_EXPORT ZelMemorySettings
{
public:
    using Values = std::vector<std::pair<QString, QString>>;

    static std::unique_ptr<QSettings> Open(const QString& pStorePath, const Values& pValues);
    static bool IsMemoryStore(const QSettings& pSettings);

private:
    static QSettings::Format Format();
};

} // namespace zel
