#include "ActivityReport.h"

#include <QtTest>

using zel::ActivityReport;

namespace {
QJsonObject parse(const ActivityReport& pReport)
{
    QJsonParseError error;
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray::fromStdString(pReport.toJson()), &error);
    if (error.error != QJsonParseError::NoError)
        qWarning() << error.errorString();
    return document.object();
}
} // namespace

class tst_ActivityReport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setApplicationName(QStringLiteral("ReportTest"));
        QCoreApplication::setApplicationVersion(QStringLiteral("3.2.1"));
    }

    void emptyReport()
    {
        const QJsonObject report = parse(ActivityReport());
        QVERIFY(!report.isEmpty());
        QCOMPARE(report.value("application").toString(), QStringLiteral("ReportTest"));
        QCOMPARE(report.value("version").toString(), QStringLiteral("3.2.1"));
        QCOMPARE(report.value("eventCount").toInt(), 0);
        QVERIFY(report.value("events").isArray());
        QVERIFY(report.value("events").toArray().isEmpty());
    }

    void eventsParseBack()
    {
        ActivityReport report;
        report.addEvent(QStringLiteral("action"), QStringLiteral("open"));
        report.addEvent(QStringLiteral("settings"), QString::fromUtf8("unité \"cm\""));
        QCOMPARE(report.eventCount(), 2);

        const QJsonObject json = parse(report);
        QCOMPARE(json.value("eventCount").toInt(), 2);
        const QDateTime start =
            QDateTime::fromString(json.value("sessionStart").toString(), Qt::ISODateWithMs);
        QVERIFY(start.isValid());

        const QJsonArray events = json.value("events").toArray();
        QCOMPARE(events.size(), 2);
        const QJsonObject second = events.at(1).toObject();
        QCOMPARE(second.value("kind").toString(), QStringLiteral("settings"));
        QCOMPARE(second.value("detail").toString(), QString::fromUtf8("unité \"cm\""));
        const QDateTime time =
            QDateTime::fromString(second.value("time").toString(), Qt::ISODateWithMs);
        QVERIFY(time.isValid());
        QVERIFY(time >= start);

        report.clear();
        QCOMPARE(parse(report).value("eventCount").toInt(), 0);
    }
};

QTEST_MAIN(tst_ActivityReport)
#include "tst_ActivityReport.moc"
