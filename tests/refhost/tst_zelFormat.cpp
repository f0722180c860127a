#include "zelFormat.h"

#include <QtTest>

using Wm4::ColorRGBA;
using zel::ColorFromString;
using zel::ColorToString;
using zel::FormatUInteger;

Q_DECLARE_METATYPE(ColorRGBA)

namespace {
ColorRGBA fromBytes(int pAlpha, int pRed, int pGreen, int pBlue)
{
    return ColorRGBA(pRed / 255.0f, pGreen / 255.0f, pBlue / 255.0f, pAlpha / 255.0f);
}
const ColorRGBA kOpaqueBlack(0.0f, 0.0f, 0.0f, 1.0f);
} // namespace

class tst_zelFormat : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void colorToString_data()
    {
        QTest::addColumn<ColorRGBA>("color");
        QTest::addColumn<QString>("text");
        QTest::addRow("opaque silver") << fromBytes(255, 192, 192, 192) << "#FFC0C0C0";
        QTest::addRow("half red") << fromBytes(128, 255, 0, 0) << "#80FF0000";
        QTest::addRow("transparent") << ColorRGBA() << "#00000000";
        QTest::addRow("rounded") << ColorRGBA(0.5f, 0.1f, 0.999f, 1.0f) << "#FF801AFF";
        QTest::addRow("out of range") << ColorRGBA(2.0f, -1.0f, 0.5f, 1.0f) << "#FFFF0080";
    }
    void colorToString()
    {
        QFETCH(ColorRGBA, color);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(ColorToString(color)), text);
    }

    void colorFromString_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<ColorRGBA>("color");
        QTest::addRow("registry default") << "#FFC0C0C0" << fromBytes(255, 192, 192, 192);
        QTest::addRow("six digits opaque") << "#C0C0C0" << fromBytes(255, 192, 192, 192);
        QTest::addRow("lower case") << "#80ff0a0b" << fromBytes(128, 255, 10, 11);
        QTest::addRow("empty") << "" << kOpaqueBlack;
        QTest::addRow("hash only") << "#" << kOpaqueBlack;
        QTest::addRow("three digits") << "#FFF" << kOpaqueBlack;
        QTest::addRow("seven digits") << "#C0C0C0C" << kOpaqueBlack;
        QTest::addRow("ten digits") << "#FFC0C0C0FF" << kOpaqueBlack;
        QTest::addRow("no hash") << "FFC0C0C0" << kOpaqueBlack;
        QTest::addRow("not hex") << "#GG0000" << kOpaqueBlack;
        QTest::addRow("name") << "red" << kOpaqueBlack;
    }
    void colorFromString()
    {
        QFETCH(QString, text);
        QFETCH(ColorRGBA, color);
        const ColorRGBA parsed = ColorFromString(text.toStdString());
        QVERIFY2(parsed == color, ColorToString(parsed).c_str());
    }

    void roundTrip()
    {
        for (int byte = 0; byte < 256; byte += 5) {
            const ColorRGBA color = fromBytes(255 - byte, byte, (byte * 7) % 256, 17);
            const std::string text = ColorToString(color);
            QVERIFY2(ColorFromString(text) == color, text.c_str());
            QCOMPARE(ColorToString(ColorFromString(text)), text);
        }
    }

    void formatUInteger_data()
    {
        QTest::addColumn<quint64>("value");
        QTest::addColumn<char>("separator");
        QTest::addColumn<QString>("text");
        QTest::addRow("zero") << quint64(0) << ' ' << "0";
        QTest::addRow("three digits") << quint64(999) << ' ' << "999";
        QTest::addRow("four digits") << quint64(1000) << ' ' << "1 000";
        QTest::addRow("millions") << quint64(1234567) << ' ' << "1 234 567";
        QTest::addRow("comma") << quint64(123456) << ',' << "123,456";
        QTest::addRow("largest") << std::numeric_limits<quint64>::max() << ' '
                                 << "18 446 744 073 709 551 615";
    }
    void formatUInteger()
    {
        QFETCH(quint64, value);
        QFETCH(char, separator);
        QFETCH(QString, text);
        QCOMPARE(FormatUInteger(value, separator), text);
    }
};

QTEST_MAIN(tst_zelFormat)
#include "tst_zelFormat.moc"
