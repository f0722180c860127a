#include "MessageBoxAnswerer.h"
#include "TestHost.h"
#include "TestPanel.h"

#include "ZelCCActionItem.h"
#include "ZelControlCenter.h"
#include "kmDMIApplication.h"
#include "kmMainWindow.h"
#include "zelAction.h"
#include "zelDoubleSpinBox.h"
#include "zelSpinBox.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSignalMapper>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

#include <functional>
#include <memory>
#include <vector>

using zel::ZelControlCenter;

namespace {

const int kDebounceMs = 500;

// Where a press lands in the test host's window.
enum tPlace
{
    View,
    Overlay,
    SecondaryArea,
    Outside,
    ControlCenterItself
};

// Runs the event loop until the condition holds, one delivered event at a time, so that a
// running animation can be caught after its first frames.
bool waitUntil(const std::function<bool()>& pCondition)
{
    QElapsedTimer clock;
    clock.start();
    while (!pCondition()) {
        if (clock.hasExpired(5000))
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

// The host saw as many pauses as resumes, and its view runs.
bool viewUpdatesBalanced(const QSignalSpy& pSpy)
{
    int paused = 0;
    for (const QList<QVariant>& call : pSpy)
        paused += call.at(0).toBool() ? -1 : 1;
    return paused == 0 && (pSpy.isEmpty() || pSpy.last().at(0).toBool());
}

} // namespace

class tst_ZelControlCenter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void construction();
    void properties();
    void contentWidthLeavesRoomForScrollBar();
    void registration();
    void registrationWithoutMainWindow();
    void destroyingCenterReleasesPanels();
    void destroyedPanelIsForgotten();

    void menuOpensAndCloses();
    void openingAnOpenMenuEndsAtOnce();
    void reversingKeepsTheSlideInPlace();
    void settingsMode();
    void leavingWhileTheListCollapses();
    void tabsScrollThePane();
    void tabClickDuringCollapseOpensThePane();

    void outsidePresses_data();
    void outsidePresses();
    void pressThroughTheWindow();
    void pressOnAnotherWindowOverTheArea();
    void pressesAreDebounced();
    void resizeRestartsTheDebounce();
    void pressWithPendingEdits_data();
    void pressWithPendingEdits();
    void closingWithPendingEdits_data();
    void closingWithPendingEdits();
    void resetThenCloseAsksFirst();
    void withoutMainWindowEditsAreDropped();

    void apply_data();
    void apply();
    void applyForTheHostShowsNothing();
    void reset();
    void noPanels();

    void viewUpdatesPaired_data();
    void viewUpdatesPaired();
    void destroyedMidSlideGivesTheViewBack();

private:
    ZelControlCenter* createCenter(bool pWithMainWindow);
    TestPanel* addPanel(const QString& pName, int pRows = 4);
    void openMenu();
    void enterSettings();
    zel::zelAction* settingsAction() const;
    QWidget* place(tPlace pPlace) const;
    void waitPastDebounce();
    void waitClosed();
    template<typename T> T* part(const char* pName) const;

    std::unique_ptr<TestHost> mHost;
    std::unique_ptr<QWidget> mStandalone;
    std::vector<std::unique_ptr<TestPanel>> mPanels;
    QPointer<ZelControlCenter> mCenter;
    QElapsedTimer mSettled;
};

void tst_ZelControlCenter::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
}

void tst_ZelControlCenter::init()
{
    mHost = std::make_unique<TestHost>();
}

