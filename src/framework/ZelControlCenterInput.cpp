#include "ZelControlCenter.h"

#include "ZelPanelHostFlow.h"
#include "ZelSettingsGuide.h"
#include "ZelSettingsPanel.h"
#include "kmDMIApplication.h"
#include "kmMainWindow.h"
#include "zelQtCompat.h"

#include "ui_ControlCenter.h"

#include <QApplication>
#include <QButtonGroup>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPropertyAnimation>
#include <QResizeEvent>
#include <QTimer>

// How the control center meets the mouse and the keyboard: presses in the host's work areas
// close it, Escape closes it, the arrow keys walk the action list, and the focus goes where
// a person at the keyboard expects it.

namespace zel {

namespace {

const int kClickDebounceMs = 500;

} // namespace

bool ZelControlCenter::eventFilter(QObject* pObject, QEvent* pEvent)
{
    switch (pEvent->type()) {
    case QEvent::MouseButtonPress: {
        // A press reaches the window before the widget under it; the widget's delivery is
        // the one to judge, or the GUI handler would never be asked.
        if (pObject->inherits("QWidgetWindow"))
            return false;
        if (mClickTimer.elapsed() < kClickDebounceMs)
            return false;
        mClickTimer.restart();

        if (!pressedInWorkArea(pObject, static_cast<QMouseEvent*>(pEvent)))
            return false;
        QWidget* mainWindow = hostMainWindow();
        if (hasModifications() && !mFlow->discard(mainWindow))
            return false;
        openSettingsPanel(false);
        openMenu(false);
        return false;
    }
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
        // Keys that nothing inside took come up to the control center or to its pane.
        if ((pObject == this || pObject == mSettingsPane)
            && handleMenuKey(static_cast<QKeyEvent*>(pEvent))) {
            pEvent->accept();
            return pEvent->type() == QEvent::KeyPress;
        }
        return false;
    case QEvent::LayoutRequest:
        // The panels' texts changed (a language, a font): measured again once laid out.
        if (pObject == mUi->settingsContent)
            QTimer::singleShot(0, this, &ZelControlCenter::remeasurePane);
        return false;
    case QEvent::Resize:
        mClickTimer.restart();
        // Once the window has laid out its work area at the new size.
        if (pObject == window())
            QTimer::singleShot(0, this, &ZelControlCenter::remeasurePane);
        // A collapsed list is 0 high: that is not the height that it comes back to.
        if (pObject == mUi->actionFrame && mActionHeightIdle && !mUi->actionFrame->isHidden()) {
            mActionHeightAnimation->setStartValue(
                static_cast<QResizeEvent*>(pEvent)->size().height());
        }
        return false;
    default:
        return false;
    }
}

bool ZelControlCenter::pressedInWorkArea(QObject* pObject, const QMouseEvent* pEvent) const
{
    const auto* mainWindow = static_cast<kmMainWindow*>(hostMainWindow());
    if (!mainWindow)
        return false;

    const QWidget* pressed =
        pObject->isWidgetType() ? static_cast<QWidget*>(pObject) : nullptr;
    // The host lays the control center and its pane over its work areas: a press on them,
    // or on anything that they opened, is not a press in the area below.
    if (pressed && ownsWidget(pressed))
        return false;

    const QPoint position = compat::globalPosition(pEvent);
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
    if (!inWorkArea)
        return false;

    if (mGUIHandler && pressed)
        return pressed == mGUIHandler || mGUIHandler->isAncestorOf(pressed);
    return true;
}

bool ZelControlCenter::ownsWidget(const QWidget* pWidget) const
{
    // Popups and dialogs lead back through their parents to the control that opened them.
    for (const QWidget* widget = pWidget; widget; widget = widget->parentWidget()) {
        if (widget == this || widget == mSettingsPane)
            return true;
    }
    return false;
}

bool ZelControlCenter::handleMenuKey(const QKeyEvent* pEvent)
{
    if (isHidden() || pEvent->modifiers() != Qt::NoModifier)
        return false;

    if (pEvent->key() == Qt::Key_Escape) {
        if (pEvent->type() == QEvent::KeyPress)
            closeMenu();
        return true;
    }

    if (pEvent->key() != Qt::Key_Up && pEvent->key() != Qt::Key_Down)
        return false;
    QList<QAbstractButton*> buttons;
    for (QAbstractButton* button : actionButtons()) {
        if (button->isVisible() && button->isEnabled())
            buttons.append(button);
    }
    const int current =
        buttons.indexOf(qobject_cast<QAbstractButton*>(QApplication::focusWidget()));
    if (current < 0)
        return false;
    if (pEvent->type() == QEvent::KeyPress) {
        const int step = pEvent->key() == Qt::Key_Down ? 1 : -1;
        buttons.at((current + step + buttons.size()) % buttons.size())
            ->setFocus(Qt::TabFocusReason);
    }
    return true;
}

void ZelControlCenter::focusActionList()
{
    // The opened menu takes the focus from its own window, never from another one.
    const QWidget* focus = QApplication::focusWidget();
    if (focus && (focus->window() != window() || ownsWidget(focus)))
        return;
    for (QAbstractButton* button : actionButtons()) {
        if (button->isVisible() && button->isEnabled()) {
            button->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void ZelControlCenter::focusTabs()
{
    // The collapsing list takes the focus with it: the tabs get it instead.
    if (!mUi->actionFrame->isAncestorOf(QApplication::focusWidget()))
        return;
    QAbstractButton* tab = mButtonGroup->checkedButton();
    if (!tab && !mButtonGroup->buttons().isEmpty())
        tab = mButtonGroup->buttons().constFirst();
    (tab ? static_cast<QWidget*>(tab) : mUi->controlCenterButton)->setFocus(Qt::TabFocusReason);
}

void ZelControlCenter::returnFocus()
{
    // Closed from the inside, the focus goes back to the host's button that opens it; asked
    // of the window, which may not be active again yet after the discard prompt.
    if (ownsWidget(window()->focusWidget()) && mControlCenterButton
        && mControlCenterButton->isVisible()) {
        mControlCenterButton->setFocus(Qt::TabFocusReason);
    }
}

void ZelControlCenter::orderPaneFocus()
{
    // Each panel's controls follow its tab; Reset and Apply come after the last panel, and
    // the guide's search before the first.
    QWidget* first = nullptr;
    QWidget* last = nullptr;
    for (const ZelSettingsPanel* panel : mFlow->panels()) {
        for (QWidget* widget = panel->nextInFocusChain();
             widget != panel && panel->isAncestorOf(widget);
             widget = widget->nextInFocusChain()) {
            if (widget->focusPolicy() == Qt::NoFocus)
                continue;
            if (!first)
                first = widget;
            last = widget;
        }
    }
    if (!last || last->window() != mUi->resetButton->window())
        return;
    QWidget* search = mGuide ? mGuide->searchField() : nullptr;
    if (search && search->nextInFocusChain() != first)
        setTabOrder(first->previousInFocusChain(), search);
    setTabOrder(last, mUi->resetButton);
    setTabOrder(mUi->resetButton, mUi->applyButton);
}

} // namespace zel
