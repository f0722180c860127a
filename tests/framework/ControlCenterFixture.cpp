#include "ControlCenterFixture.h"

#include "TestInput.h"
#include "ZelCCActionItem.h"
#include "ZelControlCenter.h"
#include "zelAction.h"

#include <QStyle>
#include <QTest>

void ControlCenterFixture::setUp()
{
    mHost = std::make_unique<TestHost>();
    mViews = std::make_unique<QSignalSpy>(mHost->application(),
                                          &zel::kmDMIApplication::viewUpdatesEnabledChanged);
    mCenter = mHost->showMainWindow()->findChild<zel::ZelControlCenter*>();
    mHostButton = new QPushButton("Menu", mCenter->window());
    mHostButton->setCheckable(true);
    mHostButton->move(1200, 640);
    mHostButton->show();
    mCenter->setControlCenterButton(mHostButton);
    connect(mHostButton, &QPushButton::clicked, mCenter, &zel::ZelControlCenter::openMenu);
    mWindowSize = TestHost::kWindowSize;
}

void ControlCenterFixture::tearDown()
{
    const bool balanced = QTest::qWaitFor([this] { return viewsBalanced(); });
    const QSize windowSize = mHost->mainWindow() ? mHost->mainWindow()->size() : mWindowSize;
    mHost.reset();
    QVERIFY(balanced);
    QCOMPARE(windowSize, mWindowSize);
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

bool ControlCenterFixture::inSettingsMode() const
{
    return part<QPushButton>("controlCenterButton")->isChecked();
}

zel::ZelCCActionItem* ControlCenterFixture::item(const QString& pName) const
{
    for (auto* item : mCenter->findChildren<zel::ZelCCActionItem*>()) {
        if (item->getZelAction()->getActionName() == pName)
            return item;
    }
    return nullptr;
}

QPushButton* ControlCenterFixture::itemButton(const QString& pName) const
{
    return item(pName)->findChild<QPushButton*>("actionButton");
}

zel::zelAction* ControlCenterFixture::settingsAction() const
{
    return item("Settings")->getZelAction();
}

void ControlCenterFixture::openMenu(bool pSettings)
{
    QTest::mouseClick(mHostButton->window()->windowHandle(), Qt::LeftButton, {},
                      zeltest::PressPoint(mHostButton));
    if (pSettings) {
        QWidget* item = itemButton("Settings");
        QTRY_COMPARE(item->window()->childAt(zeltest::PressPoint(item)), item);
        zeltest::Press(item);
    }
    QTRY_VERIFY(mCenter->isMenuOpen() && mCenter->isSettingsOpen() == pSettings);
    mSettled.start();
}

void ControlCenterFixture::waitClosed()
{
    QTRY_VERIFY(!mCenter->isMenuOpen() && mCenter->isHidden());
}

void ControlCenterFixture::press(QWidget* pWidget, bool pWait)
{
    if (pWait)
        QTRY_VERIFY(mSettled.hasExpired(kDebounceMs + 50));
    zeltest::Press(pWidget);
    mSettled.start();
    QCoreApplication::processEvents();
}

bool ControlCenterFixture::viewsBalanced() const
{
    int paused = 0;
    for (const QList<QVariant>& call : *mViews)
        paused += call.at(0).toBool() ? -1 : 1;
    return paused == 0 && mHost->application()->areViewUpdatesEnabled();
}

QWidgetList ControlCenterFixture::tabRound()
{
    const auto shown = [](QWidget* pWidget) {
        QWidget* row = pWidget->parentWidget();
        return qobject_cast<zel::ZelCCActionItem*>(row->parentWidget()) ? row : pWidget;
    };
    QWidgetList reached{QApplication::focusWidget()};
    for (int step = 0; step < 200; ++step) {
        QWidget* left = QApplication::focusWidget();
        const QImage focused = shown(left)->grab().toImage();
        zeltest::Key(Qt::Key_Tab);
        if (shown(left)->grab().toImage() == focused)
            mUnmarked.append(left->objectName());
        if (QApplication::focusWidget() == reached.first())
            break;
        reached.append(QApplication::focusWidget());
    }
    return reached;
}

int ControlCenterFixture::expectedPaneWidth() const
{
    QWidget* pane = mCenter->settingsWidget();
    QWidget* area = mHost->area("primaryArea");
    const int paneEdge = mCenter->mapTo(mCenter->window(), QPoint(mCenter->width(), 0)).x();
    const int room = area->mapTo(area->window(), QPoint(area->width(), 0)).x() - paneEdge;
    const int needed = part("settingsContent")->minimumSizeHint().width()
        + pane->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, pane);
    return qMin(qMax(450, needed), qMax(240, room - 160));
}
