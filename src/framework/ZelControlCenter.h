#pragma once

#include "zelExport.h"
#include "ZelSettingsRegistry.h"

#include <QElapsedTimer>
#include <QList>
#include <QMap>
#include <QPointer>
#include <QString>
#include <QWidget>

class QAbstractButton;
class QButtonGroup;
class QKeyEvent;
class QMouseEvent;
class QPropertyAnimation;
class QPushButton;
class QScrollArea;
class QTimer;
class QSettings;
class Ui_ControlCenter;

namespace zel {

class kmDMIApplication;
class zelAction;
class ZelCCActionItem;
class ZelPanelHostFlow;
class ZelSettingsGuide;
class ZelSettingsPanel;

// The control center: a slide-out side panel of the host's main window. Its static side
// gives the registry of the persisted settings and the start-up check of the settings store.
class ZEL_EXPORT ZelControlCenter : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int controlCenterWidth READ controlCenterWidth WRITE setControlCenterWidth)
    Q_PROPERTY(int settingsWidth READ settingsWidth WRITE setSettingsWidth)
    Q_PROPERTY(int actionHeight READ actionHeight WRITE setActionHeight)

public:
    explicit ZelControlCenter(kmDMIApplication* pApplication, QWidget* pParent = nullptr,
                              Qt::WindowFlags pFlags = {});
    ~ZelControlCenter() override;

    void registerSettingsPanel(ZelSettingsPanel* pPanel);
    void unregisterSettingsPanel(ZelSettingsPanel* pPanel, bool pRefreshState = true);

    void registerCCAction(zelAction* pAction, const QString& pAnchorName = QString(),
                          bool pInsertAfter = true);
    void unregisterCCAction(zelAction* pAction);
    bool addCCSeparator(const QString& pName, const QString& pAnchorName = QString());
    bool setCCSeparatorVisible(const QString& pName, bool pVisible);

    bool hasModifications() const;
    bool applyModifications();

    // Turns on the settings guide of the pane: a search field at its top that filters the
    // settings, marks on the settings that were changed or differ from their default with a
    // reset of each one, restart hints, and the count of pending changes on each tab.
    void enableSettingsGuide();

    void setGUIHandler(QWidget* pWidget);
    void setControlCenterButton(QPushButton* pButton);
    QWidget* settingsWidget() const;
    bool isMenuOpen() const;
    bool isSettingsOpen() const;

    int controlCenterWidth() const;
    void setControlCenterWidth(int pWidth);
    int settingsWidth() const;
    void setSettingsWidth(int pWidth);
    int actionHeight() const;
    void setActionHeight(int pHeight);

Q_SIGNALS:
    // Another program changed these keys of the store; the panels and the host's state that
    // they drive follow already.
    void storeChanged(const QStringList& pKeys);

public Q_SLOTS:
    void openMenu(bool pOpen);
    void setControlCenterVisible(bool pVisible);
    void openSettings();

protected:
    bool eventFilter(QObject* pObject, QEvent* pEvent) override;
    void changeEvent(QEvent* pEvent) override;
    void resizeEvent(QResizeEvent* pEvent) override;
    void showEvent(QShowEvent* pEvent) override;

    void openSettingsPanel(bool pOpen);
    void ensureSettingVisible(QWidget* pWidget);
    void resetControlCenter();

protected Q_SLOTS:
    void on_applyButton_clicked();
    void on_resetButton_clicked();
    void onPanelClicked(QString pPanelName);
    void onStateChanged();
    void onControlCenterWidthFinished();
    void onSettingsWidthFinished();
    void onActionHeightFinished();
    void onScrollBarValueChanged(int pValue);
    void closeMenu();

private:
    QWidget* hostMainWindow() const;
    void translateSettingsAction();
    void pauseViewUpdates();
    void resumeViewUpdates();
    int anchorIndex(const QString& pAnchorName) const;
    void forgetAction(zelAction* pAction);
    int menuWidth() const;
    void fitMenuWidth();
    void orderActionFocus();
    void orderPaneFocus();
    bool ownsWidget(const QWidget* pWidget) const;
    bool pressedInWorkArea(QObject* pObject, const QMouseEvent* pEvent) const;
    bool handleMenuKey(const QKeyEvent* pEvent);
    QList<QAbstractButton*> actionButtons() const;
    void focusActionList();
    void focusTabs();
    void returnFocus();
    QScrollArea* settingsPane() const;
    int openPaneWidth() const;
    int placeContent(int pLaidOutWidth, int pScrollBarWidth);
    void remeasurePane();
    void measurePanels();
    void schedulePanePreparation();
    void preparePane();

    Ui_ControlCenter* mUi;
    zelAction* mSettingsAction;
    ZelPanelHostFlow* mFlow = nullptr;
    QList<ZelCCActionItem*> mActionItems;
    QMap<QString, QWidget*> mSeparators;
    QElapsedTimer mClickTimer;
    QPointer<QWidget> mGUIHandler;
    kmDMIApplication* mApplication;
    QPointer<QPushButton> mControlCenterButton;
    QButtonGroup* mButtonGroup;
    QPropertyAnimation* mControlCenterWidthAnimation;
    QPropertyAnimation* mSettingsWidthAnimation;
    QPropertyAnimation* mActionHeightAnimation;
    QPropertyAnimation* mScrollAnimation;
    bool mMenuOpen;
    bool mSettingsOpen;
    bool mActionHeightIdle;
    // The host's view is paused by one slide at a time and given back once none runs.
    bool mViewUpdatesPaused;
    // Whether the panels' layouts were measured afresh since a panel or a language came.
    bool mPanelsMeasured = false;
    // Lays the closed pane's panels out once panels or a language stopped coming.
    QTimer* mPaneTimer = nullptr;
    // The pane lives in the host's layout, which may delete it before us.
    QPointer<QWidget> mSettingsPane;
    ZelSettingsGuide* mGuide = nullptr;

public:
    // The registry of the persisted settings, which lives in the settings core.
    using SettingValidator = ZelSettingsRegistry::SettingValidator;
    using EndCheckFunction = ZelSettingsRegistry::EndCheckFunction;
    using SettingsMap = ZelSettingsRegistry::SettingsMap;

    // Computes the folder defaults with the host's store-package answer.
    static void InitDefaultSettingsValues();
    static bool EnsureSettings(QSettings& pSettings, QString& pErrorMessage);
    static bool RegisterSetting(const QString& pKey, const QString& pDefaultValue,
                                SettingValidator pValidator);
    static bool RegisterEndCheckFunction(EndCheckFunction pFunction);
    static QString GetDefaultSettingsValue(const QString& pKey);
    static const SettingsMap& GetDefaultSettingsValues();
    static void ClearSettings();

    // For tools and hosts that name validators (listings, their own registrations): the
    // name of a registry validator ("ensureBool"), or an empty string when it is not one of
    // them; and the validator of that name, or null.
    static QString GetValidatorName(SettingValidator pValidator);
    static SettingValidator GetValidatorByName(const QString& pName);
};

} // namespace zel
