#include "ModelView.h"
#include "SampleAssembly.h"
#include "kmDMRenderer.h"
#include "kmNavigationManagerBase.h"

#include <QApplication>
#include <QMouseEvent>
#include <QStandardPaths>
#include <QtTest>

#include <memory>

using namespace zel;

namespace {

const QSize kViewSize(480, 320);

QSet<QRgb> colours(const QImage& pImage)
{
    QSet<QRgb> result;
    for (int y = 0; y < pImage.height(); ++y) {
        for (int x = 0; x < pImage.width(); ++x)
            result.insert(pImage.pixel(x, y));
    }
    return result;
}

} // namespace

class tst_ModelView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init()
    {
        mRenderer.reset(new kmDMRenderer);
        mNavigation.reset(new km::kmNavigationManagerBase);
        mView.reset(new ModelView);
        mView->resize(kViewSize);
        mView->setAssembly(&mAssembly);
        mView->setRenderer(mRenderer.get());
        mView->setNavigationManager(mNavigation.get());
        mView->show();
        QVERIFY(QTest::qWaitForWindowExposed(mView.get()));
    }

    void cleanup()
    {
        mView.reset();
        mNavigation.reset();
        mRenderer.reset();
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void mouseTurnsByNavigationMode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("turns");
        QTest::addColumn<bool>("upStaysUp");
        QTest::addRow("arcball") << int(km::kmNavigationManagerBase::ARCBALL) << true << false;
        QTest::addRow("examine") << int(km::kmNavigationManagerBase::EXAMINE) << true << true;
        QTest::addRow("none") << int(km::kmNavigationManagerBase::NONE) << false << true;
    }

    void mouseTurnsByNavigationMode()
    {
        QFETCH(int, mode);
        QFETCH(bool, turns);
        QFETCH(bool, upStaysUp);
        mNavigation->setNavigationMode(km::kmNavigationManagerBase::NavigationMode(mode), true);
        const QQuaternion before = mView->camera().orientation();
        QSignalSpy changes(mView.get(), &ModelView::cameraChanged);
        QVERIFY(changes.isValid());
        const QImage picture = mView->grab().toImage();

        // A diagonal drag, then a circle around the middle.
        drag(QPoint(100, 80), QPoint(300, 220));
        drag(QPoint(360, 160), QPoint(240, 40));
        drag(QPoint(240, 40), QPoint(120, 160));

        QCOMPARE(mView->camera().orientation() != before, turns);
        QCOMPARE(mView->grab().toImage() != picture, turns);
        QCOMPARE(changes.isEmpty(), !turns);
        // The examine mode keeps the model's vertical in the screen's vertical plane; the
        // arcball rolls it out of it.
        const QVector3D up = mView->camera().toCamera(QVector3D(0, 0, 1));
        QCOMPARE(qAbs(up.x()) < 1e-4f, upStaysUp);
    }

    void wheelComesCloser()
    {
        const float distance = mView->camera().distance();
        QWheelEvent wheel(QPointF(240, 160), mView->mapToGlobal(QPoint(240, 160)), QPoint(),
                          QPoint(0, 240), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(mView.get(), &wheel);
        QVERIFY(mView->camera().distance() < distance);
    }

    void rendererSettingsShowAtOnce_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addRow("antialiasing") << QStringLiteral("fxaa");
        QTest::addRow("outline") << QStringLiteral("outline");
        QTest::addRow("flat shading") << QStringLiteral("flat");
        QTest::addRow("cut plane filling") << QStringLiteral("fill");
    }

    void rendererSettingsShowAtOnce()
    {
        QFETCH(QString, setting);
        mView->setSectionEnabled(true);
        const QImage before = mView->grab().toImage();
        if (setting == QLatin1String("fxaa"))
            mRenderer->setFXAAEnabled(false);
        else if (setting == QLatin1String("outline"))
            mRenderer->setEdgeHiglightEnabled(false);
        else if (setting == QLatin1String("flat"))
            mRenderer->setLightingMode(true);
        else
            mRenderer->setFillCutplaneFaces(false);
        const QImage after = mView->grab().toImage();
        QVERIFY(after != before);
        if (setting == QLatin1String("fxaa"))
            QVERIFY(colours(after).size() < colours(before).size());
    }

    // The view shows the applied colour at once, unless drawing is off: then it holds the
    // picture until drawing comes back.
    void backgroundFollowsTheRenderer()
    {
        const QColor applied = QColor::fromRgbF(0.2, 0.4, 0.6);
        mRenderer->setBackgroundColor(Wm4::ColorRGBA(0.2f, 0.4f, 0.6f, 1.0f));
        QCOMPARE(mView->grab().toImage().pixelColor(2, 2), applied);
        QCOMPARE(mView->renderOptions().background, applied);
        mView->setDrawingEnabled(false);
        mRenderer->setBackgroundColor(Wm4::ColorRGBA(0.0f, 0.0f, 1.0f, 1.0f));
        QCOMPARE(mView->grab().toImage().pixelColor(2, 2), applied);
        mView->setDrawingEnabled(true);
        QCOMPARE(mView->grab().toImage().pixelColor(2, 2), QColor(Qt::blue));
    }

    void triangleTargetReducesTheScene()
    {
        QCOMPARE(mView->drawnGeometry().triangleCount(), mAssembly.triangleCount());
        mRenderer->setTargetTriangles(1000);
        QVERIFY(mView->drawnGeometry().triangleCount() <= 1000);
        QVERIFY(mView->drawnGeometry().triangleCount() > 900);
        mRenderer->setTargetTriangles(6000000);
        QCOMPARE(mView->drawnGeometry().triangleCount(), mAssembly.triangleCount());
    }

    void geometryPreviewShowsTheReducedScene()
    {
        const QImage before = mView->grab().toImage();
        mView->showGeometryPreview(-25.0f);
        QCOMPARE(mView->preview(), ModelView::GeometryPreview);
        const quint64 target = (mAssembly.triangleCount() * 25 + 99) / 100;
        QVERIFY(mView->previewGeometry().triangleCount() <= target);
        QVERIFY(mView->previewGeometry().triangleCount() + 9 >= target);
        QVERIFY(mView->grab().toImage() != before);
        mView->clearPreview();
        QCOMPARE(mView->preview(), ModelView::NoPreview);
        QCOMPARE(mView->grab().toImage(), before);
    }

    void previewsFrameTheExport()
    {
        ImageExportSettings image;
        image.imageSize = QSize(320, 320);
        image.overrideBackground = true;
        image.backgroundColor = QColor(10, 200, 10);
        mView->showImagePreview(image);
        QImage picture = mView->grab().toImage();
        // A square picture in a wide view: framed in the middle, the view's sides left over.
        const QPoint middleTop(kViewSize.width() / 2, 30);
        QCOMPARE(picture.pixelColor(middleTop), image.backgroundColor);
        QVERIFY(picture.pixelColor(5, kViewSize.height() / 2) != image.backgroundColor);

        SVGExportSettings svg;
        mView->showVectorPreview(svg);
        picture = mView->grab().toImage();
        QCOMPARE(mView->preview(), ModelView::VectorPreview);
        QCOMPARE(picture.pixelColor(kViewSize.width() / 2, 30), QColor(Qt::white));
    }

private:
    void drag(const QPoint& pFrom, const QPoint& pTo)
    {
        // Through the window, as the windowing system delivers a person's drag.
        QWindow* window = mView->windowHandle();
        QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, pFrom);
        const int steps = 10;
        for (int i = 1; i <= steps; ++i)
            QTest::mouseMove(window, pFrom + (pTo - pFrom) * i / steps);
        QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, pTo);
    }

    SampleAssembly mAssembly = SampleAssembly::Create();
    std::unique_ptr<kmDMRenderer> mRenderer;
    std::unique_ptr<km::kmNavigationManagerBase> mNavigation;
    std::unique_ptr<ModelView> mView;
};

QTEST_MAIN(tst_ModelView)
#include "tst_ModelView.moc"
