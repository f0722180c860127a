#pragma once

#include <QEvent>
#include <QObject>
#include <QString>

#include <functional>
#include <map>
#include <utility>
#include <vector>

class QWidget;

// A moment on two clocks, in nanoseconds: the wall clock since the run started, and the
// processor time that this thread has used. On a busy machine the second one leaves out
// the time that other programs took the processor away, so its ratios hold better there.
struct Stamp
{
    qint64 mWall = -1;
    qint64 mCpu = -1;

    bool isValid() const { return mWall >= 0; }
};

// Milliseconds between two stamps, on each clock.
struct Span
{
    double mWall = 0.0;
    double mCpu = 0.0;

    static Span Between(const Stamp& pFrom, const Stamp& pTo);
    Span operator/(double pCount) const { return {mWall / pCount, mCpu / pCount}; }
};

Stamp Now();

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
    const Stamp& firstAt() const { return mFirstAt; }
    bool isDone() const { return mDoneAt.isValid(); }
    const Stamp& doneAt() const { return mDoneAt; }

protected:
    bool eventFilter(QObject* pObject, QEvent* pEvent) override;

private:
    QEvent::Type mType;
    int mCount = 0;
    Stamp mFirstAt;
    Stamp mDoneAt;
};

// The steps of one measured run, each from the end of the one before.
class Laps
{
public:
    void start();
    void lap(const QString& pStep) { lapAt(pStep, Now()); }
    void lapAt(const QString& pStep, const Stamp& pAt);
    Span total() const { return Span::Between(mStart, mLast); }
    const std::vector<std::pair<QString, Span>>& steps() const { return mSteps; }

private:
    Stamp mStart;
    Stamp mLast;
    std::vector<std::pair<QString, Span>> mSteps;
};

// One measured thing over the rounds: its totals and its steps, reported as medians.
class Measure
{
public:
    explicit Measure(QString pTitle) : mTitle(std::move(pTitle)) {}

    void add(const Laps& pLaps);
    void add(const Span& pSpan);
    bool isEmpty() const { return mWall.empty(); }
    Span median() const { return {Median(mWall), Median(mCpu)}; }
    const QString& title() const { return mTitle; }
    // The medians of the total and of every step, one line each, in the order of the
    // first run.
    void printSteps() const;

    static double Median(std::vector<double> pValues);

private:
    QString mTitle;
    std::vector<double> mWall;
    std::vector<double> mCpu;
    std::vector<QString> mOrder;
    std::map<QString, std::pair<std::vector<double>, std::vector<double>>> mSteps;
};
