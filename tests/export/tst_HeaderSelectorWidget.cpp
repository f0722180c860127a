#include "HeaderSelectorWidget.h"

#include "kmDMIApplication.h"
#include "kmDMManager.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>

#include <memory>

using zel::HeaderSelectorWidget;

namespace {

QStringList texts(const QListWidget* pList)
{
    QStringList result;
    for (int row = 0; row < pList->count(); ++row)
        result << pList->item(row)->text();
    return result;
}

// What a person's double-click delivers: press, release, double-click, release.
void doubleClick(QListWidget* pList, int pRow)
{
    const QPoint position = pList->visualItemRect(pList->item(pRow)).center();
    QTest::mouseClick(pList->viewport(), Qt::LeftButton, Qt::NoModifier, position);
    QTest::mouseDClick(pList->viewport(), Qt::LeftButton, Qt::NoModifier, position);
    QTest::mouseRelease(pList->viewport(), Qt::LeftButton, Qt::NoModifier, position);
}

} // namespace

class tst_HeaderSelectorWidget : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void clearHeaders_listsEveryKnownNameOnce();
    void addAll_putsEveryNameInSortedOrder();
    void withoutApplication_changesNothing();
    void setHeaders_keepsGivenOrderSilently();
    void reorder_data();
    void reorder();
    void reorder_keepsSelectionForRepeatedPresses();
    void arrows_appendWithoutCurrentItemInTarget();
    void arrows_insertBeforeCurrentItemInTarget();
    void arrows_emitOnceEvenWithNothingSelected();
    void doubleClicks_moveOneItemEachWay();

private:
    QListWidget* available() const;
    QListWidget* exported() const;
    QPushButton* button(const char* pName) const;
    void select(QListWidget* pList, const QList<int>& pRows);

    std::unique_ptr<zel::kmDMIApplication> mApplication;
    std::unique_ptr<HeaderSelectorWidget> mWidget;
};

void tst_HeaderSelectorWidget::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
}

void tst_HeaderSelectorWidget::init()
{
    mApplication = std::make_unique<zel::kmDMIApplication>();
    zel::AttributesDictionary& dictionary =
        mApplication->getDMManager()->getAttributesDictionary();
    dictionary.setComponentAttributeNames({"d", "b", "Name"});
    dictionary.setInstanceAttributeNames({"Name", "c", "a"});

    mWidget = std::make_unique<HeaderSelectorWidget>();
    mWidget->setApplication(mApplication.get());
    mWidget->resize(617, 618);
    mWidget->show();
    QVERIFY(QTest::qWaitForWindowExposed(mWidget.get()));
}

