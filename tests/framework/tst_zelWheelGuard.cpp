#include "TestHost.h"
#include "zelDoubleSpinBox.h"
#include "zelSpinBox.h"
#include "zelWheelGuard.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QVBoxLayout>

// The library's spin boxes and the Qt controls that a panel host guards: none of them takes
// the wheel before the person clicked or tabbed into it.
class tst_zelWheelGuard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { TestHost::PrepareTestRun(); }
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void wheelScrollsUntilFocused_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char* kind : {"zelSpinBox", "zelDoubleSpinBox", "QSpinBox", "QComboBox",
                                 "QSlider"})
            QTest::newRow(kind) << kind;
    }
    void wheelScrollsUntilFocused()
    {
        QFETCH(QString, kind);
        // A page taller than its scroll area, with the control near its top.
        QScrollArea area;
        auto* content = new QWidget;
        auto* layout = new QVBoxLayout(content);
        QWidget* control = makeControl(kind);
        auto* other = new QLineEdit;
        layout->addWidget(control);
        layout->addWidget(other);
        layout->addSpacing(2000);
        area.setWidget(content);
        zel::zelWheelGuard::guardControls(content);
        area.resize(300, 300);
        area.show();
        area.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&area));
        other->setFocus();
        QScrollBar* bar = area.verticalScrollBar();
        const char* property = kind == QLatin1String("QComboBox") ? "currentIndex" : "value";
        const auto value = [control, property] { return control->property(property).toDouble(); };
        // Not focused: the page scrolls, the value stays.
        zeltest::Wheel(control, -1);
        QCOMPARE(value(), 50.0);
        QVERIFY(bar->value() > 0);
        QVERIFY(!control->hasFocus());
        bar->setValue(0);
        // Tabbed into: the wheel steps the value and the page stays.
        zeltest::Key(Qt::Key_Backtab, Qt::ShiftModifier);
        QTRY_VERIFY(control->hasFocus());
        zeltest::Wheel(control, 1);
        QVERIFY(value() != 50.0);
        QCOMPARE(bar->value(), 0);
        const double stepped = value();
        // The focus moves on with the Tab key: the wheel scrolls the page again.
        zeltest::Key(Qt::Key_Tab);
        QTRY_VERIFY(other->hasFocus());
        zeltest::Wheel(control, -1);
        QVERIFY(bar->value() > 0);
        QCOMPARE(value(), stepped);
    }

    // The lists inside a guarded page still scroll under the wheel.
    void listsScrollAtOnce()
    {
        QWidget page;
        auto* layout = new QVBoxLayout(&page);
        auto* list = new QListWidget;
        for (int item = 0; item < 200; ++item)
            list->addItem(QString::number(item));
        layout->addWidget(list);
        zel::zelWheelGuard::guardControls(&page);
        page.resize(300, 300);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        zeltest::Wheel(list->verticalScrollBar(), -1);
        QVERIFY(list->verticalScrollBar()->value() > 0);
        list->verticalScrollBar()->setValue(0);
        zeltest::Wheel(list->viewport(), -1);
        QVERIFY(list->verticalScrollBar()->value() > 0);
    }

private:
    static QWidget* makeControl(const QString& pKind)
    {
        if (pKind == QLatin1String("QComboBox")) {
            auto* combo = new QComboBox;
            for (int item = 0; item < 100; ++item)
                combo->addItem(QString::number(item));
            combo->setCurrentIndex(50);
            return combo;
        }
        QWidget* control = nullptr;
        if (pKind == QLatin1String("QSlider"))
            control = new QSlider(Qt::Horizontal);
        else if (pKind == QLatin1String("QSpinBox"))
            control = new QSpinBox;
        else if (pKind == QLatin1String("zelSpinBox"))
            control = new zel::zelSpinBox;
        else
            control = new zel::zelDoubleSpinBox;
        control->setProperty("value", 50);
        return control;
    }
};

QTEST_MAIN(tst_zelWheelGuard)
#include "tst_zelWheelGuard.moc"
