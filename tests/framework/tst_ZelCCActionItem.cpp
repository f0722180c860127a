#include "TestHost.h"

#include "ZelCCActionItem.h"
#include "zelAction.h"

#include <QHash>
#include <QImage>
#include <QLabel>
#include <QSignalSpy>

#include <cmath>
#include <vector>

using zel::ZelCCActionItem;
using zel::zelAction;

class tst_ZelCCActionItem : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestHost> mHost;
    QPointer<zel::ZelControlCenter> mCenter;
    std::vector<std::unique_ptr<zelAction>> mActions;

    zelAction* action(const QString& pName)
    {
        mActions.push_back(std::make_unique<zelAction>(pName, pName + QStringLiteral(" file")));
        return mActions.back().get();
    }
    QLayout* list() const { return mCenter->findChild<QWidget*>("actionFrame")->layout(); }
    template<typename T = QWidget> T* row(int pIndex) const
    {
        return qobject_cast<T*>(list()->itemAt(pIndex)->widget());
    }
    // The contrast between a text and its background: the commonest colour in the picture
    // is the background, the colour farthest from it in luminance is the text.
    static double textContrast(const QImage& pPicture)
    {
        const auto luminance = [](QRgb pColour) {
            const auto channel = [](int pValue) {
                const double c = pValue / 255.0;
                return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
            };
            return 0.2126 * channel(qRed(pColour)) + 0.7152 * channel(qGreen(pColour))
                + 0.0722 * channel(qBlue(pColour));
        };
        QHash<QRgb, int> counts;
        for (int y = 0; y < pPicture.height(); ++y) {
            for (int x = 0; x < pPicture.width(); ++x)
                ++counts[pPicture.pixel(x, y)];
        }
        QRgb background = 0;
        for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
            if (it.value() > counts.value(background))
                background = it.key();
        }
        double ratio = 1.0;
        const double base = luminance(background) + 0.05;
        for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
            const double other = luminance(it.key()) + 0.05;
            ratio = qMax(ratio, qMax(other, base) / qMin(other, base));
        }
        return ratio;
    }
    // The list from the top: action names, "|" for separators.
    QStringList listing() const
    {
        QStringList names;
        for (int i = 0; i < list()->count(); ++i) {
            if (auto* item = row<ZelCCActionItem>(i))
                names.append(item->getZelAction()->getActionName());
            else if (row(i))
                names.append(QStringLiteral("|"));
        }
        return names;
    }

