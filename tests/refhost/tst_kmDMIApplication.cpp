#include "kmDMIApplication.h"
#include "kmDMManager.h"
#include "kmDMRenderer.h"
#include "kmMainWindow.h"
#include "kmNavigationManagerBase.h"
#include "zelAction.h"
#include "zelActionManager.h"
#include "zelSceneGraphAnalyzer.h"

#include <QtTest>

using namespace zel;

class tst_kmDMIApplication : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void ownsItsParts()
    {
        kmDMIApplication app;
        QVERIFY(app.getActionManager());
        QCOMPARE(app.getRenderer()->parent(), &app);
        QCOMPARE(app.getDMManager()->parent(), &app);
        QCOMPARE(app.getNavigationManager()->parent(), &app);
        QCOMPARE(app.getRenderer()->getSceneGraphAnalyzer()->parent(), app.getRenderer());
        QCOMPARE(app.getMainWindow(), nullptr);
        QCOMPARE(app.getSettings(), nullptr);

        kmDMIApplication other;
        QVERIFY(other.getRenderer() != app.getRenderer());
    }

    void accessorsSettableToNull()
    {
        kmDMIApplication app;
        app.setRenderer(nullptr);
        app.setDMManager(nullptr);
        app.setNavigationManager(nullptr);
        QCOMPARE(app.getRenderer(), nullptr);
        QCOMPARE(app.getDMManager(), nullptr);
        QCOMPARE(app.getNavigationManager(), nullptr);

        kmMainWindow window;
        QSettings settings(QSettings::IniFormat, QSettings::UserScope, "zel", "tst");
        kmDMRenderer renderer;
        app.setMainWindow(&window);
        app.setSettings(&settings);
        app.setRenderer(&renderer);
        QCOMPARE(app.getMainWindow(), &window);
        QCOMPARE(app.getSettings(), &settings);
        QCOMPARE(app.getRenderer(), &renderer);

        app.setMainWindow(nullptr);
        app.setSettings(nullptr);
        QCOMPARE(app.getMainWindow(), nullptr);
        QCOMPARE(app.getSettings(), nullptr);
    }

    void destroyedPartsReadAsNull()
    {
        kmDMIApplication app;
        delete app.getRenderer();
        QCOMPARE(app.getRenderer(), nullptr);
        auto* settings = new QSettings(QSettings::IniFormat, QSettings::UserScope, "zel", "tst");
        app.setSettings(settings);
        delete settings;
        QCOMPARE(app.getSettings(), nullptr);
    }

    void unitNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("unit");
        QTest::addRow("mm") << "mm" << int(MILLIMETER);
        QTest::addRow("cm") << "cm" << int(CENTIMETER);
        QTest::addRow("m") << "m" << int(METER);
        QTest::addRow("in") << "in" << int(INCH);
    }
    void unitNames()
    {
        QFETCH(QString, name);
        QFETCH(int, unit);
        QCOMPARE(int(kmDMIApplication::GetUnitEnumFromString(name)), unit);
        QCOMPARE(kmDMIApplication::GetUnitNameFromEnum(Unit(unit)), name);
    }
    void unknownUnits()
    {
        QCOMPARE(kmDMIApplication::GetUnitEnumFromString("ft"), MILLIMETER);
        QCOMPARE(kmDMIApplication::GetUnitEnumFromString("CM"), MILLIMETER);
        QCOMPARE(kmDMIApplication::GetUnitNameFromEnum(Unit(42)), QStringLiteral("mm"));
    }

    void unitsAndViewUpdatesAnnounced()
    {
        kmDMIApplication app;
        QSignalSpy units(&app, &kmDMIApplication::appUnitsChanged);
        QSignalSpy updates(&app, &kmDMIApplication::viewUpdatesEnabledChanged);
        app.updateAppUnits(INCH, 4);
        QCOMPARE(units.count(), 1);
        QCOMPARE(app.getAppUnit(), INCH);
        QCOMPARE(app.getAppNbDecimals(), 4);

        app.setViewUpdatesEnabled(false);
        app.setViewUpdatesEnabled(true);
        QCOMPARE(updates.count(), 2);
        QCOMPARE(updates.at(0).at(0).toBool(), false);
        QVERIFY(app.areViewUpdatesEnabled());
    }

    void storePackageFlag()
    {
        QVERIFY(!kmDMIApplication::IsWindowsStore());
        kmDMIApplication::SetWindowsStore(true);
        QVERIFY(kmDMIApplication::IsWindowsStore());
        kmDMIApplication::SetWindowsStore(false);
        QVERIFY(!kmDMIApplication::IsWindowsStore());
    }

    void actionsByName()
    {
        kmDMIApplication app;
        zelActionManager* manager = app.getActionManager();
        zelAction open(QStringLiteral("open"), QStringLiteral("Open…"));
        auto* help = new zelAction(QStringLiteral("help"), QStringLiteral("Help"));
        zelAction duplicate(QStringLiteral("open"), QStringLiteral("Open again"));

        QVERIFY(manager->registerAction(&open));
        QVERIFY(manager->registerAction(help));
        QVERIFY(!manager->registerAction(&duplicate));
        QCOMPARE(manager->getActionByName("open"), &open);
        QCOMPARE(manager->getActionByName("open")->getActionGuiName(), QStringLiteral("Open…"));
        QCOMPARE(manager->getActions(), QList<zelAction*>({&open, help}));

        delete help;
        QCOMPARE(manager->getActionByName("help"), nullptr);
        QCOMPARE(manager->getActions(), QList<zelAction*>({&open}));
        QCOMPARE(manager->getActionByName("missing"), nullptr);
    }
};

QTEST_MAIN(tst_kmDMIApplication)
#include "tst_kmDMIApplication.moc"
