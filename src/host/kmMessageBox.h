#pragma once

#include "kmHostExport.h"

#include <QMap>
#include <QMessageBox>

namespace km {

class KM_HOST_EXPORT kmMessageBox
{
public:
    using ButtonTexts = QMap<QMessageBox::StandardButton, QString>;

    // Shows a modal message and returns the button pressed (NoButton when the box is
    // closed without a choice). pButtonClass is the style class of the buttons;
    // pWarning marks the box as a warning; the maps override button texts, the
    // second one winning.
    static QMessageBox::StandardButton ShowMessage(const QString& pTitle, const QString& pText,
                                                   QMessageBox::StandardButtons pButtons,
                                                   QWidget* pParent, const QString& pButtonClass,
                                                   bool pWarning, const ButtonTexts& pTexts,
                                                   const ButtonTexts& pOverrides);
};

} // namespace km
