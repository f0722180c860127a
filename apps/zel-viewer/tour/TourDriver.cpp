#include "TourDriver.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>
#include <QSpontaneKeyEvent>
#include <QTest>
#include <QTextStream>
#include <QWheelEvent>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace zel {

namespace {

const int kAnswerPoll = 20;
// Each step takes a few seconds even on a busy machine; one that takes this long is stuck.
const int kStepDeadline = 30000;
const int kWheelNotch = 120;

// A build that runs several times slower, as under a sanitizer, sets a longer deadline in
// ZEL_TOUR_STEP_SECONDS.
int StepDeadline()
{
    bool set = false;
    const int seconds = qEnvironmentVariableIntValue("ZEL_TOUR_STEP_SECONDS", &set);
    return set && seconds > 0 ? seconds * 1000 : kStepDeadline;
}

} // namespace

TourDriver::TourDriver(QWidget& pMainWindow, const QString& pFolder, QObject* pParent)
    : QObject(pParent)
    , mMainWindow(pMainWindow)
    , mFolder(pFolder)
    , mStepDeadline(StepDeadline())
{
}

bool TourDriver::runSteps(const QList<Step>& pSteps)
{
    for (const Step& step : pSteps) {
        mStep = step.name;
        mExpired = false;
        QTimer deadline;
        deadline.setSingleShot(true);
        connect(&deadline, &QTimer::timeout, this, &TourDriver::expire);
        // Once the step is over its time, whatever waits for an answer is closed until the
        // step has run through.
        QTimer closer;
        closer.setInterval(kAnswerPoll);
        connect(&closer, &QTimer::timeout, this, &TourDriver::closeWaitingWindows);
        connect(&deadline, &QTimer::timeout, &closer, QOverload<>::of(&QTimer::start));
        QElapsedTimer clock;
        clock.start();
        deadline.start(mStepDeadline);
        step.run();
        std::fprintf(stdout, "[step] %s: %lld ms\n", qPrintable(step.name),
                     static_cast<long long>(clock.elapsed()));
        std::fflush(stdout);
    }
    mExpired = false;

    QTextStream out(stdout);
    out << (mFailures.isEmpty() ? "Tour passed" : "Tour FAILED") << ": " << mShot
        << " screenshots in " << QDir::toNativeSeparators(mFolder) << Qt::endl;
    for (const QString& failure : qAsConst(mFailures))
        out << "  failed: " << failure << Qt::endl;
    return mFailures.isEmpty();
}

void TourDriver::expire()
{
    check(false, QStringLiteral("the step \"%1\" finishes within %2 s")
                     .arg(mStep)
                     .arg(mStepDeadline / 1000.0));
    mExpired = true;
    closeWaitingWindows();
}

