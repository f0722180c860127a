#include "SettingsDialog.h"

#include "ZelFocusScroll.h"
#include "ZelHiddenLayout.h"
#include "ZelPanelHostFlow.h"
#include "ZelSettingsGuide.h"
#include "ZelSettingsPanel.h"
#include "kmDMIApplication.h"
#include "kmMainWindow.h"
#include "kmMovableObject.h"

#include "ui_SettingsDialog.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QTimer>

#include <utility>

namespace zel {

namespace {

// Screens of this available height or less get the short dialog.
const int kShortScreenHeight = 768;
const int kShortDialogHeight = 512;
// Long enough for a host that registers its panels one per pass of the event loop.
const int kPreparationDelay = 100;

} // namespace

SettingsDialog::SettingsDialog(kmDMIApplication* pApplication, QWidget* pParent,
                               Qt::WindowFlags pFlags)
    : QDialog(pParent, pFlags | Qt::FramelessWindowHint)
    , mUi(new Ui_SettingsDialog)
    , mApplication(pApplication)
    , mMovable(nullptr)
{
    mUi->setupUi(this);
    mFlow = new ZelPanelHostFlow(this, pApplication, "SettingsDialog");
    connect(mFlow, &ZelPanelHostFlow::panelChosen, this,
            &SettingsDialog::onHeaderTableContentClicked);
    connect(mFlow, &ZelPanelHostFlow::storeChanged, this, &SettingsDialog::storeChanged);

    mMovable = new km::kmMovableObject(this);
    mMovable->setAnchorObject(mUi->headerFrame, this);
    mMovable->setExpandOnDlbClick(false);

    setAttribute(Qt::WA_TranslucentBackground);

    // Tab comes into the page from the tabs above it.
    QScrollArea* page = mUi->scrollArea;
    ZelFocusScroll::Follow(this, mUi->settingsContent, [page] { return page; });

    mPrepareTimer = new QTimer(this);
    mPrepareTimer->setSingleShot(true);
    mPrepareTimer->setInterval(kPreparationDelay);
    connect(mPrepareTimer, &QTimer::timeout, this, &SettingsDialog::prepare);
}

SettingsDialog::~SettingsDialog()
{
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
    delete mGuide;
    mGuide = nullptr;
    // Panels still registered go with our widgets: they must not call back into a dialog
    // that is half gone. Their buttons are deleted once, by whichever goes first.
    for (ZelSettingsPanel* panel : mFlow->panels())
        disconnect(panel, nullptr, this, nullptr);
    // Those whose tab was never chosen are not our children yet, but are ours all the same.
    qDeleteAll(std::exchange(mDetached, {}));

    delete mMovable;
    delete mUi;
}

void SettingsDialog::registerSettingsPanel(ZelSettingsPanel* pPanel)
{
    QPushButton* firstTab = nullptr;
    const bool added = mFlow->addPanel(pPanel, [this, pPanel, &firstTab](QPushButton* pTab) {
        connect(pPanel, &QObject::destroyed, this,
                [this, pPanel] { mDetached.removeAll(pPanel); });
        if (pTab) {
            pTab->setProperty("class", QStringLiteral("tabAction"));
            pTab->setCursor(Qt::PointingHandCursor);
            pTab->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
            pTab->setAutoExclusive(true);
            mUi->horizontalLayout_3->addWidget(pTab);
        }
        // Only the panel in view joins the dialog: the others wait, hidden, until their tab
        // is first chosen, so that showing the dialog lays out and styles one page, not all.
        pPanel->hide();
        const bool first = mFlow->panels().size() == 1;
        if (first || !pTab)
            mUi->verticalLayout_4->addWidget(pPanel);
        else
            detachPanel(pPanel);
        if (first)
            firstTab = pTab;
    });
    if (!added)
        return;

    onSettingsPanelChanged();
    if (firstTab)
        firstTab->click();
    mPrepareTimer->start();
}

// A dialog built ahead of its first showing is readied while the host is idle: laid out, its
// page at the width that its scroll area will give it, shown ahead and painted once. Showing
// it then finds its texts measured and the style's caches filled.
void SettingsDialog::prepare()
{
    if (isVisible())
        return;
    resize(placement().size());
    ZelHiddenLayout::LayOut(this, mUi->settingsContent);
    // The scroll area settles its bars once it has its size, after this turn of the loop.
    ZelHiddenLayout::ShowAhead(this);
    QTimer::singleShot(0, this, &SettingsDialog::preparePage);
}

void SettingsDialog::preparePage()
{
    if (isVisible())
        return;
    QScrollArea* area = mUi->scrollArea;
    QWidget* page = mUi->settingsContent;
    const QSize viewport = area->contentsRect().size();
    int width = viewport.width();
    if (ZelHiddenLayout::HeightAt(page, width) > viewport.height())
        width -= area->verticalScrollBar()->sizeHint().width();
    page->resize(width, qMax(viewport.height(), ZelHiddenLayout::HeightAt(page, width)));
    ZelHiddenLayout::LayOut(page);
    ZelHiddenLayout::ShowAhead(page);
    ZelHiddenLayout::PaintAhead(this, rect());
}

void SettingsDialog::unregisterSettingsPanel(ZelSettingsPanel* pPanel)
{
    // The host owns the panel: its tab must leave the strip, where it would cover the others,
    // and neither may stay our child, to be deleted with us.
    mFlow->removePanel(pPanel, [this, pPanel](QPushButton* pTab) {
        disconnect(pPanel, &QObject::destroyed, this, nullptr);
        if (pTab) {
            mUi->horizontalLayout_3->removeWidget(pTab);
            pTab->hide();
            pTab->setParent(nullptr);
        }
        pPanel->hide();
        if (!mDetached.removeAll(pPanel)) {
            mUi->verticalLayout_4->removeWidget(pPanel);
            pPanel->setParent(nullptr);
        }
    });
    onSettingsPanelChanged();
}

void SettingsDialog::selectPanel(const QString& pName)
{
    const QList<ZelSettingsPanel*> panels = mFlow->panels();
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
    const int kSearchWidth = 260;
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
    mFlow->setGuide(mGuide);
}

void SettingsDialog::refreshPanels()
{
    mFlow->refreshPanels();
}

// Where the dialog shows: centred on the host's window, never beyond the screen that holds
// it, even when that window is larger than the screen or lies partly off it: no wider or
// taller than the screen's available area, and moved back inside it.
QRect SettingsDialog::placement() const
{
    // As resize() would take it.
    const auto fit = [this](const QSize& pSize) {
        return pSize.boundedTo(maximumSize()).expandedTo(minimumSize());
    };
    const QRect available = screen()->availableGeometry();
    QSize size = this->size();
    if (available.bottom() - available.top() < kShortScreenHeight)
        size = fit(QSize(size.width(), kShortDialogHeight));

    QPoint target = available.center();
    if (kmMainWindow* mainWindow = mApplication ? mApplication->getMainWindow() : nullptr)
        target = mainWindow->mapToGlobal(mainWindow->rect().center());
    const QScreen* targetScreen = QGuiApplication::screenAt(target);
    const QRect bounds = targetScreen ? targetScreen->availableGeometry() : available;
    size = fit(size.boundedTo(bounds.size()));
    QPoint position = target - QRect(QPoint(), size).center();
    position.setX(qMax(bounds.left(), qMin(position.x(), bounds.right() + 1 - size.width())));
    position.setY(qMax(bounds.top(), qMin(position.y(), bounds.bottom() + 1 - size.height())));
    return QRect(position, size);
}

void SettingsDialog::showEvent(QShowEvent* pEvent)
{
    const QRect placed = placement();
    resize(placed.size());

    // Each showing starts from the applied state, changes made elsewhere in the store
    // included: edits left from an earlier showing, or values read before those changes,
    // must never be applied over them.
    if (QSettings* settings = mApplication ? mApplication->getSettings() : nullptr)
        settings->sync();
    mFlow->initializePanels();
    refreshPanels();
    mFlow->refresh();

    move(placed.topLeft());
    QDialog::showEvent(pEvent);
}

void SettingsDialog::onSettingsPanelChanged()
{
    mFlow->refresh();
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
    const QList<ZelSettingsPanel*> panels = mFlow->panels();
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
    if (pEvent->type() == QEvent::LanguageChange)
        mUi->retranslateUi(this);
    QDialog::changeEvent(pEvent);
}

void SettingsDialog::on_applyButton_clicked()
{
    // What could not be saved stays pending in the open dialog, to be applied again.
    switch (mFlow->apply()) {
    case ZelPanelHostFlow::Applied:
        accept();
        break;
    case ZelPanelHostFlow::Failed:
        mFlow->refresh();
        break;
    case ZelPanelHostFlow::Busy:
        break;
    }
}

void SettingsDialog::on_resetButton_clicked()
{
    mFlow->reset(ZelPanelHostFlow::ShownPanels);
}

void SettingsDialog::on_cancelButton_clicked()
{
    reject();
}

void SettingsDialog::reject()
{
    mFlow->cancel();
    QDialog::reject();
}

} // namespace zel
