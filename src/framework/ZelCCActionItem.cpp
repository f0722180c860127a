#include "ZelCCActionItem.h"

#include "zelAction.h"

#include "ui_ZelCCActionItem.h"

#include <QStyle>

namespace zel {

ZelCCActionItem::ZelCCActionItem(zelAction* pAction, QWidget* pParent, Qt::WindowFlags pFlags)
    : QWidget(pParent, pFlags)
    , mUi(new Ui_ZelCCActionItem)
    , mAction(pAction)
{
    mUi->setupUi(this);
    // Return triggers the focused item as Space does, in a main window as in a dialog.
    mUi->actionButton->setAutoDefault(true);
    // The row under the focus is marked by the style sheet, through the "focused" property.
    mUi->actionButton->installEventFilter(this);
    onActionChanged();
    connect(mAction, &QAction::changed, this, &ZelCCActionItem::onActionChanged);
    connect(mUi->actionButton, &QPushButton::clicked, mAction, &QAction::trigger);
}

ZelCCActionItem::~ZelCCActionItem()
{
    mUi->actionButton->removeEventFilter(this);
    delete mUi;
}

bool ZelCCActionItem::eventFilter(QObject* pObject, QEvent* pEvent)
{
    if (pEvent->type() == QEvent::FocusIn || pEvent->type() == QEvent::FocusOut) {
        mUi->frame->setProperty("focused", pEvent->type() == QEvent::FocusIn);
        mUi->frame->style()->unpolish(mUi->frame);
        mUi->frame->style()->polish(mUi->frame);
        mUi->frame->update();
    }
    return QWidget::eventFilter(pObject, pEvent);
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
