#include "PanelFixture.h"
#include "zelRegistryTestSupport.h"

#include "ZelPrivacySettingsPanel.h"

#include <optional>

using namespace zel;

namespace {

const char kSendReportKey[] = "Privacy/sendreport";
const char kLastExportFolderKey[] = "folders/lastexportfolder";
const QSize kSize(967, 419);

bool AcceptAnything(const QString&, const QString&, QString&, QString&) { return true; }

bool WriteFile(const QString& pPath, const QByteArray& pContent)
{
    QFile file(pPath);
    return file.open(QIODevice::WriteOnly) && file.write(pContent) == pContent.size();
}

} // namespace

class tst_ZelPrivacySettingsPanel : public zeltest::PanelFixture
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { PrepareRun(); }
    void init()
    {
        setUp(false);
        mExport = mHarness->mDir.filePath(QStringLiteral("export"));
        mTarget = mExport + QStringLiteral("/report.json");
        QVERIFY(QDir().mkpath(mExport));
        ZelControlCenter::ClearSettings();
        QVERIFY(ZelControlCenter::RegisterSetting(QLatin1String(kLastExportFolderKey), mExport,
                                                  AcceptAnything));
        mHarness->mApplication.editActivityReport().addEvent(
            QStringLiteral("action"), QStringLiteral("open \u00e9chantillon.step"));
        mConfirmations = 0;
        mFailure.clear();
        mPanel = openPanel<ZelPrivacySettingsPanel>(kSize);
    }

    void cleanup()
    {
        kmDMIApplication::SetWindowsStore(false);
        ZelControlCenter::ClearSettings();
        tearDown();
    }

    void consentBox()
    {
        // The key is absent: consent is not assumed, and nothing counts as modified.
        auto* box = child<QCheckBox>("activityReportCheckBox");
        QVERIFY(!box->isChecked());
        QVERIFY(!mPanel->hasModifications() && !mPanel->canResetContent());
        QSignalSpy spy(mPanel, SIGNAL(stateChanged()));
        QVERIFY(!mPanel->applyModifications());
        QVERIFY(!mPanel->cancelModifications());
        QCOMPARE(storedFileValue(), QString());

        zeltest::Press(box);
        QCOMPARE(spy.count(), 1);
        QVERIFY(mPanel->hasModifications());
        QVERIFY(mPanel->cancelModifications());
        QVERIFY(!box->isChecked());
        QCOMPARE(spy.count(), 1);
        QVERIFY(!mPanel->hasModifications());

        zeltest::Press(box);
        QVERIFY(!mPanel->applyModifications());
        QCOMPARE(storedFileValue(), QStringLiteral("true"));
        QVERIFY(!mPanel->hasModifications());

        // A reset leaves the person's answer alone.
        QVERIFY(!mPanel->canResetContent());
        mPanel->resetContent();
        QVERIFY(box->isChecked());
        QCOMPARE(spy.count(), 2);
        QVERIFY(!mPanel->hasModifications());
        zeltest::Press(box);
        QVERIFY(!mPanel->applyModifications());
        QCOMPARE(storedFileValue(), QStringLiteral("false"));
    }

    void otherLinksIgnored_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<bool>("application");
        QTest::addRow("other case") << "usagereport" << true;
        QTest::addRow("trailing blank") << "usageReport " << true;
        QTest::addRow("web page")
            << QString::fromLatin1(ZelPrivacySettingsPanel::msPrivacyPolicyUrl) << true;
        // No application, no report to save: the link does nothing rather than crash.
        QTest::addRow("withoutApplicationNoReport") << "usageReport" << false;
    }

    void otherLinksIgnored()
    {
        QFETCH(QString, link);
        QFETCH(bool, application);
        ZelPrivacySettingsPanel bare(nullptr, mHarness->mSettings);
        bare.initializeWidget();
        ZelPrivacySettingsPanel* panel = application ? mPanel : &bare;
        QVERIFY(!showsModal([&] {
            Q_EMIT zeltest::Child<QLabel>(panel, "activityreportlabel")->linkActivated(link);
            panel->onLinkActivated(link);
        }));
        QVERIFY(exportedFiles().isEmpty());
    }

    void saveReport_data()
    {
        QTest::addColumn<QByteArray>("existing");
        QTest::addColumn<bool>("accept");
        QTest::addRow("new file") << QByteArray() << true;
        QTest::addRow("existing file replaced") << QByteArray(4096, 'x') << true;
        QTest::addRow("dialog cancelled") << QByteArray("old copy") << false;
    }

    void saveReport()
    {
        QFETCH(QByteArray, existing);
        QFETCH(bool, accept);
        if (!existing.isEmpty())
            QVERIFY(WriteFile(mTarget, existing));
        // The dialog starts in the registered default, not in the folder last stored.
        mHarness->mSettings.setValue(QLatin1String(kLastExportFolderKey), mHarness->mDir.path());

        QString folder;
        QWidget* parent = nullptr;
        saveThroughDialog(accept ? Qt::Key_Return : Qt::Key_Escape, [&](QFileDialog* pDialog) {
            folder = pDialog->directory().absolutePath();
            parent = pDialog->parentWidget();
        });
        QTRY_VERIFY(!QApplication::activeModalWidget());

        QCOMPARE(folder, QDir(mExport).absolutePath());
        QCOMPARE(parent, static_cast<QWidget*>(&mHarness->mMainWindow));
        QCOMPARE(mConfirmations, accept && !existing.isEmpty() ? 1 : 0);
        QCOMPARE(mFailure, QString());
        const QByteArray report =
            QByteArray::fromStdString(mHarness->mApplication.editActivityReport().toJson());
        QVERIFY(report.contains("open \xc3\xa9" "chantillon.step"));
        QCOMPARE(zeltest::FileBytes(mTarget), accept ? report : existing);
        QCOMPARE(exportedFiles(), QStringList{QStringLiteral("report.json")});
        QVERIFY(!mPanel->hasModifications());
    }

    void failedSaveKeepsWhatWasThere_data()
    {
        QTest::addColumn<bool>("folderInPlace");
        QTest::addColumn<QString>("reason");
        QTest::addRow("folderInPlaceShowsMessage") << true << "directory";
        QTest::addRow("failedWriteKeepsExistingFile") << false << "large";
    }

    void failedSaveKeepsWhatWasThere()
    {
        QFETCH(bool, folderInPlace);
        QFETCH(QString, reason);
        for (int i = 0; i < 50; ++i)
            mHarness->mApplication.editActivityReport().addEvent("action", QString::number(i));
        QVERIFY(WriteFile(mTarget, "old copy"));
        const QString kept = mTarget + QStringLiteral("/kept.txt");
        {
            // Either the report is larger than the disk allows, or while the user confirms the
            // replacement a folder takes the file's place.
            std::optional<zeltest::FileSizeLimit> limit;
            if (!folderInPlace)
                limit.emplace(512);
            saveThroughDialog(Qt::Key_Return, {}, [&] {
                if (folderInPlace && QFile::remove(mTarget) && QDir().mkpath(mTarget))
                    WriteFile(kept, "kept");
            });
        }

        QCOMPARE(mConfirmations, 1);
        QVERIFY2(mFailure.contains(QDir::toNativeSeparators(mTarget)), qPrintable(mFailure));
        QVERIFY2(mFailure.contains(reason), qPrintable(mFailure));
        QCOMPARE(zeltest::FileBytes(folderInPlace ? kept : mTarget),
                 QByteArray(folderInPlace ? "kept" : "old copy"));
        // Nothing half-written is left beside the target.
        QCOMPARE(exportedFiles(), folderInPlace ? QStringList() : QStringList{"report.json"});
    }

    void storeNotice()
    {
        for (bool storePackage : {false, true}) {
            kmDMIApplication::SetWindowsStore(storePackage);
            mPanels.clear();
            mPanel = openPanel<ZelPrivacySettingsPanel>(kSize);
            QVERIFY(child<QLabel>("norwendPrivacyPolicy")->isVisible());
            QCOMPARE(child<QLabel>("storePrivacyPolicy")->isVisible(), storePackage);
        }
    }

