#pragma once

// Helpers shared by the registry and zelsettings tests: a home redirected into a temporary
// folder, the state of a file on disk, and a file that even root cannot write.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>

#include <sys/stat.h>

#ifdef Q_OS_LINUX
#  include <fcntl.h>
#  include <linux/fs.h>
#  include <sys/ioctl.h>
#  include <unistd.h>
#endif

namespace zeltest {

// The keys of the default table in the order in which the check run visits them.
inline QStringList checkOrder()
{
    return {"CSVDriver/Import/columnSeparator", "CSVDriver/Import/decimalSeparator",
            "CSVDriver/Import/hasHeader", "CSVDriver/Import/stringDelimiter",
            "Controls/controller", "DBCache/cacheDirectory", "DBCache/cacheSize",
            "Import/ComputeFaceContour", "Import/LoadAnnotations", "Import/LoadHiddenObjects",
            "Logging/logFile", "Resources/LODTrianglesCap", "Resources/MaxCPUMemory3D",
            "Resources/MaxGPUMemory", "Tesselation/TesselationIsHighQuality",
            "Tesselation/TesselationMaxFaceAngle", "Tesselation/TesselationMaxFaceAngleSet",
            "Tesselation/TesselationMaxFaceLength", "Tesselation/TesselationMaxFaceLengthSet",
            "Tesselation/TesselationMaxFaceSag", "Tesselation/TesselationMaxFaceSagSet",
            "Tesselation/TesselationQualitySet", "engine", "engine/backgroundColor",
            "engine/coreNumber", "engine/flatShading", "engine/useFXAA", "engine/useOutline",
            "engine/useXRay", "folders/lastexportfolder", "settingsVersion", "units/name",
            "units/nbDecimals"};
}

// HOME, the temporary folder and the XDG folders moved into a temporary folder for as long
// as the object lives, so no test reaches the real home.
class RedirectedHome
{
public:
    RedirectedHome()
    {
        for (const char* name : kVariables) {
            mSaved.append({name, qEnvironmentVariableIsSet(name), qgetenv(name)});
            const QString folder = mRoot.path() + QLatin1Char('/') + QString::fromLatin1(name);
            QDir().mkpath(folder);
            qputenv(name, QFile::encodeName(folder));
        }
    }
    ~RedirectedHome()
    {
        for (const Saved& saved : mSaved) {
            if (saved.mWasSet)
                qputenv(saved.mName, saved.mValue);
            else
                qunsetenv(saved.mName);
        }
    }
    RedirectedHome(const RedirectedHome&) = delete;
    RedirectedHome& operator=(const RedirectedHome&) = delete;

    bool isValid() const { return mRoot.isValid(); }
    QString path() const { return mRoot.path(); }
    QString folder(const char* pVariable) const
    {
        return mRoot.path() + QLatin1Char('/') + QString::fromLatin1(pVariable);
    }
    void keepOnFailure(bool pFailed) { mRoot.setAutoRemove(!pFailed); }

private:
    static constexpr const char* kVariables[] = {"HOME", "TMPDIR", "XDG_CONFIG_HOME",
                                                 "XDG_DATA_HOME", "XDG_CACHE_HOME"};
    struct Saved
    {
        const char* mName;
        bool mWasSet;
        QByteArray mValue;
    };
    QTemporaryDir mRoot;
    QList<Saved> mSaved;
};

// What tells whether a file was written: its bytes, its inode and its modification time.
// Keep the file open while comparing, so that a rewritten file cannot get the old inode.
struct FileStamp
{
    QByteArray mBytes;
    quint64 mInode = 0;
    qint64 mModified = 0;

    static FileStamp of(const QString& pPath)
    {
        FileStamp stamp;
        QFile file(pPath);
        if (file.open(QIODevice::ReadOnly))
            stamp.mBytes = file.readAll();
        struct stat info;
        if (::stat(QFile::encodeName(pPath).constData(), &info) == 0) {
            stamp.mInode = quint64(info.st_ino);
            stamp.mModified = qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
        }
        return stamp;
    }
    bool operator==(const FileStamp& pOther) const
    {
        return mBytes == pOther.mBytes && mInode == pOther.mInode
            && mModified == pOther.mModified;
    }
    bool operator!=(const FileStamp& pOther) const { return !(*this == pOther); }
};

// Makes a file immutable, which stops root as well; undone when the object goes.
class ImmutableFile
{
public:
    explicit ImmutableFile(const QString& pPath)
        : mPath(pPath)
        , mApplied(setFlag(true))
    {
    }
    ~ImmutableFile()
    {
        if (mApplied)
            setFlag(false);
    }
    ImmutableFile(const ImmutableFile&) = delete;
    ImmutableFile& operator=(const ImmutableFile&) = delete;

    bool isApplied() const { return mApplied; }

private:
    bool setFlag(bool pOn)
    {
#ifdef Q_OS_LINUX
        const int fd = ::open(QFile::encodeName(mPath).constData(), O_RDONLY);
        if (fd < 0)
            return false;
        int flags = 0;
        bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        if (done) {
            flags = pOn ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
            done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        }
        ::close(fd);
        return done;
#else
        Q_UNUSED(pOn);
        return false;
#endif
    }

    QString mPath;
    bool mApplied;
};

} // namespace zeltest
