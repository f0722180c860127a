#include "ZelPanelHostFlow.h"

#include "ZelSettingsGuide.h"
#include "ZelSettingsLock.h"
#include "ZelSettingsPanel.h"
#include "ZelSettingsWatcher.h"
#include "kmDMIApplication.h"
#include "kmMessageBox.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPushButton>
#include <QSettings>
#include <QSignalMapper>

namespace zel {

namespace {

const char kButtonClass[] = "outlinedButton";

// Each host translates these in its own context, which the catalogues list below.
const char kTitle[] = "Settings Modification";
const char kNotSaved[] = "Your changes could not be saved; they are still pending.";
const char kRestart[] =
    "You need to restart your application to turn settings modification effective.";
const char kDiscard[] = "You have pending modifications. Discard your changes?";

[[maybe_unused]] const char* const kCatalogued[] = {
    QT_TRANSLATE_NOOP("SettingsDialog", "Settings Modification"),
    QT_TRANSLATE_NOOP("SettingsDialog",
                      "Your changes could not be saved; they are still pending."),
    QT_TRANSLATE_NOOP(
        "SettingsDialog",
        "You need to restart your application to turn settings modification effective."),
    QT_TRANSLATE_NOOP("ZelControlCenter", "Settings Modification"),
    QT_TRANSLATE_NOOP("ZelControlCenter",
                      "Your changes could not be saved; they are still pending."),
    QT_TRANSLATE_NOOP(
        "ZelControlCenter",
        "You need to restart your application to turn settings modification effective."),
    QT_TRANSLATE_NOOP("ZelControlCenter",
                      "You have pending modifications. Discard your changes?"),
};

} // namespace

ZelPanelHostFlow::ZelPanelHostFlow(QWidget* pHost, kmDMIApplication* pApplication,
                                   const char* pContext)
    : QObject(pHost)
    , mHost(pHost)
    , mApplication(pApplication)
    , mContext(pContext)
    , mSignalMapper(new QSignalMapper(this))
{
    connect(mSignalMapper, &QSignalMapper::mappedString, this, &ZelPanelHostFlow::panelChosen);
    // The panels rename themselves when the language changes.
    pHost->installEventFilter(this);

    if (QSettings* settings = mApplication ? mApplication->getSettings() : nullptr) {
        mWatcher = new ZelSettingsWatcher(*settings, this);
        connect(mWatcher, &ZelSettingsWatcher::storeChanged, this,
                &ZelPanelHostFlow::onStoreChanged);
    }
}

ZelPanelHostFlow::~ZelPanelHostFlow() = default;

const QList<ZelSettingsPanel*>& ZelPanelHostFlow::panels() const
{
    return mPanels;
}

bool ZelPanelHostFlow::addPanel(ZelSettingsPanel* pPanel, const tPlace& pPlace)
{
    if (!pPanel)
        return false;

    mPanels.append(pPanel);
    connect(pPanel, SIGNAL(stateChanged()), this, SLOT(refresh()));
    // A host that destroys a panel without unregistering it must not leave a dangling
    // pointer behind; the tab goes with the panel.
    connect(pPanel, &QObject::destroyed, this, [this, pPanel] { mPanels.removeAll(pPanel); });

    QPushButton* tab = pPanel->getActionWidget();
    pPlace(tab);
    pPanel->initializeWidget();
    if (mGuide)
        mGuide->addPanel(pPanel);
    if (tab) {
        connect(tab, &QAbstractButton::clicked, mSignalMapper, qOverload<>(&QSignalMapper::map));
        mSignalMapper->setMapping(tab, pPanel->getPanelName());
    }
    return true;
}

bool ZelPanelHostFlow::removePanel(ZelSettingsPanel* pPanel, const tPlace& pUnplace)
{
    if (!pPanel || !mPanels.contains(pPanel))
        return false;

    disconnect(pPanel, nullptr, this, nullptr);
    if (mGuide)
        mGuide->removePanel(pPanel);
    QPushButton* tab = pPanel->getActionWidget();
    if (tab)
        disconnect(tab, &QAbstractButton::clicked, mSignalMapper, qOverload<>(&QSignalMapper::map));
    pUnplace(tab);
    mPanels.removeAll(pPanel);
    return true;
}

void ZelPanelHostFlow::setGuide(ZelSettingsGuide* pGuide)
{
    mGuide = pGuide;
    for (ZelSettingsPanel* panel : std::as_const(mPanels))
        mGuide->addPanel(panel);
}

bool ZelPanelHostFlow::hasModifications() const
{
    for (const ZelSettingsPanel* panel : mPanels) {
        if (panel->hasModifications())
            return true;
    }
    return false;
}

bool ZelPanelHostFlow::applyPanels(QStringList& pErrors)
{
    bool restart = false;
    const QList<ZelSettingsPanel*> panels = mPanels;
    for (ZelSettingsPanel* panel : panels) {
        if (panel->applyModifications())
            restart = true;
        if (!panel->applyError().isEmpty() && !pErrors.contains(panel->applyError()))
            pErrors.append(panel->applyError());
    }
    return restart;
}

ZelPanelHostFlow::tApplied ZelPanelHostFlow::apply()
{
    bool restart = false;
    QString restartNames;
    QStringList errors;
    {
        // The panels write with the store's writer lock held, so that another program's
        // change made meanwhile is not lost; while another program holds it, the edits stay
        // pending.
        ZelSettingsLock lock(mApplication ? mApplication->getSettings() : nullptr);
        QString busy;
        if (!lock.lock(busy, ZelSettingsLock::kInteractiveTimeout)) {
            showMessage(busy);
            return Busy;
        }
        // Changes made elsewhere are taken first, so that the rows tell them apart from the
        // person's edits; once written, ours are not told back to us.
        if (mWatcher)
            mWatcher->look();
        // Named before the apply, which makes every change an applied one.
        restartNames = mGuide ? mGuide->restartSentence() : QString();
        restart = applyPanels(errors);
        if (mWatcher)
            mWatcher->acknowledge();
    }

    // What could not be saved stays pending, to be applied again.
    if (!errors.isEmpty()) {
        showMessage(text(kNotSaved) + QStringLiteral("\n\n") + errors.join(QLatin1Char('\n')));
        return Failed;
    }
    if (restart || !restartNames.isEmpty()) {
        QString notice = text(kRestart);
        if (!restartNames.isEmpty())
            notice += QStringLiteral("\n\n") + restartNames;
        showMessage(notice);
    }
    return Applied;
}

void ZelPanelHostFlow::reset(tReset pWhich)
{
    const QList<ZelSettingsPanel*> panels = mPanels;
    for (ZelSettingsPanel* panel : panels) {
        if (pWhich == AllPanels || !panel->isHidden())
            panel->resetContent();
    }
}

void ZelPanelHostFlow::cancel()
{
    const QList<ZelSettingsPanel*> panels = mPanels;
    for (ZelSettingsPanel* panel : panels)
        panel->cancelModifications();
}

void ZelPanelHostFlow::initializePanels()
{
    const QList<ZelSettingsPanel*> panels = mPanels;
    for (ZelSettingsPanel* panel : panels)
        panel->initializeWidget();
}

void ZelPanelHostFlow::refreshPanels()
{
    const QList<ZelSettingsPanel*> panels = mPanels;
    for (ZelSettingsPanel* panel : panels)
        panel->refreshWidgetContent();
}

bool ZelPanelHostFlow::discard(QWidget* pParent)
{
    if (mApplication && mApplication->getMainWindow()) {
        const QMessageBox::StandardButton answer = km::kmMessageBox::ShowMessage(
            QString(), text(kDiscard), QMessageBox::Cancel | QMessageBox::Discard, pParent,
            QString::fromLatin1(kButtonClass), false, km::kmMessageBox::ButtonTexts(),
            km::kmMessageBox::ButtonTexts());
        if (answer != QMessageBox::Discard)
            return false;
    }

    // Taken after the prompt: the host may have dropped panels while it was open.
    initializePanels();
    refresh();
    return true;
}

void ZelPanelHostFlow::refresh()
{
    // The host's buttons stay enabled whatever the panels hold; only the guide follows them.
    if (mGuide)
        mGuide->refresh();
}

bool ZelPanelHostFlow::eventFilter(QObject* pObject, QEvent* pEvent)
{
    // The panels rename themselves as they get the event, which may come after the host's.
    if (pObject == mHost && pEvent->type() == QEvent::LanguageChange)
        QMetaObject::invokeMethod(this, &ZelPanelHostFlow::mapPanelNames, Qt::QueuedConnection);
    return QObject::eventFilter(pObject, pEvent);
}

// A tab chooses the panels that bear its panel's name.
void ZelPanelHostFlow::mapPanelNames()
{
    for (ZelSettingsPanel* panel : std::as_const(mPanels)) {
        if (QPushButton* button = panel->getActionWidget())
            mSignalMapper->setMapping(button, panel->getPanelName());
    }
}

void ZelPanelHostFlow::onStoreChanged(const QStringList& pKeys)
{
    const QList<ZelSettingsPanel*> panels = mPanels;
    for (ZelSettingsPanel* panel : panels)
        panel->followStore(pKeys);
    refresh();
    emit storeChanged(pKeys);
}

void ZelPanelHostFlow::showMessage(const QString& pText) const
{
    if (!mApplication || !mApplication->getMainWindow())
        return;
    km::kmMessageBox::ShowMessage(text(kTitle), pText, QMessageBox::Ok, mHost->window(),
                                  QString::fromLatin1(kButtonClass), false,
                                  km::kmMessageBox::ButtonTexts(),
                                  km::kmMessageBox::ButtonTexts());
}

QString ZelPanelHostFlow::text(const char* pSource) const
{
    return QCoreApplication::translate(mContext, pSource);
}

} // namespace zel
