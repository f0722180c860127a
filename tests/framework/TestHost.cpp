#include "TestHost.h"

#include "ZelControlCenter.h"
#include "kmDMIApplication.h"
#include "kmMainWindow.h"

#include <QHBoxLayout>
#include <QSettings>
#include <QTest>
#include <QVBoxLayout>

namespace {

QWidget* area(const QString& pName, QWidget* pParent)
{
    auto* widget = new QWidget(pParent);
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
    mMainWindow->setPrimaryWorkArea(primary);
    mMainWindow->setSecondaryWorkArea(mSecondaryArea);
    mApplication->setMainWindow(mMainWindow);

    mMainWindow->resize(1300, 700);
    mMainWindow->show();
    if (!QTest::qWaitForWindowExposed(mMainWindow))
        qWarning("The main window was not exposed");
    return mMainWindow;
}

void TestHost::closeMainWindow()
{
    delete mMainWindow;
    mView = mOverlay = mSecondaryArea = mOutside = nullptr;
}
