#include "ImageExportSettings.h"

namespace zel {

ImageExportSettings::ImageExportSettings()
    : imageSize(1920, 1080)
    , backgroundColor(Qt::white)
    , superSampling(0)
    , overrideBackground(false)
{
}

bool ImageExportSettings::operator==(const ImageExportSettings& pOther) const
{
    return imageSize == pOther.imageSize && backgroundColor == pOther.backgroundColor
        && superSampling == pOther.superSampling
        && overrideBackground == pOther.overrideBackground;
}

bool ImageExportSettings::operator!=(const ImageExportSettings& pOther) const
{
    return !(*this == pOther);
}

} // namespace zel
