#pragma once

#include "zelExport.h"

#include <QDoubleSpinBox>

namespace zel {

// A decimal spin box that takes the mouse wheel only once it has the focus; until then the
// wheel scrolls the page around it. Its value shows no trailing zeros ("0.5", not
// "0.500000"), in the digits and separators of its locale.
class ZEL_EXPORT zelDoubleSpinBox : public QDoubleSpinBox
{
    Q_OBJECT

public:
    explicit zelDoubleSpinBox(QWidget* pParent = nullptr);
    ~zelDoubleSpinBox() override;

    bool eventFilter(QObject* pObject, QEvent* pEvent) override;
    QString textFromValue(double pValue) const override;

protected:
    void focusInEvent(QFocusEvent* pEvent) override;
    void focusOutEvent(QFocusEvent* pEvent) override;
};

} // namespace zel