void tst_HeaderSelectorWidget::cleanup()
{
    mWidget.reset();
    mApplication.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

QListWidget* tst_HeaderSelectorWidget::available() const
{
    return mWidget->findChild<QListWidget*>("mListWidgetColumnSrc");
}

QListWidget* tst_HeaderSelectorWidget::exported() const
{
    return mWidget->findChild<QListWidget*>("mListWidgetColumnDest");
}

QPushButton* tst_HeaderSelectorWidget::button(const char* pName) const
{
    return mWidget->findChild<QPushButton*>(pName);
}

void tst_HeaderSelectorWidget::select(QListWidget* pList, const QList<int>& pRows)
{
    pList->clearSelection();
    for (int row : pRows) {
        const QRect rect = pList->visualItemRect(pList->item(row));
        QTest::mouseClick(pList->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          rect.center());
    }
}

void tst_HeaderSelectorWidget::clearHeaders_listsEveryKnownNameOnce()
{
    mWidget->setHeaders({"a", "b"});
    QSignalSpy spy(mWidget.get(), &HeaderSelectorWidget::headersChanged);
    QVERIFY(spy.isValid());

    QTest::mouseClick(button("mPushButtonClearAll"), Qt::LeftButton);

    QCOMPARE(texts(available()), QStringList({"Name", "a", "b", "c", "d"}));
    QCOMPARE(available()->item(0)->toolTip(), QString("Name"));
    QCOMPARE(exported()->count(), 0);
    QCOMPARE(mWidget->getHeaders(), QStringList());
    QCOMPARE(spy.count(), 1);
}

void tst_HeaderSelectorWidget::addAll_putsEveryNameInSortedOrder()
{
    mWidget->setHeaders({"d", "a"});
    QSignalSpy spy(mWidget.get(), &HeaderSelectorWidget::headersChanged);

    QTest::mouseClick(button("mPushButtonAddAll"), Qt::LeftButton);

    QCOMPARE(mWidget->getHeaders(), QStringList({"Name", "a", "b", "c", "d"}));
    QCOMPARE(available()->count(), 0);
    QCOMPARE(spy.count(), 1);
}

void tst_HeaderSelectorWidget::withoutApplication_changesNothing()
{
    mWidget->setHeaders({"b"});
    mWidget->setApplication(nullptr);
    QSignalSpy spy(mWidget.get(), &HeaderSelectorWidget::headersChanged);

    mWidget->clearHeaders();
    mWidget->addAllHeaders();
    QCOMPARE(spy.count(), 0);
    QCOMPARE(mWidget->getHeaders(), QStringList({"b"}));

    // Only the names that the available list already holds can move.
    mWidget->setHeaders({"c", "b"});
    QCOMPARE(mWidget->getHeaders(), QStringList({"b", "c"}));
    QCOMPARE(spy.count(), 0);
}

void tst_HeaderSelectorWidget::setHeaders_keepsGivenOrderSilently()
{
    QSignalSpy spy(mWidget.get(), &HeaderSelectorWidget::headersChanged);

    mWidget->setHeaders({"c", "unknown", "a", "c"});

    QCOMPARE(mWidget->getHeaders(), QStringList({"c", "a"}));
    QCOMPARE(texts(available()), QStringList({"Name", "b", "d"}));
    QCOMPARE(spy.count(), 0);
}

void tst_HeaderSelectorWidget::reorder_data()
{
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<QString>("buttonName");
    QTest::addColumn<QStringList>("expected");

    QTest::addRow("second up") << QList<int>{1} << "mPushButtonUp"
                               << QStringList{"b", "a", "c", "d"};
    QTest::addRow("first up stays") << QList<int>{0} << "mPushButtonUp"
                                    << QStringList{"a", "b", "c", "d"};
    QTest::addRow("second down") << QList<int>{1} << "mPushButtonDown"
                                 << QStringList{"a", "c", "b", "d"};
    QTest::addRow("last down stays") << QList<int>{3} << "mPushButtonDown"
                                     << QStringList{"a", "b", "c", "d"};
    QTest::addRow("block down") << QList<int>{1, 2} << "mPushButtonDown"
                                << QStringList{"a", "d", "b", "c"};
    QTest::addRow("block up, picked bottom first") << QList<int>{2, 1} << "mPushButtonUp"
                                                   << QStringList{"b", "c", "a", "d"};
    QTest::addRow("block at top stays") << QList<int>{1, 0} << "mPushButtonUp"
                                        << QStringList{"a", "b", "c", "d"};
    QTest::addRow("block at bottom stays") << QList<int>{2, 3} << "mPushButtonDown"
                                           << QStringList{"a", "b", "c", "d"};
    QTest::addRow("apart up") << QList<int>{1, 3} << "mPushButtonUp"
                              << QStringList{"b", "a", "d", "c"};
}

void tst_HeaderSelectorWidget::reorder()
{
    QFETCH(QList<int>, selected);
    QFETCH(QString, buttonName);
    QFETCH(QStringList, expected);

    mWidget->setHeaders({"a", "b", "c", "d"});
    select(exported(), selected);
    QCOMPARE(exported()->selectedItems().size(), selected.size());
    QSignalSpy spy(mWidget.get(), &HeaderSelectorWidget::headersChanged);

    QTest::mouseClick(button(qPrintable(buttonName)), Qt::LeftButton);

    QCOMPARE(mWidget->getHeaders(), expected);
    QCOMPARE(spy.count(), 1);
}

void tst_HeaderSelectorWidget::reorder_keepsSelectionForRepeatedPresses()
{
    mWidget->setHeaders({"a", "b", "c"});
    select(exported(), {2});

    QTest::mouseClick(button("mPushButtonUp"), Qt::LeftButton);
    QTest::mouseClick(button("mPushButtonUp"), Qt::LeftButton);

    QCOMPARE(mWidget->getHeaders(), QStringList({"c", "a", "b"}));
    QCOMPARE(exported()->selectedItems().size(), 1);
    QCOMPARE(exported()->selectedItems().first()->text(), QString("c"));
}

void tst_HeaderSelectorWidget::arrows_appendWithoutCurrentItemInTarget()
{
    mWidget->setHeaders({"Name"});
    QCOMPARE(exported()->currentRow(), -1);
    // Available: a b c d; picked d first, then b.
    select(available(), {3, 1});
    QStringList expected = {"Name"};
    for (const QListWidgetItem* item : available()->selectedItems())
        expected << item->text();
    QCOMPARE(expected.size(), 3);
    QSignalSpy spy(mWidget.get(), &HeaderSelectorWidget::headersChanged);

    QTest::mouseClick(button("mPushButtonMvSrcToDest"), Qt::LeftButton);

    QCOMPARE(mWidget->getHeaders(), expected);
    QCOMPARE(texts(available()), QStringList({"a", "c"}));
    QCOMPARE(spy.count(), 1);
}

void tst_HeaderSelectorWidget::arrows_insertBeforeCurrentItemInTarget()
{
    mWidget->setHeaders({"Name", "d"});
    // Clicking "d" makes it the current item of the export list.
    QTest::mouseClick(exported()->viewport(), Qt::LeftButton, Qt::NoModifier,
                      exported()->visualItemRect(exported()->item(1)).center());
    QCOMPARE(exported()->currentRow(), 1);
    select(available(), {0, 2});
    QSignalSpy spy(mWidget.get(), &HeaderSelectorWidget::headersChanged);

    QTest::mouseClick(button("mPushButtonMvSrcToDest"), Qt::LeftButton);

    QCOMPARE(mWidget->getHeaders(), QStringList({"Name", "a", "c", "d"}));
    QCOMPARE(spy.count(), 1);

    select(exported(), {1, 2});
    QTest::mouseClick(button("mPushButtonMvDestToSrc"), Qt::LeftButton);
    QCOMPARE(mWidget->getHeaders(), QStringList({"Name", "d"}));
    QCOMPARE(available()->count(), 3);
    QCOMPARE(spy.count(), 2);
}

void tst_HeaderSelectorWidget::arrows_emitOnceEvenWithNothingSelected()
{
    mWidget->setHeaders({"a"});
    QSignalSpy spy(mWidget.get(), &HeaderSelectorWidget::headersChanged);

    QTest::mouseClick(button("mPushButtonMvSrcToDest"), Qt::LeftButton);
    QTest::mouseClick(button("mPushButtonMvDestToSrc"), Qt::LeftButton);

    QCOMPARE(mWidget->getHeaders(), QStringList({"a"}));
    QCOMPARE(spy.count(), 2);
}

void tst_HeaderSelectorWidget::doubleClicks_moveOneItemEachWay()
{
    mWidget->setHeaders({"a"});
    QSignalSpy spy(mWidget.get(), &HeaderSelectorWidget::headersChanged);

    // Available: Name b c d.
    doubleClick(available(), 2);
    QCOMPARE(mWidget->getHeaders(), QStringList({"a", "c"}));
    QCOMPARE(texts(available()), QStringList({"Name", "b", "d"}));
    QCOMPARE(spy.count(), 1);

    // Back into the available list, before its current item.
    QStringList expected = texts(available());
    const int currentRow = available()->currentRow();
    expected.insert(currentRow < 0 ? expected.size() : currentRow, "a");
    doubleClick(exported(), 0);
    QCOMPARE(mWidget->getHeaders(), QStringList({"c"}));
    QCOMPARE(texts(available()), expected);
    QCOMPARE(spy.count(), 2);
}

QTEST_MAIN(tst_HeaderSelectorWidget)
#include "tst_HeaderSelectorWidget.moc"
