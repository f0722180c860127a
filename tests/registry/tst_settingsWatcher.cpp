#include "ZelSettingsCheck.h"
#include "ZelSettingsWatcher.h"

#include <QtTest>

using namespace zel;

// The watcher of a settings store as another program's writes reach it: replaced by a rename,
// rewritten in place, made after the watcher, and the library's own writes not told back.
class tst_settingsWatcher : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        mDir = std::make_unique<QTemporaryDir>();
        mPath = mDir->filePath(QStringLiteral("settings.ini"));
    }

    void tellsChangedKeys_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<bool>("inPlace");
        QTest::addColumn<QStringList>("told");
        const QByteArray store = "[units]\nnbDecimals=2\nname=mm\n";
        QTest::addRow("replaced, one value") << store << QByteArray("[units]\nnbDecimals=4\nname=mm\n")
                                             << false << QStringList{"units/nbDecimals"};
        QTest::addRow("rewritten in place") << store << QByteArray("[units]\nnbDecimals=4\nname=m\n")
                                            << true
                                            << QStringList{"units/name", "units/nbDecimals"};
        QTest::addRow("key added") << store
                                   << QByteArray("[engine]\nflatShading=true\n\n") + store
                                   << false << QStringList{"engine/flatShading"};
        QTest::addRow("key removed") << store << QByteArray("[units]\nname=mm\n") << false
                                     << QStringList{"units/nbDecimals"};
        QTest::addRow("store made later") << QByteArray() << store << false
                                          << QStringList{"units/name", "units/nbDecimals"};
    }

    void tellsChangedKeys()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QFETCH(bool, inPlace);
        QFETCH(QStringList, told);
        if (!before.isEmpty())
            write(before, false);
        QSettings settings(mPath, QSettings::IniFormat);
        ZelSettingsWatcher watcher(settings);
        QVERIFY(watcher.isWatching());
        QSignalSpy spy(&watcher, &ZelSettingsWatcher::storeChanged);

        write(after, inPlace);
        QTRY_COMPARE(spy.count(), 1);
        QCOMPARE(spy.front().front().toStringList(), told);
        // The host's store object reads the new text.
        QCOMPARE(settings.value(told.front()).toString(),
                 QSettings(mPath, QSettings::IniFormat).value(told.front()).toString());

        // Still watched after the file was replaced.
        write("[units]\nnbDecimals=7\nname=mm\n", false);
        QTRY_COMPARE(spy.count(), 2);
        QVERIFY(spy.back().front().toStringList().contains(QStringLiteral("units/nbDecimals")));
    }

    void ownWritesNotTold()
    {
        write("[units]\nnbDecimals=2\n", false);
        QSettings settings(mPath, QSettings::IniFormat);
        ZelSettingsWatcher watcher(settings);
        QSignalSpy spy(&watcher, &ZelSettingsWatcher::storeChanged);
        QString error;
        QVERIFY(ZelSettingsCheck::WriteValues(
            settings, {{QStringLiteral("units/nbDecimals"), QStringLiteral("5")}}, error));
        watcher.acknowledge();
        watcher.look();
        QCOMPARE(spy.count(), 0);
        QCOMPARE(watcher.texts().value(QStringLiteral("units/nbDecimals")), QStringLiteral("5"));

        // Another writer's change after ours is told, and only it.
        write("[units]\nnbDecimals=5\n\n[engine]\nuseFXAA=false\n", false);
        QTRY_COMPARE(spy.count(), 1);
        QCOMPARE(spy.front().front().toStringList(), QStringList{"engine/useFXAA"});
    }

private:
    // As another program writes: into a new file renamed over the store, or over its bytes.
    void write(const QByteArray& pData, bool pInPlace)
    {
        const QString target = pInPlace ? mPath : mPath + QStringLiteral(".new");
        const QFileInfo old(mPath);
        const QDateTime oldTime = old.exists() ? old.lastModified() : QDateTime();
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(pData), pData.size());
        QVERIFY(file.flush());
        // A reader knows a new text by its size and time; an equal size must not hide it.
        if (oldTime.isValid())
            QVERIFY(file.setFileTime(oldTime.addSecs(1), QFileDevice::FileModificationTime));
        file.close();
        if (!pInPlace) {
            QFile::remove(mPath);
            QVERIFY(QFile::rename(target, mPath));
        }
    }

    std::unique_ptr<QTemporaryDir> mDir;
    QString mPath;
};

QTEST_GUILESS_MAIN(tst_settingsWatcher)
#include "tst_settingsWatcher.moc"