void tst_ZelControlCenter::cleanup()
{
    mHost->closeMainWindow();
    mStandalone.reset();
    delete mCenter;
    mPanels.clear();
    mHost.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

ZelControlCenter* tst_ZelControlCenter::createCenter(bool pWithMainWindow)
{
    mCenter = new ZelControlCenter(mHost->application());
    if (pWithMainWindow) {
        mHost->showMainWindow(mCenter);
    } else {
        mStandalone = std::make_unique<QWidget>();
        auto* layout = new QHBoxLayout(mStandalone.get());
        layout->setSizeConstraint(QLayout::SetNoConstraint);
        layout->addWidget(mCenter);
        layout->addWidget(mCenter->settingsWidget());
        mStandalone->resize(900, 600);
        mStandalone->show();
        if (!QTest::qWaitForWindowExposed(mStandalone.get()))
            qWarning("The host window was not exposed");
    }
    return mCenter;
}

TestPanel* tst_ZelControlCenter::addPanel(const QString& pName, int pRows)
{
    mPanels.push_back(
        std::make_unique<TestPanel>(mHost->application(), mHost->settings(), pName, pRows));
    return mPanels.back().get();
}

void tst_ZelControlCenter::openMenu()
{
    mCenter->openMenu(true);
    QTRY_VERIFY(mCenter->isMenuOpen());
    mSettled.start();
}

zel::zelAction* tst_ZelControlCenter::settingsAction() const
{
    const auto items = mCenter->findChildren<zel::ZelCCActionItem*>();
    for (zel::ZelCCActionItem* item : items) {
        if (item->getZelAction()->getActionName() == QLatin1String("Settings"))
            return item->getZelAction();
    }
    return nullptr;
}

void tst_ZelControlCenter::enterSettings()
{
    const auto items = mCenter->findChildren<zel::ZelCCActionItem*>();
    for (zel::ZelCCActionItem* item : items) {
        if (item->getZelAction() == settingsAction())
            QTest::mouseClick(item->findChild<QPushButton*>("actionButton"), Qt::LeftButton);
    }
    QTRY_VERIFY(mCenter->isSettingsOpen());
    mSettled.start();
}

template<typename T> T* tst_ZelControlCenter::part(const char* pName) const
{
    // The pane sits in the host's layout, no longer below the control center.
    if (T* widget = mCenter->findChild<T*>(pName))
        return widget;
    return mCenter->settingsWidget()->findChild<T*>(pName);
}

QWidget* tst_ZelControlCenter::place(tPlace pPlace) const
{
    switch (pPlace) {
    case View:
        return mHost->view();
    case Overlay:
        return mHost->overlay();
    case SecondaryArea:
        return mHost->secondaryArea();
    case Outside:
        return mHost->outside();
    default:
        return part<QWidget>("mainPanel");
    }
}

void tst_ZelControlCenter::waitClosed()
{
    // The closing slide hides the control center on its last frames, before it ends.
    QTRY_VERIFY(!mCenter->isMenuOpen() && mCenter->isHidden());
}

void tst_ZelControlCenter::waitPastDebounce()
{
    // The control center ignores presses for a while after the last press or resize.
    QTRY_VERIFY(mSettled.hasExpired(kDebounceMs + 100));
    mSettled.start();
}

void tst_ZelControlCenter::construction()
{
    createCenter(true);

    QCOMPARE(mCenter->objectName(), QString("ZelControlCenter"));
    QVERIFY(mCenter->isHidden());
    QVERIFY(!mCenter->isMenuOpen());
    QVERIFY(!mCenter->isSettingsOpen());
    QCOMPARE(mCenter->property("class").toString(), QString("background"));
    QCOMPARE(mCenter->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);

    QWidget* pane = mCenter->settingsWidget();
    QCOMPARE(pane->objectName(), QString("settingsScrollArea"));
    QVERIFY(pane->isHidden());
    QCOMPARE(mCenter->settingsWidth(), 0);
    QVERIFY(!part<QPushButton>("controlCenterButton")->isChecked());
    QCOMPARE(part<QPushButton>("controlCenterButton")->text(), QString("Application Settings"));
    QCOMPARE(part<QPushButton>("applyButton")->text(), QString("Apply"));
    QCOMPARE(part<QPushButton>("resetButton")->statusTip(), QString("Resets all parameters"));

    const auto items = mCenter->findChildren<zel::ZelCCActionItem*>();
    QCOMPARE(items.size(), 1);
    zel::zelAction* action = items.first()->getZelAction();
    QCOMPARE(action->getActionName(), QString("Settings"));
    QCOMPARE(action->getActionGuiName(), QString("Settings"));
    QCOMPARE(action->statusTip(), QString("Change the settings of the application"));

    const QMetaObject* meta = mCenter->metaObject();
    const int first = meta->propertyOffset();
    QCOMPARE(meta->propertyCount() - first, 3);
    QCOMPARE(meta->property(first).name(), "controlCenterWidth");
    QCOMPARE(meta->property(first + 1).name(), "settingsWidth");
    QCOMPARE(meta->property(first + 2).name(), "actionHeight");
}

void tst_ZelControlCenter::properties()
{
    createCenter(false);
    QWidget* pane = mCenter->settingsWidget();
    QWidget* actionFrame = part<QWidget>("actionFrame");

    mCenter->setControlCenterWidth(120);
    QVERIFY(!mCenter->isHidden());
    QCOMPARE(mCenter->controlCenterWidth(), 120);
    QCOMPARE(mCenter->maximumWidth(), 120);
    mCenter->setControlCenterWidth(0);
    QVERIFY(mCenter->isHidden());

    mCenter->setSettingsWidth(300);
    QVERIFY(!pane->isHidden());
    QCOMPARE(mCenter->settingsWidth(), 300);
    QCOMPARE(pane->maximumWidth(), 300);
    QCOMPARE(part<QWidget>("settingsContent")->maximumWidth(), 300);
    mCenter->setSettingsWidth(0);
    QVERIFY(pane->isHidden());
    QCOMPARE(mCenter->settingsWidth(), 0);

    mCenter->setActionHeight(40);
    QVERIFY(!actionFrame->isHidden());
    QCOMPARE(mCenter->actionHeight(), 40);
    QCOMPARE(actionFrame->maximumHeight(), 40);
    mCenter->setActionHeight(0);
    QVERIFY(actionFrame->isHidden());
}

void tst_ZelControlCenter::contentWidthLeavesRoomForScrollBar()
{
    createCenter(true);
    addPanel("Tall", 40);
    mCenter->registerSettingsPanel(mPanels.back().get());
    openMenu();
    enterSettings();

    auto* pane = static_cast<QScrollArea*>(mCenter->settingsWidget());
    QTRY_VERIFY(pane->verticalScrollBar()->isVisible());
    const int barWidth = pane->verticalScrollBar()->width();
    QWidget* content = part<QWidget>("settingsContent");

    mCenter->setSettingsWidth(400);
    QCOMPARE(content->maximumWidth(), 400 - barWidth);
    mCenter->setSettingsWidth(barWidth - 1);
    QCOMPARE(content->minimumWidth(), 0);
    QCOMPARE(content->maximumWidth(), 0);
}

void tst_ZelControlCenter::registration()
{
    createCenter(true);
    TestPanel* alpha = addPanel("Alpha");
    TestPanel* beta = addPanel("Beta");
    mCenter->registerSettingsPanel(alpha);
    mCenter->registerSettingsPanel(beta);

    QWidget* tabs = part<QWidget>("applicationSettings");
    QWidget* frame = part<QWidget>("applicationFrame");
    QCOMPARE(tabs->layout()->count(), 2);
    QCOMPARE(tabs->layout()->itemAt(0)->widget(), alpha->getActionWidget());
    QCOMPARE(tabs->layout()->itemAt(1)->widget(), beta->getActionWidget());
    QCOMPARE(frame->layout()->count(), 2);
    QCOMPARE(frame->layout()->itemAt(0)->widget(), alpha);
    QCOMPARE(frame->layout()->itemAt(1)->widget(), beta);
    QCOMPARE(alpha->parentWidget(), frame);
    QCOMPARE(alpha->initializeCount, 1);
    QCOMPARE(beta->initializeCount, 1);

    auto* mapper = mCenter->findChild<QSignalMapper*>();
    QVERIFY(mapper);
    QCOMPARE(mapper->mapping("Alpha"), alpha->getActionWidget());
    QCOMPARE(mapper->mapping("Beta"), beta->getActionWidget());

    auto* group = mCenter->findChild<QButtonGroup*>();
    QVERIFY(group);
    QVERIFY(group->exclusive());
    QCOMPARE(group->buttons().size(), 2);

    // A panel renamed after registration is still found by its first name.
    beta->setPanelName("Gamma");
    QCOMPARE(mapper->mapping("Beta"), beta->getActionWidget());

    mCenter->unregisterSettingsPanel(alpha, true);
    QCOMPARE(tabs->layout()->count(), 1);
    QCOMPARE(frame->layout()->count(), 1);
    QVERIFY(!alpha->parentWidget());
    QVERIFY(!alpha->getActionWidget()->parentWidget());
    QCOMPARE(group->buttons().size(), 1);

    // Edits in an unregistered panel are none of the control center's business.
    alpha->lineEdit()->setText("edited");
    QVERIFY(!mCenter->hasModifications());

    // A panel that was never registered changes nothing.
    mCenter->unregisterSettingsPanel(alpha, true);
    QCOMPARE(tabs->layout()->count(), 1);
}

void tst_ZelControlCenter::registrationWithoutMainWindow()
{
    createCenter(false);
    TestPanel* alpha = addPanel("Alpha");
    mCenter->registerSettingsPanel(alpha);
    QCOMPARE(alpha->parentWidget(), part<QWidget>("applicationFrame"));
    QCOMPARE(alpha->initializeCount, 1);
    alpha->spinBox()->setValue(500);
    QVERIFY(mCenter->hasModifications());
    mCenter->unregisterSettingsPanel(alpha, false);
    QVERIFY(!mCenter->hasModifications());
}

void tst_ZelControlCenter::destroyingCenterReleasesPanels()
{
    createCenter(true);
    TestPanel* alpha = addPanel("Alpha");
    mCenter->registerSettingsPanel(alpha);
    QPointer<QPushButton> button = alpha->getActionWidget();

    mHost->closeMainWindow();
    QVERIFY(mCenter.isNull());
    QVERIFY(!alpha->parentWidget());
    QVERIFY(!button.isNull());
    QVERIFY(!button->parentWidget());

    mPanels.clear();
    QVERIFY(button.isNull());
}

void tst_ZelControlCenter::destroyedPanelIsForgotten()
{
    createCenter(true);
    TestPanel* alpha = addPanel("Alpha");
    TestPanel* beta = addPanel("Beta");
    mCenter->registerSettingsPanel(alpha);
    mCenter->registerSettingsPanel(beta);
    openMenu();
    enterSettings();

    alpha->lineEdit()->setText("pending");
    mPanels.front().reset();
    QCOMPARE(part<QWidget>("applicationSettings")->layout()->count(), 1);
    QCOMPARE(part<QWidget>("applicationFrame")->layout()->count(), 1);

    MessageBoxAnswerer answerer(QMessageBox::Cancel);
    QVERIFY(!mCenter->hasModifications());
    QTest::mouseClick(part<QPushButton>("applyButton"), Qt::LeftButton);
    QCOMPARE(beta->applyCount, 1);
    QTest::mouseClick(part<QPushButton>("resetButton"), Qt::LeftButton);
    QCOMPARE(beta->resetCount, 1);

    mCenter->openMenu(false);
    waitClosed();
    QCOMPARE(answerer.count(), 0);

    openMenu();
    enterSettings();
    QCOMPARE(beta->initializeCount, 3);
}

void tst_ZelControlCenter::menuOpensAndCloses()
{
    createCenter(true);
    QPushButton hostButton;
    hostButton.setCheckable(true);
    mCenter->setControlCenterButton(&hostButton);

    mCenter->openMenu(true);
    QVERIFY(!mCenter->isMenuOpen());
    QVERIFY(hostButton.isChecked());
    QTRY_VERIFY(mCenter->isMenuOpen());
    QVERIFY(mCenter->isVisible());
    QCOMPARE(mCenter->controlCenterWidth(), 250);
    QVERIFY(part<QWidget>("preferenceFrame")->isHidden());
    QVERIFY(part<QWidget>("actionFrame")->isVisible());

    mCenter->openMenu(false);
    QVERIFY(!hostButton.isChecked());
    QVERIFY(mCenter->isMenuOpen());
    QTRY_VERIFY(!mCenter->isMenuOpen());
    QVERIFY(mCenter->isHidden());
    QCOMPARE(mCenter->controlCenterWidth(), 0);

    // The host's button may go first; the control center does not touch it any more.
    auto* gone = new QPushButton;
    mCenter->setControlCenterButton(gone);
    delete gone;
    openMenu();
}

void tst_ZelControlCenter::openingAnOpenMenuEndsAtOnce()
{
    createCenter(true);
    openMenu();
    QSignalSpy views(mHost->application(), &zel::kmDMIApplication::viewUpdatesEnabledChanged);

    mCenter->openMenu(true);
    QCOMPARE(views.count(), 2);
    QVERIFY(viewUpdatesBalanced(views));
    QVERIFY(mCenter->isMenuOpen());
    QCOMPARE(mCenter->controlCenterWidth(), 250);
}

void tst_ZelControlCenter::reversingKeepsTheSlideInPlace()
{
    createCenter(true);
    mCenter->openMenu(true);
    QVERIFY(waitUntil([this] { return mCenter->controlCenterWidth() > 0; }));
    const int reached = mCenter->controlCenterWidth();
    QVERIFY2(reached < 250, "the opening slide ended before it could be reversed");

    // The slide turns back from where it is: it does not start again from the open width.
    mCenter->openMenu(false);
    QVERIFY(mCenter->controlCenterWidth() <= reached);

    int widest = reached;
    bool everOpen = false;
    QVERIFY(waitUntil([&] {
        widest = qMax(widest, mCenter->controlCenterWidth());
        everOpen = everOpen || mCenter->isMenuOpen();
        return mCenter->isHidden() && mCenter->controlCenterWidth() == 0;
    }));
    QCOMPARE(widest, reached);
    QVERIFY(!everOpen);
    QVERIFY(!mCenter->isMenuOpen());
}

void tst_ZelControlCenter::settingsMode()
{
    createCenter(true);
    TestPanel* alpha = addPanel("Alpha");
    TestPanel* beta = addPanel("Beta");
    mCenter->registerSettingsPanel(alpha);
    mCenter->registerSettingsPanel(beta);
    openMenu();
    const int listHeight = part<QWidget>("actionFrame")->height();
    MessageBoxAnswerer answerer(QMessageBox::Cancel);

    settingsAction()->trigger();
    QVERIFY(part<QPushButton>("controlCenterButton")->isChecked());
    QVERIFY(!part<QWidget>("preferenceFrame")->isHidden());
    QVERIFY(!mCenter->isSettingsOpen());
    QTRY_VERIFY(part<QWidget>("actionFrame")->isHidden());
    QTRY_VERIFY(mCenter->isSettingsOpen());
    QVERIFY(mCenter->isMenuOpen());
    QCOMPARE(mCenter->settingsWidth(), 450);
    QCOMPARE(alpha->initializeCount, 2);
    QCOMPARE(beta->initializeCount, 2);

    // Leaving through the action asks nothing and keeps the edits.
    beta->spinBox()->setValue(999);
    settingsAction()->trigger();
    QTRY_VERIFY(!mCenter->isSettingsOpen());
    QVERIFY(mCenter->settingsWidget()->isHidden());
    QVERIFY(part<QWidget>("preferenceFrame")->isHidden());
    QVERIFY(!part<QPushButton>("controlCenterButton")->isChecked());
    QTRY_COMPARE(part<QWidget>("actionFrame")->maximumHeight(), 16777215);
    QTRY_COMPARE(part<QWidget>("actionFrame")->height(), listHeight);
    QVERIFY(part<QWidget>("actionFrame")->isVisible());
    QCOMPARE(beta->spinBox()->value(), 999);
    QVERIFY(mCenter->hasModifications());

    // Entering again re-reads every panel: the edits go, still without a prompt.
    settingsAction()->trigger();
    QTRY_VERIFY(mCenter->isSettingsOpen());
    QCOMPARE(beta->initializeCount, 3);
    QCOMPARE(beta->spinBox()->value(), 11);
    QVERIFY(!mCenter->hasModifications());
    QCOMPARE(answerer.count(), 0);
}

void tst_ZelControlCenter::leavingWhileTheListCollapses()
{
    createCenter(true);
    addPanel("Alpha");
    mCenter->registerSettingsPanel(mPanels.back().get());
    openMenu();
    QSignalSpy views(mHost->application(), &zel::kmDMIApplication::viewUpdatesEnabledChanged);

    settingsAction()->trigger();
    settingsAction()->trigger();

    QTRY_VERIFY(part<QWidget>("preferenceFrame")->isHidden());
    QTRY_COMPARE(part<QWidget>("actionFrame")->maximumHeight(), 16777215);
    QVERIFY(part<QWidget>("actionFrame")->isVisible());
    QVERIFY(!mCenter->isSettingsOpen());
    QVERIFY(mCenter->settingsWidget()->isHidden());
    QTRY_VERIFY(viewUpdatesBalanced(views));
    QVERIFY(mHost->application()->areViewUpdatesEnabled());

    // The menu still works as before.
    mCenter->openMenu(false);
    waitClosed();
    openMenu();
    QVERIFY(part<QWidget>("actionFrame")->isVisible());
    enterSettings();
}

void tst_ZelControlCenter::tabsScrollThePane()
{
    createCenter(true);
    TestPanel* alpha = addPanel("Alpha", 30);
    TestPanel* beta = addPanel("Beta", 30);
    TestPanel* gamma = addPanel("Gamma", 8);
    for (TestPanel* panel : {alpha, beta, gamma})
        mCenter->registerSettingsPanel(panel);
    openMenu();
    enterSettings();

    QScrollBar* bar = static_cast<QScrollArea*>(mCenter->settingsWidget())->verticalScrollBar();
    QTRY_VERIFY(bar->maximum() > 0);
    const int frameTop = part<QWidget>("applicationFrame")->y();
    const int betaTop = frameTop + beta->y();
    const int gammaTop = frameTop + gamma->y();
    QVERIFY(betaTop < bar->maximum());
    QVERIFY(gammaTop > bar->maximum());

    QTest::mouseClick(beta->getActionWidget(), Qt::LeftButton);
    QVERIFY(beta->getActionWidget()->isChecked());
    QTRY_COMPARE(bar->value(), betaTop);
    QVERIFY(beta->getActionWidget()->isChecked());

    // The last panel is short: the pane scrolls as far as it can, no further.
    QTest::mouseClick(gamma->getActionWidget(), Qt::LeftButton);
    QTRY_COMPARE(bar->value(), bar->maximum());

    // Scrolling by hand checks the tab of the panel at the top.
    bar->setValue(frameTop + alpha->y() + 20);
    QVERIFY(alpha->getActionWidget()->isChecked());
    QVERIFY(!gamma->getActionWidget()->isChecked());
    bar->setValue(betaTop + 5);
    QVERIFY(beta->getActionWidget()->isChecked());
}

void tst_ZelControlCenter::tabClickDuringCollapseOpensThePane()
{
    createCenter(true);
    TestPanel* alpha = addPanel("Alpha", 30);
    TestPanel* beta = addPanel("Beta", 30);
    mCenter->registerSettingsPanel(alpha);
    mCenter->registerSettingsPanel(beta);
    openMenu();
    QSignalSpy views(mHost->application(), &zel::kmDMIApplication::viewUpdatesEnabledChanged);

    settingsAction()->trigger();
    QVERIFY(mCenter->settingsWidget()->isHidden());
    QTest::mouseClick(beta->getActionWidget(), Qt::LeftButton);
    QCOMPARE(beta->initializeCount, 2);
    QTRY_VERIFY(!mCenter->settingsWidget()->isHidden());

    QTRY_VERIFY(mCenter->isSettingsOpen());
    QScrollBar* bar = static_cast<QScrollArea*>(mCenter->settingsWidget())->verticalScrollBar();
    QVERIFY(bar->value() <= bar->maximum());
    QTRY_VERIFY(viewUpdatesBalanced(views));
    // The panels were read once for this opening, not again when the list stopped.
    QCOMPARE(beta->initializeCount, 2);
}

void tst_ZelControlCenter::outsidePresses_data()
{
    QTest::addColumn<int>("where");
    QTest::addColumn<bool>("withHandler");
    QTest::addColumn<bool>("closes");

    QTest::addRow("on the view, handler set") << int(View) << true << true;
    QTest::addRow("beside the view, handler set") << int(Overlay) << true << false;
    QTest::addRow("second area, handler set") << int(SecondaryArea) << true << false;
    QTest::addRow("outside the areas, handler set") << int(Outside) << true << false;
    QTest::addRow("beside the view, no handler") << int(Overlay) << false << true;
    QTest::addRow("second area, no handler") << int(SecondaryArea) << false << true;
    QTest::addRow("outside the areas, no handler") << int(Outside) << false << false;
    QTest::addRow("on the control center") << int(ControlCenterItself) << false << false;
}

void tst_ZelControlCenter::outsidePresses()
{
    QFETCH(int, where);
    QFETCH(bool, withHandler);
    QFETCH(bool, closes);

    createCenter(true);
    if (withHandler)
        mCenter->setGUIHandler(mHost->view());
    addPanel("Alpha");
    mCenter->registerSettingsPanel(mPanels.back().get());
    openMenu();
    enterSettings();
    MessageBoxAnswerer answerer(QMessageBox::Cancel);

    waitPastDebounce();
    QTest::mouseClick(place(tPlace(where)), Qt::LeftButton);
    if (closes) {
        waitClosed();
        QVERIFY(!mCenter->isMenuOpen());
        QVERIFY(!mCenter->isSettingsOpen());
        QCOMPARE(answerer.count(), 0);
        return;
    }

    QCoreApplication::processEvents();
    QVERIFY(mCenter->isMenuOpen());
    QVERIFY(mCenter->isSettingsOpen());
    QCOMPARE(mCenter->controlCenterWidth(), 250);
    QCOMPARE(mCenter->settingsWidth(), 450);

    // The same presses on the view do close it: the first one was heard and judged.
    waitPastDebounce();
    QTest::mouseClick(mHost->view(), Qt::LeftButton);
    waitClosed();
}

void tst_ZelControlCenter::pressThroughTheWindow()
{
    // A real press reaches the window before the widget under it; the GUI handler still
    // decides.
    createCenter(true);
    mCenter->setGUIHandler(mHost->view());
    openMenu();
    QWindow* window = mHost->mainWindow()->windowHandle();
    QWidget* overlay = mHost->overlay();
    QWidget* view = mHost->view();

    waitPastDebounce();
    QTest::mouseClick(window, Qt::LeftButton, Qt::KeyboardModifiers(),
                      overlay->mapTo(overlay->window(), overlay->rect().center()));
    QCoreApplication::processEvents();
    QVERIFY(mCenter->isMenuOpen());
    QCOMPARE(mCenter->controlCenterWidth(), 250);

    waitPastDebounce();
    QTest::mouseClick(window, Qt::LeftButton, Qt::KeyboardModifiers(),
                      view->mapTo(view->window(), view->rect().center()));
    waitClosed();
}

void tst_ZelControlCenter::pressOnAnotherWindowOverTheArea()
{
    // A window of its own that lies over the 3D view, as a combo box's list that reaches out
    // of the pane or the discard prompt itself: choosing in it leaves everything open.
    createCenter(true);
    addPanel("Alpha");
    mCenter->registerSettingsPanel(mPanels.back().get());
    openMenu();
    enterSettings();
    QWidget* view = mHost->view();
    QWidget popup(nullptr, Qt::Tool | Qt::FramelessWindowHint);
    popup.setGeometry(QRect(view->mapToGlobal(QPoint(0, 0)), QSize(80, 80)));
    popup.show();
    QVERIFY(QTest::qWaitForWindowExposed(&popup));

    mSettled.start();
    waitPastDebounce();
    QTest::mouseClick(&popup, Qt::LeftButton, Qt::KeyboardModifiers(), QPoint(40, 40));
    QCoreApplication::processEvents();
    // Closing would uncheck the button at once, before any slide ends.
    QVERIFY(part<QPushButton>("controlCenterButton")->isChecked());
    QVERIFY(mCenter->isMenuOpen());
    QVERIFY(mCenter->isSettingsOpen());

    // The same spot of the view itself closes it.
    popup.hide();
    mSettled.start();
    waitPastDebounce();
    QTest::mouseClick(view, Qt::LeftButton, Qt::KeyboardModifiers(), QPoint(40, 40));
    waitClosed();
}

void tst_ZelControlCenter::pressesAreDebounced()
{
    createCenter(true);
    openMenu();

    waitPastDebounce();
    QTest::mouseClick(mHost->outside(), Qt::LeftButton);
    QTest::mouseClick(mHost->view(), Qt::LeftButton);
    QCoreApplication::processEvents();
    QVERIFY(mCenter->isMenuOpen());
    QCOMPARE(mCenter->controlCenterWidth(), 250);

    waitPastDebounce();
    QTest::mouseClick(mHost->view(), Qt::LeftButton);
    waitClosed();
}

void tst_ZelControlCenter::resizeRestartsTheDebounce()
{
    createCenter(true);
    openMenu();
    zel::kmMainWindow* window = mHost->mainWindow();

    waitPastDebounce();
    const QSize larger = window->size() + QSize(40, 0);
    window->resize(larger);
    QTRY_COMPARE(window->size(), larger);
    QTest::mouseClick(mHost->view(), Qt::LeftButton);
    QCoreApplication::processEvents();
    QVERIFY(mCenter->isMenuOpen());
    QCOMPARE(mCenter->controlCenterWidth(), 250);

    waitPastDebounce();
    QTest::mouseClick(mHost->view(), Qt::LeftButton);
    waitClosed();
}

void tst_ZelControlCenter::pressWithPendingEdits_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closes");
    QTest::addRow("cancel") << int(QMessageBox::Cancel) << false;
    QTest::addRow("closed without a choice") << int(QMessageBox::NoButton) << false;
    QTest::addRow("discard") << int(QMessageBox::Discard) << true;
}

