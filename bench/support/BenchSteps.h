#pragma once

#include "BenchClock.h"

#include <QString>

class QWidget;

// The steps that the benchmarks take as a host and a person would: the sheet set, the loop
// left idle, a press, a window shown and painted.
class BenchSteps
{
public:
    // Deletes what was left to be deleted later, and lets the loop run once.
    static void FlushDeletes();
    // The application's sheet on or off; once on, parsed before anything is measured with it.
    static void UseSheet(const QString& pSheet);
    // The event loop left to itself for a while, as between a window's first frame and a press.
    static void Idle(int pMs);
    // A press and release of the left button in the middle of pWidget.
    static void Press(QWidget* pWidget);
    // Shows pWidget and records the laps pShown and "painted".
    static bool ShowAndPaint(QWidget* pWidget, Laps& pLaps, const QString& pShown);
    // Hides pWidget, then shows and paints it again into pAgain.
    static bool ShowAgain(QWidget* pWidget, Measure& pAgain);
};
