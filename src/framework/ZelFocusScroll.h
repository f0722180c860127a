#pragma once

#include <QObject>

#include <functional>

class QScrollArea;
class QWidget;

namespace zel {

// Tab brings a control of a scrolled page into view as it takes the focus. A pressed control
// is in view already, and stays under the pointer until the button is released (a link in a
// text wider or taller than what is shown of it).
class ZelFocusScroll
{
public:
    // Follows the focus while pContext lives; pArea gives the scroll area that shows pPage.
    static void Follow(QObject* pContext, QWidget* pPage,
                       const std::function<QScrollArea*()>& pArea);
};

} // namespace zel
