#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

// Answers the next modal dialog from a timer while the code under test sits in exec().
// The dialog may take a few event loop turns to show, so the timer keeps looking.
inline void AnswerModal(const std::function<void(QWidget*)>& pAnswer, int pTries = 500)
{
    QTimer::singleShot(10, [pAnswer, pTries]() {
        if (QWidget* modal = QApplication::activeModalWidget())
            pAnswer(modal);
        else if (pTries > 0)
            AnswerModal(pAnswer, pTries - 1);
    });
}
