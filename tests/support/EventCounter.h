#pragma once

#include <QEvent>
#include <QObject>

#include <functional>

class QWidget;

namespace zeltest {

// Counts the events of one type that the widgets it watches receive, those that pCounted
// picks when it is given.
class EventCounter : public QObject
{
public:
    explicit EventCounter(QEvent::Type pType,
                          std::function<bool(const QEvent*)> pCounted = nullptr);

    void watch(QWidget* pWidget);
    // pTop and every widget below it now.
    void watchTree(QWidget* pTop);
    int count() const { return mCount; }

    // A resize held back while the widget was hidden, delivered as it is shown: it comes
    // without an old size.
    static bool DeferredResize(const QEvent* pEvent);

protected:
    bool eventFilter(QObject* pObject, QEvent* pEvent) override;

private:
    QEvent::Type mType;
    std::function<bool(const QEvent*)> mCounted;
    int mCount = 0;
};

} // namespace zeltest
