#include "ZelControlCenter.h"

#include "ZelCCActionItem.h"
#include "ZelSettingsLock.h"
#include "ZelSettingsPanel.h"
#include "kmDMIApplication.h"
#include "kmMainWindow.h"
#include "kmMessageBox.h"
#include "zelAction.h"
#include "zelQtCompat.h"

#include "ui_ControlCenter.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPropertyAnimation>
#include <QResizeEvent>
#include <QScrollBar>
#include <QSignalMapper>

namespace zel {

namespace {

const int kSlideDuration = 350;
const int kActionHeightDuration = 250;
const int kMenuWidth = 250;
const int kSettingsWidth = 450;
const int kClickDebounceMs = 500;
const int kSeparatorInset = 18;
const int kUnboundedSize = 16777215;
const int kScrollProbeOffset = 10;
const char kButtonClass[] = "outlinedButton";

} // namespace

ZelControlCenter::ZelControlCenter(kmDMIApplication* pApplication, QWidget* pParent,
                                   Qt::WindowFlags pFlags)
    : QWidget(pParent, pFlags)
    , mUi(new Ui_ControlCenter)
    , mSettingsAction(nullptr)
    , mApplication(pApplication)
    , mSignalMapper(nullptr)
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

    // The host takes the pane into its own layout; until then it stays our child.
    mUi->horizontalLayout_30->removeWidget(mUi->settingsScrollArea);
    mUi->controlCenterButton->setChecked(false);
    mUi->settingsScrollArea->hide();

    mSignalMapper = new QSignalMapper(this);
    connect(mSignalMapper, &QSignalMapper::mappedString, this,
            &ZelControlCenter::onPanelClicked);

    mControlCenterWidthAnimation = new QPropertyAnimation(this, "controlCenterWidth");
    mControlCenterWidthAnimation->setDuration(kSlideDuration);
    mControlCenterWidthAnimation->setStartValue(0);
    mControlCenterWidthAnimation->setEndValue(kMenuWidth);
    connect(mControlCenterWidthAnimation, &QAbstractAnimation::finished, this,
            &ZelControlCenter::onControlCenterWidthFinished);

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

    mSettingsAction = new zelAction(QStringLiteral("Settings"), tr("Settings"));
    mSettingsAction->setStatusTip(tr("Change the settings of the application"));
    registerCCAction(mSettingsAction, QString(), false);
    connect(mSettingsAction, &QAction::triggered, this, &ZelControlCenter::openSettings);
    disconnect(mSettingsAction, &QAction::triggered, this, &ZelControlCenter::closeMenu);

    mClickTimer.start();
}

ZelControlCenter::~ZelControlCenter()
{
    QCoreApplication::instance()->removeEventFilter(this);
    mSeparators.clear();

    const QList<ZelSettingsPanel*> panels = mPanels;
    for (ZelSettingsPanel* panel : panels)
        unregisterSettingsPanel(panel, false);

    // The pane may already sit in the host's layout, so delete it explicitly; its scroll
    // bar must not report to us while it goes.
    disconnect(mUi->settingsScrollArea->verticalScrollBar(), nullptr, this, nullptr);
    delete mUi->settingsScrollArea;
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
    delete mSignalMapper;
}

void ZelControlCenter::registerSettingsPanel(ZelSettingsPanel* pPanel)
{
    if (!pPanel)
        return;

    mPanels.append(pPanel);
    connect(pPanel, SIGNAL(stateChanged()), this, SLOT(onStateChanged()));
    // A host that destroys a panel without unregistering it must not leave us a dangling
    // pointer; the button goes with the panel and leaves the tab list by itself.
    connect(pPanel, &QObject::destroyed, this, [this, pPanel] { mPanels.removeAll(pPanel); });

    QPushButton* button = pPanel->getActionWidget();
    if (button) {
        mUi->verticalLayout_6->addWidget(button);
        mUi->applicationSettings->show();
        mButtonGroup->addButton(button);
    }

    mUi->verticalLayout_7->addWidget(pPanel);
    mUi->applicationFrame->show();
    pPanel->show();

    pPanel->initializeWidget();

    if (button) {
        connect(button, &QAbstractButton::clicked, mSignalMapper,
                qOverload<>(&QSignalMapper::map));
        mSignalMapper->setMapping(button, pPanel->getPanelName());
    }

    onStateChanged();
}

