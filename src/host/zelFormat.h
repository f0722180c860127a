#pragma once

#include "ColorRGBA.h"
#include "kmHostExport.h"

#include <QString>

#include <string>

namespace zel {

// "#AARRGGBB", upper case.
KM_HOST_EXPORT std::string ColorToString(const Wm4::ColorRGBA& pColor);
// Reads "#RRGGBB" (opaque) and "#AARRGGBB"; anything else gives opaque black.
KM_HOST_EXPORT Wm4::ColorRGBA ColorFromString(const std::string& pText);
// Digits grouped by three with pSeparator: 1234567 and ' ' give "1 234 567".
KM_HOST_EXPORT QString FormatUInteger(quint64 pValue, char pSeparator);

} // namespace zel
