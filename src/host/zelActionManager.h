#pragma once

#include "kmHostExport.h"

#include <QHash>
#include <QObject>
#include <QPointer>

namespace zel {

class zelAction;

// The host's actions, looked up by name.
class KM_HOST_EXPORT zelActionManager : public QObject
{
    Q_OBJECT

public:
    explicit zelActionManager(QObject* pParent = nullptr);

    // Returns false when an action of that name is already registered.
    bool registerAction(zelAction* pAction);
    zelAction* getActionByName(const QString& pName) const;
    QList<zelAction*> getActions() const;

private:
    QHash<QString, QPointer<zelAction>> mActions;
    QStringList mOrder;
};

} // namespace zel
