#pragma once

#include "kmHostExport.h"

#include <QDateTime>
#include <QString>
#include <QVector>

#include <string>

namespace zel {

// What the user did in this session, for the usage-data report.
class KM_HOST_EXPORT ActivityReport
{
public:
    ActivityReport();

    // pKind names the event family ("action", "settings"), pDetail what happened.
    void addEvent(const QString& pKind, const QString& pDetail);
    int eventCount() const { return mEvents.size(); }
    void clear();

    // The whole report as UTF-8 JSON text.
    std::string toJson() const;

private:
    struct Event
    {
        QDateTime time;
        QString kind;
        QString detail;
    };

    QDateTime mSessionStart;
    QVector<Event> mEvents;
};

} // namespace zel
