#include "ZelMemorySettings.h"

#include "ZelSettingsFile.h"

#include <QIODevice>

namespace zel {

namespace {

bool readStore(QIODevice& pDevice, QSettings::SettingsMap& pMap)
{
    const ZelSettingsFile file(pDevice.readAll());
    for (const auto& value : file.readableValues())
        pMap.insert(value.first, value.second);
    return true;
}

// Refused, so that QSettings drops the file that it was about to put in place of the store
// and keeps the values as changes still to be written.
bool refuseWriting(QIODevice&, const QSettings::SettingsMap&)
{
    return false;
}

} // namespace

QSettings::Format ZelMemorySettings::Format()
{
    static const QSettings::Format format =
        QSettings::registerFormat(QStringLiteral("ini"), &readStore, &refuseWriting);
    return format;
}

std::unique_ptr<QSettings> ZelMemorySettings::Open(const QString& pStorePath,
                                                   const Values& pValues)
{
    auto settings = std::make_unique<QSettings>(pStorePath, Format());
    for (const auto& value : pValues)
        settings->setValue(value.first, value.second);
    return settings;
}

bool ZelMemorySettings::IsMemoryStore(const QSettings& pSettings)
{
    return pSettings.format() == Format();
}

} // namespace zel
