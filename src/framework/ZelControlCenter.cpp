#include "ZelControlCenter.h"

#include "ZelCCActionItem.h"
#include "ZelSettingsGuide.h"
#include "ZelSettingsLock.h"
#include "ZelSettingsPanel.h"
#include "ZelSettingsWatcher.h"
#include "kmDMIApplication.h"
#include "kmMainWindow.h"
#include "kmMessageBox.h"
#include "zelAction.h"
#include "zelQtCompat.h"

#include "ui_ControlCenter.h"

#include <QApplication>
#include <QButtonGroup>
#include <QLineEdit>
#include <QLabel>
#include <QPropertyAnimation>
#include <QScrollBar>
#include <QSettings>
#include <QSignalMapper>
#include <QVBoxLayout>

namespace zel {

namespace {

const int kSlideDuration = 350;
const int kActionHeightDuration = 250;
const int kMenuWidth = 250;
const int kSettingsWidth = 450;
const char kButtonClass[] = "outlinedButton";
const int kSearchMargin = 12;

} // namespace

ZelControlCenter::ZelControlCenter(kmDMIApplication* pApplication, QWidget* pParent,
                                   Qt::WindowFlags pFlags)
    : QWidget(pParent, pFlags)
    , mUi(new Ui_ControlCenter)
    , mSettingsAction(nullptr)
    , mApplication(pApplication)
    , mSignalMapper(nullptr)
    , mButtonGroup(nullptr)
    , mControlCenterWidthAnimation(nullptr)
    , mSettingsWidthAnimation(nullptr)
    , mActionHeightAnimation(nullptr)
    , mScrollAnimation(nullptr)
    , mMenuOpen(false)
    , mSettingsOpen(false)
    , mActionHeightIdle(true)
    , mViewUpdatesPaused(false)
{
    mUi->setupUi(this);
    setObjectName(QStringLiteral("ZelControlCenter"));
    // Laid over the host's work areas, it paints the background of its style class.
    setAttribute(Qt::WA_StyledBackground);
    mSettingsPane = mUi->settingsScrollArea;

    // The host takes the pane into its own layout; until then it stays our child.
    mUi->horizontalLayout_30->removeWidget(mUi->settingsScrollArea);
    mUi->controlCenterButton->setChecked(false);
    mUi->settingsScrollArea->hide();
    // A pane taller than its panels, as after a search, keeps them one below the other and
    // leaves the rest of its height below the last one, not spread between them.
    mUi->verticalLayout_4->insertStretch(mUi->verticalLayout_4->indexOf(mUi->advancedFrame), 1);
    // Escape reaches us from inside the control center and the pane, wherever it sits.
    installEventFilter(this);
    mUi->settingsScrollArea->installEventFilter(this);
    // Tab comes into the pane from the tabs beside it: the control that takes the focus
    // scrolls into view.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* pNow) {
        QScrollArea* pane = settingsPane();
        if (pane && pNow && mUi->settingsContent->isAncestorOf(pNow))
            pane->ensureWidgetVisible(pNow, 0, 0);
    });

    mSignalMapper = new QSignalMapper(this);
    connect(mSignalMapper, &QSignalMapper::mappedString, this,
            &ZelControlCenter::onPanelClicked);

    mControlCenterWidthAnimation = new QPropertyAnimation(this, "controlCenterWidth");
    mControlCenterWidthAnimation->setDuration(kSlideDuration);
    mControlCenterWidthAnimation->setStartValue(0);
    mControlCenterWidthAnimation->setEndValue(kMenuWidth);
    connect(mControlCenterWidthAnimation, &QAbstractAnimation::finished, this,
            &ZelControlCenter::onControlCenterWidthFinished);

    mSettingsWidthAnimation = new QPropertyAnimation(this, "settingsWidth");
    mSettingsWidthAnimation->setDuration(kSlideDuration);
    mSettingsWidthAnimation->setStartValue(0);
    mSettingsWidthAnimation->setEndValue(kSettingsWidth);
    connect(mSettingsWidthAnimation, &QAbstractAnimation::finished, this,
            &ZelControlCenter::onSettingsWidthFinished);

    mActionHeightAnimation = new QPropertyAnimation(this, "actionHeight");
    mActionHeightAnimation->setDuration(kActionHeightDuration);
    mActionHeightAnimation->setEndValue(0);
    connect(mActionHeightAnimation, &QAbstractAnimation::finished, this,
            &ZelControlCenter::onActionHeightFinished);

    QScrollBar* scrollBar = mUi->settingsScrollArea->verticalScrollBar();
    mScrollAnimation = new QPropertyAnimation(scrollBar, "value");
    mScrollAnimation->setDuration(kSlideDuration);
    mScrollAnimation->setEasingCurve(QEasingCurve::InOutQuad);
    connect(scrollBar, &QScrollBar::valueChanged, this,
            &ZelControlCenter::onScrollBarValueChanged);

    mButtonGroup = new QButtonGroup(this);
    mButtonGroup->setExclusive(true);

    openMenu(false);

    mSettingsAction = new zelAction(QStringLiteral("Settings"), QString());
    translateSettingsAction();
    registerCCAction(mSettingsAction, QString(), false);
    connect(mSettingsAction, &QAction::triggered, this, &ZelControlCenter::openSettings);
    disconnect(mSettingsAction, &QAction::triggered, this, &ZelControlCenter::closeMenu);

    if (QSettings* settings = mApplication ? mApplication->getSettings() : nullptr) {
        mWatcher = new ZelSettingsWatcher(*settings, this);
        connect(mWatcher, &ZelSettingsWatcher::storeChanged, this,
                &ZelControlCenter::onStoreChanged);
    }

    mClickTimer.start();
}

