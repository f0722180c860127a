#include "PanelBench.h"

#include "ZelPrivacySettingsPanel.h"

#include <csignal>
#include <sys/resource.h>

using namespace zel;

namespace {

const char kSendReportKey[] = "Privacy/sendreport";
const char kLastExportFolderKey[] = "folders/lastexportfolder";

bool AcceptAnything(const QString&, const QString&, QString&, QString&)
{
    return true;
}

QByteArray ContentOf(const QString& pPath)
{
    QFile file(pPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool WriteFile(const QString& pPath, const QByteArray& pContent)
{
    QFile file(pPath);
    return file.open(QIODevice::WriteOnly) && file.write(pContent) == pContent.size();
}

// Keeps every file this process writes below a few bytes while it lives, as a full disk
// would; a write past the limit fails instead of raising SIGXFSZ.
struct FileSizeLimit
{
    explicit FileSizeLimit(rlim_t pBytes) : mHandler(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &mSaved);
        rlimit limited{pBytes, mSaved.rlim_max};
        mActive = setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &mSaved);
        std::signal(SIGXFSZ, mHandler);
    }
    void (*mHandler)(int);
    rlimit mSaved{};
    bool mActive = false;
};

} // namespace

class tst_ZelPrivacySettingsPanel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zeltest::InitTestCase(); }
    void init();
    void cleanup();

    void keyAbsent();
    void untickApplyCancelReset();
    void otherLinksIgnored_data();
    void otherLinksIgnored();
    void withoutApplicationNoReport();
    void saveReport_data();
    void saveReport();
    void cancelledDialogWritesNothing();
    void folderInPlaceShowsMessage();
    void failedWriteKeepsExistingFile();
    void storeNotice_data();
    void storeNotice();

private:
    template <typename T>
    T* child(const char* pName) const
    {
        return zeltest::Child<T>(mPanel.get(), pName);
    }
    void createPanel();
    void clickUsageReportLink();
    void saveThroughDialog(Qt::Key pKey,
                           const std::function<void(QFileDialog*)>& pInspect = {},
                           const std::function<void()>& pWhileConfirming = {});
    QString storedFileValue() const;
    QStringList exportedFiles() const
    {
        return QDir(mExport).entryList(QDir::Files | QDir::Hidden);
    }

    std::unique_ptr<zeltest::PanelBench> mBench;
    std::unique_ptr<ZelPrivacySettingsPanel> mPanel;
    QString mExport;
    QString mTarget;
    int mConfirmations = 0;
    QString mFailureTitle;
    QString mFailure;
};

void tst_ZelPrivacySettingsPanel::init()
{
    mBench = std::make_unique<zeltest::PanelBench>();
    mExport = mBench->mDir.filePath(QStringLiteral("export"));
    mTarget = mExport + QStringLiteral("/report.json");
    QVERIFY(QDir().mkpath(mExport));
    ZelControlCenter::ClearSettings();
    QVERIFY(ZelControlCenter::RegisterSetting(QLatin1String(kLastExportFolderKey), mExport,
                                              AcceptAnything));
    mBench->mApplication.editActivityReport().addEvent(
        QStringLiteral("action"), QStringLiteral("open \u00e9chantillon.step"));
    kmDMIApplication::SetWindowsStore(false);
    mConfirmations = 0;
    mFailureTitle.clear();
    mFailure.clear();
    createPanel();
}

void tst_ZelPrivacySettingsPanel::cleanup()
{
    mPanel.reset();
    mBench.reset();
    kmDMIApplication::SetWindowsStore(false);
    ZelControlCenter::ClearSettings();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_ZelPrivacySettingsPanel::createPanel()
{
    mPanel = std::make_unique<ZelPrivacySettingsPanel>(&mBench->mApplication,
                                                       mBench->mSettings);
    mPanel->initializeWidget();
    mPanel->resize(967, 419);
    mPanel->show();
    QVERIFY(QTest::qWaitForWindowExposed(mPanel.get()));
}

// Moves the mouse over the label, as a person looking for the link would, and clicks it.
void tst_ZelPrivacySettingsPanel::clickUsageReportLink()
{
    auto* label = child<QLabel>("activityreportlabel");
    QSignalSpy hovered(label, SIGNAL(linkHovered(QString)));
    for (int y = label->height() - 2; y > 0; y -= 3) {
        for (int x = label->width() - 2; x > 0; x -= 4) {
            QTest::mouseMove(label, QPoint(x, y));
            if (!hovered.isEmpty() && hovered.last().at(0).toString() == "usageReport") {
                QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(x, y));
                return;
            }
        }
    }
    QFAIL("the usageReport link was not found under the mouse");
}