void TourDriver::closeWaitingWindows()
{
    if (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    if (QWidget* modal = QApplication::activeModalWidget()) {
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
    }
}

QPoint TourDriver::ReachablePoint(QWidget* pWidget)
{
    if (!pWidget->isVisible() || !pWidget->isEnabled())
        return QPoint(-1, -1);
    const QPoint centre = pWidget->mapTo(pWidget->window(), pWidget->rect().center());
    if (Reaches(pWidget, centre))
        return centre;
    for (int y = 2; y < pWidget->height(); y += 4) {
        for (int x = 2; x < pWidget->width(); x += 4) {
            const QPoint at = pWidget->mapTo(pWidget->window(), QPoint(x, y));
            if (Reaches(pWidget, at))
                return at;
        }
    }
    return QPoint(-1, -1);
}

bool TourDriver::Reaches(QWidget* pWidget, const QPoint& pAt)
{
    QWidget* window = pWidget->window();
    const QWidget* hit = window->childAt(pAt);
    return window->rect().contains(pAt)
        && (hit == pWidget || (hit && pWidget->isAncestorOf(hit)));
}

void TourDriver::scrollTo(QWidget* pWidget)
{
    // The wheel over the scroll bars of the scroll areas around the widget, one direction
    // after the other, until the widget's middle shows in that direction (or the widget
    // covers the whole view); over the page, a list under the pointer would take the wheel.
    for (QWidget* parent = pWidget->parentWidget(); parent; parent = parent->parentWidget()) {
        auto* area = qobject_cast<QAbstractScrollArea*>(parent);
        if (!area)
            continue;
        for (QScrollBar* bar : {area->verticalScrollBar(), area->horizontalScrollBar()}) {
            const bool vertical = bar->orientation() == Qt::Vertical;
            const auto off = [pWidget, area, vertical]() {
                const QRect shown(pWidget->mapTo(area->viewport(), QPoint()), pWidget->size());
                const int start = vertical ? shown.top() : shown.left();
                const int end = vertical ? shown.bottom() : shown.right();
                const int extent = vertical ? area->viewport()->height()
                                            : area->viewport()->width();
                const int middle = (start + end) / 2;
                if ((middle >= 0 && middle < extent) || (start <= 0 && end >= extent))
                    return 0;
                return middle < 0 ? -1 : 1;
            };
            for (int notch = 0; bar->isVisible() && notch < 100 && off() != 0
                                && ReachablePoint(pWidget).x() < 0; ++notch) {
                turnWheel(bar, off() > 0 ? -kWheelNotch : kWheelNotch);
            }
        }
    }
}

void TourDriver::turnWheel(QScrollBar* pBar, int pDelta)
{
    const QPoint local = pBar->rect().center();
    QWheelEvent wheel(local, pBar->mapToGlobal(local), QPoint(), QPoint(0, pDelta),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&wheel);
    QApplication::instance()->notify(pBar, &wheel);
    spin(kAnswerPoll);
}

bool TourDriver::click(QWidget* pWidget, const QString& pWhat)
{
    if (mExpired)
        return false;
    // Out of sight in a scroll area, it is scrolled to first, as a person would.
    if (pWidget && ReachablePoint(pWidget).x() < 0)
        scrollTo(pWidget);
    const QPoint at = pWidget ? ReachablePoint(pWidget) : QPoint(-1, -1);
    if (at.x() < 0) {
        check(false, QStringLiteral("%1 can be clicked").arg(pWhat));
        return false;
    }
    // A window manager gives the focus to the window that is clicked.
    QWidget* window = pWidget->window();
    if (!window->isActiveWindow() && !(window->windowFlags() & Qt::Popup)) {
        window->activateWindow();
        waitFor([window]() { return window->isActiveWindow(); });
    }
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, at);
    return true;
}

void TourDriver::key(int pKey, Qt::KeyboardModifiers pModifiers)
{
    if (mExpired)
        return;
    // A window manager gives the keys back to the main window once a box over it closes.
    if (!QApplication::activeWindow()) {
        mMainWindow.activateWindow();
        waitFor([this]() { return mMainWindow.isActiveWindow(); });
    }
    QWidget* target = QApplication::focusWidget();
    if (!target)
        target = QApplication::activeWindow();
    if (!target) {
        check(false, QStringLiteral("a window takes the key %1").arg(pKey));
        return;
    }
    QTest::keyClick(target, Qt::Key(pKey), pModifiers);
}

bool TourDriver::tabTo(QWidget* pWidget, const QString& pWhat)
{
    // On the way, every control that had the focus must have looked different with it.
    for (int step = 0; step < 200 && !mExpired && QApplication::focusWidget() != pWidget; ++step) {
        QWidget* left = QApplication::focusWidget();
        const QImage focused = left ? left->grab().toImage() : QImage();
        key(Qt::Key_Tab);
        if (left && left->grab().toImage() == focused) {
            std::fprintf(stdout, "[note] %s shows no mark while it has the focus\n",
                         qPrintable(left->objectName()));
        }
    }
    const bool reached = QApplication::focusWidget() == pWidget;
    check(reached, QStringLiteral("the Tab key reaches %1").arg(pWhat));
    return reached;
}

void TourDriver::typeInto(QWidget* pField, const QString& pText, const QString& pWhat)
{
    auto* editor = qobject_cast<QLineEdit*>(pField);
    if (!editor && pField)
        editor = pField->findChild<QLineEdit*>();
    if (!click(editor ? static_cast<QWidget*>(editor) : pField, pWhat))
        return;
    key(Qt::Key_A, Qt::ControlModifier);
    if (QApplication::focusWidget())
        QTest::keyClicks(QApplication::focusWidget(), pText);
}

