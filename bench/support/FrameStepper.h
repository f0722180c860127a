#pragma once

#include <QAnimationDriver>
#include <QBasicTimer>
#include <QElapsedTimer>

// The clock of every animation of the application. It runs in real time, ticking 60 times
// a second as Qt's own does, until it is held: then it moves on by one frame, 16 ms, each
// time that it is stepped, however long the frame took, so that a slide can be measured
// frame by frame. Install it before any animation starts: its time then never jumps.
class FrameStepper : public QAnimationDriver
{
public:
    static const int kFrameMs = 16;

    FrameStepper();

    qint64 elapsed() const override;
    void hold();
    // Starts the animations that wait for the next pass of the event loop, then moves every
    // running animation on by one frame; nothing else of that pass runs (no paint).
    void step();
    void release();

protected:
    void start() override;
    void stop() override;
    void timerEvent(QTimerEvent* pEvent) override;

private:
    QElapsedTimer mClock;
    QBasicTimer mTicks;
    qint64 mHeldAt = -1;
    qint64 mHeldFor = 0;
};
