#include "ModalAnswer.h"

#include "SettingsDialog.h"
#include "ZelControlCenter.h"
#include "ZelGeneralSettingsPanel.h"
#include "kmComboBox.h"
#include "kmDMIApplication.h"
#include "kmMainWindow.h"
#include "kmNavigationManagerBase.h"

#include <QCheckBox>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace zel;

// The general panel registered in each of the two hosts, edited and applied through the
// host's own buttons.
class tst_GeneralPanelInHosts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void applyThroughHost_data();
    void applyThroughHost();
    void resetThroughHost_data();
    void resetThroughHost();

private:
    // Registers the panel in the host named by the row; returns the host widget.
    QWidget* registerInHost(const QString& pHost);
    QPushButton* hostButton(const char* pName) const
    {
        return mHost->findChild<QPushButton*>(QLatin1String(pName));
    }
    template <typename T>
    T* panelChild(const char* pName) const
    {
        return mPanel->findChild<T*>(QLatin1String(pName));
    }

    std::unique_ptr<QTemporaryDir> mDir;
    std::unique_ptr<QSettings> mSettings;
    kmDMIApplication* mApplication = nullptr;
    kmMainWindow* mMainWindow = nullptr;
    ZelGeneralSettingsPanel* mPanel = nullptr;
    QWidget* mHost = nullptr;
};

void tst_GeneralPanelInHosts::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    zel::ZelControlCenter::InitDefaultSettingsValues();
}

void tst_GeneralPanelInHosts::init()
{
    mDir = std::make_unique<QTemporaryDir>();
    QVERIFY(mDir->isValid());
    mSettings = std::make_unique<QSettings>(mDir->filePath(QStringLiteral("settings.ini")),
                                            QSettings::IniFormat);
    QString message;
    QVERIFY2(zel::ZelControlCenter::EnsureSettings(*mSettings, message), qPrintable(message));
    mApplication = new kmDMIApplication;
    mMainWindow = new kmMainWindow;
    mApplication->setMainWindow(mMainWindow);
    mPanel = new ZelGeneralSettingsPanel(mApplication, *mSettings);
}

void tst_GeneralPanelInHosts::cleanup()
{
    if (auto* controlCenter = qobject_cast<zel::ZelControlCenter*>(mHost))
        controlCenter->unregisterSettingsPanel(mPanel);
    // The dialog takes its panels with it; the control center leaves them to their owner.
    const QPointer<ZelGeneralSettingsPanel> panel = mPanel;
    delete mHost;
    mHost = nullptr;
    delete panel.data();
    mPanel = nullptr;
    delete mMainWindow;
    mMainWindow = nullptr;
    delete mApplication;
    mApplication = nullptr;
    mSettings.reset();
    mDir.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

QWidget* tst_GeneralPanelInHosts::registerInHost(const QString& pHost)
{
    if (pHost == QLatin1String("control center")) {
        auto* controlCenter = new zel::ZelControlCenter(mApplication);
        controlCenter->registerSettingsPanel(mPanel);
        mHost = controlCenter;
    } else {
        auto* dialog = new SettingsDialog(mApplication);
        dialog->registerSettingsPanel(mPanel);
        mHost = dialog;
    }
    return mHost;
}

void tst_GeneralPanelInHosts::applyThroughHost_data()
{
    QTest::addColumn<QString>("host");
    QTest::addColumn<bool>("restart");
    for (const char* host : {"control center", "settings dialog"}) {
        QTest::addRow("%s, no restart", host) << QString::fromLatin1(host) << false;
        QTest::addRow("%s, restart", host) << QString::fromLatin1(host) << true;
    }
}

void tst_GeneralPanelInHosts::applyThroughHost()
{
    QFETCH(QString, host);
    QFETCH(bool, restart);
    mSettings->setValue(QStringLiteral("Controls/controller"), QStringLiteral("arcball"));
    registerInHost(host);

    // The host filled the panel when it registered it.
    auto* navigation = panelChild<km::kmComboBox>("mNavModeComboBox");
    QCOMPARE(navigation->currentText(), QStringLiteral("Arcball mode"));
    navigation->setCurrentIndex(1);
    panelChild<QCheckBox>("displayToolCheckbox")->click();
    const QString cacheFolder = mDir->filePath(QStringLiteral("otherCache"));
    if (restart) {
        panelChild<QPushButton>("databaseButton")->setToolTip(cacheFolder);
        panelChild<QCheckBox>("deferredEDCheckBox")->click();
    }

    QString notice;
    if (restart) {
        AnswerModal([&notice](QWidget* pModal) {
            if (auto* box = qobject_cast<QMessageBox*>(pModal)) {
                notice = box->text();
                box->button(QMessageBox::Ok)->click();
            }
        });
    }
    QPushButton* apply = hostButton("applyButton");
    QVERIFY(apply);
    apply->click();

    QCOMPARE(notice, restart ? QStringLiteral("You need to restart your application to turn "
                                              "settings modification effective.")
                             : QString());
    QCOMPARE(mSettings->value(QStringLiteral("Controls/controller")).toString(),
             QStringLiteral("examine"));
    QCOMPARE(mSettings->value(QStringLiteral("display/displaytool")).toBool(), false);
    QCOMPARE(mApplication->getNavigationManager()->getNavigationMode(),
             km::kmNavigationManagerBase::EXAMINE);
    QVERIFY(!mMainWindow->isToolPanelShown());
    if (restart)
        QCOMPARE(mSettings->value(QStringLiteral("DBCache/cacheDirectory")).toString(),
                 cacheFolder);
    QVERIFY(!mPanel->hasModifications());
}

void tst_GeneralPanelInHosts::resetThroughHost_data()
{
    QTest::addColumn<QString>("host");
    QTest::addRow("control center") << QStringLiteral("control center");
    QTest::addRow("settings dialog") << QStringLiteral("settings dialog");
}

void tst_GeneralPanelInHosts::resetThroughHost()
{
    QFETCH(QString, host);
    mSettings->setValue(QStringLiteral("Controls/controller"), QStringLiteral("examine"));
    mSettings->setValue(QStringLiteral("units/name"), QStringLiteral("in"));
    registerInHost(host);
    QCOMPARE(panelChild<km::kmComboBox>("units_comboBox")->currentIndex(), 3);
    QSignalSpy spy(mPanel, &ZelGeneralSettingsPanel::stateChanged);

    hostButton("resetButton")->click();

    QCOMPARE(spy.count(), 1);
    QCOMPARE(panelChild<km::kmComboBox>("mNavModeComboBox")->currentText(),
             QStringLiteral("Arcball mode"));
    QCOMPARE(panelChild<km::kmComboBox>("units_comboBox")->currentIndex(), 0);
    QCOMPARE(mSettings->value(QStringLiteral("units/name")).toString(), QStringLiteral("in"));

    hostButton("applyButton")->click();
    QCOMPARE(mSettings->value(QStringLiteral("units/name")).toString(), QStringLiteral("mm"));
    QCOMPARE(mSettings->value(QStringLiteral("Controls/controller")).toString(),
             QStringLiteral("arcball"));
    QCOMPARE(mApplication->getAppUnit(), MILLIMETER);
}

QTEST_MAIN(tst_GeneralPanelInHosts)
#include "tst_GeneralPanelInHosts.moc"