void tst_ZelControlCenter::pressWithPendingEdits()
{
    QFETCH(int, answer);
    QFETCH(bool, closes);

    createCenter(true);
    TestPanel* alpha = addPanel("Alpha");
    mHost->settings().setValue(alpha->key(1), "42");
    mCenter->registerSettingsPanel(alpha);
    openMenu();
    enterSettings();
    alpha->spinBox()->setValue(77);

    MessageBoxAnswerer answerer{QMessageBox::StandardButton(answer)};
    waitPastDebounce();
    QTest::mouseClick(mHost->view(), Qt::LeftButton);
    QTRY_COMPARE(answerer.count(), 1);
    QVERIFY(answerer.titles().first().isEmpty());
    QCOMPARE(answerer.texts().first(),
             QString("You have pending modifications. Discard your changes?"));
    QCOMPARE(answerer.lastParent(), mHost->mainWindow());

    if (closes) {
        waitClosed();
        QVERIFY(!mCenter->isSettingsOpen());
        QCOMPARE(alpha->spinBox()->value(), 42);
    } else {
        QCoreApplication::processEvents();
        QVERIFY(mCenter->isMenuOpen());
        QVERIFY(mCenter->isSettingsOpen());
        QCOMPARE(mCenter->settingsWidth(), 450);
        QCOMPARE(alpha->spinBox()->value(), 77);
    }
    QCOMPARE(mHost->settings().value(alpha->key(1)).toString(), QString("42"));
    QCOMPARE(answerer.count(), 1);
}