void ZelControlCenter::unregisterSettingsPanel(ZelSettingsPanel* pPanel, bool pRefreshState)
{
    if (!pPanel)
        return;

    if (mPanels.contains(pPanel)) {
        disconnect(pPanel, SIGNAL(stateChanged()), this, SLOT(onStateChanged()));
        disconnect(pPanel, &QObject::destroyed, this, nullptr);
    }

    for (int i = mPanels.size() - 1; i >= 0; --i) {
        if (mPanels.at(i) != pPanel)
            continue;
        if (QPushButton* button = pPanel->getActionWidget()) {
            mButtonGroup->removeButton(button);
            disconnect(button, &QAbstractButton::clicked, mSignalMapper,
                       qOverload<>(&QSignalMapper::map));
            mUi->verticalLayout_6->removeWidget(button);
            button->setParent(nullptr);
        }
        mUi->verticalLayout_7->removeWidget(pPanel);
        pPanel->setParent(nullptr);
        mPanels.removeAt(i);
    }

    if (pRefreshState)
        onStateChanged();
}

void ZelControlCenter::registerCCAction(zelAction* pAction, const QString& pAnchorName,
                                        bool pInsertAfter)
{
    if (!pAction)
        return;

    auto* item = new ZelCCActionItem(pAction, this);
    connect(pAction, &QAction::triggered, this, &ZelControlCenter::closeMenu);
    // An action destroyed while still registered takes its items with it.
    connect(pAction, &QObject::destroyed, this, [this, pAction] { forgetAction(pAction); });
    mActionItems.append(item);

    if (pAnchorName.isEmpty()) {
        mUi->verticalLayout->insertWidget(0, item);
        layout()->invalidate();
        return;
    }

    const int anchor = anchorIndex(pAnchorName);
    if (anchor >= 0) {
        mUi->verticalLayout->insertWidget(pInsertAfter ? anchor + 1 : anchor, item);
        return;
    }
    mUi->verticalLayout->addWidget(item);
    layout()->invalidate();
}

void ZelControlCenter::unregisterCCAction(zelAction* pAction)
{
    if (!pAction)
        return;

    disconnect(pAction, &QObject::destroyed, this, nullptr);
    const QList<ZelCCActionItem*> items = mActionItems;
    for (ZelCCActionItem* item : items) {
        if (item->getZelAction() != pAction)
            continue;
        disconnect(pAction, &QAction::triggered, this, &ZelControlCenter::closeMenu);
        mUi->verticalLayout->removeWidget(item);
        item->setParent(nullptr);
        delete item;
        mActionItems.removeOne(item);
    }
}

void ZelControlCenter::forgetAction(zelAction* pAction)
{
    // The action is being destroyed: its address is all that may be used.
    const QList<ZelCCActionItem*> items = mActionItems;
    for (ZelCCActionItem* item : items) {
        if (item->getZelAction() != pAction)
            continue;
        mUi->verticalLayout->removeWidget(item);
        delete item;
        mActionItems.removeOne(item);
    }
}

int ZelControlCenter::anchorIndex(const QString& pAnchorName) const
{
    const QLayout* actions = mUi->verticalLayout;
    for (int i = 0; i < actions->count(); ++i) {
        const auto* item = qobject_cast<ZelCCActionItem*>(actions->itemAt(i)->widget());
        if (item && item->getZelAction()->getActionName() == pAnchorName)
            return i;
    }
    return -1;
}

