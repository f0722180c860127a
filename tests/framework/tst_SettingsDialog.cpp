#include "MessageBoxAnswerer.h"
#include "TestHost.h"
#include "TestPanel.h"

#include "SettingsDialog.h"
#include "ZelControlCenter.h"
#include "kmDMIApplication.h"
#include "kmMainWindow.h"
#include "zelDoubleSpinBox.h"
#include "zelSpinBox.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QSignalMapper>
#include <QStandardPaths>
#include <QTest>

#include <memory>
#include <vector>

using zel::SettingsDialog;

namespace {

const int kShortScreen = 768;

} // namespace

class tst_SettingsDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void form();
    void registration();
    void selectPanel_data();
    void selectPanel();
    void sameNameShownTogether();
    void unregistering();
    void cancelDropsEdits_data();
    void cancelDropsEdits();
    void applyCloses_data();
    void applyCloses();
    void resetStaysOpen();
    void showingRefreshesAndRereads();
    void height();
    void centredOnTheMainWindow();
    void centredOnTheScreen();
    void movableByItsHeader();
    void destroyedWithPanelsInside();
    void panelDestroyedFirst();

private:
    SettingsDialog* createDialog();
    TestPanel* addPanel(const QString& pName);
    template<typename T> T* part(const char* pName) const
    {
        return mDialog->findChild<T*>(pName);
    }

    std::unique_ptr<TestHost> mHost;
    std::unique_ptr<SettingsDialog> mDialog;
    std::vector<std::unique_ptr<TestPanel>> mPanels;
};

void tst_SettingsDialog::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
}

void tst_SettingsDialog::init()
{
    mHost = std::make_unique<TestHost>();
}

