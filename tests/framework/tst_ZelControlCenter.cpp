#include "TestHost.h"

#include "ZelCCActionItem.h"
#include "zelAction.h"

#include <QElapsedTimer>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalMapper>
#include <QSignalSpy>
#include <QWindow>

// Presses come through again this long after the last press or resize.
static const int kDebounceMs = 500;

class tst_ZelControlCenter : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestHost> mHost;
    std::unique_ptr<QSignalSpy> mViews;
    QPointer<zel::ZelControlCenter> mCenter;
    QPointer<QPushButton> mHostButton;
    QElapsedTimer mSettled;

    // The pane sits in the host's layout, no longer below the control center.
    template<typename T = QWidget> T* part(const char* pName) const
    {
        return mCenter->window()->findChild<T*>(pName);
    }
    bool inSettingsMode() const { return part<QPushButton>("controlCenterButton")->isChecked(); }
    // "Settings" is the only action here.
    zel::zelAction* settingsAction() const
    {
        return mCenter->findChild<zel::ZelCCActionItem*>()->getZelAction();
    }
    // Settings mode is clicked without waiting for the menu, as a quick hand does.
    void openMenu(bool pSettings = false)
    {
        mCenter->openMenu(true);
        if (pSettings)
            QTest::mouseClick(part<QPushButton>("actionButton"), Qt::LeftButton);
        QTRY_VERIFY(mCenter->isMenuOpen() && mCenter->isSettingsOpen() == pSettings);
        mSettled.start();
    }
    void waitClosed() { QTRY_VERIFY(!mCenter->isMenuOpen() && mCenter->isHidden()); }
    // A press once the control center listens again. Through the window, it arrives as a real
    // one does.
    void press(QWidget* pWidget, bool pThroughWindow = false, bool pWait = true)
    {
        if (pWait)
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
        mCenter = mHost->showMainWindow()->findChild<zel::ZelControlCenter*>();
        mHostButton = new QPushButton(mCenter->window());
        mHostButton->setCheckable(true);
        mCenter->setControlCenterButton(mHostButton);
    }
    void cleanup()
    {
        // Whatever a test did, the host's view runs again once the slides are over.
        const bool balanced = QTest::qWaitFor([this] { return viewsBalanced(); });
        mHost.reset();
        QVERIFY(balanced);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void registration()
    {
        TestPanel* alpha = mHost->addPanel(mCenter.data(), "Alpha");
        TestPanel* beta = mHost->addPanel(mCenter.data(), "Beta");
        QWidget* tabs = part("applicationSettings");
        QWidget* frame = part("applicationFrame");
        QCOMPARE(tabs->layout()->itemAt(1)->widget(), beta->getActionWidget());
        QCOMPARE(frame->layout()->itemAt(1)->widget(), beta);
        QCOMPARE(alpha->initializeCount, 1);
        // A panel renamed after registration is still found by its first name.
        beta->setPanelName("Gamma");
        QCOMPARE(mCenter->findChild<QSignalMapper*>()->mapping("Beta"), beta->getActionWidget());
        // Edits in an unregistered panel are none of the control center's business.
        alpha->edit(1, 500);
        QVERIFY(mCenter->hasModifications());
        mCenter->unregisterSettingsPanel(alpha);
        mCenter->unregisterSettingsPanel(alpha);
        QVERIFY(tabs->layout()->count() == 1 && frame->layout()->count() == 1);
        QVERIFY(!alpha->parentWidget() && !alpha->getActionWidget()->parentWidget());
        QVERIFY(!mCenter->hasModifications());
        // Destroyed mid-slide, the control center gives the host its view and panels back.
        QPointer<QPushButton> tab = beta->getActionWidget();
        mCenter->openMenu(true);
        QVERIFY(!mHost->application()->areViewUpdatesEnabled());
        mHost->closeMainWindow();
        QVERIFY(viewsBalanced());
        QVERIFY(!beta->parentWidget() && !tab->parentWidget());
        delete beta;
        QVERIFY(tab.isNull());
    }

    void destroyedPanelIsForgotten()
    {
        TestPanel* alpha = mHost->addPanel(mCenter.data(), "Alpha");
        mHost->settings().setValue("beta/row1", "77");
        TestPanel* beta = mHost->addPanel(mCenter.data(), "Beta");
        openMenu(true);
        alpha->edit(3, "pending");
        delete alpha;
        QVERIFY(part("applicationSettings")->layout()->count() == 1
                && part("applicationFrame")->layout()->count() == 1);
        MessageBoxAnswerer answerer(QMessageBox::Cancel);
        QVERIFY(!mCenter->hasModifications());
        // Reset shows the defaults of the panels left, which Apply stores.
        QTest::mouseClick(part<QPushButton>("resetButton"), Qt::LeftButton);
        QCOMPARE(beta->widgetValue(1), beta->defaultValue(1));
        QVERIFY(mCenter->hasModifications() && beta->storedValue(1) == "77");
        QTest::mouseClick(part<QPushButton>("applyButton"), Qt::LeftButton);
        QCOMPARE(beta->storedValue(1), beta->defaultValue(1));
        QVERIFY(!mCenter->hasModifications());
        mCenter->openMenu(false);
        waitClosed();
        QCOMPARE(answerer.count(), 0);
        openMenu(true);
    }

    void menuOpensAndCloses()
    {
        QVERIFY(mCenter->isHidden() && mCenter->settingsWidget()->isHidden());
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
        // Closed while it opens, the slide turns back from where it is, and the menu never
        // counts as open.
        mCenter->openMenu(true);
        QVERIFY(QTest::qWaitFor([this] { return mCenter->controlCenterWidth() > 0; }));
        const int reached = mCenter->controlCenterWidth();
        QVERIFY2(reached < 250, "the opening slide ended before it could be reversed");
        mCenter->openMenu(false);
        int widest = reached;
        bool everOpen = false;
        QVERIFY(QTest::qWaitFor([&] {
            widest = qMax(widest, mCenter->controlCenterWidth());
            everOpen = everOpen || mCenter->isMenuOpen();
            return mCenter->isHidden() && mCenter->controlCenterWidth() == 0;
        }));
        QVERIFY(widest == reached && !everOpen);
        // The host's button may go first; the control center does not touch it any more.
        delete mHostButton;
        openMenu();
    }

    void settingsMode()
    {
        TestPanel* alpha = mHost->addPanel(mCenter.data(), "Alpha");
        openMenu();
        const int listHeight = part("actionFrame")->height();
        MessageBoxAnswerer answerer(QMessageBox::Cancel);
        // The flags change when the slides end.
        settingsAction()->trigger();
        QVERIFY(inSettingsMode() && !part("preferenceFrame")->isHidden());
        QVERIFY(!mCenter->isSettingsOpen());
        QTRY_VERIFY(mCenter->isSettingsOpen());
        QVERIFY(part("actionFrame")->isHidden() && mCenter->settingsWidth() == 450);
        QCOMPARE(alpha->initializeCount, 2);
        // Leaving through the action asks nothing and keeps the edits.
        alpha->edit(1, 999);
        settingsAction()->trigger();
        QTRY_VERIFY(!mCenter->isSettingsOpen());
        QVERIFY(mCenter->settingsWidget()->isHidden() && part("preferenceFrame")->isHidden());
        QTRY_COMPARE(part("actionFrame")->height(), listHeight);
        QVERIFY(mCenter->hasModifications());
        // Entering again re-reads every panel: the edits go, still without a prompt.
        settingsAction()->trigger();
        QTRY_VERIFY(mCenter->isSettingsOpen());
        QCOMPARE(alpha->initializeCount, 3);
        QVERIFY(!mCenter->hasModifications() && answerer.count() == 0);
        // Asked for again, nothing slides, yet the view must run again.
        mViews->clear();
        mCenter->setControlCenterVisible(true);
        QVERIFY(!mViews->isEmpty() && mCenter->isSettingsOpen());
        QTRY_VERIFY(viewsBalanced());
        // Left while the action list still collapses, settings mode ends at once.
        settingsAction()->trigger();
        QTRY_COMPARE(part("actionFrame")->height(), listHeight);
        settingsAction()->trigger();
        settingsAction()->trigger();
        QTRY_COMPARE(part("actionFrame")->maximumHeight(), QWIDGETSIZE_MAX);
        QVERIFY(part("preferenceFrame")->isHidden() && part("actionFrame")->isVisible());
        QVERIFY(!mCenter->isSettingsOpen() && mCenter->settingsWidget()->isHidden());
        // The menu still works as before.
        mCenter->openMenu(false);
        waitClosed();
        openMenu();
        openMenu(true);
    }

    void tabsScrollThePane()
    {
        TestPanel* alpha = mHost->addPanel(mCenter.data(), "Alpha", 30);
        TestPanel* beta = mHost->addPanel(mCenter.data(), "Beta", 30);
        mHost->addPanel(mCenter.data(), "Gamma", 30);
        openMenu(true);
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
        using L = QStringList;
        const L all{"overlay", "secondaryArea", "outside", "mainPanel"};
        QTest::addRow("GUI handler set") << true << false << all << L{"view"};
        QTest::addRow("through the window") << true << true << L{"overlay"} << L{"view"};
        QTest::addRow("no GUI handler") << false << false << L{"outside", "mainPanel"}
                                        << L{"overlay", "secondaryArea"};
    }
    void outsidePresses()
    {
        QFETCH(bool, withHandler);
        QFETCH(bool, throughWindow);
        QFETCH(QStringList, keptOpen);
        QFETCH(QStringList, closing);
        if (withHandler)
            mCenter->setGUIHandler(mHost->area("view"));
        mHost->addPanel(mCenter.data(), "Alpha");
        MessageBoxAnswerer answerer(QMessageBox::Cancel);
        openMenu(true);
        for (const QString& name : keptOpen) {
            press(mHost->area(qPrintable(name)), throughWindow);
            QVERIFY2(mHostButton->isChecked() && inSettingsMode(), qPrintable(name));
        }
        // Too soon after the last press, a press that would count is ignored.
        press(mHost->area(qPrintable(closing.first())), throughWindow, false);
        QVERIFY(mHostButton->isChecked() && inSettingsMode());
        // Nothing is pending: a press that counts closes everything without a prompt.
        for (const QString& name : closing) {
            if (!mCenter->isMenuOpen())
                openMenu(true);
            press(mHost->area(qPrintable(name)), throughWindow);
            waitClosed();
            QVERIFY2(!mCenter->isSettingsOpen(), qPrintable(name));
        }
        QCOMPARE(answerer.count(), 0);
    }

    void pressOnAnotherWindowOverTheArea()
    {
        // A window of its own over the 3D view, as a combo box's list that reaches out of the
        // pane or the discard prompt itself: choosing in it leaves everything open.
        mHost->addPanel(mCenter.data(), "Alpha");
        openMenu(true);
        QWidget* view = mHost->area("view");
        QWidget popup(nullptr, Qt::Tool | Qt::FramelessWindowHint);
        popup.setGeometry(QRect(view->mapToGlobal(view->rect().center()) - QPoint(40, 40),
                                QSize(80, 80)));
        popup.show();
        QVERIFY(QTest::qWaitForWindowExposed(&popup));
        mSettled.start();
        press(&popup);
        QVERIFY(mHostButton->isChecked() && inSettingsMode());
        popup.hide();
        // A resize of the window starts the debounce again; then the view itself closes it.
        QTRY_VERIFY(mSettled.hasExpired(kDebounceMs + 50));
        const QSize larger = mHost->mainWindow()->size() + QSize(40, 0);
        mHost->mainWindow()->resize(larger);
        QTRY_COMPARE(mHost->mainWindow()->size(), larger);
        press(view, false, false);
        QVERIFY(mHostButton->isChecked());
        press(view);
        waitClosed();
    }

    void closingWithPendingEdits_data()
    {
        QTest::addColumn<bool>("byPress");
        QTest::addColumn<int>("answer");
        QTest::addRow("press, cancel") << true << int(QMessageBox::Cancel);
        QTest::addRow("press, no choice") << true << int(QMessageBox::NoButton);
        QTest::addRow("press, discard") << true << int(QMessageBox::Discard);
        QTest::addRow("closed by the host, cancel") << false << int(QMessageBox::Cancel);
        QTest::addRow("closed by the host, discard") << false << int(QMessageBox::Discard);
    }
    void closingWithPendingEdits()
    {
        QFETCH(bool, byPress);
        QFETCH(int, answer);
        const bool closes = answer == QMessageBox::Discard;
        TestPanel* alpha = mHost->addPanel(mCenter.data(), "Alpha");
        mHost->settings().setValue("beta/row1", "42");
        TestPanel* beta = mHost->addPanel(mCenter.data(), "Beta");
        openMenu(true);
        beta->edit(1, 77);
        MessageBoxAnswerer answerer{QMessageBox::StandardButton(answer)};
        if (byPress)
            press(mHost->area("view"));
        else
            mCenter->openMenu(false);
        QTRY_COMPARE(answerer.count(), 1);
        QCOMPARE(answerer.boxes.first(),
                 QString(": You have pending modifications. Discard your changes?"));
        QCOMPARE(answerer.lastParent, mHost->mainWindow());
        // Cancelled, everything stays open with the edits; discarded, the stored values return.
        if (closes)
            waitClosed();
        QVERIFY(mCenter->isSettingsOpen() != closes && mCenter->isMenuOpen() != closes);
        QCOMPARE(mCenter->settingsWidth(), closes ? 0 : 450);
        QCOMPARE(beta->widgetValue(1), QString(closes ? "42" : "77"));
        QCOMPARE(alpha->initializeCount, closes ? 3 : 2);
        QVERIFY(beta->storedValue(1) == "42" && answerer.count() == 1);
    }

    void apply_data()
    {
        // Per panel: whether it holds an edit and whether that edit needs a restart.
        QTest::addColumn<QList<bool>>("edited");
        QTest::addColumn<QList<bool>>("restart");
        QTest::addColumn<int>("notices");
        using B = QList<bool>;
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
        QList<TestPanel*> panels;
        for (int i = 0; i < edited.size(); ++i) {
            panels.append(mHost->addPanel(mCenter.data(), QStringLiteral("Panel %1").arg(i)));
            panels.last()->needsRestart = restart.at(i);
        }
        openMenu(true);
        MessageBoxAnswerer answerer(QMessageBox::Ok);
        // Applied by the user, with the notice; then by the host, without: it learns of the
        // restart from the result.
        for (int value : {500, 700}) {
            for (int i = 0; i < panels.size(); ++i) {
                if (edited.at(i))
                    panels.at(i)->edit(1, value + i);
            }
            if (value == 500)
                QTest::mouseClick(part<QPushButton>("applyButton"), Qt::LeftButton);
            else
                QCOMPARE(mCenter->applyModifications(), notices > 0);
            QCoreApplication::processEvents();
            QCOMPARE(answerer.count(), notices);
            QVERIFY(!mCenter->hasModifications() && mCenter->isSettingsOpen());
            for (int i = 0; i < panels.size(); ++i) {
                QCOMPARE(mHost->settings().value(panels.at(i)->key(1)).toString(),
                         edited.at(i) ? QString::number(value + i) : QString());
            }
        }
        if (notices) {
            QCOMPARE(answerer.boxes.first(), QString("Settings Modification: You need to restart "
                                                     "your application to turn settings "
                                                     "modification effective."));
            QCOMPARE(answerer.lastParent, mHost->mainWindow());
        }
    }
};

QTEST_MAIN(tst_ZelControlCenter)
#include "tst_ZelControlCenter.moc"