private Q_SLOTS:
    void initTestCase() { TestHost::PrepareTestRun(); }
    void init()
    {
        mHost = std::make_unique<TestHost>();
        mCenter = new zel::ZelControlCenter(mHost->application());
    }
    void cleanup()
    {
        delete mCenter;
        mActions.clear();
        mHost.reset();
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void itemFollowsTheAction()
    {
        zelAction* save = action("Save");
        save->setShortcut(QKeySequence("Ctrl+S"));
        save->setToolTip("Save the product");
        mCenter->registerCCAction(save, "Settings", true);
        auto* item = row<ZelCCActionItem>(1);
        auto* button = item->findChild<QPushButton*>("actionButton");
        auto* shortcut = item->findChild<QLabel*>("shortcut");
        QVERIFY(button->text() == "Save file" && shortcut->text() == "Ctrl+S");
        QCOMPARE(item->toolTip(), QString("Save the product"));
        QSignalSpy triggered(save, &QAction::triggered);
        mCenter->resize(250, 300);
        mCenter->show();
        QVERIFY(QTest::qWaitForWindowExposed(mCenter));
        zeltest::Press(button);
        QCOMPARE(triggered.count(), 1);
        // Every change of the action shows at once.
        save->setActionGuiName("Save as");
        QCOMPARE(button->text(), QString("Save as"));
        save->setShortcut(QKeySequence());
        QVERIFY(shortcut->isHidden());
        save->setStatusTip("Saves it");
        QCOMPARE(item->statusTip(), QString("Saves it"));
        save->setVisible(false);
        QVERIFY(item->isHidden());
        save->setEnabled(false);
        QVERIFY(!button->isEnabled());
    }

    void anchors_data()
    {
        QTest::addColumn<QString>("anchor");
        QTest::addColumn<bool>("after");
        QTest::addColumn<QStringList>("expected");
        using L = QStringList;
        const L atBottom{"Settings", "Open", "Save", "Close"};
        const L onTop{"Close", "Settings", "Open", "Save"};
        QTest::addRow("no anchor: on top") << QString() << true << onTop;
        QTest::addRow("after one") << "Open" << true << L{"Settings", "Open", "Close", "Save"};
        QTest::addRow("before one") << "Open" << false << L{"Settings", "Close", "Open", "Save"};
        QTest::addRow("after the last") << "Save" << true << atBottom;
        QTest::addRow("before the first") << "Settings" << false << onTop;
        QTest::addRow("missing anchor: at the bottom") << "Missing" << false << atBottom;
        QTest::addRow("display names are not anchors") << "Open file" << false << atBottom;
    }
    void anchors()
    {
        QFETCH(QString, anchor);
        QFETCH(bool, after);
        QFETCH(QStringList, expected);
        QCOMPARE(listing(), QStringList{"Settings"});
        mCenter->registerCCAction(action("Open"), "Settings", true);
        mCenter->registerCCAction(action("Save"), "Open", true);
        mCenter->addCCSeparator("files", "Open");
        mCenter->registerCCAction(action("Close"), anchor, after);
        QStringList actions = listing();
        actions.removeAll("|");
        QCOMPARE(actions, expected);
    }

    void separatorsAreDrawn()
    {
        mCenter->registerCCAction(action("Open"), "Settings", true);
        mCenter->registerCCAction(action("Save"), "Open", true);
        QVERIFY(mCenter->addCCSeparator("files", "Save"));
        QVERIFY(mCenter->addCCSeparator("top", QString()));
        QVERIFY(mCenter->addCCSeparator("lost", "Missing"));
        // Before the menu ever opened, they span it less their inset, whatever the form's
        // own width.
        QCOMPARE(row(0)->maximumWidth(), 232);
        // A name is taken once.
        QVERIFY(!mCenter->addCCSeparator("files", "Open"));
        // A later action anchored before the same action lands below the separator.
        mCenter->registerCCAction(action("Export"), "Save", false);
        QCOMPARE(listing(), (QStringList{"|", "Settings", "Open", "|", "Export", "Save", "|"}));
        QVERIFY(!mCenter->setCCSeparatorVisible("never added", false));
        QVERIFY(mCenter->setCCSeparatorVisible("files", false) && row(3)->isHidden());
        QVERIFY(mCenter->setCCSeparatorVisible("files", true) && !row(3)->isHidden());
        // A faint line over the control center's background, with Qt 5 and Qt 6 alike.
        mCenter->resize(250, 300);
        mCenter->show();
        QVERIFY(QTest::qWaitForWindowExposed(mCenter));
        const QImage image = mCenter->grab().toImage();
        const QPoint onLine = row(0)->mapTo(mCenter, QPoint(5, 0));
        QCOMPARE(row(0)->height(), 1);
        QVERIFY2(image.pixelColor(onLine).lightness()
                     < image.pixelColor(onLine - QPoint(0, 3)).lightness(),
                 "the separator does not show");
    }

    void separatorWidthAndTriggering()
    {
        // The separator spans the menu less its inset, also when added while the menu is
        // closed and the control center 0 wide.
        zelAction* open = action("Open");
        zelAction* kept = action("Kept");
        mCenter->registerCCAction(open, "Settings", true);
        mCenter->registerCCAction(kept, "Settings", true);
        mCenter->unregisterCCAction(kept);
        mHost->showMainWindow(mCenter);
        mCenter->openMenu(true);
        QTRY_VERIFY(mCenter->isMenuOpen());
        // An unregistered action no longer closes the menu; a listed one does.
        kept->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(mCenter->controlCenterWidth(), 250);
        QVERIFY(mCenter->addCCSeparator("open", QString()));
        mCenter->setControlCenterWidth(300);
        QVERIFY(row(0)->minimumWidth() == 232 && row(0)->maximumWidth() == 232);
        open->trigger();
        QTRY_VERIFY(!mCenter->isMenuOpen() && mCenter->isHidden() && mCenter->width() == 0);
        QVERIFY(mCenter->addCCSeparator("closed", QString()));
        QCOMPARE(row(0)->maximumWidth(), 232);
    }

    void readableOverTheWorkArea()
    {
        // With the library's sheet, the control center paints its own background over the
        // host's window, and each item's text and shortcut stand out from what lies behind.
        zelAction* open = action("Open");
        open->setShortcut(QKeySequence("Ctrl+O"));
        mCenter->registerCCAction(open, "Settings", true);
        mHost->showMainWindow(mCenter);
        mCenter->openMenu(true);
        QTRY_VERIFY(mCenter->isMenuOpen());
        const QImage window = mCenter->window()->grab().toImage();
        QWidget* below = mCenter->findChild<QWidget*>("mainPanel");
        QCOMPARE(window.pixelColor(below->mapTo(mCenter->window(), QPoint(20, below->height() - 20))),
                 QColor(Qt::white));
        for (const char* name : {"actionButton", "shortcut"}) {
            for (auto* part : mCenter->findChildren<QWidget*>(name)) {
                if (part->isHidden())
                    continue;
                const double contrast = textContrast(
                    window.copy(QRect(part->mapTo(mCenter->window(), QPoint()), part->size())));
                QVERIFY2(contrast >= 4.5, qPrintable(QStringLiteral("%1 of %2: %3:1")
                                                         .arg(name)
                                                         .arg(part->parentWidget()->findChild<QPushButton*>()->text())
                                                         .arg(contrast)));
            }
        }
    }

    void destroyedActionLeavesTheList()
    {
        zelAction* open = action("Open");
        mCenter->registerCCAction(open);
        mCenter->registerCCAction(open, "Settings", true);
        zelAction* save = action("Save");
        mCenter->registerCCAction(save);
        QCOMPARE(listing(), (QStringList{"Save", "Open", "Settings", "Open"}));
        // Unregistering takes every item of the action; others change nothing.
        mCenter->unregisterCCAction(open);
        mCenter->unregisterCCAction(action("Other"));
        QCOMPARE(listing(), (QStringList{"Save", "Settings"}));
        QPointer<QWidget> item = row(0);
        mActions.at(1).reset();
        QVERIFY(item.isNull());
        QCOMPARE(listing(), QStringList{"Settings"});
    }
};

QTEST_MAIN(tst_ZelCCActionItem)
#include "tst_ZelCCActionItem.moc"
