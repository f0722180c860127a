#include "TestPanel.h"

#include "zelDoubleSpinBox.h"
#include "zelSpinBox.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

enum tRowKind
{
    CheckRow,
    SpinRow,
    DoubleRow,
    TextRow,
    RowKinds
};

tRowKind kindOf(int pRow)
{
    return static_cast<tRowKind>(pRow % RowKinds);
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
    header->setProperty("class", QStringLiteral("sectionHeader"));
    layout->addWidget(header);

    auto* rows = new QWidget(this);
    rows->setProperty("class", QStringLiteral("sectionContainer"));
    auto* form = new QFormLayout(rows);
    layout->addWidget(rows);

    for (int row = 0; row < pRows; ++row) {
        QWidget* control = nullptr;
        switch (kindOf(row)) {
        case CheckRow: {
            auto* box = new QCheckBox(rows);
            connect(box, &QCheckBox::toggled, this, &TestPanel::stateChanged);
            control = box;
            break;
        }
        case SpinRow: {
            auto* box = new zel::zelSpinBox(rows);
            box->setRange(0, 1000);
            connect(box, qOverload<int>(&QSpinBox::valueChanged), this,
                    &TestPanel::stateChanged);
            control = box;
            break;
        }
        case DoubleRow: {
            auto* box = new zel::zelDoubleSpinBox(rows);
            box->setRange(0.0, 100.0);
            box->setDecimals(2);
            connect(box, qOverload<double>(&QDoubleSpinBox::valueChanged), this,
                    &TestPanel::stateChanged);
            control = box;
            break;
        }
        default: {
            auto* edit = new QLineEdit(rows);
            connect(edit, &QLineEdit::textChanged, this, &TestPanel::stateChanged);
            control = edit;
            break;
        }
        }
        control->setObjectName(QStringLiteral("row%1").arg(row));
        mControls.append(control);
        form->addRow(QStringLiteral("Row %1").arg(row), control);
    }

    setPanelName(pName);
    setPanelCategory(ApplicationCategory);
}

QString TestPanel::key(int pRow) const
{
    return QStringLiteral("%1/row%2").arg(mGroup).arg(pRow);
}

QString TestPanel::defaultValue(int pRow) const
{
    switch (kindOf(pRow)) {
    case CheckRow:
        return pRow % 8 == 0 ? QStringLiteral("true") : QStringLiteral("false");
    case SpinRow:
        return QString::number(10 + pRow);
    case DoubleRow:
        return QStringLiteral("1.50");
    default:
        return QStringLiteral("row %1").arg(pRow);
    }
}

QString TestPanel::storedValue(int pRow) const
{
    return mSettings->value(key(pRow), defaultValue(pRow)).toString();
}

QString TestPanel::widgetValue(int pRow) const
{
    const QWidget* control = mControls.at(pRow);
    switch (kindOf(pRow)) {
    case CheckRow:
        return static_cast<const QCheckBox*>(control)->isChecked() ? QStringLiteral("true")
                                                                    : QStringLiteral("false");
    case SpinRow:
        return QString::number(static_cast<const QSpinBox*>(control)->value());
    case DoubleRow:
        return QString::number(static_cast<const QDoubleSpinBox*>(control)->value(), 'f', 2);
    default:
        return static_cast<const QLineEdit*>(control)->text();
    }
}

void TestPanel::setWidgetValue(int pRow, const QString& pValue)
{
    QWidget* control = mControls.at(pRow);
    const QSignalBlocker blocker(control);
    switch (kindOf(pRow)) {
    case CheckRow:
        static_cast<QCheckBox*>(control)->setChecked(pValue == QLatin1String("true"));
        break;
    case SpinRow:
        static_cast<QSpinBox*>(control)->setValue(pValue.toInt());
        break;
    case DoubleRow:
        static_cast<QDoubleSpinBox*>(control)->setValue(pValue.toDouble());
        break;
    default:
        static_cast<QLineEdit*>(control)->setText(pValue);
        break;
    }
}

void TestPanel::loadStore()
{
    for (int row = 0; row < rowCount(); ++row)
        setWidgetValue(row, storedValue(row));
}

void TestPanel::initializeWidget()
{
    ++initializeCount;
    loadStore();
}

bool TestPanel::hasModifications() const
{
    for (int row = 0; row < rowCount(); ++row) {
        if (widgetValue(row) != storedValue(row))
            return true;
    }
    return false;
}

bool TestPanel::applyModifications()
{
    ++applyCount;
    if (!hasModifications())
        return false;
    bool restart = false;
    for (int row = 0; row < rowCount(); ++row) {
        const QString value = widgetValue(row);
        if (value == storedValue(row))
            continue;
        mSettings->setValue(key(row), value);
        if (mRestartRows.contains(row))
            restart = true;
    }
    return restart;
}

bool TestPanel::cancelModifications()
{
    ++cancelCount;
    if (!hasModifications())
        return false;
    loadStore();
    return true;
}

bool TestPanel::canResetContent() const
{
    for (int row = 0; row < rowCount(); ++row) {
        if (widgetValue(row) != defaultValue(row))
            return true;
    }
    return false;
}

void TestPanel::resetContent()
{
    ++resetCount;
    if (!canResetContent())
        return;
    for (int row = 0; row < rowCount(); ++row)
        setWidgetValue(row, defaultValue(row));
    Q_EMIT stateChanged();
}

void TestPanel::refreshWidgetContent()
{
    ++refreshCount;
}

QCheckBox* TestPanel::checkBox() const
{
    return static_cast<QCheckBox*>(mControls.at(CheckRow));
}

zel::zelSpinBox* TestPanel::spinBox() const
{
    return static_cast<zel::zelSpinBox*>(mControls.at(SpinRow));
}

zel::zelDoubleSpinBox* TestPanel::doubleSpinBox() const
{
    return static_cast<zel::zelDoubleSpinBox*>(mControls.at(DoubleRow));
}

QLineEdit* TestPanel::lineEdit() const
{
    return static_cast<QLineEdit*>(mControls.at(TextRow));
}