// Answers the save dialog that the report link opens: pInspect sees it, "report.json" is
// typed and pKey pressed. A replace prompt is answered Yes after pWhileConfirming; a
// failure message is answered and kept.
void tst_ZelPrivacySettingsPanel::saveThroughDialog(
    Qt::Key pKey, const std::function<void(QFileDialog*)>& pInspect,
    const std::function<void()>& pWhileConfirming)
{
    QObject* answers = &mBench->mAnswers;
    const auto answerFailure = [this, answers] {
        zeltest::AnswerModal<QMessageBox>(answers, [this](QMessageBox* pBox) {
            mFailureTitle = pBox->windowTitle();
            mFailure = pBox->text();
            pBox->button(QMessageBox::Ok)->click();
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
                answerFailure();
                pConfirm->button(QMessageBox::Yes)->click();
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

QString tst_ZelPrivacySettingsPanel::storedFileValue() const
{
    mBench->mSettings.sync();
    QSettings stored(mBench->mSettings.fileName(), QSettings::IniFormat);
    return stored.value(QLatin1String(kSendReportKey)).toString();
}

void tst_ZelPrivacySettingsPanel::keyAbsent()
{
    QVERIFY(child<QCheckBox>("activityReportCheckBox")->isChecked());
    QVERIFY(!mPanel->hasModifications() && !mPanel->canResetContent());
    QSignalSpy spy(mPanel.get(), SIGNAL(stateChanged()));
    QVERIFY(!mPanel->applyModifications());
    QVERIFY(!mPanel->cancelModifications());
    QCOMPARE(spy.count(), 0);
    QCOMPARE(storedFileValue(), QString());
}

void tst_ZelPrivacySettingsPanel::untickApplyCancelReset()
{
    auto* box = child<QCheckBox>("activityReportCheckBox");
    QSignalSpy spy(mPanel.get(), SIGNAL(stateChanged()));

    QTest::mouseClick(box, Qt::LeftButton);
    QVERIFY(!box->isChecked());
    QCOMPARE(spy.count(), 1);
    QVERIFY(mPanel->hasModifications());
    QVERIFY(mPanel->canResetContent());

    QVERIFY(mPanel->cancelModifications());
    QVERIFY(box->isChecked());
    QCOMPARE(spy.count(), 1);
    QVERIFY(!mPanel->hasModifications());

    QTest::mouseClick(box, Qt::LeftButton);
    QCOMPARE(mPanel->applyModifications(), false);
    QCOMPARE(storedFileValue(), QStringLiteral("false"));
    QVERIFY(!mPanel->hasModifications());

    mPanel->resetContent();
    QVERIFY(box->isChecked());
    QCOMPARE(spy.count(), 3);
    QVERIFY(mPanel->hasModifications());
    QVERIFY(!mPanel->canResetContent());
    mPanel->resetContent();
    QCOMPARE(spy.count(), 3);
    QCOMPARE(storedFileValue(), QStringLiteral("false"));

    QCOMPARE(mPanel->applyModifications(), false);
    QCOMPARE(storedFileValue(), QStringLiteral("true"));
}

void tst_ZelPrivacySettingsPanel::otherLinksIgnored_data()
{
    QTest::addColumn<QString>("link");
    QTest::addRow("empty") << QString();
    QTest::addRow("other case") << "usagereport";
    QTest::addRow("trailing blank") << "usageReport ";
    QTest::addRow("web page") << QString::fromLatin1(ZelPrivacySettingsPanel::msPrivacyPolicyUrl);
}

void tst_ZelPrivacySettingsPanel::otherLinksIgnored()
{
    QFETCH(QString, link);
    bool dialogShown = false;
    zeltest::AnswerModal<QWidget>(&mBench->mAnswers, [&dialogShown](QWidget* pModal) {
        dialogShown = true;
        pModal->close();
    });
    Q_EMIT child<QLabel>("activityreportlabel")->linkActivated(link);
    mPanel->onLinkActivated(link);
    QCoreApplication::processEvents();
    QVERIFY(!dialogShown);
    QVERIFY(exportedFiles().isEmpty());
}

void tst_ZelPrivacySettingsPanel::withoutApplicationNoReport()
{
    bool dialogShown = false;
    zeltest::AnswerModal<QWidget>(&mBench->mAnswers, [&dialogShown](QWidget* pModal) {
        dialogShown = true;
        pModal->close();
    });
    ZelPrivacySettingsPanel panel(nullptr, mBench->mSettings);
    panel.initializeWidget();
    panel.onLinkActivated(QStringLiteral("usageReport"));
    QVERIFY(!dialogShown);
    QVERIFY(zeltest::Child<QCheckBox>(&panel, "activityReportCheckBox")->isChecked());
}

void tst_ZelPrivacySettingsPanel::saveReport_data()
{
    QTest::addColumn<QByteArray>("existing");
    QTest::addRow("new file") << QByteArray();
    QTest::addRow("existing file") << QByteArray(4096, 'x');
}

void tst_ZelPrivacySettingsPanel::saveReport()
{
    QFETCH(QByteArray, existing);
    if (!existing.isEmpty())
        QVERIFY(WriteFile(mTarget, existing));
    // The dialog starts in the registered default, not in the folder last stored.
    mBench->mSettings.setValue(QLatin1String(kLastExportFolderKey), mBench->mDir.path());

    QString folder;
    QString caption;
    QStringList filters;
    QWidget* parent = nullptr;
    saveThroughDialog(Qt::Key_Return, [&](QFileDialog* pDialog) {
        folder = pDialog->directory().absolutePath();
        caption = pDialog->windowTitle();
        filters = pDialog->nameFilters();
        parent = pDialog->parentWidget();
    });

    QCOMPARE(folder, QDir(mExport).absolutePath());
    QCOMPARE(caption, QStringLiteral("Save as"));
    QCOMPARE(filters, QStringList{QStringLiteral("Json (*.json)")});
    QCOMPARE(parent, static_cast<QWidget*>(&mBench->mMainWindow));
    QCOMPARE(mConfirmations, existing.isEmpty() ? 0 : 1);
    QCOMPARE(mFailure, QString());
    QCOMPARE(ContentOf(mTarget),
             QByteArray::fromStdString(mBench->mApplication.editActivityReport().toJson()));
    QVERIFY(ContentOf(mTarget).contains("open \xc3\xa9" "chantillon.step"));
    QCOMPARE(exportedFiles(), QStringList{QStringLiteral("report.json")});
    QVERIFY(!mPanel->hasModifications());
}

void tst_ZelPrivacySettingsPanel::cancelledDialogWritesNothing()
{
    QVERIFY(WriteFile(mTarget, "old copy"));
    saveThroughDialog(Qt::Key_Escape);
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QCOMPARE(mConfirmations, 0);
    QCOMPARE(ContentOf(mTarget), QByteArray("old copy"));
    QCOMPARE(exportedFiles(), QStringList{QStringLiteral("report.json")});
}

void tst_ZelPrivacySettingsPanel::folderInPlaceShowsMessage()
{
    QVERIFY(WriteFile(mTarget, "old copy"));
    // While the user confirms the replacement, a folder takes the file's place.
    saveThroughDialog(Qt::Key_Return, {}, [this] {
        QFile::remove(mTarget);
        QDir().mkpath(mTarget);
        WriteFile(mTarget + QStringLiteral("/kept.txt"), "kept");
    });

    QVERIFY2(mFailure.contains(QDir::toNativeSeparators(mTarget)), qPrintable(mFailure));
    QVERIFY2(mFailure.contains(QLatin1String("directory")), qPrintable(mFailure));
    QCOMPARE(mFailureTitle, QStringLiteral("Save as"));
    QVERIFY(QFileInfo(mTarget).isDir());
    QCOMPARE(ContentOf(mTarget + QStringLiteral("/kept.txt")), QByteArray("kept"));
    QCOMPARE(exportedFiles(), QStringList());
}

void tst_ZelPrivacySettingsPanel::failedWriteKeepsExistingFile()
{
    for (int i = 0; i < 50; ++i)
        mBench->mApplication.editActivityReport().addEvent("action", QString("step %1").arg(i));
    QVERIFY(WriteFile(mTarget, "old copy"));
    {
        // The report is larger than the disk allows; the old copy must survive whole.
        FileSizeLimit limit(512);
        QVERIFY(limit.mActive);
        saveThroughDialog(Qt::Key_Return);
    }

    QCOMPARE(mConfirmations, 1);
    QVERIFY2(mFailure.contains(QDir::toNativeSeparators(mTarget)), qPrintable(mFailure));
    QVERIFY2(mFailure.contains(QLatin1String("large")), qPrintable(mFailure));
    QCOMPARE(ContentOf(mTarget), QByteArray("old copy"));
    QCOMPARE(exportedFiles(), QStringList{QStringLiteral("report.json")});
}

void tst_ZelPrivacySettingsPanel::storeNotice_data()
{
    QTest::addColumn<bool>("storePackage");
    QTest::addRow("plain install") << false;
    QTest::addRow("store package") << true;
}

void tst_ZelPrivacySettingsPanel::storeNotice()
{
    QFETCH(bool, storePackage);
    kmDMIApplication::SetWindowsStore(storePackage);
    createPanel();
    QVERIFY(child<QLabel>("norwendPrivacyPolicy")->isVisible());
    QCOMPARE(child<QLabel>("storePrivacyPolicy")->isVisible(), storePackage);
}

QTEST_MAIN(tst_ZelPrivacySettingsPanel)
#include "tst_ZelPrivacySettingsPanel.moc"
