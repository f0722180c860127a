#pragma once

#include "ZelSettingsCheck.h"

#include <QPushButton>

#include <vector>

namespace zel {

// The status-bar note that the start-up check repaired settings: one line, and on a click the
// settings that it repaired, each from what the store held to what it holds now. It also
// tells where a damaged store was kept, and that the settings of this run are not saved when
// the store cannot be written. It goes once its details were read, unless nothing is saved:
// that stays true for the whole run.
class RepairNotice : public QPushButton
{
    Q_OBJECT

public:
    using Results = std::vector<ZelSettingsCheck::Result>;

    // What a person is told of a check's results: the values repaired, and the keys filled in
    // a store that already held settings (on a first start every key is filled, which says
    // nothing).
    static Results ToTell(const Results& pResults);

    RepairNotice(const Results& pRepairs, QWidget* pParent = nullptr);

    void setDamagedCopy(const QString& pPath);
    // pReason: why the store cannot be written; empty when the settings are saved.
    void setNotSaved(const QString& pReason);

    // One line a setting, after what is said of the store itself.
    QString details() const;

protected:
    void changeEvent(QEvent* pEvent) override;

private:
    void retranslate();
    void showDetails();

    Results mRepairs;
    QString mDamagedCopy;
    QString mNotSaved;
};

} // namespace zel