void tst_ZelControlCenter::closingWithPendingEdits_data()
{
    pressWithPendingEdits_data();
}

void tst_ZelControlCenter::closingWithPendingEdits()
{
    QFETCH(int, answer);
    QFETCH(bool, closes);

    createCenter(true);
    TestPanel* alpha = addPanel("Alpha");
    TestPanel* beta = addPanel("Beta");
    mCenter->registerSettingsPanel(alpha);
    mCenter->registerSettingsPanel(beta);
    openMenu();
    enterSettings();
    beta->lineEdit()->setText("pending");
    QSignalSpy views(mHost->application(), &zel::kmDMIApplication::viewUpdatesEnabledChanged);

    MessageBoxAnswerer answerer{QMessageBox::StandardButton(answer)};
    mCenter->openMenu(false);
    QCOMPARE(answerer.count(), 1);
    QCOMPARE(answerer.lastParent(), mCenter->window());

    if (closes) {
        waitClosed();
        QCOMPARE(beta->lineEdit()->text(), beta->defaultValue(3));
        QCOMPARE(alpha->initializeCount, 3);
    } else {
        QVERIFY(mCenter->isMenuOpen());
        QVERIFY(mCenter->isSettingsOpen());
        QCOMPARE(beta->lineEdit()->text(), QString("pending"));
        QCOMPARE(alpha->initializeCount, 2);
    }
    QTRY_VERIFY(viewUpdatesBalanced(views));
    QVERIFY(mHost->application()->areViewUpdatesEnabled());
}

