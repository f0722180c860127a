#pragma once

#include "zelExport.h"

#include <QWidget>

namespace zel {

// The page of a scroll area that keeps it at one width. Its scroll area asks for its height at
// each width that the scroll bar might take from it, a pixel at a time, and each question
// measures every text on the page: a page of one width has one height.
class ZEL_EXPORT zelPaneContent : public QWidget
{
    Q_OBJECT

public:
    explicit zelPaneContent(QWidget* pParent = nullptr);
    ~zelPaneContent() override;

    int heightForWidth(int pWidth) const override;
};

} // namespace zel
