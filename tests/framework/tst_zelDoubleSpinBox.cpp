#include "TestHost.h"
#include "zelDoubleSpinBox.h"

#include <QLineEdit>
#include <QVBoxLayout>

class tst_zelDoubleSpinBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { TestHost::PrepareTestRun(); }
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

    // What the person types is shown back in the box's locale without trailing zeros.
    void shownWithoutTrailingZeros_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("shown");
        QTest::newRow("zero") << "C" << "0" << 0.0 << "0";
        QTest::newRow("half") << "C" << "0.500000" << 0.5 << "0.5";
        QTest::newRow("whole") << "C" << "12.000" << 12.0 << "12";
        QTest::newRow("negative") << "C" << "-2.25" << -2.25 << "-2.25";
        QTest::newRow("smallest step") << "C" << "0.000001" << 0.000001 << "0.000001";
        QTest::newRow("French") << "fr_FR" << "1,250" << 1.25 << "1,25";
        QTest::newRow("German thousands") << "de_DE" << "1234,5" << 1234.5 << "1234,5";
    }
    void shownWithoutTrailingZeros()
    {
        QFETCH(QString, locale);
        QFETCH(QString, typed);
        QFETCH(double, value);
        QFETCH(QString, shown);
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* box = new zel::zelDoubleSpinBox;
        box->setLocale(QLocale(locale));
        box->setDecimals(6);
        box->setRange(-10000, 10000);
        layout->addWidget(box);
        layout->addWidget(new QLineEdit);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        zeltest::Press(box->findChild<QLineEdit*>());
        QTRY_VERIFY(box->hasFocus());
        zeltest::Key(Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), typed);
        zeltest::Key(Qt::Key_Tab);
        QTRY_VERIFY(!box->hasFocus());
        QCOMPARE(box->value(), value);
        QCOMPARE(box->text(), shown);
    }
};

QTEST_MAIN(tst_zelDoubleSpinBox)
#include "tst_zelDoubleSpinBox.moc"