ZelControlCenter::~ZelControlCenter()
{
    // Focus moves while our children go: nothing may call back into the half-gone form.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
    QCoreApplication::instance()->removeEventFilter(this);
    removeEventFilter(this);
    mSeparators.clear();

    const QList<ZelSettingsPanel*> panels = mPanels;
    for (ZelSettingsPanel* panel : panels)
        unregisterSettingsPanel(panel, false);
    delete mGuide;
    mGuide = nullptr;

    // The pane may already sit in the host's layout, so delete it explicitly, unless the
    // host did so already; its scroll bar must not report to us while it goes.
    if (QScrollArea* pane = settingsPane()) {
        disconnect(pane->verticalScrollBar(), nullptr, this, nullptr);
        delete pane;
    }
    mUi->settingsScrollArea = nullptr;

    unregisterCCAction(mSettingsAction);
    delete mSettingsAction;

    // A slide cut short never reaches its end: give the host its view back here.
    if (mViewUpdatesPaused && mApplication)
        mApplication->setViewUpdatesEnabled(true);

    delete mControlCenterWidthAnimation;
    delete mSettingsWidthAnimation;
    delete mActionHeightAnimation;
    delete mScrollAnimation;
    delete mUi;
    delete mSignalMapper;
}

void ZelControlCenter::registerSettingsPanel(ZelSettingsPanel* pPanel)
{
    if (!pPanel)
        return;

    mPanels.append(pPanel);
    connect(pPanel, SIGNAL(stateChanged()), this, SLOT(onStateChanged()));
    // A host that destroys a panel without unregistering it must not leave us a dangling
    // pointer; the button goes with the panel and leaves the tab list by itself.
    connect(pPanel, &QObject::destroyed, this, [this, pPanel] { mPanels.removeAll(pPanel); });

    QPushButton* button = pPanel->getActionWidget();
    if (button) {
        mUi->verticalLayout_6->addWidget(button);
        mUi->applicationSettings->show();
        mButtonGroup->addButton(button);
    }

    mUi->verticalLayout_7->addWidget(pPanel);
    mUi->applicationFrame->show();
    pPanel->show();

    pPanel->initializeWidget();
    if (mGuide)
        mGuide->addPanel(pPanel);

    if (button) {
        connect(button, &QAbstractButton::clicked, mSignalMapper,
                qOverload<>(&QSignalMapper::map));
        mSignalMapper->setMapping(button, pPanel->getPanelName());
    }

    orderPaneFocus();
    onStateChanged();
}

