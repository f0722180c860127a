#pragma once

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

// Answers the modal message boxes that the code under test opens while it sits in exec():
// a timer finds the active modal box, notes its title, text and parent, and presses the
// chosen button; NoButton closes the box without a choice.
class MessageBoxAnswerer : public QObject
{
    Q_OBJECT

public:
    explicit MessageBoxAnswerer(QMessageBox::StandardButton pAnswer);

    int count() const { return mTexts.size(); }
    const QStringList& titles() const { return mTitles; }
    const QStringList& texts() const { return mTexts; }
    QWidget* lastParent() const { return mLastParent; }

private:
    void answer();

    QMessageBox::StandardButton mAnswer;
    QTimer mTimer;
    QStringList mTitles;
    QStringList mTexts;
    QPointer<QWidget> mLastParent;
};
