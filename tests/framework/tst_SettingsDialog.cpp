#include "EventCounter.h"
#include "TestHost.h"

#include "SettingsDialog.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTranslator>

namespace {

// Marks every text that goes through a translation, so that a test sees which ones do.
class MarkingTranslator : public QTranslator
{
public:
    QString translate(const char*, const char* pSource, const char* = nullptr,
                      int = -1) const override
    {
        return QStringLiteral("~%1").arg(QString::fromUtf8(pSource));
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class tst_SettingsDialog : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestHost> mHost;
    std::unique_ptr<zel::SettingsDialog> mDialog;

    template<typename T = QWidget> T* part(const char* pName) const
    {
        return mDialog->findChild<T*>(pName);
    }
    void press(const char* pButton) { zeltest::Press(part(pButton)); }
    void show()
    {
        mDialog->show();
        zeltest::Activate(mDialog.get());
        QVERIFY(mDialog->isActiveWindow());
    }
    // Tab until the widget has the focus; false when it never comes.
    static bool tabTo(const QWidget* pWidget)
    {
        for (int step = 0; step < 50 && QApplication::focusWidget() != pWidget; ++step)
            zeltest::Key(Qt::Key_Tab);
        return QApplication::focusWidget() == pWidget;
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
        show();
        mDialog->selectPanel("Delta");
        QVERIFY(showing({1, 0, 0, 0}, 0));
        zeltest::Press(panels.at(1)->getActionWidget());
        QVERIFY(showing({0, 1, 0, 0}, 1));
        mDialog->selectPanel("Alpha");
        QVERIFY(showing({1, 0, 0, 0}, 0));
        // Panels of the same name show together.
        zeltest::Press(panels.at(3)->getActionWidget());
        QVERIFY(showing({0, 0, 1, 1}, 3));
        // Unregistered, its tab and the panel leave the dialog, which no longer owns them;
        // the tabs left take the presses.
        QPointer<TestPanel> beta = panels.takeAt(1);
        mDialog->unregisterSettingsPanel(beta);
        mDialog->unregisterSettingsPanel(beta);
        QCOMPARE(part("settingsContent")->layout()->count(), 3);
        QVERIFY(beta->isHidden() && !beta->parentWidget());
        QVERIFY(beta->getActionWidget()->isHidden() && !beta->getActionWidget()->parentWidget());
        zeltest::Press(panels.at(0)->getActionWidget());
        QVERIFY(showing({1, 0, 0}, 0));
        zeltest::Press(panels.at(1)->getActionWidget());
        QVERIFY(showing({0, 1, 1}, 1));
        beta->edit(3, "kept");
        press("cancelButton");
        QVERIFY(beta->cancelCount == 0 && beta->widgetValue(3) == "kept");
        // A page never chosen waits outside the dialog, and leaves it the same way.
        QPointer<TestPanel> epsilon = mHost->addPanel(mDialog.get(), "Epsilon");
        QVERIFY(!mDialog->isAncestorOf(epsilon) && epsilon->isHidden());
        mDialog->unregisterSettingsPanel(epsilon);
        QVERIFY(epsilon->isHidden() && !epsilon->getActionWidget()->parentWidget());
        mDialog.reset();
        QVERIFY(!beta.isNull() && !epsilon.isNull());
    }

    void buttons_data()
    {
        // Alpha's edit is made on its page, Beta's on its own, which stays in view.
        QTest::addColumn<QString>("ending");
        QTest::addColumn<bool>("restart");
        QTest::addColumn<bool>("withMainWindow");
        QTest::addColumn<int>("notices");
        QTest::addRow("cancel drops the edits") << "cancelButton" << true << true << 0;
        QTest::addRow("close drops the edits") << "closeButton" << true << true << 0;
        QTest::addRow("Escape drops the edits") << "Escape" << true << true << 0;
        QTest::addRow("reset shows the defaults of the page") << "resetButton" << true << true << 0;
        QTest::addRow("apply closes") << "applyButton" << false << true << 0;
        QTest::addRow("Return applies") << "Return" << false << true << 0;
        QTest::addRow("apply, restarts: one notice") << "applyButton" << true << true << 1;
        QTest::addRow("apply, no main window") << "applyButton" << true << false << 0;
    }
    void buttons()
    {
        QFETCH(QString, ending);
        QFETCH(bool, restart);
        QFETCH(bool, withMainWindow);
        QFETCH(int, notices);
        if (withMainWindow)
            mHost->showMainWindow();
        TestPanel* alpha = mHost->addPanel(mDialog.get(), "Alpha");
        mHost->settings().setValue("beta/row3", "stored");
        TestPanel* beta = mHost->addPanel(mDialog.get(), "Beta");
        const QByteArray before = mHost->storeBytes();
        show();
        alpha->needsRestart = beta->needsRestart = restart;
        zeltest::Type(alpha->control(1), "321");
        zeltest::Press(beta->getActionWidget());
        zeltest::Type(beta->control(3), "edited");
        zeltest::MessageBoxAnswerer answerer(QMessageBox::Ok);
        if (ending == "Escape" || ending == "Return")
            zeltest::Key(ending == "Escape" ? Qt::Key_Escape : Qt::Key_Return);
        else
            press(qPrintable(ending));
        const bool applied = ending == "applyButton" || ending == "Return";
        const bool reset = ending == "resetButton";
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
            QCOMPARE(mHost->storeBytes(), before);
            QCOMPARE(alpha->widgetValue(1), reset ? QString("321") : alpha->defaultValue(1));
            QCOMPARE(beta->widgetValue(3), reset ? beta->defaultValue(3) : QString("stored"));
        }
    }

