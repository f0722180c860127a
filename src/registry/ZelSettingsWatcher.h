#pragma once

#include "zelCoreExport.h"

#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

class QFileSystemWatcher;
class QSettings;

namespace zel {

// Tells which keys of a settings store other programs changed. It watches the store's file
// and its folder, since writers replace the file by renaming another over it, and compares
// the store's text, key by key, with what it held at the last look. A store that is not a
// file is not watched.
class ZEL_CORE_EXPORT ZelSettingsWatcher : public QObject
{
    Q_OBJECT

public:
    using Texts = QMap<QString, QString>;

    explicit ZelSettingsWatcher(QSettings& pSettings, QObject* pParent = nullptr);
    ~ZelSettingsWatcher() override;

    // The store as it is now becomes the one that changes are told from: what this program
    // has just written itself is not told back to it.
    void acknowledge();
    // Looks at the store at once rather than when the file system tells of a change.
    void look();

    bool isWatching() const { return mWatcher != nullptr; }
    // Every key of the store with its text, as the last look found them.
    const Texts& texts() const { return mTexts; }

    static Texts ReadTexts(QSettings& pSettings);

Q_SIGNALS:
    // The keys whose text changed, was added or was removed, in key order.
    void storeChanged(const QStringList& pKeys);

private:
    void onPathChanged();
    void arm();

    QSettings& mSettings;
    QFileSystemWatcher* mWatcher = nullptr;
    QTimer mDelay;
    QString mPath;
    QString mFolder;
    Texts mTexts;
};

} // namespace zel
