#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QLabel;

namespace zel {

class ZelSettingsPanel;

// The rows of a panel whose setting an administrator locked: their controls stay disabled,
// whatever the panel does with them, and a lock mark beside the label says who set them.
// One per panel, owned by it; the hosts bring it up to date when they show the panel.
class ZelLockedRows : public QObject
{
    Q_OBJECT

public:
    // Locks the rows of pPanel that are locked now, and unlocks the others that it locked.
    static void Update(ZelSettingsPanel* pPanel);
    // The text of the lock mark's tool tip.
    static QString LockTip();

protected:
    bool eventFilter(QObject* pObject, QEvent* pEvent) override;

private:
    struct Row
    {
        QString mKey;
        QList<QPointer<QWidget>> mWidgets;
        QPointer<QLabel> mMark;
    };

    explicit ZelLockedRows(ZelSettingsPanel* pPanel);
    void update();
    void lock(QWidget* pControl, const QString& pKey);
    QLabel* addMark(QWidget* pControl, const QString& pKey);
    static bool isLocked(const QWidget* pWidget);

    ZelSettingsPanel* mPanel;
    QList<Row> mRows;
};

} // namespace zel