    void nothingChangesBehindThePerson_data()
    {
        QTest::addColumn<QString>("flow");
        QTest::addRow("reopened after a change elsewhere, applied") << "reopened";
        QTest::addRow("Escape, reopened, applied") << "Escape";
        QTest::addRow("reset on another page, applied") << "reset elsewhere";
    }
    void nothingChangesBehindThePerson()
    {
        // Each flow ends with APPLY, yet the store keeps what it held: the person changed
        // nothing that is still pending.
        QFETCH(QString, flow);
        TestPanel* alpha = mHost->addPanel(mDialog.get(), "Alpha");
        TestPanel* beta = mHost->addPanel(mDialog.get(), "Beta");
        show();
        if (flow == "reopened") {
            press("cancelButton");
            // The command-line tool or another part of the host writes the store.
            QSettings elsewhere(mHost->settings().fileName(), QSettings::IniFormat);
            elsewhere.setValue("alpha/row1", "64");
            elsewhere.sync();
            show();
            QCOMPARE(alpha->widgetValue(1), QString("64"));
        } else if (flow == "Escape") {
            zeltest::Type(alpha->control(1), "64");
            zeltest::Key(Qt::Key_Escape);
            QVERIFY(!mDialog->isVisible());
            show();
            QCOMPARE(alpha->widgetValue(1), alpha->defaultValue(1));
        } else {
            zeltest::Type(alpha->control(1), "64");
            press("applyButton");
            show();
            zeltest::Press(beta->getActionWidget());
            press("resetButton");
            QCOMPARE(alpha->widgetValue(1), QString("64"));
        }
        const QByteArray before = mHost->storeBytes();
        press("applyButton");
        QCOMPARE(mHost->storeBytes(), before);
        QCOMPARE(mHost->settings().value("alpha/row1", "none").toString(),
                 QString(flow == "Escape" ? "none" : "64"));
    }

    void keyboardOnly()
    {
        // Open, Tab to a switch, Space, Return: stored. Again with Escape: nothing stored.
        // On the way, every button is a Tab stop that shows where the focus is.
        TestPanel* alpha = mHost->addPanel(mDialog.get(), "Alpha");
        TestPanel* beta = mHost->addPanel(mDialog.get(), "Beta");
        show();
        QWidgetList reached{QApplication::focusWidget()};
        QStringList unmarked;
        for (int step = 0; step < 50; ++step) {
            QWidget* left = QApplication::focusWidget();
            const QImage focused = left->grab().toImage();
            zeltest::Key(Qt::Key_Tab);
            if (left->grab().toImage() == focused)
                unmarked.append(left->objectName());
            if (reached.contains(QApplication::focusWidget()))
                break;
            reached.append(QApplication::focusWidget());
        }
        for (const char* name : {"closeButton", "resetButton", "applyButton", "cancelButton"})
            QVERIFY2(reached.contains(part(name)), name);
        QVERIFY2(unmarked.isEmpty(), qPrintable(unmarked.join(", ")));

        const QByteArray before = mHost->storeBytes();
        QVERIFY(tabTo(alpha->control(0)));
        zeltest::Key(Qt::Key_Space);
        zeltest::Key(Qt::Key_Return);
        QVERIFY(!mDialog->isVisible() && mDialog->result() == QDialog::Accepted);
        const QByteArray applied = mHost->storeBytes();
        QCOMPARE(applied, before + QByteArray("[alpha]\nrow0=false\n"));
        show();
        QVERIFY(tabTo(alpha->control(0)));
        zeltest::Key(Qt::Key_Space);
        zeltest::Key(Qt::Key_Escape);
        QVERIFY(!mDialog->isVisible() && mDialog->result() == QDialog::Rejected);
        QCOMPARE(mHost->storeBytes(), applied);
        QCOMPARE(alpha->widgetValue(0), QString("false"));
        // The tabs share one stop; the arrow keys and Space choose among them.
        show();
        QVERIFY(tabTo(alpha->getActionWidget()));
        zeltest::Key(Qt::Key_Right);
        zeltest::Key(Qt::Key_Space);
        QVERIFY(beta->isVisible() && alpha->isHidden());
        zeltest::Key(Qt::Key_Left);
        zeltest::Key(Qt::Key_Space);
        QVERIFY(alpha->isVisible() && beta->isHidden());
    }

