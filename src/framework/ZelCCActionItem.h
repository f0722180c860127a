#pragma once

#include "zelExport.h"

#include <QWidget>

class Ui_ZelCCActionItem;

namespace zel {

class zelAction;

// One entry of the control center's action list: the action's name as a flat button and
// its shortcut beside it, following the action as the host changes it.
class ZEL_EXPORT ZelCCActionItem : public QWidget
{
    Q_OBJECT

public:
    explicit ZelCCActionItem(zelAction* pAction, QWidget* pParent = nullptr,
                             Qt::WindowFlags pFlags = {});
    ~ZelCCActionItem() override;

    zelAction* getZelAction() const;

protected:
    bool eventFilter(QObject* pObject, QEvent* pEvent) override;

protected Q_SLOTS:
    void onActionChanged();

private:
    Ui_ZelCCActionItem* mUi;
    zelAction* mAction;
};

} // namespace zel
