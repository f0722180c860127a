#include "ZelSettingsRegistry.h"

#include "kmDMManager.h"
#include "kmDirUtils.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <QThread>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

namespace zel {

namespace {

const uint kMaxDecimals = 10;
const qulonglong kMinCacheSize = 10;
const qulonglong kMaxCacheSize = 102400;
const int kMaxFaceAngle = 359;
const float kMaxFaceSizeLimit = 100.0f;
const qulonglong kMinTrianglesCap = 50000ULL;
const qulonglong kMaxTrianglesCap = 500000000ULL;
const qulonglong kMinMemory = 134217728ULL;         // 128 MiB
const qulonglong kMaxMemory = 8489271296ULL;        // 8096 MiB
const qulonglong kMinSimplificationRAM = 67108864ULL; // 64 MiB
const std::size_t kRatioCount = 5;

// Keeps the value when it is one of the accepted texts, else puts back the default.
bool acceptOneOf(std::initializer_list<const char*> pAccepted, const QString& pDefaultValue,
                 QString& pValue)
{
    for (const char* accepted : pAccepted) {
        if (pValue == QLatin1String(accepted))
            return true;
    }
    pValue = pDefaultValue;
    return true;
}

// Range check without rewriting: an accepted value stays as it was written.
bool acceptULongLongIn(qulonglong pMin, qulonglong pMax, const QString& pDefaultValue,
                       QString& pValue)
{
    bool ok = false;
    const qulonglong number = pValue.toULongLong(&ok);
    if (!ok || number < pMin || number > pMax)
        pValue = pDefaultValue;
    return true;
}

bool clampULongLong(qulonglong pMin, qulonglong pMax, const QString& pDefaultValue,
                    QString& pValue)
{
    bool ok = false;
    const qulonglong number = pValue.toULongLong(&ok);
    if (ok)
        pValue = QString::number(std::min(std::max(number, pMin), pMax));
    else
        pValue = pDefaultValue;
    return true;
}

bool clampFaceSize(const QString& pDefaultValue, QString& pValue)
{
    bool ok = false;
    float number = pValue.toFloat(&ok);
    if (!ok) {
        pValue = pDefaultValue;
        return true;
    }
    // Written so that NaN, which compares false, ends at 0 too.
    if (!(number > 0.0f))
        number = 0.0f;
    else if (number >= kMaxFaceSizeLimit)
        number = kMaxFaceSizeLimit;
    pValue = QString::number(double(number), 'g', 6);
    return true;
}

// The three failure messages; %1 is a path.
QString failureMessage(const char* pText, const QString& pPath)
{
    return QCoreApplication::translate("ZelControlCenter", pText).arg(pPath);
}

std::string toUtf8(const QString& pText)
{
    const QByteArray bytes = pText.toUtf8();
    return std::string(bytes.constData(), std::size_t(bytes.size()));
}

bool isHexDigit(char pByte)
{
    return (pByte >= '0' && pByte <= '9') || (pByte >= 'A' && pByte <= 'F')
        || (pByte >= 'a' && pByte <= 'f');
}

std::vector<float> parseRatios(const QString& pText)
{
    std::vector<float> ratios;
    const QStringList parts = pText.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        bool ok = false;
        const float ratio = part.toFloat(&ok);
        if (ok)
            ratios.push_back(ratio);
    }
    return ratios;
}

enum class RatiosOutcome
{
    Written,
    NotFive,
    CorrectedAway
};

// Five corrected ratios from the text, or from the default when the text has not five.
RatiosOutcome correctRatios(const QString& pText, const QString& pDefaultValue,
                            QString& pValue)
{
    std::vector<float> ratios = parseRatios(pText);
    if (ratios.size() != kRatioCount) {
        ratios = parseRatios(pDefaultValue);
        if (ratios.size() != kRatioCount)
            return RatiosOutcome::NotFive;
    }
    kmDMManager::CorrectRatios(ratios);
    if (ratios.size() != kRatioCount)
        return RatiosOutcome::CorrectedAway;

    QStringList texts;
    for (float ratio : ratios)
        texts.append(QString::number(double(ratio), 'g', 6));
    pValue = texts.join(QLatin1Char('/'));
    return RatiosOutcome::Written;
}

} // namespace

bool ZelSettingsRegistry::noOp(const QString&, const QString&, QString&, QString&)
{
    return true;
}

bool ZelSettingsRegistry::ensureBool(const QString&, const QString& pDefaultValue,
                                  QString& pValue, QString&)
{
    return acceptOneOf({"true", "false"}, pDefaultValue, pValue);
}

