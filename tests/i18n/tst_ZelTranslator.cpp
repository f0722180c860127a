#include "PanelFixture.h"

#include "ZelExportSettingsPanel.h"
#include "ZelTranslator.h"
#include "ZelCCActionItem.h"
#include "ZelControlCenter.h"
#include "zelAction.h"

using namespace zel;

namespace {

// A text that a person reads, with the widget (and item) that shows it.
struct Shown
{
    QString where;
    QString text;
};

QList<Shown> ShownTexts(const QWidget* pRoot)
{
    QList<Shown> shown;
    const QList<QWidget*> widgets = pRoot->findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        if (!widget->isVisibleTo(pRoot))
            continue;
        const QString where = widget->objectName().isEmpty()
                                  ? QString::fromLatin1(widget->metaObject()->className())
                                  : widget->objectName();
        if (auto* label = qobject_cast<QLabel*>(widget))
            shown.append({where, label->text()});
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            shown.append({where, button->text()});
        else if (auto* box = qobject_cast<QGroupBox*>(widget))
            shown.append({where, box->title()});
        else if (auto* spin = qobject_cast<QAbstractSpinBox*>(widget))
            shown.append({where, spin->property("suffix").toString()});
        if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            for (int item = 0; item < combo->count(); ++item)
                shown.append({where + QLatin1Char('#') + QString::number(item),
                              combo->itemText(item)});
        }
        if (!widget->toolTip().isEmpty())
            shown.append({where + QStringLiteral(" tip"), widget->toolTip()});
    }
    return shown;
}

// The sources that French writes the same way ("Cache", "Format", "3D").
QSet<QString> SameInFrench()
{
    QSet<QString> same;
    QFile file(QStringLiteral(ZEL_FRENCH_TS));
    if (!file.open(QIODevice::ReadOnly))
        return same;
    QXmlStreamReader xml(&file);
    QString source;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("source"))
            source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation") && xml.readElementText() == source)
            same.insert(source);
    }
    return same;
}

bool HasWords(const QString& pText)
{
    return std::any_of(pText.cbegin(), pText.cend(), [](QChar pChar) { return pChar.isLetter(); });
}

} // namespace

// The library in another language: its catalogues installed and removed by the host, the
// panels and hosts following at once without losing an edit, and nothing cut off, also
// laid out right to left.
class tst_ZelTranslator : public zeltest::PanelFixture
{
    Q_OBJECT

private Q_SLOTS:
    // Sizes as the hosts show them: with the library's style sheet.
    void initTestCase() { PrepareRun(true); }
    void init() { setUp(); }
    void cleanup()
    {
        ZelTranslator::Remove();
        QApplication::setLayoutDirection(Qt::LeftToRight);
        tearDown();
    }

