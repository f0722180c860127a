#pragma once

#include "zelExport.h"

#include <QPointer>
#include <QPushButton>
#include <QStringList>
#include <QWidget>

#include <map>

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

    // The rows of a panel are the controls that carry the property "settingKey" in its form
    // (the settings key, or the field of the host's record, that the row edits); a label
    // whose buddy is the control names the row. The hosts' settings guide asks the panel
    // about one row at a time.
    enum RowValue
    {
        EditedValue,
        AppliedValue,
        DefaultValue
    };
    // The row's value in words: as the controls hold it, as applied, or the default; empty
    // when the panel cannot tell (no default for the row, for one).
    virtual QString describeRow(const QString& pKey, RowValue pValue) const;
    // Puts the default of that one row into its controls, as a pending edit, and emits
    // stateChanged(); the store changes only with the next apply.
    virtual void resetRow(const QString& pKey);

    // Why the last applyModifications() left its edits unwritten: the file and the reason.
    // The edits then stay pending. Empty when they were written or there were none.
    const QString& applyError() const { return mApplyError; }
    // Another program changed pKeys in the store (already read again): rows without an edit
    // show the new values, rows with one keep the person's value.
    virtual void followStore(const QStringList& pKeys);

    QPushButton* getActionWidget() const { return mActionWidget; }
    const QString& getPanelName() const { return mPanelName; }
    void setPanelName(const QString& pName);
    PanelCategory getPanelCategory() const { return mPanelCategory; }
    void setPanelCategory(PanelCategory pCategory) { mPanelCategory = pCategory; }
    // "On" or "Off", as the rows of switches are described.
    static QString DescribeSwitch(bool pOn);

protected:
    bool event(QEvent* pEvent) override;

    // Store keys with their text, as QSettings writes them ("true", "12", a path).
    using StoreTexts = std::map<QString, QString>;
    // The store's keys that the panel edits, each with the text that its controls stand for.
    virtual StoreTexts storeTexts() const;
    // Shows the texts in the controls as loading them from the store would, signals blocked.
    virtual void showStoreTexts(const StoreTexts& pTexts);

    // What the controls now show becomes the applied state that edits are told from; every
    // operation that loads the store into the controls ends with it.
    void rememberApplied();
    const StoreTexts& appliedTexts() const { return mApplied; }
    // The keys whose controls differ from the applied state.
    StoreTexts editedTexts() const;
    // Writes only the edited keys, under the store's writer lock, after reading the store
    // again. False, with applyError() set, when the store cannot take them: the applied state
    // does not move, so the edits stay pending.
    bool writeEdits();
    // Takes pKeys from the store as followStore() does, after the registered validators;
    // gives the keys that it showed anew.
    QStringList followTexts(const QStringList& pKeys);
    // The store's text for pKey after its registered validator; false when it refuses it.
    bool checkedStoreText(const QString& pKey, QString& pText) const;

    kmDMIApplication* mApplication;
    QSettings* mSettings;

private:
    void alignLabels();

    // Guarded: a host that is destroyed with the panel may delete the button first.
    QPointer<QPushButton> mActionWidget;
    QString mPanelName;
    PanelCategory mPanelCategory = DefaultCategory;
    StoreTexts mApplied;
    QString mApplyError;
};

} // namespace zel
