#include "ZelHiddenLayout.h"

#include <QCoreApplication>
#include <QImage>
#include <QLayout>
#include <QList>
#include <QMoveEvent>
#include <QPair>
#include <QResizeEvent>
#include <QWidget>

#include <algorithm>

namespace zel {

void ZelHiddenLayout::LayOut(QWidget* pTop, const QWidget* pSkip)
{
    pTop->ensurePolished();
    QList<QPair<int, QLayout*>> layouts;
    if (pTop->layout())
        layouts.append({0, pTop->layout()});
    for (QLayout* layout : pTop->findChildren<QLayout*>()) {
        // Layouts inside layouts are placed by the layout that holds them.
        if (!layout->parent()->isWidgetType() || layout->parentWidget() == pTop
            || (pSkip && (layout->parentWidget() == pSkip
                          || pSkip->isAncestorOf(layout->parentWidget()))))
            continue;
        int depth = 1;
        for (const QWidget* widget = layout->parentWidget()->parentWidget(); widget != pTop;
             widget = widget->parentWidget())
            ++depth;
        layouts.append({depth, layout});
    }
    std::stable_sort(layouts.begin(), layouts.end(),
                     [](const auto& pA, const auto& pB) { return pA.first < pB.first; });
    // A hidden widget is not laid out again when it is resized: its layout places its
    // children anew at the size it has now.
    for (const auto& entry : std::as_const(layouts)) {
        entry.second->invalidate();
        entry.second->activate();
    }
}

void ZelHiddenLayout::ShowAhead(QWidget* pTop)
{
    QList<QWidget*> widgets = pTop->findChildren<QWidget*>();
    widgets.prepend(pTop);
    for (QWidget* widget : std::as_const(widgets)) {
        if (widget->isWindow())
            continue;
        if (widget->testAttribute(Qt::WA_PendingMoveEvent)) {
            QMoveEvent moved(widget->pos(), widget->pos());
            QCoreApplication::sendEvent(widget, &moved);
            widget->setAttribute(Qt::WA_PendingMoveEvent, false);
        }
        if (widget->testAttribute(Qt::WA_PendingResizeEvent)) {
            QResizeEvent resized(widget->size(), QSize());
            QCoreApplication::sendEvent(widget, &resized);
            widget->setAttribute(Qt::WA_PendingResizeEvent, false);
        }
        if (widget != pTop && !widget->isHidden()
            && !widget->testAttribute(Qt::WA_WState_ExplicitShowHide))
            widget->setVisible(true);
    }
}

void ZelHiddenLayout::PaintAhead(QWidget* pTop, const QRect& pArea)
{
    if (pArea.isEmpty())
        return;
    const qreal ratio = pTop->devicePixelRatioF();
    QImage canvas(pArea.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    canvas.setDevicePixelRatio(ratio);
    pTop->render(&canvas, QPoint(), QRegion(pArea));
}

int ZelHiddenLayout::HeightAt(const QWidget* pPage, int pWidth)
{
    const int height = pPage->heightForWidth(pWidth);
    return height >= 0 ? height : pPage->sizeHint().height();
}

} // namespace zel
