#include "TestHost.h"

#include "ZelCCActionItem.h"
#include "ZelControlCenter.h"
#include "kmDMIApplication.h"
#include "zelAction.h"

#include <QApplication>
#include <QButtonGroup>
#include <QElapsedTimer>
#include <QLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSignalMapper>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include <functional>
#include <memory>

using zel::ZelControlCenter;

namespace {

const int kDebounceMs = 500;

// Runs the event loop one delivered event at a time, so that a running slide can be caught
// after its first frames.
bool waitUntil(const std::function<bool()>& pCondition)
{
    QElapsedTimer clock;
    clock.start();
    while (!pCondition() && !clock.hasExpired(5000))
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return pCondition();
}

} // namespace

class tst_ZelControlCenter : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestHost> mHost;
    std::unique_ptr<QSignalSpy> mViews;
    QPointer<ZelControlCenter> mCenter;
    QPointer<QPushButton> mHostButton;
    QElapsedTimer mSettled;

    void createCenter()
    {
        mCenter = new ZelControlCenter(mHost->application());
        mHost->showMainWindow(mCenter);
        mHostButton = new QPushButton(mCenter->window());
        mHostButton->setCheckable(true);
        mCenter->setControlCenterButton(mHostButton);
    }

    TestPanel* addPanel(const QString& pName, int pRows = 4)
    {
        TestPanel* panel = mHost->addPanel(pName, pRows);
        mCenter->registerSettingsPanel(panel);
        return panel;
    }

    // The pane sits in the host's layout, no longer below the control center.
    template<typename T = QWidget> T* part(const char* pName) const
    {
        return mCenter->window()->findChild<T*>(pName);
    }
    void click(const char* pButton)
    {
        QTest::mouseClick(part<QPushButton>(pButton), Qt::LeftButton);
    }
    bool inSettingsMode() const { return part<QPushButton>("controlCenterButton")->isChecked(); }

    zel::ZelCCActionItem* settingsItem() const
    {
        return mCenter->findChildren<zel::ZelCCActionItem*>().constFirst();
    }
    zel::zelAction* settingsAction() const { return settingsItem()->getZelAction(); }

    void openMenu()
    {
        mCenter->openMenu(true);
        QTRY_VERIFY(mCenter->isMenuOpen());
        mSettled.start();
    }

    // Opens the menu and, without waiting for it, settings mode, as a quick hand does.
    void openSettings()
    {
        mCenter->openMenu(true);
        QTest::mouseClick(settingsItem()->findChild<QPushButton*>("actionButton"),
                          Qt::LeftButton);
        QTRY_VERIFY(mCenter->isMenuOpen() && mCenter->isSettingsOpen());
        mSettled.start();
    }

    void waitClosed() { QTRY_VERIFY(!mCenter->isMenuOpen() && mCenter->isHidden()); }

    // A press once the control center listens again: it ignores presses for a while after
    // the last press or resize. Through the window, it arrives as a real one does.
    void press(QWidget* pWidget, bool pThroughWindow = false)
    {
        QTRY_VERIFY(mSettled.hasExpired(kDebounceMs + 50));
        if (pThroughWindow) {
            QTest::mouseClick(pWidget->window()->windowHandle(), Qt::LeftButton, {},
                              pWidget->mapTo(pWidget->window(), pWidget->rect().center()));
        } else {
            QTest::mouseClick(pWidget, Qt::LeftButton);
        }
        mSettled.start();
        QCoreApplication::processEvents();
    }

    // The host saw as many pauses as resumes of its view, which runs.
    bool viewsBalanced() const
    {
        int paused = 0;
        for (const QList<QVariant>& call : *mViews)
            paused += call.at(0).toBool() ? -1 : 1;
        return paused == 0 && mHost->application()->areViewUpdatesEnabled();
    }

