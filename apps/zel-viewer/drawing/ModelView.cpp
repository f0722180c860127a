#include "ModelView.h"

#include "ui_ModelView.h"

#include "LineDrawing.h"
#include "MeshSimplifier.h"
#include "SampleAssembly.h"
#include "SvgDrawingWriter.h"
#include "kmDMRenderer.h"
#include "kmNavigationManagerBase.h"

#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>

namespace zel {

namespace {

// The previews leave a border of the view around the framed picture.
const qreal kPreviewMargin = 24.0;
const int kPreviewDepthResolution = 900;
const QColor kSurround(86, 90, 98);
const qreal kWheelStep = 120.0;

QColor toColour(const Wm4::ColorRGBA& pColour)
{
    auto unit = [](float pValue) { return qreal(std::max(0.0f, std::min(1.0f, pValue))); };
    return QColor::fromRgbF(unit(pColour.R()), unit(pColour.G()), unit(pColour.B()),
                            unit(pColour.A()));
}

} // namespace

ModelView::ModelView(QWidget* pParent)
    : QWidget(pParent)
    , mUi(new Ui::ModelView)
{
    mUi->setupUi(this);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

ModelView::~ModelView()
{
    delete mUi;
}

void ModelView::setAssembly(const SampleAssembly* pAssembly)
{
    mAssembly = pAssembly;
    mScene = pAssembly ? SceneGeometry(*pAssembly, pAssembly->instanceMeshes()) : SceneGeometry();
    mReducedScene = SceneGeometry();
    mReducedTarget = 0;
    clearPreview();
    mCamera.resetOrientation();
    fitView();
}

void ModelView::setRenderer(kmDMRenderer* pRenderer)
{
    if (mRenderer)
        disconnect(mRenderer, nullptr, this, nullptr);
    mRenderer = pRenderer;
    if (mRenderer) {
        connect(mRenderer, &kmDMRenderer::renderSettingsChanged, this,
                QOverload<>::of(&QWidget::update));
    }
    update();
}

void ModelView::setNavigationManager(km::kmNavigationManagerBase* pManager)
{
    mNavigation = pManager;
}

ScenePainter::Options ModelView::renderOptions() const
{
    ScenePainter::Options options;
    if (mRenderer) {
        options.background = toColour(mRenderer->getBackgroundColor());
        options.antialiasing = mRenderer->isFXAAEnabled();
        options.outline = mRenderer->isEdgeHiglightEnabled();
        options.flatShading = mRenderer->isFlatLighting();
        options.fillSection = mRenderer->isFillCutplaneFaces();
    }
    options.section = mSection;
    return options;
}

const SceneGeometry& ModelView::drawnGeometry() const
{
    const quint64 target = mRenderer ? mRenderer->getTargetTriangles() : 0;
    if (!mAssembly || target == 0 || target >= mScene.triangleCount())
        return mScene;
    if (mReducedTarget != target) {
        mReducedScene = SceneGeometry(
            *mAssembly, MeshSimplifier::SimplifyAll(mAssembly->instanceMeshes(), target));
        mReducedTarget = target;
    }
    return mReducedScene;
}

void ModelView::setSectionEnabled(bool pEnabled)
{
    mSection = pEnabled;
    update();
}

void ModelView::showImagePreview(const ImageExportSettings& pSettings)
{
    mImageSettings = pSettings;
    mPreview = ImagePreview;
    update();
}

void ModelView::showVectorPreview(const SVGExportSettings& pSettings)
{
    mSvgSettings = pSettings;
    mPreview = VectorPreview;
    update();
}

void ModelView::showGeometryPreview(float pSimplification)
{
    if (!mAssembly)
        return;
    const quint64 target =
        MeshSimplifier::TargetTriangles(pSimplification, mScene.triangleCount());
    mPreviewScene = SceneGeometry(
        *mAssembly, MeshSimplifier::SimplifyAll(mAssembly->instanceMeshes(), target));
    mPreview = GeometryPreview;
    update();
}

void ModelView::clearPreview()
{
    mPreview = NoPreview;
    mPreviewScene = SceneGeometry();
    update();
}

void ModelView::fitView()
{
    QVector3D min;
    QVector3D max;
    mScene.boundingBox(min, max);
    mCamera.fit(min, max, float(width()) / std::max(1, height()));
    update();
    Q_EMIT cameraChanged();
}

void ModelView::setDrawingEnabled(bool pEnabled)
{
    mDrawing = pEnabled;
    if (pEnabled)
        update();
}

QRectF ModelView::framed(const QSizeF& pSize) const
{
    const QRectF available = QRectF(rect()).adjusted(kPreviewMargin, kPreviewMargin,
                                                     -kPreviewMargin, -kPreviewMargin);
    if (pSize.isEmpty() || available.isEmpty())
        return available;
    const QSizeF fitted = pSize.scaled(available.size(), Qt::KeepAspectRatio);
    QRectF frame(QPointF(0, 0), fitted);
    frame.moveCenter(available.center());
    return frame;
}

void ModelView::paintCaption(QPainter& pPainter, const QString& pText)
{
    pPainter.save();
    QFont font = pPainter.font();
    font.setBold(true);
    pPainter.setFont(font);
    const QRectF box = QRectF(rect()).adjusted(8, 4, -8, -4);
    pPainter.setPen(Qt::white);
    pPainter.drawText(box, Qt::AlignLeft | Qt::AlignBottom, pText);
    pPainter.restore();
}

void ModelView::paintImagePreview(QPainter& pPainter)
{
    pPainter.fillRect(rect(), kSurround);
    ScenePainter::Options options = renderOptions();
    if (mImageSettings.overrideBackground && mImageSettings.backgroundColor.isValid())
        options.background = mImageSettings.backgroundColor;
    const QRectF frame = framed(QSizeF(mImageSettings.imageSize));
    // A see-through background shows on the usual checkerboard.
    pPainter.fillRect(frame, QBrush(Qt::lightGray, Qt::Dense4Pattern));
    QImage picture(frame.size().toSize(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    ScenePainter::Paint(painter, QRectF(picture.rect()), drawnGeometry(), mCamera, options);
    painter.end();
    pPainter.drawImage(frame.topLeft(), picture);
    paintCaption(pPainter, tr("Image preview: %1 x %2")
                               .arg(mImageSettings.imageSize.width())
                               .arg(mImageSettings.imageSize.height()));
}

void ModelView::paintVectorPreview(QPainter& pPainter)
{
    pPainter.fillRect(rect(), kSurround);
    const QSizeF canvas = SvgDrawingWriter::CanvasSize(mSvgSettings);
    const QRectF sheet = framed(canvas);
    const LineDrawing drawing =
        SvgDrawingWriter::Draw(mScene, mCamera, mSvgSettings, kPreviewDepthResolution);
    pPainter.save();
    pPainter.setRenderHint(QPainter::Antialiasing);
    pPainter.translate(sheet.topLeft());
    pPainter.scale(sheet.width() / canvas.width(), sheet.height() / canvas.height());
    SvgDrawingWriter::PaintSheet(pPainter, drawing, mSvgSettings);
    pPainter.restore();
    paintCaption(pPainter, tr("Vector preview: %1 x %2 mm")
                               .arg(mSvgSettings.canvasWidth)
                               .arg(mSvgSettings.canvasHeight));
}

void ModelView::paintFrame(QPainter& pPainter)
{
    switch (mPreview) {
    case ImagePreview:
        paintImagePreview(pPainter);
        return;
    case VectorPreview:
        paintVectorPreview(pPainter);
        return;
    case GeometryPreview: {
        ScenePainter::Options options = renderOptions();
        options.wireframe = true;
        ScenePainter::Paint(pPainter, QRectF(rect()), mPreviewScene, mCamera, options);
        paintCaption(pPainter, tr("Geometry preview: %1 tri. -> %2 tri.")
                                   .arg(QLocale().toString(mScene.triangleCount()),
                                        QLocale().toString(mPreviewScene.triangleCount())));
        return;
    }
    case NoPreview:
        break;
    }
    ScenePainter::Options options = renderOptions();
    // The screen has nothing behind the view to show through.
    options.background.setAlpha(255);
    ScenePainter::Paint(pPainter, QRectF(rect()), drawnGeometry(), mCamera, options);
}

void ModelView::changeEvent(QEvent* pEvent)
{
    // The captions are painted in the language of the moment.
    if (pEvent->type() == QEvent::LanguageChange) {
        mUi->retranslateUi(this);
        update();
    }
    QWidget::changeEvent(pEvent);
}

void ModelView::paintEvent(QPaintEvent* pEvent)
{
    Q_UNUSED(pEvent);
    if (mDrawing || mFrame.isNull()) {
        mFrame = QImage(size(), QImage::Format_ARGB32_Premultiplied);
        mFrame.fill(kSurround);
        QPainter framePainter(&mFrame);
        paintFrame(framePainter);
    }
    QPainter painter(this);
    if (mFrame.size() != size())
        painter.fillRect(rect(), kSurround);
    painter.drawImage(0, 0, mFrame);
}

void ModelView::mousePressEvent(QMouseEvent* pEvent)
{
    if (pEvent->button() == Qt::LeftButton) {
        mDragging = true;
        mLastPosition = pEvent->pos();
    }
    QWidget::mousePressEvent(pEvent);
}

void ModelView::mouseMoveEvent(QMouseEvent* pEvent)
{
    if (!mDragging)
        return;
    const QPointF position = pEvent->pos();
    const km::kmNavigationManagerBase::NavigationMode mode =
        mNavigation ? mNavigation->getNavigationMode() : km::kmNavigationManagerBase::ARCBALL;
    const QPointF from = mLastPosition;
    mLastPosition = position;
    if (mode == km::kmNavigationManagerBase::EXAMINE)
        mCamera.examineDrag(from, position, QSizeF(size()));
    else if (mode == km::kmNavigationManagerBase::ARCBALL)
        mCamera.arcballDrag(from, position, QSizeF(size()));
    else
        return;
    update();
    Q_EMIT cameraChanged();
}

void ModelView::mouseReleaseEvent(QMouseEvent* pEvent)
{
    if (pEvent->button() == Qt::LeftButton)
        mDragging = false;
    QWidget::mouseReleaseEvent(pEvent);
}

void ModelView::wheelEvent(QWheelEvent* pEvent)
{
    mCamera.zoom(float(pEvent->angleDelta().y() / kWheelStep));
    update();
    Q_EMIT cameraChanged();
    pEvent->accept();
}

} // namespace zel
