#include "BenchHost.h"

#include "ZelControlCenter.h"

#include <QDir>
#include <QFile>

BenchHost::BenchHost(const QString& pFolder)
    : mFolder(pFolder.isEmpty() ? mTemporary.path() : QDir(pFolder).absolutePath())
{
    if (pFolder.isEmpty() ? !mTemporary.isValid() : !QDir().mkpath(mFolder)) {
        mMessage = QStringLiteral("cannot create the folder %1").arg(mFolder);
        return;
    }
    for (const char* name : {"HOME", "TMPDIR", "XDG_CONFIG_HOME", "XDG_DATA_HOME",
                             "XDG_CACHE_HOME"}) {
        const QString folder = QDir(mFolder).filePath(QString::fromLatin1(name));
        QDir().mkpath(folder);
        qputenv(name, QFile::encodeName(folder));
    }

    // The defaults name folders below the home that was just set.
    zel::ZelControlCenter::InitDefaultSettingsValues();
    mStore = std::make_unique<QSettings>(QDir(mFolder).filePath(QStringLiteral("store.ini")),
                                         QSettings::IniFormat);
    QString message;
    if (!zel::ZelControlCenter::EnsureSettings(*mStore, message))
        mMessage = QStringLiteral("the start-up check failed: %1").arg(message);
    mApplication.setSettings(mStore.get());
}

bool BenchHost::isValid(QString& pMessage) const
{
    pMessage = mMessage;
    return mMessage.isEmpty();
}
