#pragma once

#include "kmHostExport.h"

#include <QMainWindow>
#include <QPointer>

namespace zel {

// The host's main window: a 3D view between the product structure and the tool panel.
class KM_HOST_EXPORT kmMainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit kmMainWindow(QWidget* pParent = nullptr);

    void showProductStructurePanel(bool pShow);
    void showToolPanel(bool pShow);
    bool isProductStructurePanelShown() const { return mShowProductStructure; }
    bool isToolPanelShown() const { return mShowTool; }

    // Number of processor cores that the viewer may use.
    void setProcessingPower(int pCores);
    int getProcessingPower() const { return mProcessingPower; }

    // The areas where a press closes the control center; either may be null.
    QWidget* getPrimaryWorkArea() const { return mPrimaryWorkArea; }
    QWidget* getSecondaryWorkArea() const { return mSecondaryWorkArea; }
    void setPrimaryWorkArea(QWidget* pArea) { mPrimaryWorkArea = pArea; }
    void setSecondaryWorkArea(QWidget* pArea) { mSecondaryWorkArea = pArea; }

    // The side panels that the two show operations show and hide; either may be null.
    void setProductStructurePanel(QWidget* pPanel);
    void setToolPanel(QWidget* pPanel);

Q_SIGNALS:
    void processingPowerChanged(int pCores);

private:
    QPointer<QWidget> mPrimaryWorkArea;
    QPointer<QWidget> mSecondaryWorkArea;
    QPointer<QWidget> mProductStructurePanel;
    QPointer<QWidget> mToolPanel;
    bool mShowProductStructure = true;
    bool mShowTool = true;
    int mProcessingPower = 0;
};

} // namespace zel
