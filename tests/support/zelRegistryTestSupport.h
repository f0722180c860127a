#pragma once

// Shared by the registry and zelsettings tests (Linux): a home redirected into a temporary
// folder, the state of a file on disk, a file that even root cannot write, a full disk.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <functional>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zeltest {

// HOME, the temporary folder and the XDG folders moved into a temporary folder for as long
// as the object lives, so no test reaches the real home.
class RedirectedHome
{
public:
    RedirectedHome()
    {
        for (const char* name :
             {"HOME", "TMPDIR", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"}) {
            mSaved.append({name, qgetenv(name)});
            QDir().mkpath(folder(name));
            qputenv(name, QFile::encodeName(folder(name)));
        }
    }
    ~RedirectedHome()
    {
        // A null value stands for a variable that was not set.
        for (const auto& saved : mSaved)
            saved.second.isNull() ? qunsetenv(saved.first) : qputenv(saved.first, saved.second);
    }
    Q_DISABLE_COPY(RedirectedHome)

    bool isValid() const { return mRoot.isValid(); }
    QString folder(const char* pVariable) const
    {
        return mRoot.path() + QLatin1Char('/') + QString::fromLatin1(pVariable);
    }
    void keepOnFailure(bool pFailed) { mRoot.setAutoRemove(!pFailed); }

private:
    QTemporaryDir mRoot;
    QList<QPair<const char*, QByteArray>> mSaved;
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
        return mBytes == pOther.mBytes && mInode == pOther.mInode && mModified == pOther.mModified;
    }
};

// Makes a file immutable, which stops root as well; undone when the object goes.
class ImmutableFile
{
public:
    explicit ImmutableFile(const QString& pPath) : mPath(pPath), mApplied(setFlag(true)) {}
    ~ImmutableFile()
    {
        if (mApplied)
            setFlag(false);
    }
    Q_DISABLE_COPY(ImmutableFile)

    bool isApplied() const { return mApplied; }

private:
    bool setFlag(bool pOn)
    {
        const int fd = ::open(QFile::encodeName(mPath).constData(), O_RDONLY);
        int flags = 0;
        bool done = fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        flags = pOn ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        done = done && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        if (fd >= 0)
            ::close(fd);
        return done;
    }

    QString mPath;
    bool mApplied;
};

// A full disk without root: while the object lives, no file of this process grows past
// pBytes; a write past it fails as on a full disk (the signal that would end the process is
// ignored). Only the soft limit moves, so that it can be put back.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t pBytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &mSaved);
        mHandler = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit limit = mSaved;
        limit.rlim_cur = pBytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &mSaved);
        std::signal(SIGXFSZ, mHandler);
    }
    Q_DISABLE_COPY(FileSizeLimit)

private:
    struct rlimit mSaved;
    void (*mHandler)(int);
};

// Runs pWork in a child process on a full disk (FileSizeLimit) and gives back the text that
// it returned, or "(the child failed)".
inline QString OnFullDisk(rlim_t pBytes, const std::function<QString()>& pWork)
{
    int ends[2];
    if (::pipe(ends) != 0)
        return QStringLiteral("(no pipe)");
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(ends[0]);
        QByteArray text;
        {
            const FileSizeLimit limit(pBytes);
            text = pWork().toUtf8();
        }
        for (qsizetype done = 0; done < text.size();) {
            const ssize_t count = ::write(ends[1], text.constData() + done, text.size() - done);
            if (count <= 0)
                ::_exit(1);
            done += count;
        }
        // Without the exit handlers of the test process, which are the parent's to run.
        ::_exit(0);
    }
    ::close(ends[1]);
    QByteArray text;
    char buffer[4096];
    ssize_t count = 0;
    while ((count = ::read(ends[0], buffer, sizeof buffer)) > 0)
        text.append(buffer, int(count));
    ::close(ends[0]);
    int status = 0;
    const bool exited = child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status)
        && WEXITSTATUS(status) == 0;
    return exited ? QString::fromUtf8(text) : QStringLiteral("(the child failed)");
}

// The names in a folder, hidden ones too: a temporary file left behind shows here.
inline QStringList FolderEntries(const QString& pFolder)
{
    return QDir(pFolder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                   QDir::Name);
}

} // namespace zeltest
