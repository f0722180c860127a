#include "BenchClock.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdio>

namespace {

// Wakes a waiting event loop, so that a condition is seen soon after it holds.
const int kWakeIntervalMs = 1;

QElapsedTimer& Clock()
{
    static QElapsedTimer clock;
    if (!clock.isValid())
        clock.start();
    return clock;
}

} // namespace

qint64 Now()
{
    return Clock().nsecsElapsed();
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
    mFirstAt = -1;
    mDoneAt = -1;
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
            if (self && self->mDoneAt < 0)
                self->mDoneAt = Now();
        });
    }
    return false;
}

void Laps::lapAt(const QString& pStep, qint64 pAt)
{
    mSteps.emplace_back(pStep, (pAt - mLast) / 1e6);
    mLast = pAt;
}

void Measure::add(const Laps& pLaps)
{
    mTotals.push_back(pLaps.totalMs());
    for (const auto& step : pLaps.steps()) {
        if (!mSteps.count(step.first))
            mOrder.push_back(step.first);
        mSteps[step.first].push_back(step.second);
    }
}

void Measure::printSteps() const
{
    std::printf("  %s: %.2f ms\n", qPrintable(mTitle), median());
    for (const QString& step : mOrder)
        std::printf("      %-44s %8.2f\n", qPrintable(step), Median(mSteps.at(step)));
}

double Measure::Median(std::vector<double> pValues)
{
    if (pValues.empty())
        return 0.0;
    std::sort(pValues.begin(), pValues.end());
    return pValues[pValues.size() / 2];
}