void tst_SettingsDialog::cleanup()
{
    // The host takes its panels back before it destroys the dialog.
    for (const std::unique_ptr<TestPanel>& panel : mPanels) {
        if (!panel)
            continue;
        if (mDialog)
            mDialog->unregisterSettingsPanel(panel.get());
        panel->setParent(nullptr);
    }
    mPanels.clear();
    mDialog.reset();
    mHost.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

SettingsDialog* tst_SettingsDialog::createDialog()
{
    mDialog = std::make_unique<SettingsDialog>(mHost->application());
    return mDialog.get();
}

TestPanel* tst_SettingsDialog::addPanel(const QString& pName)
{
    mPanels.push_back(
        std::make_unique<TestPanel>(mHost->application(), mHost->settings(), pName));
    mDialog->registerSettingsPanel(mPanels.back().get());
    return mPanels.back().get();
}

void tst_SettingsDialog::form()
{
    createDialog();
    QVERIFY(mDialog->windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(mDialog->testAttribute(Qt::WA_TranslucentBackground));
    QCOMPARE(mDialog->objectName(), QString("SettingsDialog"));
    QCOMPARE(mDialog->windowTitle(), QString("Settings"));
    QCOMPARE(part<QLabel>("popupTitleLabel")->text(), QString("Settings"));
    QCOMPARE(part<QWidget>("mainContent")->property("class").toString(), QString("backDarker"));
    QVERIFY(!part<QLabel>("label_5")->pixmap(Qt::ReturnByValue).isNull());

    const struct
    {
        const char* name;
        const char* text;
        const char* styleClass;
    } buttons[] = {{"resetButton", "RESET", "flatButton"},
                   {"applyButton", "APPLY", "raisedButton"},
                   {"cancelButton", "CANCEL", "outlinedButton"}};
    for (const auto& expected : buttons) {
        auto* button = part<QPushButton>(expected.name);
        QVERIFY2(button, expected.name);
        QCOMPARE(button->text(), QString(expected.text));
        QCOMPARE(button->property("class").toString(), QString(expected.styleClass));
        QCOMPARE(button->maximumWidth(), 115);
        QCOMPARE(button->focusPolicy(), Qt::NoFocus);
    }
    QCOMPARE(part<QPushButton>("closeButton")->size(), QSize(28, 28));
    QCOMPARE(part<QPushButton>("closeButton")->focusPolicy(), Qt::NoFocus);
}

void tst_SettingsDialog::registration()
{
    createDialog();
    TestPanel* alpha = addPanel("Alpha");
    TestPanel* beta = addPanel("Beta");

    QWidget* tabs = part<QWidget>("settingsTableContent");
    QWidget* content = part<QWidget>("settingsContent");
    QCOMPARE(tabs->layout()->count(), 2);
    QCOMPARE(tabs->layout()->itemAt(1)->widget(), beta->getActionWidget());
    QCOMPARE(content->layout()->itemAt(0)->widget(), alpha);
    QCOMPARE(alpha->parentWidget(), content);
    QCOMPARE(beta->getActionWidget()->parentWidget(), tabs);
    QCOMPARE(alpha->initializeCount, 1);

    QPushButton* tab = beta->getActionWidget();
    QCOMPARE(tab->property("class").toString(), QString("tabAction"));
    QCOMPARE(tab->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(tab->sizePolicy().horizontalPolicy(), QSizePolicy::Preferred);
    QCOMPARE(tab->sizePolicy().verticalPolicy(), QSizePolicy::Expanding);
    QVERIFY(tab->autoExclusive());

    // The first panel is shown with its tab checked; the others wait for their tab.
    QVERIFY(!alpha->isHidden());
    QVERIFY(alpha->getActionWidget()->isChecked());
    QVERIFY(beta->isHidden());
    QVERIFY(!tab->isChecked());

    auto* mapper = mDialog->findChild<QSignalMapper*>();
    QCOMPARE(mapper->mapping("Beta"), tab);

    QTest::mouseClick(tab, Qt::LeftButton);
    QVERIFY(tab->isChecked());
    QVERIFY(!alpha->getActionWidget()->isChecked());
    QVERIFY(alpha->isHidden());
    QVERIFY(!beta->isHidden());
}

void tst_SettingsDialog::selectPanel_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("shown");
    QTest::addRow("known name") << "Gamma" << 2;
    QTest::addRow("unknown name") << "Delta" << 0;
}

void tst_SettingsDialog::selectPanel()
{
    QFETCH(QString, name);
    QFETCH(int, shown);
    createDialog();
    for (const char* panelName : {"Alpha", "Beta", "Gamma"})
        addPanel(panelName);

    mDialog->selectPanel(name);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(!mPanels.at(i)->isHidden(), i == shown);
        QCOMPARE(mPanels.at(i)->getActionWidget()->isChecked(), i == shown);
    }
}

void tst_SettingsDialog::sameNameShownTogether()
{
    createDialog();
    addPanel("Alpha");
    TestPanel* first = addPanel("Twin");
    TestPanel* second = addPanel("Twin");
    QTest::mouseClick(second->getActionWidget(), Qt::LeftButton);
    QVERIFY(!first->isHidden());
    QVERIFY(!second->isHidden());
    QVERIFY(mPanels.front()->isHidden());
}

void tst_SettingsDialog::unregistering()
{
    createDialog();
    TestPanel* alpha = addPanel("Alpha");
    TestPanel* beta = addPanel("Beta");
    QWidget* tabs = part<QWidget>("settingsTableContent");

    mDialog->unregisterSettingsPanel(beta);
    QCOMPARE(tabs->layout()->count(), 1);
    QCOMPARE(part<QWidget>("settingsContent")->layout()->count(), 1);
    // Unlike the control center, the dialog leaves both widgets where they are.
    QCOMPARE(beta->getActionWidget()->parentWidget(), tabs);
    QCOMPARE(beta->parentWidget(), part<QWidget>("settingsContent"));

    // Its tab no longer switches panels, and its edits are not cancelled.
    QTest::mouseClick(beta->getActionWidget(), Qt::LeftButton);
    QVERIFY(!alpha->isHidden());
    beta->lineEdit()->setText("kept");
    QTest::mouseClick(part<QPushButton>("cancelButton"), Qt::LeftButton);
    QCOMPARE(beta->cancelCount, 0);
    QCOMPARE(beta->lineEdit()->text(), QString("kept"));

    mDialog->unregisterSettingsPanel(beta);
    QCOMPARE(tabs->layout()->count(), 1);
}

void tst_SettingsDialog::cancelDropsEdits_data()
{
    QTest::addColumn<QString>("button");
    QTest::addRow("cancel") << "cancelButton";
    QTest::addRow("close") << "closeButton";
}

void tst_SettingsDialog::cancelDropsEdits()
{
    QFETCH(QString, button);
    createDialog();
    TestPanel* alpha = addPanel("Alpha");
    TestPanel* beta = addPanel("Beta");
    mHost->settings().setValue(beta->key(3), "stored");
    mDialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(mDialog.get()));
    alpha->spinBox()->setValue(321);
    beta->lineEdit()->setText("edited");

    QTest::mouseClick(part<QPushButton>(qPrintable(button)), Qt::LeftButton);
    QVERIFY(!mDialog->isVisible());
    QCOMPARE(mDialog->result(), int(QDialog::Rejected));
    QCOMPARE(alpha->cancelCount, 1);
    QCOMPARE(beta->cancelCount, 1);
    QCOMPARE(alpha->spinBox()->value(), 11);
    QCOMPARE(beta->lineEdit()->text(), QString("stored"));
    QVERIFY(!mHost->settings().contains(alpha->key(1)));
}