void tst_ZelControlCenter::resetThenCloseAsksFirst()
{
    createCenter(true);
    TestPanel* alpha = addPanel("Alpha");
    mHost->settings().setValue(alpha->key(3), "stored text");
    mCenter->registerSettingsPanel(alpha);
    openMenu();
    enterSettings();

    QTest::mouseClick(part<QPushButton>("resetButton"), Qt::LeftButton);
    QCOMPARE(alpha->lineEdit()->text(), alpha->defaultValue(3));
    QCOMPARE(mHost->settings().value(alpha->key(3)).toString(), QString("stored text"));

    MessageBoxAnswerer answerer(QMessageBox::Discard);
    mCenter->openMenu(false);
    QCOMPARE(answerer.count(), 1);
    QCOMPARE(alpha->lineEdit()->text(), QString("stored text"));
    waitClosed();
}

void tst_ZelControlCenter::withoutMainWindowEditsAreDropped()
{
    createCenter(false);
    TestPanel* alpha = addPanel("Alpha");
    alpha->setRestartRows({1});
    mCenter->registerSettingsPanel(alpha);
    mCenter->openMenu(true);
    QTRY_VERIFY(mCenter->isMenuOpen());
    MessageBoxAnswerer answerer(QMessageBox::Cancel);

    // No main window: no restart notice, and closing drops the edits without asking.
    alpha->spinBox()->setValue(300);
    QVERIFY(mCenter->applyModifications());
    QTest::mouseClick(part<QPushButton>("applyButton"), Qt::LeftButton);
    QCOMPARE(mHost->settings().value(alpha->key(1)).toString(), QString("300"));

    alpha->spinBox()->setValue(400);
    mCenter->openMenu(false);
    QCOMPARE(alpha->spinBox()->value(), 300);
    waitClosed();
    QCOMPARE(answerer.count(), 0);
}

