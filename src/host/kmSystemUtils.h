#pragma once

#include "kmHostExport.h"

#include <string>

namespace km {

class KM_HOST_EXPORT kmSystemUtils
{
public:
    // The logged-in user's name, UTF-8.
    static std::string GetCurrentUserNameUtf8();
};

} // namespace km
