#include "TestHost.h"

#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMouseEvent>

namespace {

// A part of the viewer's window that takes the presses made on it, as the 3D view does.
class AreaWidget : public QWidget
{
public:
    AreaWidget(const char* pName, QWidget* pParent) : QWidget(pParent)
    {
        setObjectName(QLatin1String(pName));
        setMinimumSize(120, 120);
    }
    void mousePressEvent(QMouseEvent* pEvent) override { pEvent->accept(); }
};

} // namespace

TestHost::TestHost()
{
    // Until a test shows one, the host has no main window.
    mHarness.mApplication.setMainWindow(nullptr);
}

TestHost::~TestHost()
{
    closeMainWindow();
    qDeleteAll(mPanels);
}

zel::kmMainWindow* TestHost::showMainWindow(zel::ZelControlCenter* pControlCenter)
{
    mMainWindow = new zel::kmMainWindow;
    if (!pControlCenter)
        pControlCenter = new zel::ZelControlCenter(application());
    auto* central = new QWidget(mMainWindow);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto* row = new QGridLayout;
    row->setSpacing(0);
    column->addLayout(row, 1);
    auto* primary = new AreaWidget("primaryArea", central);
    auto* primaryLayout = new QHBoxLayout(primary);
    primaryLayout->setContentsMargins(0, 0, 0, 0);
    primaryLayout->setSpacing(0);
    primaryLayout->addWidget(new AreaWidget("view", primary), 3);
    primaryLayout->addWidget(new AreaWidget("overlay", primary), 1);
    auto* secondary = new AreaWidget("secondaryArea", central);
    // As in the viewer, the control center and its pane lie over the primary area's left
    // part; the window keeps the layout's size constraint, so nothing may make it grow.
    row->addWidget(primary, 0, 0, 1, 3);
    row->addWidget(pControlCenter, 0, 0);
    row->addWidget(pControlCenter->settingsWidget(), 0, 1);
    row->setColumnStretch(2, 1);
    row->addWidget(secondary, 0, 3);
    column->addWidget(new AreaWidget("outside", central));
    pControlCenter->raise();
    pControlCenter->settingsWidget()->raise();
    mMainWindow->setCentralWidget(central);
    mMainWindow->setPrimaryWorkArea(primary);
    mMainWindow->setSecondaryWorkArea(secondary);
    application()->setMainWindow(mMainWindow);
    mMainWindow->resize(kWindowSize);
    mMainWindow->show();
    mMainWindow->activateWindow();
    if (!QTest::qWaitForWindowActive(mMainWindow))
        qWarning("The main window was not activated");
    return mMainWindow;
}

namespace {

QtMessageHandler gTestMessages = nullptr;

// The offscreen platform tells of every window hint that it cannot pass on to a window manager.
void quietOffscreen(QtMsgType pType, const QMessageLogContext& pContext, const QString& pText)
{
    if (!pText.contains(QLatin1String("propagateSizeHints"))
        && !pText.startsWith(QLatin1String("This plugin does not support")))
        gTestMessages(pType, pContext, pText);
}

} // namespace

void TestHost::QuietOffscreen()
{
    gTestMessages = qInstallMessageHandler(quietOffscreen);
}

void TestHost::ApplyLibraryStyle()
{
    QFile sheet(QStringLiteral(":/css/ViewerApp/resources/css/figura.css"));
    if (!sheet.open(QIODevice::ReadOnly))
        qFatal("The library's style sheet is missing");
    qApp->setStyleSheet(QString::fromUtf8(sheet.readAll()));
}
