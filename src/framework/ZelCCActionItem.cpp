#include "ZelCCActionItem.h"

#include "zelAction.h"

#include "ui_ZelCCActionItem.h"

namespace zel {

ZelCCActionItem::ZelCCActionItem(zelAction* pAction, QWidget* pParent, Qt::WindowFlags pFlags)
    : QWidget(pParent, pFlags)
    , mUi(new Ui_ZelCCActionItem)
    , mAction(pAction)
{
    mUi->setupUi(this);
    onActionChanged();
    connect(mAction, &QAction::changed, this, &ZelCCActionItem::onActionChanged);
    connect(mUi->actionButton, &QPushButton::clicked, mAction, &QAction::trigger);
}

ZelCCActionItem::~ZelCCActionItem()
{
    delete mUi;
}

zelAction* ZelCCActionItem::getZelAction() const
{
    return mAction;
}

void ZelCCActionItem::onActionChanged()
{
    setVisible(mAction->isVisible());
    mUi->actionButton->setText(mAction->getActionGuiName());

    // An empty shortcut only hides the label; its last text stays behind.
    const QKeySequence shortcut = mAction->shortcut();
    if (!shortcut.isEmpty())
        mUi->shortcut->setText(shortcut.toString(QKeySequence::PortableText));
    mUi->shortcut->setVisible(!shortcut.isEmpty());

    setStatusTip(mAction->statusTip());
    setToolTip(mAction->toolTip());
    mUi->actionButton->setEnabled(mAction->isEnabled());
}

} // namespace zel
