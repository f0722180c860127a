#include "HeaderSelectorWidget.h"
#include "PanelHarness.h"

#include "kmDMIApplication.h"
#include "kmDMManager.h"

#include <QtTest>
#include <QtWidgets>

#include <memory>

using zel::HeaderSelectorWidget;

namespace {

// Names are single letters here, so that a list reads as one string.
QString texts(const QList<QListWidgetItem*>& pItems)
{
    QString result;
    for (const QListWidgetItem* item : pItems)
        result += item->text();
    return result;
}

QString texts(const QListWidget* pList)
{
    return texts(pList->findItems(QStringLiteral("*"), Qt::MatchWildcard));
}

// Given to the window at the item's place, as the windowing system gives a person's clicks.
void click(QListWidget* pList, int pRow, Qt::KeyboardModifiers pModifiers = Qt::NoModifier,
           bool pDouble = false)
{
    QWidget* window = pList->window();
    const QPoint at = pList->viewport()->mapTo(
        window, pList->visualItemRect(pList->item(pRow)).center());
    if (pDouble)
        QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, pModifiers, at);
    else
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, pModifiers, at);
}

} // namespace

class tst_HeaderSelectorWidget : public QObject
{
    Q_OBJECT

    std::unique_ptr<zel::kmDMIApplication> mApplication;
    std::unique_ptr<HeaderSelectorWidget> mWidget;

    QListWidget* list(bool pExported) const
    {
        return mWidget->findChild<QListWidget*>(pExported ? "mListWidgetColumnDest"
                                                          : "mListWidgetColumnSrc");
    }

private Q_SLOTS:
    void initTestCase() { zeltest::InitTestCase(); }

    void init()
    {
        mApplication = std::make_unique<zel::kmDMIApplication>();
        zel::AttributesDictionary& dictionary =
            mApplication->getDMManager()->getAttributesDictionary();
        // "N" is known to both kinds of objects and must be listed once.
        dictionary.setComponentAttributeNames({"d", "b", "N"});
        dictionary.setInstanceAttributeNames({"N", "c", "a"});
        mWidget = std::make_unique<HeaderSelectorWidget>();
        mWidget->setApplication(mApplication.get());
        mWidget->resize(617, 618);
        mWidget->show();
        QVERIFY(QTest::qWaitForWindowExposed(mWidget.get()));
    }

    void cleanup()
    {
        mWidget.reset();
        mApplication.reset();
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    // From setHeaders(given): the current row of the list the buttons fill is clicked, rows of
    // the list they take from (UP, DOWN: the export list) are picked, then each button pressed.
    void buttons_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<int>("current");
        QTest::addColumn<QString>("picked");
        QTest::addColumn<QString>("buttons");
        QTest::addColumn<QString>("headers");
        QTest::addColumn<QString>("available");
        // A name given twice goes in once and unknown names are skipped, silently.
        QTest::addRow("setHeaders") << "cxac" << -1 << "" << "" << "ca" << "Nbd";
        QTest::addRow("CLEAR ALL") << "da" << -1 << "" << "ClearAll" << "" << "Nabcd";
        QTest::addRow("ADD ALL sorts") << "da" << -1 << "" << "AddAll" << "Nabcd" << "";
        QTest::addRow("second up") << "abcd" << -1 << "1" << "Up" << "bacd" << "N";
        QTest::addRow("first up") << "abcd" << -1 << "0" << "Up" << "abcd" << "N";
        QTest::addRow("block down") << "abcd" << -1 << "12" << "Down" << "adbc" << "N";
        QTest::addRow("block up, bottom first") << "abcd" << -1 << "21" << "Up" << "bcad" << "N";
        QTest::addRow("block at top") << "abcd" << -1 << "10" << "Up" << "abcd" << "N";
        QTest::addRow("apart up") << "abcd" << -1 << "13" << "Up" << "badc" << "N";
        // Only if the moved items stay selected does the second press move them again.
        QTest::addRow("block up twice") << "abcd" << -1 << "23" << "Up Up" << "cdab" << "N";
        QTest::addRow("two in") << "N" << -1 << "13" << "MvSrcToDest" << "Nbd" << "ac";
        QTest::addRow("two in before current") << "Nd" << 1 << "02" << "MvSrcToDest" << "Nacd"
                                               << "b";
        QTest::addRow("two out") << "Nacd" << -1 << "12" << "MvDestToSrc" << "Nd" << "bac";
        QTest::addRow("two out before current") << "Nacd" << 0 << "12" << "MvDestToSrc" << "Nd"
                                                << "acb";
    }

    void buttons()
    {
        QFETCH(QString, given);
        QFETCH(int, current);
        QFETCH(QString, picked);
        QFETCH(QString, buttons);
        QFETCH(QString, headers);
        QFETCH(QString, available);
        QSignalSpy spy(mWidget.get(), &HeaderSelectorWidget::headersChanged);
        mWidget->setHeaders(given.split(QString(), Qt::SkipEmptyParts));
        QListWidget* from = list(!buttons.startsWith("MvSrcToDest"));
        QListWidget* to = list(!buttons.startsWith("MvDestToSrc"));
        if (current >= 0)
            click(to, current);
        QCOMPARE(to->currentRow(), current);
        from->clearSelection();
        for (QChar row : picked)
            click(from, row.digitValue(), Qt::ControlModifier);
        QCOMPARE(from->selectedItems().size(), picked.size());

        const QStringList presses = buttons.split(' ', Qt::SkipEmptyParts);
        for (const QString& button : presses)
            zeltest::Press(mWidget->findChild<QPushButton*>("mPushButton" + button));
        QCOMPARE(mWidget->getHeaders().join(QString()), headers);
        QCOMPARE(texts(list(false)), available);
        // Even a press that moves nothing is an operation.
        QCOMPARE(spy.count(), presses.size());
    }

    void doubleClicks_moveOneItemEachWay()
    {
        mWidget->setHeaders({"a"});
        QSignalSpy spy(mWidget.get(), &HeaderSelectorWidget::headersChanged);
        for (QListWidget* source : {list(false), list(true)})
            click(source, source == list(false) ? 2 : 0, Qt::NoModifier, true);
        QCOMPARE(mWidget->getHeaders(), QStringList({"c"}));
        QCOMPARE(list(false)->count(), 4);
        QCOMPARE(spy.count(), 2);
    }

    // The list that has the keys shows it by its border; the keys move on to the other.
    void focusedListIsMarked()
    {
        const auto border = [](QListWidget* pList) {
            return pList->grab().toImage().pixelColor(0, pList->height() / 2);
        };
        const QColor marked(0x12, 0x26, 0xAA);
        const QColor plain(221, 221, 221);
        QVERIFY(QTest::qWaitForWindowActive(mWidget.get()));
        click(list(false), 0);
        QTRY_VERIFY(list(false)->hasFocus());
        QTRY_COMPARE(border(list(false)), marked);
        QCOMPARE(border(list(true)), plain);
        // Past the buttons between them.
        for (int press = 0; press < 10 && !list(true)->hasFocus(); ++press)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(list(true)->hasFocus());
        QTRY_COMPARE(border(list(true)), marked);
        QCOMPARE(border(list(false)), plain);
    }
};

QTEST_MAIN(tst_HeaderSelectorWidget)
#include "tst_HeaderSelectorWidget.moc"
