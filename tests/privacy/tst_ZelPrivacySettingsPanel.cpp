#include "ZelControlCenter.h"
#include "ZelPrivacySettingsPanel.h"
#include "kmDMIApplication.h"
#include "kmMainWindow.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QtTest>

#include <csignal>
#include <functional>
#include <memory>
#include <sys/resource.h>

using zel::ZelPrivacySettingsPanel;
using zel::ZelSettingsPanel;
using zel::kmDMIApplication;
using zel::kmMainWindow;

namespace {

const char kSendReportKey[] = "Privacy/sendreport";
const char kLastExportFolderKey[] = "folders/lastexportfolder";

bool acceptAnything(const QString&, const QString&, QString&, QString&)
{
    return true;
}

QByteArray contentOf(const QString& pPath)
{
    QFile file(pPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool writeFile(const QString& pPath, const QByteArray& pContent)
{
    QFile file(pPath);
    return file.open(QIODevice::WriteOnly) && file.write(pContent) == pContent.size();
}

// Keeps every file this process writes below a few bytes while it lives, as a full disk
// would; a write past the limit fails instead of raising SIGXFSZ.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t pBytes)
    {
        getrlimit(RLIMIT_FSIZE, &mSaved);
        mSavedHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = mSaved;
        limited.rlim_cur = pBytes;
        mActive = setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &mSaved);
        std::signal(SIGXFSZ, mSavedHandler);
    }
    bool isActive() const { return mActive; }

private:
    rlimit mSaved{};
    void (*mSavedHandler)(int) = nullptr;
    bool mActive = false;
};

} // namespace

class tst_ZelPrivacySettingsPanel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void form();
    void keyAbsent();
    void storedValue_data();
    void storedValue();
    void untickApplyCancelReset();
    void refreshRereadsStore();
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
        T* widget = mPanel->findChild<T*>(QLatin1String(pName));
        if (!widget)
            qFatal("no child %s", pName);
        return widget;
    }
    template <typename T>
    void whenModal(std::function<void(T*)> pAnswer);
    void createPanel();
    void showPanel();
    void clickUsageReportLink();
    QString storedFileValue() const;

    std::unique_ptr<QTemporaryDir> mDir;
    std::unique_ptr<QTemporaryDir> mExportDir;
    std::unique_ptr<QSettings> mSettings;
    std::unique_ptr<kmDMIApplication> mApplication;
    std::unique_ptr<kmMainWindow> mMainWindow;
    std::unique_ptr<ZelPrivacySettingsPanel> mPanel;
    std::unique_ptr<QObject> mAnswers;
};

// Answers the next modal widget of type T from the event loop of the code under test,
// which sits in exec() meanwhile. Answers still pending go with the test.
template <typename T>
void tst_ZelPrivacySettingsPanel::whenModal(std::function<void(T*)> pAnswer)
{
    auto* timer = new QTimer(mAnswers.get());
    timer->setInterval(5);
    connect(timer, &QTimer::timeout, timer, [timer, pAnswer] {
        T* widget = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!widget || !widget->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        pAnswer(widget);
    });
    timer->start();
}

void tst_ZelPrivacySettingsPanel::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
}

void tst_ZelPrivacySettingsPanel::init()
{
    mDir = std::make_unique<QTemporaryDir>();
    mExportDir = std::make_unique<QTemporaryDir>();
    QVERIFY(mDir->isValid() && mExportDir->isValid());
    zel::ZelControlCenter::ClearSettings();
    QVERIFY(zel::ZelControlCenter::RegisterSetting(QLatin1String(kLastExportFolderKey),
                                              mExportDir->path(), acceptAnything));
    mSettings = std::make_unique<QSettings>(mDir->filePath(QStringLiteral("settings.ini")),
                                            QSettings::IniFormat);
    mApplication = std::make_unique<kmDMIApplication>();
    mApplication->setSettings(mSettings.get());
    mMainWindow = std::make_unique<kmMainWindow>();
    mApplication->setMainWindow(mMainWindow.get());
    mApplication->editActivityReport().addEvent(QStringLiteral("action"),
                                                QStringLiteral("open \u00e9chantillon.step"));
    kmDMIApplication::SetWindowsStore(false);
    mAnswers = std::make_unique<QObject>();
    createPanel();
}

