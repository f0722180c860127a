#pragma once

#include "ModalAnswerer.h"
#include "TestInput.h"
#include "ZelControlCenter.h"
#include "kmDMIApplication.h"
#include "kmMainWindow.h"

#include <QtTest>
#include <QtWidgets>

#include <memory>

namespace zeltest {

// Every panel test: no real home folder, no native dialogs, the registered defaults.
void InitTestCase();

// The file's bytes as another reader finds them on disk, without flushing anything.
QByteArray FileBytes(const QString& pPath);
// The store's bytes once its pending writes are on disk.
QByteArray StoreBytes(QSettings& pSettings);

// Shows the control center at pSize and opens its menu, then its settings pane, as a person
// does; false when either does not open.
bool OpenSettings(zel::ZelControlCenter* pCenter, const QSize& pSize);

// What a panel meets in the host: a real INI store in a temporary folder and the reference
// host's application and main window reading it. Pending modal answers go with the harness.
struct PanelHarness
{
    QTemporaryDir mDir;
    QSettings mSettings;
    zel::kmMainWindow mMainWindow;
    zel::kmDMIApplication mApplication;
    QObject mAnswers;

    // On a store of its own, or on the store at pStore.
    explicit PanelHarness(const QString& pStore = QString());
    ~PanelHarness();

    // Runs the start-up check over the store, as the host does before any panel sees it.
    bool checkStore();

    // A panel of type P as the hosts make it, loaded from the store; shown if given a size.
    template <typename P>
    std::unique_ptr<P> panel(const QSize& pSize = QSize())
    {
        auto panel = std::make_unique<P>(&mApplication, mSettings);
        panel->initializeWidget();
        if (pSize.isValid()) {
            panel->resize(pSize);
            panel->show();
            if (!QTest::qWaitForWindowExposed(panel.get()))
                qWarning("panel not exposed");
        }
        return panel;
    }

    // The value as another reader finds it on disk.
    QString stored(const QString& pKey);
    // The store's bytes once its pending writes are on disk.
    QByteArray storeBytes() { return StoreBytes(mSettings); }
    // The store's bytes as they lie on disk now.
    QByteArray fileBytes() const { return FileBytes(mSettings.fileName()); }
};

} // namespace zeltest
