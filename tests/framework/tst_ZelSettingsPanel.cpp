#include "TestHost.h"
#include "TestPanel.h"

#include "ZelSettingsPanel.h"
#include "zelSpinBox.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

using zel::ZelSettingsPanel;

// A panel that fills in the contract and nothing else: what the base itself gives.
class BarePanel : public ZelSettingsPanel
{
    Q_OBJECT

public:
    using ZelSettingsPanel::ZelSettingsPanel;
    void initializeWidget() override {}
    bool hasModifications() const override { return false; }
    bool applyModifications() override { return false; }
    bool cancelModifications() override { return false; }
    bool canResetContent() const override { return false; }
    void resetContent() override {}

Q_SIGNALS:
    void stateChanged();
};

class tst_ZelSettingsPanel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();

    void freshPanel();
    void panelName_data();
    void panelName();
    void category_data();
    void category();
    void destroyedPanelTakesItsButtonAlong();
    void buttonDeletedFirst();
    void contractRoundTrip();
};

void tst_ZelSettingsPanel::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void tst_ZelSettingsPanel::cleanup()
{
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_ZelSettingsPanel::freshPanel()
{
    TestHost host;
    BarePanel panel(host.application(), host.settings());

    QVERIFY(panel.getPanelName().isEmpty());
    QCOMPARE(panel.getPanelCategory(), ZelSettingsPanel::DefaultCategory);
    QCOMPARE(int(panel.getPanelCategory()), 3);
    QCOMPARE(panel.metaObject()->superClass()->className(), "zel::ZelSettingsPanel");

    QPushButton* button = panel.getActionWidget();
    QVERIFY(button);
    QCOMPARE(button->parentWidget(), &panel);
    QVERIFY(button->isCheckable());
    QVERIFY(button->autoExclusive());
    QVERIFY(button->text().isEmpty());
}

void tst_ZelSettingsPanel::panelName_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addRow("once") << QStringList{"General"};
    QTest::addRow("twice, the last one stays") << QStringList{"General", "Import"};
    QTest::addRow("back to empty") << QStringList{"General", QString()};
}

void tst_ZelSettingsPanel::panelName()
{
    QFETCH(QStringList, names);
    TestHost host;
    BarePanel panel(host.application(), host.settings());
    for (const QString& name : names)
        panel.setPanelName(name);

    QCOMPARE(panel.getPanelName(), names.last());
    QCOMPARE(panel.getActionWidget()->text(), names.last());
}

void tst_ZelSettingsPanel::category_data()
{
    QTest::addColumn<int>("category");
    QTest::addRow("application") << int(ZelSettingsPanel::ApplicationCategory);
    QTest::addRow("data exchange") << int(ZelSettingsPanel::DataExchangeCategory);
    QTest::addRow("default") << int(ZelSettingsPanel::DefaultCategory);
}

void tst_ZelSettingsPanel::category()
{
    QFETCH(int, category);
    TestHost host;
    BarePanel panel(host.application(), host.settings());
    panel.setPanelCategory(ZelSettingsPanel::PanelCategory(category));
    QCOMPARE(int(panel.getPanelCategory()), category);
}

void tst_ZelSettingsPanel::destroyedPanelTakesItsButtonAlong()
{
    // A host moves the button into its own tab list; the panel still owns it.
    TestHost host;
    QWidget tabs;
    auto* tabLayout = new QHBoxLayout(&tabs);
    auto* panel = new BarePanel(host.application(), host.settings());
    QPointer<QPushButton> button = panel->getActionWidget();
    tabLayout->addWidget(button);
    QCOMPARE(button->parentWidget(), &tabs);
    QCOMPARE(tabLayout->count(), 1);

    delete panel;
    QVERIFY(button.isNull());
    QCOMPARE(tabLayout->count(), 0);
}

void tst_ZelSettingsPanel::buttonDeletedFirst()
{
    // The tab list may go before the panel (a host destroyed with its panels inside):
    // the panel must not delete the button a second time.
    TestHost host;
    auto* tabs = new QWidget;
    auto* panel = new BarePanel(host.application(), host.settings());
    panel->getActionWidget()->setParent(tabs);

    delete tabs;
    QVERIFY(!panel->getActionWidget());
    panel->setPanelName("Renamed");
    QCOMPARE(panel->getPanelName(), QString("Renamed"));
    delete panel;
}

void tst_ZelSettingsPanel::contractRoundTrip()
{
    // The test panel that the other framework tests rely on keeps the contract.
    TestHost host;
    TestPanel panel(host.application(), host.settings(), "Alpha");
    QSignalSpy changed(&panel, SIGNAL(stateChanged()));
    QVERIFY(changed.isValid());

    panel.initializeWidget();
    QVERIFY(!panel.hasModifications());
    QVERIFY(!panel.canResetContent());
    QVERIFY(!panel.applyModifications());
    QCOMPARE(changed.count(), 0);

    panel.spinBox()->setValue(123);
    QCOMPARE(changed.count(), 1);
    QVERIFY(panel.hasModifications());
    QVERIFY(panel.canResetContent());
    QVERIFY(!panel.applyModifications());
    QCOMPARE(host.settings().value(panel.key(1)).toString(), QString("123"));
    QVERIFY(!panel.hasModifications());

    panel.lineEdit()->setText("edited");
    QVERIFY(panel.cancelModifications());
    QCOMPARE(panel.lineEdit()->text(), panel.defaultValue(3));
    QVERIFY(!panel.cancelModifications());

    changed.clear();
    panel.resetContent();
    QCOMPARE(changed.count(), 1);
    QCOMPARE(panel.spinBox()->value(), 11);
    QCOMPARE(host.settings().value(panel.key(1)).toString(), QString("123"));

    panel.setRestartRows({1});
    QVERIFY(panel.applyModifications());
}

QTEST_MAIN(tst_ZelSettingsPanel)
#include "tst_ZelSettingsPanel.moc"