void tst_ZelControlCenter::apply_data()
{
    // Per panel: whether it holds an edit and whether that edit needs a restart.
    QTest::addColumn<QList<bool>>("edited");
    QTest::addColumn<QList<bool>>("restart");
    QTest::addColumn<int>("notices");

    QTest::addRow("nothing pending") << QList<bool>{false, false, false}
                                     << QList<bool>{true, true, false} << 0;
    QTest::addRow("edits, no restart") << QList<bool>{true, true, true}
                                       << QList<bool>{false, false, false} << 0;
    QTest::addRow("one restart") << QList<bool>{false, true, false}
                                 << QList<bool>{false, true, false} << 1;
    QTest::addRow("several restarts, one notice") << QList<bool>{true, true, true}
                                                  << QList<bool>{true, true, true} << 1;
    QTest::addRow("restart first, later panels applied") << QList<bool>{true, false, true}
                                                         << QList<bool>{true, false, false}
                                                         << 1;
}

void tst_ZelControlCenter::apply()
{
    QFETCH(QList<bool>, edited);
    QFETCH(QList<bool>, restart);
    QFETCH(int, notices);

    createCenter(true);
    QList<TestPanel*> panels;
    for (int i = 0; i < edited.size(); ++i) {
        TestPanel* panel = addPanel(QStringLiteral("Panel %1").arg(i));
        if (restart.at(i))
            panel->setRestartRows({1});
        mCenter->registerSettingsPanel(panel);
        panels.append(panel);
    }
    openMenu();
    enterSettings();
    for (int i = 0; i < panels.size(); ++i) {
        if (edited.at(i))
            panels.at(i)->spinBox()->setValue(500 + i);
    }

    MessageBoxAnswerer answerer(QMessageBox::Ok);
    QTest::mouseClick(part<QPushButton>("applyButton"), Qt::LeftButton);

    QCOMPARE(answerer.count(), notices);
    if (notices) {
        QCOMPARE(answerer.titles().first(), QString("Settings Modification"));
        QCOMPARE(answerer.texts().first(),
                 QString("You need to restart your application to turn settings "
                         "modification effective."));
        QCOMPARE(answerer.lastParent(), mHost->mainWindow());
    }
    for (int i = 0; i < panels.size(); ++i) {
        QCOMPARE(panels.at(i)->applyCount, 1);
        const QVariant stored = mHost->settings().value(panels.at(i)->key(1));
        QCOMPARE(stored.isValid(), edited.at(i));
        if (edited.at(i))
            QCOMPARE(stored.toString(), QString::number(500 + i));
    }
    QVERIFY(!mCenter->hasModifications());
    QVERIFY(mCenter->isSettingsOpen());
}

