#pragma once

#include "ZelSettingsCheck.h"

#include <QCoreApplication>
#include <QString>

#include <memory>
#include <vector>

class QSettings;
class QWidget;

namespace zel {

// The viewer's start-up check of its settings store. When the check stops at a setting, the
// person learns which one, what the store holds for it and where the store is, and may reset
// that one setting to its default and check again, or quit; nothing else in the store
// changes. Without a person to ask (no display, the tour), the same is told on standard error.
//
// A store that cannot be read safely never stops the viewer: it is kept as a copy beside
// itself and started again from what can be read. A store whose repairs cannot be written
// stops it unless the person chooses to start without saving: the run then works on the
// repaired values in memory, and the file stays as it was.
class StartupCheck
{
    Q_DECLARE_TR_FUNCTIONS(StartupCheck)

public:
    struct Outcome
    {
        // What the check kept, filled and repaired, key by key.
        std::vector<ZelSettingsCheck::Result> mResults;
        // Where the damaged store was kept, or empty.
        QString mDamagedCopy;
        // Why the settings of this run are not saved, or empty when they are.
        QString mNotSaved;
    };

    // Registers the viewer's and the library's settings, then checks pSettings. True when
    // the viewer may start, with pSettings possibly replaced by a store kept in memory.
    static bool Run(std::unique_ptr<QSettings>& pSettings, bool pAsk,
                    QWidget* pParent = nullptr, Outcome* pOutcome = nullptr);

private:
    static bool startWithoutSaving(std::unique_ptr<QSettings>& pSettings,
                                   const ZelSettingsCheck& pCheck, bool pAsk, QWidget* pParent,
                                   Outcome& pOutcome);
    static bool resetKey(QSettings& pSettings, const QString& pKey, QString& pErrorMessage);
    static void tell(bool pAsk, QWidget* pParent, const QString& pText);
};

} // namespace zel
