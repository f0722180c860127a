#include "kmDMManager.h"

#include <QtTest>

#include <cmath>
#include <vector>

using zel::kmDMManager;

using Ratios = std::vector<float>;
Q_DECLARE_METATYPE(Ratios)

class tst_kmDMManager : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void correctRatios_data()
    {
        QTest::addColumn<Ratios>("ratios");
        QTest::addColumn<Ratios>("corrected");
        QTest::addRow("already sound") << Ratios{1.0f, 0.5f, 0.25f, 0.1f, 0.05f}
                                       << Ratios{1.0f, 0.5f, 0.25f, 0.1f, 0.05f};
        QTest::addRow("unsorted") << Ratios{0.1f, 1.0f, 0.5f} << Ratios{1.0f, 0.5f, 0.1f};
        QTest::addRow("repeats") << Ratios{0.5f, 0.5f, 1.0f, 0.5f} << Ratios{1.0f, 0.5f};
        QTest::addRow("out of range") << Ratios{0.0f, -0.5f, 1.5f, 0.3f} << Ratios{0.3f};
        QTest::addRow("nan") << Ratios{std::nanf(""), 0.2f} << Ratios{0.2f};
        QTest::addRow("empty") << Ratios{} << Ratios{};
    }
    void correctRatios()
    {
        QFETCH(Ratios, ratios);
        QFETCH(Ratios, corrected);
        kmDMManager::CorrectRatios(ratios);
        QVERIFY(ratios == corrected);
    }

};

QTEST_MAIN(tst_kmDMManager)
#include "tst_kmDMManager.moc"
