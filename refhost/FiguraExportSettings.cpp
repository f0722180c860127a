#include "FiguraExportSettings.h"

namespace zel {

FiguraExportSettings::FiguraExportSettings(QObject* pParent)
    : QObject(pParent)
{
}

// A copy is a free-standing record: the parent and the connections stay with the original.
FiguraExportSettings::FiguraExportSettings(const FiguraExportSettings& pOther)
    : QObject(nullptr)
    , mImage(pOther.mImage)
    , mSvg(pOther.mSvg)
    , mBom(pOther.mBom)
    , mGeometry(pOther.mGeometry)
{
}

FiguraExportSettings& FiguraExportSettings::operator=(const FiguraExportSettings& pOther)
{
    // Through the setters, so that whoever listens to this record hears what changed.
    if (this != &pOther) {
        setImageExportSettings(pOther.mImage);
        setSVGExportSettings(pOther.mSvg);
        setBOMExportSettings(pOther.mBom);
        setGeometryExportSettings(pOther.mGeometry);
    }
    return *this;
}

FiguraExportSettings::~FiguraExportSettings() = default;

void FiguraExportSettings::setImageExportSettings(const ImageExportSettings& pSettings)
{
    if (mImage != pSettings) {
        mImage = pSettings;
        Q_EMIT imageExportSettingsChanged();
    }
}

void FiguraExportSettings::setSVGExportSettings(const SVGExportSettings& pSettings)
{
    if (mSvg != pSettings) {
        mSvg = pSettings;
        Q_EMIT svgExportSettingsChanged();
    }
}

void FiguraExportSettings::setBOMExportSettings(const BOMExportSettings& pSettings)
{
    if (mBom != pSettings) {
        mBom = pSettings;
        Q_EMIT bomExportSettingsChanged();
    }
}

void FiguraExportSettings::setGeometryExportSettings(const GeometryExportSettings& pSettings)
{
    if (mGeometry != pSettings) {
        mGeometry = pSettings;
        Q_EMIT geometryExportSettingsChanged();
    }
}

bool FiguraExportSettings::operator==(const FiguraExportSettings& pOther) const
{
    return mImage == pOther.mImage && mSvg == pOther.mSvg && mBom == pOther.mBom
        && mGeometry == pOther.mGeometry;
}

bool FiguraExportSettings::operator!=(const FiguraExportSettings& pOther) const
{
    return !(*this == pOther);
}

} // namespace zel
