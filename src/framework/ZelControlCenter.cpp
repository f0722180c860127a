#include "ZelControlCenter.h"

#include "ZelCCActionItem.h"
#include "ZelFocusScroll.h"
#include "ZelPanelHostFlow.h"
#include "ZelSettingsGuide.h"
#include "ZelSettingsPanel.h"
#include "kmDMIApplication.h"
#include "kmMainWindow.h"
#include "zelAction.h"
#include "zelQtCompat.h"

#include "ui_ControlCenter.h"

#include <QApplication>
#include <QButtonGroup>
#include <QLineEdit>
#include <QLabel>
#include <QPropertyAnimation>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

namespace zel {

namespace {

const int kSlideDuration = 350;
const int kActionHeightDuration = 250;
// Long enough for a host that registers its panels one per pass of the event loop.
const int kPanePreparationDelay = 100;
const int kSettingsWidth = 450;
const int kSearchMargin = 12;

} // namespace

ZelControlCenter::ZelControlCenter(kmDMIApplication* pApplication, QWidget* pParent,
                                   Qt::WindowFlags pFlags)
    : QWidget(pParent, pFlags)
    , mUi(new Ui_ControlCenter)
    , mSettingsAction(nullptr)
    , mApplication(pApplication)
    , mButtonGroup(nullptr)
    , mControlCenterWidthAnimation(nullptr)
    , mSettingsWidthAnimation(nullptr)
    , mActionHeightAnimation(nullptr)
    , mScrollAnimation(nullptr)
    , mMenuOpen(false)
    , mSettingsOpen(false)
    , mActionHeightIdle(true)
    , mViewUpdatesPaused(false)
{
    mUi->setupUi(this);
    setObjectName(QStringLiteral("ZelControlCenter"));
    // Laid over the host's work areas, it paints the background of its style class.
    setAttribute(Qt::WA_StyledBackground);
    mSettingsPane = mUi->settingsScrollArea;

    // The host takes the pane into its own layout; until then it stays our child.
    mUi->horizontalLayout_30->removeWidget(mUi->settingsScrollArea);
    mUi->controlCenterButton->setChecked(false);
    mUi->settingsScrollArea->hide();
    // A pane taller than its panels, as after a search, keeps them one below the other and
    // leaves the rest of its height below the last one, not spread between them.
    mUi->verticalLayout_4->insertStretch(mUi->verticalLayout_4->indexOf(mUi->advancedFrame), 1);
    // Escape reaches us from inside the control center and the pane, wherever it sits.
    installEventFilter(this);
    mUi->settingsScrollArea->installEventFilter(this);
    // Tab comes into the pane from the tabs beside it.
    ZelFocusScroll::Follow(this, mUi->settingsContent, [this] { return settingsPane(); });

    mPaneTimer = new QTimer(this);
    mPaneTimer->setSingleShot(true);
    mPaneTimer->setInterval(kPanePreparationDelay);
    connect(mPaneTimer, &QTimer::timeout, this, &ZelControlCenter::preparePane);

    mFlow = new ZelPanelHostFlow(this, pApplication, "ZelControlCenter");
    connect(mFlow, &ZelPanelHostFlow::panelChosen, this, &ZelControlCenter::onPanelClicked);
    connect(mFlow, &ZelPanelHostFlow::storeChanged, this, &ZelControlCenter::storeChanged);

    mControlCenterWidthAnimation = new QPropertyAnimation(this, "controlCenterWidth");
    mControlCenterWidthAnimation->setDuration(kSlideDuration);
    mControlCenterWidthAnimation->setStartValue(0);
    connect(mControlCenterWidthAnimation, &QAbstractAnimation::finished, this,
            &ZelControlCenter::onControlCenterWidthFinished);
    fitMenuWidth();

    mSettingsWidthAnimation = new QPropertyAnimation(this, "settingsWidth");
    mSettingsWidthAnimation->setDuration(kSlideDuration);
    mSettingsWidthAnimation->setStartValue(0);
    mSettingsWidthAnimation->setEndValue(kSettingsWidth);
    connect(mSettingsWidthAnimation, &QAbstractAnimation::finished, this,
            &ZelControlCenter::onSettingsWidthFinished);

    mActionHeightAnimation = new QPropertyAnimation(this, "actionHeight");
    mActionHeightAnimation->setDuration(kActionHeightDuration);
    mActionHeightAnimation->setEndValue(0);
    connect(mActionHeightAnimation, &QAbstractAnimation::finished, this,
            &ZelControlCenter::onActionHeightFinished);

    QScrollBar* scrollBar = mUi->settingsScrollArea->verticalScrollBar();
    mScrollAnimation = new QPropertyAnimation(scrollBar, "value");
    mScrollAnimation->setDuration(kSlideDuration);
    mScrollAnimation->setEasingCurve(QEasingCurve::InOutQuad);
    connect(scrollBar, &QScrollBar::valueChanged, this,
            &ZelControlCenter::onScrollBarValueChanged);

    mButtonGroup = new QButtonGroup(this);
    mButtonGroup->setExclusive(true);

    openMenu(false);

    mSettingsAction = new zelAction(QStringLiteral("Settings"), QString());
    translateSettingsAction();
    registerCCAction(mSettingsAction, QString(), false);
    connect(mSettingsAction, &QAction::triggered, this, &ZelControlCenter::openSettings);
    disconnect(mSettingsAction, &QAction::triggered, this, &ZelControlCenter::closeMenu);

    mClickTimer.start();
}

ZelControlCenter::~ZelControlCenter()
{
    // Focus moves while our children go: nothing may call back into the half-gone form.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
    QCoreApplication::instance()->removeEventFilter(this);
    removeEventFilter(this);
    mSeparators.clear();

    const QList<ZelSettingsPanel*> panels = mFlow->panels();
    for (ZelSettingsPanel* panel : panels)
        unregisterSettingsPanel(panel, false);
    delete mGuide;
    mGuide = nullptr;

    // The pane may already sit in the host's layout, so delete it explicitly, unless the
    // host did so already; its scroll bar must not report to us while it goes.
    if (QScrollArea* pane = settingsPane()) {
        disconnect(pane->verticalScrollBar(), nullptr, this, nullptr);
        delete pane;
    }
    mUi->settingsScrollArea = nullptr;

    unregisterCCAction(mSettingsAction);
    delete mSettingsAction;

    // A slide cut short never reaches its end: give the host its view back here.
    if (mViewUpdatesPaused && mApplication)
        mApplication->setViewUpdatesEnabled(true);

    delete mControlCenterWidthAnimation;
    delete mSettingsWidthAnimation;
    delete mActionHeightAnimation;
    delete mScrollAnimation;
    delete mUi;
}

void ZelControlCenter::registerSettingsPanel(ZelSettingsPanel* pPanel)
{
    const bool added = mFlow->addPanel(pPanel, [this, pPanel](QPushButton* pTab) {
        if (pTab) {
            mUi->verticalLayout_6->addWidget(pTab);
            mUi->applicationSettings->show();
            mButtonGroup->addButton(pTab);
        }
        mUi->verticalLayout_7->addWidget(pPanel);
        mUi->applicationFrame->show();
        pPanel->show();
    });
    if (!added)
        return;

    schedulePanePreparation();
    orderPaneFocus();
    onStateChanged();
}

void ZelControlCenter::unregisterSettingsPanel(ZelSettingsPanel* pPanel, bool pRefreshState)
{
    mFlow->removePanel(pPanel, [this, pPanel](QPushButton* pTab) {
        if (pTab) {
            mButtonGroup->removeButton(pTab);
            mUi->verticalLayout_6->removeWidget(pTab);
            pTab->setParent(nullptr);
        }
        mUi->verticalLayout_7->removeWidget(pPanel);
        pPanel->setParent(nullptr);
    });
    if (pRefreshState)
        onStateChanged();
}

bool ZelControlCenter::hasModifications() const
{
    return mFlow->hasModifications();
}

bool ZelControlCenter::applyModifications()
{
    QStringList errors;
    return mFlow->applyPanels(errors);
}

void ZelControlCenter::enableSettingsGuide()
{
    if (mGuide)
        return;
    mGuide = new ZelSettingsGuide(this, mUi->settingsScrollArea, ZelSettingsGuide::StackedPanels);
    // At the top of the pane, above the panels.
    auto* bar = new QWidget(mUi->settingsContent);
    bar->setObjectName(QStringLiteral("settingsSearchBar"));
    auto* column = new QVBoxLayout(bar);
    column->setContentsMargins(kSearchMargin, kSearchMargin, kSearchMargin, 0);
    column->addWidget(mGuide->searchField());
    column->addWidget(mGuide->noMatchLabel());
    mUi->verticalLayout_4->insertWidget(0, bar);
    mFlow->setGuide(mGuide);
    orderPaneFocus();
}

void ZelControlCenter::setGUIHandler(QWidget* pWidget)
{
    mGUIHandler = pWidget;
}

void ZelControlCenter::setControlCenterButton(QPushButton* pButton)
{
    mControlCenterButton = pButton;
}

QWidget* ZelControlCenter::settingsWidget() const
{
    return mSettingsPane;
}

QScrollArea* ZelControlCenter::settingsPane() const
{
    // Null once the host has deleted the pane, and while it is being deleted.
    return qobject_cast<QScrollArea*>(mSettingsPane.data());
}

bool ZelControlCenter::isMenuOpen() const
{
    return mMenuOpen;
}

bool ZelControlCenter::isSettingsOpen() const
{
    return mSettingsOpen;
}

void ZelControlCenter::on_applyButton_clicked()
{
    if (mFlow->apply() != ZelPanelHostFlow::Busy)
        onStateChanged();
}

void ZelControlCenter::on_resetButton_clicked()
{
    mFlow->reset(ZelPanelHostFlow::AllPanels);
}

void ZelControlCenter::resetControlCenter()
{
    on_resetButton_clicked();
}

void ZelControlCenter::onStateChanged()
{
    mFlow->refresh();
}

void ZelControlCenter::changeEvent(QEvent* pEvent)
{
    if (pEvent->type() == QEvent::LanguageChange) {
        mUi->retranslateUi(this);
        translateSettingsAction();
        schedulePanePreparation();
        // Once the panels have their new texts and have laid them out.
        QTimer::singleShot(0, this, &ZelControlCenter::remeasurePane);
    }
    QWidget::changeEvent(pEvent);
}

void ZelControlCenter::translateSettingsAction()
{
    mSettingsAction->setActionGuiName(QCoreApplication::translate("ZelControlCenter", "Settings"));
    mSettingsAction->setStatusTip(
        QCoreApplication::translate("ZelControlCenter", "Change the settings of the application"));
}

QWidget* ZelControlCenter::hostMainWindow() const
{
    return mApplication ? mApplication->getMainWindow() : nullptr;
}

} // namespace zel
