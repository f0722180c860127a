#include "kmSystemUtils.h"

#include <QByteArray>
#include <QtGlobal>

#ifdef Q_OS_WIN
#  include <qt_windows.h>
#  include <QString>
#else
#  include <pwd.h>
#  include <unistd.h>
#endif

namespace km {

std::string kmSystemUtils::GetCurrentUserNameUtf8()
{
#ifdef Q_OS_WIN
    wchar_t name[257];
    DWORD size = 257;
    if (GetUserNameW(name, &size) && size > 1)
        return QString::fromWCharArray(name, int(size) - 1).toStdString();
#else
    if (const passwd* entry = getpwuid(geteuid())) {
        if (entry->pw_name && entry->pw_name[0] != '\0')
            return entry->pw_name;
    }
#endif
    // Containers often run with a uid that has no passwd entry.
    QByteArray name = qgetenv("USER");
    if (name.isEmpty())
        name = qgetenv("USERNAME");
    return name.toStdString();
}

} // namespace km
