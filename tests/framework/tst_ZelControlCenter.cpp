#include "ControlCenterFixture.h"
#include "TestInput.h"
#include "ZelCCActionItem.h"
#include "ZelControlCenter.h"
#include "zelAction.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QResizeEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalMapper>
#include <QSignalSpy>
#include <QWindow>

// The control center as a person meets it: its registration, the menu and settings mode opened
// and closed by presses and keys, presses outside it, edits and the prompt for pending ones.
class tst_ZelControlCenter : public ControlCenterFixture
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { TestHost::PrepareTestRun(); }
    void init() { setUp(); }
    void cleanup() { tearDown(); }

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

    void paneDeletedFirst()
    {
        // A host that tears its layout down first deletes the pane, and the panels in it.
        QPointer<TestPanel> alpha = mHost->addPanel(mCenter.data(), "Alpha");
        openMenu(true);
        delete mCenter->settingsWidget();
        QVERIFY(alpha.isNull() && !mCenter->settingsWidget() && mCenter->settingsWidth() == 0);
        QVERIFY(!mCenter->hasModifications());
        mHost->closeMainWindow();
        QVERIFY(mCenter.isNull());
    }

    void destroyedPanelIsForgotten()
    {
        TestPanel* alpha = mHost->addPanel(mCenter.data(), "Alpha");
        mHost->settings().setValue("beta/row1", "77");
        TestPanel* beta = mHost->addPanel(mCenter.data(), "Beta");
        openMenu(true);
        zeltest::Type(alpha->control(3), "pending");
        delete alpha;
        QVERIFY(part("applicationSettings")->layout()->count() == 1
                && part("applicationFrame")->layout()->count() == 1);
        zeltest::MessageBoxAnswerer answerer(QMessageBox::Cancel);
        QVERIFY(!mCenter->hasModifications());
        // Reset shows the defaults of the panels left, which Apply stores.
        press(part("resetButton"));
        QCOMPARE(beta->widgetValue(1), beta->defaultValue(1));
        QVERIFY(mCenter->hasModifications() && beta->storedValue(1) == "77");
        press(part("applyButton"));
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
        mCenter->openMenu(true);
        QTRY_VERIFY(mCenter->isMenuOpen());
    }

    void settingsMode()
    {
        TestPanel* alpha = mHost->addPanel(mCenter.data(), "Alpha");
        openMenu();
        const int listHeight = part("actionFrame")->height();
        zeltest::MessageBoxAnswerer answerer(QMessageBox::Cancel);
        // The flags change when the slides end; the list collapses from its own height.
        int tallest = 0;
        press(itemButton("Settings"));
        QVERIFY(inSettingsMode() && !part("preferenceFrame")->isHidden());
        QVERIFY(!mCenter->isSettingsOpen());
        QTRY_VERIFY((tallest = qMax(tallest, mCenter->actionHeight()), mCenter->isSettingsOpen()));
        QVERIFY(tallest <= listHeight);
        QVERIFY(part("actionFrame")->isHidden() && mCenter->settingsWidth() == 450);
        // Once the slide is over, the panels take the pane's width, less its scroll bar.
        const QScrollBar* bar =
            static_cast<QScrollArea*>(mCenter->settingsWidget())->verticalScrollBar();
        const int contentWidth = part("settingsContent")->width();
        QCOMPARE(contentWidth, 450 - (bar->isVisible() ? bar->width() : 0));
        // Read when the menu opened and again when the pane opened.
        QCOMPARE(alpha->initializeCount, 3);
        // Leaving through the action asks nothing and keeps the edits.
        zeltest::Type(alpha->control(1), "999");
        settingsAction()->trigger();
        QTRY_VERIFY(!mCenter->isSettingsOpen());
        QVERIFY(mCenter->settingsWidget()->isHidden() && part("preferenceFrame")->isHidden());
        // The closed pane's panels stay laid out for the next opening.
        QCOMPARE(part("settingsContent")->maximumWidth(), contentWidth);
        QTRY_COMPARE(part("actionFrame")->height(), listHeight);
        QVERIFY(mCenter->hasModifications());
        // Entering again re-reads every panel: the edits go, still without a prompt.
        press(itemButton("Settings"));
        QTRY_VERIFY(mCenter->isSettingsOpen());
        QCOMPARE(alpha->initializeCount, 4);
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
        openMenu(true);
    }


    void outsidePresses_data()
    {
        QTest::addColumn<bool>("withHandler");
        QTest::addColumn<QStringList>("keptOpen");
        QTest::addColumn<QStringList>("closing");
        using L = QStringList;
        // The control center and its pane lie over the primary area: presses on them are
        // theirs, wherever the host put them.
        const L ours{"mainPanel", "header", "advancedFrame"};
        QTest::addRow("GUI handler set")
            << true << ours + L{"overlay", "secondaryArea", "outside"} << L{"view"};
        QTest::addRow("no GUI handler")
            << false << ours + L{"outside"} << L{"view", "overlay", "secondaryArea"};
    }
    void outsidePresses()
    {
        QFETCH(bool, withHandler);
        QFETCH(QStringList, keptOpen);
        QFETCH(QStringList, closing);
        if (withHandler)
            mCenter->setGUIHandler(mHost->area("view"));
        mHost->addPanel(mCenter.data(), "Alpha");
        zeltest::MessageBoxAnswerer answerer(QMessageBox::Cancel);
        openMenu(true);
        for (const QString& name : keptOpen) {
            press(part(qPrintable(name)));
            QVERIFY2(mHostButton->isChecked() && inSettingsMode(), qPrintable(name));
        }
        // Too soon after the last press, a press that would count is ignored.
        press(mHost->area(qPrintable(closing.first())), false);
        QVERIFY(mHostButton->isChecked() && inSettingsMode());
        // Nothing is pending: a press that counts closes everything without a prompt.
        for (const QString& name : closing) {
            if (!mCenter->isMenuOpen())
                openMenu(true);
            press(mHost->area(qPrintable(name)));
            waitClosed();
            QVERIFY2(!mCenter->isSettingsOpen(), qPrintable(name));
        }
        QCOMPARE(answerer.count(), 0);
    }

    void editingWithTheMouse()
    {
        // The whole round with the mouse: a switch and a list in the pane, which lies over
        // the work area, then Apply, then a press on the bare view.
        TestPanel* alpha = mHost->addPanel(mCenter.data(), "Alpha");
        auto* combo = new QComboBox(alpha);
        combo->addItems({"one", "two", "three"});
        alpha->layout()->addWidget(combo);
        mHost->addPanel(mCenter.data(), "Beta");
        const QByteArray before = mHost->storeBytes();
        zeltest::MessageBoxAnswerer answerer(QMessageBox::Cancel);
        openMenu(true);
        press(alpha->control(0));
        QCOMPARE(alpha->widgetValue(0), QString("false"));
        QVERIFY(inSettingsMode() && mCenter->hasModifications());
        // The list opens over the view; choosing in it is no press in the view.
        press(combo);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QWidget* list = QApplication::activePopupWidget();
        QVERIFY(mHost->area("view")->rect().contains(
            mHost->area("view")->mapFromGlobal(list->geometry().center())));
        QTest::mouseClick(list->windowHandle(), Qt::LeftButton, {},
                          list->mapFromGlobal(list->geometry().bottomLeft()) + QPoint(20, -8));
        QTRY_COMPARE(combo->currentText(), QString("three"));
        QVERIFY(inSettingsMode() && mHostButton->isChecked());
        press(part("applyButton"));
        QVERIFY(!mCenter->hasModifications() && alpha->storedValue(0) == "false");
        press(mHost->area("view"));
        waitClosed();
        QCOMPARE(answerer.count(), 0);
        QCOMPARE(mHost->storeBytes(), before + QByteArray("[alpha]\nrow0=false\n"));
    }

    void keyboardOnly()
    {
        // The host's button, then only keys: into the menu, down its items, into settings
        // mode, across every button with a mark where the focus is, an edit applied, an
        // edit dropped at Escape.
        TestPanel* alpha = mHost->addPanel(mCenter.data(), "Alpha");
        TestPanel* beta = mHost->addPanel(mCenter.data(), "Beta");
        zel::zelAction fit("Fit", "Fit the view");
        QSignalSpy fitted(&fit, &QAction::triggered);
        mCenter->registerCCAction(&fit, "Settings", true);
        mHostButton->setFocus(Qt::TabFocusReason);
        zeltest::Key(Qt::Key_Space);
        QTRY_COMPARE(QApplication::focusWidget(), itemButton("Settings"));
        zeltest::Key(Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), itemButton("Fit"));
        zeltest::Key(Qt::Key_Return);
        QCOMPARE(fitted.count(), 1);
        waitClosed();
        QCOMPARE(QApplication::focusWidget(), mHostButton.data());
        zeltest::Key(Qt::Key_Space);
        QTRY_COMPARE(QApplication::focusWidget(), itemButton("Settings"));
        // Every button of the menu is a Tab stop that shows its focus.
        const QWidgetList inMenu = tabRound();
        QVERIFY(inMenu.contains(itemButton("Fit")));
        zeltest::Key(Qt::Key_Space);
        QTRY_VERIFY(mCenter->isSettingsOpen());
        QCOMPARE(QApplication::focusWidget(), alpha->getActionWidget());
        const QWidgetList inPane = tabRound();
        for (auto* button : mCenter->window()->findChildren<QAbstractButton*>()) {
            if (button->isVisible() && !button->group())
                QVERIFY2(inPane.contains(button), qPrintable(button->text()));
        }
        // Tab stops once in the strip of tabs, the arrow keys go on along it.
        QVERIFY(inPane.contains(alpha->getActionWidget()));
        zeltest::Key(Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), beta->getActionWidget());
        zeltest::Key(Qt::Key_Space);
        QVERIFY(beta->getActionWidget()->isChecked());
        QVERIFY2(mUnmarked.isEmpty(), qPrintable(mUnmarked.join(", ")));
        // Reset and Apply come after the panels.
        QVERIFY(inPane.indexOf(part("applyButton")) > inPane.indexOf(alpha->control(3)));
        const QByteArray before = mHost->storeBytes();
        while (QApplication::focusWidget() != alpha->control(0))
            zeltest::Key(Qt::Key_Tab);
        zeltest::Key(Qt::Key_Space);
        while (QApplication::focusWidget() != part("applyButton"))
            zeltest::Key(Qt::Key_Tab);
        zeltest::Key(Qt::Key_Space);
        QVERIFY(!mCenter->hasModifications());
        const QByteArray applied = mHost->storeBytes();
        QCOMPARE(applied, before + QByteArray("[alpha]\nrow0=false\n"));
        // Escape with an edit pending asks first; discarded, the store stays as applied.
        zeltest::Key(Qt::Key_Tab, Qt::ShiftModifier);
        zeltest::Key(Qt::Key_Tab, Qt::ShiftModifier);
        QVERIFY(qobject_cast<QLineEdit*>(QApplication::focusWidget()));
        QTest::keyClicks(QApplication::focusWidget(), "7");
        QVERIFY(mCenter->hasModifications());
        zeltest::MessageBoxAnswerer answerer(QMessageBox::Discard);
        zeltest::Key(Qt::Key_Escape);
        waitClosed();
        QCOMPARE(answerer.count(), 1);
        QCOMPARE(mCenter->window()->focusWidget(), mHostButton.data());
        QCOMPARE(mHost->storeBytes(), applied);
    }

    void pressOnAnotherWindowOverTheArea()
    {
        // A window of its own over the 3D view, as the discard prompt itself: a press in it
        // leaves everything open.
        mHost->addPanel(mCenter.data(), "Alpha");
        openMenu(true);
        QWidget* view = mHost->area("view");
        QWidget popup(nullptr, Qt::Tool | Qt::FramelessWindowHint);
        popup.setGeometry(QRect(view->mapToGlobal(view->rect().bottomRight()) - QPoint(90, 90),
                                QSize(80, 80)));
        popup.show();
        QVERIFY(QTest::qWaitForWindowExposed(&popup));
        mSettled.start();
        press(&popup);
        QVERIFY(mHostButton->isChecked() && inSettingsMode());
        popup.hide();
        // A resize of the window starts the debounce again; then the view itself closes it.
        QTRY_VERIFY(mSettled.hasExpired(kDebounceMs + 50));
        mWindowSize = mHost->mainWindow()->size() + QSize(40, 0);
        mHost->mainWindow()->resize(mWindowSize);
        QTRY_COMPARE(mHost->mainWindow()->size(), mWindowSize);
        // The collapsed list may be resized too (the viewer's placement does it): that is not
        // the height that it comes back to.
        QResizeEvent collapsed(QSize(250, 0), part("actionFrame")->size());
        QCoreApplication::sendEvent(part("actionFrame"), &collapsed);
        press(view, false);
        QVERIFY(mHostButton->isChecked());
        press(view);
        waitClosed();
        // Closed from settings mode, the menu opens again on its whole list.
        openMenu();
        QCOMPARE(part("actionFrame")->height(), part("actionFrame")->sizeHint().height());
    }

    void closingWithPendingEdits_data()
    {
        QTest::addColumn<QString>("closedBy");
        QTest::addColumn<int>("answer");
        QTest::addRow("press, cancel") << "press" << int(QMessageBox::Cancel);
        QTest::addRow("press, no choice") << "press" << int(QMessageBox::NoButton);
        QTest::addRow("press, discard") << "press" << int(QMessageBox::Discard);
        QTest::addRow("Escape, cancel") << "Escape" << int(QMessageBox::Cancel);
        QTest::addRow("Escape, discard") << "Escape" << int(QMessageBox::Discard);
        QTest::addRow("closed by the host, cancel") << "host" << int(QMessageBox::Cancel);
        QTest::addRow("closed by the host, discard") << "host" << int(QMessageBox::Discard);
    }
    void closingWithPendingEdits()
    {
        QFETCH(QString, closedBy);
        QFETCH(int, answer);
        const bool closes = answer == QMessageBox::Discard;
        TestPanel* alpha = mHost->addPanel(mCenter.data(), "Alpha");
        mHost->settings().setValue("beta/row1", "42");
        TestPanel* beta = mHost->addPanel(mCenter.data(), "Beta");
        openMenu(true);
        zeltest::Type(beta->control(1), "77");
        const QByteArray before = mHost->storeBytes();
        zeltest::MessageBoxAnswerer answerer{QMessageBox::StandardButton(answer)};
        if (closedBy == "press")
            press(mHost->area("view"));
        else if (closedBy == "Escape")
            zeltest::Key(Qt::Key_Escape);
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
        QCOMPARE(alpha->initializeCount, closes ? 4 : 3);
        QVERIFY(mHost->storeBytes() == before && answerer.count() == 1);
    }

    void changesMadeElsewhere()
    {
        // Another part of the host writes the store while the menu is closed: the panels
        // differ from it, yet nothing is pending and nobody is asked.
        zel::zelAction fit("Fit", "Fit the view");
        mCenter->registerCCAction(&fit, "Settings", true);
        TestPanel* alpha = mHost->addPanel(mCenter.data(), "Alpha");
        mHost->settings().setValue("alpha/row1", "64");
        const QByteArray before = mHost->storeBytes();
        zeltest::MessageBoxAnswerer answerer(QMessageBox::Cancel);
        fit.trigger();
        QCoreApplication::processEvents();
        QVERIFY(mCenter->isHidden() && answerer.count() == 0);
        openMenu();
        QCOMPARE(alpha->widgetValue(1), QString("64"));
        press(itemButton("Fit"));
        waitClosed();
        QVERIFY(answerer.count() == 0 && mHost->storeBytes() == before);
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
            panels.append(mHost->addPanel(mCenter.data(), QStringLiteral("Panel %1").arg(i), 2));
            panels.last()->needsRestart = restart.at(i);
        }
        openMenu(true);
        zeltest::MessageBoxAnswerer answerer(QMessageBox::Ok);
        const QByteArray before = mHost->storeBytes();
        // Applied by the user, with the notice; then by the host, without: it learns of the
        // restart from the result.
        for (int value : {500, 700}) {
            for (int i = 0; i < panels.size(); ++i) {
                if (edited.at(i))
                    zeltest::Type(panels.at(i)->control(1), QString::number(value + i));
            }
            if (value == 500)
                press(part("applyButton"));
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
        if (!edited.contains(true))
            QCOMPARE(mHost->storeBytes(), before);
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