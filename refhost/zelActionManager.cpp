#include "zelActionManager.h"

#include "zelAction.h"

namespace zel {

zelActionManager::zelActionManager(QObject* pParent)
    : QObject(pParent)
{
}

bool zelActionManager::registerAction(zelAction* pAction)
{
    if (!pAction)
        return false;
    const QString name = pAction->getActionName();
    const auto found = mActions.constFind(name);
    if (found != mActions.constEnd()) {
        if (!found.value().isNull())
            return false;
        // The earlier action of that name is gone; its slot is free again.
        mOrder.removeAll(name);
    }
    mActions.insert(name, pAction);
    mOrder.append(name);
    return true;
}

zelAction* zelActionManager::getActionByName(const QString& pName) const
{
    return mActions.value(pName).data();
}

QList<zelAction*> zelActionManager::getActions() const
{
    QList<zelAction*> actions;
    for (const QString& name : mOrder) {
        if (zelAction* action = mActions.value(name).data())
            actions.append(action);
    }
    return actions;
}

} // namespace zel