bool ZelSettingsRegistry::ensureEngine(const QString&, const QString& pDefaultValue,
                                    QString& pValue, QString&)
{
    return acceptOneOf({"deferred", "software"}, pDefaultValue, pValue);
}

bool ZelSettingsRegistry::ensureNavigationMode(const QString&, const QString& pDefaultValue,
                                            QString& pValue, QString&)
{
    return acceptOneOf({"examine", "arcball"}, pDefaultValue, pValue);
}

bool ZelSettingsRegistry::ensureSceneUnit(const QString&, const QString& pDefaultValue,
                                       QString& pValue, QString&)
{
    return acceptOneOf({"mm", "cm", "m", "in"}, pDefaultValue, pValue);
}

bool ZelSettingsRegistry::ensureDecimalSeparator(const QString&, const QString& pDefaultValue,
                                              QString& pValue, QString&)
{
    return acceptOneOf({".", ","}, pDefaultValue, pValue);
}

bool ZelSettingsRegistry::ensureColumnSeparator(const QString&, const QString&, QString& pValue,
                                             QString&)
{
    return !pValue.isEmpty();
}

bool ZelSettingsRegistry::ensureStringDelimiter(const QString&, const QString& pDefaultValue,
                                             QString& pValue, QString&)
{
    return acceptOneOf({"\""}, pDefaultValue, pValue);
}

bool ZelSettingsRegistry::ensureUInt(const QString&, const QString& pDefaultValue,
                                  QString& pValue, QString&)
{
    bool ok = false;
    const uint decimals = pValue.toUInt(&ok);
    if (!ok || decimals > kMaxDecimals)
        pValue = pDefaultValue;
    return true;
}

bool ZelSettingsRegistry::ensureCacheSize(const QString&, const QString& pDefaultValue,
                                       QString& pValue, QString&)
{
    return acceptULongLongIn(kMinCacheSize, kMaxCacheSize, pDefaultValue, pValue);
}

bool ZelSettingsRegistry::ensureCoreNumber(const QString&, const QString& pDefaultValue,
                                        QString& pValue, QString&)
{
    bool ok = false;
    int cores = pValue.toInt(&ok);
    if (!ok) {
        // The default (4) may exceed the machine, so it is clamped like a stored count;
        // otherwise the next start would repair it again.
        cores = pDefaultValue.toInt(&ok);
        if (!ok) {
            pValue = pDefaultValue;
            return true;
        }
    }
    // Clamped to the cores that the machine reports; -1 when it cannot tell. Asked once:
    // with Qt 5 each question reads a system file.
    static const int machineCores = QThread::idealThreadCount();
    cores = std::min(std::max(cores, 1), machineCores);
    pValue = QString::number(cores);
    return true;
}

bool ZelSettingsRegistry::ensureTesselationMaxFaceAngle(const QString&,
                                                     const QString& pDefaultValue,
                                                     QString& pValue, QString&)
{
    bool ok = false;
    const int angle = pValue.toInt(&ok);
    if (ok)
        pValue = QString::number(std::min(std::max(angle, 0), kMaxFaceAngle));
    else
        pValue = pDefaultValue;
    return true;
}

bool ZelSettingsRegistry::ensureTesselationMaxFaceLength(const QString&,
                                                      const QString& pDefaultValue,
                                                      QString& pValue, QString&)
{
    return clampFaceSize(pDefaultValue, pValue);
}

bool ZelSettingsRegistry::ensureTesselationMaxFaceSag(const QString&,
                                                   const QString& pDefaultValue,
                                                   QString& pValue, QString&)
{
    return clampFaceSize(pDefaultValue, pValue);
}

bool ZelSettingsRegistry::ensureLODTrianglesCap(const QString&, const QString& pDefaultValue,
                                             QString& pValue, QString&)
{
    return clampULongLong(kMinTrianglesCap, kMaxTrianglesCap, pDefaultValue, pValue);
}

bool ZelSettingsRegistry::ensureMaxCPUMemory3D(const QString&, const QString& pDefaultValue,
                                            QString& pValue, QString&)
{
    return clampULongLong(kMinMemory, kMaxMemory, pDefaultValue, pValue);
}

bool ZelSettingsRegistry::ensureMaxGPUMemory(const QString&, const QString& pDefaultValue,
                                          QString& pValue, QString&)
{
    return clampULongLong(kMinMemory, kMaxMemory, pDefaultValue, pValue);
}

