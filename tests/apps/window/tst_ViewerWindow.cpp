#include "TestHost.h"
#include "ViewerWindow.h"
#include "ZelControlCenter.h"
#include "ZelSettingsPanel.h"
#include "kmDMIApplication.h"

#include <QPushButton>
#include <QTemporaryDir>

using namespace zel;

// The viewer's window builds the panels of its control center after its first frame.
class tst_ViewerWindow : public QObject
{
    Q_OBJECT

    static QList<ZelSettingsPanel*> Panels(ViewerWindow& pWindow)
    {
        return pWindow.controlCenter()->settingsWidget()->findChildren<ZelSettingsPanel*>();
    }

private Q_SLOTS:
    void initTestCase() { TestHost::PrepareTestRun(); }

    // A press on the menu button before the window was ever painted still opens the menu
    // with its settings and the four panels in the pane.
    void pressBeforeThePanelsAreBuilt()
    {
        QTemporaryDir home;
        QSettings store(home.filePath(QStringLiteral("store.ini")), QSettings::IniFormat);
        kmDMIApplication host;
        host.setSettings(&store);
        ViewerWindow window(&host, store);
        window.show();
        QVERIFY(Panels(window).isEmpty());
        QPushButton* button = window.menuButton();
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                          button->mapTo(&window, button->rect().center()));
        QCOMPARE(Panels(window).size(), 4);
        QTRY_VERIFY(window.controlCenter()->isMenuOpen());
        auto* item = window.controlCenter()->findChild<QPushButton*>(QStringLiteral("actionButton"));
        QVERIFY(item);
        QTRY_COMPARE(window.childAt(zeltest::PressPoint(item)), item);
        zeltest::Press(item);
        QTRY_VERIFY(window.controlCenter()->isSettingsOpen());
        for (ZelSettingsPanel* panel : Panels(window))
            QTRY_VERIFY(panel->isVisible());
    }

    // Left alone after its first frame, the window builds them without a press.
    void builtWhenIdle()
    {
        QTemporaryDir home;
        QSettings store(home.filePath(QStringLiteral("store.ini")), QSettings::IniFormat);
        kmDMIApplication host;
        host.setSettings(&store);
        ViewerWindow window(&host, store);
        window.show();
        QTRY_COMPARE(Panels(window).size(), 4);
        for (ZelSettingsPanel* panel : Panels(window))
            QVERIFY(!panel->isVisible());
    }
};

QTEST_MAIN(tst_ViewerWindow)
#include "tst_ViewerWindow.moc"