void tst_ZelPrivacySettingsPanel::cleanup()
{
    mAnswers.reset();
    mPanel.reset();
    mMainWindow.reset();
    mApplication.reset();
    mSettings.reset();
    kmDMIApplication::SetWindowsStore(false);
    zel::ZelControlCenter::ClearSettings();
    mDir->setAutoRemove(!QTest::currentTestFailed());
    mExportDir->setAutoRemove(!QTest::currentTestFailed());
    mDir.reset();
    mExportDir.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_ZelPrivacySettingsPanel::createPanel()
{
    mPanel = std::make_unique<ZelPrivacySettingsPanel>(mApplication.get(), *mSettings);
    mPanel->initializeWidget();
}

void tst_ZelPrivacySettingsPanel::showPanel()
{
    mPanel->resize(967, 419);
    mPanel->show();
    QVERIFY(QTest::qWaitForWindowExposed(mPanel.get()));
}

// Moves the mouse over the label, as a person looking for the link would, and clicks it.
void tst_ZelPrivacySettingsPanel::clickUsageReportLink()
{
    QLabel* label = child<QLabel>("activityreportlabel");
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

QString tst_ZelPrivacySettingsPanel::storedFileValue() const
{
    mSettings->sync();
    QSettings stored(mSettings->fileName(), QSettings::IniFormat);
    return stored.value(QLatin1String(kSendReportKey)).toString();
}

void tst_ZelPrivacySettingsPanel::form()
{
    QCOMPARE(mPanel->getPanelName(), QStringLiteral("PRIVACY"));
    QCOMPARE(mPanel->getActionWidget()->text(), QStringLiteral("PRIVACY"));
    QCOMPARE(mPanel->getPanelCategory(), ZelSettingsPanel::ApplicationCategory);
    QVERIFY(!mPanel->shouldRestart());

    QLabel* report = child<QLabel>("activityreportlabel");
    QVERIFY(report->text().contains(QLatin1String("href=\"usageReport\"")));
    QVERIFY(!report->openExternalLinks());
    QCOMPARE(child<QLabel>("label_2")->text(), QStringLiteral("Send technical usage data "));
    QVERIFY(child<QCheckBox>("activityReportCheckBox")->text().isEmpty());

    const QString maker = QLatin1String(ZelPrivacySettingsPanel::msPrivacyPolicyUrl);
    const QString store = QLatin1String(ZelPrivacySettingsPanel::msStorePrivacyPolicyUrl);
    QLabel* makerLabel = child<QLabel>("norwendPrivacyPolicy");
    QLabel* storeLabel = child<QLabel>("storePrivacyPolicy");
    QVERIFY(makerLabel->openExternalLinks());
    QVERIFY(storeLabel->openExternalLinks());
    QVERIFY(makerLabel->text().contains("href=\"" + maker + "\">privacy policy section.</a>"));
    QVERIFY(storeLabel->text().contains("href=\"" + store + "\""));
    QVERIFY2(storeLabel->text().count(store) == 2, "the address is also the link text");
    QVERIFY(!makerLabel->text().contains(QLatin1String("%1")));
    QVERIFY(!storeLabel->text().contains(QLatin1String("%1")));
}

void tst_ZelPrivacySettingsPanel::keyAbsent()
{
    QVERIFY(!mSettings->contains(QLatin1String(kSendReportKey)));
    QVERIFY(child<QCheckBox>("activityReportCheckBox")->isChecked());
    QVERIFY(!mPanel->hasModifications());
    QVERIFY(!mPanel->canResetContent());
    QSignalSpy spy(mPanel.get(), SIGNAL(stateChanged()));
    QVERIFY(!mPanel->applyModifications());
    QVERIFY(!mPanel->cancelModifications());
    mPanel->resetContent();
    QCOMPARE(spy.count(), 0);
    QVERIFY(!mSettings->contains(QLatin1String(kSendReportKey)));
}

void tst_ZelPrivacySettingsPanel::storedValue_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("ticked");
    QTest::addRow("false") << "false" << false;
    QTest::addRow("true") << "true" << true;
}

void tst_ZelPrivacySettingsPanel::storedValue()
{
    QFETCH(QString, stored);
    QFETCH(bool, ticked);
    mPanel.reset();
    const QString fileName = mSettings->fileName();
    mSettings.reset();
    QVERIFY(writeFile(fileName, "[Privacy]\nsendreport=" + stored.toLatin1()));
    mSettings = std::make_unique<QSettings>(fileName, QSettings::IniFormat);
    createPanel();
    QCOMPARE(child<QCheckBox>("activityReportCheckBox")->isChecked(), ticked);
    QVERIFY(!mPanel->hasModifications());
    QCOMPARE(mPanel->canResetContent(), !ticked);
}

void tst_ZelPrivacySettingsPanel::untickApplyCancelReset()
{
    showPanel();
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
    QVERIFY(!mPanel->cancelModifications());

    QTest::mouseClick(box, Qt::LeftButton);
    QCOMPARE(mPanel->applyModifications(), false);
    QCOMPARE(storedFileValue(), QStringLiteral("false"));
    QVERIFY(!mPanel->hasModifications());
    QVERIFY(mPanel->canResetContent());

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
    QCOMPARE(spy.count(), 3);
}

void tst_ZelPrivacySettingsPanel::refreshRereadsStore()
{
    auto* box = child<QCheckBox>("activityReportCheckBox");
    QSignalSpy spy(mPanel.get(), SIGNAL(stateChanged()));
    mSettings->setValue(QLatin1String(kSendReportKey), false);
    mPanel->refreshWidgetContent();
    QVERIFY(!box->isChecked());
    QVERIFY(!mPanel->hasModifications());

    box->setChecked(true);
    mPanel->refreshWidgetContent();
    QVERIFY(!box->isChecked());
    QCOMPARE(spy.count(), 0);
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
    QTimer guard;
    guard.setInterval(5);
    connect(&guard, &QTimer::timeout, this, [&dialogShown] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            dialogShown = true;
            modal->close();
        }
    });
    guard.start();

    Q_EMIT child<QLabel>("activityreportlabel")->linkActivated(link);
    mPanel->onLinkActivated(link);
    QCoreApplication::processEvents();
    QVERIFY(!dialogShown);
    QVERIFY(QDir(mExportDir->path()).isEmpty());
}

