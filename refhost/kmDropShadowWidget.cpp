#include "kmDropShadowWidget.h"

#include <QGraphicsDropShadowEffect>

namespace km {

namespace {
// Each level lifts the frame a little further off the page.
const qreal kBlurPerLevel = 6.0;
const qreal kOffsetPerLevel = 1.5;
const int kMaxLevel = 5;
const QColor kShadowColor(0, 0, 0, 60);
} // namespace

kmDropShadowWidget::kmDropShadowWidget(QWidget* pParent, Qt::WindowFlags pFlags)
    : QFrame(pParent, pFlags)
{
    const int level = mElevationLevel;
    mElevationLevel = -1;
    setElevationLevel(level);
}

void kmDropShadowWidget::setElevationLevel(int pLevel)
{
    pLevel = qBound(0, pLevel, kMaxLevel);
    if (pLevel == mElevationLevel)
        return;
    mElevationLevel = pLevel;

    if (pLevel == 0) {
        // A flat frame: no offscreen pass for the effect at all.
        setGraphicsEffect(nullptr);
        return;
    }
    auto* shadow = qobject_cast<QGraphicsDropShadowEffect*>(graphicsEffect());
    if (!shadow) {
        shadow = new QGraphicsDropShadowEffect(this);
        shadow->setColor(kShadowColor);
        setGraphicsEffect(shadow);
    }
    shadow->setBlurRadius(kBlurPerLevel * pLevel);
    shadow->setOffset(0.0, kOffsetPerLevel * pLevel);
}

} // namespace km