    void install_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("context");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("english");
        const QString unit = QStringLiteral("Centimer (cm)");
        const QString mendedUnit = QStringLiteral("Centimeter (cm)");
        QTest::newRow("French unit") << "fr_FR" << "fr" << "ZelGeneralSettingsPanel" << unit
                                     << QStringLiteral("Centimètre (cm)") << mendedUnit;
        QTest::newRow("French host") << "fr_CA" << "fr" << "SettingsDialog"
                                     << "APPLY" << "APPLIQUER" << "APPLY";
        QTest::newRow("English mends the unit") << "en_GB" << "en" << "ZelGeneralSettingsPanel"
                                                << unit << mendedUnit << mendedUnit;
        QTest::newRow("English mends the size") << "en" << "en" << "ZelGeneralSettingsPanel"
                                                << " Mo" << " MB" << " MB";
        QTest::newRow("English mends the heading") << "en_US" << "en"
                                                   << "ZelImportSettingsPanel" << "Tesselation"
                                                   << "Tessellation" << "Tessellation";
        QTest::newRow("German unit") << "de_DE" << "de" << "ZelGeneralSettingsPanel" << unit
                                     << "Zentimeter (cm)" << mendedUnit;
        QTest::newRow("German size") << "de_AT" << "de" << "ZelGeneralSettingsPanel" << " Mo"
                                     << " MB" << " MB";
        // Without a catalogue of the language, the mended English rather than the sources.
        QTest::newRow("C") << "C" << "en" << "ZelGeneralSettingsPanel" << unit << mendedUnit
                           << mendedUnit;
        QTest::newRow("Spanish") << "es_ES" << "en" << "ZelGeneralSettingsPanel" << " Mo"
                                 << " MB" << " MB";
        QTest::newRow("Japanese") << "ja_JP" << "en" << "ZelImportSettingsPanel"
                                  << "Tesselation" << "Tessellation" << "Tessellation";
    }

    void install()
    {
        QFETCH(QString, locale);
        QFETCH(QString, language);
        QFETCH(QString, context);
        QFETCH(QString, source);
        QFETCH(QString, shown);
        QFETCH(QString, english);
        QVERIFY(ZelTranslator::AvailableLanguages().contains(QStringLiteral("fr")));
        QCOMPARE(ZelTranslator::Install(QLocale(locale)), language);
        const auto translated = [&] {
            return QCoreApplication::translate(context.toLatin1(), source.toUtf8());
        };
        QCOMPARE(translated(), shown);
        ZelTranslator::Remove();
        QCOMPARE(translated(), english);
    }

    // The host switches to French while the person has edits pending in two panels.
    void languageChangeKeepsEdits()
    {
        openDialog();
        const QList<Shown> english = ShownTexts(mHost.get());
        const QByteArray storeBefore = mHarness->storeBytes();
        auto* general = mPanels[0].get();
        zeltest::Press(general->getActionWidget());
        QTRY_VERIFY(general->isVisible());
        auto* units = zeltest::Child<QComboBox>(general, "units_comboBox");
        zeltest::Choose(units, 2);
        auto* decimals = zeltest::Child<QSpinBox>(general, "nbDecimals_spinBox");
        zeltest::Type(decimals, QStringLiteral("5"));
        zeltest::Key(Qt::Key_Tab);
        QVERIFY(general->hasModifications());

        QCOMPARE(ZelTranslator::Install(QLocale(QStringLiteral("fr"))), QStringLiteral("fr"));
        QTRY_COMPARE(units->currentText(), QStringLiteral("Mètre (m)"));
        QCOMPARE(units->currentIndex(), 2);
        QCOMPARE(decimals->value(), 5);
        QVERIFY(general->hasModifications());
        QCOMPARE(mHarness->storeBytes(), storeBefore);

        // Every text that a person reads changed, but for those French writes the same way
        // and those that the store holds (folders and files).
        const QSet<QString> same = SameInFrench();
        QStringList untranslated;
        for (const Shown& shown : ShownTexts(mHost.get())) {
            for (const Shown& before : english) {
                if (before.where == shown.where && before.text == shown.text
                    && HasWords(shown.text) && !same.contains(shown.text)
                    && !shown.text.contains(QLatin1Char('/')))
                    untranslated.append(shown.where + QStringLiteral(": ") + shown.text);
            }
        }
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QLatin1Char('\n'))));

        ZelTranslator::Remove();
        QTRY_COMPARE(units->currentText(), QStringLiteral("Meter (m)"));
        QCOMPARE(decimals->value(), 5);
    }

    void nothingClipped_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("dialog");
        QTest::addColumn<Qt::LayoutDirection>("direction");
        for (const char* language : {"fr", "de"}) {
            QTest::addRow("%s, dialog", language) << language << true << Qt::LeftToRight;
            QTest::addRow("%s, dialog, right to left", language)
                << language << true << Qt::RightToLeft;
            QTest::addRow("%s, control center", language) << language << false << Qt::LeftToRight;
            QTest::addRow("%s, control center, right to left", language)
                << language << false << Qt::RightToLeft;
        }
    }

    void noLeftovers_data()
    {
        QTest::addColumn<QString>("language");
        for (const char* language : {"en", "fr", "de"})
            QTest::newRow(language) << language;
    }

    // No text of any panel, on any of its pages, shows a translator's guess with its
    // braces and question marks.
    void noLeftovers()
    {
        QFETCH(QString, language);
        QCOMPARE(ZelTranslator::Install(QLocale(language)), language);
        makePanels();
        QStringList leftovers;
        for (const auto& panel : mPanels) {
            panel->initializeWidget();
            const QList<QWidget*> widgets = panel->findChildren<QWidget*>();
            for (QWidget* widget : widgets) {
                for (const Shown& shown : ShownTexts(widget)) {
                    if (shown.text.contains(QLatin1Char('{'))
                        || shown.text.contains(QLatin1String("?}")))
                        leftovers.append(shown.where + QStringLiteral(": ") + shown.text);
                }
            }
        }
        // A text inside a page is met once from each widget that holds it.
        leftovers.removeDuplicates();
        QVERIFY2(leftovers.isEmpty(), qPrintable(leftovers.join(QLatin1Char('\n'))));
    }

    // Each panel in a host, and the export tool at the viewer's width with each of its tabs:
    // every label and button is as wide as its text, the labels follow the layout's
    // direction, and the tool fits its column without scrolling sideways.
    void nothingClipped()
    {
        QFETCH(QString, language);
        QFETCH(bool, dialog);
        QFETCH(Qt::LayoutDirection, direction);
        QApplication::setLayoutDirection(direction);
        QCOMPARE(ZelTranslator::Install(QLocale(language)), language);
        QStringList clipped;
        {
            zeltest::PanelHarness harness;
            QVERIFY(harness.checkStore());
            // As the viewer holds it: in a column that never scrolls sideways.
            QScrollArea column;
            column.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            column.setWidgetResizable(true);
            column.setFrameShape(QFrame::NoFrame);
            auto* tool = new ZelExportSettingsPanel(false, &harness.mApplication,
                                                    harness.mSettings);
            column.setWidget(tool);
            tool->initializeWidget();
            tool->getActionWidget()->hide();
            column.resize(340, 1400);
            column.show();
            QVERIFY(QTest::qWaitForWindowExposed(&column));
            QCOMPARE(tool->layoutDirection(), direction);
            const char* const tabs[] = {"mSetting2DPushButton", "mSettingVecPushButton",
                                        "mSettingBOMPushButton", "mSetting3DPushButton"};
            for (int index = 0; index < 4; ++index) {
                const char* tab = tabs[index];
                zeltest::Press(zeltest::Child<QPushButton>(tool, tab));
                QTRY_COMPARE(tool->getActiveTab(), index);
                QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
                if (tool->minimumSizeHint().width() > column.viewport()->width())
                    clipped.append(QStringLiteral("%1: the tool needs %2 px of %3")
                                       .arg(QLatin1String(tab))
                                       .arg(tool->minimumSizeHint().width())
                                       .arg(column.viewport()->width()));
                clipped += Clipped(tool);
                clipped += OutOfColumn(tool, column.viewport());
            }
        }
        if (dialog) {
            openDialog();
        } else {
            clipped += menuClipped(language);
            openControlCenter();
        }
        for (const auto& panel : mPanels) {
            zeltest::Press(panel->getActionWidget());
            QTRY_VERIFY(panel->isVisible());
            // The control center's pane may still be sliding open.
            QTest::qWaitFor([&panel] { return Clipped(panel.get()).isEmpty(); }, 3000);
            clipped += Clipped(panel.get());
        }

        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
    }

