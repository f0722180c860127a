#include "GridSettingsPanel.h"
#include "PanelHarness.h"
#include "SettingsDialog.h"

using example::GridSettingsPanel;

// The example panel as a host uses it: its keys checked at start-up, then edited in the
// settings dialog by a person.
class tst_GridSettingsPanel : public QObject
{
    Q_OBJECT

    std::unique_ptr<zeltest::PanelHarness> mHarness;
    std::unique_ptr<zel::SettingsDialog> mDialog;
    GridSettingsPanel* mPanel = nullptr;
    std::unique_ptr<QSignalSpy> mChanged;

    QByteArray storeBytes()
    {
        mHarness->mSettings.sync();
        QFile file(mHarness->mSettings.fileName());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Every key of the store on disk but the panel's own, with its value.
    QMap<QString, QVariant> otherKeys()
    {
        mHarness->mSettings.sync();
        QSettings store(mHarness->mSettings.fileName(), QSettings::IniFormat);
        QMap<QString, QVariant> values;
        for (const QString& key : store.allKeys()) {
            if (!key.startsWith(QLatin1String("grid/")))
                values.insert(key, store.value(key));
        }
        return values;
    }
    // The dialog with the panel, open, as the host shows it; filling it is no edit.
    void openDialog()
    {
        mDialog = std::make_unique<zel::SettingsDialog>(&mHarness->mApplication);
        mPanel = new GridSettingsPanel(&mHarness->mApplication, mHarness->mSettings);
        mChanged = std::make_unique<QSignalSpy>(mPanel, &GridSettingsPanel::stateChanged);
        mDialog->registerSettingsPanel(mPanel);
        mDialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(mDialog.get()));
        QVERIFY(mChanged->isValid() && mChanged->isEmpty());
    }
    // At the widget's centre, or at a check box's indicator, where a person aims.
    void click(const char* pName)
    {
        QWidget* widget = zeltest::Child<QWidget>(mDialog.get(), pName);
        QPoint point = widget->rect().center();
        if (qobject_cast<QCheckBox*>(widget)) {
            QStyleOptionButton option;
            option.initFrom(widget);
            point = widget->style()
                        ->subElementRect(QStyle::SE_CheckBoxIndicator, &option, widget)
                        .center();
        }
        QTest::mouseClick(mDialog->windowHandle(), Qt::LeftButton, {},
                          widget->mapTo(mDialog.get(), point));
    }
    void typeSpacing(const QString& pText)
    {
        click("gridSpacingSpinBox");
        QTRY_VERIFY(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), pText);
    }

private Q_SLOTS:
    void initTestCase()
    {
        GridSettingsPanel::RegisterSettings();
        zeltest::InitTestCase();
    }
    void init() { mHarness = std::make_unique<zeltest::PanelHarness>(); }
    void cleanup()
    {
        mChanged.reset();
        mDialog.reset();
        mHarness.reset();
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void startUpCheck_data()
    {
        QTest::addColumn<QString>("visible");
        QTest::addColumn<QString>("spacing");
        QTest::addColumn<QString>("checkedVisible");
        QTest::addColumn<QString>("checkedSpacing");
        QTest::addRow("kept") << "false" << "1000" << "false" << "1000";
        QTest::addRow("missing") << QString() << QString() << "true" << "10";
        QTest::addRow("repaired") << "maybe" << "0" << "true" << "10";
        QTest::addRow("too wide") << "true" << "1001" << "true" << "10";
        QTest::addRow("not a number") << "false" << "ten" << "false" << "10";
    }
    void startUpCheck()
    {
        QFETCH(QString, visible);
        QFETCH(QString, spacing);
        if (!visible.isNull())
            mHarness->mSettings.setValue(GridSettingsPanel::msVisibleKey, visible);
        if (!spacing.isNull())
            mHarness->mSettings.setValue(GridSettingsPanel::msSpacingKey, spacing);
        QVERIFY(mHarness->checkStore());
        QTEST(mHarness->stored(GridSettingsPanel::msVisibleKey), "checkedVisible");
        QTEST(mHarness->stored(GridSettingsPanel::msSpacingKey), "checkedSpacing");
    }

    void applyInTheDialog_data()
    {
        QTest::addColumn<bool>("toggle");
        QTest::addColumn<QString>("spacing");
        QTest::addColumn<int>("notices");
        QTest::addRow("grid hidden: at once") << true << QString() << 0;
        QTest::addRow("new spacing: after a restart") << false << "25" << 1;
        QTest::addRow("both") << true << "250" << 1;
    }
    void applyInTheDialog()
    {
        QFETCH(bool, toggle);
        QFETCH(QString, spacing);
        QFETCH(int, notices);
        QVERIFY(mHarness->checkStore());
        const QByteArray before = storeBytes();
        const QMap<QString, QVariant> others = otherKeys();
        openDialog();
        if (toggle)
            click("gridVisibleCheckBox");
        if (!spacing.isNull())
            typeSpacing(spacing);
        QVERIFY(mPanel->hasModifications() && !mChanged->isEmpty());
        QCOMPARE(storeBytes(), before);

        int shown = 0;
        zeltest::AnswerModal<QMessageBox>(&mHarness->mAnswers, [&shown](QMessageBox* pBox) {
            ++shown;
            pBox->accept();
        });
        click("applyButton");
        QTRY_VERIFY(!mDialog->isVisible());
        QCOMPARE(shown, notices);
        QCOMPARE(mHarness->stored(GridSettingsPanel::msVisibleKey),
                 QString(toggle ? "false" : "true"));
        QCOMPARE(mHarness->stored(GridSettingsPanel::msSpacingKey),
                 spacing.isNull() ? QString("10") : spacing);
        QCOMPARE(otherKeys(), others);
        QVERIFY(!mPanel->hasModifications());
    }

    // Cancel leaves the store as it was; reset brings the defaults, which apply stores.
    void cancelThenReset()
    {
        mHarness->mSettings.setValue(GridSettingsPanel::msSpacingKey, "40");
        QVERIFY(mHarness->checkStore());
        const QByteArray before = storeBytes();
        openDialog();
        click("gridVisibleCheckBox");
        typeSpacing("7");
        click("cancelButton");
        QTRY_VERIFY(!mDialog->isVisible());
        QCOMPARE(storeBytes(), before);
        QVERIFY(!mPanel->hasModifications() && mPanel->canResetContent());

        mDialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(mDialog.get()));
        mChanged->clear();
        click("resetButton");
        QVERIFY(!mPanel->canResetContent() && mPanel->hasModifications());
        QCOMPARE(mChanged->count(), 1);
        QCOMPARE(storeBytes(), before);
        zeltest::AnswerModal<QMessageBox>(&mHarness->mAnswers, [](QMessageBox* pBox) {
            pBox->accept();
        });
        click("applyButton");
        QTRY_VERIFY(!mDialog->isVisible());
        QCOMPARE(mHarness->stored(GridSettingsPanel::msSpacingKey), QString("10"));
    }
};

QTEST_MAIN(tst_GridSettingsPanel)
#include "tst_GridSettingsPanel.moc"
