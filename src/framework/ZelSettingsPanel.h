#pragma once

#include "zelExport.h"

#include <QPointer>
#include <QPushButton>
#include <QWidget>

class QSettings;

namespace zel {

class kmDMIApplication;
class zelAction;

// Base of every settings panel: the contract that the control center and the settings
// dialog call, the application object and the settings store, the name and the tab button.
class ZEL_EXPORT ZelSettingsPanel : public QWidget
{
    Q_OBJECT

public:
    enum PanelCategory
    {
        ApplicationCategory = 1,
        DataExchangeCategory = 2,
        DefaultCategory = 3
    };

    ZelSettingsPanel(kmDMIApplication* pApplication, QSettings& pSettings,
                     QWidget* pParent = nullptr, Qt::WindowFlags pFlags = {});
    ~ZelSettingsPanel() override;

    virtual void initializeWidget() = 0;
    virtual bool hasModifications() const = 0;
    virtual bool applyModifications() = 0;
    virtual bool cancelModifications() = 0;
    virtual bool canResetContent() const = 0;
    virtual void resetContent() = 0;
    virtual void refreshWidgetContent();
    virtual void registerCCAction(zelAction* pAction);
    virtual void unregisterCCActionByName(const QString& pName);

    QPushButton* getActionWidget() const { return mActionWidget; }
    const QString& getPanelName() const { return mPanelName; }
    void setPanelName(const QString& pName);
    PanelCategory getPanelCategory() const { return mPanelCategory; }
    void setPanelCategory(PanelCategory pCategory) { mPanelCategory = pCategory; }

protected:
    bool event(QEvent* pEvent) override;

    kmDMIApplication* mApplication;
    QSettings* mSettings;

private:
    // Guarded: a host that is destroyed with the panel may delete the button first.
    QPointer<QPushButton> mActionWidget;
    QString mPanelName;
    PanelCategory mPanelCategory = DefaultCategory;
};

} // namespace zel
