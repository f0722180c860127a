#include "TourDriver.h"

#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

using zel::TourDriver;

class tst_TourDriver : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void stuckStepsFailByNameAndTheTourGoesOn_data();
    void stuckStepsFailByNameAndTheTourGoesOn();
};

void tst_TourDriver::stuckStepsFailByNameAndTheTourGoesOn_data()
{
    QTest::addColumn<int>("stuck");
    QTest::addRow("a message box that nobody answers") << 0;
    QTest::addRow("a wait for what never comes") << 1;
}

void tst_TourDriver::stuckStepsFailByNameAndTheTourGoesOn()
{
    QFETCH(int, stuck);
    QTemporaryDir folder;
    QWidget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    TourDriver driver(window, folder.path());
    driver.setStepDeadline(300);

    bool boxClosed = false;
    bool lastStepRan = false;
    const QList<TourDriver::Step> steps = {
        {QStringLiteral("first"), [&driver]() { driver.check(true, QStringLiteral("first")); }},
        {QStringLiteral("stuck"),
         [&]() {
             if (stuck == 0) {
                 QMessageBox box(QMessageBox::Question, QStringLiteral("Tour"),
                                 QStringLiteral("Nobody answers"), QMessageBox::Ok, &window);
                 box.exec();
                 boxClosed = true;
             } else {
                 driver.waitFor([]() { return false; }, 24 * 3600 * 1000);
             }
             driver.check(false, QStringLiteral("what a stuck step finds late"));
         }},
        {QStringLiteral("last"),
         [&]() {
             lastStepRan = true;
             driver.check(true, QStringLiteral("last"));
         }},
    };
    QVERIFY(!driver.runSteps(steps));

    QCOMPARE(driver.failures().size(), 1);
    QVERIFY2(driver.failures().first().contains(QStringLiteral("\"stuck\"")),
             qPrintable(driver.failures().first()));
    QCOMPARE(boxClosed, stuck == 0);
    QVERIFY(lastStepRan);
    QVERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(tst_TourDriver)
#include "tst_TourDriver.moc"