    void everyControlNamed()
    {
        // Both hosts with their panels: every control that takes the focus has a name for
        // assistive tools, and the hosts' own names follow the translation.
        MarkingTranslator translator;
        QCoreApplication::installTranslator(&translator);
        auto* center = new zel::ZelControlCenter(mHost->application());
        mHost->showMainWindow(center);
        mHost->addPanel(center, "Alpha");
        mDialog = std::make_unique<zel::SettingsDialog>(mHost->application());
        mHost->addPanel(mDialog.get(), "Beta");
        QCoreApplication::removeTranslator(&translator);
        // Names that come from a panel (its controls, its tab) are the panel's own.
        const auto fromPanel = [](const QWidget* pControl) {
            for (const QWidget* widget = pControl; widget; widget = widget->parentWidget()) {
                if (qobject_cast<const TestPanel*>(widget))
                    return true;
            }
            return false;
        };
        QList<QWidget*> tabs;
        for (QWidget* host : {static_cast<QWidget*>(center->window()),
                              static_cast<QWidget*>(mDialog.get())}) {
            for (TestPanel* panel : host->findChildren<TestPanel*>())
                tabs.append(panel->getActionWidget());
        }
        QStringList unnamed, untranslated;
        for (QWidget* host : {static_cast<QWidget*>(center), center->settingsWidget(),
                              static_cast<QWidget*>(mDialog.get())}) {
            const QWidgetList controls = host->findChildren<QWidget*>() << host;
            for (QWidget* control : controls) {
                if (control->focusPolicy() == Qt::NoFocus || control->focusProxy()
                    || qobject_cast<QAbstractSpinBox*>(control->parentWidget()))
                    continue;
                const QString name =
                    QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
                if (name.isEmpty())
                    unnamed.append(control->objectName());
                else if (!tabs.contains(control) && !fromPanel(control) && !name.startsWith('~'))
                    untranslated.append(name);
            }
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(", ")));
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(", ")));
    }

    void heightAndCentring()
    {
        // Runs on the default offscreen screen and again on a laptop screen 768 pixels high,
        // where it opens 512 high. Every showing centres it again, on the screen or on the
        // main window, and reads the panels again; it never reaches beyond the screen.
        TestPanel* alpha = mHost->addPanel(mDialog.get(), "Alpha");
        const QRect available = mDialog->screen()->availableGeometry();
        const bool shortScreen = available.height() <= 768;
        const QSize expected = QSize(mDialog->width(), shortScreen ? 512 : mDialog->height())
                                   .boundedTo(available.size());
        for (int showing = 1; showing <= 3; ++showing) {
            if (showing == 3) {
                mHost->showMainWindow()->move(40, 30);
                QTRY_COMPARE(mHost->mainWindow()->pos(), QPoint(40, 30));
            }
            mDialog->show();
            QCOMPARE(mDialog->size(), expected);
            QRect centred(QPoint(), expected);
            centred.moveCenter(showing < 3 ? available.center()
                                           : mHost->mainWindow()->geometry().center());
            if (available.contains(centred))
                QCOMPARE(mDialog->geometry(), centred);
            QVERIFY(available.contains(mDialog->frameGeometry()));
            QVERIFY(alpha->refreshCount == showing && alpha->initializeCount == showing + 1);
            mDialog->hide();
            mDialog->move(0, 0);
        }
    }

    // A control half below the page's edge stays under the pointer while it is pressed, as a
    // link must for its release to open it; Tab, not the mouse, brings it into view.
    // Built ahead and left idle, the dialog lays its page out at the width that showing it
    // gives, gives its widgets their sizes and paints itself once: showing it then measures
    // none of its texts at another width, and only shows and paints.
    void readiedBeforeItIsShown()
    {
        TestPanel* panel = mHost->addPanel(mDialog.get(), "Alpha", 40);
        const QWidget* page = part<QScrollArea>("scrollArea")->widget();
        zeltest::EventCounter painted(QEvent::Paint);
        painted.watchTree(panel);
        QTRY_VERIFY(panel->width() > page->width() / 2 && panel->width() <= page->width()
                    && page->width() < part("scrollArea")->width() && painted.count() > 0);
        const QRect placed = panel->geometry();
        zeltest::EventCounter deferred(QEvent::Resize, zeltest::EventCounter::DeferredResize);
        deferred.watchTree(part("scrollArea"));
        show();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QCOMPARE(panel->x(), placed.x());
        QCOMPARE(panel->width(), placed.width());
        QCOMPARE(deferred.count(), 0);
    }

    void pressKeepsThePageStill()
    {
        TestPanel* panel = mHost->addPanel(mDialog.get(), "Alpha", 40);
        show();
        auto* page = part<QScrollArea>("scrollArea");
        QVERIFY(page && page->verticalScrollBar()->maximum() > 0);
        QWidget* control = panel->control(30);
        const int top = control->mapTo(page->widget(), QPoint()).y();
        page->verticalScrollBar()->setValue(top + control->height() / 2
                                            - page->viewport()->height());
        const int scrolled = page->verticalScrollBar()->value();
        QWindow* window = mDialog->windowHandle();
        const QPoint at = control->mapTo(mDialog.get(), QPoint(control->width() / 2, 2));
        QTest::mousePress(window, Qt::LeftButton, {}, at);
        QTRY_VERIFY(control->hasFocus());
        QCOMPARE(page->verticalScrollBar()->value(), scrolled);
        QTest::mouseRelease(window, Qt::LeftButton, {}, at);
        QCOMPARE(page->verticalScrollBar()->value(), scrolled);
    }

    void keptOnTheScreen_data()
    {
        QTest::addColumn<QRect>("window");
        QTest::addColumn<Qt::Edges>("touched");
        // The window in units of the screen's available area.
        QTest::addRow("larger than the screen") << QRect(-1, -1, 6, 6) << Qt::Edges();
        QTest::addRow("off to the right") << QRect(3, 1, 2, 2) << Qt::Edges(Qt::RightEdge);
        QTest::addRow("off to the left") << QRect(-2, 1, 2, 2) << Qt::Edges(Qt::LeftEdge);
        QTest::addRow("below") << QRect(1, 3, 2, 2) << Qt::Edges(Qt::BottomEdge);
    }
    void keptOnTheScreen()
    {
        QFETCH(QRect, window);
        QFETCH(Qt::Edges, touched);
        mHost->addPanel(mDialog.get(), "Alpha");
        const QRect available = mDialog->screen()->availableGeometry();
        const QSize unit = available.size() / 4;
        mHost->showMainWindow()->setGeometry(
            QRect(available.topLeft() + QPoint(window.x() * unit.width(),
                                               window.y() * unit.height()),
                  QSize(window.width() * unit.width(), window.height() * unit.height())));
        mDialog->show();
        // Within the screen's available area, and as near the window as it allows.
        const QRect placed = mDialog->frameGeometry();
        QVERIFY2(available.contains(placed), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                            .arg(placed.x())
                                                            .arg(placed.y())
                                                            .arg(placed.width())
                                                            .arg(placed.height())));
        const bool fillsWidth = placed.width() == available.width();
        QCOMPARE(placed.right() == available.right(),
                 touched.testFlag(Qt::RightEdge) || fillsWidth);
        QCOMPARE(placed.left() == available.left(), touched.testFlag(Qt::LeftEdge) || fillsWidth);
        QCOMPARE(placed.bottom() == available.bottom(),
                 touched.testFlag(Qt::BottomEdge) || placed.height() == available.height());
    }

    void destroyedInEitherOrder()
    {
        // A panel destroyed first takes its tab with it, and nothing that the dialog does
        // later reaches it.
        QStringList gone;
        QList<TestPanel*> panels;
        for (const char* name : {"Alpha", "Beta", "Gamma"}) {
            TestPanel* panel = mHost->addPanel(mDialog.get(), name);
            panels << panel;
            connect(panel, &QObject::destroyed, this, [&gone, name] { gone << name; });
            connect(panel->getActionWidget(), &QObject::destroyed, this,
                    [&gone, name] { gone << QStringLiteral("%1 tab").arg(name); });
        }
        TestPanel* beta = panels.at(1);
        beta->edit(3, "edited");
        delete panels.at(0);
        QCOMPARE(gone.size(), 2);
        QCOMPARE(part("settingsTableContent")->layout()->count(), 2);
        mDialog->selectPanel("Alpha");
        show();
        zeltest::Press(beta->getActionWidget());
        press("resetButton");
        press("cancelButton");
        show();
        press("applyButton");
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
