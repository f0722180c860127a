#pragma once

#include "ZelSettingsPanel.h"

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

    void initializeWidget() override;
    bool hasModifications() const override { return differs(&TestPanel::storedValue); }
    bool applyModifications() override;
    bool cancelModifications() override;
    bool canResetContent() const override { return differs(&TestPanel::defaultValue); }
    void resetContent() override;
    void refreshWidgetContent() override { ++refreshCount; }

    int rowCount() const { return mControls.size(); }
    QString key(int pRow) const;
    QString defaultValue(int pRow) const;
    QString storedValue(int pRow) const;
    // The row's control value as the store writes it.
    QString widgetValue(int pRow) const;
    // Changes the row's control as a person would, with its signals.
    void edit(int pRow, const QVariant& pValue);

    // Rows whose applied change only takes effect after a restart.
    void setRestartRows(const QList<int>& pRows) { mRestartRows = pRows; }

    int initializeCount = 0, applyCount = 0, cancelCount = 0, resetCount = 0, refreshCount = 0;

Q_SIGNALS:
    void stateChanged();

private:
    void load(QString (TestPanel::*pValue)(int) const);
    bool differs(QString (TestPanel::*pValue)(int) const) const;

    QString mGroup;
    QList<QWidget*> mControls;
    QList<int> mRestartRows;
};
