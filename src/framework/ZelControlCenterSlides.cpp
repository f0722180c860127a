#include "ZelControlCenter.h"

#include "ZelHiddenLayout.h"
#include "ZelPanelHostFlow.h"
#include "ZelSettingsPanel.h"
#include "kmDMIApplication.h"
#include "kmMainWindow.h"

#include "ui_ControlCenter.h"

#include <QCoreApplication>
#include <QLayout>
#include <QPropertyAnimation>
#include <QResizeEvent>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>

// The control center's movement: the menu's slide, settings mode with the collapse of the
// action list and the pane's slide, the pane's scrolling, and the pauses of the host's view.

namespace zel {

namespace {

const int kUnboundedSize = 16777215;
const int kScrollProbeOffset = 10;
// The pane's width when the window has room for it, and the least of the work area that it
// leaves visible (and pressable, to close it) when the window has not.
const int kPaneWidth = 450;
const int kKeptWorkArea = 160;
const int kNarrowestPane = 240;
// One frame of a 60 Hz screen.
const int kFrameMs = 16;

// Starts a slide with its first step already taken: the press is answered in the next painted
// frame, not after the animation timer's first tick, which leaves the first frame unchanged.
void StartAtFirstStep(QAbstractAnimation* pSlide)
{
    if (pSlide->state() == QAbstractAnimation::Running)
        return;
    pSlide->start();
    const int step = qMin(kFrameMs, pSlide->duration());
    const bool forward = pSlide->direction() == QAbstractAnimation::Forward;
    pSlide->setCurrentTime(pSlide->currentTime() + (forward ? step : -step));
}

} // namespace

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
    const QWidget* pane = settingsPane();
    return !pane || pane->isHidden() ? 0 : pane->minimumWidth();
}

void ZelControlCenter::setSettingsWidth(int pWidth)
{
    QScrollArea* pane = settingsPane();
    if (!pane)
        return;
    pane->setVisible(pWidth >= 1);
    pane->setMinimumWidth(pWidth);
    pane->setMaximumWidth(pWidth);
    // A closed pane keeps its panels laid out at the width they had: laid out again at no
    // width, every wrapped text would be measured twice more, closing and at the next opening.
    if (pWidth < 1)
        return;

    // While the pane slides, its panels keep the width that they have in the open pane: the
    // slide uncovers them instead of laying every panel out again at each of its frames.
    int laidOutWidth = pWidth;
    if (mSettingsWidthAnimation
        && mSettingsWidthAnimation->state() == QAbstractAnimation::Running)
        laidOutWidth = qMax(pWidth, mSettingsWidthAnimation->endValue().toInt());
    const QScrollBar* scrollBar = pane->verticalScrollBar();
    placeContent(laidOutWidth, scrollBar->isVisible() ? scrollBar->width() : 0);
}

// Gives the panels the width of a pane pLaidOutWidth wide, less its scroll bar; returns it.
int ZelControlCenter::placeContent(int pLaidOutWidth, int pScrollBarWidth)
{
    int contentWidth = qMax(0, pLaidOutWidth - pScrollBarWidth);
    // A window too narrow for the panels and some work area beside them: the open pane keeps
    // the width that the panels' texts need and scrolls sideways rather than cut them.
    const int needed = mUi->settingsContent->minimumSizeHint().width();
    const bool sideways = pLaidOutWidth >= openPaneWidth() && needed > contentWidth;
    if (sideways)
        contentWidth = needed;
    settingsPane()->setHorizontalScrollBarPolicy(sideways ? Qt::ScrollBarAsNeeded
                                                          : Qt::ScrollBarAlwaysOff);
    mUi->settingsContent->setMinimumWidth(contentWidth);
    mUi->settingsContent->setMaximumWidth(contentWidth);
    return contentWidth;
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
        // A closed menu holds no edit (closing asked about them), but its panels may show
        // values that were changed elsewhere since: they show the applied ones again.
        if (isHidden()) {
            mFlow->initializePanels();
            onStateChanged();
        }
        pauseViewUpdates();
        if (hostMainWindow()) {
            QCoreApplication::instance()->removeEventFilter(this);
            QCoreApplication::instance()->installEventFilter(this);
        }
        fitMenuWidth();
        mControlCenterWidthAnimation->setEasingCurve(QEasingCurve::OutQuad);
        mControlCenterWidthAnimation->setDirection(QAbstractAnimation::Forward);
        mUi->preferenceFrame->hide();
    } else {
        // Only a menu on screen is closed with a question: an action triggered by its
        // shortcut while the menu is closed asks nothing.
        if (!isHidden() && hasModifications() && !mFlow->discard(window())) {
            resumeViewUpdates();
            return;
        }
        returnFocus();
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
        StartAtFirstStep(mControlCenterWidthAnimation);
}

