#include "ZelSettingsPanel.h"

#include "ZelControlCenter.h"
#include "ZelLockedRows.h"
#include "ZelSettingsCheck.h"
#include "zelWheelGuard.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
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

void ZelSettingsPanel::followStore(const QStringList& pKeys)
{
    followTexts(pKeys);
}

ZelSettingsPanel::StoreTexts ZelSettingsPanel::storeTexts() const
{
    return StoreTexts();
}

void ZelSettingsPanel::showStoreTexts(const StoreTexts&)
{
}

void ZelSettingsPanel::rememberApplied()
{
    mApplied = storeTexts();
    mApplyError.clear();
}

ZelSettingsPanel::StoreTexts ZelSettingsPanel::editedTexts() const
{
    StoreTexts edited;
    for (const auto& current : storeTexts()) {
        const auto applied = mApplied.find(current.first);
        if (applied == mApplied.end() || applied->second != current.second)
            edited.insert(current);
    }
    return edited;
}

bool ZelSettingsPanel::writeEdits()
{
    mApplyError.clear();
    const StoreTexts edited = editedTexts();
    if (edited.empty())
        return true;
    const ZelSettingsCheck::Values values(edited.begin(), edited.end());
    QString error;
    if (!ZelSettingsCheck::WriteValues(*mSettings, values, error)) {
        mApplyError = error;
        return false;
    }
    for (const auto& value : edited)
        mApplied[value.first] = value.second;
    return true;
}

bool ZelSettingsPanel::checkedStoreText(const QString& pKey, QString& pText) const
{
    const ZelControlCenter::SettingsMap& table = ZelControlCenter::GetDefaultSettingsValues();
    const auto entry = table.find(pKey);
    const bool stored = mSettings->contains(pKey);
    if (entry == table.end()) {
        // An unregistered key that another program removed keeps what the panel shows.
        if (!stored)
            return false;
        pText = mSettings->value(pKey).toString();
        return true;
    }
    // Checked as the start-up check does, against the administrator's default where set.
    const QString defaultValue = ZelControlCenter::GetDefaultSettingsValue(pKey);
    pText = stored ? mSettings->value(pKey).toString() : defaultValue;
    QString error;
    return entry->second.second(pKey, defaultValue, pText, error);
}

QStringList ZelSettingsPanel::followTexts(const QStringList& pKeys)
{
    const StoreTexts current = storeTexts();
    StoreTexts shown = current;
    QStringList followed;
    for (const QString& key : pKeys) {
        const auto control = current.find(key);
        QString text;
        if (control == current.end() || !checkedStoreText(key, text))
            continue;
        const auto applied = mApplied.find(key);
        const bool edited = applied == mApplied.end() || applied->second != control->second;
        if (!edited) {
            shown[key] = text;
            followed.append(key);
        }
        // An edit stays the person's, now told from what the store holds.
        mApplied[key] = text;
    }
    if (followed.isEmpty())
        return followed;
    showStoreTexts(shown);
    // As the controls show the new values, which may be written otherwise ("05" shows 5).
    const StoreTexts now = storeTexts();
    for (const QString& key : std::as_const(followed)) {
        const auto control = now.find(key);
        if (control != now.end())
            mApplied[key] = control->second;
    }
    return followed;
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
