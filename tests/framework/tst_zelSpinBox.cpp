#include "TestHost.h"
#include "zelDoubleSpinBox.h"
#include "zelSpinBox.h"

#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

class tst_zelSpinBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { TestHost::PrepareTestRun(); }
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void wheelScrollsUntilFocused_data()
    {
        QTest::addColumn<bool>("decimal");
        QTest::addRow("zelSpinBox") << false;
        QTest::addRow("zelDoubleSpinBox") << true;
    }
    void wheelScrollsUntilFocused()
    {
        QFETCH(bool, decimal);
        // A page taller than its scroll area, with the box near its top.
        QScrollArea area;
        auto* content = new QWidget;
        auto* layout = new QVBoxLayout(content);
        QAbstractSpinBox* box = decimal ? static_cast<QAbstractSpinBox*>(new zel::zelDoubleSpinBox)
                                        : new zel::zelSpinBox;
        box->setProperty("value", 50);
        auto* other = new QLineEdit;
        layout->addWidget(box);
        layout->addWidget(other);
        layout->addSpacing(2000);
        area.setWidget(content);
        area.resize(300, 300);
        area.show();
        area.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&area));
        other->setFocus();
        QScrollBar* bar = area.verticalScrollBar();
        const auto value = [box] { return box->property("value").toDouble(); };
        // Not focused: the page scrolls, the value stays.
        TestHost::Wheel(box, -1);
        QVERIFY(bar->value() > 0 && value() == 50.0);
        bar->setValue(0);
        // Clicked into: the wheel steps the value and the page stays.
        TestHost::Press(box->findChild<QLineEdit*>());
        QTRY_VERIFY(box->hasFocus());
        TestHost::Wheel(box, 1);
        QVERIFY(value() == 51.0 && bar->value() == 0);
        // The focus moves on with the Tab key: the wheel scrolls the page again.
        TestHost::Key(Qt::Key_Tab);
        QTRY_VERIFY(other->hasFocus());
        TestHost::Wheel(box, -1);
        QVERIFY(bar->value() > 0 && value() == 51.0);
    }
};

QTEST_MAIN(tst_zelSpinBox)
#include "tst_zelSpinBox.moc"
