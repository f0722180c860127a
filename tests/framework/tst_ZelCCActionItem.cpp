#include "TestHost.h"

#include "ZelCCActionItem.h"
#include "ZelControlCenter.h"
#include "zelAction.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

#include <memory>
#include <vector>

using zel::ZelCCActionItem;
using zel::ZelControlCenter;
using zel::zelAction;

class tst_ZelCCActionItem : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void itemForm();
    void itemShowsTheAction();
    void itemFollowsTheAction_data();
    void itemFollowsTheAction();

    void settingsHeadsTheList();
    void anchors_data();
    void anchors();
    void separators();
    void separatorWidth();
    void separatorIsDrawn();
    void duplicateRegistration();
    void destroyedActionLeavesTheList();
    void triggeringClosesTheMenu();

private:
    zelAction* action(const QString& pName, const QString& pGuiName = QString());
    QStringList listing() const;
    QLayout* actionLayout() const;
    ZelCCActionItem* itemOf(const zelAction* pAction) const;

    std::unique_ptr<TestHost> mHost;
    std::unique_ptr<ZelControlCenter> mCenter;
    std::vector<std::unique_ptr<zelAction>> mActions;
};

void tst_ZelCCActionItem::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void tst_ZelCCActionItem::init()
{
    mHost = std::make_unique<TestHost>();
    mCenter = std::make_unique<ZelControlCenter>(mHost->application());
}

