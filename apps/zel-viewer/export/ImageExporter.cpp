#include "ImageExporter.h"

#include "SceneGeometry.h"
#include "ViewCamera.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QPainter>
#include <QSaveFile>

#include <algorithm>
#include <cmath>

namespace zel {

namespace {

// Definitions beyond this are refused rather than allocated.
const int kMaxDefinition = 16384;

} // namespace

qreal ImageExporter::SupersamplingScale(int pLevel)
{
    switch (pLevel) {
    case 1:
        return 2.0;
    case 2:
        return std::sqrt(8.0);
    case 3:
        return 4.0;
    default:
        return 1.0;
    }
}

qreal ImageExporter::EffectiveScale(const QSize& pSize, int pLevel)
{
    const int side = std::max(1, std::max(pSize.width(), pSize.height()));
    return std::max(1.0, std::min(SupersamplingScale(pLevel), qreal(kMaxRenderSide) / side));
}

QImage ImageExporter::Render(const SceneGeometry& pScene, const ViewCamera& pCamera,
                             ScenePainter::Options pOptions,
                             const ImageExportSettings& pSettings)
{
    const QSize size(std::max(1, std::min(kMaxDefinition, pSettings.imageSize.width())),
                     std::max(1, std::min(kMaxDefinition, pSettings.imageSize.height())));
    if (pSettings.overrideBackground && pSettings.backgroundColor.isValid())
        pOptions.background = pSettings.backgroundColor;
    const qreal scale = EffectiveScale(size, pSettings.superSampling);
    const QSize drawn(int(std::lround(size.width() * scale)),
                      int(std::lround(size.height() * scale)));
    QImage image(drawn, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    ScenePainter::Paint(painter, QRectF(QPointF(0, 0), QSizeF(drawn)), pScene, pCamera,
                        pOptions);
    painter.end();
    if (drawn == size)
        return image;
    return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

bool ImageExporter::Write(const QString& pPath, const QImage& pImage, QString& pError)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    if (pImage.isNull() || !pImage.save(&buffer, "PNG")) {
        pError = tr("Cannot encode %1").arg(QDir::toNativeSeparators(pPath));
        return false;
    }
    QSaveFile file(pPath);
    if (file.open(QIODevice::WriteOnly) && file.write(data) == data.size() && file.commit())
        return true;
    pError = tr("Cannot write %1: %2").arg(QDir::toNativeSeparators(pPath), file.errorString());
    return false;
}

} // namespace zel
