#include "ViewerWindow.h"

#include "ui_ViewerWindow.h"

#include "ExportController.h"
#include "ImageExporter.h"
#include "LengthFormatter.h"
#include "ModelView.h"
#include "ProductStructureWidget.h"
#include "RepairNotice.h"
#include "SettingsDialog.h"
#include "ZelControlCenter.h"
#include "ZelControlCenterVersion.h"
#include "ZelExportSettingsPanel.h"
#include "ZelGeneralSettingsPanel.h"
#include "ZelImportSettingsPanel.h"
#include "ZelPrivacySettingsPanel.h"
#include "kmDMIApplication.h"
#include "kmDMManager.h"
#include "kmDMRenderer.h"
#include "kmMessageBox.h"
#include "kmNavigationManagerBase.h"
#include "zelAction.h"
#include "zelActionManager.h"
#include "zelFormat.h"
#include "zelSceneGraphAnalyzer.h"

#include <QEvent>
#include <QLabel>
#include <QLocale>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>

namespace zel {

namespace {

const int kStatusTimeout = 8000;
const int kStructureWidth = 300;
const int kViewWidth = 740;
const int kToolWidth = 360;

// The viewer's actions: name, text, shortcut and tip.
struct ActionText
{
    const char* name;
    const char* text;
    const char* shortcut;
    const char* tip;
};
const ActionText kActionTexts[] = {
    {"OpenSample", QT_TRANSLATE_NOOP("zel::ViewerWindow", "Open the sample again"),
     QT_TRANSLATE_NOOP("zel::ViewerWindow", "Ctrl+O"),
     QT_TRANSLATE_NOOP("zel::ViewerWindow", "Loads the sample assembly again")},
    {"FitView", QT_TRANSLATE_NOOP("zel::ViewerWindow", "Fit the view"),
     QT_TRANSLATE_NOOP("zel::ViewerWindow", "Ctrl+F"),
     QT_TRANSLATE_NOOP("zel::ViewerWindow", "Shows the whole model")},
    {"Screenshot", QT_TRANSLATE_NOOP("zel::ViewerWindow", "Take a screenshot"),
     QT_TRANSLATE_NOOP("zel::ViewerWindow", "Ctrl+Shift+S"),
     QT_TRANSLATE_NOOP("zel::ViewerWindow", "Saves the view into the export folder")},
    {"UserManual", QT_TRANSLATE_NOOP("zel::ViewerWindow", "User manual"),
     QT_TRANSLATE_NOOP("zel::ViewerWindow", "F1"),
     QT_TRANSLATE_NOOP("zel::ViewerWindow", "How to use the viewer")},
    {"About", QT_TRANSLATE_NOOP("zel::ViewerWindow", "About Vantora"),
     "",
     QT_TRANSLATE_NOOP("zel::ViewerWindow", "Versions of the viewer")},
    {"SectionView", QT_TRANSLATE_NOOP("zel::ViewerWindow", "Section view"),
     QT_TRANSLATE_NOOP("zel::ViewerWindow", "Ctrl+K"),
     QT_TRANSLATE_NOOP("zel::ViewerWindow", "Cuts the model along its middle")},
    {"SettingsDialog", QT_TRANSLATE_NOOP("zel::ViewerWindow", "Settings..."),
     QT_TRANSLATE_NOOP("zel::ViewerWindow", "Ctrl+,"),
     QT_TRANSLATE_NOOP("zel::ViewerWindow", "Opens the settings dialog")},
    {"Quit", QT_TRANSLATE_NOOP("zel::ViewerWindow", "Quit"),
     QT_TRANSLATE_NOOP("zel::ViewerWindow", "Ctrl+Q"),
     QT_TRANSLATE_NOOP("zel::ViewerWindow", "Closes the viewer")},
};

} // namespace

ViewerWindow::ViewerWindow(kmDMIApplication* pApplication, QSettings& pSettings,
                           QWidget* pParent)
    : kmMainWindow(pParent)
    , mUi(new Ui::ViewerWindow)
    , mApplication(pApplication)
    , mSettings(pSettings)
    , mAssembly(SampleAssembly::Create())
{
    mUi->setupUi(this);
    mUi->workSplitter->setStretchFactor(1, 1);
    mUi->workSplitter->setSizes({kStructureWidth, kViewWidth, kToolWidth});

    modelView()->setRenderer(mApplication->getRenderer());
    modelView()->setNavigationManager(mApplication->getNavigationManager());
    setPrimaryWorkArea(modelView());
    setSecondaryWorkArea(productStructure());
    setProductStructurePanel(productStructure());
    setToolPanel(mUi->toolPanel);
    mApplication->setMainWindow(this);

    // The control center and its pane slide out over the work areas rather than push them
    // aside: they are placed by hand, above the splitter.
    mControlCenter = new ZelControlCenter(mApplication, mUi->centralWidget);
    mControlCenter->settingsWidget()->setParent(mUi->centralWidget);
    mControlCenter->installEventFilter(this);
    mControlCenter->settingsWidget()->installEventFilter(this);
    mUi->centralWidget->installEventFilter(this);
    mControlCenter->setGUIHandler(this);
    mControlCenter->setControlCenterButton(mUi->controlCenterButton);
    // A press that comes before the panels were built builds them first.
    connect(mUi->controlCenterButton, &QPushButton::clicked, this,
            &ViewerWindow::buildPanelsNow);
    connect(mUi->controlCenterButton, &QPushButton::clicked, mControlCenter,
            &ZelControlCenter::openMenu);

    mLengthLabel = new QLabel(this);
    mTrianglesLabel = new QLabel(this);
    statusBar()->addPermanentWidget(mTrianglesLabel);
    statusBar()->addPermanentWidget(mLengthLabel);

    createActions();
    reloadSample();
    createPanels();
    mControlCenter->enableSettingsGuide();
    connectHost();
    updateLength();
    updateNamingPolicy();
}

ViewerWindow::~ViewerWindow()
{
    // The control center and the dialog leave the panels to their owner.
    for (ZelSettingsPanel* panel : qAsConst(mPanels)) {
        mControlCenter->unregisterSettingsPanel(panel, false);
        delete panel;
    }
    if (mSettingsDialog) {
        for (ZelSettingsPanel* panel : qAsConst(mDialogPanels)) {
            mSettingsDialog->unregisterSettingsPanel(panel);
            delete panel;
        }
        delete mSettingsDialog;
    }
    delete mUi;
}

bool ViewerWindow::eventFilter(QObject* pObject, QEvent* pEvent)
{
    // The panels are not in view: built once the window's first frame is painted, one at a
    // time when the event loop has nothing else to do.
    if (pObject == mUi->centralWidget && pEvent->type() == QEvent::Paint && !mPanelsQueued) {
        mPanelsQueued = true;
        QTimer::singleShot(0, this, &ViewerWindow::buildNextPanel);
    }
    if (pEvent->type() == QEvent::Resize || pEvent->type() == QEvent::Show
        || pEvent->type() == QEvent::Hide) {
        placeControlCenter();
    }
    return kmMainWindow::eventFilter(pObject, pEvent);
}

// Beside the bar that holds its button: from the left edge, or from the right one when laid
// out right to left.
void ViewerWindow::placeControlCenter()
{
    const int left = mUi->leftBar->width();
    const int height = mUi->centralWidget->height();
    const auto place = [this, height](QWidget* pWidget, int pLeft) {
        const QRect area = pWidget->parentWidget()->rect();
        pWidget->setGeometry(QStyle::visualRect(layoutDirection(), area,
                                                QRect(pLeft, 0, pWidget->width(), height)));
    };
    place(mControlCenter, left);
    QWidget* pane = mControlCenter->settingsWidget();
    place(pane, left + (mControlCenter->isVisible() ? mControlCenter->width() : 0));
    mControlCenter->raise();
    pane->raise();
}

void ViewerWindow::ApplyStoredSettings(kmDMIApplication& pApplication, QSettings& pSettings)
{
    auto flag = [&pSettings](const char* pKey, bool pFallback) {
        return pSettings.value(QLatin1String(pKey), pFallback).toBool();
    };
    if (kmDMRenderer* renderer = pApplication.getRenderer()) {
        renderer->setFXAAEnabled(flag("engine/useFXAA", true));
        renderer->setEdgeHiglightEnabled(flag("engine/useOutline", true));
        renderer->setLightingMode(flag("engine/flatShading", false));
        renderer->setFillCutplaneFaces(flag("engine/fillCutplane", true));
        renderer->setBackgroundColor(ColorFromString(
            pSettings.value(QStringLiteral("engine/backgroundColor")).toString().toStdString()));
        renderer->setTargetTriangles(
            pSettings.value(QStringLiteral("Resources/LODTrianglesCap")).toULongLong());
        renderer->setupResourceController(
            pSettings.value(QStringLiteral("Resources/MaxCPUMemory3D")).toULongLong(),
            pSettings.value(QStringLiteral("Resources/MaxGPUMemory")).toULongLong());
    }
    pApplication.updateAppUnits(
        kmDMIApplication::GetUnitEnumFromString(
            pSettings.value(QStringLiteral("units/name")).toString()),
        pSettings.value(QStringLiteral("units/nbDecimals"), 2).toInt());
    if (km::kmNavigationManagerBase* navigation = pApplication.getNavigationManager()) {
        const bool examine =
            pSettings.value(QStringLiteral("Controls/controller")).toString()
            == QLatin1String("examine");
        navigation->setNavigationMode(examine ? km::kmNavigationManagerBase::EXAMINE
                                              : km::kmNavigationManagerBase::ARCBALL,
                                      false);
    }
    if (kmDMManager* manager = pApplication.getDMManager()) {
        manager->setMaxCacheSize(pSettings.value(QStringLiteral("DBCache/cacheSize")).toUInt());
        const int policy = pSettings.value(QStringLiteral("display/namingPolicy"), 0).toInt();
        manager->setDefaultInstanceNamingPolicy(InstanceNamingPolicy(
            InstanceNamingPolicy::Type(policy == 1 || policy == 2 ? policy : 0), QString()));
    }
    if (kmMainWindow* window = pApplication.getMainWindow()) {
        window->showProductStructurePanel(flag("display/displayps", true));
        window->showToolPanel(flag("display/displaytool", true));
        window->setProcessingPower(pSettings.value(QStringLiteral("engine/coreNumber")).toInt());
    }
}

SettingsDialog* ViewerWindow::settingsDialog()
{
    if (mSettingsDialog)
        return mSettingsDialog;
    mSettingsDialog = new SettingsDialog(mApplication, this);
    mSettingsDialog->enableSettingsGuide();
    connect(mSettingsDialog, &SettingsDialog::storeChanged, this, [this](const QStringList&) {
        updateLength();
        updateNamingPolicy();
    });
    mDialogPanels = {new ZelGeneralSettingsPanel(mApplication, mSettings),
                     new ZelImportSettingsPanel(mApplication, mSettings),
                     new ZelExportSettingsPanel(true, mApplication, mSettings),
                     new ZelPrivacySettingsPanel(mApplication, mSettings)};
    for (ZelSettingsPanel* panel : qAsConst(mDialogPanels))
        mSettingsDialog->registerSettingsPanel(panel);
    return mSettingsDialog;
}

void ViewerWindow::tellRepairs(const std::vector<ZelSettingsCheck::Result>& pResults)
{
    const RepairNotice::Results told = RepairNotice::ToTell(pResults);
    // Beside the figures, where the messages of the moment do not hide it until it is read.
    if (!told.empty())
        statusBar()->insertPermanentWidget(0, new RepairNotice(told, statusBar()));
}

QPushButton* ViewerWindow::menuButton() const
{
    return mUi->controlCenterButton;
}

ModelView* ViewerWindow::modelView() const
{
    return mUi->modelView;
}

ProductStructureWidget* ViewerWindow::productStructure() const
{
    return mUi->productStructure;
}

zelAction* ViewerWindow::action(const QString& pName) const
{
    return mApplication->getActionManager()->getActionByName(pName);
}

QString ViewerWindow::lengthText() const
{
    return mLengthLabel->text();
}

void ViewerWindow::openSettingsDialog()
{
    settingsDialog()->open();
}

void ViewerWindow::reloadSample()
{
    mAssembly = SampleAssembly::Create();
    modelView()->setAssembly(&mAssembly);
    productStructure()->setAssembly(&mAssembly);
    publishScene();
    statusBar()->showMessage(tr("Sample opened"), kStatusTimeout);
}

void ViewerWindow::takeScreenshot()
{
    const QString path = mExportController->freeFileName(QStringLiteral("screenshot"),
                                                         QStringLiteral("png"));
    QString error;
    if (ImageExporter::Write(path, modelView()->grab().toImage(), error))
        statusBar()->showMessage(tr("Screenshot saved: %1").arg(path), kStatusTimeout);
    else
        statusBar()->showMessage(error, kStatusTimeout);
}

void ViewerWindow::showUserManual()
{
    km::kmMessageBox::ShowMessage(
        tr("User manual"),
        tr("Drag in the view to turn the model and use the wheel to come closer; the "
           "settings choose how the mouse turns it.\n\n"
           "The button at the top left opens the control center with the viewer's actions "
           "and, under Settings, every settings panel. Tools > Settings opens the same "
           "panels in a dialog.\n\n"
           "The export tool on the right writes an image, a vector drawing, a bill of "
           "materials or the geometry into the export folder; PREVIEW shows the result in "
           "the view first."),
        QMessageBox::Ok, this, QStringLiteral("outlinedButton"), false, {}, {});
}

void ViewerWindow::showAbout()
{
    km::kmMessageBox::ShowMessage(
        tr("About Vantora"),
        tr("Vantora demo viewer\nSettings library %1")
            .arg(QString::fromLatin1(
                ::ZelControlCenter::Version::GetDescStringMajorMinorReleaseRevisionDate())),
        QMessageBox::Ok, this, QStringLiteral("outlinedButton"), false, {}, {});
}

zelAction* ViewerWindow::addAction(const QString& pName)
{
    auto* action = new zelAction(pName, QString(), this);
    mApplication->getActionManager()->registerAction(action);
    QWidget::addAction(action);
    connect(action, &QAction::triggered, this,
            [this, pName]() { report(QStringLiteral("action"), pName); });
    return action;
}

void ViewerWindow::createActions()
{
    zelAction* open = addAction(QStringLiteral("OpenSample"));
    zelAction* fit = addAction(QStringLiteral("FitView"));
    zelAction* screenshot = addAction(QStringLiteral("Screenshot"));
    zelAction* manual = addAction(QStringLiteral("UserManual"));
    zelAction* about = addAction(QStringLiteral("About"));
    zelAction* section = addAction(QStringLiteral("SectionView"));
    section->setCheckable(true);
    zelAction* settings = addAction(QStringLiteral("SettingsDialog"));
    zelAction* quit = addAction(QStringLiteral("Quit"));
    translateActions();

    connect(open, &QAction::triggered, this, &ViewerWindow::reloadSample);
    connect(fit, &QAction::triggered, modelView(), &ModelView::fitView);
    connect(screenshot, &QAction::triggered, this, &ViewerWindow::takeScreenshot);
    connect(manual, &QAction::triggered, this, &ViewerWindow::showUserManual);
    connect(about, &QAction::triggered, this, &ViewerWindow::showAbout);
    connect(section, &QAction::toggled, modelView(), &ModelView::setSectionEnabled);
    connect(settings, &QAction::triggered, this, &ViewerWindow::openSettingsDialog);
    connect(quit, &QAction::triggered, this, &QWidget::close);

    mUi->menuFile->addActions({open, screenshot});
    mUi->menuFile->addSeparator();
    mUi->menuFile->addAction(quit);
    mUi->menuView->addActions({fit, section});
    mUi->menuTools->addAction(settings);
    mUi->menuHelp->addActions({manual, about});

    // Below the control center's own "Settings", in this order, the help apart.
    QString anchor = QStringLiteral("Settings");
    for (zelAction* action : {open, fit, screenshot, manual, about}) {
        mControlCenter->registerCCAction(action, anchor, true);
        anchor = action->getActionName();
    }
    mControlCenter->addCCSeparator(QStringLiteral("Help"), manual->getActionName());
}

void ViewerWindow::translateActions()
{
    for (const ActionText& text : kActionTexts) {
        zelAction* named = action(QLatin1String(text.name));
        const QString tip = tr(text.tip);
        named->setActionGuiName(tr(text.text));
        named->setShortcut(QKeySequence(*text.shortcut ? tr(text.shortcut) : QString()));
        named->setStatusTip(tip);
        named->setToolTip(tip);
    }
}

void ViewerWindow::changeEvent(QEvent* pEvent)
{
    // Menus, actions and the status bar follow the language; the panels and the control
    // center translate themselves.
    if (pEvent->type() == QEvent::LanguageChange) {
        mUi->retranslateUi(this);
        translateActions();
        updateLength();
        updateTriangles();
    }
    kmMainWindow::changeEvent(pEvent);
}

const QList<ZelSettingsPanel*>& ViewerWindow::controlCenterPanels()
{
    buildPanelsNow();
    return mPanels;
}

bool ViewerWindow::buildNextPanel()
{
    ZelSettingsPanel* panel = nullptr;
    switch (mPanels.size()) {
    case 0:
        panel = new ZelGeneralSettingsPanel(mApplication, mSettings);
        break;
    case 1:
        panel = new ZelImportSettingsPanel(mApplication, mSettings);
        break;
    case 2:
        panel = new ZelExportSettingsPanel(true, mApplication, mSettings);
        break;
    case 3:
        panel = new ZelPrivacySettingsPanel(mApplication, mSettings);
        break;
    default:
        return false;
    }
    mPanels.append(panel);
    mControlCenter->registerSettingsPanel(panel);
    // Polished now rather than on the first opening of the pane.
    panel->ensurePolished();
    if (mPanels.size() < kPanelCount && mPanelsQueued)
        QTimer::singleShot(0, this, &ViewerWindow::buildNextPanel);
    return true;
}

void ViewerWindow::buildPanelsNow()
{
    while (buildNextPanel()) {
    }
}

void ViewerWindow::createPanels()
{
    mExportTool = new ZelExportSettingsPanel(false, mApplication, mSettings);
    mUi->toolPanel->setWidget(mExportTool);
    // Not registered anywhere, so the tool is filled from the export record here.
    mExportTool->initializeWidget();
    mExportController = new ExportController(mApplication, mSettings, mAssembly, modelView(),
                                             mExportTool, this);
    connect(mExportController, &ExportController::exported, this,
            [this](const QStringList& pFiles) {
                statusBar()->showMessage(tr("Exported: %1").arg(pFiles.join(QStringLiteral(", "))),
                                         kStatusTimeout);
                report(QStringLiteral("export"), pFiles.join(QStringLiteral(", ")));
            });
    connect(mExportController, &ExportController::exportFailed, this,
            [this](const QString& pError) {
                statusBar()->showMessage(tr("Export failed: %1").arg(pError), kStatusTimeout);
                report(QStringLiteral("export"), pError);
            });
}

void ViewerWindow::connectHost()
{
    const QString settingsKind = QStringLiteral("settings");
    connect(mApplication, &kmDMIApplication::viewUpdatesEnabledChanged, modelView(),
            &ModelView::setDrawingEnabled);
    connect(mApplication, &kmDMIApplication::appUnitsChanged, this, [this, settingsKind]() {
        updateLength();
        report(settingsKind, QStringLiteral("units %1, %2 decimals")
                                 .arg(kmDMIApplication::GetUnitNameFromEnum(
                                     mApplication->getAppUnit()))
                                 .arg(mApplication->getAppNbDecimals()));
    });
    if (kmDMRenderer* renderer = mApplication->getRenderer()) {
        connect(renderer, &kmDMRenderer::renderSettingsChanged, this,
                [this, settingsKind]() { report(settingsKind, QStringLiteral("renderer")); });
    }
    if (km::kmNavigationManagerBase* navigation = mApplication->getNavigationManager()) {
        connect(navigation, &km::kmNavigationManagerBase::navigationModeChanged, this,
                [this, settingsKind](int pMode) {
                    report(settingsKind, QStringLiteral("navigation mode %1").arg(pMode));
                });
    }
    if (kmDMManager* manager = mApplication->getDMManager()) {
        connect(manager, &kmDMManager::managerSettingsChanged, this, [this, settingsKind]() {
            updateNamingPolicy();
            report(settingsKind, QStringLiteral("3D database"));
        });
    }
    // Another program changed the store: the panels have made the host follow it; the status
    // bar and the product structure show what the host now holds.
    const auto followStore = [this, settingsKind](const QStringList& pKeys) {
        updateLength();
        updateNamingPolicy();
        report(settingsKind,
               QStringLiteral("changed elsewhere: ") + pKeys.join(QLatin1String(", ")));
    };
    connect(mControlCenter, &ZelControlCenter::storeChanged, this, followStore);
    connect(this, &kmMainWindow::processingPowerChanged, this, [this, settingsKind](int pCores) {
        report(settingsKind, QStringLiteral("processing power %1").arg(pCores));
    });
    const FiguraExportSettings* exports = &mApplication->getFiguraExportSettings();
    const QList<QPair<void (FiguraExportSettings::*)(), QString>> records = {
        {&FiguraExportSettings::imageExportSettingsChanged, QStringLiteral("image export")},
        {&FiguraExportSettings::svgExportSettingsChanged, QStringLiteral("vector export")},
        {&FiguraExportSettings::bomExportSettingsChanged, QStringLiteral("BOM export")},
        {&FiguraExportSettings::geometryExportSettingsChanged,
         QStringLiteral("geometry export")}};
    for (const auto& record : records) {
        const QString detail = record.second;
        connect(exports, record.first, this,
                [this, settingsKind, detail]() { report(settingsKind, detail); });
    }
}

void ViewerWindow::updateLength()
{
    mLengthLabel->setText(tr("Shaft length: %1")
                              .arg(LengthFormatter::Format(mAssembly.measuredLength(),
                                                           mApplication->getAppUnit(),
                                                           mApplication->getAppNbDecimals())));
}

void ViewerWindow::updateNamingPolicy()
{
    if (kmDMManager* manager = mApplication->getDMManager())
        productStructure()->setNamingPolicy(manager->getDefaultInstanceNamingPolicy().getType());
}

void ViewerWindow::publishScene()
{
    const quint64 triangles = mAssembly.triangleCount();
    if (kmDMRenderer* renderer = mApplication->getRenderer()) {
        zelSceneGraphAnalyzer::SceneStats stats;
        stats.components = quint64(mAssembly.components().size());
        stats.instances = quint64(mAssembly.instances().size());
        stats.parts = stats.instances;
        stats.bodies = stats.instances;
        stats.faces = triangles;
        stats.triangles = triangles;
        // Every part is closed, so each edge borders two triangles.
        stats.edges = triangles * 3 / 2;
        renderer->getSceneGraphAnalyzer()->setSceneStats(stats);
    }
    if (kmDMManager* manager = mApplication->getDMManager()) {
        manager->getAttributesDictionary().setComponentAttributeNames(
            SampleAssembly::ComponentAttributeNames());
        manager->getAttributesDictionary().setInstanceAttributeNames(
            SampleAssembly::InstanceAttributeNames());
    }
    updateTriangles();
}

void ViewerWindow::updateTriangles()
{
    mTrianglesLabel->setText(tr("%1 triangles").arg(QLocale().toString(mAssembly.triangleCount())));
}

void ViewerWindow::report(const QString& pKind, const QString& pDetail)
{
    mApplication->editActivityReport().addEvent(pKind, pDetail);
}

} // namespace zel
