#include "SettingsDialog.h"

#include "ZelSettingsGuide.h"
#include "ZelSettingsLock.h"
#include "ZelSettingsPanel.h"
#include "ZelSettingsWatcher.h"
#include "kmDMIApplication.h"
#include "kmMainWindow.h"
#include "kmMessageBox.h"
#include "kmMovableObject.h"

#include "ui_SettingsDialog.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSettings>
#include <QSignalMapper>

#include <utility>

namespace zel {

namespace {

// Screens of this available height or less get the short dialog.
const int kShortScreenHeight = 768;
const int kShortDialogHeight = 512;
const char kButtonClass[] = "outlinedButton";
const int kSearchWidth = 260;

} // namespace

SettingsDialog::SettingsDialog(kmDMIApplication* pApplication, QWidget* pParent,
                               Qt::WindowFlags pFlags)
    : QDialog(pParent, pFlags | Qt::FramelessWindowHint)
    , mUi(new Ui_SettingsDialog)
    , mApplication(pApplication)
    , mSignalMapper(nullptr)
    , mMovable(nullptr)
{
    mUi->setupUi(this);

    mMovable = new km::kmMovableObject(this);
    mMovable->setAnchorObject(mUi->headerFrame, this);
    mMovable->setExpandOnDlbClick(false);

    setAttribute(Qt::WA_TranslucentBackground);

    mSignalMapper = new QSignalMapper(this);
    connect(mSignalMapper, &QSignalMapper::mappedString, this,
            &SettingsDialog::onHeaderTableContentClicked);

    // Tab comes into the page from the tabs above it: the control that takes the focus
    // scrolls into view.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* pNow) {
        if (pNow && mUi->settingsContent->isAncestorOf(pNow))
            mUi->scrollArea->ensureWidgetVisible(pNow, 0, 0);
    });

    if (QSettings* settings = mApplication ? mApplication->getSettings() : nullptr) {
        mWatcher = new ZelSettingsWatcher(*settings, this);
        connect(mWatcher, &ZelSettingsWatcher::storeChanged, this,
                &SettingsDialog::onStoreChanged);
    }
}

SettingsDialog::~SettingsDialog()
{
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
    delete mGuide;
    mGuide = nullptr;
    // Panels still registered go with our widgets: they must not call back into a dialog
    // that is half gone. Their buttons are deleted once, by whichever goes first.
    for (ZelSettingsPanel* panel : std::as_const(mPanels))
        disconnect(panel, nullptr, this, nullptr);
    // Those whose tab was never chosen are not our children yet, but are ours all the same.
    qDeleteAll(std::exchange(mDetached, {}));

    delete mMovable;
    delete mSignalMapper;
    delete mUi;
}

void SettingsDialog::registerSettingsPanel(ZelSettingsPanel* pPanel)
{
    if (!pPanel)
        return;

    mPanels.append(pPanel);
    connect(pPanel, SIGNAL(stateChanged()), this, SLOT(onSettingsPanelChanged()));
    // A panel destroyed without being unregistered must not stay behind as a dangling
    // pointer; its button goes with it.
    connect(pPanel, &QObject::destroyed, this, [this, pPanel] {
        mPanels.removeAll(pPanel);
        mDetached.removeAll(pPanel);
    });

    QPushButton* button = pPanel->getActionWidget();
    if (button) {
        button->setProperty("class", QStringLiteral("tabAction"));
        button->setCursor(Qt::PointingHandCursor);
        button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
        button->setAutoExclusive(true);
        mUi->horizontalLayout_3->addWidget(button);
    }
    // Only the panel in view joins the dialog: the others wait, hidden, until their tab is
    // first chosen, so that showing the dialog lays out and styles one page, not all of them.
    pPanel->hide();
    if (mPanels.size() == 1 || !button)
        mUi->verticalLayout_4->addWidget(pPanel);
    else
        detachPanel(pPanel);
    pPanel->initializeWidget();
    if (mGuide)
        mGuide->addPanel(pPanel);

    if (button) {
        connect(button, &QAbstractButton::clicked, mSignalMapper,
                qOverload<>(&QSignalMapper::map));
        mSignalMapper->setMapping(button, pPanel->getPanelName());
    }

    onSettingsPanelChanged();

    if (mPanels.size() == 1 && button)
        button->click();
}

