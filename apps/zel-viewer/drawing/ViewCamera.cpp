#include "ViewCamera.h"

#include <algorithm>
#include <cmath>

namespace zel {

namespace {

const float kElevationDegrees = 25.0f;
const float kAzimuthDegrees = -35.0f;
const float kFitMargin = 1.05f;
// Turning speed of the examine mode: half a turn across the shorter side of the view.
const float kExamineDegrees = 180.0f;
const float kZoomStep = 0.9f;
const float kPi = 3.14159265f;

QVector3D onBall(const QPointF& pPoint, const QSizeF& pViewport)
{
    const double scale = std::max(1.0, std::min(pViewport.width(), pViewport.height()));
    const float x = float((2.0 * pPoint.x() - pViewport.width()) / scale);
    const float y = float((pViewport.height() - 2.0 * pPoint.y()) / scale);
    const float squared = x * x + y * y;
    if (squared <= 1.0f)
        return QVector3D(x, y, std::sqrt(1.0f - squared));
    return QVector3D(x, y, 0.0f).normalized();
}

} // namespace

ViewCamera::ViewCamera()
    : mDistance(300.0f)
    , mRadius(100.0f)
{
    resetOrientation();
}

void ViewCamera::resetOrientation()
{
    // Turning the world's -Y toward the viewer puts its +Z up on the screen.
    mOrientation = QQuaternion::fromAxisAndAngle(1, 0, 0, kElevationDegrees - 90.0f)
        * QQuaternion::fromAxisAndAngle(0, 0, 1, kAzimuthDegrees);
}

void ViewCamera::fit(const QVector3D& pMin, const QVector3D& pMax, float pAspect)
{
    mCentre = (pMin + pMax) * 0.5f;
    mRadius = std::max(1e-3f, (pMax - pMin).length() * 0.5f);
    const float halfHeight = kFieldOfViewDegrees * kPi / 360.0f;
    const float halfWidth = std::atan(std::max(1e-3f, pAspect) * std::tan(halfHeight));
    mDistance = kFitMargin * mRadius / std::sin(std::min(halfHeight, halfWidth));
}

void ViewCamera::setOrientation(const QQuaternion& pOrientation)
{
    mOrientation = pOrientation.normalized();
}

QMatrix4x4 ViewCamera::viewMatrix() const
{
    QMatrix4x4 view;
    view.translate(0, 0, -mDistance);
    view.rotate(mOrientation);
    view.translate(-mCentre);
    return view;
}

QMatrix4x4 ViewCamera::projectionMatrix(float pAspect) const
{
    const float nearPlane = std::max(mDistance * 0.01f, mDistance - 2.0f * mRadius);
    const float farPlane = mDistance + 2.0f * mRadius;
    QMatrix4x4 projection;
    projection.perspective(kFieldOfViewDegrees, std::max(1e-3f, pAspect), nearPlane,
                           farPlane);
    return projection;
}

QVector3D ViewCamera::eyePosition() const
{
    return mCentre + toWorld(QVector3D(0, 0, mDistance));
}

QVector3D ViewCamera::toCamera(const QVector3D& pWorldDirection) const
{
    return mOrientation.rotatedVector(pWorldDirection);
}

QVector3D ViewCamera::toWorld(const QVector3D& pCameraDirection) const
{
    return mOrientation.conjugated().rotatedVector(pCameraDirection);
}

void ViewCamera::arcballDrag(const QPointF& pFrom, const QPointF& pTo,
                             const QSizeF& pViewport)
{
    const QVector3D from = onBall(pFrom, pViewport);
    const QVector3D to = onBall(pTo, pViewport);
    const QVector3D axis = QVector3D::crossProduct(from, to);
    if (axis.length() < 1e-6f)
        return;
    const float cosine = std::max(-1.0f, std::min(1.0f, QVector3D::dotProduct(from, to)));
    const float degrees = std::acos(cosine) * 180.0f / kPi;
    setOrientation(QQuaternion::fromAxisAndAngle(axis.normalized(), degrees) * mOrientation);
}

void ViewCamera::examineDrag(const QPointF& pFrom, const QPointF& pTo,
                             const QSizeF& pViewport)
{
    const double scale = std::max(1.0, std::min(pViewport.width(), pViewport.height()));
    const float turn = float((pTo.x() - pFrom.x()) / scale) * kExamineDegrees;
    const float tilt = float((pTo.y() - pFrom.y()) / scale) * kExamineDegrees;
    // The turn is about the model's own vertical, applied before the view; the tilt about
    // the screen's horizontal, applied after it.
    setOrientation(QQuaternion::fromAxisAndAngle(1, 0, 0, tilt) * mOrientation
                   * QQuaternion::fromAxisAndAngle(0, 0, 1, turn));
}

void ViewCamera::zoom(float pSteps)
{
    mDistance = std::max(mRadius * 0.2f, mDistance * std::pow(kZoomStep, pSteps));
}

} // namespace zel