void tst_SettingsDialog::applyCloses_data()
{
    QTest::addColumn<bool>("withMainWindow");
    QTest::addColumn<bool>("restart");
    QTest::addColumn<int>("notices");
    QTest::addRow("no restart") << true << false << 0;
    QTest::addRow("restart") << true << true << 1;
    QTest::addRow("restart, no main window") << false << true << 0;
}

void tst_SettingsDialog::applyCloses()
{
    QFETCH(bool, withMainWindow);
    QFETCH(bool, restart);
    QFETCH(int, notices);

    if (withMainWindow)
        mHost->showMainWindow(new zel::ZelControlCenter(mHost->application()));
    createDialog();
    TestPanel* alpha = addPanel("Alpha");
    TestPanel* beta = addPanel("Beta");
    if (restart) {
        alpha->setRestartRows({1});
        beta->setRestartRows({1});
    }
    alpha->spinBox()->setValue(500);
    beta->spinBox()->setValue(600);

    MessageBoxAnswerer answerer(QMessageBox::Ok);
    QTimer::singleShot(0, part<QPushButton>("applyButton"), &QPushButton::click);
    QCOMPARE(mDialog->exec(), int(QDialog::Accepted));

    QCOMPARE(answerer.count(), notices);
    if (notices) {
        QCOMPARE(answerer.titles().first(), QString("Settings Modification"));
        QCOMPARE(answerer.lastParent(), mDialog.get());
    }
    QCOMPARE(mHost->settings().value(alpha->key(1)).toString(), QString("500"));
    QCOMPARE(mHost->settings().value(beta->key(1)).toString(), QString("600"));
}

void tst_SettingsDialog::resetStaysOpen()
{
    createDialog();
    TestPanel* alpha = addPanel("Alpha");
    mHost->settings().setValue(alpha->key(2), "7.25");
    alpha->initializeWidget();
    mDialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(mDialog.get()));

    QTest::mouseClick(part<QPushButton>("resetButton"), Qt::LeftButton);
    QVERIFY(mDialog->isVisible());
    QCOMPARE(alpha->doubleSpinBox()->value(), 1.5);
    QCOMPARE(mHost->settings().value(alpha->key(2)).toString(), QString("7.25"));
    QVERIFY(alpha->hasModifications());
}

void tst_SettingsDialog::showingRefreshesAndRereads()
{
    createDialog();
    TestPanel* alpha = addPanel("Alpha");
    TestPanel* beta = addPanel("Beta");

    // Another process changed the store meanwhile: showing reads it again.
    QVERIFY(!mHost->settings().contains("elsewhere/key"));
    QFile store(mHost->settings().fileName());
    QVERIFY(store.open(QIODevice::WriteOnly));
    store.write("[elsewhere]\nkey=written\n");
    store.close();
    QVERIFY(!mHost->settings().contains("elsewhere/key"));

    mDialog->show();
    QCOMPARE(alpha->refreshCount, 1);
    QCOMPARE(beta->refreshCount, 1);
    QCOMPARE(mHost->settings().value("elsewhere/key").toString(), QString("written"));
    mDialog->hide();
    mDialog->show();
    QCOMPARE(alpha->refreshCount, 2);

    mDialog->refreshPanels();
    QCOMPARE(beta->refreshCount, 3);
}

void tst_SettingsDialog::height()
{
    // Runs on the default offscreen screen and again on a laptop screen 768 pixels high.
    createDialog();
    addPanel("Alpha");
    const QSize designed = mDialog->size();
    const QRect available = mDialog->screen()->availableGeometry();
    mDialog->show();

    if (available.height() <= kShortScreen)
        QCOMPARE(mDialog->height(), 512);
    else
        QCOMPARE(mDialog->height(), designed.height());
    QCOMPARE(mDialog->width(), designed.width());
}