private:
    void makePanels()
    {
        for (const char* kind : {"general", "import", "export", "privacy"})
            addPanel(QLatin1String(kind));
    }

    void openDialog()
    {
        makePanels();
        openHost(true, false, QSize());
        QVERIFY(QTest::qWaitForWindowActive(mHost.get()));
    }

    // As the viewer shows it: the pane beside its menu, at the viewer's size, with the panels
    // registered once the window is shown.
    void openControlCenter()
    {
        makePanels();
        auto* center = new ZelControlCenter(&mHarness->mApplication);
        mHost.reset(center);
        center->resize(1600, 900);
        center->show();
        QVERIFY(QTest::qWaitForWindowExposed(center));
        for (const auto& panel : mPanels) {
            center->registerSettingsPanel(panel.get());
            panel->ensurePolished();
        }
        QVERIFY(zeltest::OpenSettings(center, QSize(1600, 900)));
    }

    // The control center's menu with the viewer's longest items in the language: each item
    // shows its whole text and its whole shortcut.
    QStringList menuClipped(const QString& pLanguage)
    {
        const QHash<QString, QStringList> texts = {
            {QStringLiteral("fr"),
             {QStringLiteral("Faire une capture d’écran"), QStringLiteral("Rouvrir l’exemple")}},
            {QStringLiteral("de"),
             {QStringLiteral("Bildschirmfoto aufnehmen"),
              QStringLiteral("Das Beispiel erneut öffnen")}},
        };
        zeltest::PanelHarness harness;
        if (!harness.checkStore())
            return {QStringLiteral("no store")};
        ZelControlCenter center(&harness.mApplication);
        std::vector<std::unique_ptr<zelAction>> actions;
        QString anchor = QStringLiteral("Settings");
        for (const QString& text : texts.value(pLanguage)) {
            actions.push_back(std::make_unique<zelAction>(text, text));
            actions.back()->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+S")));
            center.registerCCAction(actions.back().get(), anchor, true);
            anchor = text;
        }
        center.resize(1600, 900);
        center.show();
        if (!QTest::qWaitForWindowExposed(&center))
            return {QStringLiteral("the menu is not shown")};
        center.openMenu(true);
        if (!QTest::qWaitFor([&center] { return center.isMenuOpen(); }))
            return {QStringLiteral("the menu does not open")};
        QStringList clipped;
        const QList<ZelCCActionItem*> items = center.findChildren<ZelCCActionItem*>();
        for (ZelCCActionItem* item : items) {
            clipped += Clipped(item);
            const QList<QWidget*> parts = item->findChildren<QWidget*>();
            for (QWidget* part : parts) {
                const QRect shown(part->mapTo(&center, QPoint()), part->size());
                if (part->isVisible() && !center.rect().contains(shown))
                    clipped.append(QStringLiteral("%1 of \"%2\" beyond the menu")
                                       .arg(part->objectName(),
                                            item->getZelAction()->getActionGuiName()));
            }
        }
        return clipped;
    }

    // What lies beyond the column's sides, or would need a scroll sideways to be seen.
    static QStringList OutOfColumn(const QWidget* pTool, QWidget* pColumn)
    {
        QStringList out;
        const auto* pages = pTool->findChild<QScrollArea*>(QStringLiteral("scrollArea"));
        if (pages && pages->horizontalScrollBar()->isVisible())
            out.append(QStringLiteral("the pages scroll sideways"));
        const QList<QWidget*> widgets = pTool->findChildren<QWidget*>();
        for (QWidget* widget : widgets) {
            if (!widget->isVisible() || qobject_cast<QScrollBar*>(widget)
                || widget->objectName().startsWith(QLatin1String("qt_")))
                continue;
            QWidget* seenIn = pages && pages->widget()->isAncestorOf(widget) ? pages->viewport()
                                                                             : pColumn;
            const QRect shown(widget->mapTo(seenIn->window(), QPoint()), widget->size());
            const QRect room(seenIn->mapTo(seenIn->window(), QPoint()), seenIn->size());
            if (shown.left() < room.left() || shown.right() > room.right())
                out.append(QStringLiteral("%1 at %2..%3 beyond %4..%5")
                               .arg(widget->objectName())
                               .arg(shown.left())
                               .arg(shown.right())
                               .arg(room.left())
                               .arg(room.right()));
        }
        return out;
    }

    static QStringList Clipped(const QWidget* pPanel)
    {
        QStringList clipped;
        const QList<QWidget*> widgets = pPanel->findChildren<QWidget*>();
        for (QWidget* widget : widgets) {
            auto* label = qobject_cast<QLabel*>(widget);
            auto* button = qobject_cast<QAbstractButton*>(widget);
            if (!widget->isVisible() || (!button && !label) || (label && label->wordWrap()))
                continue;
            if ((label && label->text().isEmpty()) || (button && button->text().isEmpty()))
                continue;
            // A label aligns by its text's direction unless told otherwise.
            const bool heading = label
                                 && widget->parentWidget()->property("class").toString()
                                        == QLatin1String("sectionHeader");
            const Qt::Alignment shown = heading ? QStyle::visualAlignment(
                                            label->text().isRightToLeft() ? Qt::RightToLeft
                                                                          : Qt::LeftToRight,
                                            label->alignment())
                                                : Qt::Alignment();
            if (heading && bool(shown & Qt::AlignRight) != (widget->isRightToLeft()))
                clipped.append(QStringLiteral("%1 \"%2\" on the wrong side")
                                   .arg(widget->objectName(), label->text()));
            if (widget->width() < widget->sizeHint().width())
                clipped.append(QStringLiteral("%1 \"%2\": %3 < %4")
                                   .arg(widget->objectName(),
                                        label ? label->text() : button->text())
                                   .arg(widget->width())
                                   .arg(widget->sizeHint().width()));
        }
        return clipped;
    }
};

QTEST_MAIN(tst_ZelTranslator)
#include "tst_ZelTranslator.moc"
