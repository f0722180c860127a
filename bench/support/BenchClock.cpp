#include "BenchClock.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

// Wakes a waiting event loop, so that a condition is seen soon after it holds.
const int kWakeIntervalMs = 1;

QElapsedTimer& WallClock()
{
    static QElapsedTimer clock;
    if (!clock.isValid())
        clock.start();
    return clock;
}

qint64 ThreadCpuNanoseconds()
{
#if defined(CLOCK_THREAD_CPUTIME_ID)
    timespec now{};
    if (clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now) == 0)
        return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
#endif
    // Without a thread clock, the wall clock stands in.
    return WallClock().nsecsElapsed();
}

} // namespace

Span Span::Between(const Stamp& pFrom, const Stamp& pTo)
{
    return {(pTo.mWall - pFrom.mWall) / 1e6, (pTo.mCpu - pFrom.mCpu) / 1e6};
}

Stamp Now()
{
    return {WallClock().nsecsElapsed(), ThreadCpuNanoseconds()};
}

bool PumpUntil(const std::function<bool()>& pCondition, int pTimeoutMs)
{
    QCoreApplication::processEvents();
    if (pCondition())
        return true;
    QTimer wake;
    wake.start(kWakeIntervalMs);
    QElapsedTimer clock;
    clock.start();
    while (!pCondition()) {
        if (clock.hasExpired(pTimeoutMs))
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

EventProbe::EventProbe(QWidget* pWidget, QEvent::Type pType)
    : mType(pType)
{
    pWidget->installEventFilter(this);
}

void EventProbe::reset()
{
    mCount = 0;
    mFirstAt = Stamp();
    mDoneAt = Stamp();
}

bool EventProbe::eventFilter(QObject*, QEvent* pEvent)
{
    if (pEvent->type() != mType)
        return false;
    if (mCount++ == 0) {
        mFirstAt = Now();
        // Posted now, delivered once the work that this event starts is over.
        QPointer<EventProbe> self(this);
        QTimer::singleShot(0, this, [self] {
            if (self && !self->mDoneAt.isValid())
                self->mDoneAt = Now();
        });
    }
    return false;
}

void Laps::start()
{
    mSteps.clear();
    mLast = mStart = Now();
}

void Laps::lapAt(const QString& pStep, const Stamp& pAt)
{
    mSteps.emplace_back(pStep, Span::Between(mLast, pAt));
    mLast = pAt;
}

void Measure::add(const Laps& pLaps)
{
    add(pLaps.total());
    for (const auto& step : pLaps.steps()) {
        if (!mSteps.count(step.first))
            mOrder.push_back(step.first);
        mSteps[step.first].first.push_back(step.second.mWall);
        mSteps[step.first].second.push_back(step.second.mCpu);
    }
}

void Measure::add(const Span& pSpan)
{
    mWall.push_back(pSpan.mWall);
    mCpu.push_back(pSpan.mCpu);
}

void Measure::printSteps() const
{
    const Span total = median();
    std::printf("  %-58s %8.2f %8.2f\n", qPrintable(mTitle), total.mWall, total.mCpu);
    for (const QString& step : mOrder) {
        std::printf("      %-54s %8.2f %8.2f\n", qPrintable(step),
                    Median(mSteps.at(step).first), Median(mSteps.at(step).second));
    }
}

double Measure::Median(std::vector<double> pValues)
{
    if (pValues.empty())
        return 0.0;
    std::sort(pValues.begin(), pValues.end());
    return pValues[pValues.size() / 2];
}