void ZelControlCenter::closeMenu()
{
    openMenu(false);
}

void ZelControlCenter::setControlCenterVisible(bool pVisible)
{
    const bool preferenceVisible = mUi->preferenceFrame->isVisible();

    if (pVisible) {
        // The list collapses from its own height: the form around it must not grow.
        if (!preferenceVisible && mUi->actionFrame->isVisible())
            mActionHeightAnimation->setStartValue(mUi->actionFrame->height());
        mActionHeightIdle = false;
        mActionHeightAnimation->setDirection(QAbstractAnimation::Forward);
        mUi->controlCenterButton->setChecked(true);
        mUi->preferenceFrame->show();
        focusTabs();
        if (preferenceVisible)
            onActionHeightFinished();
        else
            StartAtFirstStep(mActionHeightAnimation);
        return;
    }

    if (!preferenceVisible)
        return;

    const bool paneVisible = mUi->settingsScrollArea->isVisible();
    pauseViewUpdates();
    mSettingsWidthAnimation->setEasingCurve(QEasingCurve::InQuad);
    mSettingsWidthAnimation->setDirection(QAbstractAnimation::Backward);
    if (paneVisible)
        StartAtFirstStep(mSettingsWidthAnimation);

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
    // Restored, the list shows whole, whatever height its slide ended on.
    if (mActionHeightAnimation->direction() == QAbstractAnimation::Backward)
        mUi->actionFrame->show();
    if (mUi->controlCenterButton->isChecked())
        openSettingsPanel(mActionHeightAnimation->direction() == QAbstractAnimation::Forward);
}

void ZelControlCenter::openSettingsPanel(bool pOpen)
{
    const bool change = mUi->settingsScrollArea->isVisible() != pOpen;

    pauseViewUpdates();
    if (pOpen) {
        if (change) {
            mFlow->initializePanels();
            onStateChanged();
        }
        if (change)
            measurePanels();
        mUi->settingsScrollArea->show();
        if (mSettingsWidthAnimation->state() != QAbstractAnimation::Running)
            mSettingsWidthAnimation->setEndValue(openPaneWidth());
        mSettingsWidthAnimation->setEasingCurve(QEasingCurve::OutQuad);
    } else {
        mSettingsWidthAnimation->setEasingCurve(QEasingCurve::InQuad);
    }

    mSettingsWidthAnimation->setDirection(pOpen ? QAbstractAnimation::Forward
                                                : QAbstractAnimation::Backward);
    if (change)
        StartAtFirstStep(mSettingsWidthAnimation);

    // The pane is already where it was asked to be: no slide will end to give the view back.
    if (mSettingsWidthAnimation->state() != QAbstractAnimation::Running)
        resumeViewUpdates();
}

// As wide as the panels' texts need, at least the usual width; but narrower where the window
// would otherwise lose the whole work area under the pane.
int ZelControlCenter::openPaneWidth() const
{
    const QScrollArea* pane = settingsPane();
    const int needed = mUi->settingsContent->minimumSizeHint().width()
                       + pane->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, pane);
    const int wanted = qMax(kPaneWidth, needed);

    // The pane opens beside the control center, over the host's work area.
    const auto* mainWindow = static_cast<kmMainWindow*>(hostMainWindow());
    const QWidget* area = mainWindow ? mainWindow->getPrimaryWorkArea() : nullptr;
    if (!area || !area->isVisible())
        area = window();
    // A closed menu is measured at the width that it opens to, from the edge that stays put.
    const bool rightToLeft = isRightToLeft();
    const int menu = isHidden() ? menuWidth() : width();
    const int paneEdge = rightToLeft ? mapToGlobal(QPoint(width() - menu, 0)).x()
                                     : mapToGlobal(QPoint(menu, 0)).x();
    const QRect areaRect(area->mapToGlobal(QPoint(0, 0)), area->size());
    const int room = rightToLeft ? paneEdge - areaRect.left() : areaRect.right() + 1 - paneEdge;
    if (room <= 0)
        return wanted;
    return qMin(wanted, qMax(kNarrowestPane, room - kKeptWorkArea));
}