void tst_ZelCCActionItem::cleanup()
{
    mHost->closeMainWindow();
    mCenter.reset();
    mActions.clear();
    mHost.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

zelAction* tst_ZelCCActionItem::action(const QString& pName, const QString& pGuiName)
{
    mActions.push_back(
        std::make_unique<zelAction>(pName, pGuiName.isEmpty() ? pName : pGuiName));
    return mActions.back().get();
}

QLayout* tst_ZelCCActionItem::actionLayout() const
{
    return mCenter->findChild<QWidget*>("actionFrame")->layout();
}

// The list from the top: action names, "|name" for separators.
QStringList tst_ZelCCActionItem::listing() const
{
    QStringList names;
    QLayout* layout = actionLayout();
    for (int i = 0; i < layout->count(); ++i) {
        QWidget* widget = layout->itemAt(i)->widget();
        if (auto* item = qobject_cast<ZelCCActionItem*>(widget))
            names.append(item->getZelAction()->getActionName());
        else if (widget)
            names.append(QLatin1Char('|') + widget->objectName());
    }
    return names;
}

ZelCCActionItem* tst_ZelCCActionItem::itemOf(const zelAction* pAction) const
{
    const auto items = mCenter->findChildren<ZelCCActionItem*>();
    for (ZelCCActionItem* item : items) {
        if (item->getZelAction() == pAction)
            return item;
    }
    return nullptr;
}

void tst_ZelCCActionItem::itemForm()
{
    zelAction* open = action("Open");
    ZelCCActionItem item(open);
    QCOMPARE(item.objectName(), QString("ZelCCActionItem"));
    QCOMPARE(item.getZelAction(), open);
    QCOMPARE(item.styleSheet(),
             QString("QPushButton{\n\tborder:none;\n\tbackground:transparent;\n"
                     "\tfont: 14px \"Open Sans\";\n\tcolor:white;\n\ttext-align:left;\n}\n"
                     "QLabel{\n\tfont: 10px \"Open Sans\";\n\tcolor:black;\n}\n"));
    auto* button = item.findChild<QPushButton*>("actionButton");
    QVERIFY(button);
    QCOMPARE(button->sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
    QCOMPARE(button->sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
    QCOMPARE(button->cursor().shape(), Qt::PointingHandCursor);
    QVERIFY(item.findChild<QLabel*>("shortcut"));
}

void tst_ZelCCActionItem::itemShowsTheAction()
{
    zelAction* open = action("Open", "Open file");
    open->setShortcut(QKeySequence("Ctrl+O"));
    open->setStatusTip("Opens a product");
    open->setToolTip("Open a product file");
    QWidget parent;
    ZelCCActionItem item(open, &parent);
    auto* button = item.findChild<QPushButton*>("actionButton");
    auto* shortcut = item.findChild<QLabel*>("shortcut");

    QCOMPARE(button->text(), QString("Open file"));
    QCOMPARE(shortcut->text(), QString("Ctrl+O"));
    QVERIFY(!shortcut->isHidden());
    QCOMPARE(item.statusTip(), QString("Opens a product"));
    QCOMPARE(item.toolTip(), QString("Open a product file"));
    QVERIFY(!item.isHidden());

    // The button triggers the action.
    QSignalSpy triggered(open, &QAction::triggered);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(triggered.count(), 1);

    ZelCCActionItem bare(action("Bare"), &parent);
    QVERIFY(bare.findChild<QLabel*>("shortcut")->isHidden());
    QCOMPARE(bare.findChild<QPushButton*>("actionButton")->text(), QString("Bare"));
}

void tst_ZelCCActionItem::itemFollowsTheAction_data()
{
    QTest::addColumn<QString>("change");
    QTest::addRow("display name") << "name";
    QTest::addRow("shortcut") << "shortcut";
    QTest::addRow("shortcut removed") << "no shortcut";
    QTest::addRow("tips") << "tips";
    QTest::addRow("hidden") << "hidden";
    QTest::addRow("shown again") << "shown";
    QTest::addRow("disabled") << "disabled";
}

void tst_ZelCCActionItem::itemFollowsTheAction()
{
    QFETCH(QString, change);
    zelAction* save = action("Save");
    save->setShortcut(QKeySequence("Ctrl+S"));
    mCenter->registerCCAction(save, "Settings", true);
    ZelCCActionItem* item = itemOf(save);
    auto* button = item->findChild<QPushButton*>("actionButton");
    auto* shortcut = item->findChild<QLabel*>("shortcut");

    if (change == "name") {
        save->setActionGuiName("Save as");
        QCOMPARE(button->text(), QString("Save as"));
    } else if (change == "shortcut") {
        save->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
        QCOMPARE(shortcut->text(), QString("Ctrl+Shift+S"));
        QVERIFY(!shortcut->isHidden());
    } else if (change == "no shortcut") {
        save->setShortcut(QKeySequence());
        QVERIFY(shortcut->isHidden());
        QCOMPARE(shortcut->text(), QString("Ctrl+S"));
    } else if (change == "tips") {
        save->setStatusTip("Saves the product");
        save->setToolTip("Save the product");
        QCOMPARE(item->statusTip(), QString("Saves the product"));
        QCOMPARE(item->toolTip(), QString("Save the product"));
    } else if (change == "hidden") {
        save->setVisible(false);
        QVERIFY(item->isHidden());
    } else if (change == "shown") {
        save->setVisible(false);
        save->setVisible(true);
        QVERIFY(!item->isHidden());
    } else {
        save->setEnabled(false);
        QVERIFY(!button->isEnabled());
        save->setEnabled(true);
        QVERIFY(button->isEnabled());
    }
}

void tst_ZelCCActionItem::settingsHeadsTheList()
{
    QCOMPARE(listing(), QStringList{"Settings"});
    mCenter->registerCCAction(action("Open"));
    QCOMPARE(listing(), (QStringList{"Open", "Settings"}));
}

void tst_ZelCCActionItem::anchors_data()
{
    QTest::addColumn<QString>("anchor");
    QTest::addColumn<bool>("after");
    QTest::addColumn<QStringList>("expected");

    QTest::addRow("no anchor: on top") << QString() << true
                                       << QStringList{"Close", "Settings", "Open", "Save"};
    QTest::addRow("after an action") << "Open" << true
                                     << QStringList{"Settings", "Open", "Close", "Save"};
    QTest::addRow("before an action") << "Open" << false
                                      << QStringList{"Settings", "Close", "Open", "Save"};
    QTest::addRow("after the last") << "Save" << true
                                    << QStringList{"Settings", "Open", "Save", "Close"};
    QTest::addRow("before the first") << "Settings" << false
                                      << QStringList{"Close", "Settings", "Open", "Save"};
    QTest::addRow("missing anchor: at the bottom")
        << "Missing" << false << QStringList{"Settings", "Open", "Save", "Close"};
    QTest::addRow("display names are not anchors")
        << "Open file" << false << QStringList{"Settings", "Open", "Save", "Close"};
}

void tst_ZelCCActionItem::anchors()
{
    QFETCH(QString, anchor);
    QFETCH(bool, after);
    QFETCH(QStringList, expected);

    mCenter->registerCCAction(action("Open", "Open file"), "Settings", true);
    mCenter->registerCCAction(action("Save"), "Open", true);
    mCenter->addCCSeparator("files", "Open");
    QCOMPARE(listing(), (QStringList{"Settings", "|", "Open", "Save"}));

    mCenter->registerCCAction(action("Close"), anchor, after);
    QStringList actions = listing();
    actions.removeAll("|");
    QCOMPARE(actions, expected);
}

void tst_ZelCCActionItem::separators()
{
    mCenter->registerCCAction(action("Open"), "Settings", true);
    mCenter->registerCCAction(action("Save"), "Open", true);

    QVERIFY(mCenter->addCCSeparator("files", "Save"));
    QVERIFY(mCenter->addCCSeparator("top", QString()));
    QVERIFY(mCenter->addCCSeparator("lost", "Missing"));
    const QStringList expected{"|", "Settings", "Open", "|", "Save", "|"};
    QCOMPARE(listing(), expected);

    // A name is taken once; the list stays as it was.
    QVERIFY(!mCenter->addCCSeparator("files", "Open"));
    QCOMPARE(listing(), expected);

    // A later action anchored before the same action lands below the separator.
    mCenter->registerCCAction(action("Export"), "Save", false);
    QCOMPARE(listing(), (QStringList{"|", "Settings", "Open", "|", "Export", "Save", "|"}));

    QWidget* files = actionLayout()->itemAt(3)->widget();
    QCOMPARE(files->minimumHeight(), 1);
    QCOMPARE(files->maximumHeight(), 1);

    QVERIFY(!mCenter->setCCSeparatorVisible("never added", false));
    QVERIFY(mCenter->setCCSeparatorVisible("files", false));
    QVERIFY(files->isHidden());
    QVERIFY(mCenter->setCCSeparatorVisible("files", true));
    QVERIFY(!files->isHidden());
}

void tst_ZelCCActionItem::separatorIsDrawn()
{
    // A faint line over the control center's background, with Qt 5 and Qt 6 alike.
    QVERIFY(mCenter->addCCSeparator("line", "Settings"));
    QWidget* line = actionLayout()->itemAt(0)->widget();
    mCenter->resize(250, 200);
    mCenter->show();
    QVERIFY(QTest::qWaitForWindowExposed(mCenter.get()));

    const QImage image = mCenter->grab().toImage();
    const QPoint onLine = line->mapTo(mCenter.get(), QPoint(5, 0));
    const QPoint above = onLine - QPoint(0, 3);
    QCOMPARE(line->height(), 1);
    QVERIFY2(image.pixelColor(onLine).lightness() < image.pixelColor(above).lightness(),
             "the separator does not show");
}

void tst_ZelCCActionItem::separatorWidth()
{
    // Open: the separator spans the menu less its inset, and keeps that width.
    ZelControlCenter* center = mCenter.release();
    mHost->showMainWindow(center);
    center->openMenu(true);
    QTRY_VERIFY(center->isMenuOpen());
    QVERIFY(center->addCCSeparator("open", QString()));
    QWidget* open = center->findChild<QWidget*>("actionFrame")->layout()->itemAt(0)->widget();
    QCOMPARE(open->minimumWidth(), 232);
    QCOMPARE(open->maximumWidth(), 232);
    center->setControlCenterWidth(300);
    QCOMPARE(open->maximumWidth(), 232);

    // Closed, the control center is 0 wide: a separator added then still spans the menu.
    center->openMenu(false);
    QTRY_VERIFY(!center->isMenuOpen() && center->isHidden());
    QCOMPARE(center->width(), 0);
    QVERIFY(center->addCCSeparator("closed", QString()));
    QWidget* closed = center->findChild<QWidget*>("actionFrame")->layout()->itemAt(0)->widget();
    QCOMPARE(closed->maximumWidth(), 232);
}

void tst_ZelCCActionItem::duplicateRegistration()
{
    zelAction* open = action("Open");
    mCenter->registerCCAction(open);
    mCenter->registerCCAction(open, "Settings", true);
    QCOMPARE(listing(), (QStringList{"Open", "Settings", "Open"}));

    QPointer<ZelCCActionItem> first = itemOf(open);
    mCenter->unregisterCCAction(open);
    QCOMPARE(listing(), QStringList{"Settings"});
    QVERIFY(first.isNull());

    // An action that was never registered changes nothing.
    mCenter->unregisterCCAction(action("Other"));
    QCOMPARE(listing(), QStringList{"Settings"});
}

void tst_ZelCCActionItem::destroyedActionLeavesTheList()
{
    zelAction* open = action("Open");
    mCenter->registerCCAction(open, "Settings", true);
    mCenter->registerCCAction(action("Save"), "Open", true);
    QPointer<ZelCCActionItem> item = itemOf(open);

    mActions.front().reset();
    QVERIFY(item.isNull());
    QCOMPARE(listing(), (QStringList{"Settings", "Save"}));

    mCenter->registerCCAction(action("Close"), "Save", false);
    QCOMPARE(listing(), (QStringList{"Settings", "Close", "Save"}));
}

void tst_ZelCCActionItem::triggeringClosesTheMenu()
{
    zelAction* open = action("Open");
    zelAction* kept = action("Kept");
    mCenter->registerCCAction(open, "Settings", true);
    mCenter->registerCCAction(kept, "Settings", true);
    mCenter->unregisterCCAction(kept);
    QPushButton* openButton = itemOf(open)->findChild<QPushButton*>("actionButton");
    ZelControlCenter* center = mCenter.release();
    mHost->showMainWindow(center);
    center->openMenu(true);
    QTRY_VERIFY(center->isMenuOpen());

    // An unregistered action no longer closes the menu.
    kept->trigger();
    QCoreApplication::processEvents();
    QVERIFY(center->isMenuOpen());
    QCOMPARE(center->controlCenterWidth(), 250);

    QTest::mouseClick(openButton, Qt::LeftButton);
    QTRY_VERIFY(!center->isMenuOpen() && center->isHidden());
    QVERIFY(!center->isMenuOpen());
}

QTEST_MAIN(tst_ZelCCActionItem)
#include "tst_ZelCCActionItem.moc"
