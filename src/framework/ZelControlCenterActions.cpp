#include "ZelControlCenter.h"

#include "ZelCCActionItem.h"
#include "zelAction.h"

#include "ui_ControlCenter.h"

#include <QPropertyAnimation>

// The control center's action list: items for the host's actions, named separators, and the
// order in which the keyboard walks the items.

namespace zel {

namespace {

const int kSeparatorInset = 18;
const int kMenuWidth = 250;
// The least of the window that a wide menu leaves beside it.
const int kKeptBesideMenu = 160;

} // namespace

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

    const int anchor = pAnchorName.isEmpty() ? -1 : anchorIndex(pAnchorName);
    if (pAnchorName.isEmpty()) {
        mUi->verticalLayout->insertWidget(0, item);
        layout()->invalidate();
    } else if (anchor >= 0) {
        mUi->verticalLayout->insertWidget(pInsertAfter ? anchor + 1 : anchor, item);
    } else {
        mUi->verticalLayout->addWidget(item);
        layout()->invalidate();
    }
    orderActionFocus();
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

// The menu opens to its usual width, or wider where an item's text and shortcut need more:
// no item is cut. Only a window too narrow for both keeps it narrower.
// The menu's width: its longest item with its shortcut, while some of the window stays beside it.
int ZelControlCenter::menuWidth() const
{
    const int needed = mUi->actionFrame->minimumSizeHint().width();
    const int room = window()->width() - kKeptBesideMenu;
    return qMax(kMenuWidth, qMin(needed, room));
}

void ZelControlCenter::fitMenuWidth()
{
    const int menuWidth = this->menuWidth();
    mUi->mainPanel->setFixedWidth(menuWidth);
    mControlCenterWidthAnimation->setEndValue(menuWidth);
    for (QWidget* separator : std::as_const(mSeparators))
        separator->setFixedWidth(menuWidth - kSeparatorInset);
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
    // Closed, the control center is 0 wide, or as wide as its form before it first opened:
    // its separators span the menu that it opens to.
    const int menuWidth =
        mMenuOpen ? controlCenterWidth() : mControlCenterWidthAnimation->endValue().toInt();
    separator->setFixedWidth(menuWidth - kSeparatorInset);
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


QList<QAbstractButton*> ZelControlCenter::actionButtons() const
{
    QList<QAbstractButton*> buttons;
    const QLayout* actions = mUi->verticalLayout;
    for (int i = 0; i < actions->count(); ++i) {
        if (const auto* item = qobject_cast<ZelCCActionItem*>(actions->itemAt(i)->widget()))
            buttons.append(item->findChild<QAbstractButton*>(QStringLiteral("actionButton")));
    }
    return buttons;
}

void ZelControlCenter::orderActionFocus()
{
    // Items are made in the order of registration; Tab walks them in the order shown.
    const QList<QAbstractButton*> buttons = actionButtons();
    for (int i = 1; i < buttons.size(); ++i)
        setTabOrder(buttons.at(i - 1), buttons.at(i));
}

} // namespace zel
