#pragma once

namespace zel {

// The usage-data consent, moved between the settings store and the privacy panel.
struct PrivacyModel
{
    bool sendReport = false;
};

} // namespace zel