void ZelControlCenter::unregisterSettingsPanel(ZelSettingsPanel* pPanel, bool pRefreshState)
{
    if (!pPanel)
        return;

    if (mPanels.contains(pPanel)) {
        disconnect(pPanel, SIGNAL(stateChanged()), this, SLOT(onStateChanged()));
        disconnect(pPanel, &QObject::destroyed, this, nullptr);
        if (mGuide)
            mGuide->removePanel(pPanel);
    }

    for (int i = mPanels.size() - 1; i >= 0; --i) {
        if (mPanels.at(i) != pPanel)
            continue;
        if (QPushButton* button = pPanel->getActionWidget()) {
            mButtonGroup->removeButton(button);
            disconnect(button, &QAbstractButton::clicked, mSignalMapper,
                       qOverload<>(&QSignalMapper::map));
            mUi->verticalLayout_6->removeWidget(button);
            button->setParent(nullptr);
        }
        mUi->verticalLayout_7->removeWidget(pPanel);
        pPanel->setParent(nullptr);
        mPanels.removeAt(i);
    }

    if (pRefreshState)
        onStateChanged();
}

bool ZelControlCenter::hasModifications() const
{
    for (const ZelSettingsPanel* panel : mPanels) {
        if (panel->hasModifications())
            return true;
    }
    return false;
}

bool ZelControlCenter::applyModifications()
{
    bool restart = false;
    const QList<ZelSettingsPanel*> panels = mPanels;
    for (ZelSettingsPanel* panel : panels) {
        if (panel->applyModifications())
            restart = true;
    }
    return restart;
}

void ZelControlCenter::enableSettingsGuide()
{
    if (mGuide)
        return;
    mGuide = new ZelSettingsGuide(this, mUi->settingsScrollArea, ZelSettingsGuide::StackedPanels);
    // At the top of the pane, above the panels.
    auto* bar = new QWidget(mUi->settingsContent);
    bar->setObjectName(QStringLiteral("settingsSearchBar"));
    auto* column = new QVBoxLayout(bar);
    column->setContentsMargins(kSearchMargin, kSearchMargin, kSearchMargin, 0);
    column->addWidget(mGuide->searchField());
    column->addWidget(mGuide->noMatchLabel());
    mUi->verticalLayout_4->insertWidget(0, bar);
    for (ZelSettingsPanel* panel : std::as_const(mPanels))
        mGuide->addPanel(panel);
    orderPaneFocus();
}

void ZelControlCenter::setGUIHandler(QWidget* pWidget)
{
    mGUIHandler = pWidget;
}

void ZelControlCenter::setControlCenterButton(QPushButton* pButton)
{
    mControlCenterButton = pButton;
}

QWidget* ZelControlCenter::settingsWidget() const
{
    return mSettingsPane;
}

QScrollArea* ZelControlCenter::settingsPane() const
{
    // Null once the host has deleted the pane, and while it is being deleted.
    return qobject_cast<QScrollArea*>(mSettingsPane.data());
}

bool ZelControlCenter::isMenuOpen() const
{
    return mMenuOpen;
}

bool ZelControlCenter::isSettingsOpen() const
{
    return mSettingsOpen;
}

void ZelControlCenter::on_applyButton_clicked()
{
    // The panels write with the store's writer lock held, so that another program's change
    // made meanwhile is not lost; while another program holds it, the edits stay pending.
    bool restart = false;
    QString restartNames;
    QStringList errors;
    {
        ZelSettingsLock lock(mApplication ? mApplication->getSettings() : nullptr);
        QString busy;
        if (!lock.lock(busy, ZelSettingsLock::kInteractiveTimeout)) {
            showMessage(busy);
            return;
        }
        // Changes made elsewhere are taken first, so that the rows tell them apart from the
        // person's edits; once written, ours are not told back to us.
        if (mWatcher)
            mWatcher->look();
        // Named before the apply, which makes every change an applied one.
        restartNames = mGuide ? mGuide->restartSentence() : QString();
        restart = applyModifications();
        for (const ZelSettingsPanel* panel : std::as_const(mPanels)) {
            if (!panel->applyError().isEmpty() && !errors.contains(panel->applyError()))
                errors.append(panel->applyError());
        }
        if (mWatcher)
            mWatcher->acknowledge();
    }
    if (!errors.isEmpty()) {
        showMessage(QCoreApplication::translate("ZelControlCenter",
                                                "Your changes could not be saved; they are "
                                                "still pending.")
                    + QStringLiteral("\n\n") + errors.join(QLatin1Char('\n')));
    } else if (restart || !restartNames.isEmpty()) {
        QString notice = QCoreApplication::translate(
            "ZelControlCenter",
            "You need to restart your application to turn settings modification effective.");
        if (!restartNames.isEmpty())
            notice += QStringLiteral("\n\n") + restartNames;
        showMessage(notice);
    }
    onStateChanged();
}