void tst_ZelControlCenter::applyForTheHostShowsNothing()
{
    createCenter(true);
    TestPanel* alpha = addPanel("Alpha");
    TestPanel* beta = addPanel("Beta");
    alpha->setRestartRows({1});
    mCenter->registerSettingsPanel(alpha);
    mCenter->registerSettingsPanel(beta);
    MessageBoxAnswerer answerer(QMessageBox::Ok);

    alpha->spinBox()->setValue(600);
    beta->checkBox()->setChecked(false);
    QVERIFY(mCenter->applyModifications());
    QVERIFY(!mCenter->applyModifications());
    QCOMPARE(beta->applyCount, 2);
    QCOMPARE(mHost->settings().value(beta->key(0)).toString(), QString("false"));
    QCoreApplication::processEvents();
    QCOMPARE(answerer.count(), 0);
}

void tst_ZelControlCenter::reset()
{
    createCenter(true);
    TestPanel* alpha = addPanel("Alpha");
    TestPanel* beta = addPanel("Beta");
    mHost->settings().setValue(alpha->key(1), "77");
    mHost->settings().setValue(beta->key(2), "9.25");
    mCenter->registerSettingsPanel(alpha);
    mCenter->registerSettingsPanel(beta);
    openMenu();
    enterSettings();
    QVERIFY(!mCenter->hasModifications());

    QTest::mouseClick(part<QPushButton>("resetButton"), Qt::LeftButton);
    QCOMPARE(alpha->spinBox()->value(), 11);
    QCOMPARE(beta->doubleSpinBox()->value(), 1.5);
    QCOMPARE(mHost->settings().value(alpha->key(1)).toString(), QString("77"));
    QVERIFY(mCenter->hasModifications());

    MessageBoxAnswerer answerer(QMessageBox::Ok);
    QTest::mouseClick(part<QPushButton>("applyButton"), Qt::LeftButton);
    QCOMPARE(mHost->settings().value(alpha->key(1)).toString(), QString("11"));
    QCOMPARE(mHost->settings().value(beta->key(2)).toString(), QString("1.50"));
    QVERIFY(!mCenter->hasModifications());
}

