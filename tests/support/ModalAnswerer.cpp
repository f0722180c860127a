#include "ModalAnswerer.h"

#include "TestInput.h"

#include <QAbstractButton>

namespace zeltest {

void AnswerPopup(QObject* pOwner, const std::function<void(QWidget*)>& pAnswer)
{
    auto* timer = new QTimer(pOwner);
    timer->setInterval(2);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, pAnswer] {
        QWidget* popup = QApplication::activePopupWidget();
        if (!popup || !popup->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        pAnswer(popup);
    });
    timer->start();
}

MessageBoxAnswerer::MessageBoxAnswerer(QMessageBox::StandardButton pAnswer)
{
    answer([pAnswer](QMessageBox* pBox) { return pBox->button(pAnswer); });
}

MessageBoxAnswerer::MessageBoxAnswerer(const QString& pButtonText)
{
    answer([pButtonText](QMessageBox* pBox) -> QAbstractButton* {
        const QList<QAbstractButton*> buttons = pBox->buttons();
        for (QAbstractButton* button : buttons) {
            if (button->text() == pButtonText)
                return button;
        }
        return nullptr;
    });
}

void MessageBoxAnswerer::answer(const std::function<QAbstractButton*(QMessageBox*)>& pButton)
{
    QObject::connect(&mTimer, &QTimer::timeout, [this, pButton] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible() || !box->windowHandle() || box == mAnswered)
            return;
        mAnswered = box;
        boxes.append(box->windowTitle() + QStringLiteral(": ") + box->text());
        texts.append(box->text());
        lastParent = box->parentWidget();
        if (QAbstractButton* button = pButton(box))
            Press(button);
        else
            box->reject();
    });
    mTimer.start(10);
}

QString PressAndAcknowledge(QWidget* pControl)
{
    const MessageBoxAnswerer answerer(QMessageBox::Ok);
    Press(pControl);
    return answerer.texts.value(0);
}

} // namespace zeltest