void ZelControlCenter::showMessage(const QString& pText)
{
    if (!hostMainWindow())
        return;
    km::kmMessageBox::ShowMessage(
        QCoreApplication::translate("ZelControlCenter", "Settings Modification"), pText,
        QMessageBox::Ok, window(), QString::fromLatin1(kButtonClass), false,
        km::kmMessageBox::ButtonTexts(), km::kmMessageBox::ButtonTexts());
}

void ZelControlCenter::onStoreChanged(const QStringList& pKeys)
{
    const QList<ZelSettingsPanel*> panels = mPanels;
    for (ZelSettingsPanel* panel : panels)
        panel->followStore(pKeys);
    onStateChanged();
    emit storeChanged(pKeys);
}

void ZelControlCenter::on_resetButton_clicked()
{
    const QList<ZelSettingsPanel*> panels = mPanels;
    for (ZelSettingsPanel* panel : panels)
        panel->resetContent();
}

void ZelControlCenter::resetControlCenter()
{
    on_resetButton_clicked();
}

void ZelControlCenter::onStateChanged()
{
    // The apply and reset buttons stay enabled whatever the panels hold; the guide, when
    // there is one, follows them.
    if (mGuide)
        mGuide->refresh();
}

bool ZelControlCenter::discardModifications(QWidget* pParent)
{
    if (hostMainWindow()) {
        const QMessageBox::StandardButton answer = km::kmMessageBox::ShowMessage(
            QString(),
            QCoreApplication::translate("ZelControlCenter",
                                        "You have pending modifications. Discard your changes?"),
            QMessageBox::Cancel | QMessageBox::Discard, pParent,
            QString::fromLatin1(kButtonClass), false, km::kmMessageBox::ButtonTexts(),
            km::kmMessageBox::ButtonTexts());
        if (answer != QMessageBox::Discard)
            return false;
    }

    // Taken after the prompt: the host may have dropped panels while it was open.
    const QList<ZelSettingsPanel*> panels = mPanels;
    for (ZelSettingsPanel* panel : panels)
        panel->initializeWidget();
    onStateChanged();
    return true;
}

void ZelControlCenter::changeEvent(QEvent* pEvent)
{
    if (pEvent->type() == QEvent::LanguageChange) {
        mUi->retranslateUi(this);
        translateSettingsAction();
        // The panels rename themselves as they get the event, which may come after ours.
        QMetaObject::invokeMethod(this, &ZelControlCenter::mapPanelNames, Qt::QueuedConnection);
    }
    QWidget::changeEvent(pEvent);
}

void ZelControlCenter::translateSettingsAction()
{
    mSettingsAction->setActionGuiName(QCoreApplication::translate("ZelControlCenter", "Settings"));
    mSettingsAction->setStatusTip(
        QCoreApplication::translate("ZelControlCenter", "Change the settings of the application"));
}

// A tab selects the panels that bear its panel's name.
void ZelControlCenter::mapPanelNames()
{
    for (ZelSettingsPanel* panel : std::as_const(mPanels)) {
        if (QPushButton* button = panel->getActionWidget())
            mSignalMapper->setMapping(button, panel->getPanelName());
    }
}

QWidget* ZelControlCenter::hostMainWindow() const
{
    return mApplication ? mApplication->getMainWindow() : nullptr;
}

} // namespace zel
