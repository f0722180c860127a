#pragma once

// The few places where Qt 5 and Qt 6 differ, so that the rest of the code reads the same
// against both.

// Also reached from outside the library's include folders, by the reference host.
#include "../registry/zelQtCoreCompat.h"

#include <QMouseEvent>
#include <QWheelEvent>

namespace zel::compat {

inline QPoint globalPosition(const QMouseEvent* pEvent)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return pEvent->globalPosition().toPoint();
#else
    return pEvent->globalPos();
#endif
}

inline QPoint position(const QWheelEvent* pEvent)
{
#if QT_VERSION >= QT_VERSION_CHECK(5, 14, 0)
    return pEvent->position().toPoint();
#else
    return pEvent->pos();
#endif
}

} // namespace zel::compat
