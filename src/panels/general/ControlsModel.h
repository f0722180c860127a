#pragma once

#include <QString>

namespace zel {

// Camera navigation settings of the general panel.
struct ControlsModel
{
    QString controller;

    bool operator!=(const ControlsModel& pOther) const
    {
        return controller != pOther.controller;
    }
};

} // namespace zel