void tst_ZelControlCenter::noPanels()
{
    createCenter(true);
    openMenu();
    enterSettings();
    MessageBoxAnswerer answerer(QMessageBox::Ok);

    QVERIFY(!mCenter->hasModifications());
    QVERIFY(!mCenter->applyModifications());
    QTest::mouseClick(part<QPushButton>("applyButton"), Qt::LeftButton);
    QTest::mouseClick(part<QPushButton>("resetButton"), Qt::LeftButton);
    mCenter->openMenu(false);
    waitClosed();
    QCOMPARE(answerer.count(), 0);
}

void tst_ZelControlCenter::viewUpdatesPaired_data()
{
    QTest::addColumn<int>("scenario");
    QTest::addRow("open and close the menu") << 0;
    QTest::addRow("settings mode in and out") << 1;
    QTest::addRow("close the menu from settings mode") << 2;
    QTest::addRow("press in menu mode, the pane already closed") << 3;
    QTest::addRow("press in settings mode") << 4;
    QTest::addRow("settings mode asked for again, nothing to slide") << 5;
    QTest::addRow("close reversed while opening") << 6;
}

void tst_ZelControlCenter::viewUpdatesPaired()
{
    QFETCH(int, scenario);
    createCenter(true);
    TestPanel* alpha = addPanel("Alpha", 30);
    mCenter->registerSettingsPanel(alpha);
    QSignalSpy views(mHost->application(), &zel::kmDMIApplication::viewUpdatesEnabledChanged);

    if (scenario == 6) {
        mCenter->openMenu(true);
        QVERIFY(waitUntil([this] { return mCenter->controlCenterWidth() > 0; }));
        mCenter->openMenu(false);
        waitClosed();
    } else {
        openMenu();
        if (scenario == 1 || scenario == 2 || scenario == 4 || scenario == 5)
            enterSettings();
        if (scenario == 0 || scenario == 2)
            mCenter->openMenu(false);
        if (scenario == 1) {
            settingsAction()->trigger();
            QTRY_VERIFY(!mCenter->isSettingsOpen());
        }
        if (scenario == 3 || scenario == 4) {
            waitPastDebounce();
            QTest::mouseClick(mHost->view(), Qt::LeftButton);
        }
        if (scenario == 5)
            mCenter->setControlCenterVisible(true);
        if (scenario != 1 && scenario != 5)
            waitClosed();
    }

    QVERIFY(!views.isEmpty());
    QTRY_VERIFY2(viewUpdatesBalanced(views), qPrintable(QStringLiteral("%1 calls, last %2")
                                                           .arg(views.count())
                                                           .arg(views.isEmpty()
                                                                    ? QString("none")
                                                                    : views.last().at(0)
                                                                          .toString())));
    QVERIFY(mHost->application()->areViewUpdatesEnabled());
}

void tst_ZelControlCenter::destroyedMidSlideGivesTheViewBack()
{
    createCenter(true);
    QSignalSpy views(mHost->application(), &zel::kmDMIApplication::viewUpdatesEnabledChanged);
    mCenter->openMenu(true);
    QVERIFY(!mHost->application()->areViewUpdatesEnabled());

    mHost->closeMainWindow();
    QVERIFY(viewUpdatesBalanced(views));
    QVERIFY(mHost->application()->areViewUpdatesEnabled());
}

QTEST_MAIN(tst_ZelControlCenter)
#include "tst_ZelControlCenter.moc"
