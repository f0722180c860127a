#pragma once

#include <QElapsedTimer>
#include <QEvent>
#include <QObject>
#include <QString>

#include <functional>
#include <map>
#include <utility>
#include <vector>

class QWidget;

// One clock for the whole run, in nanoseconds since it started.
qint64 Now();

// Processes events until pCondition holds: false when it did not within pTimeoutMs.
bool PumpUntil(const std::function<bool()>& pCondition, int pTimeoutMs = 10000);

// Watches one kind of event on one widget: how often it came, and when the event loop was
// next free after its first coming (the end of the work that the event started, such as
// a paint of the whole window).
class EventProbe : public QObject
{
public:
    EventProbe(QWidget* pWidget, QEvent::Type pType);

    void reset();
    int count() const { return mCount; }
    qint64 firstAt() const { return mFirstAt; }
    bool isDone() const { return mDoneAt >= 0; }
    qint64 doneAt() const { return mDoneAt; }

protected:
    bool eventFilter(QObject* pObject, QEvent* pEvent) override;

private:
    QEvent::Type mType;
    int mCount = 0;
    qint64 mFirstAt = -1;
    qint64 mDoneAt = -1;
};

// The steps of one measured run, each from the end of the one before.
class Laps
{
public:
    void start()
    {
        mSteps.clear();
        mLast = mStart = Now();
    }
    void lap(const QString& pStep) { lapAt(pStep, Now()); }
    void lapAt(const QString& pStep, qint64 pAt);
    double totalMs() const { return (mLast - mStart) / 1e6; }
    const std::vector<std::pair<QString, double>>& steps() const { return mSteps; }

private:
    qint64 mStart = 0;
    qint64 mLast = 0;
    std::vector<std::pair<QString, double>> mSteps;
};

// One measured thing over the rounds: its totals and its steps, reported as medians.
class Measure
{
public:
    explicit Measure(QString pTitle) : mTitle(std::move(pTitle)) {}

    void add(const Laps& pLaps);
    void add(double pMs) { mTotals.push_back(pMs); }
    double median() const { return Median(mTotals); }
    const QString& title() const { return mTitle; }
    // Every step's median, one line each, in the order of the first run.
    void printSteps() const;

    static double Median(std::vector<double> pValues);

private:
    QString mTitle;
    std::vector<double> mTotals;
    std::vector<QString> mOrder;
    std::map<QString, std::vector<double>> mSteps;
};
