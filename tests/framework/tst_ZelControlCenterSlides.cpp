#include "ControlCenterFixture.h"
#include "TestInput.h"
#include "ZelControlCenter.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QWindow>

// The settings pane as it slides out beside the work area: its tabs, what it covers of the view
// beneath, and the width it takes as the window, its panels and their texts change.
class tst_ZelControlCenterSlides : public ControlCenterFixture
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { TestHost::PrepareTestRun(); }
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    void tabsScrollThePane()
    {
        TestPanel* alpha = mHost->addPanel(mCenter.data(), "Alpha", 30);
        TestPanel* beta = mHost->addPanel(mCenter.data(), "Beta", 30);
        mHost->addPanel(mCenter.data(), "Gamma", 30);
        openMenu(true);
        auto* bar = static_cast<QScrollArea*>(mCenter->settingsWidget())->verticalScrollBar();
        const int frameTop = part("applicationFrame")->y();
        press(beta->getActionWidget());
        QTRY_COMPARE(bar->value(), frameTop + beta->y());
        QVERIFY(beta->getActionWidget()->isChecked());
        // Scrolling by hand checks the tab of the panel at the top.
        zeltest::Wheel(part("settingsContent"), 2);
        QTRY_VERIFY(bar->value() < frameTop + beta->y());
        QVERIFY(alpha->getActionWidget()->isChecked());
    }

    void paneHidesTheWorkArea()
    {
        // The view beneath in a colour that nothing in the pane has.
        QWidget* view = mHost->area("view");
        QPalette palette = view->palette();
        palette.setColor(QPalette::Window, Qt::magenta);
        view->setPalette(palette);
        view->setAutoFillBackground(true);
        mHost->addPanel(mCenter.data(), "Alpha", 30);
        openMenu(true);
        QWidget* pane = mCenter->settingsWidget();
        QVERIFY(static_cast<QScrollArea*>(pane)->verticalScrollBar()->isVisible());
        QVERIFY(!pane->hasFocus());
        const QImage shot =
            pane->window()->grab(QRect(pane->mapTo(pane->window(), QPoint()), pane->size()))
                .toImage();
        // Neither the scroll bar's gutter lets the view through nor the frame draws a line
        // of its own on the side of the view.
        const QColor paneColour = pane->palette().color(QPalette::Window);
        int seeThrough = 0;
        int edgeLine = 0;
        for (int y = 0; y < shot.height(); ++y) {
            for (int x = 0; x < shot.width(); ++x)
                seeThrough += shot.pixelColor(x, y) == QColor(Qt::magenta) ? 1 : 0;
            edgeLine += shot.pixelColor(shot.width() - 1, y) != paneColour ? 1 : 0;
        }
        QCOMPARE(seeThrough, 0);
        QCOMPARE(edgeLine, 0);
    }

    // The width that an open pane takes: the usual 450, or what its panels need, as long as
    // 160 pixels of the work area stay beside it; never below 240.

    void paneFollowsTheWindowsWidth()
    {
        mHost->addPanel(mCenter.data(), "Alpha");
        openMenu(true);
        QWidget* pane = mCenter->settingsWidget();
        QWindow* window = mCenter->window()->windowHandle();
        QCOMPARE(pane->width(), 450);

        window->resize(820, window->height());
        QTRY_COMPARE(mCenter->window()->width(), 820);
        QTRY_VERIFY(pane->width() < 450);
        QCOMPARE(pane->width(), expectedPaneWidth());
        QWidget* area = mHost->area("primaryArea");
        QCOMPARE(area->mapTo(area->window(), QPoint(area->width(), 0)).x()
                     - pane->mapTo(pane->window(), QPoint(pane->width(), 0)).x(),
                 160);

        window->resize(TestHost::kWindowSize.width(), window->height());
        QTRY_COMPARE(pane->width(), 450);
        QVERIFY(mCenter->isSettingsOpen());
    }

    void paneFollowsItsPanelsTexts()
    {
        TestPanel* panel = mHost->addPanel(mCenter.data(), "Alpha");
        openMenu(true);
        QWidget* pane = mCenter->settingsWidget();
        QCOMPARE(pane->width(), 450);
        // A language whose words are longer: the panel needs more than the usual width.
        panel->control(0)->setMinimumWidth(520);
        QCoreApplication::postEvent(mCenter, new QEvent(QEvent::LanguageChange));
        QTRY_VERIFY(pane->width() > 450);
        QCOMPARE(pane->width(), expectedPaneWidth());
        QVERIFY(panel->control(0)->isVisible());
        QVERIFY(pane->mapTo(pane->window(), QPoint(pane->width(), 0)).x()
                >= panel->control(0)->mapTo(pane->window(), QPoint(520, 0)).x());
    }

    // A window too narrow for the panels: the pane scrolls sideways rather than cut them, and a
    // control half beyond its edge stays under the pointer while it is pressed.
    void narrowPaneScrollsSideways()
    {
        TestPanel* panel = mHost->addPanel(mCenter.data(), "Alpha");
        panel->control(0)->setMinimumWidth(520);
        openMenu(true);
        auto* pane = qobject_cast<QScrollArea*>(mCenter->settingsWidget());
        QVERIFY(pane);
        // The first opening already measures what the panel, never shown before, needs.
        QCOMPARE(pane->width(), expectedPaneWidth());
        QVERIFY(pane->width() > 520);
        QWindow* window = mCenter->window()->windowHandle();
        window->resize(760, window->height());
        QTRY_COMPARE(mCenter->window()->width(), 760);
        QTRY_COMPARE(pane->width(), expectedPaneWidth());
        QWidget* control = panel->control(0);
        QTRY_VERIFY(pane->horizontalScrollBar()->maximum() > 0);
        QVERIFY(control->width() >= 520);

        const int scrolled = pane->horizontalScrollBar()->value();
        const QPoint edge = pane->viewport()->mapTo(pane->window(),
                                                    QPoint(pane->viewport()->width() - 4, 0));
        const QPoint at(edge.x(), control->mapTo(pane->window(), control->rect().center()).y());
        QVERIFY(control->rect().contains(control->mapFrom(pane->window(), at)));
        QTest::mousePress(window, Qt::LeftButton, {}, at);
        QTRY_VERIFY(control->hasFocus());
        QCOMPARE(pane->horizontalScrollBar()->value(), scrolled);
        QTest::mouseRelease(window, Qt::LeftButton, {}, at);
        QCOMPARE(pane->horizontalScrollBar()->value(), scrolled);
        window->resize(TestHost::kWindowSize.width(), window->height());
        QTRY_COMPARE(mCenter->window()->width(), TestHost::kWindowSize.width());
    }
};

QTEST_MAIN(tst_ZelControlCenterSlides)
#include "tst_ZelControlCenterSlides.moc"
