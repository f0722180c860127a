#include "EventCounter.h"
#include "TestHost.h"

#include "ZelExportSettingsPanel.h"
#include "ZelGeneralSettingsPanel.h"
#include "ZelImportSettingsPanel.h"
#include "ZelPrivacySettingsPanel.h"

#include <QAnimationDriver>
#include <QBasicTimer>
#include <QPixmapCache>
#include <QScrollArea>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

using namespace zel;

namespace {

// Only glibc's allocator tells how much of the heap is in use, and the address sanitizer
// holds freed memory back.
#if defined(__SANITIZE_ADDRESS__) || !defined(__GLIBC__)
const bool kHeapCounted = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
const bool kHeapCounted = false;
#else
const bool kHeapCounted = true;
#endif
#else
const bool kHeapCounted = true;
#endif

const int kWarmUps = 5;
const int kOpenings = 20;
const size_t kHeapAllowance = 256 * 1024;

// The slides move on by a fixed step at each tick, whatever the time it took: every opening
// goes through the same frames, at the same sizes, only faster than on screen.
class SteppedAnimations : public QAnimationDriver
{
public:
    static const int kStepMs = 50;
    static const int kTickMs = 10;

    qint64 elapsed() const override { return mTime; }

protected:
    void start() override
    {
        mTicks.start(kTickMs, this);
        QAnimationDriver::start();
    }
    void stop() override
    {
        mTicks.stop();
        QAnimationDriver::stop();
    }
    void timerEvent(QTimerEvent* pEvent) override
    {
        if (pEvent->timerId() != mTicks.timerId())
            return QAnimationDriver::timerEvent(pEvent);
        mTime += kStepMs;
        advance();
    }

private:
    qint64 mTime = 0;
    QBasicTimer mTicks;
};

int ObjectCount()
{
    int count = 1 + qApp->findChildren<QObject*>().size();
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (const QWidget* window : windows)
        count += 1 + window->findChildren<QObject*>().size();
    return count;
}

// Qt's pixmap cache, bounded, fills with what the styles draw as widgets are polished again:
// it is emptied first, so that only what the openings keep for good is counted.
size_t HeapInUse()
{
    QPixmapCache::clear();
#if defined(__GLIBC__)
    malloc_trim(0);
    return mallinfo2().uordblks;
#else
    return 0;
#endif
}

} // namespace

// The settings pane with the four panels as the viewer has it: the menu opened by the host's
// button, the pane by the menu's settings item, both closed again by the host's button.
class tst_PaneOpening : public QObject
{
    Q_OBJECT

    std::unique_ptr<SteppedAnimations> mAnimations;
    std::unique_ptr<TestHost> mHost;
    ZelControlCenter* mCenter = nullptr;
    QPushButton* mHostButton = nullptr;
    std::vector<std::unique_ptr<ZelSettingsPanel>> mPanels;

    QPushButton* settingsItem() const
    {
        return mCenter->findChild<QPushButton*>(QStringLiteral("actionButton"));
    }

