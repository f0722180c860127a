#include "ZelHiddenLayout.h"

#include <QLayout>
#include <QList>
#include <QPair>
#include <QWidget>

#include <algorithm>

namespace zel {

void ZelHiddenLayout::LayOut(QWidget* pTop)
{
    pTop->ensurePolished();
    QList<QPair<int, QLayout*>> layouts;
    if (pTop->layout())
        layouts.append({0, pTop->layout()});
    for (QLayout* layout : pTop->findChildren<QLayout*>()) {
        // Layouts inside layouts are placed by the layout that holds them.
        if (!layout->parent()->isWidgetType() || layout->parentWidget() == pTop)
            continue;
        int depth = 1;
        for (const QWidget* widget = layout->parentWidget()->parentWidget(); widget != pTop;
             widget = widget->parentWidget())
            ++depth;
        layouts.append({depth, layout});
    }
    std::stable_sort(layouts.begin(), layouts.end(),
                     [](const auto& pA, const auto& pB) { return pA.first < pB.first; });
    for (const auto& entry : std::as_const(layouts))
        entry.second->activate();
}

} // namespace zel
