#pragma once

#include "ZelSettingsCheck.h"

#include <QCoreApplication>
#include <QString>

#include <vector>

class QSettings;
class QWidget;

namespace zel {

// The viewer's start-up check of its settings store. When the check stops at a setting, the
// person learns which one, what the store holds for it and where the store is, and may reset
// that one setting to its default and check again, or quit; nothing else in the store
// changes. Without a person to ask (no display, the tour), the same is told on standard error.
class StartupCheck
{
    Q_DECLARE_TR_FUNCTIONS(StartupCheck)

public:
    // Registers the viewer's and the library's settings, then checks pSettings. True when
    // the viewer may start; pResults, if given, then holds what the check kept, filled and
    // repaired, key by key.
    static bool Run(QSettings& pSettings, bool pAsk, QWidget* pParent = nullptr,
                    std::vector<ZelSettingsCheck::Result>* pResults = nullptr);

private:
    static bool resetKey(QSettings& pSettings, const QString& pKey, QString& pErrorMessage);
    static void tell(bool pAsk, QWidget* pParent, const QString& pText);
};

} // namespace zel