    void openAndClose()
    {
        zeltest::Press(mHostButton);
        QTRY_VERIFY(mCenter->isMenuOpen());
        QTRY_COMPARE(mCenter->window()->childAt(zeltest::PressPoint(settingsItem())),
                     settingsItem());
        zeltest::Press(settingsItem());
        QTRY_VERIFY(mCenter->isSettingsOpen());
        zeltest::Press(mHostButton);
        QTRY_VERIFY(!mCenter->isMenuOpen() && mCenter->isHidden());
        QTRY_VERIFY(!mCenter->settingsWidget()->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private Q_SLOTS:
    void initTestCase()
    {
        zeltest::InitTestCase();
        // The viewer's style, under the library's sheet.
        QApplication::setStyle(QStringLiteral("Fusion"));
        TestHost::PrepareTestRun();
        mAnimations = std::make_unique<SteppedAnimations>();
        mAnimations->install();
    }

    void cleanupTestCase() { mAnimations.reset(); }

    void init()
    {
        mHost = std::make_unique<TestHost>();
        QVERIFY(mHost->checkStore());
        mCenter = new ZelControlCenter(mHost->application());
        kmMainWindow* window = mHost->showMainWindow(mCenter);
        QWidget* outside = mHost->area("outside");
        mHostButton = new QPushButton(QStringLiteral("Menu"), outside);
        mHostButton->setCheckable(true);
        mHostButton->show();
        connect(mHostButton, &QPushButton::clicked, mCenter, &ZelControlCenter::openMenu);
        mCenter->setControlCenterButton(mHostButton);
        kmDMIApplication* application = mHost->application();
        QSettings& store = mHost->settings();
        mPanels.push_back(std::make_unique<ZelGeneralSettingsPanel>(application, store));
        mPanels.push_back(std::make_unique<ZelImportSettingsPanel>(application, store));
        mPanels.push_back(std::make_unique<ZelExportSettingsPanel>(true, application, store));
        mPanels.push_back(std::make_unique<ZelPrivacySettingsPanel>(application, store));
        for (const auto& panel : mPanels)
            mCenter->registerSettingsPanel(panel.get());
        QVERIFY(window->isVisible());
    }

    void cleanup()
    {
        for (const auto& panel : mPanels)
            mCenter->unregisterSettingsPanel(panel.get(), false);
        mPanels.clear();
        mHost.reset();
    }

    // An opening that skips reading an unchanged store still shows what the host wrote to
    // the store while the pane was closed.
    void showsWhatTheStoreHolds()
    {
        openAndClose();
        auto* units = mPanels.front()->findChild<QComboBox*>(QStringLiteral("units_comboBox"));
        QVERIFY(units);
        const int shown = units->currentIndex();
        const int written = shown == 3 ? 1 : 3;
        mHost->settings().setValue(QStringLiteral("units/name"), written == 3 ? "in" : "cm");
        zeltest::Press(mHostButton);
        QTRY_VERIFY(mCenter->isMenuOpen());
        QTRY_COMPARE(mCenter->window()->childAt(zeltest::PressPoint(settingsItem())),
                     settingsItem());
        zeltest::Press(settingsItem());
        QTRY_VERIFY(mCenter->isSettingsOpen());
        QCOMPARE(units->currentIndex(), written);
    }

    // The panels keep their size while the pane is closed, in the same window: opening it
    // again lays none of their wrapped texts out anew.
    void keepsThePanelsLaidOut()
    {
        openAndClose();
        zeltest::EventCounter resized(QEvent::Resize);
        for (const auto& panel : mPanels)
            resized.watch(panel.get());
        openAndClose();
        QCOMPARE(resized.count(), 0);
    }

    // The host idle after its panels came: the closed pane's panels are laid out at the width
    // that they take when it opens, their widgets have their first sizes and the top of the
    // pane was painted once, before any opening. The opening then only shows them.
    void readiesThePanelsBeforeTheFirstOpening()
    {
        QWidget* content = static_cast<QScrollArea*>(mCenter->settingsWidget())->widget();
        zeltest::EventCounter painted(QEvent::Paint);
        painted.watchTree(content);
        const auto laidOut = [&] {
            for (const auto& panel : mPanels) {
                if (panel->width() != content->width() || panel->width() < 100)
                    return false;
            }
            return true;
        };
        QTRY_VERIFY(laidOut() && painted.count() > 0);
        const int width = mPanels.front()->width();
        zeltest::EventCounter deferred(QEvent::Resize, zeltest::EventCounter::DeferredResize);
        deferred.watchTree(content);
        openAndClose();
        QCOMPARE(mPanels.front()->width(), width);
        QCOMPARE(deferred.count(), 0);
    }

    // Opening and closing again and again neither makes objects nor keeps memory,
    // whether or not the store changed in between, so that the panels read it again.
    void keepsNothing_data()
    {
        QTest::addColumn<bool>("storeChanges");
        QTest::newRow("store unchanged") << false;
        QTest::newRow("store changed before each opening") << true;
    }

    void keepsNothing()
    {
        QFETCH(bool, storeChanges);
        int written = 0;
        const auto opening = [&] {
            if (storeChanges)
                mHost->settings().setValue(QStringLiteral("Tests/Openings"), ++written);
            openAndClose();
        };
        for (int warmUp = 0; warmUp < kWarmUps; ++warmUp)
            opening();
        const int objects = ObjectCount();
        const size_t heap = HeapInUse();
        for (int count = 0; count < kOpenings; ++count)
            opening();
        QCOMPARE(ObjectCount(), objects);
        if (!kHeapCounted)
            QSKIP("the heap in use is only counted with glibc's allocator, without sanitizers");
        const size_t after = HeapInUse();
        const size_t grown = after > heap ? after - heap : 0;
        QVERIFY2(grown < kHeapAllowance,
                 qPrintable(QStringLiteral("%1 bytes kept by %2 openings")
                                .arg(grown)
                                .arg(kOpenings)));
    }
};

QTEST_MAIN(tst_PaneOpening)
#include "tst_PaneOpening.moc"