void SettingsDialog::unregisterSettingsPanel(ZelSettingsPanel* pPanel)
{
    if (!pPanel)
        return;

    if (mPanels.contains(pPanel)) {
        disconnect(pPanel, SIGNAL(stateChanged()), this, SLOT(onSettingsPanelChanged()));
        disconnect(pPanel, &QObject::destroyed, this, nullptr);
        if (mGuide)
            mGuide->removePanel(pPanel);
    }

    // The host owns the panel: its tab must leave the strip, where it would cover the others,
    // and neither may stay our child, to be deleted with us.
    for (int i = mPanels.size() - 1; i >= 0; --i) {
        if (mPanels.at(i) != pPanel)
            continue;
        if (QPushButton* button = pPanel->getActionWidget()) {
            disconnect(button, &QAbstractButton::clicked, mSignalMapper,
                       qOverload<>(&QSignalMapper::map));
            mUi->horizontalLayout_3->removeWidget(button);
            button->hide();
            button->setParent(nullptr);
        }
        pPanel->hide();
        if (!mDetached.removeAll(pPanel)) {
            mUi->verticalLayout_4->removeWidget(pPanel);
            pPanel->setParent(nullptr);
        }
        mPanels.removeAt(i);
    }

    onSettingsPanelChanged();
}

void SettingsDialog::selectPanel(const QString& pName)
{
    const QList<ZelSettingsPanel*> panels = mPanels;
    for (ZelSettingsPanel* panel : panels) {
        if (panel->getPanelName() != pName)
            continue;
        if (QPushButton* button = panel->getActionWidget())
            button->click();
    }
}

void SettingsDialog::enableSettingsGuide()
{
    if (mGuide)
        return;
    mGuide = new ZelSettingsGuide(this, mUi->scrollArea, ZelSettingsGuide::OnePanelAtATime);
    QLineEdit* search = mGuide->searchField();
    search->setMaximumWidth(kSearchWidth);
    // In the header, before the close button, and first when Tab goes through the dialog.
    mUi->horizontalLayout_2->insertWidget(mUi->horizontalLayout_2->indexOf(mUi->closeButton),
                                          search);
    setTabOrder(mUi->closeButton->previousInFocusChain(), search);
    mUi->verticalLayout_4->insertWidget(0, mGuide->noMatchLabel());
    connect(mGuide, &ZelSettingsGuide::panelWanted, this, [](ZelSettingsPanel* pPanel) {
        if (QPushButton* button = pPanel->getActionWidget())
            button->click();
    });
    for (ZelSettingsPanel* panel : std::as_const(mPanels))
        mGuide->addPanel(panel);
}

void SettingsDialog::refreshPanels()
{
    const QList<ZelSettingsPanel*> panels = mPanels;
    for (ZelSettingsPanel* panel : panels)
        panel->refreshWidgetContent();
}

void SettingsDialog::showEvent(QShowEvent* pEvent)
{
    const QRect available = screen()->availableGeometry();
    if (available.bottom() - available.top() < kShortScreenHeight)
        resize(width(), kShortDialogHeight);

    QPoint target = available.center();
    if (kmMainWindow* mainWindow = mApplication ? mApplication->getMainWindow() : nullptr)
        target = mainWindow->mapToGlobal(mainWindow->rect().center());
    // Never beyond the screen that holds its window, even when that window is larger than
    // the screen or lies partly off it: no wider or taller than the screen's available area,
    // and moved back inside it.
    const QScreen* targetScreen = QGuiApplication::screenAt(target);
    const QRect bounds = targetScreen ? targetScreen->availableGeometry() : available;
    resize(size().boundedTo(bounds.size()));
    QPoint position = target - rect().center();
    position.setX(qMax(bounds.left(), qMin(position.x(), bounds.right() + 1 - width())));
    position.setY(qMax(bounds.top(), qMin(position.y(), bounds.bottom() + 1 - height())));

    // Each showing starts from the applied state, changes made elsewhere in the store
    // included: edits left from an earlier showing, or values read before those changes,
    // must never be applied over them.
    if (QSettings* settings = mApplication ? mApplication->getSettings() : nullptr)
        settings->sync();
    const QList<ZelSettingsPanel*> panels = mPanels;
    for (ZelSettingsPanel* panel : panels)
        panel->initializeWidget();
    refreshPanels();
    if (mGuide)
        mGuide->refresh();

    move(position);
    QDialog::showEvent(pEvent);
}

void SettingsDialog::onSettingsPanelChanged()
{
    // The footer buttons stay enabled whatever the panels hold; the guide, when there is
    // one, follows them.
    if (mGuide)
        mGuide->refresh();
}

