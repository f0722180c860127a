#pragma once

#include "kmHostExport.h"

#include <QAction>

namespace zel {

// An action of the host: a QAction with a stable name and a display name.
class KM_HOST_EXPORT zelAction : public QAction
{
    Q_OBJECT

public:
    zelAction(const QString& pName, const QString& pGuiName, QObject* pParent = nullptr);

    const QString& getActionName() const { return mName; }
    QString getActionGuiName() const;
    void setActionGuiName(const QString& pGuiName);

private:
    QString mName;
};

} // namespace zel