void tst_SettingsDialog::centredOnTheMainWindow()
{
    zel::kmMainWindow* window =
        mHost->showMainWindow(new zel::ZelControlCenter(mHost->application()));
    window->move(40, 30);
    QTRY_COMPARE(window->pos(), QPoint(40, 30));
    createDialog();
    addPanel("Alpha");

    mDialog->show();
    QCOMPARE(mDialog->geometry().center(), window->mapToGlobal(window->rect().center()));

    // Every showing centres it again.
    mDialog->hide();
    mDialog->move(0, 0);
    mDialog->show();
    QCOMPARE(mDialog->geometry().center(), window->mapToGlobal(window->rect().center()));
}

void tst_SettingsDialog::centredOnTheScreen()
{
    createDialog();
    addPanel("Alpha");
    mDialog->show();
    QCOMPARE(mDialog->geometry().center(), mDialog->screen()->availableGeometry().center());
}

void tst_SettingsDialog::movableByItsHeader()
{
    createDialog();
    addPanel("Alpha");
    mDialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(mDialog.get()));
    const QPoint start = mDialog->pos();
    QWidget* header = part<QWidget>("headerFrame");
    const QPoint grip = header->rect().center();

    QTest::mousePress(header, Qt::LeftButton, Qt::KeyboardModifiers(), grip);
    const QPoint to = grip + QPoint(30, 20);
    QMouseEvent move(QEvent::MouseMove, to, header->mapToGlobal(to), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(header, &move);
    QTest::mouseRelease(header, Qt::LeftButton, Qt::KeyboardModifiers(), to);
    QTRY_COMPARE(mDialog->pos(), start + QPoint(30, 20));

    // A double click does not expand it.
    QTest::mouseDClick(header, Qt::LeftButton, Qt::KeyboardModifiers(), grip);
    QVERIFY(!mDialog->isMaximized());
}

void tst_SettingsDialog::destroyedWithPanelsInside()
{
    // The host forgot to take its panels back: they and their tab buttons go with the
    // dialog, each exactly once.
    createDialog();
    QList<QPointer<QWidget>> widgets;
    QStringList gone;
    for (const char* name : {"Alpha", "Beta", "Gamma"}) {
        auto* panel = new TestPanel(mHost->application(), mHost->settings(), name);
        mDialog->registerSettingsPanel(panel);
        widgets << panel << panel->getActionWidget();
        connect(panel, &QObject::destroyed, this, [&gone, name] { gone << name; });
        connect(panel->getActionWidget(), &QObject::destroyed, this,
                [&gone, name] { gone << QStringLiteral("%1 tab").arg(name); });
    }
    mDialog->show();

    mDialog.reset();
    for (const QPointer<QWidget>& widget : widgets)
        QVERIFY(widget.isNull());
    // The tab strip went before the panels: their own deletion of the buttons was skipped.
    QCOMPARE(gone.size(), 6);
    QVERIFY(gone.indexOf("Alpha tab") < gone.indexOf("Alpha"));
}

void tst_SettingsDialog::panelDestroyedFirst()
{
    createDialog();
    TestPanel* alpha = addPanel("Alpha");
    TestPanel* beta = addPanel("Beta");
    QPointer<QPushButton> alphaTab = alpha->getActionWidget();
    beta->lineEdit()->setText("edited");

    mPanels.front().reset();
    QVERIFY(alphaTab.isNull());
    QCOMPARE(part<QWidget>("settingsTableContent")->layout()->count(), 1);

    // Nothing that the dialog does later reaches the destroyed panel.
    mDialog->selectPanel("Alpha");
    mDialog->show();
    QTest::mouseClick(part<QPushButton>("resetButton"), Qt::LeftButton);
    QCOMPARE(beta->resetCount, 1);
    QTest::mouseClick(part<QPushButton>("cancelButton"), Qt::LeftButton);
    QCOMPARE(beta->cancelCount, 1);
    mDialog->show();
    QTest::mouseClick(part<QPushButton>("applyButton"), Qt::LeftButton);
    QCOMPARE(beta->applyCount, 1);
    QCOMPARE(beta->refreshCount, 2);
}

QTEST_MAIN(tst_SettingsDialog)
#include "tst_SettingsDialog.moc"
