#include "zelPaneContent.h"

namespace zel {

zelPaneContent::zelPaneContent(QWidget* pParent)
    : QWidget(pParent)
{
}

zelPaneContent::~zelPaneContent() = default;

int zelPaneContent::heightForWidth(int pWidth) const
{
    // The least width wins: between setting a new least and a new most width, the least may
    // stand above the most for a moment.
    return QWidget::heightForWidth(qMax(minimumWidth(), qMin(pWidth, maximumWidth())));
}

} // namespace zel
