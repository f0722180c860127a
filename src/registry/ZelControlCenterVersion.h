#pragma once

#include "zelCoreExport.h"

// The library's own version, as it was built. This scope lies outside namespace zel and is
// distinct from the class zel::ZelControlCenter. Where both are visible, write them out
// in full (::ZelControlCenter::Version, zel::ZelControlCenter): bringing the class to the
// global scope with "using" would clash with this name.
namespace ZelControlCenter {

struct ZEL_CORE_EXPORT Version
{
    Version() = default;
    Version(const Version&) = default;
    Version(Version&&) = default;
    // Every value is a build constant, so there is nothing to assign.
    Version& operator=(const Version&) { return *this; }
    Version& operator=(Version&&) { return *this; }

    static unsigned int GetMajor();
    static unsigned int GetMinor();
    static unsigned int GetRelease();
    static unsigned int GetRevision();
    static unsigned short GetYear();
    static unsigned char GetMonth();
    static bool IsDev();
    static bool IsDebug();
    static bool IsBeta();

    // pWithKind true adds the release kind ("-dev", "-beta", "-debug") to a development,
    // beta or debug build; in a release build both forms are the same. The strings are
    // owned by the library.
    static const char* GetDescStringMajorMinor(bool pWithKind = false);
    static const char* GetDescStringMajorMinorRelease(bool pWithKind = false);
    // "1.0.0.0 #0123abc"
    static const char* GetDescStringMajorMinorReleaseRevision(bool pWithKind = false);
    // "1.0.0.0 #0123abc 2025-6"
    static const char* GetDescStringMajorMinorReleaseRevisionDate();
};

} // namespace ZelControlCenter
