#include "PanelFixture.h"

#include <algorithm>

using namespace zel;

namespace {

// The label that names pControl's row.
QLabel* Label(const QWidget* pControl)
{
    const QWidget* panel = pControl;
    while (!qobject_cast<const ZelSettingsPanel*>(panel))
        panel = panel->parentWidget();
    for (QLabel* label : panel->findChildren<QLabel*>()) {
        if (label->buddy() == pControl)
            return label;
    }
    qFatal("no label for %s", qPrintable(pControl->objectName()));
    return nullptr;
}

// The mark named pName beside the label of pControl's row, or in a group box row's own box.
QWidget* Mark(const QWidget* pControl, const char* pName)
{
    if (qobject_cast<const QGroupBox*>(pControl))
        return zeltest::Child<QWidget>(pControl, pName);
    return zeltest::Child<QWidget>(Label(pControl)->parentWidget(), pName);
}

// The space between each shown section's frame and the next shown section's header, in
// the order of the pane.
QList<int> SectionGaps(const QWidget* pContent)
{
    QList<QPair<int, int>> sections;
    for (QWidget* header : pContent->findChildren<QWidget*>()) {
        if (!header->isVisible()
            || !header->property("class").toString().split(QLatin1Char(' ')).contains(
                QStringLiteral("sectionHeader")))
            continue;
        // The frame that follows the header in its parent's layout.
        const QLayout* layout = header->parentWidget()->layout();
        QLayoutItem* next = layout ? layout->itemAt(layout->indexOf(header) + 1) : nullptr;
        const QWidget* frame = next && next->widget() ? next->widget() : header;
        sections.append({header->mapTo(pContent, QPoint()).y(),
                         frame->mapTo(pContent, QPoint(0, frame->height())).y()});
    }
    std::sort(sections.begin(), sections.end());
    QList<int> gaps;
    for (int index = 1; index < sections.size(); ++index)
        gaps.append(sections[index].first - sections[index - 1].second);
    return gaps;
}

bool Dimmed(const ZelSettingsPanel* pPanel)
{
    return pPanel->getActionWidget()->property("searchDimmed").toBool();
}

} // namespace