// Qt polishes every new widget at the next pass of the event loop; a panel that waits
// outside the dialog is polished once, in the dialog's style, when it is first shown there.
void SettingsDialog::detachPanel(ZelSettingsPanel* pPanel)
{
    mDetached.append(pPanel);
    QCoreApplication::removePostedEvents(pPanel, QEvent::PolishRequest);
    const QList<QWidget*> widgets = pPanel->findChildren<QWidget*>();
    for (QWidget* widget : widgets)
        QCoreApplication::removePostedEvents(widget, QEvent::PolishRequest);
}

void SettingsDialog::onHeaderTableContentClicked(QString pPanelName)
{
    const QList<ZelSettingsPanel*> panels = mPanels;
    for (ZelSettingsPanel* panel : panels) {
        const bool chosen = panel->getPanelName() == pPanelName;
        if (chosen && mDetached.removeAll(panel))
            mUi->verticalLayout_4->addWidget(panel);
        panel->setVisible(chosen);
    }
}

void SettingsDialog::on_closeButton_clicked()
{
    reject();
}

void SettingsDialog::changeEvent(QEvent* pEvent)
{
    if (pEvent->type() == QEvent::LanguageChange) {
        mUi->retranslateUi(this);
        // The panels rename themselves as they get the event, after us.
        QMetaObject::invokeMethod(this, &SettingsDialog::mapPanelNames, Qt::QueuedConnection);
    }
    QDialog::changeEvent(pEvent);
}

// A tab shows the panels that bear its panel's name.
void SettingsDialog::mapPanelNames()
{
    for (ZelSettingsPanel* panel : std::as_const(mPanels)) {
        if (QPushButton* button = panel->getActionWidget())
            mSignalMapper->setMapping(button, panel->getPanelName());
    }
}

void SettingsDialog::on_applyButton_clicked()
{
    bool restart = false;
    QString restartNames;
    QStringList errors;
    {
        // Written with the store's writer lock held; while another program holds it, the
        // dialog stays open with the edits pending.
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
        const QList<ZelSettingsPanel*> panels = mPanels;
        for (ZelSettingsPanel* panel : panels) {
            if (panel->applyModifications())
                restart = true;
            if (!panel->applyError().isEmpty() && !errors.contains(panel->applyError()))
                errors.append(panel->applyError());
        }
        if (mWatcher)
            mWatcher->acknowledge();
    }

    // What could not be saved stays pending in the open dialog, to be applied again.
    if (!errors.isEmpty()) {
        showMessage(QCoreApplication::translate("SettingsDialog",
                                                "Your changes could not be saved; they are "
                                                "still pending.")
                    + QStringLiteral("\n\n") + errors.join(QLatin1Char('\n')));
        if (mGuide)
            mGuide->refresh();
        return;
    }
    if (restart || !restartNames.isEmpty()) {
        QString notice = QCoreApplication::translate(
            "SettingsDialog",
            "You need to restart your application to turn settings modification effective.");
        if (!restartNames.isEmpty())
            notice += QStringLiteral("\n\n") + restartNames;
        showMessage(notice);
    }
    accept();
}

void SettingsDialog::showMessage(const QString& pText)
{
    if (!mApplication || !mApplication->getMainWindow())
        return;
    km::kmMessageBox::ShowMessage(
        QCoreApplication::translate("SettingsDialog", "Settings Modification"), pText,
        QMessageBox::Ok, window(), QString::fromLatin1(kButtonClass), false,
        km::kmMessageBox::ButtonTexts(), km::kmMessageBox::ButtonTexts());
}

void SettingsDialog::onStoreChanged(const QStringList& pKeys)
{
    const QList<ZelSettingsPanel*> panels = mPanels;
    for (ZelSettingsPanel* panel : panels)
        panel->followStore(pKeys);
    if (mGuide)
        mGuide->refresh();
    emit storeChanged(pKeys);
}

void SettingsDialog::on_resetButton_clicked()
{
    // Only the page in view: a reset must not change pages that the person cannot see.
    const QList<ZelSettingsPanel*> panels = mPanels;
    for (ZelSettingsPanel* panel : panels) {
        if (!panel->isHidden())
            panel->resetContent();
    }
}

void SettingsDialog::on_cancelButton_clicked()
{
    reject();
}

void SettingsDialog::reject()
{
    const QList<ZelSettingsPanel*> panels = mPanels;
    for (ZelSettingsPanel* panel : panels)
        panel->cancelModifications();
    QDialog::reject();
}

} // namespace zel