private:
    // Moves the mouse over the label, as a person looking for the link would, and clicks it.
    void clickUsageReportLink()
    {
        auto* label = child<QLabel>("activityreportlabel");
        QWindow* window = label->window()->windowHandle();
        QSignalSpy hovered(label, SIGNAL(linkHovered(QString)));
        for (int y = label->height() - 2; y > 0; y -= 3) {
            for (int x = label->width() - 2; x > 0; x -= 4) {
                const QPoint at = label->mapTo(label->window(), QPoint(x, y));
                QTest::mouseMove(window, at);
                if (!hovered.isEmpty() && hovered.last().at(0).toString() == "usageReport") {
                    QTest::mouseClick(window, Qt::LeftButton, {}, at);
                    return;
                }
            }
        }
        QFAIL("the usageReport link was not found under the mouse");
    }

    // Answers the save dialog that the report link opens: pInspect sees it, "report.json" is
    // typed and pKey pressed. A replace prompt is answered Yes after pWhileConfirming; a
    // failure message is answered and kept.
    void saveThroughDialog(Qt::Key pKey, const std::function<void(QFileDialog*)>& pInspect = {},
                           const std::function<void()>& pWhileConfirming = {})
    {
        QObject* answers = &mHarness->mAnswers;
        const auto answerFailure = [this, answers] {
            zeltest::AnswerModal<QMessageBox>(answers, [this](QMessageBox* pBox) {
                mFailure = pBox->text();
                zeltest::Press(pBox->button(QMessageBox::Ok));
            });
        };
        zeltest::AnswerModal<QFileDialog>(answers, [=](QFileDialog* pDialog) {
            if (pInspect)
                pInspect(pDialog);
            if (QFileInfo::exists(mTarget)) {
                zeltest::AnswerModal<QMessageBox>(answers, [=](QMessageBox* pConfirm) {
                    ++mConfirmations;
                    if (pWhileConfirming)
                        pWhileConfirming();
                    // Active first, so that the failure's answer cannot take this box for
                    // the failure while the press waits for it.
                    zeltest::Activate(pConfirm);
                    answerFailure();
                    zeltest::Press(pConfirm->button(QMessageBox::Yes));
                });
            } else {
                answerFailure();
            }
            auto* edit = zeltest::Child<QLineEdit>(pDialog, "fileNameEdit");
            QTest::keyClicks(edit, QStringLiteral("report.json"));
            QTest::keyClick(edit, pKey);
        });
        clickUsageReportLink();
    }

    QString storedFileValue() const { return mHarness->stored(QLatin1String(kSendReportKey)); }

    // Whether pAction opens any modal window.
    bool showsModal(const std::function<void()>& pAction)
    {
        // Every modal that opens is closed, so that a second one cannot hang the test.
        bool shown = false;
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&shown] {
            if (QWidget* modal = QApplication::activeModalWidget())
                shown |= modal->close();
        });
        closer.start(2);
        pAction();
        QCoreApplication::processEvents();
        return shown;
    }

    QStringList exportedFiles() const { return QDir(mExport).entryList(QDir::Files); }

    ZelPrivacySettingsPanel* mPanel = nullptr;
    QString mExport;
    QString mTarget;
    int mConfirmations = 0;
    QString mFailure;
};

QTEST_MAIN(tst_ZelPrivacySettingsPanel)
#include "tst_ZelPrivacySettingsPanel.moc"
