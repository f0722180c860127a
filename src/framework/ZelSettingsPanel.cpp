#include "ZelSettingsPanel.h"

#include "ZelLockedRows.h"

#include "zelWheelGuard.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVariant>

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

// A label aligns by its text's direction, a check box or a group title by the layout's: an
// English or French text laid out right to left would sit apart from the controls around it.
// The labels take their form's alignment mirrored by the layout, whatever their text.
void ZelSettingsPanel::alignLabels()
{
    static const char kFormAlignment[] = "zelFormAlignment";
    const QList<QLabel*> labels = findChildren<QLabel*>();
    for (QLabel* label : labels) {
        QVariant form = label->property(kFormAlignment);
        if (!form.isValid()) {
            form = int(label->alignment());
            label->setProperty(kFormAlignment, form);
        }
        const Qt::Alignment alignment = QStyle::visualAlignment(
            layoutDirection(), Qt::Alignment(form.toInt()) & ~Qt::AlignAbsolute);
        label->setAlignment(alignment | Qt::AlignAbsolute);
    }
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
    if (pEvent->type() == QEvent::Polish || pEvent->type() == QEvent::LayoutDirectionChange)
        alignLabels();
    // Whichever host shows the panel, the rows that an administrator locked show it.
    if (pEvent->type() == QEvent::Show)
        ZelLockedRows::Update(this);
    return QWidget::event(pEvent);
}

} // namespace zel
