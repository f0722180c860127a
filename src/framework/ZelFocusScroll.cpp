#include "ZelFocusScroll.h"

#include <QApplication>
#include <QPointer>
#include <QScrollArea>

namespace zel {

void ZelFocusScroll::Follow(QObject* pContext, QWidget* pPage,
                            const std::function<QScrollArea*()>& pArea)
{
    const QPointer<QWidget> page(pPage);
    QObject::connect(qApp, &QApplication::focusChanged, pContext,
                     [page, pArea](QWidget*, QWidget* pNow) {
                         QScrollArea* area = pArea();
                         if (area && page && pNow && page->isAncestorOf(pNow)
                             && QGuiApplication::mouseButtons() == Qt::NoButton)
                             area->ensureWidgetVisible(pNow, 0, 0);
                     });
}

} // namespace zel
