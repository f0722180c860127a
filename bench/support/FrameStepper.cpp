#include "FrameStepper.h"

#include <QCoreApplication>
#include <QTimerEvent>

FrameStepper::FrameStepper()
{
    mClock.start();
}

qint64 FrameStepper::elapsed() const
{
    return mHeldAt >= 0 ? mHeldAt : mClock.elapsed() - mHeldFor;
}

void FrameStepper::hold()
{
    if (mHeldAt >= 0)
        return;
    mHeldAt = elapsed();
    mTicks.stop();
}

void FrameStepper::step()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    if (mHeldAt >= 0)
        mHeldAt += kFrameMs;
    advance();
}

void FrameStepper::release()
{
    if (mHeldAt < 0)
        return;
    mHeldFor = mClock.elapsed() - mHeldAt;
    mHeldAt = -1;
    if (isRunning())
        mTicks.start(kFrameMs, Qt::PreciseTimer, this);
}

void FrameStepper::start()
{
    if (mHeldAt < 0)
        mTicks.start(kFrameMs, Qt::PreciseTimer, this);
    QAnimationDriver::start();
}

void FrameStepper::stop()
{
    mTicks.stop();
    QAnimationDriver::stop();
}

void FrameStepper::timerEvent(QTimerEvent* pEvent)
{
    if (pEvent->timerId() == mTicks.timerId())
        advance();
    else
        QAnimationDriver::timerEvent(pEvent);
}
