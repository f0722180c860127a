#include "TestPanel.h"

#include "zelDoubleSpinBox.h"
#include "zelSpinBox.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMetaProperty>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

QWidget* createControl(int pRow, QWidget* pParent)
{
    if (pRow % 4 == 0)
        return new QCheckBox(pParent);
    if (pRow % 4 == 3)
        return new QLineEdit(pParent);
    QAbstractSpinBox* box = pRow % 4 == 1 ? new zel::zelSpinBox(pParent)
                                          : static_cast<QAbstractSpinBox*>(
                                              new zel::zelDoubleSpinBox(pParent));
    box->setProperty("maximum", 1000);
    return box;
}

// The value that a control shows: checked, value or text.
QMetaProperty shown(const QWidget* pControl)
{
    return pControl->metaObject()->userProperty();
}

} // namespace

TestPanel::TestPanel(zel::kmDMIApplication* pApplication, QSettings& pSettings,
                     const QString& pName, int pRows, QWidget* pParent)
    : ZelSettingsPanel(pApplication, pSettings, pParent)
    , mGroup(pName.toLower().remove(QLatin1Char(' ')))
{
    setObjectName(mGroup + QStringLiteral("Panel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* header = new QLabel(pName, this);
    header->setObjectName(QStringLiteral("header"));
    header->setProperty("class", QStringLiteral("sectionHeader"));
    layout->addWidget(header);
    auto* rows = new QWidget(this);
    rows->setProperty("class", QStringLiteral("sectionContainer"));
    layout->addWidget(rows);
    auto* form = new QFormLayout(rows);
    const QMetaMethod changed = staticMetaObject.method(
        staticMetaObject.indexOfSignal("stateChanged()"));
    for (int row = 0; row < pRows; ++row) {
        mControls.append(createControl(row, rows));
        connect(mControls.last(), shown(mControls.last()).notifySignal(), this, changed);
        form->addRow(QStringLiteral("Row %1").arg(row), mControls.last());
    }
    setPanelName(pName);
    setPanelCategory(ApplicationCategory);
}

QString TestPanel::defaultValue(int pRow) const
{
    const QStringList values{QVariant(pRow % 8 == 0).toString(), QString::number(10 + pRow),
                             QStringLiteral("1.5"), QStringLiteral("row %1").arg(pRow)};
    return values.at(pRow % 4);
}

QString TestPanel::widgetValue(int pRow) const
{
    return shown(mControls.at(pRow)).read(mControls.at(pRow)).toString();
}

void TestPanel::edit(int pRow, const QVariant& pValue)
{
    shown(mControls.at(pRow)).write(mControls.at(pRow), pValue);
}

void TestPanel::load(QString (TestPanel::*pValue)(int) const)
{
    for (int row = 0; row < rowCount(); ++row) {
        const QSignalBlocker blocker(mControls.at(row));
        edit(row, (this->*pValue)(row));
    }
}

bool TestPanel::differs(QString (TestPanel::*pValue)(int) const) const
{
    for (int row = 0; row < rowCount(); ++row) {
        if (widgetValue(row) != (this->*pValue)(row))
            return true;
    }
    return false;
}

bool TestPanel::applyModifications()
{
    ++applyCount;
    bool written = false;
    for (int row = 0; row < rowCount(); ++row) {
        if (widgetValue(row) != storedValue(row)) {
            mSettings->setValue(key(row), widgetValue(row));
            written = true;
        }
    }
    return written && needsRestart;
}

bool TestPanel::cancelModifications()
{
    ++cancelCount;
    const bool modified = hasModifications();
    load(&TestPanel::storedValue);
    return modified;
}

void TestPanel::resetContent()
{
    ++resetCount;
    load(&TestPanel::defaultValue);
    Q_EMIT stateChanged();
}
