#include "ColorDialog.h"

#include <QColorDialog>

namespace km {

QColor ColorDialog::GetColor(const QColor& pInitial, bool pShowAlpha, QWidget* pParent)
{
    QColorDialog dialog(pParent);
    dialog.setObjectName(QStringLiteral("kmColorDialog"));
    // The native dialogs ignore the style sheet and cannot be driven in tests.
    QColorDialog::ColorDialogOptions options = QColorDialog::DontUseNativeDialog;
    if (pShowAlpha)
        options |= QColorDialog::ShowAlphaChannel;
    dialog.setOptions(options);
    // Only once the alpha channel is on does the dialog keep the alpha of its colour.
    dialog.setCurrentColor(pInitial);
    if (dialog.exec() != QDialog::Accepted)
        return QColor();
    QColor chosen = dialog.selectedColor();
    // Without the alpha channel the person cannot change it, so it stays as it was.
    if (!pShowAlpha)
        chosen.setAlpha(pInitial.alpha());
    return chosen;
}

} // namespace km
