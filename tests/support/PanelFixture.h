#pragma once

#include "PanelHarness.h"
#include "ZelSettingsPanel.h"

#include <memory>
#include <vector>

namespace zeltest {

// What the panel tests share: a harness, the panels made in it as the hosts make them, and
// the host that shows them. Each test calls setUp() from init() and tearDown() from cleanup().
class PanelFixture : public QObject
{
protected:
    // Test paths, Qt's own dialogs, the registered defaults and numbers written as in C; with
    // the library's style sheet when asked.
    static void PrepareRun(bool pStyleSheet = false);

    // A data column "dialog": the control center, then the settings dialog.
    static void HostRows()
    {
        QTest::addColumn<bool>("dialog");
        QTest::addRow("control center") << false;
        QTest::addRow("settings dialog") << true;
    }

    // A new harness, its store filled by the start-up check unless told otherwise.
    void setUp(bool pCheckStore = true);
    // The panels go before their host, which forgets them; then every window must be gone.
    void tearDown();

    // "general", "import", "export", "privacy", or "tool": the export panel as the export
    // tool lays it out. Not yet loaded.
    zel::ZelSettingsPanel* addPanel(const QString& pKind);
    // A panel of type P loaded from the store, shown if given a size.
    template <typename P>
    P* openPanel(const QSize& pSize = QSize())
    {
        mPanels.push_back(mHarness->panel<P>(pSize));
        return static_cast<P*>(mPanels.back().get());
    }
    // Loaded and shown on its own, active, as the viewer shows its export tool.
    void showAlone(zel::ZelSettingsPanel* pPanel, const QSize& pSize = QSize(700, 1400));
    // Every panel added so far in a new settings dialog or control center, shown with its
    // settings pane, and with the settings guide if asked. A dialog keeps its own size
    // unless given one.
    void openHost(bool pDialog, bool pGuide = false, const QSize& pSize = QSize(900, 900));
    // Presses a host button; gives the text of the message box that it showed, if any.
    QString click(const char* pButton);

    zel::ZelSettingsPanel* panel(int pIndex = 0) const { return mPanels.at(pIndex).get(); }
    template <typename T = QWidget>
    T* child(const char* pName, int pPanel = 0) const
    {
        return Child<T>(panel(pPanel), pName);
    }
    // The value as another reader finds it on disk.
    QString stored(const QString& pKey) { return mHarness->stored(pKey); }

    std::unique_ptr<PanelHarness> mHarness;
    std::unique_ptr<QWidget> mHost;
    std::vector<std::unique_ptr<zel::ZelSettingsPanel>> mPanels;
};

} // namespace zeltest
