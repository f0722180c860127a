#include "zelTextLabel.h"

#include <QEvent>

namespace zel {

bool zelTextLabel::Shape::operator==(const Shape& pOther) const
{
    return mFormat == pOther.mFormat && mWordWrap == pOther.mWordWrap
           && mMargin == pOther.mMargin && mIndent == pOther.mIndent
           && mContents == pOther.mContents && mText == pOther.mText;
}

zelTextLabel::zelTextLabel(QWidget* pParent)
    : QLabel(pParent)
{
}

zelTextLabel::~zelTextLabel() = default;

zelTextLabel::Shape zelTextLabel::currentShape() const
{
    return Shape{text(), textFormat(), wordWrap(), margin(), indent(), contentsMargins()};
}

int zelTextLabel::heightForWidth(int pWidth) const
{
    // A picture or a movie is measured as Qt does it.
    if (text().isEmpty())
        return QLabel::heightForWidth(pWidth);

    Shape shape = currentShape();
    if (!(shape == mShape)) {
        mShape = std::move(shape);
        mCount = 0;
        mNext = 0;
    }
    for (int i = 0; i < mCount; ++i) {
        if (mWidths[i] == pWidth)
            return mHeights[i];
    }
    const int height = QLabel::heightForWidth(pWidth);
    mWidths[mNext] = pWidth;
    mHeights[mNext] = height;
    mNext = (mNext + 1) % kRemembered;
    mCount = qMin(mCount + 1, int(kRemembered));
    return height;
}

void zelTextLabel::changeEvent(QEvent* pEvent)
{
    // A new font or style sheet sets the text in other glyphs.
    switch (pEvent->type()) {
    case QEvent::FontChange:
    case QEvent::StyleChange:
    case QEvent::LayoutDirectionChange:
        mCount = 0;
        mNext = 0;
        break;
    default:
        break;
    }
    QLabel::changeEvent(pEvent);
}

} // namespace zel
