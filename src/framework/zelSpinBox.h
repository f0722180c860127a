#pragma once

#include "zelExport.h"

#include <QSpinBox>

namespace zel {

// A integer spin box that takes the mouse wheel only once it has the focus; until then the
// wheel scrolls the page around it.
class ZEL_EXPORT zelSpinBox : public QSpinBox
{
    Q_OBJECT

public:
    explicit zelSpinBox(QWidget* pParent = nullptr);
    ~zelSpinBox() override;

    bool eventFilter(QObject* pObject, QEvent* pEvent) override;

protected:
    void focusInEvent(QFocusEvent* pEvent) override;
    void focusOutEvent(QFocusEvent* pEvent) override;
};

} // namespace zel
