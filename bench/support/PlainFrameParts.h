#pragma once

#include "BenchClock.h"
#include "WidgetCensus.h"

#include <QColor>
#include <QList>
#include <QObject>
#include <QPointF>
#include <QSize>
#include <QString>

// What plain Qt takes to paint the parts of a frame that the floor does not hold: the push
// buttons that the frame paints, drawn by the application's style, and the frames that it
// paints through a drop-shadow effect, which renders all that they hold and blurs it at
// every paint. The parts are recorded from a real frame, then copied with plain Qt widgets:
// a button of the same size and text, a frame of the same size and effect holding a plain
// form with the controls that the real one holds.
class PlainFrameParts : public QObject
{
public:
    // Records the parts that pTop and the widgets under it paint until stop(): from pStart's
    // hiding when it is given, else from now.
    void record(QWidget* pTop, QWidget* pStart = nullptr);
    void stop();
    bool isEmpty() const { return mButtons.isEmpty() && mShadowed.isEmpty(); }
    // "push buttons: 5, frames drawn with a drop shadow: 1"
    QString describe() const;
    // The copy built and shown once, then one paint of all of it measured into pPaint.
    bool measure(Measure& pPaint) const;

protected:
    bool eventFilter(QObject* pObject, QEvent* pEvent) override;

private:
    struct Button
    {
        QSize mSize;
        QString mText;
    };
    struct Shadowed
    {
        QSize mSize;
        qreal mBlurRadius = 0.0;
        QPointF mOffset;
        QColor mColor;
        WidgetCensus mHolds;
    };

    QWidget* mTop = nullptr;
    QWidget* mStart = nullptr;
    bool mStarted = false;
    QList<const QObject*> mSeen;
    QList<Button> mButtons;
    QList<Shadowed> mShadowed;
};
