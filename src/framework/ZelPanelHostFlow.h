#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>

class QPushButton;
class QSignalMapper;
class QWidget;

namespace zel {

class kmDMIApplication;
class ZelSettingsGuide;
class ZelSettingsPanel;
class ZelSettingsWatcher;

// What both hosts of the settings panels do alike: keep the registered panels and the panel
// name of each tab, apply under the store's writer lock and tell what came of it, reset,
// cancel, ask before edits are discarded, and follow changes that other programs make to
// the store. Each host keeps its own looks and motion, and the messages stay in the host's
// translation context.
class ZelPanelHostFlow : public QObject
{
    Q_OBJECT

public:
    enum tApplied
    {
        // Another program holds the store's writer lock: nothing was written.
        Busy,
        // A panel could not save; its edits stay pending.
        Failed,
        Applied
    };

    enum tReset
    {
        AllPanels,
        // Only the panels in view: a reset must not change what the person cannot see.
        ShownPanels
    };

    ZelPanelHostFlow(QWidget* pHost, kmDMIApplication* pApplication, const char* pContext);
    ~ZelPanelHostFlow() override;

    // Puts a panel's tab (null when it has none) into the host's form, or takes it out.
    using tPlace = std::function<void(QPushButton* pTab)>;

    const QList<ZelSettingsPanel*>& panels() const;
    // Registers pPanel, which pPlace puts with its tab into the host's form before the panel
    // reads the store; false for a null panel.
    bool addPanel(ZelSettingsPanel* pPanel, const tPlace& pPlace);
    // False when pPanel was not registered; otherwise its tab no longer chooses it, and
    // pUnplace takes it and its tab out of the host's form.
    bool removePanel(ZelSettingsPanel* pPanel, const tPlace& pUnplace);

    // The host's guide, which it owns; the registered panels join it.
    void setGuide(ZelSettingsGuide* pGuide);

    bool hasModifications() const;
    // Whether a change asks for a restart; the panels' failures join pErrors, once each.
    bool applyPanels(QStringList& pErrors);
    tApplied apply();
    void reset(tReset pWhich);
    void cancel();
    void initializePanels();
    void refreshPanels();
    // Asks whether pending edits may go (when there is a main window to ask over) and then
    // shows the applied values again; false when the person keeps them.
    bool discard(QWidget* pParent);

Q_SIGNALS:
    // The tab of the panels of this name was pressed.
    void panelChosen(const QString& pName);
    // Another program changed these keys of the store; the panels followed already.
    void storeChanged(const QStringList& pKeys);

public Q_SLOTS:
    // The guide follows what the panels hold.
    void refresh();

protected:
    bool eventFilter(QObject* pObject, QEvent* pEvent) override;

private:
    void mapPanelNames();
    void onStoreChanged(const QStringList& pKeys);
    void showMessage(const QString& pText) const;
    QString text(const char* pSource) const;

    QWidget* mHost;
    kmDMIApplication* mApplication;
    const char* mContext;
    QList<ZelSettingsPanel*> mPanels;
    QSignalMapper* mSignalMapper;
    QPointer<ZelSettingsGuide> mGuide;
    ZelSettingsWatcher* mWatcher = nullptr;
};

} // namespace zel
