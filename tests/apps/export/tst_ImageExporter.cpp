#include "ImageExporter.h"
#include "SampleAssembly.h"
#include "SceneGeometry.h"
#include "ViewCamera.h"

#include <QImageReader>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace zel;

class tst_ImageExporter : public QObject
{
    Q_OBJECT

    SampleAssembly mAssembly = SampleAssembly::Create();

    // The sample fitted into the picture that pSettings describe.
    QImage render(const ImageExportSettings& pSettings, const ScenePainter::Options& pOptions)
    {
        const SceneGeometry scene(mAssembly, mAssembly.instanceMeshes());
        ViewCamera camera;
        QVector3D min;
        QVector3D max;
        scene.boundingBox(min, max);
        camera.fit(min, max, float(pSettings.imageSize.width()) / pSettings.imageSize.height());
        return ImageExporter::Render(scene, camera, pOptions, pSettings);
    }

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void definitionAndBackground_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("supersampling");
        QTest::addColumn<bool>("override");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QColor>("expected");
        const QColor scene(192, 192, 192);
        const QColor navy(20, 40, 80);
        QTest::addRow("scene background") << QSize(320, 200) << 0 << false << navy << scene;
        QTest::addRow("override") << QSize(320, 200) << 0 << true << navy << navy;
        QTest::addRow("4X") << QSize(800, 600) << 1 << true << navy << navy;
        QTest::addRow("8X") << QSize(800, 600) << 2 << true << navy << navy;
        QTest::addRow("16X") << QSize(320, 200) << 3 << false << navy << scene;
        QTest::addRow("see-through") << QSize(320, 200) << 1 << true << QColor(0, 0, 0, 0)
                                     << QColor(0, 0, 0, 0);
    }

    void definitionAndBackground()
    {
        QFETCH(QSize, size);
        QFETCH(int, supersampling);
        QFETCH(bool, override);
        QFETCH(QColor, background);
        QFETCH(QColor, expected);
        ImageExportSettings settings;
        settings.imageSize = size;
        settings.superSampling = supersampling;
        settings.overrideBackground = override;
        settings.backgroundColor = background;
        ScenePainter::Options options;
        options.background = QColor(192, 192, 192);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("view.png"));
        QString error;
        QVERIFY2(ImageExporter::Write(path, render(settings, options), error), qPrintable(error));
        QImageReader reader(path);
        QCOMPARE(QByteArray(reader.format()), QByteArray("png"));
        const QImage read = reader.read();
        QCOMPARE(read.size(), size);
        QCOMPARE(read.pixelColor(0, 0), expected);
        // The model is in the middle, not the background.
        QVERIFY(read.pixelColor(size.width() / 2, size.height() / 2) != expected);
    }

    void supersamplingSmoothsEdges()
    {
        ImageExportSettings settings;
        settings.imageSize = QSize(320, 200);
        ScenePainter::Options options;
        options.antialiasing = false;
        options.outline = false;
        const auto colourCount = [&](int pLevel) {
            settings.superSampling = pLevel;
            const QImage image = render(settings, options);
            QSet<QRgb> colours;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x)
                    colours.insert(image.pixel(x, y));
            }
            return colours.size();
        };
        // Edges blended with what lies behind them bring in colours of their own.
        QVERIFY(colourCount(3) > colourCount(0));
    }

    void supersamplingStaysWithinLimits_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("level");
        QTest::addColumn<qreal>("scale");
        QTest::addRow("none") << QSize(1920, 1080) << 0 << 1.0;
        QTest::addRow("4X") << QSize(1920, 1080) << 1 << 2.0;
        QTest::addRow("16X") << QSize(1920, 1080) << 3 << 4.0;
        QTest::addRow("16X at 4096 is held to the limit") << QSize(4096, 2160) << 3 << 2.0;
        QTest::addRow("unknown level") << QSize(800, 600) << 7 << 1.0;
    }

    void supersamplingStaysWithinLimits()
    {
        QFETCH(QSize, size);
        QFETCH(int, level);
        QFETCH(qreal, scale);
        QCOMPARE(ImageExporter::EffectiveScale(size, level), scale);
    }

    void unwritableFileIsReported()
    {
        QTemporaryDir folder;
        QImage image(4, 4, QImage::Format_ARGB32);
        image.fill(Qt::red);
        QString error;
        QVERIFY(!ImageExporter::Write(folder.filePath("missing/view.png"), image, error));
        QVERIFY(error.contains(QStringLiteral("view.png")));
    }
};

QTEST_MAIN(tst_ImageExporter)
#include "tst_ImageExporter.moc"
