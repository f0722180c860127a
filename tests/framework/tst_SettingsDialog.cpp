#include "TestHost.h"

#include "SettingsDialog.h"
#include "ZelControlCenter.h"

#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSignalMapper>
#include <QTest>

#include <memory>

class tst_SettingsDialog : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestHost> mHost;
    std::unique_ptr<zel::SettingsDialog> mDialog;

    TestPanel* addPanel(const QString& pName)
    {
        TestPanel* panel = mHost->addPanel(pName);
        mDialog->registerSettingsPanel(panel);
        return panel;
    }
    template<typename T = QWidget> T* part(const char* pName) const
    {
        return mDialog->findChild<T*>(pName);
    }
    void click(const char* pButton)
    {
        QTest::mouseClick(part<QPushButton>(pButton), Qt::LeftButton);
    }
    void showMainWindow()
    {
        mHost->showMainWindow(new zel::ZelControlCenter(mHost->application()));
    }

private Q_SLOTS:
    void initTestCase() { TestHost::PrepareTestRun(); }

    void init()
    {
        mHost = std::make_unique<TestHost>();
        mDialog = std::make_unique<zel::SettingsDialog>(mHost->application());
    }

    void cleanup()
    {
        mDialog.reset();
        mHost.reset();
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void form()
    {
        QVERIFY(mDialog->windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(mDialog->testAttribute(Qt::WA_TranslucentBackground));
        QCOMPARE(mDialog->windowTitle(), QString("Settings"));
        QCOMPARE(part<QLabel>("popupTitleLabel")->text(), QString("Settings"));
        for (const char* name : {"RESET", "APPLY", "CANCEL"}) {
            const QString button = QString(name).toLower() + QStringLiteral("Button");
            QCOMPARE(part<QPushButton>(qPrintable(button))->text(), QString(name));
        }
    }

    void registration()
    {
        TestPanel* alpha = addPanel("Alpha");
        TestPanel* beta = addPanel("Beta");
        QWidget* tabs = part("settingsTableContent");
        QCOMPARE(tabs->layout()->itemAt(1)->widget(), beta->getActionWidget());
        QCOMPARE(part("settingsContent")->layout()->itemAt(0)->widget(), alpha);
        QCOMPARE(alpha->initializeCount, 1);
        QCOMPARE(beta->getActionWidget()->text(), QString("Beta"));
        QCOMPARE(beta->getActionWidget()->property("class").toString(), QString("tabAction"));
        QCOMPARE(mDialog->findChild<QSignalMapper*>()->mapping("Beta"), beta->getActionWidget());
        // Unregistered, its tab no longer switches panels and its edits are not cancelled.
        mDialog->unregisterSettingsPanel(beta);
        mDialog->unregisterSettingsPanel(beta);
        QCOMPARE(tabs->layout()->count(), 1);
        QCOMPARE(part("settingsContent")->layout()->count(), 1);
        QTest::mouseClick(beta->getActionWidget(), Qt::LeftButton);
        QVERIFY(!alpha->isHidden());
        beta->edit(3, "kept");
        click("cancelButton");
        QCOMPARE(beta->cancelCount, 0);
        QCOMPARE(beta->widgetValue(3), QString("kept"));
    }

    void switching_data()
    {
        // Panels Alpha, Beta, Twin, Twin: which ones show, and whose tab is checked.
        QTest::addColumn<int>("clicked");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QList<bool>>("shown");
        QTest::addColumn<int>("checked");
        using B = QList<bool>;
        QTest::addRow("first panel at start") << -1 << QString() << B{1, 0, 0, 0} << 0;
        QTest::addRow("tab clicked") << 1 << QString() << B{0, 1, 0, 0} << 1;
        QTest::addRow("selected by name") << -1 << "Beta" << B{0, 1, 0, 0} << 1;
        QTest::addRow("unknown name") << -1 << "Delta" << B{1, 0, 0, 0} << 0;
        QTest::addRow("same name shown together") << 3 << QString() << B{0, 0, 1, 1} << 3;
    }

    void switching()
    {
        QFETCH(int, clicked);
        QFETCH(QString, selected);
        QFETCH(QList<bool>, shown);
        QFETCH(int, checked);
        QList<TestPanel*> panels;
        for (const char* name : {"Alpha", "Beta", "Twin", "Twin"})
            panels.append(addPanel(name));
        if (clicked >= 0)
            QTest::mouseClick(panels.at(clicked)->getActionWidget(), Qt::LeftButton);
        if (!selected.isEmpty())
            mDialog->selectPanel(selected);
        for (int i = 0; i < panels.size(); ++i) {
            QCOMPARE(!panels.at(i)->isHidden(), shown.at(i));
            QCOMPARE(panels.at(i)->getActionWidget()->isChecked(), i == checked);
        }
    }

    void buttons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("staysOpen");
        QTest::addRow("cancel drops the edits") << "cancelButton" << false;
        QTest::addRow("close drops the edits") << "closeButton" << false;
        QTest::addRow("reset shows the defaults") << "resetButton" << true;
    }

    void buttons()
    {
        QFETCH(QString, button);
        QFETCH(bool, staysOpen);
        TestPanel* alpha = addPanel("Alpha");
        mHost->settings().setValue("beta/row3", "stored");
        TestPanel* beta = addPanel("Beta");
        mDialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(mDialog.get()));
        alpha->edit(1, 321);
        beta->edit(3, "edited");
        click(qPrintable(button));
        QCOMPARE(mDialog->isVisible(), staysOpen);
        if (!staysOpen)
            QCOMPARE(mDialog->result(), int(QDialog::Rejected));
        QCOMPARE(alpha->widgetValue(1), alpha->defaultValue(1));
        QCOMPARE(beta->widgetValue(3), staysOpen ? beta->defaultValue(3) : QString("stored"));
        QVERIFY(!mHost->settings().contains(alpha->key(1)));
        QCOMPARE(beta->storedValue(3), QString("stored"));
    }

    void applyCloses_data()
    {
        QTest::addColumn<bool>("withMainWindow");
        QTest::addColumn<bool>("restart");
        QTest::addRow("no restart") << true << false;
        QTest::addRow("restart, one notice") << true << true;
        QTest::addRow("restart, no main window") << false << true;
    }

    void applyCloses()
    {
        QFETCH(bool, withMainWindow);
        QFETCH(bool, restart);
        if (withMainWindow)
            showMainWindow();
        const QList<TestPanel*> panels{addPanel("Alpha"), addPanel("Beta")};
        for (TestPanel* panel : panels) {
            panel->setRestartRows(restart ? QList<int>{1} : QList<int>{});
            panel->edit(1, 500);
        }
        MessageBoxAnswerer answerer(QMessageBox::Ok);
        QTimer::singleShot(0, part<QPushButton>("applyButton"), &QPushButton::click);
        QCOMPARE(mDialog->exec(), int(QDialog::Accepted));
        QCOMPARE(answerer.count(), int(withMainWindow && restart));
        if (answerer.count()) {
            QCOMPARE(answerer.titles.first(), QString("Settings Modification"));
            QCOMPARE(answerer.lastParent, mDialog.get());
        }
        for (TestPanel* panel : panels)
            QCOMPARE(panel->storedValue(1), QString("500"));
    }

    void height()
    {
        // Runs on the default offscreen screen and again on a laptop screen 768 pixels high.
        addPanel("Alpha");
        const QSize designed = mDialog->size();
        const bool shortScreen = mDialog->screen()->availableGeometry().height() <= 768;
        mDialog->show();
        QCOMPARE(mDialog->size(), QSize(designed.width(), shortScreen ? 512 : designed.height()));
    }

    void centred_data()
    {
        QTest::addColumn<bool>("withMainWindow");
        QTest::addRow("on the main window") << true;
        QTest::addRow("on the screen") << false;
    }

    void centred()
    {
        QFETCH(bool, withMainWindow);
        QPoint centre = mDialog->screen()->availableGeometry().center();
        if (withMainWindow) {
            showMainWindow();
            mHost->mainWindow()->move(40, 30);
            QTRY_COMPARE(mHost->mainWindow()->pos(), QPoint(40, 30));
            centre = mHost->mainWindow()->geometry().center();
        }
        TestPanel* alpha = addPanel("Alpha");
        // Every showing centres it again and refreshes the panels.
        for (int showing = 1; showing <= 2; ++showing) {
            mDialog->show();
            QCOMPARE(mDialog->geometry().center(), centre);
            QCOMPARE(alpha->refreshCount, showing);
            mDialog->hide();
            mDialog->move(0, 0);
        }
    }

    void destroyedWithPanelsInside()
    {
        // The host forgot to take its panels back: they and their tab buttons go with the
        // dialog, each exactly once, the tab strip first.
        QList<QPointer<QWidget>> widgets;
        QStringList gone;
        for (const char* name : {"Alpha", "Beta", "Gamma"}) {
            TestPanel* panel = addPanel(name);
            widgets << panel << panel->getActionWidget();
            connect(panel, &QObject::destroyed, this, [&gone, name] { gone << name; });
            connect(panel->getActionWidget(), &QObject::destroyed, this,
                    [&gone, name] { gone << QStringLiteral("%1 tab").arg(name); });
        }
        mDialog->show();
        mDialog.reset();
        for (const QPointer<QWidget>& widget : widgets)
            QVERIFY(widget.isNull());
        QCOMPARE(gone.size(), 6);
        QVERIFY(gone.indexOf("Alpha tab") < gone.indexOf("Alpha"));
    }

    void panelDestroyedFirst()
    {
        TestPanel* alpha = addPanel("Alpha");
        TestPanel* beta = addPanel("Beta");
        QPointer<QPushButton> alphaTab = alpha->getActionWidget();
        beta->edit(3, "edited");
        delete alpha;
        QVERIFY(alphaTab.isNull());
        QCOMPARE(part("settingsTableContent")->layout()->count(), 1);
        // Nothing that the dialog does later reaches the destroyed panel.
        mDialog->selectPanel("Alpha");
        mDialog->show();
        click("resetButton");
        click("cancelButton");
        mDialog->show();
        click("applyButton");
        QCOMPARE(beta->resetCount + beta->cancelCount + beta->applyCount, 3);
        QCOMPARE(beta->refreshCount, 2);
    }
};

QTEST_MAIN(tst_SettingsDialog)
#include "tst_SettingsDialog.moc"
