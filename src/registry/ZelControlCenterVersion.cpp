#include "ZelControlCenterVersion.h"

#include "zelVersionConfig.h"

#define ZEL_TEXT_(x) #x
#define ZEL_TEXT(x) ZEL_TEXT_(x)

#ifdef QT_NO_DEBUG
#  define ZEL_VERSION_DEBUG 0
#  define ZEL_KIND_DEBUG ""
#else
#  define ZEL_VERSION_DEBUG 1
#  define ZEL_KIND_DEBUG "-debug"
#endif
#if ZEL_VERSION_DEV
#  define ZEL_KIND_DEV "-dev"
#else
#  define ZEL_KIND_DEV ""
#endif
#if ZEL_VERSION_BETA
#  define ZEL_KIND_BETA "-beta"
#else
#  define ZEL_KIND_BETA ""
#endif
#define ZEL_KIND ZEL_KIND_DEV ZEL_KIND_BETA ZEL_KIND_DEBUG

#define ZEL_MAJOR_MINOR ZEL_TEXT(ZEL_VERSION_MAJOR) "." ZEL_TEXT(ZEL_VERSION_MINOR)
#define ZEL_MAJOR_MINOR_RELEASE ZEL_MAJOR_MINOR "." ZEL_TEXT(ZEL_VERSION_RELEASE)
#define ZEL_FULL ZEL_MAJOR_MINOR_RELEASE "." ZEL_TEXT(ZEL_VERSION_REVISION)
#define ZEL_MARK " #" ZEL_VERSION_BUILD_MARK
#define ZEL_DATE " " ZEL_TEXT(ZEL_VERSION_YEAR) "-" ZEL_TEXT(ZEL_VERSION_MONTH)

namespace ZelControlCenter {

namespace {

const char kMajorMinor[] = ZEL_MAJOR_MINOR;
const char kMajorMinorKind[] = ZEL_MAJOR_MINOR ZEL_KIND;
const char kMajorMinorRelease[] = ZEL_MAJOR_MINOR_RELEASE;
const char kMajorMinorReleaseKind[] = ZEL_MAJOR_MINOR_RELEASE ZEL_KIND;
const char kFull[] = ZEL_FULL ZEL_MARK;
const char kFullKind[] = ZEL_FULL ZEL_KIND ZEL_MARK;
const char kFullDate[] = ZEL_FULL ZEL_MARK ZEL_DATE;

} // namespace

unsigned int Version::GetMajor()
{
    return ZEL_VERSION_MAJOR;
}

unsigned int Version::GetMinor()
{
    return ZEL_VERSION_MINOR;
}

unsigned int Version::GetRelease()
{
    return ZEL_VERSION_RELEASE;
}

unsigned int Version::GetRevision()
{
    return ZEL_VERSION_REVISION;
}

unsigned short Version::GetYear()
{
    return ZEL_VERSION_YEAR;
}

unsigned char Version::GetMonth()
{
    return ZEL_VERSION_MONTH;
}

bool Version::IsDev()
{
    return ZEL_VERSION_DEV != 0;
}

bool Version::IsDebug()
{
    return ZEL_VERSION_DEBUG != 0;
}

bool Version::IsBeta()
{
    return ZEL_VERSION_BETA != 0;
}

const char* Version::GetDescStringMajorMinor(bool pWithKind)
{
    return pWithKind ? kMajorMinorKind : kMajorMinor;
}

const char* Version::GetDescStringMajorMinorRelease(bool pWithKind)
{
    return pWithKind ? kMajorMinorReleaseKind : kMajorMinorRelease;
}

const char* Version::GetDescStringMajorMinorReleaseRevision(bool pWithKind)
{
    return pWithKind ? kFullKind : kFull;
}

const char* Version::GetDescStringMajorMinorReleaseRevisionDate()
{
    return kFullDate;
}

} // namespace ZelControlCenter
