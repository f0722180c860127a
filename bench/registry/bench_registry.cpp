// The start-up check run against plain QSettings doing the least that the same job needs,
// measured in the same run on complete INI stores of the 33 default keys.
//
//   healthy store  EnsureSettings  vs  the 33 keys read                      (goal <= 2)
//   repair store   EnsureSettings  vs  the 33 keys read, set back and synced (goal <= 1.5)
//
// The healthy figures come three ways: a store opened for the first time in the process, as
// at a viewer's start (the file is parsed); a store opened again (Qt keeps the parsed file);
// and a store object that stays open. Times are medians over interleaved rounds.

#include "ZelControlCenter.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

using zel::ZelControlCenter;

namespace {

const int kRounds = 15;
// More copies than QSettings keeps parsed, so every open of one parses the file again.
const int kColdCopies = 64;
const int kReadIterations = 400;
const int kRepairIterations = 25;

QStringList registeredKeys()
{
    QStringList keys;
    for (const auto& entry : ZelControlCenter::GetDefaultSettingsValues())
        keys.append(entry.first);
    return keys;
}

void writeFile(const QString& pPath, const QByteArray& pBytes)
{
    QFile file(pPath);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(pBytes);
}

QByteArray readFile(const QString& pPath)
{
    QFile file(pPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// One measured job: pPrepare runs outside the clock before every iteration.
struct Job
{
    Job(const char* pName, int pIterations, std::function<void()> pPrepare,
        std::function<void()> pRun)
        : mName(pName)
        , mIterations(pIterations)
        , mPrepare(std::move(pPrepare))
        , mRun(std::move(pRun))
    {
    }

    const char* mName;
    int mIterations;
    std::function<void()> mPrepare;
    std::function<void()> mRun;
    std::vector<double> mMicroseconds;

    void round()
    {
        qint64 total = 0;
        for (int i = 0; i < mIterations; ++i) {
            if (mPrepare)
                mPrepare();
            QElapsedTimer timer;
            timer.start();
            mRun();
            total += timer.nsecsElapsed();
        }
        mMicroseconds.push_back(double(total) / mIterations / 1000.0);
    }

    double median() const
    {
        std::vector<double> sorted = mMicroseconds;
        std::sort(sorted.begin(), sorted.end());
        return sorted[sorted.size() / 2];
    }
};

volatile int gSink = 0;

void readAll(QSettings& pSettings, const QStringList& pKeys)
{
    for (const QString& key : pKeys)
        gSink = gSink + int(pSettings.value(key).toString().size());
}

void readWriteAll(QSettings& pSettings, const QStringList& pKeys)
{
    for (const QString& key : pKeys)
        pSettings.setValue(key, pSettings.value(key).toString());
    pSettings.sync();
}

bool check(QSettings& pSettings)
{
    QString message;
    const bool passed = ZelControlCenter::EnsureSettings(pSettings, message);
    if (!passed)
        std::fprintf(stderr, "check failed: %s\n", qPrintable(message));
    return passed;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QTemporaryDir root;
    if (!root.isValid())
        return 1;
    // The check creates the folders that the defaults name; keep them out of the real home.
    for (const char* name : {"HOME", "TMPDIR", "XDG_CONFIG_HOME", "XDG_DATA_HOME"}) {
        const QString folder = root.filePath(QString::fromLatin1(name));
        QDir().mkpath(folder);
        qputenv(name, QFile::encodeName(folder));
    }
    QCoreApplication::setOrganizationName(QStringLiteral("Vantora"));
    QCoreApplication::setApplicationName(QStringLiteral("Vantora"));

    ZelControlCenter::InitDefaultSettingsValues();
    const QStringList keys = registeredKeys();
    const QString healthyPath = root.filePath(QStringLiteral("healthy.ini"));
    const QString repairPath = root.filePath(QStringLiteral("repair.ini"));
    {
        QSettings settings(healthyPath, QSettings::IniFormat);
        if (!check(settings))
            return 1;
    }
    const QByteArray healthy = readFile(healthyPath);
    QByteArray broken = healthy;
    broken.replace("nbDecimals=2\n", "nbDecimals=11\n");
    broken.replace("useFXAA=true\n", "useFXAA=yes\n");
    broken.replace("cacheSize=1024\n", "cacheSize=5\n");
    if (broken == healthy) {
        std::fprintf(stderr, "could not break the store\n");
        return 1;
    }
    const auto restoreBroken = [&] { writeFile(repairPath, broken); };

    QStringList coldPaths;
    for (int i = 0; i < kColdCopies; ++i) {
        coldPaths.append(root.filePath(QStringLiteral("cold%1.ini").arg(i)));
        writeFile(coldPaths.last(), healthy);
    }
    int coldFloorIndex = 0;
    int coldCheckIndex = 0;

    QSettings openHealthy(healthyPath, QSettings::IniFormat);
    bool checksPassed = true;
    std::vector<Job> jobs;
    jobs.emplace_back("healthy, first open: read floor", kReadIterations, nullptr, [&] {
        QSettings settings(coldPaths.at(coldFloorIndex++ % kColdCopies), QSettings::IniFormat);
        readAll(settings, keys);
    });
    jobs.emplace_back("healthy, first open: check", kReadIterations, nullptr, [&] {
        QSettings settings(coldPaths.at(coldCheckIndex++ % kColdCopies), QSettings::IniFormat);
        checksPassed = check(settings) && checksPassed;
    });
    jobs.emplace_back("healthy, reopened: read floor", kReadIterations, nullptr, [&] {
        QSettings settings(healthyPath, QSettings::IniFormat);
        readAll(settings, keys);
    });
    jobs.emplace_back("healthy, reopened: check", kReadIterations, nullptr, [&] {
        QSettings settings(healthyPath, QSettings::IniFormat);
        checksPassed = check(settings) && checksPassed;
    });
    jobs.emplace_back("healthy, kept open: read floor", kReadIterations, nullptr,
                      [&] { readAll(openHealthy, keys); });
    jobs.emplace_back("healthy, kept open: check", kReadIterations, nullptr,
                      [&] { checksPassed = check(openHealthy) && checksPassed; });
    jobs.emplace_back("repair, first open: read+write floor", kRepairIterations, restoreBroken,
                      [&] {
                          QSettings settings(repairPath, QSettings::IniFormat);
                          readWriteAll(settings, keys);
                      });
    jobs.emplace_back("repair, first open: check", kRepairIterations, restoreBroken, [&] {
        QSettings settings(repairPath, QSettings::IniFormat);
        checksPassed = check(settings) && checksPassed;
    });

    for (int round = 0; round < kRounds; ++round) {
        for (Job& job : jobs)
            job.round();
    }
    if (!checksPassed)
        return 1;
    coldPaths.append(healthyPath);
    for (const QString& path : coldPaths) {
        if (readFile(path) != healthy) {
            std::fprintf(stderr, "a healthy store was rewritten\n");
            return 1;
        }
    }

    std::printf("EnsureSettings over complete 33-key INI stores (median of %d rounds)\n",
                kRounds);
    for (const Job& job : jobs)
        std::printf("  %-40s %10.1f us\n", job.mName, job.median());
    const auto ratio = [&jobs](std::size_t pCheck, std::size_t pFloor) {
        return jobs[pCheck].median() / jobs[pFloor].median();
    };
    std::printf("ratios (check / floor):\n");
    std::printf("  healthy, first open (start-up)    %5.2f  (goal <= 2)\n", ratio(1, 0));
    std::printf("  healthy, reopened                 %5.2f  (goal <= 2)\n", ratio(3, 2));
    std::printf("  healthy, kept open                %5.2f  (goal <= 2)\n", ratio(5, 4));
    std::printf("  repair, first open                %5.2f  (goal <= 1.5)\n", ratio(7, 6));
    return 0;
}