// The settings guide as a person meets it in either host: the search, the marks of changed
// and non-default rows, the reset of one row, and the restart hints.
class tst_ZelSettingsGuide : public zeltest::PanelFixture
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { PrepareRun(); }
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    void search_data() { HostRows(); }
    void search()
    {
        QFETCH(bool, dialog);
        open(dialog);
        QWidget* decimals = child("nbDecimals_spinBox");
        QWidget* toolPanel = child("displayToolCheckbox");
        QWidget* annotations = child("loadAnnotationsCheckBox", 1);
        auto* noMatch = zeltest::Child<QLabel>(mHost.get(), "noSettingMatches");

        typeSearch(QStringLiteral("DECIMALS"));
        QTRY_VERIFY(decimals->isVisible());
        QVERIFY(!toolPanel->isVisible());
        QVERIFY(!Dimmed(panel()));
        QVERIFY(Dimmed(panel(1)));
        QVERIFY(!noMatch->isVisible());
        QVERIFY(child<QLabel>("nbDecimalsLabel")->text().contains(QLatin1String("<span")));

        // Accents and case do not count; the host brings the panel with the match into view.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_Adiaeresis,
                            QStringLiteral("\u00C4"), Qt::NoModifier);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("nnotAtions"));
        QTRY_VERIFY2(annotations->isVisible(), qPrintable(searchField()->text()));
        QVERIFY(!decimals->isVisible());
        QVERIFY(Dimmed(panel()));
        QVERIFY(!Dimmed(panel(1)));

        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral(" zz"));
        QTRY_VERIFY(noMatch->isVisible());
        QCOMPARE(noMatch->text(), QStringLiteral("No setting matches"));
        QVERIFY(!annotations->isVisible());

        // Escape clears the search and leaves the host open.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(searchField()->text(), QString());
        QVERIFY(mHost->isVisible());
        QTRY_VERIFY(!noMatch->isVisible());
        QVERIFY(!Dimmed(panel(1)));
        QCOMPARE(child<QLabel>("nbDecimalsLabel")->text(), QStringLiteral("Number of decimals"));
        if (!dialog)
            QVERIFY(decimals->isVisible() && toolPanel->isVisible() && annotations->isVisible());

        // The key and the tool tip are searched too, each word on its own.
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("lengths NBdecimals"));
        QTRY_VERIFY(!toolPanel->isVisible());
        QVERIFY(decimals->isVisible());
    }

    void searchLeavesNoGap()
    {
        open(false);
        // Laid out as the viewer does: the pane beside the control center, as tall as the
        // window, so that it is taller than the sections that a search leaves.
        auto* center = static_cast<ZelControlCenter*>(mHost.get());
        QWidget* pane = center->settingsWidget();
        pane->setGeometry(250, 0, pane->width(), center->height());
        QWidget* content = zeltest::Child<QWidget>(pane, "settingsContent");
        QTRY_VERIFY(!SectionGaps(content).isEmpty());
        const QList<int> unfiltered = SectionGaps(content);

        typeSearch(QStringLiteral("length"));
        QTRY_VERIFY(!child("displayToolCheckbox")->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        const QList<int> filtered = SectionGaps(content);
        QVERIFY2(filtered.size() >= 1, "the search should leave sections of both panels");
        QVERIFY(content->height() > pane->height() / 2);
        // The sections that are left follow one another as closely as they do unfiltered.
        for (int gap : filtered)
            QVERIFY2(gap <= *std::max_element(unfiltered.begin(), unfiltered.end()),
                     qPrintable(QStringLiteral("a gap of %1 px").arg(gap)));
    }

    void marks_data() { HostRows(); }
    void marks()
    {
        QFETCH(bool, dialog);
        open(dialog);
        QWidget* toolPanel = child("displayToolCheckbox");
        QWidget* changed = Mark(toolPanel, "changedMark");
        QWidget* notDefault = Mark(toolPanel, "notDefaultMark");
        auto* count = zeltest::Child<QLabel>(panel()->getActionWidget(), "changeCount");
        QVERIFY(!changed->isVisible() && !notDefault->isVisible() && !count->isVisible());

        zeltest::Press(toolPanel);
        QTRY_VERIFY(changed->isVisible());
        QVERIFY(!notDefault->isVisible());
        QCOMPARE(count->text(), QStringLiteral("1"));
        QVERIFY(count->isVisible());
        QCOMPARE(changed->toolTip(),
                 QStringLiteral("Changed, not applied yet: Off\nApplied: On\nDefault: On"));

        zeltest::Press(zeltest::Child<QPushButton>(mHost.get(), "applyButton"));
        if (dialog) {
            QTRY_VERIFY(!mHost->isVisible());
            mHost->show();
        }
        QWidget* applied = Mark(child("displayToolCheckbox"), "notDefaultMark");
        QTRY_VERIFY(applied->isVisible());
        QVERIFY(!Mark(child("displayToolCheckbox"), "changedMark")->isVisible());
        QCOMPARE(applied->toolTip(), QStringLiteral("Not the default\nApplied: Off\nDefault: On"));
        QVERIFY(!zeltest::Child<QLabel>(panel()->getActionWidget(), "changeCount")->isVisible());
    }

    // A stored value away from the default, told in the words of the row's control.
    void notDefaultTip_data()
    {
        QTest::addColumn<bool>("import");
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("applied");
        QTest::addColumn<QString>("byDefault");
        QTest::addRow("unit") << false << QStringList{"units/name", "cm"} << "units_comboBox"
                              << "Centimer (cm)" << "Millimeter (mm)";
        QTest::addRow("cache size") << false << QStringList{"DBCache/cacheSize", "2048"}
                                    << "databaseSpinBox" << "2048 Mo" << "1024 Mo";
        QTest::addRow("colour") << false << QStringList{"engine/backgroundColor", "#FF102030"}
                                << "backgroundColorButton" << "#102030" << "#C0C0C0";
        QTest::addRow("face sag")
            << true
            << QStringList{"Tesselation/TesselationMaxFaceSagSet", "true",
                           "Tesselation/TesselationMaxFaceSag", "0.5"}
            << "groupBox_2" << "0.5" << "Default";
    }
    void notDefaultTip()
    {
        QFETCH(bool, import);
        QFETCH(QStringList, stored);
        QFETCH(QString, control);
        QFETCH(QString, applied);
        QFETCH(QString, byDefault);
        for (int index = 0; index + 1 < stored.size(); index += 2)
            mHarness->mSettings.setValue(stored.at(index), stored.at(index + 1));
        open(true);
        ZelSettingsPanel* panel = mPanels.at(import ? 1 : 0).get();
        QWidget* mark = Mark(zeltest::Child<QWidget>(panel, qPrintable(control)),
                             "notDefaultMark");
        QTRY_COMPARE(mark->toolTip(),
                     QStringLiteral("Not the default\nApplied: %1\nDefault: %2")
                         .arg(applied, byDefault));
    }

    // Through the row's button or its context menu, in either host.
    // Through the row's button or its context menu, in either host and either panel: the
    // row's key is set away from its default, another row of the panel holds an edit, and a
    // third holds a stored value that is not the default either.
    void resetOne_data()
    {
        QTest::addColumn<bool>("dialog");
        QTest::addColumn<bool>("menu");
        QTest::addColumn<bool>("import");
        QTest::addColumn<QString>("reset");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("edited");
        for (bool dialog : {false, true}) {
            const char* host = dialog ? "settings dialog" : "control center";
            for (bool menu : {false, true}) {
                const char* way = menu ? "menu" : "button";
                QTest::addRow("general, %s, %s", way, host)
                    << dialog << menu << false << "displayToolCheckbox" << "display/displaytool"
                    << "displayPsCheckbox";
            }
            QTest::addRow("import, %s", host)
                << dialog << dialog << true << "loadAnnotationsCheckBox"
                << "Import/LoadAnnotations" << "loadHiddenObjectsCheckBox";
        }
    }
    void resetOne()
    {
        QFETCH(bool, dialog);
        QFETCH(bool, menu);
        QFETCH(bool, import);
        QFETCH(QString, reset);
        QFETCH(QString, key);
        QFETCH(QString, edited);
        const QString kept = import ? QStringLiteral("Import/ComputeFaceContour")
                                    : QStringLiteral("units/nbDecimals");
        mHarness->mSettings.setValue(key, false);
        mHarness->mSettings.setValue(kept, import ? QStringLiteral("false") : QStringLiteral("4"));
        open(dialog);
        ZelSettingsPanel* panel = mPanels.at(import ? 1 : 0).get();
        zeltest::Press(panel->getActionWidget());
        auto* control = zeltest::Child<QCheckBox>(panel, qPrintable(reset));
        auto* other = zeltest::Child<QCheckBox>(panel, qPrintable(edited));
        QTRY_VERIFY(other->isVisible());
        zeltest::Press(other);
        QTRY_VERIFY(Mark(other, "changedMark")->isVisible());
        const QByteArray stored = mHarness->storeBytes();

        QWidget* resetButton = Mark(control, "resetRowButton");
        QVERIFY(resetButton->isVisible());
        if (menu) {
            QWidget* label = Label(control);
            label->window()->findChild<QScrollArea*>()->ensureWidgetVisible(label);
            QTest::mouseClick(label->window()->windowHandle(), Qt::RightButton, {},
                              label->mapTo(label->window(), label->rect().center()));
            QMenu* popup = nullptr;
            QTRY_VERIFY((popup = qobject_cast<QMenu*>(QApplication::activePopupWidget())));
            QAction* action = popup->actions().value(0);
            QCOMPARE(action->text(), QStringLiteral("Reset to default"));
            QTest::mouseClick(popup->windowHandle(), Qt::LeftButton, {},
                              popup->actionGeometry(action).center());
        } else {
            zeltest::Press(resetButton);
        }

        // That control only, as a pending edit: the store keeps its bytes until Apply.
        QTRY_VERIFY(control->isChecked());
        QVERIFY(!other->isChecked());
        QVERIFY(panel->hasModifications());
        QCOMPARE(mHarness->storeBytes(), stored);
        QTRY_VERIFY(Mark(control, "changedMark")->isVisible());
        QVERIFY(!resetButton->isVisible());

        zeltest::Press(zeltest::Child<QPushButton>(mHost.get(), "applyButton"));
        QTRY_COMPARE(mHarness->stored(key), QStringLiteral("true"));
        QCOMPARE(mHarness->stored(kept), import ? QStringLiteral("false") : QStringLiteral("4"));
    }

    // The hint shows as soon as the folder is chosen; the notice after Apply names the row.
    void restartHint_data() { HostRows(); }
    void restartHint()
    {
        QFETCH(bool, dialog);
        open(dialog);
        QWidget* folder = child("databaseButton");
        QWidget* hint = Mark(folder, "restartHint");
        QVERIFY(!hint->isVisible());

        const QString chosen = mHarness->mDir.filePath(QStringLiteral("cache"));
        QVERIFY(QDir().mkpath(chosen));
        zeltest::AnswerModal<QFileDialog>(&mHarness->mAnswers, [&](QFileDialog* pDialog) {
            // Typed, the path would meet the dialog's completer: only the answer matters here.
            zeltest::Child<QLineEdit>(pDialog, "fileNameEdit")->setText(chosen);
            QWidget* open = pDialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Open);
            QTest::mouseClick(pDialog->windowHandle(), Qt::LeftButton, {},
                              open->mapTo(pDialog, open->rect().center()));
        });
        zeltest::Press(folder);
        QTRY_VERIFY(hint->isVisible());
        QCOMPARE(static_cast<QLabel*>(hint)->text(), QStringLiteral("Needs a restart"));

        QString notice;
        zeltest::AnswerModal<QMessageBox>(&mHarness->mAnswers, [&notice](QMessageBox* pBox) {
            notice = pBox->text();
            QWidget* ok = pBox->button(QMessageBox::Ok);
            QTest::mouseClick(pBox->windowHandle(), Qt::LeftButton, {},
                              ok->mapTo(pBox, ok->rect().center()));
        });
        zeltest::Press(zeltest::Child<QPushButton>(mHost.get(), "applyButton"));
        QTRY_VERIFY(!notice.isEmpty());
        QVERIFY2(notice.endsWith(QLatin1String(
                     "These settings take effect only after a restart: Cache folder.")),
                 qPrintable(notice));
        QCOMPARE(QDir(mHarness->stored(QStringLiteral("DBCache/cacheDirectory"))), QDir(chosen));
    }

    // Without the host's call, neither host shows any of it.
    void offByDefault_data() { HostRows(); }
    void offByDefault()
    {
        QFETCH(bool, dialog);
        open(dialog, false);
        zeltest::Press(child("displayToolCheckbox"));
        QVERIFY(panel()->hasModifications());
        QVERIFY(!mHost->findChild<QLineEdit*>(QStringLiteral("settingsSearch")));
        QVERIFY(!mHost->findChild<QWidget*>(QStringLiteral("changedMark")));
        QVERIFY(!mHost->findChild<QWidget*>(QStringLiteral("changeCount")));
    }

private:
    // The general and import panels in a new host, shown with its settings.
    void open(bool pDialog, bool pGuide = true)
    {
        addPanel(QStringLiteral("general"));
        addPanel(QStringLiteral("import"));
        openHost(pDialog, pGuide);
    }

    QLineEdit* searchField() const
    {
        return zeltest::Child<QLineEdit>(mHost.get(), "settingsSearch");
    }

    void typeSearch(const QString& pText)
    {
        zeltest::Press(searchField());
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(searchField()));
        QTest::keyClicks(QApplication::focusWidget(), pText);
    }
};

QTEST_MAIN(tst_ZelSettingsGuide)
#include "tst_ZelSettingsGuide.moc"
