#pragma once

class QRect;
class QWidget;

namespace zel {

// Lays out a widget tree that is not on screen, while the host is idle: its texts are measured
// and its widgets placed then, and showing it later only finds them so.
class ZelHiddenLayout
{
public:
    // From the outside in, as showing pTop would: a widget's layout places its children
    // before their own layouts place theirs. The widgets inside pSkip are left as they are.
    static void LayOut(QWidget* pTop, const QWidget* pSkip = nullptr);
    // The height that pPage's layout asks for at pWidth.
    static int HeightAt(const QWidget* pPage, int pWidth);
    // Readies pTop's tree for its first showing: the widgets that showing would show are
    // marked shown and get the move and resize events that showing would send them first.
    static void ShowAhead(QWidget* pTop);
    // Paints pArea of pTop once off screen, so that the style and the fonts have what its
    // first frame needs.
    static void PaintAhead(QWidget* pTop, const QRect& pArea);
};

} // namespace zel
