#pragma once

#include <QColor>
#include <QRectF>
#include <QVector4D>

class QPainter;

namespace zel {

class SceneGeometry;
class ViewCamera;

// Draws the scene shaded, in perspective, with the painter's algorithm: faces far to near,
// lit from over the viewer's shoulder.
class ScenePainter
{
public:
    struct Options
    {
        QColor background = QColor(192, 192, 192);
        bool antialiasing = true;
        // Salient edges and silhouettes drawn over the faces.
        bool outline = true;
        // One shade per face instead of shading that follows the curvature.
        bool flatShading = false;
        bool section = false;
        // The cut faces of the section closed with hatched caps.
        bool fillSection = true;
        // (a, b, c, d): points where a x + b y + c z + d > 0 are cut away.
        QVector4D sectionPlane = QVector4D(0, -1, 0, 0);
        QColor outlineColour = QColor(35, 35, 40);
        // Every triangle's edges, to show how finely the geometry is cut.
        bool wireframe = false;
    };

    static void Paint(QPainter& pPainter, const QRectF& pTarget, const SceneGeometry& pScene,
                      const ViewCamera& pCamera, const Options& pOptions);
};

} // namespace zel
