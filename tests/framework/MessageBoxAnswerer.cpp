#include "MessageBoxAnswerer.h"

#include <QAbstractButton>
#include <QApplication>

MessageBoxAnswerer::MessageBoxAnswerer(QMessageBox::StandardButton pAnswer)
    : mAnswer(pAnswer)
{
    connect(&mTimer, &QTimer::timeout, this, &MessageBoxAnswerer::answer);
    mTimer.start(10);
}

void MessageBoxAnswerer::answer()
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible())
        return;
    mTitles.append(box->windowTitle());
    mTexts.append(box->text());
    mLastParent = box->parentWidget();
    if (QAbstractButton* button = box->button(mAnswer))
        button->click();
    else
        box->reject();
}