void tst_ZelPrivacySettingsPanel::withoutApplicationNoReport()
{
    bool dialogShown = false;
    whenModal<QWidget>([&dialogShown](QWidget* pModal) {
        dialogShown = true;
        pModal->close();
    });
    ZelPrivacySettingsPanel panel(nullptr, *mSettings);
    panel.initializeWidget();
    panel.onLinkActivated(QStringLiteral("usageReport"));
    QVERIFY(!dialogShown);
    QVERIFY(panel.findChild<QCheckBox*>(QStringLiteral("activityReportCheckBox"))->isChecked());
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
    const QString target = mExportDir->filePath(QStringLiteral("report.json"));
    if (!existing.isEmpty())
        QVERIFY(writeFile(target, existing));
    // The dialog starts in the registered default, not in the folder last stored.
    QTemporaryDir elsewhere;
    mSettings->setValue(QLatin1String(kLastExportFolderKey), elsewhere.path());
    showPanel();

    bool confirmed = false;
    QString directory;
    QString caption;
    QStringList filters;
    QWidget* parent = nullptr;
    whenModal<QFileDialog>([&](QFileDialog* pDialog) {
        directory = pDialog->directory().absolutePath();
        caption = pDialog->windowTitle();
        filters = pDialog->nameFilters();
        parent = pDialog->parentWidget();
        if (!existing.isEmpty()) {
            whenModal<QMessageBox>([&](QMessageBox* pBox) {
                confirmed = true;
                QTest::mouseClick(pBox->button(QMessageBox::Yes), Qt::LeftButton);
            });
        }
        auto* edit = pDialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QTest::keyClicks(edit, QStringLiteral("report.json"));
        QTest::keyClick(edit, Qt::Key_Return);
    });
    clickUsageReportLink();

    QCOMPARE(directory, QDir(mExportDir->path()).absolutePath());
    QCOMPARE(caption, QStringLiteral("Save as"));
    QCOMPARE(filters, QStringList{QStringLiteral("Json (*.json)")});
    QCOMPARE(parent, static_cast<QWidget*>(mMainWindow.get()));
    QCOMPARE(confirmed, !existing.isEmpty());
    QCOMPARE(contentOf(target),
             QByteArray::fromStdString(mApplication->editActivityReport().toJson()));
    QVERIFY(contentOf(target).contains("open \xc3\xa9" "chantillon.step"));
    QCOMPARE(QDir(mExportDir->path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("report.json")});
    QVERIFY(!mPanel->hasModifications());
}

