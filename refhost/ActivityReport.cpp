#include "ActivityReport.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace zel {

namespace {

// UTC, so that reports from different machines compare without knowing their zones.
QString isoTime(const QDateTime& pTime)
{
    return pTime.toUTC().toString(Qt::ISODateWithMs);
}

} // namespace

ActivityReport::ActivityReport()
    : mSessionStart(QDateTime::currentDateTimeUtc())
{
}

void ActivityReport::addEvent(const QString& pKind, const QString& pDetail)
{
    mEvents.append(Event{QDateTime::currentDateTimeUtc(), pKind, pDetail});
}

void ActivityReport::clear()
{
    mEvents.clear();
}

std::string ActivityReport::toJson() const
{
    QJsonArray events;
    for (const Event& event : mEvents) {
        QJsonObject entry;
        entry.insert(QStringLiteral("time"), isoTime(event.time));
        entry.insert(QStringLiteral("kind"), event.kind);
        entry.insert(QStringLiteral("detail"), event.detail);
        events.append(entry);
    }

    QJsonObject report;
    report.insert(QStringLiteral("sessionStart"), isoTime(mSessionStart));
    report.insert(QStringLiteral("application"), QCoreApplication::applicationName());
    report.insert(QStringLiteral("version"), QCoreApplication::applicationVersion());
    report.insert(QStringLiteral("eventCount"), static_cast<int>(mEvents.size()));
    report.insert(QStringLiteral("events"), events);
    return QJsonDocument(report).toJson(QJsonDocument::Indented).toStdString();
}

} // namespace zel
