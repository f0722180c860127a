#include "zelDoubleSpinBox.h"
#include "zelSpinBox.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpontaneKeyEvent>
#include <QStandardPaths>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QTest>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <memory>

namespace {

// Counts what reaches the box past its own event filter.
template<typename Box> class ProbedBox : public Box
{
public:
    explicit ProbedBox(QWidget* pParent)
        : Box(pParent)
    {
        // Plain moves reach only widgets that track the mouse.
        Box::setMouseTracking(true);
    }
    int moves = 0;

protected:
    void mouseMoveEvent(QMouseEvent* pEvent) override
    {
        ++moves;
        Box::mouseMoveEvent(pEvent);
    }
};

// A page taller than its scroll area, with the box near its top.
struct Page
{
    std::unique_ptr<QScrollArea> area = std::make_unique<QScrollArea>();
    QAbstractSpinBox* box = nullptr;
    QLineEdit* other = nullptr;
    int* moves = nullptr;

    explicit Page(bool pDecimal)
    {
        auto* content = new QWidget;
        auto* layout = new QVBoxLayout(content);
        if (pDecimal) {
            auto* decimal = new ProbedBox<zel::zelDoubleSpinBox>(content);
            decimal->setRange(0.0, 100.0);
            decimal->setValue(50.0);
            moves = &decimal->moves;
            box = decimal;
        } else {
            auto* integer = new ProbedBox<zel::zelSpinBox>(content);
            integer->setRange(0, 100);
            integer->setValue(50);
            moves = &integer->moves;
            box = integer;
        }
        other = new QLineEdit(content);
        layout->addWidget(box);
        layout->addWidget(other);
        layout->addSpacing(2000);
        area->setWidget(content);
        area->resize(300, 300);
    }

    // Shown and active, with the focus elsewhere than in the box.
    bool show()
    {
        area->show();
        area->activateWindow();
        if (!QTest::qWaitForWindowActive(area.get()))
            return false;
        other->setFocus();
        return other->hasFocus() && box->focusPolicy() == Qt::StrongFocus;
    }

    double value() const { return box->property("value").toDouble(); }
    int scroll() const { return area->verticalScrollBar()->value(); }
};

// A wheel turn over the box as the platform delivers it: to the widget under the pointer,
// from where it travels up while nobody takes it.
void turnWheel(QAbstractSpinBox* pBox, int pSteps)
{
    QWidget* window = pBox->window();
    const QPoint inWindow = pBox->mapTo(window, pBox->rect().center());
    QWidget* target = window->childAt(inWindow);
    const QPoint local = target->mapFrom(window, inWindow);
    QWheelEvent wheel(local, target->mapToGlobal(local), QPoint(), QPoint(0, 120 * pSteps),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&wheel);
    qApp->notify(target, &wheel);
}

} // namespace

class tst_zelSpinBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();

    void freshBox_data();
    void freshBox();
    void wheelScrollsUntilFocused_data();
    void wheelScrollsUntilFocused();
    void mouseMovesHeldBack_data();
    void mouseMovesHeldBack();
    void keysAndArrowsAlwaysWork_data();
    void keysAndArrowsAlwaysWork();

private:
    void kinds();
};

void tst_zelSpinBox::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void tst_zelSpinBox::cleanup()
{
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_zelSpinBox::kinds()
{
    QTest::addColumn<bool>("decimal");
    QTest::addRow("zelSpinBox") << false;
    QTest::addRow("zelDoubleSpinBox") << true;
}

void tst_zelSpinBox::freshBox_data()
{
    kinds();
}

void tst_zelSpinBox::freshBox()
{
    QFETCH(bool, decimal);
    Page page(decimal);
    QCOMPARE(page.box->focusPolicy(), Qt::StrongFocus);
    QCOMPARE(page.box->metaObject()->className(),
             decimal ? "zel::zelDoubleSpinBox" : "zel::zelSpinBox");
}

void tst_zelSpinBox::wheelScrollsUntilFocused_data()
{
    kinds();
}

void tst_zelSpinBox::wheelScrollsUntilFocused()
{
    QFETCH(bool, decimal);
    Page page(decimal);
    QVERIFY(page.show());

    // Not focused: the page scrolls, the value stays.
    turnWheel(page.box, -1);
    QVERIFY(page.scroll() > 0);
    QCOMPARE(page.value(), 50.0);
    page.area->verticalScrollBar()->setValue(0);

    // Clicked into: the wheel steps the value and the page stays.
    QTest::mouseClick(page.box->findChild<QLineEdit*>(), Qt::LeftButton);
    QTRY_VERIFY(page.box->hasFocus());
    QCOMPARE(page.box->focusPolicy(), Qt::WheelFocus);
    turnWheel(page.box, 1);
    QCOMPARE(page.value(), 51.0);
    QCOMPARE(page.scroll(), 0);

    // The focus moves on with the Tab key: the wheel scrolls the page again.
    QTest::keyClick(page.box, Qt::Key_Tab);
    QTRY_VERIFY(page.other->hasFocus());
    QCOMPARE(page.box->focusPolicy(), Qt::StrongFocus);
    turnWheel(page.box, -1);
    QVERIFY(page.scroll() > 0);
    QCOMPARE(page.value(), 51.0);
}

void tst_zelSpinBox::mouseMovesHeldBack_data()
{
    kinds();
}

void tst_zelSpinBox::mouseMovesHeldBack()
{
    QFETCH(bool, decimal);
    Page page(decimal);
    QVERIFY(page.show());

    const QPoint at(page.box->width() - 4, page.box->height() / 2);
    const auto move = [&] {
        QMouseEvent event(QEvent::MouseMove, at, page.box->mapToGlobal(at), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(page.box, &event);
    };
    move();
    QCOMPARE(*page.moves, 0);

    QTest::mouseClick(page.box->findChild<QLineEdit*>(), Qt::LeftButton);
    QTRY_VERIFY(page.box->hasFocus());
    move();
    QCOMPARE(*page.moves, 1);
}

void tst_zelSpinBox::keysAndArrowsAlwaysWork_data()
{
    kinds();
}

void tst_zelSpinBox::keysAndArrowsAlwaysWork()
{
    QFETCH(bool, decimal);
    Page page(decimal);
    QVERIFY(page.show());

    QTest::keyClick(page.box, Qt::Key_Up);
    QCOMPARE(page.value(), 51.0);
    QCOMPARE(page.box->focusPolicy(), Qt::StrongFocus);

    QStyleOptionSpinBox option;
    option.initFrom(page.box);
    option.subControls = QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
    option.buttonSymbols = page.box->buttonSymbols();
    option.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
    const QRect up = page.box->style()->subControlRect(QStyle::CC_SpinBox, &option,
                                                       QStyle::SC_SpinBoxUp, page.box);
    QTest::mouseClick(page.box, Qt::LeftButton, Qt::KeyboardModifiers(), up.center());
    QCOMPARE(page.value(), 52.0);
}

QTEST_MAIN(tst_zelSpinBox)
#include "tst_zelSpinBox.moc"
