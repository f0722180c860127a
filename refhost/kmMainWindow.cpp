#include "kmMainWindow.h"

namespace zel {

kmMainWindow::kmMainWindow(QWidget* pParent)
    : QMainWindow(pParent)
{
}

void kmMainWindow::showProductStructurePanel(bool pShow)
{
    mShowProductStructure = pShow;
    if (mProductStructurePanel)
        mProductStructurePanel->setVisible(pShow);
}

void kmMainWindow::showToolPanel(bool pShow)
{
    mShowTool = pShow;
    if (mToolPanel)
        mToolPanel->setVisible(pShow);
}

void kmMainWindow::setProcessingPower(int pCores)
{
    if (mProcessingPower != pCores) {
        mProcessingPower = pCores;
        Q_EMIT processingPowerChanged(pCores);
    }
}

namespace {

// A panel takes the current choice, but a loose top-level widget is not popped up
// as a window just because it was handed over.
void adopt(QWidget* pPanel, bool pShow)
{
    if (pPanel && (!pShow || !pPanel->isWindow()))
        pPanel->setVisible(pShow);
}

} // namespace

void kmMainWindow::setProductStructurePanel(QWidget* pPanel)
{
    mProductStructurePanel = pPanel;
    adopt(pPanel, mShowProductStructure);
}

void kmMainWindow::setToolPanel(QWidget* pPanel)
{
    mToolPanel = pPanel;
    adopt(pPanel, mShowTool);
}

} // namespace zel
