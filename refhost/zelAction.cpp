#include "zelAction.h"

namespace zel {

zelAction::zelAction(const QString& pName, const QString& pGuiName, QObject* pParent)
    : QAction(pGuiName, pParent)
    , mName(pName)
{
    setObjectName(pName);
}

QString zelAction::getActionGuiName() const
{
    return text();
}

void zelAction::setActionGuiName(const QString& pGuiName)
{
    setText(pGuiName);
}

} // namespace zel
