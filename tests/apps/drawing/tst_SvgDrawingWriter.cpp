#include "LineDrawing.h"
#include "SampleAssembly.h"
#include "SceneGeometry.h"
#include "SvgDrawingWriter.h"
#include "ViewCamera.h"

#include <QFile>
#include <QImageReader>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

using namespace zel;

namespace {

// A lone box: from the usual view three of its faces show, so six edges make its outline
// and three meet in the near corner.
SampleAssembly cube()
{
    SampleAssembly assembly;
    SampleAssembly::Component component;
    component.name = QStringLiteral("Cube");
    component.mesh = TriangleMesh::Box(QVector3D(0, 0, 0), QVector3D(10, 10, 10), 1);
    assembly.addComponent(component);
    assembly.addInstance({QStringLiteral("Cube.1"), 0, QMatrix4x4()});
    return assembly;
}

struct SvgSummary
{
    QString width;
    QString height;
    QString viewBox;
    // Stroke colour to stroke width, of the groups that hold lines.
    QMap<QString, QString> strokes;
};

SvgSummary summarise(const QByteArray& pSvg)
{
    SvgSummary summary;
    QXmlStreamReader xml(pSvg);
    QString stroke;
    QString strokeWidth;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        if (xml.name() == QLatin1String("svg")) {
            summary.width = attributes.value(QLatin1String("width")).toString();
            summary.height = attributes.value(QLatin1String("height")).toString();
            summary.viewBox = attributes.value(QLatin1String("viewBox")).toString();
        } else if (xml.name() == QLatin1String("g")) {
            stroke = attributes.value(QLatin1String("stroke")).toString();
            strokeWidth = attributes.value(QLatin1String("stroke-width")).toString();
        } else if (xml.name() == QLatin1String("polyline")) {
            summary.strokes.insert(stroke, strokeWidth);
        }
    }
    return summary;
}

SVGExportSettings settings(int pWidth, int pHeight)
{
    SVGExportSettings svg;
    svg.canvasWidth = pWidth;
    svg.canvasHeight = pHeight;
    svg.salientEdgeColor = QColor(200, 20, 20);
    svg.salientEdgeWidth = 0.25f;
    svg.silhouetteEdgeColor = QColor(20, 40, 200);
    svg.silhouetteEdgeWidth = 0.7f;
    return svg;
}

} // namespace

class tst_SvgDrawingWriter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void visibleEdgesOnly()
    {
        const SampleAssembly assembly = cube();
        const SceneGeometry scene(assembly, assembly.instanceMeshes());
        const LineDrawing drawing =
            SvgDrawingWriter::Draw(scene, ViewCamera(), settings(297, 210));
        QCOMPARE(drawing.silhouetteEdges().size(), 6);
        QCOMPARE(drawing.salientEdges().size(), 3);
        const QRectF canvas(0, 0, 1, 1);
        for (const auto* lines : {&drawing.silhouetteEdges(), &drawing.salientEdges()}) {
            for (const QLineF& line : *lines)
                QVERIFY(canvas.contains(line.p1()) && canvas.contains(line.p2()));
        }
    }

    void svgAndImage_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addRow("A4 landscape") << 297 << 210;
        QTest::addRow("A3 portrait") << 297 << 420;
        QTest::addRow("A5 portrait") << 148 << 210;
    }

    // The sample drawn on a canvas, written as SVG and as an image.
    void svgAndImage()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        const SampleAssembly assembly = SampleAssembly::Create();
        const SceneGeometry scene(assembly, assembly.instanceMeshes());
        SVGExportSettings svg = settings(width, height);
        LineDrawing drawing = SvgDrawingWriter::Draw(scene, ViewCamera(), svg);
        QVERIFY(!drawing.salientEdges().isEmpty() && !drawing.silhouetteEdges().isEmpty());
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("drawing.svg"));
        QString error;
        QVERIFY2(SvgDrawingWriter::WriteSvg(path, drawing, svg, error), qPrintable(error));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray data = file.readAll();
        const SvgSummary summary = summarise(data);
        QCOMPARE(summary.width, QStringLiteral("%1mm").arg(width));
        QCOMPARE(summary.height, QStringLiteral("%1mm").arg(height));
        QCOMPARE(summary.viewBox, QStringLiteral("0 0 %1 %2").arg(width).arg(height));
        QCOMPARE(summary.strokes.value(QStringLiteral("#c81414")), QStringLiteral("0.25"));
        QCOMPARE(summary.strokes.value(QStringLiteral("#1428c8")), QStringLiteral("0.7"));
        QSvgRenderer renderer(data);
        QVERIFY(renderer.isValid());
        QCOMPARE(renderer.viewBoxF(), QRectF(0, 0, width, height));

        // Wide enough that the middle of each line keeps its exact colour.
        svg.salientEdgeWidth = 1.0f;
        svg.silhouetteEdgeWidth = 1.5f;
        drawing = SvgDrawingWriter::Draw(scene, ViewCamera(), svg);
        const QString png = folder.filePath(QStringLiteral("drawing.png"));
        QVERIFY2(SvgDrawingWriter::WriteImage(png, drawing, svg, error), qPrintable(error));
        QImageReader reader(png);
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        const int dots = SvgDrawingWriter::kDotsPerMm;
        QCOMPARE(image.size(), QSize(width * dots, height * dots));
        QCOMPARE(image.dotsPerMeterX(), dots * 1000);
        QCOMPARE(image.pixelColor(0, 0), QColor(Qt::white));
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); y += 2) {
            for (int x = 0; x < image.width(); ++x)
                colours.insert(image.pixel(x, y) | 0xff000000u);
        }
        QVERIFY(colours.contains(svg.salientEdgeColor.rgb()));
        QVERIFY(colours.contains(svg.silhouetteEdgeColor.rgb()));
    }

    void unwritableFileIsReported()
    {
        QTemporaryDir folder;
        QString error;
        QVERIFY(!SvgDrawingWriter::WriteSvg(folder.filePath("missing/drawing.svg"), LineDrawing(),
                                            settings(297, 210), error));
        QVERIFY(error.contains(QStringLiteral("drawing.svg")));
    }
};

QTEST_MAIN(tst_SvgDrawingWriter)
#include "tst_SvgDrawingWriter.moc"
