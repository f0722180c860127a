#pragma once

#include <QString>
#include <QWidget>

namespace zel {

// Gives a control a sheet of its own, such as a colour swatch's. Every new sheet is parsed,
// styled and laid out again, and Qt keeps what it parsed: the sheet that the control already
// has is left as it is.
inline void SetOwnStyleSheet(QWidget* pWidget, const QString& pSheet)
{
    if (pWidget->styleSheet() != pSheet)
        pWidget->setStyleSheet(pSheet);
}

} // namespace zel
