#include "FiguraExportSettings.h"

#include <QtTest>

using namespace zel;

namespace {
// One spy per signal of the record, so a test can tell which sub-record was announced.
struct Spies
{
    explicit Spies(FiguraExportSettings* pRecord)
        : image(pRecord, &FiguraExportSettings::imageExportSettingsChanged)
        , svg(pRecord, &FiguraExportSettings::svgExportSettingsChanged)
        , bom(pRecord, &FiguraExportSettings::bomExportSettingsChanged)
        , geometry(pRecord, &FiguraExportSettings::geometryExportSettingsChanged)
    {
    }
    QList<int> counts() const { return {int(image.count()), int(svg.count()), int(bom.count()),
                                        int(geometry.count())}; }

    QSignalSpy image;
    QSignalSpy svg;
    QSignalSpy bom;
    QSignalSpy geometry;
};

// Sets one sub-record, changed or not, by its index 0 to 3.
void setSubRecord(FiguraExportSettings& pRecord, int pIndex, bool pChange)
{
    switch (pIndex) {
    case 0: {
        ImageExportSettings image = pRecord.getImageExportSettings();
        if (pChange)
            image.superSampling = 2;
        pRecord.setImageExportSettings(image);
        break;
    }
    case 1: {
        SVGExportSettings svg = pRecord.getSVGExportSettings();
        if (pChange)
            svg.salientEdgeWidth = 0.25f;
        pRecord.setSVGExportSettings(svg);
        break;
    }
    case 2: {
        BOMExportSettings bom = pRecord.getBOMExportSettings();
        if (pChange)
            bom.headers << QStringLiteral("Name");
        pRecord.setBOMExportSettings(bom);
        break;
    }
    default: {
        GeometryExportSettings geometry = pRecord.getGeometryExportSettings();
        if (pChange)
            geometry.simplification = -50.0f;
        pRecord.setGeometryExportSettings(geometry);
        break;
    }
    }
}
} // namespace

class tst_FiguraExportSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaults()
    {
        const FiguraExportSettings record;
        QCOMPARE(record.getImageExportSettings().imageSize, QSize(1920, 1080));
        QCOMPARE(record.getImageExportSettings().backgroundColor, QColor(Qt::white));
        QCOMPARE(record.getSVGExportSettings().canvasWidth, 297);
        QCOMPARE(record.getSVGExportSettings().canvasHeight, 210);
        QCOMPARE(record.getBOMExportSettings().columnSeparator, QStringLiteral(","));
        QCOMPARE(record.getBOMExportSettings().stringDelimiter, QStringLiteral("\""));
        QVERIFY(record.getGeometryExportSettings().keepHiddenBranches);
        QVERIFY(record == FiguraExportSettings());
    }

    void setterAnnouncesRealChangesOnly_data()
    {
        QTest::addColumn<int>("index");
        QTest::addRow("image") << 0;
        QTest::addRow("svg") << 1;
        QTest::addRow("bom") << 2;
        QTest::addRow("geometry") << 3;
    }
    void setterAnnouncesRealChangesOnly()
    {
        QFETCH(int, index);
        FiguraExportSettings record;
        Spies spies(&record);

        setSubRecord(record, index, false);
        QCOMPARE(spies.counts(), QList<int>({0, 0, 0, 0}));

        setSubRecord(record, index, true);
        QList<int> expected{0, 0, 0, 0};
        expected[index] = 1;
        QCOMPARE(spies.counts(), expected);
        QVERIFY(record != FiguraExportSettings());

        // The same value again is no change.
        setSubRecord(record, index, false);
        QCOMPARE(spies.counts(), expected);
    }

    void assignmentAnnouncesWhatDiffers()
    {
        FiguraExportSettings source;
        setSubRecord(source, 1, true);
        setSubRecord(source, 3, true);

        FiguraExportSettings target;
        Spies spies(&target);
        target = source;
        QVERIFY(target == source);
        QCOMPARE(spies.counts(), QList<int>({0, 1, 0, 1}));

        target = source;
        QCOMPARE(spies.counts(), QList<int>({0, 1, 0, 1}));
    }

    void copyIsIndependent()
    {
        QObject owner;
        FiguraExportSettings source(&owner);
        setSubRecord(source, 0, true);

        FiguraExportSettings copy(source);
        QVERIFY(copy == source);
        QCOMPARE(copy.parent(), nullptr);

        setSubRecord(copy, 2, true);
        QVERIFY(copy != source);
        QVERIFY(source.getBOMExportSettings().headers.isEmpty());
    }
};

QTEST_MAIN(tst_FiguraExportSettings)
#include "tst_FiguraExportSettings.moc"