bool ZelControlCenter::addCCSeparator(const QString& pName, const QString& pAnchorName)
{
    if (mSeparators.contains(pName))
        return false;

    auto* separator = new QFrame(this);
    mSeparators.insert(pName, separator);
    // Qt 6 drops a four-number rgb() as invalid and the line would not show; rgba() draws
    // the same faint line as Qt 5 did.
    separator->setStyleSheet(QStringLiteral("background:rgba(0,0,0,30);"));
    // A closed control center is 0 wide: its separators still span the menu.
    separator->setFixedWidth(qMax(width(), kMenuWidth) - kSeparatorInset);
    separator->setFixedHeight(1);

    if (pAnchorName.isEmpty()) {
        mUi->verticalLayout->insertWidget(0, separator);
        return true;
    }
    const int anchor = anchorIndex(pAnchorName);
    if (anchor >= 0)
        mUi->verticalLayout->insertWidget(anchor, separator);
    else
        mUi->verticalLayout->addWidget(separator);
    return true;
}

bool ZelControlCenter::setCCSeparatorVisible(const QString& pName, bool pVisible)
{
    QWidget* separator = mSeparators.value(pName);
    if (!separator)
        return false;
    separator->setVisible(pVisible);
    return true;
}

bool ZelControlCenter::hasModifications() const
{
    for (const ZelSettingsPanel* panel : mPanels) {
        if (panel->hasModifications())
            return true;
    }
    return false;
}

bool ZelControlCenter::applyModifications()
{
    bool restart = false;
    const QList<ZelSettingsPanel*> panels = mPanels;
    for (ZelSettingsPanel* panel : panels) {
        if (panel->applyModifications())
            restart = true;
    }
    return restart;
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
    return mUi->settingsScrollArea;
}

bool ZelControlCenter::isMenuOpen() const
{
    return mMenuOpen;
}

bool ZelControlCenter::isSettingsOpen() const
{
    return mSettingsOpen;
}

int ZelControlCenter::controlCenterWidth() const
{
    return minimumWidth();
}

void ZelControlCenter::setControlCenterWidth(int pWidth)
{
    setVisible(pWidth >= 1);
    setMinimumWidth(pWidth);
    setMaximumWidth(pWidth);
}

int ZelControlCenter::settingsWidth() const
{
    const QWidget* pane = mUi->settingsScrollArea;
    return pane->isHidden() ? 0 : pane->minimumWidth();
}

void ZelControlCenter::setSettingsWidth(int pWidth)
{
    QScrollArea* pane = mUi->settingsScrollArea;
    pane->setVisible(pWidth >= 1);
    pane->setMinimumWidth(pWidth);
    pane->setMaximumWidth(pWidth);

    const QScrollBar* scrollBar = pane->verticalScrollBar();
    const int contentWidth = qMax(0, pWidth - (scrollBar->isVisible() ? scrollBar->width() : 0));
    mUi->settingsContent->setMinimumWidth(contentWidth);
    mUi->settingsContent->setMaximumWidth(contentWidth);
}

int ZelControlCenter::actionHeight() const
{
    return mUi->actionFrame->minimumHeight();
}

void ZelControlCenter::setActionHeight(int pHeight)
{
    mUi->actionFrame->setVisible(pHeight >= 1);
    mUi->actionFrame->setMinimumHeight(pHeight);
    mUi->actionFrame->setMaximumHeight(pHeight);
}