private Q_SLOTS:
    void initTestCase() { TestHost::PrepareTestRun(); }

    void init()
    {
        mHost = std::make_unique<TestHost>();
        mViews = std::make_unique<QSignalSpy>(
            mHost->application(), &zel::kmDMIApplication::viewUpdatesEnabledChanged);
    }

    void cleanup()
    {
        mHost.reset();
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void registration()
    {
        createCenter();
        TestPanel* alpha = addPanel("Alpha");
        TestPanel* beta = addPanel("Beta");
        QWidget* tabs = part("applicationSettings");
        QWidget* frame = part("applicationFrame");
        QCOMPARE(tabs->layout()->itemAt(1)->widget(), beta->getActionWidget());
        QCOMPARE(frame->layout()->itemAt(1)->widget(), beta);
        QCOMPARE(alpha->initializeCount, 1);
        QVERIFY(mCenter->findChild<QButtonGroup*>()->exclusive());
        // A panel renamed after registration is still found by its first name.
        beta->setPanelName("Gamma");
        QCOMPARE(mCenter->findChild<QSignalMapper*>()->mapping("Beta"), beta->getActionWidget());
        // Edits in an unregistered panel are none of the control center's business.
        alpha->edit(1, 500);
        QVERIFY(mCenter->hasModifications());
        mCenter->unregisterSettingsPanel(alpha);
        mCenter->unregisterSettingsPanel(alpha);
        QCOMPARE(tabs->layout()->count(), 1);
        QCOMPARE(frame->layout()->count(), 1);
        QCOMPARE(mCenter->findChild<QButtonGroup*>()->buttons().size(), 1);
        QVERIFY(!alpha->parentWidget() && !alpha->getActionWidget()->parentWidget());
        QVERIFY(!mCenter->hasModifications());
    }

    void destroyingCenterReleasesPanels()
    {
        createCenter();
        TestPanel* alpha = addPanel("Alpha");
        QPointer<QPushButton> button = alpha->getActionWidget();
        mHost->closeMainWindow();
        QVERIFY(!alpha->parentWidget() && !button->parentWidget());
        delete alpha;
        QVERIFY(button.isNull());
    }

    void destroyedPanelIsForgotten()
    {
        createCenter();
        TestPanel* alpha = addPanel("Alpha");
        TestPanel* beta = addPanel("Beta");
        openSettings();
        alpha->edit(3, "pending");
        delete alpha;
        QCOMPARE(part("applicationSettings")->layout()->count(), 1);
        QCOMPARE(part("applicationFrame")->layout()->count(), 1);
        MessageBoxAnswerer answerer(QMessageBox::Cancel);
        QVERIFY(!mCenter->hasModifications());
        click("applyButton");
        click("resetButton");
        QCOMPARE(beta->applyCount + beta->resetCount, 2);
        mCenter->openMenu(false);
        waitClosed();
        QCOMPARE(answerer.count(), 0);
        openSettings();
        QCOMPARE(beta->initializeCount, 3);
    }

    void menuOpensAndCloses()
    {
        createCenter();
        QVERIFY(mCenter->isHidden() && mCenter->settingsWidget()->isHidden());
        QCOMPARE(part<QPushButton>("controlCenterButton")->text(),
                 QString("Application Settings"));
        QCOMPARE(part<QPushButton>("applyButton")->text(), QString("Apply"));
        QCOMPARE(mCenter->findChildren<zel::ZelCCActionItem*>().size(), 1);
        QCOMPARE(settingsAction()->getActionGuiName(), QString("Settings"));
        QCOMPARE(settingsAction()->statusTip(),
                 QString("Change the settings of the application"));
        mCenter->openMenu(true);
        QVERIFY(mHostButton->isChecked() && !mCenter->isMenuOpen());
        QTRY_VERIFY(mCenter->isMenuOpen());
        QCOMPARE(mCenter->controlCenterWidth(), 250);
        QVERIFY(part("preferenceFrame")->isHidden() && part("actionFrame")->isVisible());
        // Opened again, nothing slides, yet the view must run again (so for every flow).
        mViews->clear();
        mCenter->openMenu(true);
        QVERIFY(mCenter->isMenuOpen() && mViews->count() == 2 && viewsBalanced());
        mCenter->openMenu(false);
        QVERIFY(!mHostButton->isChecked() && mCenter->isMenuOpen());
        waitClosed();
        QCOMPARE(mCenter->controlCenterWidth(), 0);
        QTRY_VERIFY(viewsBalanced());
        // The host's button may go first; the control center does not touch it any more.
        delete mHostButton;
        openMenu();
    }

    void reversingKeepsTheSlideInPlace()
    {
        createCenter();
        mCenter->openMenu(true);
        QVERIFY(waitUntil([this] { return mCenter->controlCenterWidth() > 0; }));
        const int reached = mCenter->controlCenterWidth();
        QVERIFY2(reached < 250, "the opening slide ended before it could be reversed");
        // The slide turns back from where it is, and the menu never counts as open.
        mCenter->openMenu(false);
        int widest = reached;
        bool everOpen = false;
        QVERIFY(waitUntil([&] {
            widest = qMax(widest, mCenter->controlCenterWidth());
            everOpen = everOpen || mCenter->isMenuOpen();
            return mCenter->isHidden() && mCenter->controlCenterWidth() == 0;
        }));
        QCOMPARE(widest, reached);
        QVERIFY(!everOpen);
        QTRY_VERIFY(viewsBalanced());
    }

    void settingsMode()
    {
        createCenter();
        TestPanel* alpha = addPanel("Alpha");
        openMenu();
        const int listHeight = part("actionFrame")->height();
        MessageBoxAnswerer answerer(QMessageBox::Cancel);
        // The flags change when the slides end.
        settingsAction()->trigger();
        QVERIFY(inSettingsMode() && !part("preferenceFrame")->isHidden());
        QVERIFY(!mCenter->isSettingsOpen());
        QTRY_VERIFY(mCenter->isSettingsOpen());
        QVERIFY(part("actionFrame")->isHidden());
        QCOMPARE(mCenter->settingsWidth(), 450);
        QCOMPARE(alpha->initializeCount, 2);
        // Leaving through the action asks nothing and keeps the edits.
        alpha->edit(1, 999);
        settingsAction()->trigger();
        QTRY_VERIFY(!mCenter->isSettingsOpen());
        QVERIFY(mCenter->settingsWidget()->isHidden() && part("preferenceFrame")->isHidden());
        QTRY_COMPARE(part("actionFrame")->height(), listHeight);
        QVERIFY(mCenter->hasModifications());
        QTRY_VERIFY(viewsBalanced());
        // Entering again re-reads every panel: the edits go, still without a prompt.
        settingsAction()->trigger();
        QTRY_VERIFY(mCenter->isSettingsOpen());
        QCOMPARE(alpha->initializeCount, 3);
        QVERIFY(!mCenter->hasModifications());
        QCOMPARE(answerer.count(), 0);
    }

    void leavingWhileTheListCollapses()
    {
        createCenter();
        addPanel("Alpha");
        openMenu();
        settingsAction()->trigger();
        settingsAction()->trigger();
        QTRY_COMPARE(part("actionFrame")->maximumHeight(), QWIDGETSIZE_MAX);
        QVERIFY(part("preferenceFrame")->isHidden() && part("actionFrame")->isVisible());
        QVERIFY(!mCenter->isSettingsOpen() && mCenter->settingsWidget()->isHidden());
        QTRY_VERIFY(viewsBalanced());
        // The menu still works as before.
        mCenter->openMenu(false);
        waitClosed();
        openMenu();
        QVERIFY(part("actionFrame")->isVisible());
        openSettings();
    }

    void tabsScrollThePane()
    {
        createCenter();
        TestPanel* alpha = addPanel("Alpha", 30);
        TestPanel* beta = addPanel("Beta", 30);
        addPanel("Gamma", 30);
        openSettings();
        auto* bar = static_cast<QScrollArea*>(mCenter->settingsWidget())->verticalScrollBar();
        const int frameTop = part("applicationFrame")->y();
        QTest::mouseClick(beta->getActionWidget(), Qt::LeftButton);
        QTRY_COMPARE(bar->value(), frameTop + beta->y());
        QVERIFY(beta->getActionWidget()->isChecked());
        // Scrolling by hand checks the tab of the panel at the top.
        bar->setValue(frameTop + alpha->y() + 20);
        QVERIFY(alpha->getActionWidget()->isChecked());
    }

    void outsidePresses_data()
    {
        // Through the window, the press arrives first for the window, as a real one does.
        QTest::addColumn<bool>("withHandler");
        QTest::addColumn<bool>("throughWindow");
        QTest::addColumn<QStringList>("keptOpen");
        QTest::addColumn<QStringList>("closing");
        const QStringList all{"overlay", "secondaryArea", "outside", "mainPanel"};
        QTest::addRow("GUI handler set") << true << false << all << QStringList{"view"};
        QTest::addRow("through the window") << true << true << QStringList{"overlay"}
                                            << QStringList{"view"};
        QTest::addRow("no GUI handler") << false << false << QStringList{"outside", "mainPanel"}
                                        << QStringList{"overlay", "secondaryArea"};
    }

    void outsidePresses()
    {
        QFETCH(bool, withHandler);
        QFETCH(bool, throughWindow);
        QFETCH(QStringList, keptOpen);
        QFETCH(QStringList, closing);
        createCenter();
        if (withHandler)
            mCenter->setGUIHandler(mHost->area("view"));
        addPanel("Alpha");
        MessageBoxAnswerer answerer(QMessageBox::Cancel);
        openSettings();
        for (const QString& name : keptOpen) {
            press(mHost->area(qPrintable(name)), throughWindow);
            QVERIFY2(mHostButton->isChecked() && inSettingsMode(), qPrintable(name));
        }
        // Nothing is pending: a press that counts closes everything without a prompt.
        for (const QString& name : closing) {
            if (!mCenter->isMenuOpen())
                openSettings();
            press(mHost->area(qPrintable(name)), throughWindow);
            waitClosed();
            QVERIFY2(!mCenter->isSettingsOpen(), qPrintable(name));
        }
        QCOMPARE(answerer.count(), 0);
        QTRY_VERIFY(viewsBalanced());
    }

    void pressOnAnotherWindowOverTheArea()
    {
        // A window of its own over the 3D view, as a combo box's list that reaches out of the
        // pane or the discard prompt itself: choosing in it leaves everything open.
        createCenter();
        addPanel("Alpha");
        openSettings();
        QWidget* view = mHost->area("view");
        QWidget popup(nullptr, Qt::Tool | Qt::FramelessWindowHint);
        popup.setGeometry(QRect(view->mapToGlobal(view->rect().center()) - QPoint(40, 40),
                                QSize(80, 80)));
        popup.show();
        QVERIFY(QTest::qWaitForWindowExposed(&popup));
        mSettled.start();
        press(&popup);
        QVERIFY(mHostButton->isChecked() && inSettingsMode());
        // The same spot of the view itself closes it.
        popup.hide();
        mSettled.start();
        press(view);
        waitClosed();
    }

    void debounce_data()
    {
        QTest::addColumn<bool>("afterResize");
        QTest::addRow("after a press") << false;
        QTest::addRow("after a resize") << true;
    }

    void debounce()
    {
        QFETCH(bool, afterResize);
        createCenter();
        openMenu();
        if (afterResize) {
            QTRY_VERIFY(mSettled.hasExpired(kDebounceMs + 50));
            const QSize larger = mHost->mainWindow()->size() + QSize(40, 0);
            mHost->mainWindow()->resize(larger);
            QTRY_COMPARE(mHost->mainWindow()->size(), larger);
            mSettled.start();
        } else {
            press(mHost->area("outside"));
        }
        QTest::mouseClick(mHost->area("view"), Qt::LeftButton);
        QCoreApplication::processEvents();
        QVERIFY(mHostButton->isChecked());
        press(mHost->area("view"));
        waitClosed();
        QTRY_VERIFY(viewsBalanced());
    }

    void closingWithPendingEdits_data()
    {
        QTest::addColumn<bool>("byPress");
        QTest::addColumn<int>("answer");
        for (bool byPress : {true, false}) {
            const char* how = byPress ? "press" : "closed by the host";
            QTest::addRow("%s, cancel", how) << byPress << int(QMessageBox::Cancel);
            QTest::addRow("%s, no choice", how) << byPress << int(QMessageBox::NoButton);
            QTest::addRow("%s, discard", how) << byPress << int(QMessageBox::Discard);
        }
    }

    void closingWithPendingEdits()
    {
        QFETCH(bool, byPress);
        QFETCH(int, answer);
        const bool closes = answer == QMessageBox::Discard;
        createCenter();
        TestPanel* alpha = addPanel("Alpha");
        mHost->settings().setValue("beta/row1", "42");
        TestPanel* beta = addPanel("Beta");
        openSettings();
        beta->edit(1, 77);
        MessageBoxAnswerer answerer{QMessageBox::StandardButton(answer)};
        if (byPress)
            press(mHost->area("view"));
        else
            mCenter->openMenu(false);
        QTRY_COMPARE(answerer.count(), 1);
        QVERIFY(answerer.titles.first().isEmpty());
        QCOMPARE(answerer.texts.first(),
                 QString("You have pending modifications. Discard your changes?"));
        QCOMPARE(answerer.lastParent, mHost->mainWindow());
        if (closes)
            waitClosed();
        else
            QCOMPARE(mCenter->settingsWidth(), 450);
        // Cancelled, everything stays open with the edits; discarded, the stored values return.
        QCOMPARE(mCenter->isMenuOpen(), !closes);
        QCOMPARE(mCenter->isSettingsOpen(), !closes);
        QCOMPARE(beta->widgetValue(1), QString(closes ? "42" : "77"));
        QCOMPARE(alpha->initializeCount, closes ? 3 : 2);
        QCOMPARE(beta->storedValue(1), QString("42"));
        QCOMPARE(answerer.count(), 1);
        QTRY_VERIFY(viewsBalanced());
    }

    void apply_data()
    {
        // Per panel: whether it holds an edit and whether that edit needs a restart.
        QTest::addColumn<QList<bool>>("edited");
        QTest::addColumn<QList<bool>>("restart");
        QTest::addColumn<int>("notices");
        using B = QList<bool>;
        QTest::addRow("no panels") << B{} << B{} << 0;
        QTest::addRow("nothing pending") << B{false, false} << B{true, true} << 0;
        QTest::addRow("edits, no restart") << B{true, true} << B{false, false} << 0;
        QTest::addRow("one restart") << B{false, true, false} << B{false, true, false} << 1;
        QTest::addRow("several restarts, one notice") << B{true, true} << B{true, true} << 1;
        QTest::addRow("restart first, later panels applied")
            << B{true, false, true} << B{true, false, false} << 1;
    }

    void apply()
    {
        QFETCH(QList<bool>, edited);
        QFETCH(QList<bool>, restart);
        QFETCH(int, notices);
        createCenter();
        QList<TestPanel*> panels;
        for (int i = 0; i < edited.size(); ++i) {
            panels.append(addPanel(QStringLiteral("Panel %1").arg(i)));
            panels.last()->setRestartRows(restart.at(i) ? QList<int>{1} : QList<int>{});
        }
        openSettings();
        const auto editAll = [&](int pBase) {
            for (int i = 0; i < panels.size(); ++i) {
                if (edited.at(i))
                    panels.at(i)->edit(1, pBase + i);
            }
        };
        editAll(500);
        MessageBoxAnswerer answerer(QMessageBox::Ok);
        click("applyButton");
        QCOMPARE(answerer.count(), notices);
        if (notices) {
            QCOMPARE(answerer.titles.first(), QString("Settings Modification"));
            QCOMPARE(answerer.texts.first(), QString("You need to restart your application to "
                                                     "turn settings modification effective."));
            QCOMPARE(answerer.lastParent, mHost->mainWindow());
        }
        for (int i = 0; i < panels.size(); ++i) {
            QCOMPARE(panels.at(i)->applyCount, 1);
            QCOMPARE(mHost->settings().value(panels.at(i)->key(1)).toString(),
                     edited.at(i) ? QString::number(500 + i) : QString());
        }
        QVERIFY(!mCenter->hasModifications() && mCenter->isSettingsOpen());
        // The host applies without any notice: it learns of the restart from the result.
        editAll(700);
        QCOMPARE(mCenter->applyModifications(), notices > 0);
        QVERIFY(!mCenter->hasModifications());
        QCoreApplication::processEvents();
        QCOMPARE(answerer.count(), notices);
    }

    void reset()
    {
        createCenter();
        mHost->settings().setValue("alpha/row1", "77");
        mHost->settings().setValue("beta/row2", "9.25");
        TestPanel* alpha = addPanel("Alpha");
        TestPanel* beta = addPanel("Beta");
        openSettings();
        click("resetButton");
        QCOMPARE(alpha->widgetValue(1), alpha->defaultValue(1));
        QCOMPARE(beta->widgetValue(2), beta->defaultValue(2));
        QCOMPARE(alpha->storedValue(1), QString("77"));
        QVERIFY(mCenter->hasModifications());
        click("applyButton");
        QCOMPARE(alpha->storedValue(1), alpha->defaultValue(1));
        QVERIFY(mHost->settings().contains(beta->key(2)));
        QVERIFY(!mCenter->hasModifications());
    }

    void viewUpdatesPaired()
    {
        // Settings mode asked for again: nothing slides, yet the view must run again.
        createCenter();
        addPanel("Alpha", 30);
        openSettings();
        mViews->clear();
        mCenter->setControlCenterVisible(true);
        QVERIFY(!mViews->isEmpty());
        QTRY_VERIFY(viewsBalanced());
        QVERIFY(mCenter->isSettingsOpen());
    }

    void destroyedMidSlideGivesTheViewBack()
    {
        createCenter();
        mCenter->openMenu(true);
        QVERIFY(!mHost->application()->areViewUpdatesEnabled());
        mHost->closeMainWindow();
        QVERIFY(viewsBalanced());
    }
};

QTEST_MAIN(tst_ZelControlCenter)
#include "tst_ZelControlCenter.moc"
