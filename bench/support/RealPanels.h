#pragma once

#include <QList>

#include <functional>

class QSettings;

namespace zel {
class ZelSettingsPanel;
class kmDMIApplication;
} // namespace zel

// The four panels that a viewer registers, in its order: general, import, export (with the
// settings layout) and privacy. pBuilt, when given, is called after each panel is built with
// the panel's short name, so that a caller can time each one.
QList<zel::ZelSettingsPanel*> CreateRealPanels(
    zel::kmDMIApplication* pApplication, QSettings& pStore,
    const std::function<void(const char*)>& pBuilt = {});

// The short names that pBuilt receives, in the same order.
const char* const kRealPanelNames[] = {"general", "import", "export", "privacy"};