void tst_ZelPrivacySettingsPanel::cancelledDialogWritesNothing()
{
    const QString existing = mExportDir->filePath(QStringLiteral("report.json"));
    QVERIFY(writeFile(existing, "old copy"));
    showPanel();
    whenModal<QFileDialog>([](QFileDialog* pDialog) {
        auto* edit = pDialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QTest::keyClicks(edit, QStringLiteral("report.json"));
        QTest::keyClick(pDialog, Qt::Key_Escape);
    });
    clickUsageReportLink();
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QCOMPARE(contentOf(existing), QByteArray("old copy"));
    QCOMPARE(QDir(mExportDir->path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("report.json")});
}

void tst_ZelPrivacySettingsPanel::folderInPlaceShowsMessage()
{
    const QString target = mExportDir->filePath(QStringLiteral("report.json"));
    QVERIFY(writeFile(target, "old copy"));
    showPanel();

    QString message;
    QString title;
    whenModal<QFileDialog>([&](QFileDialog* pDialog) {
        // While the user confirms the replacement, a folder takes the file's place.
        whenModal<QMessageBox>([&](QMessageBox* pConfirm) {
            QFile::remove(target);
            QDir().mkpath(target);
            writeFile(target + QStringLiteral("/kept.txt"), "kept");
            whenModal<QMessageBox>([&](QMessageBox* pFailure) {
                message = pFailure->text();
                title = pFailure->windowTitle();
                QTest::mouseClick(pFailure->button(QMessageBox::Ok), Qt::LeftButton);
            });
            QTest::mouseClick(pConfirm->button(QMessageBox::Yes), Qt::LeftButton);
        });
        auto* edit = pDialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QTest::keyClicks(edit, QStringLiteral("report.json"));
        QTest::keyClick(edit, Qt::Key_Return);
    });
    clickUsageReportLink();

    QVERIFY2(message.contains(QDir::toNativeSeparators(target)), qPrintable(message));
    QVERIFY2(message.contains(QLatin1String("directory")), qPrintable(message));
    QCOMPARE(title, QStringLiteral("Save as"));
    QVERIFY(QFileInfo(target).isDir());
    QCOMPARE(contentOf(target + QStringLiteral("/kept.txt")), QByteArray("kept"));
    QCOMPARE(QDir(mExportDir->path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

void tst_ZelPrivacySettingsPanel::failedWriteKeepsExistingFile()
{
    for (int i = 0; i < 50; ++i)
        mApplication->editActivityReport().addEvent("action", QString("step %1").arg(i));
    const QString target = mExportDir->filePath(QStringLiteral("report.json"));
    QVERIFY(writeFile(target, "old copy"));
    showPanel();

    QString message;
    whenModal<QFileDialog>([&](QFileDialog* pDialog) {
        whenModal<QMessageBox>([&](QMessageBox* pConfirm) {
            whenModal<QMessageBox>([&](QMessageBox* pFailure) {
                message = pFailure->text();
                QTest::mouseClick(pFailure->button(QMessageBox::Ok), Qt::LeftButton);
            });
            QTest::mouseClick(pConfirm->button(QMessageBox::Yes), Qt::LeftButton);
        });
        auto* edit = pDialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QTest::keyClicks(edit, QStringLiteral("report.json"));
        QTest::keyClick(edit, Qt::Key_Return);
    });
    {
        // The report is larger than the disk allows; the old copy must survive whole.
        FileSizeLimit limit(512);
        QVERIFY(limit.isActive());
        clickUsageReportLink();
    }

    QVERIFY2(message.contains(QDir::toNativeSeparators(target)), qPrintable(message));
    QVERIFY2(message.contains(QLatin1String("large")), qPrintable(message));
    QCOMPARE(contentOf(target), QByteArray("old copy"));
    QCOMPARE(QDir(mExportDir->path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("report.json")});
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
    showPanel();
    QVERIFY(child<QLabel>("norwendPrivacyPolicy")->isVisible());
    QCOMPARE(child<QLabel>("storePrivacyPolicy")->isVisible(), storePackage);
}

QTEST_MAIN(tst_ZelPrivacySettingsPanel)

#include "tst_ZelPrivacySettingsPanel.moc"
