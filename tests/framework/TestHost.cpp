#include "TestHost.h"

#include "ZelControlCenter.h"
#include "kmDMIApplication.h"
#include "kmMainWindow.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QSettings>
#include <QTest>
#include <QVBoxLayout>

namespace {

// A part of the viewer's window that takes the presses made on it, as the 3D view does.
class AreaWidget : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void mousePressEvent(QMouseEvent* pEvent) override { pEvent->accept(); }
    void mouseReleaseEvent(QMouseEvent* pEvent) override { pEvent->accept(); }
};

QWidget* area(const QString& pName, QWidget* pParent)
{
    auto* widget = new AreaWidget(pParent);
    widget->setObjectName(pName);
    widget->setMinimumSize(120, 120);
    return widget;
}

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
}

zel::kmMainWindow* TestHost::showMainWindow(zel::ZelControlCenter* pControlCenter)
{
    mMainWindow = new zel::kmMainWindow;
    auto* central = new QWidget(mMainWindow);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    column->addLayout(row, 1);

    row->addWidget(pControlCenter);
    row->addWidget(pControlCenter->settingsWidget());

    QWidget* primary = area(QStringLiteral("primaryArea"), central);
    auto* primaryLayout = new QHBoxLayout(primary);
    primaryLayout->setContentsMargins(0, 0, 0, 0);
    mView = area(QStringLiteral("view"), primary);
    mOverlay = area(QStringLiteral("overlay"), primary);
    primaryLayout->addWidget(mView);
    primaryLayout->addWidget(mOverlay);
    row->addWidget(primary, 1);

    mSecondaryArea = area(QStringLiteral("secondaryArea"), central);
    row->addWidget(mSecondaryArea);

    mOutside = area(QStringLiteral("outside"), central);
    mOutside->setFixedHeight(40);
    column->addWidget(mOutside);

    mMainWindow->setCentralWidget(central);
    // The slides change the window's minimum size on every frame otherwise.
    mMainWindow->layout()->setSizeConstraint(QLayout::SetNoConstraint);
    mMainWindow->setPrimaryWorkArea(primary);
    mMainWindow->setSecondaryWorkArea(mSecondaryArea);
    mApplication->setMainWindow(mMainWindow);

    mMainWindow->resize(1300, 700);
    mMainWindow->show();
    if (!QTest::qWaitForWindowExposed(mMainWindow))
        qWarning("The main window was not exposed");
    return mMainWindow;
}

zel::kmMainWindow* TestHost::mainWindow() const
{
    return mMainWindow;
}

void TestHost::closeMainWindow()
{
    delete mMainWindow;
    mView = mOverlay = mSecondaryArea = mOutside = nullptr;
}
