#include "TestHost.h"

#include <QHBoxLayout>
#include <QMouseEvent>

namespace {

// A part of the viewer's window that takes the presses made on it, as the 3D view does.
class AreaWidget : public QWidget
{
public:
    AreaWidget(const char* pName, QBoxLayout* pLayout, int pStretch = 0)
        : QWidget(pLayout->parentWidget())
    {
        setObjectName(QLatin1String(pName));
        setMinimumSize(120, 120);
        pLayout->addWidget(this, pStretch);
    }
    void mousePressEvent(QMouseEvent* pEvent) override { pEvent->accept(); }
};

} // namespace

TestHost::TestHost()
    : mSettings(std::make_unique<QSettings>(mFolder.filePath(QStringLiteral("store.ini")),
                                            QSettings::IniFormat))
    , mApplication(std::make_unique<zel::kmDMIApplication>())
{
    mApplication->setSettings(mSettings.get());
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
        pControlCenter = new zel::ZelControlCenter(mApplication.get());
    auto* central = new QWidget(mMainWindow);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    auto* row = new QHBoxLayout;
    row->setSpacing(0);
    column->addLayout(row, 1);
    row->addWidget(pControlCenter);
    row->addWidget(pControlCenter->settingsWidget());
    auto* primary = new AreaWidget("primaryArea", row, 1);
    auto* primaryLayout = new QHBoxLayout(primary);
    primaryLayout->setContentsMargins(0, 0, 0, 0);
    new AreaWidget("view", primaryLayout);
    new AreaWidget("overlay", primaryLayout);
    auto* secondary = new AreaWidget("secondaryArea", row);
    new AreaWidget("outside", column);
    mMainWindow->setCentralWidget(central);
    // The slides change the window's minimum size on every frame otherwise.
    mMainWindow->layout()->setSizeConstraint(QLayout::SetNoConstraint);
    mMainWindow->setPrimaryWorkArea(primary);
    mMainWindow->setSecondaryWorkArea(secondary);
    mApplication->setMainWindow(mMainWindow);
    mMainWindow->resize(1300, 700);
    mMainWindow->show();
    if (!QTest::qWaitForWindowExposed(mMainWindow))
        qWarning("The main window was not exposed");
    return mMainWindow;
}

MessageBoxAnswerer::MessageBoxAnswerer(QMessageBox::StandardButton pAnswer)
{
    QObject::connect(&timer, &QTimer::timeout, [this, pAnswer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        boxes.append(box->windowTitle() + QStringLiteral(": ") + box->text());
        lastParent = box->parentWidget();
        if (QAbstractButton* button = box->button(pAnswer))
            button->click();
        else
            box->reject();
    });
    timer.start(10);
}
