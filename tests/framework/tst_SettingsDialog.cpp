#include "TestHost.h"

#include "SettingsDialog.h"

#include <QScreen>

class tst_SettingsDialog : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestHost> mHost;
    std::unique_ptr<zel::SettingsDialog> mDialog;

    template<typename T = QWidget> T* part(const char* pName) const
    {
        return mDialog->findChild<T*>(pName);
    }
    void click(const char* pButton)
    {
        QTest::mouseClick(part<QPushButton>(pButton), Qt::LeftButton);
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

    void registrationAndSwitching()
    {
        QList<TestPanel*> panels;
        for (const char* name : {"Alpha", "Beta", "Twin", "Twin"})
            panels.append(mHost->addPanel(mDialog.get(), name));
        QCOMPARE(part("settingsTableContent")->layout()->itemAt(1)->widget(),
                 panels.at(1)->getActionWidget());
        QVERIFY(panels.at(1)->getActionWidget()->text() == "Beta"
                && panels.at(0)->initializeCount == 1);
        // Which panels show, and which tab is checked.
        const auto showing = [&panels](const QList<bool>& pShown, int pChecked) {
            for (int i = 0; i < pShown.size(); ++i) {
                if (panels.at(i)->isHidden() == pShown.at(i)
                    || panels.at(i)->getActionWidget()->isChecked() != (i == pChecked))
                    return false;
            }
            return true;
        };
        QVERIFY(showing({1, 0, 0, 0}, 0));
        mDialog->selectPanel("Delta");
        QVERIFY(showing({1, 0, 0, 0}, 0));
        QTest::mouseClick(panels.at(1)->getActionWidget(), Qt::LeftButton);
        QVERIFY(showing({0, 1, 0, 0}, 1));
        mDialog->selectPanel("Alpha");
        QVERIFY(showing({1, 0, 0, 0}, 0));
        // Panels of the same name show together.
        QTest::mouseClick(panels.at(3)->getActionWidget(), Qt::LeftButton);
        QVERIFY(showing({0, 0, 1, 1}, 3));
        // Unregistered, its tab no longer switches panels and its edits are not cancelled.
        TestPanel* beta = panels.takeAt(1);
        mDialog->unregisterSettingsPanel(beta);
        mDialog->unregisterSettingsPanel(beta);
        QCOMPARE(part("settingsContent")->layout()->count(), 3);
        QTest::mouseClick(beta->getActionWidget(), Qt::LeftButton);
        QVERIFY(beta->isHidden() && !panels.at(1)->isHidden() && !panels.at(2)->isHidden());
        beta->edit(3, "kept");
        click("cancelButton");
        QVERIFY(beta->cancelCount == 0 && beta->widgetValue(3) == "kept");
    }

    void buttons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("restart");
        QTest::addColumn<bool>("withMainWindow");
        QTest::addColumn<int>("notices");
        QTest::addRow("cancel drops the edits") << "cancelButton" << true << true << 0;
        QTest::addRow("close drops the edits") << "closeButton" << true << true << 0;
        QTest::addRow("reset shows the defaults") << "resetButton" << true << true << 0;
        QTest::addRow("apply closes") << "applyButton" << false << true << 0;
        QTest::addRow("apply, restarts: one notice") << "applyButton" << true << true << 1;
        QTest::addRow("apply, no main window") << "applyButton" << true << false << 0;
    }
    void buttons()
    {
        QFETCH(QString, button);
        QFETCH(bool, restart);
        QFETCH(bool, withMainWindow);
        QFETCH(int, notices);
        if (withMainWindow)
            mHost->showMainWindow();
        TestPanel* alpha = mHost->addPanel(mDialog.get(), "Alpha");
        mHost->settings().setValue("beta/row3", "stored");
        TestPanel* beta = mHost->addPanel(mDialog.get(), "Beta");
        mDialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(mDialog.get()));
        alpha->needsRestart = beta->needsRestart = restart;
        alpha->edit(1, 321);
        beta->edit(3, "edited");
        MessageBoxAnswerer answerer(QMessageBox::Ok);
        click(qPrintable(button));
        const bool applied = button == "applyButton", reset = button == "resetButton";
        QCOMPARE(mDialog->isVisible(), reset);
        if (!reset)
            QCOMPARE(mDialog->result(), int(applied ? QDialog::Accepted : QDialog::Rejected));
        QCOMPARE(answerer.count(), notices);
        if (notices) {
            QVERIFY(answerer.boxes.first().startsWith("Settings Modification: "));
            QCOMPARE(answerer.lastParent, mDialog.get());
        }
        QCOMPARE(alpha->storedValue(1), applied ? QString("321") : alpha->defaultValue(1));
        QCOMPARE(beta->storedValue(3), QString(applied ? "edited" : "stored"));
        if (!applied) {
            QCOMPARE(alpha->widgetValue(1), alpha->defaultValue(1));
            QCOMPARE(beta->widgetValue(3), reset ? beta->defaultValue(3) : QString("stored"));
        }
    }

    void heightAndCentring()
    {
        // Runs on the default offscreen screen and again on a laptop screen 768 pixels high,
        // where it opens 512 high. Every showing centres it again, on the screen or on the
        // main window, and refreshes the panels.
        TestPanel* alpha = mHost->addPanel(mDialog.get(), "Alpha");
        const bool shortScreen = mDialog->screen()->availableGeometry().height() <= 768;
        const QSize expected(mDialog->width(), shortScreen ? 512 : mDialog->height());
        for (int showing = 1; showing <= 3; ++showing) {
            if (showing == 3) {
                mHost->showMainWindow()->move(40, 30);
                QTRY_COMPARE(mHost->mainWindow()->pos(), QPoint(40, 30));
            }
            mDialog->show();
            QCOMPARE(mDialog->size(), expected);
            QCOMPARE(mDialog->geometry().center(),
                     showing < 3 ? mDialog->screen()->availableGeometry().center()
                                 : mHost->mainWindow()->geometry().center());
            QCOMPARE(alpha->refreshCount, showing);
            mDialog->hide();
            mDialog->move(0, 0);
        }
    }

    void destroyedInEitherOrder()
    {
        // A panel destroyed first takes its tab with it, and nothing that the dialog does
        // later reaches it.
        QStringList gone;
        for (const char* name : {"Alpha", "Beta", "Gamma"}) {
            TestPanel* panel = mHost->addPanel(mDialog.get(), name);
            connect(panel, &QObject::destroyed, this, [&gone, name] { gone << name; });
            connect(panel->getActionWidget(), &QObject::destroyed, this,
                    [&gone, name] { gone << QStringLiteral("%1 tab").arg(name); });
        }
        TestPanel* beta = mDialog->findChild<TestPanel*>("betaPanel");
        beta->edit(3, "edited");
        delete mDialog->findChild<TestPanel*>("alphaPanel");
        QCOMPARE(gone.size(), 2);
        QCOMPARE(part("settingsTableContent")->layout()->count(), 2);
        mDialog->selectPanel("Alpha");
        mDialog->show();
        click("resetButton");
        click("cancelButton");
        mDialog->show();
        click("applyButton");
        QVERIFY(beta->resetCount + beta->cancelCount + beta->applyCount == 3
                && beta->refreshCount == 2);
        // The host forgot to take the others back: they and their tab buttons go with the
        // dialog, each exactly once, the tab strip first.
        mDialog.reset();
        QCOMPARE(gone.size(), 6);
        QVERIFY(gone.indexOf("Beta tab") < gone.indexOf("Beta"));
    }
};

QTEST_MAIN(tst_SettingsDialog)
#include "tst_SettingsDialog.moc"
