#pragma once

#include <QMatrix4x4>
#include <QPointF>
#include <QQuaternion>
#include <QSizeF>
#include <QVector3D>

namespace zel {

// A perspective camera that orbits a centre. The mouse turns it in two ways: the arcball
// rolls the model freely like a ball under the hand; examine turns it like a turntable,
// about the vertical axis of the model and the horizontal axis of the screen, so the
// model's up stays up.
class ViewCamera
{
public:
    static constexpr float kFieldOfViewDegrees = 35.0f;

    ViewCamera();

    // Looks at the box from the front, to the right and above.
    void resetOrientation();
    // Centres the box and moves back until it fits a view of that aspect (width / height).
    void fit(const QVector3D& pMin, const QVector3D& pMax, float pAspect);

    const QQuaternion& orientation() const { return mOrientation; }
    void setOrientation(const QQuaternion& pOrientation);
    float distance() const { return mDistance; }

    QMatrix4x4 viewMatrix() const;
    QMatrix4x4 projectionMatrix(float pAspect) const;
    QVector3D eyePosition() const;
    // A world direction as the camera sees it (x right, y up, z toward the viewer).
    QVector3D toCamera(const QVector3D& pWorldDirection) const;
    QVector3D toWorld(const QVector3D& pCameraDirection) const;

    // A drag of the mouse from pFrom to pTo in a viewport of size pViewport.
    void arcballDrag(const QPointF& pFrom, const QPointF& pTo, const QSizeF& pViewport);
    void examineDrag(const QPointF& pFrom, const QPointF& pTo, const QSizeF& pViewport);
    // Positive steps come closer.
    void zoom(float pSteps);

private:
    QQuaternion mOrientation;
    QVector3D mCentre;
    float mDistance;
    float mRadius;
};

} // namespace zel
