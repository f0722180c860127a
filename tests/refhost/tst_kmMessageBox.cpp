#include "kmMessageBox.h"

#include <QtTest>
#include <QAbstractButton>
#include <QApplication>

#include <functional>

using km::kmMessageBox;

namespace {
// Waits for the modal box and hands it to pAnswer while ShowMessage sits in exec().
void answerWhenShown(std::function<void(QMessageBox*)> pAnswer)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, pAnswer] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            pAnswer(box);
        }
    });
    timer->start(10);
}
} // namespace

class tst_kmMessageBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void returnsPressedButton()
    {
        QString objectName;
        QStringList classes;
        QString discardText;
        answerWhenShown([&](QMessageBox* pBox) {
            objectName = pBox->objectName();
            for (QAbstractButton* button : pBox->buttons())
                classes << button->property("class").toString();
            discardText = pBox->button(QMessageBox::Discard)->text();
            pBox->button(QMessageBox::Discard)->click();
        });
        const kmMessageBox::ButtonTexts texts{{QMessageBox::Discard, "Drop"}};
        const kmMessageBox::ButtonTexts overrides{{QMessageBox::Discard, "Forget"}};
        const QMessageBox::StandardButton answer = kmMessageBox::ShowMessage(
            "", "Discard?", QMessageBox::Cancel | QMessageBox::Discard, nullptr,
            "outlinedButton", false, texts, overrides);

        QCOMPARE(answer, QMessageBox::Discard);
        QCOMPARE(objectName, QStringLiteral("kmMessageBox"));
        QCOMPARE(classes, QStringList({"outlinedButton", "outlinedButton"}));
        QCOMPARE(discardText, QStringLiteral("Forget"));
    }

    void closedWithoutChoiceIsNoButton()
    {
        answerWhenShown([](QMessageBox* pBox) { pBox->reject(); });
        QCOMPARE(kmMessageBox::ShowMessage("Title", "Text", QMessageBox::Ok, nullptr,
                                           "outlinedButton", true, {}, {}),
                 QMessageBox::NoButton);
    }
};

QTEST_MAIN(tst_kmMessageBox)
#include "tst_kmMessageBox.moc"
