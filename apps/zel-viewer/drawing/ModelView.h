#pragma once

#include "ImageExportSettings.h"
#include "SVGExportSettings.h"
#include "SceneGeometry.h"
#include "ScenePainter.h"
#include "ViewCamera.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

namespace km {
class kmNavigationManagerBase;
}

namespace Ui {
class ModelView;
}

namespace zel {

class SampleAssembly;
class kmDMRenderer;

// The 3D view: draws the assembly with what the renderer was told, turns it with the mouse
// as the navigation manager says, and previews the exports.
class ModelView : public QWidget
{
    Q_OBJECT

public:
    enum tPreview
    {
        NoPreview = 0,
        ImagePreview = 1,
        VectorPreview = 2,
        GeometryPreview = 3
    };

    explicit ModelView(QWidget* pParent = nullptr);
    ~ModelView() override;

    // The assembly must outlive the view, or be replaced first.
    void setAssembly(const SampleAssembly* pAssembly);
    void setRenderer(kmDMRenderer* pRenderer);
    void setNavigationManager(km::kmNavigationManagerBase* pManager);

    // What the view draws with now: the renderer's settings and the section.
    ScenePainter::Options renderOptions() const;
    const SceneGeometry& sceneGeometry() const { return mScene; }
    // The scene as it is drawn: reduced when it holds more triangles than the renderer's
    // target.
    const SceneGeometry& drawnGeometry() const;
    const ViewCamera& camera() const { return mCamera; }

    void setSectionEnabled(bool pEnabled);
    bool isSectionEnabled() const { return mSection; }

    tPreview preview() const { return mPreview; }
    void showImagePreview(const ImageExportSettings& pSettings);
    void showVectorPreview(const SVGExportSettings& pSettings);
    void showGeometryPreview(float pSimplification);
    void clearPreview();
    // The reduced scene that the geometry preview shows.
    const SceneGeometry& previewGeometry() const { return mPreviewScene; }

public Q_SLOTS:
    void fitView();
    // While off, the view keeps its last picture; a host turns it off during animations.
    void setDrawingEnabled(bool pEnabled);

Q_SIGNALS:
    void cameraChanged();

protected:
    void paintEvent(QPaintEvent* pEvent) override;
    void changeEvent(QEvent* pEvent) override;
    void mousePressEvent(QMouseEvent* pEvent) override;
    void mouseMoveEvent(QMouseEvent* pEvent) override;
    void mouseReleaseEvent(QMouseEvent* pEvent) override;
    void wheelEvent(QWheelEvent* pEvent) override;

private:
    void paintFrame(QPainter& pPainter);
    void paintImagePreview(QPainter& pPainter);
    void paintVectorPreview(QPainter& pPainter);
    void paintCaption(QPainter& pPainter, const QString& pText);
    QRectF framed(const QSizeF& pSize) const;

    Ui::ModelView* mUi;
    const SampleAssembly* mAssembly = nullptr;
    QPointer<kmDMRenderer> mRenderer;
    QPointer<km::kmNavigationManagerBase> mNavigation;
    SceneGeometry mScene;
    mutable SceneGeometry mReducedScene;
    mutable quint64 mReducedTarget = 0;
    SceneGeometry mPreviewScene;
    ViewCamera mCamera;
    bool mSection = false;
    bool mDrawing = true;
    // The last picture, shown again while drawing is off.
    QImage mFrame;
    bool mDragging = false;
    QPointF mLastPosition;
    tPreview mPreview = NoPreview;
    ImageExportSettings mImageSettings;
    SVGExportSettings mSvgSettings;
};

} // namespace zel
