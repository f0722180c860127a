#include "ZelHiddenLayout.h"

#include <QLayout>
#include <QList>
#include <QPair>
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

int ZelHiddenLayout::HeightAt(const QWidget* pPage, int pWidth)
{
    const int height = pPage->heightForWidth(pWidth);
    return height >= 0 ? height : pPage->sizeHint().height();
}

} // namespace zel
