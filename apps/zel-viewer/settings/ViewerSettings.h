#pragma once

namespace zel {

// The settings that the viewer keeps beside the library's own, registered with their
// defaults and validators by the viewer and by zelsettings alike.
class ViewerSettings
{
public:
    static void Register();
};

} // namespace zel
