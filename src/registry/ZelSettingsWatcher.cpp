#include "ZelSettingsWatcher.h"

#include "ZelSettingsLock.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QSettings>
#include <QVariant>

namespace zel {

namespace {

// A writer's rename, its lock file and its temporary file come as several notices: the store
// is read once they have settled.
const int kSettleDelay = 50;

QString TextOf(const QVariant& pValue)
{
    if (pValue.userType() == QMetaType::QStringList)
        return pValue.toStringList().join(QLatin1String(", "));
    return pValue.toString();
}

} // namespace

ZelSettingsWatcher::ZelSettingsWatcher(QSettings& pSettings, QObject* pParent)
    : QObject(pParent)
    , mSettings(pSettings)
{
    mDelay.setSingleShot(true);
    mDelay.setInterval(kSettleDelay);
    connect(&mDelay, &QTimer::timeout, this, &ZelSettingsWatcher::look);
    mTexts = ReadTexts(mSettings);
    if (!ZelSettingsLock::IsFileStore(mSettings))
        return;
    const QFileInfo info(mSettings.fileName());
    mPath = info.absoluteFilePath();
    mFolder = info.absolutePath();
    mWatcher = new QFileSystemWatcher(this);
    connect(mWatcher, &QFileSystemWatcher::fileChanged, this, &ZelSettingsWatcher::onPathChanged);
    connect(mWatcher, &QFileSystemWatcher::directoryChanged, this,
            &ZelSettingsWatcher::onPathChanged);
    arm();
}

ZelSettingsWatcher::~ZelSettingsWatcher() = default;

ZelSettingsWatcher::Texts ZelSettingsWatcher::ReadTexts(QSettings& pSettings)
{
    // Our own store object reads the file again when it changed; it holds no write of ours.
    pSettings.sync();
    Texts texts;
    const QStringList keys = pSettings.allKeys();
    for (const QString& key : keys)
        texts.insert(key, TextOf(pSettings.value(key)));
    return texts;
}

void ZelSettingsWatcher::acknowledge()
{
    mDelay.stop();
    mTexts = ReadTexts(mSettings);
    arm();
}

void ZelSettingsWatcher::onPathChanged()
{
    // A file replaced by a rename is no longer the one watched.
    arm();
    mDelay.start();
}

void ZelSettingsWatcher::arm()
{
    if (!mWatcher)
        return;
    // A file or folder that does not exist yet cannot be watched; the next notice of the
    // folder, or the next look, tries again.
    if (!mWatcher->directories().contains(mFolder) && QFileInfo::exists(mFolder))
        mWatcher->addPath(mFolder);
    if (!mWatcher->files().contains(mPath) && QFileInfo::exists(mPath))
        mWatcher->addPath(mPath);
}

void ZelSettingsWatcher::look()
{
    arm();
    const Texts now = ReadTexts(mSettings);
    QStringList changed;
    auto before = mTexts.cbegin();
    auto after = now.cbegin();
    // Both are in key order: one walk finds the added, removed and changed keys.
    while (before != mTexts.cend() || after != now.cend()) {
        if (after == now.cend() || (before != mTexts.cend() && before.key() < after.key())) {
            changed.append(before.key());
            ++before;
        } else if (before == mTexts.cend() || after.key() < before.key()) {
            changed.append(after.key());
            ++after;
        } else {
            if (before.value() != after.value())
                changed.append(before.key());
            ++before;
            ++after;
        }
    }
    mTexts = now;
    if (!changed.isEmpty())
        emit storeChanged(changed);
}

} // namespace zel
