#pragma once

#include "FiguraExportSettings.h"
#include "KeptValue.h"
#include "ZelExportSettingsPanel.h"

#include <QColor>
#include <QList>
#include <QPair>
#include <QSize>
#include <QString>
#include <QStringList>

namespace Ui {
class ZelExportSettingsPanel;
}

namespace zel {

// Moves the host's export record into the export panel's controls and back. Showing a
// sub-record blocks the signals of every control it sets, so it never reads as an edit;
// values that a control cannot show are kept until the person changes that control.
class ExportRecordMapping
{
public:
    using tSimplificationState = ZelExportSettingsPanel::tSimplificationState;

    explicit ExportRecordMapping(Ui::ZelExportSettingsPanel& pUi);

    void fillLists();
    // The items of the lists again, in the current language.
    void retranslateLists();

    void showImage(const ImageExportSettings& pSettings);
    void showSvg(const SVGExportSettings& pSettings);
    void showBom(const BOMExportSettings& pSettings);
    // pSceneTriangles bounds the target number of triangles; 0 leaves the bound alone.
    void showGeometry(const GeometryExportSettings& pSettings, quint64 pSceneTriangles);

    // The controls read as sub-records; the fields that no control shows come from pApplied.
    ImageExportSettings image() const;
    SVGExportSettings svg(const SVGExportSettings& pApplied) const;
    BOMExportSettings bom(const BOMExportSettings& pApplied) const;
    GeometryExportSettings geometry() const;

    const QColor& backgroundColor() const { return mBackgroundColor; }
    void setBackgroundColor(const QColor& pColor) { mBackgroundColor = pColor; }
    const QColor& salientColor() const { return mSalientColor; }
    void setSalientColor(const QColor& pColor) { mSalientColor = pColor; }
    const QColor& silhouetteColor() const { return mSilhouetteColor; }
    void setSilhouetteColor(const QColor& pColor) { mSilhouetteColor = pColor; }

    // The separators and delimiter of the BOM format at pIndex of the format list.
    void chooseBomFormat(int pIndex);

    tSimplificationState simplificationState() const { return mSimplificationState; }
    void setSimplificationState(tSimplificationState pState) { mSimplificationState = pState; }

    void refreshImageButtonColors(bool pEnabled);
    void refreshSvgButtonColors();

private:
    float shownSimplification() const;
    QStringList headers() const;

    Ui::ZelExportSettingsPanel& mUi;
    QColor mSalientColor;
    QColor mSilhouetteColor;
    QColor mBackgroundColor;
    QString mColumnSeparator;
    QString mDecimalSeparator;
    QString mStringDelimiter;
    tSimplificationState mSimplificationState = ZelExportSettingsPanel::NoSimplification;

    // Sizes by their index in the definition and canvas lists.
    KeptValue<QSize, int> mImageSize;
    KeptValue<int, int> mSuperSampling;
    KeptValue<QSize, int> mCanvas;
    KeptValue<float, double> mSalientEdgeWidth;
    KeptValue<float, double> mSilhouetteEdgeWidth;
    KeptValue<float> mSimplification;
    KeptValue<QStringList> mHeaders;
    // Headers of the record that the selector does not offer, by their place in the record.
    QList<QPair<int, QString>> mHiddenHeaders;
};

} // namespace zel
