#include "RealPanels.h"

#include "ZelExportSettingsPanel.h"
#include "ZelGeneralSettingsPanel.h"
#include "ZelImportSettingsPanel.h"
#include "ZelPrivacySettingsPanel.h"

QList<zel::ZelSettingsPanel*> CreateRealPanels(zel::kmDMIApplication* pApplication,
                                               QSettings& pStore,
                                               const std::function<void(const char*)>& pBuilt)
{
    const auto built = [&pBuilt](int pIndex) {
        if (pBuilt)
            pBuilt(kRealPanelNames[pIndex]);
    };
    QList<zel::ZelSettingsPanel*> panels;
    panels.append(new zel::ZelGeneralSettingsPanel(pApplication, pStore));
    built(0);
    panels.append(new zel::ZelImportSettingsPanel(pApplication, pStore));
    built(1);
    panels.append(new zel::ZelExportSettingsPanel(true, pApplication, pStore));
    built(2);
    panels.append(new zel::ZelPrivacySettingsPanel(pApplication, pStore));
    built(3);
    return panels;
}
