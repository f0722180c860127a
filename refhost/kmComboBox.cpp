#include "kmComboBox.h"

namespace km {

kmComboBox::kmComboBox(QWidget* pParent)
    : QComboBox(pParent)
{
    setProperty("class", QStringLiteral("kmComboBox"));
}

void kmComboBox::clearCombo()
{
    clear();
}

} // namespace km
