#pragma once

#include "ZelSettingsPanel.h"

#include <QList>
#include <QStringList>

class QCheckBox;
class QLineEdit;

namespace zel {
class zelDoubleSpinBox;
class zelSpinBox;
} // namespace zel

// A settings panel for the framework's tests and benchmark: rows of real controls, each
// bound to one key of the store ("<name>/row<n>") and to a default of its own. The rows
// repeat a check box, a spin box, a decimal spin box and a line edit.
class TestPanel : public zel::ZelSettingsPanel
{
    Q_OBJECT

public:
    TestPanel(zel::kmDMIApplication* pApplication, QSettings& pSettings, const QString& pName,
              int pRows = 4, QWidget* pParent = nullptr);

    void initializeWidget() override;
    bool hasModifications() const override;
    bool applyModifications() override;
    bool cancelModifications() override;
    bool canResetContent() const override;
    void resetContent() override;
    void refreshWidgetContent() override;

    int rowCount() const { return mControls.size(); }
    QString key(int pRow) const;
    QString defaultValue(int pRow) const;
    QString storedValue(int pRow) const;
    // The row's control value as the store writes it.
    QString widgetValue(int pRow) const;
    QWidget* control(int pRow) const { return mControls.at(pRow); }

    QCheckBox* checkBox() const;
    zel::zelSpinBox* spinBox() const;
    zel::zelDoubleSpinBox* doubleSpinBox() const;
    QLineEdit* lineEdit() const;

    // Rows whose applied change only takes effect after a restart.
    void setRestartRows(const QList<int>& pRows) { mRestartRows = pRows; }

    int initializeCount = 0;
    int applyCount = 0;
    int cancelCount = 0;
    int resetCount = 0;
    int refreshCount = 0;

Q_SIGNALS:
    void stateChanged();

private:
    void setWidgetValue(int pRow, const QString& pValue);
    void loadStore();

    QString mGroup;
    QList<QWidget*> mControls;
    QList<int> mRestartRows;
};
