// What an administrator manages, in both hosts as a person meets it. A locked setting: the
// control cannot be changed with the mouse, the host's reset and the row's reset leave it, an
// apply writes nothing for it, and a lock mark beside its label says who set it. A setting
// with an administrator's default: reset goes to it, and the guide measures against it.

#include "PanelFixture.h"

#include "ZelLockedRows.h"
#include "ZelManagedSettings.h"

using namespace zel;

namespace {

const char kKey[] = "Import/LoadHiddenObjects";

} // namespace

class tst_ZelLockedRows : public zeltest::PanelFixture
{
    Q_OBJECT

    QTemporaryDir mManaged;

    QCheckBox* control() const { return child<QCheckBox>("loadHiddenObjectsCheckBox"); }

    // The import panel in a host with the settings guide, as the viewer shows them.
    void openImport(bool pDialog)
    {
        addPanel(QStringLiteral("import"));
        openHost(pDialog, true, pDialog ? QSize() : QSize(900, 700));
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(mManaged.isValid());
        QCoreApplication::setOrganizationName(QStringLiteral("Vantora"));
        QDir().mkpath(mManaged.filePath(QStringLiteral("Vantora")));
        QFile locked(mManaged.filePath(QStringLiteral("Vantora/locked.ini")));
        QVERIFY(locked.open(QIODevice::WriteOnly));
        locked.write("[Import]\nLoadHiddenObjects=false\n");
        locked.close();
        QFile defaults(mManaged.filePath(QStringLiteral("Vantora/defaults.ini")));
        QVERIFY(defaults.open(QIODevice::WriteOnly));
        defaults.write("[engine]\nflatShading=true\n");
        defaults.close();
        ZelManagedSettings::SetFolders({mManaged.path()});
        zeltest::InitTestCase();
    }

    void cleanupTestCase() { ZelManagedSettings::SetFolders({QStringLiteral("/nonexistent")}); }

    void init()
    {
        setUp(false);
        // The person had switched it on before the administrator locked it.
        mHarness->mSettings.setValue(QLatin1String(kKey), QStringLiteral("true"));
        mHarness->mSettings.sync();
        QVERIFY(mHarness->checkStore());
        QCOMPARE(stored(QLatin1String(kKey)), QStringLiteral("false"));
    }
    void cleanup() { tearDown(); }

    void lockedRow_data() { HostRows(); }

    void lockedRow()
    {
        QFETCH(bool, dialog);
        openImport(dialog);
        QCheckBox* box = control();
        QVERIFY(box->isVisible());
        QVERIFY(!box->isEnabled());
        QVERIFY(!box->isChecked());

        auto* mark = child<QLabel>("lockedMark");
        QVERIFY(mark->isVisible());
        QCOMPARE(mark->toolTip(), QStringLiteral("Set by your administrator"));

        const QByteArray before = mHarness->fileBytes();
        zeltest::Press(box);
        QVERIFY(!box->isChecked());
        QVERIFY(!panel()->hasModifications());

        // The panel switches its controls on again as it loads; the lock holds.
        panel()->initializeWidget();
        QVERIFY(!box->isEnabled());

        click("resetButton");
        QVERIFY(!box->isChecked());
        if (auto* reset = panel()->findChild<QToolButton*>(QStringLiteral("resetRowButton"))) {
            if (reset->isVisible())
                zeltest::Press(reset);
        }
        QVERIFY(!box->isChecked());
        click("applyButton");
        QCOMPARE(mHarness->fileBytes(), before);
    }

    // The store of a new seat starts with the administrator's default; the person's own
    // choice is kept, marked as not the default, and Reset brings the administrator's back.
    void administratorsDefault()
    {
        QCOMPARE(stored(QStringLiteral("engine/flatShading")), QStringLiteral("true"));
        addPanel(QStringLiteral("general"));
        openHost(true, true, QSize());
        auto* box = child<QCheckBox>("flatShadingCheckbox");
        QVERIFY(box->isChecked());
        QLabel* label = nullptr;
        for (QLabel* candidate : panel()->findChildren<QLabel*>()) {
            if (candidate->buddy() == box)
                label = candidate;
        }
        QVERIFY(label);
        QWidget* notDefault = zeltest::Child<QWidget>(label->parentWidget(), "notDefaultMark");
        QVERIFY(!notDefault->isVisible());

        zeltest::Press(box);
        click("applyButton");
        mHost->show();
        QVERIFY(QTest::qWaitForWindowExposed(mHost.get()));
        QCOMPARE(stored(QStringLiteral("engine/flatShading")), QStringLiteral("false"));
        QTRY_VERIFY(notDefault->isVisible());

        click("resetButton");
        QVERIFY(box->isChecked());
        click("applyButton");
        QCOMPARE(stored(QStringLiteral("engine/flatShading")), QStringLiteral("true"));
    }

    // Search still finds the locked row, and shows its mark with it.
    void searchFindsLockedRow()
    {
        openImport(true);
        auto* search = mHost->findChild<QLineEdit*>();
        QVERIFY(search);
        zeltest::Enter(search, QStringLiteral("hidden"));
        QTRY_VERIFY(control()->isVisible());
        QVERIFY(child<QLabel>("lockedMark")->isVisible());
        zeltest::Enter(search, QStringLiteral("annotations"));
        QTRY_VERIFY(!control()->isVisible());
        QVERIFY(!child<QLabel>("lockedMark")->isVisible());
    }
};

QTEST_MAIN(tst_ZelLockedRows)
#include "tst_ZelLockedRows.moc"
