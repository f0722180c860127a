#include "zelPaneContent.h"

namespace zel {

zelPaneContent::zelPaneContent(QWidget* pParent)
    : QWidget(pParent)
{
}

zelPaneContent::~zelPaneContent() = default;

int zelPaneContent::heightForWidth(int pWidth) const
{
    return QWidget::heightForWidth(qBound(minimumWidth(), pWidth, maximumWidth()));
}

} // namespace zel
