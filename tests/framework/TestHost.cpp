#include "TestHost.h"

#include "ZelControlCenter.h"
#include "kmDMIApplication.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QSettings>
#include <QTest>

namespace {

// A part of the viewer's window that takes the presses made on it, as the 3D view does.
class AreaWidget : public QWidget
{
public:
    AreaWidget(const char* pName, QWidget* pParent)
        : QWidget(pParent)
    {
        setObjectName(QLatin1String(pName));
        setMinimumSize(120, 120);
    }

protected:
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

TestPanel* TestHost::addPanel(const QString& pName, int pRows)
{
    mPanels.append(new TestPanel(mApplication.get(), *mSettings, pName, pRows));
    return mPanels.last();
}

zel::kmMainWindow* TestHost::showMainWindow(zel::ZelControlCenter* pControlCenter)
{
    mMainWindow = new zel::kmMainWindow;
    auto* central = new QWidget(mMainWindow);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    auto* row = new QHBoxLayout;
    row->setSpacing(0);
    column->addLayout(row, 1);
    row->addWidget(pControlCenter);
    row->addWidget(pControlCenter->settingsWidget());
    auto* primary = new AreaWidget("primaryArea", central);
    auto* primaryLayout = new QHBoxLayout(primary);
    primaryLayout->setContentsMargins(0, 0, 0, 0);
    primaryLayout->addWidget(new AreaWidget("view", primary));
    primaryLayout->addWidget(new AreaWidget("overlay", primary));
    row->addWidget(primary, 1);
    auto* secondary = new AreaWidget("secondaryArea", central);
    row->addWidget(secondary);
    column->addWidget(new AreaWidget("outside", central));

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

QWidget* TestHost::area(const char* pName) const
{
    return mMainWindow->findChild<QWidget*>(QLatin1String(pName));
}

MessageBoxAnswerer::MessageBoxAnswerer(QMessageBox::StandardButton pAnswer)
{
    QObject::connect(&mTimer, &QTimer::timeout, [this, pAnswer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        titles.append(box->windowTitle());
        texts.append(box->text());
        lastParent = box->parentWidget();
        if (QAbstractButton* button = box->button(pAnswer))
            button->click();
        else
            box->reject();
    });
    mTimer.start(10);
}