bool TourDriver::pickFromList(QWidget* pCombo, int pRow, const QString& pWhat)
{
    auto* combo = qobject_cast<QComboBox*>(pCombo);
    if (!combo || !click(combo, pWhat))
        return false;
    QAbstractItemView* list = combo->view();
    if (!waitFor([list]() { return list->isVisible(); })) {
        check(false, QStringLiteral("the list of %1 opens").arg(pWhat));
        return false;
    }
    spin(kAnswerPoll);
    const QRect item = list->visualRect(combo->model()->index(pRow, 0));
    QTest::mouseClick(list->window()->windowHandle(), Qt::LeftButton, {},
                      list->viewport()->mapTo(list->window(), item.center()));
    const bool picked = waitFor([combo, pRow]() { return combo->currentIndex() == pRow; });
    check(picked, QStringLiteral("%1 takes the clicked entry").arg(pWhat));
    return picked;
}

QPointer<QTimer> TourDriver::answerNext(const std::function<bool(QWidget*)>& pAccept,
                                        const std::function<void(QWidget*)>& pAnswer,
                                        bool pUntilClosed)
{
    auto* timer = new QTimer(this);
    timer->setInterval(kAnswerPoll);
    // An answer waits for windows in an event loop of its own: the watch must not answer
    // again meanwhile.
    auto answering = std::make_shared<bool>(false);
    connect(timer, &QTimer::timeout, this, [timer, pAccept, pAnswer, pUntilClosed, answering]() {
        if (*answering)
            return;
        QWidget* widget = QApplication::activePopupWidget();
        if (!widget || !pAccept(widget))
            widget = QApplication::activeModalWidget();
        if (!widget || !pAccept(widget) || !widget->isVisible())
            return;
        if (!pUntilClosed) {
            timer->stop();
            timer->deleteLater();
        }
        *answering = true;
        pAnswer(widget);
        *answering = false;
    });
    timer->start();
    return timer;
}

bool TourDriver::waitFor(const std::function<bool()>& pCondition, int pTimeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!pCondition()) {
        if (mExpired || clock.elapsed() > pTimeoutMs)
            return false;
        spin(kAnswerPoll);
    }
    return true;
}

void TourDriver::spin(int pMilliseconds)
{
    if (mExpired)
        return;
    QEventLoop loop;
    QTimer::singleShot(pMilliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

void TourDriver::shoot(const QString& pName)
{
    QPixmap picture = mMainWindow.grab();
    QPainter painter(&picture);
    // Dialogs and message boxes are windows of their own; they are drawn where they stand.
    QList<QWidget*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget != &mMainWindow && widget->isVisible() && widget->windowType() != Qt::ToolTip)
            windows.append(widget);
    }
    std::stable_sort(windows.begin(), windows.end(), [](QWidget* pA, QWidget* pB) {
        return !pA->isModal() && pB->isModal();
    });
    for (QWidget* widget : qAsConst(windows)) {
        painter.drawPixmap(widget->mapToGlobal(QPoint(0, 0)) - mMainWindow.mapToGlobal(QPoint(0, 0)),
                           widget->grab());
    }
    painter.end();
    const QString path =
        QDir(mFolder).filePath(QStringLiteral("%1-%2.png").arg(++mShot, 2, 10, QLatin1Char('0'))
                                   .arg(pName));
    check(picture.save(path), QStringLiteral("screenshot %1 is saved").arg(path));
}

void TourDriver::check(bool pOk, const QString& pWhat)
{
    // Past its deadline, what a step still finds follows from it being stuck.
    if (mExpired) {
        std::fprintf(stdout, "[late] %s\n", qPrintable(pWhat));
        return;
    }
    std::fprintf(stdout, "[%s] %s\n", pOk ? "ok" : "FAILED", qPrintable(pWhat));
    std::fflush(stdout);
    if (!pOk)
        mFailures.append(pWhat);
}

} // namespace zel
