#include "PanelFixture.h"
#include "zelRegistryTestSupport.h"

#include "kmDMRenderer.h"

using namespace zel;

namespace {

// The child run of failedApplyKeepsEdits: its store, and the host to open there.
const char kChildStore[] = "ZEL_TEST_FULL_DISK_STORE";
const char kChildHost[] = "ZEL_TEST_FULL_DISK_HOST";
// Larger than a file's write buffer, so that the limit stops the write itself.
const int kPadding = 40000;
const rlim_t kFileSizeLimit = 4096;

} // namespace

// The panels in their hosts while other programs write the same store: a change made
// elsewhere is neither overwritten nor ignored, and an apply that cannot be written says so
// and keeps the edits.
class tst_PanelsWithOtherWriters : public zeltest::PanelFixture
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        PrepareRun();
        // The viewer registers these, so that the check fills them.
        for (const char* key : {"engine/fillCutplane", "display/displayps", "display/displaytool"})
            ZelControlCenter::RegisterSetting(QLatin1String(key), QStringLiteral("true"),
                                              ZelControlCenter::GetValidatorByName(
                                                  QStringLiteral("ensureBool")));
    }
    void cleanup() { tearDown(); }

    void otherWriterSurvivesApply_data() { HostRows(); }
    void otherWriterSurvivesApply()
    {
        QFETCH(bool, dialog);
        open(dialog, QStringLiteral("general"));
        const QByteArray before = mHarness->fileBytes();
        zeltest::Press(child("flatShadingCheckbox"));
        QVERIFY(panel()->hasModifications());

        // The tool writes while the edit is pending; Apply comes right after it.
        QVERIFY(setElsewhere("units/nbDecimals", "4"));
        QCOMPARE(click("applyButton"), QString());
        QCOMPARE(mHarness->stored(QStringLiteral("units/nbDecimals")), QStringLiteral("4"));
        QCOMPARE(mHarness->stored(QStringLiteral("engine/flatShading")), QStringLiteral("true"));
        // Nothing else moved: the file differs only in those two lines.
        QByteArray expected = before;
        expected.replace("flatShading=false", "flatShading=true");
        expected.replace("nbDecimals=2", "nbDecimals=4");
        QCOMPARE(mHarness->fileBytes(), expected);
    }

    // Apply writes the keys whose controls the person changed, and no other, even where the
    // store holds a value that the controls would write otherwise.
    void applyWritesOnlyChangedKeys_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("to");
        QTest::addRow("general") << "general" << "displayToolCheckbox"
                                 << QByteArray("displaytool=true") << QByteArray("displaytool=false");
        QTest::addRow("import") << "import" << "loadAnnotationsCheckBox"
                                << QByteArray("LoadAnnotations=true")
                                << QByteArray("LoadAnnotations=false");
        QTest::addRow("privacy") << "privacy" << "activityReportCheckBox"
                                 << QByteArray("sendreport=false") << QByteArray("sendreport=true");
    }
    void applyWritesOnlyChangedKeys()
    {
        QFETCH(QString, kind);
        QFETCH(QString, clicked);
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        mHarness = std::make_unique<zeltest::PanelHarness>();
        QSettings& settings = mHarness->mSettings;
        // Written as no panel would write them: kept as they are unless the person edits them.
        settings.setValue(QStringLiteral("Privacy/sendreport"), QStringLiteral("false"));
        QVERIFY(mHarness->checkStore());
        writeLine("General", "engine", "software");
        writeLine("engine", "coreNumber", "0004");
        writeLine("Import", "LoadHiddenObjects", "True");
        QVERIFY(!QTest::currentTestFailed());
        open(false, kind);
        const QByteArray before = mHarness->fileBytes();
        QVERIFY(before.contains(from));

        zeltest::Press(child(qPrintable(clicked)));
        QVERIFY(panel()->hasModifications());
        QCOMPARE(click("applyButton"), QString());
        QByteArray expected = before;
        expected.replace(from, to);
        QCOMPARE(QString::fromUtf8(mHarness->fileBytes()), QString::fromUtf8(expected));
        QVERIFY(!panel()->hasModifications());
    }

    // Another program changes the store while a host is open: the rows and the host's state
    // follow; a row that holds an edit keeps it, and its mark tells what the store holds.
    void hostsFollowTheStore_data() { HostRows(); }
    void hostsFollowTheStore()
    {
        QFETCH(bool, dialog);
        open(dialog, QStringLiteral("general"));
        kmDMRenderer* renderer = mHarness->mApplication.getRenderer();
        QVERIFY(!renderer->isFlatLighting());
        QSignalSpy told(mHost.get(), SIGNAL(storeChanged(QStringList)));
        auto* decimals = child<QSpinBox>("nbDecimals_spinBox");
        zeltest::StepUp(decimals);
        QCOMPARE(decimals->value(), 3);

        QVERIFY(setElsewhere("engine/flatShading", "true"));
        QVERIFY(setElsewhere("units/nbDecimals", "5"));
        auto* flat = child<QCheckBox>("flatShadingCheckbox");
        QTRY_VERIFY(flat->isChecked());
        QTRY_VERIFY(renderer->isFlatLighting());
        QTRY_COMPARE(mHarness->mApplication.getAppNbDecimals(), 5);
        QTRY_VERIFY(!told.isEmpty());
        QVERIFY(told.front().front().toStringList().contains(QStringLiteral("engine/flatShading")));

        // The person's value stays pending, now against the store's.
        QCOMPARE(decimals->value(), 3);
        QVERIFY(panel()->hasModifications());
        const QWidget* mark = changedMark(decimals);
        QVERIFY(mark && mark->isVisible());
        QTRY_VERIFY2(mark->toolTip().contains(QStringLiteral(": 5")), qPrintable(mark->toolTip()));
        QVERIFY(!changedMark(flat)->isVisible());

        // The host's own apply is not told back to it.
        const int tells = told.count();
        QCOMPARE(click("applyButton"), QString());
        QCOMPARE(mHarness->stored(QStringLiteral("units/nbDecimals")), QStringLiteral("3"));
        QCOMPARE(mHarness->stored(QStringLiteral("engine/flatShading")), QStringLiteral("true"));
        QVERIFY(setElsewhere("engine/useFXAA", "false"));
        QTRY_COMPARE(told.count(), tells + 1);
        QCOMPARE(told.back().front().toStringList(), QStringList{"engine/useFXAA"});
    }

    // A store that cannot take the edits: run in a child whose file size limit stops every
    // write past it, as a full disk does.
    void failedApplyKeepsEdits_data() { HostRows(); }
    void failedApplyKeepsEdits()
    {
        QFETCH(bool, dialog);
        mHarness = std::make_unique<zeltest::PanelHarness>();
        QSettings& settings = mHarness->mSettings;
        settings.setValue(QStringLiteral("Padding/text"), QString(kPadding, QLatin1Char('x')));
        QVERIFY(mHarness->checkStore());
        const QByteArray before = mHarness->fileBytes();
        const QStringList entriesBefore = QDir(mHarness->mDir.path()).entryList(QDir::Files);

        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QLatin1String(kChildStore), settings.fileName());
        environment.insert(QLatin1String(kChildHost), dialog ? "dialog" : "center");
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("applyOnFullDisk"), QStringLiteral("-platform"),
                     QStringLiteral("offscreen")});
        QVERIFY(child.waitForFinished(60000));
        const QByteArray output = child.readAll();
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                 output.constData());
        QVERIFY2(output.contains("PASS   : tst_PanelsWithOtherWriters::applyOnFullDisk()"),
                 output.constData());
        QCOMPARE(mHarness->fileBytes(), before);
        QCOMPARE(QDir(mHarness->mDir.path()).entryList(QDir::Files), entriesBefore);
    }

    // The child's side of failedApplyKeepsEdits; skipped when run on its own.
    void applyOnFullDisk()
    {
        const QString store = qEnvironmentVariable(kChildStore);
        if (store.isEmpty())
            QSKIP("run by failedApplyKeepsEdits");
        const bool dialog = qEnvironmentVariable(kChildHost) == QLatin1String("dialog");
        mHarness = std::make_unique<zeltest::PanelHarness>(store);
        open(dialog, QStringLiteral("general"));
        kmDMRenderer* renderer = mHarness->mApplication.getRenderer();
        const bool flatBefore = renderer->isFlatLighting();

        const zeltest::FileSizeLimit limit(kFileSizeLimit);

        auto* flat = child<QCheckBox>("flatShadingCheckbox");
        zeltest::Press(flat);
        QVERIFY(flat->isChecked());
        const QString message = click("applyButton");
        QVERIFY2(message.contains(QFileInfo(store).fileName()), qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("pending")), qPrintable(message));
        // Still an edit, still marked and counted, still there to apply again.
        QVERIFY(mHost->isVisible());
        QVERIFY(flat->isChecked());
        QVERIFY(panel()->hasModifications());
        QVERIFY(changedMark(flat)->isVisible());
        const auto* count =
            zeltest::Child<QLabel>(panel()->getActionWidget(), "changeCount");
        QVERIFY(count->isVisible());
        QCOMPARE(count->text(), QStringLiteral("1"));
        QCOMPARE(renderer->isFlatLighting(), flatBefore);
        QVERIFY(!click("applyButton").isEmpty());

        if (dialog) {
            click("cancelButton");
            QVERIFY(!flat->isChecked());
            QVERIFY(!panel()->hasModifications());
        }
        QCOMPARE(renderer->isFlatLighting(), flatBefore);
    }

