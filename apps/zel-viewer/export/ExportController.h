#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>

class QSettings;

namespace zel {

class ModelView;
class SampleAssembly;
class ZelExportSettingsPanel;
class kmDMIApplication;

// Drives the export tool: remembers its tab, shows its previews in the view and runs its
// exports into the export folder with the applied export settings.
class ExportController : public QObject
{
    Q_OBJECT

public:
    enum tTab
    {
        ImageTab = 0,
        VectorTab = 1,
        BomTab = 2,
        GeometryTab = 3
    };

    ExportController(kmDMIApplication* pApplication, QSettings& pSettings,
                     const SampleAssembly& pAssembly, ModelView* pView,
                     ZelExportSettingsPanel* pPanel, QObject* pParent = nullptr);

    // The folder that exports go to, created when missing.
    QString exportFolder() const;
    // A file name in the export folder that no file takes yet.
    QString freeFileName(const QString& pBaseName, const QString& pSuffix) const;
    // Runs the export of a tab; the files written, or false with the reason.
    bool exportTab(int pTab, QStringList& pFiles, QString& pError);

Q_SIGNALS:
    void exported(const QStringList& pFiles);
    void exportFailed(const QString& pError);

private Q_SLOTS:
    void onActiveTabChanged(int pIndex);
    void onPreviewToggled(bool pState);
    void onExportRequested();

private:
    void showPreview(int pTab);

    kmDMIApplication* mApplication;
    QSettings& mSettings;
    const SampleAssembly& mAssembly;
    QPointer<ModelView> mView;
    QPointer<ZelExportSettingsPanel> mPanel;
};

} // namespace zel