bool ZelSettingsRegistry::ensureColor(const QString&, const QString& pDefaultValue,
                                   QString& pValue, QString&)
{
    const QByteArray bytes = pValue.toUtf8();
    bool accepted = (bytes.size() == 7 || bytes.size() == 9) && bytes.at(0) == '#';
    for (int i = 1; accepted && i < int(bytes.size()); ++i)
        accepted = isHexDigit(bytes.at(i));
    if (!accepted)
        pValue = pDefaultValue;
    return true;
}

bool ZelSettingsRegistry::ensureSettingsVersion(const QString&, const QString& pDefaultValue,
                                             QString& pValue, QString&)
{
    pValue = pDefaultValue;
    return true;
}

bool ZelSettingsRegistry::ensureFile(const QString&, const QString& pDefaultValue,
                                  QString& pValue, QString& pErrorMessage)
{
    if (!pValue.isEmpty()) {
        CleanupFolder(pValue);
        // A path that cleans up to nothing ("/") names no file.
        if (!pValue.isEmpty()
            && km::kmDirUtils::DirExistsUtf8(km::kmDirUtils::ExtractFolder(toUtf8(pValue))))
            return true;
    }

    pValue = pDefaultValue;
    CleanupFolder(pValue);
    const std::string folder = km::kmDirUtils::ExtractFolder(toUtf8(pValue));
    if (!km::kmDirUtils::DirExistsUtf8(folder) && !km::kmDirUtils::MkpathUtf8(folder)) {
        pErrorMessage = failureMessage(
            QT_TRANSLATE_NOOP("ZelControlCenter", "Could not use the Vantora log file, file "
                                                  "\"%1\" could not be created"),
            pValue);
        return false;
    }
    return true;
}

bool ZelSettingsRegistry::ensureFolder(const QString& pDefaultValue, QString& pValue)
{
    if (!pValue.isEmpty()) {
        CleanupFolder(pValue);
        // "/" cleans up to "", which QDir would take for the working folder.
        if (!pValue.isEmpty() && QFileInfo(pValue).isDir())
            return true;
    }

    pValue = pDefaultValue;
    CleanupFolder(pValue);
    return QFileInfo(pValue).isDir() || QDir(pValue).mkpath(QStringLiteral("."));
}

bool ZelSettingsRegistry::ensureDMCacheFolder(const QString&, const QString& pDefaultValue,
                                           QString& pValue, QString& pErrorMessage)
{
    if (ensureFolder(pDefaultValue, pValue))
        return true;
    pErrorMessage = failureMessage(
        QT_TRANSLATE_NOOP("ZelControlCenter", "Could not use the 3D database cache, folder "
                                              "\"%1\" could not be created"),
        pValue);
    return false;
}

bool ZelSettingsRegistry::ensureTmpFolder(const QString&, const QString& pDefaultValue,
                                       QString& pValue, QString& pErrorMessage)
{
    if (!QFileInfo(pDefaultValue).isDir() && !QDir(pDefaultValue).mkpath(QStringLiteral("."))) {
        pErrorMessage = failureMessage(
            QT_TRANSLATE_NOOP("ZelControlCenter", "Could not create compulsory folder \"%1\""),
            pDefaultValue);
        return false;
    }

    if (!pValue.isEmpty()) {
        CleanupFolder(pValue);
        // The default was just found or made; asking the disk again would only cost time.
        if (pValue == pDefaultValue)
            return true;
        // "/" cleans up to "", which QDir would take for the working folder.
        if (!pValue.isEmpty() && QFileInfo(pValue).isDir())
            return true;
    }
    pValue = pDefaultValue;
    return true;
}

bool ZelSettingsRegistry::ensureSimplificationRAM(const QString&, const QString& pDefaultValue,
                                               QString& pValue, QString&)
{
    return acceptULongLongIn(kMinSimplificationRAM, kMaxMemory, pDefaultValue, pValue);
}

bool ZelSettingsRegistry::ensureLogLevel(const QString&, const QString& pDefaultValue,
                                      QString& pValue, QString&)
{
    bool ok = false;
    const int level = pValue.toInt(&ok);
    if (ok)
        pValue = QString::number(level < 0 ? 1 : level);
    else
        pValue = pDefaultValue;
    return true;
}

bool ZelSettingsRegistry::ensureSimplificationRatios(const QString&, const QString& pDefaultValue,
                                                  QString& pValue, QString&)
{
    const RatiosOutcome outcome = correctRatios(pValue, pDefaultValue, pValue);
    if (outcome != RatiosOutcome::CorrectedAway)
        return outcome == RatiosOutcome::Written;
    // The correction left fewer than five: start again from the default, once.
    pValue = pDefaultValue;
    return correctRatios(pValue, pDefaultValue, pValue) == RatiosOutcome::Written;
}

} // namespace zel
