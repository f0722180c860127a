#include "BenchSteps.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMouseEvent>
#include <QThread>

void BenchSteps::FlushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void BenchSteps::UseSheet(const QString& pSheet)
{
    qApp->setStyleSheet(pSheet);
    QWidget warm;
    QLabel label(&warm);
    warm.ensurePolished();
    FlushDeletes();
}

void BenchSteps::Idle(int pMs)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < pMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
}

void BenchSteps::Press(QWidget* pWidget)
{
    const QPointF local = QRectF(pWidget->rect()).center();
    const QPointF global = pWidget->mapToGlobal(local.toPoint());
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(pWidget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(pWidget, &release);
}

bool BenchSteps::ShowAndPaint(QWidget* pWidget, Laps& pLaps, const QString& pShown)
{
    EventProbe paint(pWidget, QEvent::Paint);
    pWidget->show();
    pLaps.lap(pShown);
    if (!PumpUntil([&paint] { return paint.isDone(); }))
        return false;
    pLaps.lapAt(QStringLiteral("painted"), paint.doneAt());
    return true;
}

bool BenchSteps::ShowAgain(QWidget* pWidget, Measure& pAgain)
{
    pWidget->hide();
    QCoreApplication::processEvents();
    Laps laps;
    laps.start();
    if (!ShowAndPaint(pWidget, laps, QStringLiteral("shown")))
        return false;
    pAgain.add(laps);
    return true;
}
