#include "GridSettingsPanel.h"

#include "ZelControlCenter.h"
#include "ui_GridSettingsPanel.h"

#include <QSettings>
#include <QSignalBlocker>

namespace example {

namespace {

const int kMinSpacing = 1;
const int kMaxSpacing = 1000;

// Validators keep an acceptable value and put the default in place of any other.
bool ensureFlag(const QString&, const QString& pDefaultValue, QString& pValue, QString&)
{
    if (pValue != QLatin1String("true") && pValue != QLatin1String("false"))
        pValue = pDefaultValue;
    return true;
}

bool ensureSpacing(const QString&, const QString& pDefaultValue, QString& pValue, QString&)
{
    bool ok = false;
    const int spacing = pValue.toInt(&ok);
    if (!ok || spacing < kMinSpacing || spacing > kMaxSpacing)
        pValue = pDefaultValue;
    return true;
}

} // namespace

void GridSettingsPanel::RegisterSettings()
{
    zel::ZelControlCenter::RegisterSetting(QLatin1String(msVisibleKey), QStringLiteral("true"),
                                           ensureFlag);
    zel::ZelControlCenter::RegisterSetting(QLatin1String(msSpacingKey), QStringLiteral("10"),
                                           ensureSpacing);
}

GridSettingsPanel::GridSettingsPanel(zel::kmDMIApplication* pApplication, QSettings& pSettings,
                                     QWidget* pParent)
    : ZelSettingsPanel(pApplication, pSettings, pParent)
    , mUi(new Ui::GridSettingsPanel)
{
    mUi->setupUi(this);
    mUi->gridSpacingSpinBox->setRange(kMinSpacing, kMaxSpacing);
    // Every edit tells the host, which then offers apply, cancel and reset.
    connect(mUi->gridVisibleCheckBox, &QCheckBox::toggled, this,
            &GridSettingsPanel::stateChanged);
    connect(mUi->gridSpacingSpinBox, QOverload<int>::of(&QSpinBox::valueChanged), this,
            &GridSettingsPanel::stateChanged);
    // The name is the tab's text, and the hosts find the panel by it: set it before
    // the panel is registered.
    setPanelName(tr("GRID"));
    setPanelCategory(ApplicationCategory);
}

GridSettingsPanel::~GridSettingsPanel()
{
    delete mUi;
}

void GridSettingsPanel::initializeWidget()
{
    display(stored());
    // What the controls now show is the applied state that edits are told from.
    rememberApplied();
}

bool GridSettingsPanel::hasModifications() const
{
    return shown() != stored();
}

bool GridSettingsPanel::applyModifications()
{
    if (!hasModifications())
        return false;
    const Grid before = stored();
    const Grid after = shown();
    // Only the keys that the person changed; when the store cannot take them, the edits stay
    // pending and the host tells why (applyError()).
    if (!writeEdits())
        return false;
    // Here a real host also shows or hides its grid through its application object.
    return after.spacing != before.spacing;
}

bool GridSettingsPanel::cancelModifications()
{
    if (!hasModifications())
        return false;
    initializeWidget();
    return true;
}

zel::ZelSettingsPanel::StoreTexts GridSettingsPanel::storeTexts() const
{
    const Grid grid = shown();
    return {{QLatin1String(msVisibleKey), grid.visible ? QStringLiteral("true")
                                                       : QStringLiteral("false")},
            {QLatin1String(msSpacingKey), QString::number(grid.spacing)}};
}

void GridSettingsPanel::showStoreTexts(const StoreTexts& pTexts)
{
    Grid grid = shown();
    const auto visible = pTexts.find(QLatin1String(msVisibleKey));
    if (visible != pTexts.end())
        grid.visible = visible->second == QLatin1String("true");
    const auto spacing = pTexts.find(QLatin1String(msSpacingKey));
    if (spacing != pTexts.end())
        grid.spacing = spacing->second.toInt();
    display(grid);
}

bool GridSettingsPanel::canResetContent() const
{
    return shown() != defaults();
}

void GridSettingsPanel::resetContent()
{
    if (!canResetContent())
        return;
    display(defaults());
    Q_EMIT stateChanged();
}

GridSettingsPanel::Grid GridSettingsPanel::stored() const
{
    // The start-up check has filled and repaired the store; the defaults cover a host that
    // skipped it.
    const Grid fallback = defaults();
    return {mSettings->value(QLatin1String(msVisibleKey), fallback.visible).toBool(),
            mSettings->value(QLatin1String(msSpacingKey), fallback.spacing).toInt()};
}

GridSettingsPanel::Grid GridSettingsPanel::defaults() const
{
    using zel::ZelControlCenter;
    return {ZelControlCenter::GetDefaultSettingsValue(QLatin1String(msVisibleKey))
                == QLatin1String("true"),
            ZelControlCenter::GetDefaultSettingsValue(QLatin1String(msSpacingKey)).toInt()};
}

GridSettingsPanel::Grid GridSettingsPanel::shown() const
{
    return {mUi->gridVisibleCheckBox->isChecked(), mUi->gridSpacingSpinBox->value()};
}

void GridSettingsPanel::display(const Grid& pGrid)
{
    // Filling the controls is no edit: no stateChanged().
    const QSignalBlocker visibleBlocker(mUi->gridVisibleCheckBox);
    const QSignalBlocker spacingBlocker(mUi->gridSpacingSpinBox);
    mUi->gridVisibleCheckBox->setChecked(pGrid.visible);
    mUi->gridSpacingSpinBox->setValue(pGrid.spacing);
}

} // namespace example
