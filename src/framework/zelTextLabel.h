#pragma once

#include "zelExport.h"

#include <QLabel>
#include <QMargins>

namespace zel {

// A wrapped label that remembers its height at the widths it was asked for. Qt measures a
// wrapped text again at every question of the layouts around it, and a rich text is shaped
// anew each time: a pane of such texts is measured dozens of times as it opens.
class ZEL_EXPORT zelTextLabel : public QLabel
{
    Q_OBJECT

public:
    explicit zelTextLabel(QWidget* pParent = nullptr);
    ~zelTextLabel() override;

    int heightForWidth(int pWidth) const override;

protected:
    void changeEvent(QEvent* pEvent) override;

private:
    // What the height depends on besides the width and the font.
    struct Shape
    {
        QString mText;
        Qt::TextFormat mFormat = Qt::AutoText;
        bool mWordWrap = false;
        int mMargin = 0;
        int mIndent = -1;
        QMargins mContents;

        bool operator==(const Shape& pOther) const;
    };

    // A scroll area asks at each width that its scroll bar may take, a pixel at a time.
    enum : int { kRemembered = 16 };

    Shape currentShape() const;

    mutable Shape mShape;
    mutable int mWidths[kRemembered];
    mutable int mHeights[kRemembered];
    mutable int mCount = 0;
    mutable int mNext = 0;
};

} // namespace zel
