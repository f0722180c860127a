#include "LengthFormatter.h"

#include <QtTest>

using namespace zel;

class tst_LengthFormatter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void format_data()
    {
        QTest::addColumn<double>("millimetres");
        QTest::addColumn<int>("unit");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("text");
        QTest::addRow("millimetres") << 150.0 << int(MILLIMETER) << 2 << "150.00 mm";
        QTest::addRow("centimetres") << 150.0 << int(CENTIMETER) << 1 << "15.0 cm";
        QTest::addRow("metres") << 150.0 << int(METER) << 4 << "0.1500 m";
        QTest::addRow("inches") << 150.0 << int(INCH) << 3 << "5.906 in";
        QTest::addRow("no decimals") << 150.4 << int(MILLIMETER) << 0 << "150 mm";
        QTest::addRow("decimals held to ten") << 1.0 << int(MILLIMETER) << 12 << "1.0000000000 mm";
        QTest::addRow("negative decimals") << 1.25 << int(MILLIMETER) << -3 << "1 mm";
    }

    void format()
    {
        QFETCH(double, millimetres);
        QFETCH(int, unit);
        QFETCH(int, decimals);
        QFETCH(QString, text);
        QCOMPARE(LengthFormatter::Format(millimetres, Unit(unit), decimals), text);
    }
};

QTEST_MAIN(tst_LengthFormatter)
#include "tst_LengthFormatter.moc"
