#include "ZelExportSettingsPanel.h"

#include "ExportRecordMapping.h"
#include "kmDMIApplication.h"

// The export panel's exchange with the host's export record, which holds its values: read,
// written back part by part, and the vector export's one-off choice.

namespace zel {

void ZelExportSettingsPanel::saveSettingsInternal()
{
    if (!mApplication)
        return;
    FiguraExportSettings& record = mApplication->grabFiguraExportSettings();
    ExportModel model;
    readSettings(model);
    getCurrentModel(model);
    // Each setter may announce its change and the controls of that part follow the record;
    // the model has been read by then.
    record.setImageExportSettings(model.getImageExportSettings());
    record.setSVGExportSettings(model.getSVGExportSettings());
    record.setBOMExportSettings(model.getBOMExportSettings());
    record.setGeometryExportSettings(model.getGeometryExportSettings());
}

void ZelExportSettingsPanel::saveImageSettings()
{
    if (!mFillingGuard || !mApplication)
        return;
    mApplication->grabFiguraExportSettings().setImageExportSettings(mMapping->image());
}

void ZelExportSettingsPanel::getCurrentModel(ExportModel& pModel) const
{
    pModel.setImageExportSettings(mMapping->image());
    pModel.setSVGExportSettings(mMapping->svg(pModel.getSVGExportSettings()));
    pModel.setBOMExportSettings(mMapping->bom(pModel.getBOMExportSettings()));
    pModel.setGeometryExportSettings(mMapping->geometry());
}

void ZelExportSettingsPanel::applyModel(const ExportModel& pModel)
{
    onImageSettingsChanged(pModel);
    onSvgSettingsChanged(pModel);
    onBomSettingsChanged(pModel);
    onGeometrySettingsChanged(pModel);
}

void ZelExportSettingsPanel::readSettings(ExportModel& pModel) const
{
    // Without an application the panel edits a record of the host's defaults.
    if (mApplication)
        pModel = mApplication->getFiguraExportSettings();
}

void ZelExportSettingsPanel::getDefaultSettings(ExportModel&) const
{
    // A default-constructed record already carries the host's defaults.
}

void ZelExportSettingsPanel::exportVector(bool pAsImage)
{
    if (mApplication) {
        SVGExportSettings applied;
        applied.exportAsImage = pAsImage;
        mApplication->grabFiguraExportSettings().setSVGExportSettings(mMapping->svg(applied));
    }
    emit exportRequested();
}

} // namespace zel