void ZelControlCenter::openMenu(bool pOpen)
{
    const bool change = isVisible() != pOpen;

    if (pOpen) {
        pauseViewUpdates();
        if (hostMainWindow()) {
            QCoreApplication::instance()->removeEventFilter(this);
            QCoreApplication::instance()->installEventFilter(this);
        }
        mControlCenterWidthAnimation->setEasingCurve(QEasingCurve::OutQuad);
        mControlCenterWidthAnimation->setDirection(QAbstractAnimation::Forward);
        mUi->preferenceFrame->hide();
    } else {
        if (hasModifications() && !discardModifications(window())) {
            resumeViewUpdates();
            return;
        }
        pauseViewUpdates();
        QCoreApplication::instance()->removeEventFilter(this);
        mControlCenterWidthAnimation->setEasingCurve(QEasingCurve::InQuad);
        mControlCenterWidthAnimation->setDirection(QAbstractAnimation::Backward);
        mUi->controlCenterButton->setChecked(false);
    }

    setControlCenterVisible(false);

    if (mControlCenterButton)
        mControlCenterButton->setChecked(pOpen);

    // A running slide goes on in its new direction.
    if (mControlCenterWidthAnimation->state() == QAbstractAnimation::Running)
        return;

    if (!change)
        onControlCenterWidthFinished();
    else
        mControlCenterWidthAnimation->start();
}

void ZelControlCenter::closeMenu()
{
    openMenu(false);
}

void ZelControlCenter::setControlCenterVisible(bool pVisible)
{
    const bool preferenceVisible = mUi->preferenceFrame->isVisible();

    if (pVisible) {
        mActionHeightIdle = false;
        mActionHeightAnimation->setDirection(QAbstractAnimation::Forward);
        mUi->controlCenterButton->setChecked(true);
        mUi->preferenceFrame->show();
        if (preferenceVisible)
            onActionHeightFinished();
        else
            mActionHeightAnimation->start();
        return;
    }

    if (!preferenceVisible)
        return;

    const bool paneVisible = mUi->settingsScrollArea->isVisible();
    pauseViewUpdates();
    mSettingsWidthAnimation->setEasingCurve(QEasingCurve::InQuad);
    mSettingsWidthAnimation->setDirection(QAbstractAnimation::Backward);
    if (paneVisible)
        mSettingsWidthAnimation->start();

    // Left while the action list was still collapsing: the pane never opened, so settings
    // mode ends at once and the action list comes back.
    if (mSettingsWidthAnimation->state() != QAbstractAnimation::Running)
        onSettingsWidthFinished();
}

void ZelControlCenter::openSettings()
{
    const bool visible = !mUi->controlCenterButton->isChecked();
    setControlCenterVisible(visible);
    mUi->controlCenterButton->setChecked(visible);
}

void ZelControlCenter::onActionHeightFinished()
{
    mActionHeightIdle = true;
    mUi->actionFrame->setMinimumHeight(0);
    mUi->actionFrame->setMaximumHeight(kUnboundedSize);
    if (mUi->controlCenterButton->isChecked())
        openSettingsPanel(mActionHeightAnimation->direction() == QAbstractAnimation::Forward);
}

void ZelControlCenter::openSettingsPanel(bool pOpen)
{
    const bool change = mUi->settingsScrollArea->isVisible() != pOpen;

    pauseViewUpdates();
    if (pOpen) {
        if (change) {
            const QList<ZelSettingsPanel*> panels = mPanels;
            for (ZelSettingsPanel* panel : panels)
                panel->initializeWidget();
            onStateChanged();
        }
        mUi->settingsScrollArea->show();
        mSettingsWidthAnimation->setEasingCurve(QEasingCurve::OutQuad);
    } else {
        mSettingsWidthAnimation->setEasingCurve(QEasingCurve::InQuad);
    }

    mSettingsWidthAnimation->setDirection(pOpen ? QAbstractAnimation::Forward
                                                : QAbstractAnimation::Backward);
    if (change)
        mSettingsWidthAnimation->start();

    // The pane is already where it was asked to be: no slide will end to give the view back.
    if (mSettingsWidthAnimation->state() != QAbstractAnimation::Running)
        resumeViewUpdates();
}

void ZelControlCenter::onControlCenterWidthFinished()
{
    if (mControlCenterWidthAnimation->direction() == QAbstractAnimation::Backward) {
        mMenuOpen = false;
        hide();
    } else {
        mMenuOpen = true;
    }
    resumeViewUpdates();
}

