#include "ColorDialog.h"

#include <QColorDialog>

namespace km {

QColor ColorDialog::GetColor(const QColor& pInitial, bool pShowAlpha, QWidget* pParent)
{
    QColorDialog dialog(pInitial, pParent);
    dialog.setObjectName(QStringLiteral("kmColorDialog"));
    // The native dialogs ignore the style sheet and cannot be driven in tests.
    QColorDialog::ColorDialogOptions options = QColorDialog::DontUseNativeDialog;
    if (pShowAlpha)
        options |= QColorDialog::ShowAlphaChannel;
    dialog.setOptions(options);
    if (dialog.exec() != QDialog::Accepted)
        return QColor();
    return dialog.selectedColor();
}

} // namespace km
