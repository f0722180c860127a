#include "ZelSettingsPanel.h"

#include "zelWheelGuard.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPushButton>

namespace zel {

ZelSettingsPanel::ZelSettingsPanel(kmDMIApplication* pApplication, QSettings& pSettings,
                                   QWidget* pParent, Qt::WindowFlags pFlags)
    : QWidget(pParent, pFlags)
    , mApplication(pApplication)
    , mSettings(&pSettings)
    , mActionWidget(new QPushButton(this))
{
    mActionWidget->setCheckable(true);
    mActionWidget->setAutoExclusive(true);
}

ZelSettingsPanel::~ZelSettingsPanel()
{
    // The hosts move the button into their tab list, where it is no longer our child; when
    // that list went first, the guard is already null and nothing is deleted twice.
    delete mActionWidget;
    mActionWidget = nullptr;
}

void ZelSettingsPanel::refreshWidgetContent()
{
}

void ZelSettingsPanel::registerCCAction(zelAction*)
{
}

void ZelSettingsPanel::unregisterCCActionByName(const QString&)
{
}

QString ZelSettingsPanel::describeRow(const QString&, RowValue) const
{
    return QString();
}

void ZelSettingsPanel::resetRow(const QString&)
{
}

QString ZelSettingsPanel::DescribeSwitch(bool pOn)
{
    return pOn ? QCoreApplication::translate("ZelSettingsPanel", "On")
               : QCoreApplication::translate("ZelSettingsPanel", "Off");
}

void ZelSettingsPanel::setPanelName(const QString& pName)
{
    mPanelName = pName;
    if (mActionWidget)
        mActionWidget->setText(pName);
}

bool ZelSettingsPanel::event(QEvent* pEvent)
{
    // Polished before it is first shown, wherever the host puts it: scrolling through the
    // panel must not edit the controls that the wheel passes over.
    if (pEvent->type() == QEvent::Polish)
        zelWheelGuard::guardControls(this);
    return QWidget::event(pEvent);
}

} // namespace zel