// An open pane follows the window's width and its panels' texts, by the same rules as when
// it opened; a slide under way keeps the width that it aims at.
void ZelControlCenter::remeasurePane()
{
    if (!mSettingsOpen || mSettingsWidthAnimation->state() == QAbstractAnimation::Running
        || settingsPane()->isHidden())
        return;
    const int width = openPaneWidth();
    mSettingsWidthAnimation->setEndValue(width);
    setSettingsWidth(width);
}

// Panels that were never shown keep the sizes that their layouts cached before the style gave
// them their fonts and margins: measured afresh once after a panel or a language came.
void ZelControlCenter::measurePanels()
{
    if (mPanelsMeasured)
        return;
    mPanelsMeasured = true;
    mUi->settingsContent->ensurePolished();
    for (QLayout* layout : mUi->settingsContent->findChildren<QLayout*>())
        layout->invalidate();
}

void ZelControlCenter::schedulePanePreparation()
{
    mPanelsMeasured = false;
    mPaneTimer->start();
}

// While the host is idle, the closed pane's panels are laid out at the width that the pane
// will open with, shown ahead and painted once: the first opening finds their texts measured,
// their places set and the style's caches filled, rather than working them out before its
// first frame.
void ZelControlCenter::preparePane()
{
    QScrollArea* pane = settingsPane();
    if (mPanelsMeasured || !pane || !pane->isHidden() || !window()->isVisible())
        return;
    measurePanels();
    QWidget* content = mUi->settingsContent;
    const int width = openPaneWidth();
    int contentWidth = placeContent(width, 0);
    // Panels taller than the pane will stand beside its scroll bar.
    if (ZelHiddenLayout::HeightAt(content, contentWidth) > pane->parentWidget()->height())
        contentWidth = placeContent(width, pane->verticalScrollBar()->sizeHint().width());
    content->resize(contentWidth, ZelHiddenLayout::HeightAt(content, contentWidth));
    ZelHiddenLayout::LayOut(content);
    // Its widgets get their first sizes now, and the top of the pane is painted once.
    ZelHiddenLayout::ShowAhead(pane);
    const int shownHeight = pane->parentWidget()->height();
    ZelHiddenLayout::PaintAhead(content, QRect(0, 0, contentWidth, shownHeight));
}

void ZelControlCenter::onControlCenterWidthFinished()
{
    if (mControlCenterWidthAnimation->direction() == QAbstractAnimation::Backward) {
        mMenuOpen = false;
        hide();
    } else {
        mMenuOpen = true;
        focusActionList();
    }
    resumeViewUpdates();
}

void ZelControlCenter::onSettingsWidthFinished()
{
    // The slide is over: the content takes the width of the pane where it stopped.
    setSettingsWidth(settingsWidth());
    resumeViewUpdates();
    if (mSettingsWidthAnimation->direction() == QAbstractAnimation::Backward) {
        mSettingsOpen = false;
        mActionHeightIdle = false;
        mUi->preferenceFrame->hide();
        mUi->settingsScrollArea->hide();
        // A list that never collapsed on screen comes back to the height that it asks for.
        if (!mActionHeightAnimation->startValue().isValid())
            mActionHeightAnimation->setStartValue(mUi->actionFrame->sizeHint().height());
        mActionHeightAnimation->setDirection(QAbstractAnimation::Backward);
        StartAtFirstStep(mActionHeightAnimation);
    } else {
        mSettingsOpen = true;
    }
}

void ZelControlCenter::onPanelClicked(QString pPanelName)
{
    if (!mSettingsOpen)
        openSettingsPanel(true);

    const QList<ZelSettingsPanel*> panels = mFlow->panels();
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

void ZelControlCenter::resizeEvent(QResizeEvent* pEvent)
{
    // The layout has placed the action list by now; its height, not ours, is where a
    // collapse starts and a restore ends.
    if (mActionHeightIdle && mUi->actionFrame->isVisible())
        mActionHeightAnimation->setStartValue(mUi->actionFrame->height());
    QWidget::resizeEvent(pEvent);
}

void ZelControlCenter::showEvent(QShowEvent* pEvent)
{
    QWidget::showEvent(pEvent);
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
