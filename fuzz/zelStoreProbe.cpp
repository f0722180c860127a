#include "zelStoreProbe.h"

#include "ZelControlCenter.h"
#include "ZelSettingsCheck.h"
#include "ZelSettingsFile.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QVariant>

namespace zelfuzz {

namespace {

QString gFolder;
int gCount = 0;

using zel::ZelControlCenter;
using zel::ZelSettingsFile;

// QSettings builds a typed value from a text that starts with "@"; an escape may spell one.
bool isSafeForQSettings(const QByteArray& pBytes)
{
    static const QRegularExpression numericEscape(QStringLiteral("\\\\[x0-7]"));
    return !pBytes.contains('@') && !QString::fromLatin1(pBytes).contains(numericEscape);
}

QByteArray readFile(const QString& pPath)
{
    QFile file(pPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& pPath, const QByteArray& pBytes)
{
    QFile file(pPath);
    return file.open(QIODevice::WriteOnly) && file.write(pBytes) == pBytes.size();
}

// What QSettings reads for each registered key, against what the check reads.
QString compareWithQSettings(const QString& pPath, const QByteArray& pBytes)
{
    if (!isSafeForQSettings(pBytes))
        return QString();
    const ZelSettingsFile file(pBytes);
    QSettings settings(pPath, QSettings::IniFormat);
    settings.allKeys();
    if (settings.status() == QSettings::FormatError && file.damagedLine() == 0)
        return QStringLiteral("QSettings finds the file damaged, the check does not");
    if (file.damagedLine() != 0)
        return QString();
    for (const auto& entry : ZelControlCenter::GetDefaultSettingsValues()) {
        QString text;
        const ZelSettingsFile::tValueKind kind = file.value(entry.first, &text);
        const QVariant value = settings.value(entry.first);
        const bool same = kind == ZelSettingsFile::Missing
            ? !settings.contains(entry.first)
            : kind == ZelSettingsFile::Text
                ? value.userType() == QMetaType::QString && value.toString() == text
                : value.userType() != QMetaType::QString;
        if (!same) {
            return QStringLiteral("\"%1\": the check reads %2 \"%3\", QSettings \"%4\"")
                .arg(entry.first)
                .arg(int(kind))
                .arg(text, value.toStringList().join(QLatin1Char('|')));
        }
    }
    return QString();
}

bool check(const QString& pPath, QString& pMessage)
{
    QSettings settings(pPath, QSettings::IniFormat);
    return zel::ZelSettingsCheck(settings).run(pMessage);
}

// After a check that passed: every registered key holds text that its validator keeps, a
// second check changes no byte, and QSettings reads what the check wrote.
QString checkOutcome(const QString& pPath, const QString& pCopy)
{
    const QByteArray after = readFile(pPath);
    const ZelSettingsFile file(after);
    for (const auto& entry : ZelControlCenter::GetDefaultSettingsValues()) {
        QString text;
        if (file.value(entry.first, &text) != ZelSettingsFile::Text
            || !file.holds(entry.first, text))
            return QStringLiteral("\"%1\" is not text after the check").arg(entry.first);
        QString validated = text;
        QString error;
        if (!entry.second.second(entry.first, entry.second.first, validated, error)
            || validated != text)
            return QStringLiteral("\"%1\" does not pass its validator").arg(entry.first);
    }
    QString message;
    if (!check(pPath, message) || readFile(pPath) != after)
        return QStringLiteral("a second check changed the file");
    writeFile(pCopy, after);
    return compareWithQSettings(pCopy, after);
}

} // namespace

void PrepareRegistry(const QString& pRoot)
{
    for (const char* name : {"HOME", "TMPDIR", "XDG_CONFIG_HOME", "XDG_DATA_HOME"}) {
        const QString folder = pRoot + QLatin1Char('/') + QLatin1String(name);
        QDir().mkpath(folder);
        qputenv(name, QFile::encodeName(folder));
    }
    gFolder = pRoot + QStringLiteral("/stores");
    QDir().mkpath(gFolder);
    ZelControlCenter::InitDefaultSettingsValues();
}

QString ProbeStore(const QByteArray& pBytes)
{
    // A new name each time: QSettings keeps what it read of a file by its name, size and time.
    const QString path = gFolder + QStringLiteral("/store%1.ini").arg(++gCount);
    const QString copy = gFolder + QStringLiteral("/copy%1.ini").arg(gCount);
    if (!writeFile(path, pBytes) || !writeFile(copy, pBytes))
        return QStringLiteral("cannot write %1").arg(path);

    QString result = compareWithQSettings(copy, pBytes);
    QString message;
    if (result.isEmpty() && !check(path, message)) {
        if (readFile(path) != pBytes)
            result = QStringLiteral("a failed check changed the file: ") + message;
    } else if (result.isEmpty()) {
        result = checkOutcome(path, copy);
    }
    QFile::remove(path);
    QFile::remove(copy);
    return result;
}

} // namespace zelfuzz
