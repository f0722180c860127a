#include "ViewerTour.h"

#include "ModelView.h"
#include "kmDMRenderer.h"
#include "SettingsDialog.h"
#include "ViewerWindow.h"
#include "ZelCCActionItem.h"
#include "ZelControlCenter.h"
#include "ZelSettingsCheck.h"
#include "ZelSettingsPanel.h"
#include "kmDMIApplication.h"
#include "zelAction.h"
#include "zelFormat.h"

#include <QAbstractSpinBox>
#include <QSettings>
#include <QApplication>
#include <QColor>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTimer>

namespace zel {

namespace {

const char kStoreName[] = "tour-settings.ini";
const QColor kTourColour(46, 84, 120);

QColor viewColour(const Wm4::ColorRGBA& pColour)
{
    return QColor::fromRgbF(pColour.R(), pColour.G(), pColour.B());
}

} // namespace

const int ViewerTour::msSettle = 450;
const int ViewerTour::msClickDebounce = 600;
const int ViewerTour::msAnswerPoll = 20;
const char ViewerTour::msReportName[] = "activity-report.json";

ViewerTour::ViewerTour(ViewerWindow& pWindow, kmDMIApplication& pApplication,
                       QSettings& pSettings, const QString& pFolder, QObject* pParent)
    : TourDriver(pWindow, pFolder, pParent)
    , mWindow(pWindow)
    , mApplication(pApplication)
    , mSettings(pSettings)
    , mFolder(pFolder)
{
}

void ViewerTour::ClearFolder(const QString& pFolder)
{
    QDir folder(pFolder);
    const QStringList ours = {QStringLiteral("[0-9][0-9]-*.png"), QStringLiteral("sample-*"),
                              QLatin1String(kStoreName), QLatin1String(msReportName)};
    for (const QString& name : folder.entryList(ours, QDir::Files))
        folder.remove(name);
}

QString ViewerTour::StorePath(const QString& pFolder)
{
    return QDir(pFolder).filePath(QLatin1String(kStoreName));
}

bool ViewerTour::run()
{
    const auto step = [this](const char* pName, void (ViewerTour::*pFlow)()) {
        return Step{QLatin1String(pName), [this, pFlow]() { (this->*pFlow)(); }};
    };
    return runSteps({step("start", &ViewerTour::start),
                     step("at rest", &ViewerTour::atRest),
                     step("control center", &ViewerTour::controlCenter),
                     step("settings pane", &ViewerTour::settingsPane),
                     step("background colour", &ViewerTour::backgroundColour),
                     step("discard prompt", &ViewerTour::discardPrompt),
                     step("control center by keyboard", &ViewerTour::controlCenterByKeyboard),
                     step("settings dialog", &ViewerTour::settingsDialog),
                     step("settings dialog by keyboard", &ViewerTour::settingsDialogByKeyboard),
                     step("export tool", &ViewerTour::exportTool),
                     step("exports", &ViewerTour::exports),
                     step("activity report", &ViewerTour::activityReport)});
}

void ViewerTour::start()
{
    QString error;
    const bool stored = ZelSettingsCheck::WriteValues(
        mSettings, {{QStringLiteral("folders/lastexportfolder"), mFolder}}, error);
    check(stored, stored ? QStringLiteral("export folder stored") : error);
    mWindow.show();
    mWindow.activateWindow();
    check(waitFor([this]() { return mWindow.isActiveWindow(); }),
          QStringLiteral("window shown"));
    spin(msSettle);
}

void ViewerTour::atRest()
{
    shoot(QStringLiteral("viewer-at-rest"));
    const QColor applied = viewColour(mApplication.getRenderer()->getBackgroundColor());
    check(mWindow.modelView()->grab().toImage().pixelColor(3, 3) == applied,
          QStringLiteral("the view is drawn on the applied background colour"));
    check(mWindow.lengthText().endsWith(
              kmDMIApplication::GetUnitNameFromEnum(mApplication.getAppUnit())),
          QStringLiteral("the status bar shows the length in the applied unit"));
}

void ViewerTour::controlCenter()
{
    ZelControlCenter* center = mWindow.controlCenter();
    click(mWindow.menuButton(), QStringLiteral("the control center's button"));
    check(waitFor([center]() { return center->isMenuOpen(); }),
          QStringLiteral("the control center opens"));
    spin(msSettle);
    shoot(QStringLiteral("control-center-open"));
    check(center->findChildren<ZelCCActionItem*>().size() == 6,
          QStringLiteral("the control center lists Settings and the viewer's five actions"));
}

void ViewerTour::settingsPane()
{
    ZelControlCenter* center = mWindow.controlCenter();
    click(ItemButton(center, QStringLiteral("Settings")), QStringLiteral("Settings"));
    check(waitFor([center]() { return center->isSettingsOpen(); }),
          QStringLiteral("the settings pane opens"));
    for (ZelSettingsPanel* panel : mWindow.controlCenterPanels()) {
        spin(msClickDebounce);
        click(panel->getActionWidget(), panel->getPanelName());
        spin(msSettle);
        shoot(QStringLiteral("settings-pane-%1").arg(panel->getPanelName().toLower()));
        check(panel->getActionWidget()->isChecked() && center->isSettingsOpen(),
              QStringLiteral("the tab of %1 is checked, the pane stays").arg(panel->getPanelName()));
    }
}

void ViewerTour::backgroundColour()
{
    ZelSettingsPanel* general = mWindow.controlCenterPanels().first();
    click(general->getActionWidget(), general->getPanelName());
    spin(msSettle);
    const QByteArray before = storeBytes();
    bool chosen = false;
    // The colour is typed into the dialog's HTML field, then OK is clicked.
    QPointer<QTimer> watch = answerNext(
        [](QWidget* pWidget) { return qobject_cast<QColorDialog*>(pWidget) != nullptr; },
        [this, &chosen](QWidget* pWidget) {
            for (auto* field : pWidget->findChildren<QLineEdit*>()) {
                if (!qobject_cast<QAbstractSpinBox*>(field->parentWidget()))
                    typeInto(field, kTourColour.name(), QStringLiteral("the colour's HTML field"));
            }
            shoot(QStringLiteral("background-colour-chosen"));
            chosen = click(pWidget->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                           QStringLiteral("OK of the colour dialog"));
        });
    click(Part(general, "backgroundColorButton"), QStringLiteral("the background colour"));
    delete watch;
    check(chosen, QStringLiteral("the colour dialog opens"));
    check(general->hasModifications() && storeBytes() == before,
          QStringLiteral("the new colour is a pending edit, the store is untouched"));

    // A restart notice, should one come, is read and closed.
    watch = answerNext(
        [](QWidget* pWidget) { return qobject_cast<QMessageBox*>(pWidget) != nullptr; },
        [this](QWidget* pWidget) {
            click(static_cast<QMessageBox*>(pWidget)->button(QMessageBox::Ok),
                  QStringLiteral("OK of the restart notice"));
        });
    spin(msClickDebounce);
    click(Part(mWindow.controlCenter()->settingsWidget(), "applyButton"),
          QStringLiteral("Apply of the pane"));
    delete watch;
    spin(msSettle);
    shoot(QStringLiteral("background-colour-applied"));
    check(viewColour(mApplication.getRenderer()->getBackgroundColor()) == kTourColour,
          QStringLiteral("the renderer takes the applied colour"));
    check(mWindow.modelView()->grab().toImage().pixelColor(3, 3) == kTourColour,
          QStringLiteral("the view is drawn with the applied colour"));
    check(ColorFromString(mSettings.value(QStringLiteral("engine/backgroundColor"))
                              .toString()
                              .toStdString())
              == mApplication.getRenderer()->getBackgroundColor(),
          QStringLiteral("the store keeps the applied colour"));
}

void ViewerTour::discardPrompt()
{
    ZelSettingsPanel* general = mWindow.controlCenterPanels().first();
    const bool flat = mApplication.getRenderer()->isFlatLighting();
    const QByteArray before = storeBytes();
    spin(msClickDebounce);
    click(Part(general, "flatShadingCheckbox"), QStringLiteral("Flat shading"));
    check(general->hasModifications() && mWindow.controlCenter()->isSettingsOpen(),
          QStringLiteral("flat shading is a pending edit, the pane stays"));
    spin(msClickDebounce);
    bool prompted = false;
    QPointer<QTimer> watch = answerNext(
        [](QWidget* pWidget) {
            auto* box = qobject_cast<QMessageBox*>(pWidget);
            return box && box->button(QMessageBox::Discard);
        },
        [this, &prompted](QWidget* pWidget) {
            shoot(QStringLiteral("discard-prompt"));
            prompted = click(static_cast<QMessageBox*>(pWidget)->button(QMessageBox::Discard),
                             QStringLiteral("Discard"));
        });
    click(mWindow.modelView(), QStringLiteral("the 3D view beside the pane"));
    delete watch;
    check(prompted, QStringLiteral("a press in the view asks before dropping the edit"));
    ZelControlCenter* center = mWindow.controlCenter();
    check(waitFor([center]() { return !center->isMenuOpen() && center->isHidden(); }),
          QStringLiteral("the control center closes"));
    check(mApplication.getRenderer()->isFlatLighting() == flat && !general->hasModifications()
              && storeBytes() == before,
          QStringLiteral("the dropped edit is neither applied nor stored"));
}

void ViewerTour::controlCenterByKeyboard()
{
    // Only keys from here: to the menu's button, into the menu, into settings mode, a
    // switch, Apply, and out with Escape.
    ZelControlCenter* center = mWindow.controlCenter();
    ZelSettingsPanel* general = mWindow.controlCenterPanels().first();
    const bool flat = mApplication.getRenderer()->isFlatLighting();
    tabTo(mWindow.menuButton(), QStringLiteral("the control center's button"));
    key(Qt::Key_Space);
    check(waitFor([center]() { return center->isMenuOpen(); })
              && QApplication::focusWidget() == ItemButton(center, QStringLiteral("Settings")),
          QStringLiteral("Space opens the control center, its first item takes the focus"));
    key(Qt::Key_Return);
    check(waitFor([center]() { return center->isSettingsOpen(); }),
          QStringLiteral("Return on Settings opens the pane"));
    tabTo(Part(general, "flatShadingCheckbox"), QStringLiteral("Flat shading"));
    key(Qt::Key_Space);
    shoot(QStringLiteral("keyboard-flat-shading"));
    tabTo(Part(center->settingsWidget(), "applyButton"), QStringLiteral("Apply of the pane"));
    spin(msAnswerPoll);
    shoot(QStringLiteral("keyboard-apply-focused"));
    key(Qt::Key_Space);
    check(mApplication.getRenderer()->isFlatLighting() != flat
              && mSettings.value(QStringLiteral("engine/flatShading")).toBool() != flat,
          QStringLiteral("the switch applied from the keyboard takes effect and is stored"));
    key(Qt::Key_Escape);
    check(waitFor([center]() { return !center->isMenuOpen() && center->isHidden(); })
              && QApplication::focusWidget() == mWindow.menuButton(),
          QStringLiteral("Escape closes the control center, the focus goes back to its button"));
}

void ViewerTour::settingsDialog()
{
    // With the mouse: Tools, Settings..., every tab, a switch, APPLY; then CANCEL.
    SettingsDialog* dialog = nullptr;
    const auto openByMenu = [this, &dialog]() {
        QPointer<QTimer> menu = answerNext(
            [](QWidget* pWidget) { return qobject_cast<QMenu*>(pWidget) != nullptr; },
            [this](QWidget* pWidget) {
                auto* popup = static_cast<QMenu*>(pWidget);
                const QRect item = popup->actionGeometry(mWindow.action(QStringLiteral("SettingsDialog")));
                QTest::mouseClick(popup->windowHandle(), Qt::LeftButton, {}, item.center());
            });
        QMenuBar* bar = mWindow.menuBar();
        QTest::mouseClick(mWindow.windowHandle(), Qt::LeftButton, {},
                          bar->mapTo(&mWindow, bar->actionGeometry(
                                                   bar->actions().value(2))
                                                   .center()));
        waitFor([this]() { return mWindow.settingsDialog()->isVisible(); });
        delete menu;
        dialog = mWindow.settingsDialog();
    };
    openByMenu();
    check(dialog->isVisible(), QStringLiteral("Tools > Settings... opens the settings dialog"));
    waitFor([dialog]() { return dialog->isActiveWindow(); });
    spin(msSettle);
    for (ZelSettingsPanel* panel : mWindow.dialogPanels()) {
        click(panel->getActionWidget(), panel->getPanelName());
        spin(msAnswerPoll);
        shoot(QStringLiteral("settings-dialog-%1").arg(panel->getPanelName().toLower()));
        check(panel->isVisible() && panel->getActionWidget()->isChecked(),
              QStringLiteral("the dialog shows %1").arg(panel->getPanelName()));
    }
    ZelSettingsPanel* general = mWindow.dialogPanels().first();
    click(general->getActionWidget(), general->getPanelName());
    const bool outline = mApplication.getRenderer()->isEdgeHiglightEnabled();
    click(Part(general, "deferredEDCheckBox"), QStringLiteral("Outline"));
    shoot(QStringLiteral("settings-dialog-outline-switched"));
    click(Part(dialog, "applyButton"), QStringLiteral("APPLY"));
    check(waitFor([dialog]() { return !dialog->isVisible(); })
              && mApplication.getRenderer()->isEdgeHiglightEnabled() != outline,
          QStringLiteral("APPLY closes the dialog, the switch takes effect"));

    openByMenu();
    const QByteArray before = storeBytes();
    click(Part(general, "deferredEDCheckBox"), QStringLiteral("Outline"));
    click(Part(dialog, "cancelButton"), QStringLiteral("CANCEL"));
    check(waitFor([dialog]() { return !dialog->isVisible(); }) && storeBytes() == before
              && mApplication.getRenderer()->isEdgeHiglightEnabled() != outline,
          QStringLiteral("CANCEL closes the dialog and changes nothing"));
}

void ViewerTour::settingsDialogByKeyboard()
{
    // The shortcut, Tab to a switch, Space, Return; again with Escape, which keeps nothing.
    SettingsDialog* dialog = mWindow.settingsDialog();
    ZelSettingsPanel* general = mWindow.dialogPanels().first();
    const bool outline = mApplication.getRenderer()->isEdgeHiglightEnabled();
    mWindow.activateWindow();
    waitFor([this]() { return mWindow.isActiveWindow(); });
    key(Qt::Key_Comma, Qt::ControlModifier);
    check(waitFor([dialog]() { return dialog->isActiveWindow(); }),
          QStringLiteral("Ctrl+, opens the settings dialog"));
    tabTo(Part(general, "deferredEDCheckBox"), QStringLiteral("Outline"));
    key(Qt::Key_Space);
    shoot(QStringLiteral("settings-dialog-keyboard"));
    key(Qt::Key_Return);
    check(waitFor([dialog]() { return !dialog->isVisible(); })
              && mApplication.getRenderer()->isEdgeHiglightEnabled() == !outline,
          QStringLiteral("Return applies the switch and closes the dialog"));

    waitFor([this]() { return mWindow.isActiveWindow(); });
    const QByteArray before = storeBytes();
    key(Qt::Key_Comma, Qt::ControlModifier);
    waitFor([dialog]() { return dialog->isActiveWindow(); });
    tabTo(Part(general, "deferredEDCheckBox"), QStringLiteral("Outline"));
    key(Qt::Key_Space);
    key(Qt::Key_Escape);
    check(waitFor([dialog]() { return !dialog->isVisible(); }) && storeBytes() == before
              && mApplication.getRenderer()->isEdgeHiglightEnabled() == !outline,
          QStringLiteral("Escape closes the dialog and changes nothing"));
}

QPushButton* ViewerTour::ItemButton(ZelControlCenter* pCenter, const QString& pName)
{
    for (ZelCCActionItem* item : pCenter->findChildren<ZelCCActionItem*>()) {
        if (item->getZelAction()->getActionName() == pName)
            return item->findChild<QPushButton*>(QStringLiteral("actionButton"));
    }
    return nullptr;
}

QByteArray ViewerTour::storeBytes()
{
    mSettings.sync();
    QFile file(mSettings.fileName());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace zel