void ZelControlCenter::onSettingsWidthFinished()
{
    resumeViewUpdates();
    if (mSettingsWidthAnimation->direction() == QAbstractAnimation::Backward) {
        mSettingsOpen = false;
        mActionHeightIdle = false;
        mUi->preferenceFrame->hide();
        mUi->settingsScrollArea->hide();
        mActionHeightAnimation->setDirection(QAbstractAnimation::Backward);
        mActionHeightAnimation->start();
    } else {
        mSettingsOpen = true;
    }
}

void ZelControlCenter::onPanelClicked(QString pPanelName)
{
    if (!mSettingsOpen)
        openSettingsPanel(true);

    const QList<ZelSettingsPanel*> panels = mPanels;
    for (ZelSettingsPanel* panel : panels) {
        if (panel->getPanelName() == pPanelName)
            ensureSettingVisible(panel);
    }
}

void ZelControlCenter::ensureSettingVisible(QWidget* pWidget)
{
    const QWidget* parent = pWidget->parentWidget();
    const int target = pWidget->y() + (parent ? parent->y() : 0);
    const QScrollBar* scrollBar = mUi->settingsScrollArea->verticalScrollBar();
    mScrollAnimation->setStartValue(scrollBar->value());
    mScrollAnimation->setEndValue(qMin(target, scrollBar->maximum()));
    mScrollAnimation->start();
}

void ZelControlCenter::onScrollBarValueChanged(int pValue)
{
    // While a tab scrolls the pane, that tab is already the checked one.
    if (mScrollAnimation->state() == QAbstractAnimation::Running)
        return;

    QWidget* content = mUi->settingsContent;
    for (QWidget* widget = content->childAt(kScrollProbeOffset, pValue + kScrollProbeOffset);
         widget && widget != content; widget = widget->parentWidget()) {
        if (auto* panel = qobject_cast<ZelSettingsPanel*>(widget)) {
            if (QPushButton* button = panel->getActionWidget())
                button->setChecked(true);
            return;
        }
    }
}

void ZelControlCenter::on_applyButton_clicked()
{
    // The panels write with the store's writer lock held, so that another program's change
    // made meanwhile is not lost; while another program holds it, the edits stay pending.
    bool restart = false;
    {
        ZelSettingsLock lock(mApplication ? mApplication->getSettings() : nullptr);
        QString busy;
        if (!lock.lock(busy, ZelSettingsLock::kInteractiveTimeout)) {
            if (hostMainWindow())
                km::kmMessageBox::ShowMessage(tr("Settings Modification"), busy, QMessageBox::Ok,
                                              window(), QString::fromLatin1(kButtonClass), false,
                                              km::kmMessageBox::ButtonTexts(),
                                              km::kmMessageBox::ButtonTexts());
            return;
        }
        restart = applyModifications();
    }
    if (restart && hostMainWindow()) {
        km::kmMessageBox::ShowMessage(
            tr("Settings Modification"),
            tr("You need to restart your application to turn settings modification effective."),
            QMessageBox::Ok, window(), QString::fromLatin1(kButtonClass), false,
            km::kmMessageBox::ButtonTexts(), km::kmMessageBox::ButtonTexts());
    }
    onStateChanged();
}

void ZelControlCenter::on_resetButton_clicked()
{
    const QList<ZelSettingsPanel*> panels = mPanels;
    for (ZelSettingsPanel* panel : panels)
        panel->resetContent();
}

void ZelControlCenter::resetControlCenter()
{
    on_resetButton_clicked();
}

void ZelControlCenter::onStateChanged()
{
    // Nothing to follow: the apply and reset buttons stay enabled whatever the panels hold.
}

