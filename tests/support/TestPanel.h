#pragma once

#include "ZelSettingsPanel.h"

#include <QSettings>
#include <QVariant>

// A settings panel for the framework's tests and benchmark: rows of real controls (a check
// box, a spin box, a decimal spin box and a line edit, repeated), each bound to the store's
// key "<name>/row<n>" and to a default of its own.
class TestPanel : public zel::ZelSettingsPanel
{
    Q_OBJECT

public:
    TestPanel(zel::kmDMIApplication* pApplication, QSettings& pSettings, const QString& pName,
              int pRows = 4, QWidget* pParent = nullptr);

    void initializeWidget() override
    {
        ++initializeCount;
        load(&TestPanel::storedValue);
    }
    bool hasModifications() const override { return differs(&TestPanel::storedValue); }
    bool applyModifications() override;
    bool cancelModifications() override;
    bool canResetContent() const override { return differs(&TestPanel::defaultValue); }
    void resetContent() override;
    void refreshWidgetContent() override { ++refreshCount; }
    int rowCount() const { return mControls.size(); }
    QString key(int pRow) const { return QStringLiteral("%1/row%2").arg(mGroup).arg(pRow); }
    QString defaultValue(int pRow) const;
    QString storedValue(int pRow) const
    {
        return mSettings->value(key(pRow), defaultValue(pRow)).toString();
    }
    // The row's control value as stored; set with its signals, as a host's code would.
    QString widgetValue(int pRow) const;
    void edit(int pRow, const QVariant& pValue);
    QWidget* control(int pRow) const { return mControls.at(pRow); }
    // Whether applied changes only take effect after a restart.
    bool needsRestart = false;
    int initializeCount = 0, applyCount = 0, cancelCount = 0, resetCount = 0, refreshCount = 0;

Q_SIGNALS:
    void stateChanged();

private:
    void load(QString (TestPanel::*pValue)(int) const);
    bool differs(QString (TestPanel::*pValue)(int) const) const;

    QString mGroup;
    QList<QWidget*> mControls;
};
