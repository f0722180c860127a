#pragma once

#include <QList>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>

class QScrollBar;
class QWidget;

namespace zel {

// Runs a tour of a main window as a person would go through it: named steps in order, each
// with a deadline of its own, input that goes through the windows (clicks where a control
// shows, keys to the widget that has the focus, the wheel over scroll bars), modal windows
// answered while the code that opened them waits, numbered pictures of the whole window and
// a line of report for every check.
class TourDriver : public QObject
{
    Q_OBJECT

public:
    struct Step
    {
        QString name;
        std::function<void()> run;
    };

    TourDriver(QWidget& pMainWindow, const QString& pFolder, QObject* pParent = nullptr);

    // A step still running at its deadline fails under its own name: the windows that wait
    // for an answer are closed and what is left of the step runs through without waiting.
    void setStepDeadline(int pMilliseconds) { mStepDeadline = pMilliseconds; }
    // True when every step succeeded; the summary goes to the standard output.
    bool runSteps(const QList<Step>& pSteps);
    const QStringList& failures() const { return mFailures; }

    // A point of the window where the widget, or a part of it, is what a click meets; the
    // centre when it can, else the first such point line by line; (-1, -1) when there is none.
    static QPoint ReachablePoint(QWidget* pWidget);
    // Whether a click at that point of the widget's window meets the widget.
    static bool Reaches(QWidget* pWidget, const QPoint& pAt);

    // A click where the widget shows in its window, through the window, scrolled into sight
    // first; false, and a failed step, when no part of it can be clicked (hidden, covered,
    // disabled).
    bool click(QWidget* pWidget, const QString& pWhat);
    // Turns the wheel over the scroll area around the widget until it can be clicked.
    void scrollTo(QWidget* pWidget);
    // One turn of the wheel over the scroll bar, by pDelta eighths of a degree.
    void turnWheel(QScrollBar* pBar, int pDelta);
    // A key press and release to the widget that has the focus.
    void key(int pKey, Qt::KeyboardModifiers pModifiers = Qt::NoModifier);
    // Tab until the widget has the focus; false, and a failed step, when it never does.
    bool tabTo(QWidget* pWidget, const QString& pWhat);
    // Clicks into the field and types over its text.
    void typeInto(QWidget* pField, const QString& pText, const QString& pWhat);
    bool pickFromList(QWidget* pCombo, int pRow, const QString& pWhat);

    // Answers the next modal window (or pop-up menu) for which pAccept holds, while the
    // code that opened it waits in its own event loop. The watch is called off by deleting
    // what is returned, once the window is known to have come or not.
    QPointer<QTimer> answerNext(const std::function<bool(QWidget*)>& pAccept,
                                const std::function<void(QWidget*)>& pAnswer,
                                bool pUntilClosed = false);
    bool waitFor(const std::function<bool()>& pCondition, int pTimeoutMs = 5000);
    void spin(int pMilliseconds);
    void shoot(const QString& pName);
    void check(bool pOk, const QString& pWhat);

private:
    void expire();
    void closeWaitingWindows();

    QWidget& mMainWindow;
    QString mFolder;
    int mShot = 0;
    int mStepDeadline;
    QString mStep;
    bool mExpired = false;
    QStringList mFailures;
};

} // namespace zel