bool ZelControlCenter::discardModifications(QWidget* pParent)
{
    if (hostMainWindow()) {
        const QMessageBox::StandardButton answer = km::kmMessageBox::ShowMessage(
            QString(), tr("You have pending modifications. Discard your changes?"),
            QMessageBox::Cancel | QMessageBox::Discard, pParent,
            QString::fromLatin1(kButtonClass), false, km::kmMessageBox::ButtonTexts(),
            km::kmMessageBox::ButtonTexts());
        if (answer != QMessageBox::Discard)
            return false;
    }

    // Taken after the prompt: the host may have dropped panels while it was open.
    const QList<ZelSettingsPanel*> panels = mPanels;
    for (ZelSettingsPanel* panel : panels)
        panel->initializeWidget();
    onStateChanged();
    return true;
}

bool ZelControlCenter::eventFilter(QObject* pObject, QEvent* pEvent)
{
    if (pEvent->type() == QEvent::MouseButtonPress) {
        // A press reaches the window before the widget under it; the widget's delivery is
        // the one to judge, or the GUI handler would never be asked.
        if (pObject->inherits("QWidgetWindow"))
            return false;
        if (mClickTimer.elapsed() < kClickDebounceMs)
            return false;
        mClickTimer.restart();

        kmMainWindow* mainWindow = mApplication ? mApplication->getMainWindow() : nullptr;
        if (!mainWindow)
            return false;

        const QPoint position = compat::globalPosition(static_cast<QMouseEvent*>(pEvent));
        const QWidget* pressed = pObject->isWidgetType() ? static_cast<QWidget*>(pObject)
                                                          : nullptr;
        bool inWorkArea = false;
        for (const QWidget* area :
             {mainWindow->getPrimaryWorkArea(), mainWindow->getSecondaryWorkArea()}) {
            if (!area || !QRect(area->mapToGlobal(QPoint(0, 0)), area->size()).contains(position))
                continue;
            // A popup or a message box lying over the area is not the area: choosing a combo
            // box entry or answering our own prompt must not close the menu.
            if (!pressed || pressed->window() == area->window())
                inWorkArea = true;
        }

        bool counts = true;
        if (mGUIHandler && pressed)
            counts = pressed == mGUIHandler || mGUIHandler->isAncestorOf(pressed);

        if (!inWorkArea || !counts)
            return false;
        if (hasModifications() && !discardModifications(mainWindow))
            return false;
        openSettingsPanel(false);
        openMenu(false);
        return false;
    }

    if (pEvent->type() == QEvent::Resize) {
        mClickTimer.restart();
        if (pObject == mUi->actionFrame && mActionHeightIdle) {
            mActionHeightAnimation->setStartValue(
                static_cast<QResizeEvent*>(pEvent)->size().height());
        }
    }
    return false;
}

void ZelControlCenter::resizeEvent(QResizeEvent* pEvent)
{
    if (mActionHeightIdle)
        mActionHeightAnimation->setStartValue(pEvent->size().height());
    QWidget::resizeEvent(pEvent);
}

void ZelControlCenter::showEvent(QShowEvent* pEvent)
{
    QWidget::showEvent(pEvent);
}

QWidget* ZelControlCenter::hostMainWindow() const
{
    return mApplication ? mApplication->getMainWindow() : nullptr;
}

void ZelControlCenter::pauseViewUpdates()
{
    if (mViewUpdatesPaused || !mApplication)
        return;
    mViewUpdatesPaused = true;
    mApplication->setViewUpdatesEnabled(false);
}

void ZelControlCenter::resumeViewUpdates()
{
    // Both slides may run at once; the view comes back when the last one ends.
    if (!mViewUpdatesPaused
        || mControlCenterWidthAnimation->state() == QAbstractAnimation::Running
        || mSettingsWidthAnimation->state() == QAbstractAnimation::Running)
        return;
    mViewUpdatesPaused = false;
    mApplication->setViewUpdatesEnabled(true);
}

} // namespace zel
