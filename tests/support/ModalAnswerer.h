#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <functional>

class QAbstractButton;

// Answers to the modal windows that the code under test opens and waits on in exec(): timers
// that look for the window, since it may take a few event loop turns to show.
namespace zeltest {

// Answers the next visible modal widget of type T. The watch goes with pOwner; deleting the
// owner's children calls off an answer that was not needed.
template <typename T>
void AnswerModal(QObject* pOwner, const std::function<void(T*)>& pAnswer)
{
    auto* timer = new QTimer(pOwner);
    timer->setInterval(2);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, pAnswer] {
        T* modal = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!modal || !modal->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        pAnswer(modal);
    });
    timer->start();
}

// The same for the next pop-up window, such as a menu.
void AnswerPopup(QObject* pOwner, const std::function<void(QWidget*)>& pAnswer);

// Answers every message box while it lives, each once: notes it as "title: text", its text
// and its parent, and presses pAnswer, or the button that reads pButtonText (a box without
// that button is rejected).
class MessageBoxAnswerer
{
public:
    explicit MessageBoxAnswerer(QMessageBox::StandardButton pAnswer);
    explicit MessageBoxAnswerer(const QString& pButtonText);
    int count() const { return boxes.size(); }

    QStringList boxes;
    QStringList texts;
    QPointer<QWidget> lastParent;

private:
    void answer(const std::function<QAbstractButton*(QMessageBox*)>& pButton);

    QTimer mTimer;
    QPointer<QMessageBox> mAnswered;
};

// Presses the control and answers with OK the message box that it shows; gives the box's
// text, or nothing when none showed.
QString PressAndAcknowledge(QWidget* pControl);

} // namespace zeltest
