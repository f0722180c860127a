#pragma once

#include "BOMExportSettings.h"
#include "GeometryExportSettings.h"
#include "ImageExportSettings.h"
#include "SVGExportSettings.h"
#include "kmHostExport.h"

#include <QObject>

namespace zel {

// The applied export settings that the host's exporters read. A setter announces
// its sub-record only when the value really changes.
class KM_HOST_EXPORT FiguraExportSettings : public QObject
{
    Q_OBJECT

public:
    explicit FiguraExportSettings(QObject* pParent = nullptr);
    FiguraExportSettings(const FiguraExportSettings& pOther);
    FiguraExportSettings& operator=(const FiguraExportSettings& pOther);
    ~FiguraExportSettings() override;

    const ImageExportSettings& getImageExportSettings() const { return mImage; }
    void setImageExportSettings(const ImageExportSettings& pSettings);
    const SVGExportSettings& getSVGExportSettings() const { return mSvg; }
    void setSVGExportSettings(const SVGExportSettings& pSettings);
    const BOMExportSettings& getBOMExportSettings() const { return mBom; }
    void setBOMExportSettings(const BOMExportSettings& pSettings);
    const GeometryExportSettings& getGeometryExportSettings() const { return mGeometry; }
    void setGeometryExportSettings(const GeometryExportSettings& pSettings);

    bool operator==(const FiguraExportSettings& pOther) const;
    bool operator!=(const FiguraExportSettings& pOther) const;

Q_SIGNALS:
    void imageExportSettingsChanged();
    void svgExportSettingsChanged();
    void bomExportSettingsChanged();
    void geometryExportSettingsChanged();

private:
    ImageExportSettings mImage;
    SVGExportSettings mSvg;
    BOMExportSettings mBom;
    GeometryExportSettings mGeometry;
};

} // namespace zel
