#pragma once

#include "zelExport.h"

#include <QObject>

class QWidget;

namespace zel {

// Keeps the mouse wheel from changing a combo box, a slider or a spin box that the person has
// not clicked or tabbed into: until then the wheel scrolls the page around it, so scrolling
// through a settings panel never edits a setting on the way.
class ZEL_EXPORT zelWheelGuard : public QObject
{
    Q_OBJECT

public:
    // Guards every combo box, slider and spin box inside pRoot; a control guarded before is
    // left as it is.
    static void guardControls(QWidget* pRoot);
    static void guard(QWidget* pControl);

    bool eventFilter(QObject* pObject, QEvent* pEvent) override;

private:
    explicit zelWheelGuard(QWidget* pControl);
};

} // namespace zel