private:
    // A host of the given kind open on one panel, with the settings guide; on a checked
    // store of its own unless the test made one.
    void open(bool pDialog, const QString& pPanel)
    {
        if (!mHarness)
            setUp();
        addPanel(pPanel);
        openHost(pDialog, true);
    }

    // The guide's "Changed" mark beside the label of pControl's row.
    const QWidget* changedMark(const QWidget* pControl) const
    {
        const QList<QLabel*> labels = panel()->findChildren<QLabel*>();
        for (const QLabel* label : labels) {
            if (label->buddy() == pControl)
                return zeltest::Child<QWidget>(label->parentWidget(), "changedMark");
        }
        return nullptr;
    }

    // The value set in the store by the zelsettings tool, as another program writes it.
    bool setElsewhere(const char* pKey, const char* pValue)
    {
        QProcess tool;
        tool.start(QStringLiteral(ZELSETTINGS_PATH),
                   {"set", "--store", mHarness->mSettings.fileName(), pKey, pValue});
        return tool.waitForFinished(30000) && tool.exitCode() == 0;
    }

    // A line written into the store's file by hand, as an editor would.
    void writeLine(const char* pSection, const char* pKey, const char* pValue)
    {
        QFile file(mHarness->mSettings.fileName());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QByteArray data = file.readAll();
        file.close();
        const QByteArray header = QByteArray("[") + pSection + "]\n";
        const int section = data.indexOf(header);
        const int start = data.indexOf(QByteArray("\n") + pKey + "=", section) + 1;
        QVERIFY(section >= 0 && start > section);
        const int end = data.indexOf('\n', start);
        data.replace(start, end - start, QByteArray(pKey) + "=" + pValue);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(data);
        file.close();
        mHarness->mSettings.sync();
    }
};

QTEST_MAIN(tst_PanelsWithOtherWriters)
#include "tst_PanelsWithOtherWriters.moc"
