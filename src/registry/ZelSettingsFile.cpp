#include "ZelSettingsFile.h"

#include "ZelIniSyntax.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>

namespace zel {

namespace {

constexpr qint64 kLargestFile = 1 << 30;

// As QByteArray::trimmed() sees white space.
bool isWhiteSpace(char pByte)
{
    return pByte == ' ' || (pByte >= '\t' && pByte <= '\r');
}

// A NUL or another control character: what a power cut or a binary file leaves, never what
// a writer of settings puts in a line.
bool holdsControlBytes(const QByteArray& pData, qsizetype pStart, qsizetype pLength)
{
    const char* const begin = pData.constData() + pStart;
    return std::any_of(begin, begin + pLength, [](char pByte) {
        const auto code = static_cast<unsigned char>(pByte);
        return (code < 0x20 && pByte != '\t' && pByte != '\n' && pByte != '\r') || code == 0x7f;
    });
}

QString reasonOf(const QFileDevice& pFile)
{
    // The system's words for the error, matched back to the cases that a person can act on.
    struct Known
    {
        int mCode;
        const char* mWords;
    };
    static const Known known[] = {
        {ENOSPC, QT_TRANSLATE_NOOP("ZelControlCenter", "no space left on the device")},
        // A file over the size that the system allows this program is full all the same.
        {EFBIG, QT_TRANSLATE_NOOP("ZelControlCenter", "no space left on the device")},
        {EDQUOT, QT_TRANSLATE_NOOP("ZelControlCenter", "no space left on the device")},
        {EACCES, QT_TRANSLATE_NOOP("ZelControlCenter", "permission denied")},
        {EPERM, QT_TRANSLATE_NOOP("ZelControlCenter", "permission denied")},
        {EROFS, QT_TRANSLATE_NOOP("ZelControlCenter", "the device is read-only")},
    };
    const QString text = pFile.errorString();
    for (const Known& entry : known) {
        if (text == qt_error_string(entry.mCode))
            return QCoreApplication::translate("ZelControlCenter", entry.mWords);
    }
    if (pFile.error() == QFileDevice::ResourceError)
        return QCoreApplication::translate("ZelControlCenter", known[0].mWords);
    return text;
}

} // namespace

ZelSettingsFile::ZelSettingsFile(const QByteArray& pData) : mData(pData), mOriginal(pData)
{
    parse();
}

bool ZelSettingsFile::load(const QString& pPath)
{
    mPath = pPath;
    QByteArray data;
    QFile file(pPath);
    // Opened at once, without asking first, and read in one call without Qt's buffer: the
    // check reads the store at every start, where each system call shows.
    if (file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        const qint64 size = file.size();
        // No store comes near this size; Qt 5 reads a file beyond 2 GiB as empty, and so
        // taken it would be written over.
        if (size > kLargestFile)
            return false;
        data.resize(int(size));
        const qint64 read = file.read(data.data(), size);
        if (read < 0)
            return false;
        // A file that another program shortened meanwhile reads up to its new end.
        data.resize(int(read));
    } else if (file.exists()) {
        return false;
    }
    mData = mOriginal = data;
    parse();
    return true;
}

void ZelSettingsFile::parse()
{
    mEntries.clear();
    mFirstEntryOfKey.clear();
    mSections.clear();
    mDamagedLine = 0;
    mDamagedLines.clear();
    // Room for a line's entry each, so that a store is read without growing them; a damaged
    // file of many empty lines gets no more than a settings store would need.
    const auto lines = std::count(mData.constBegin(), mData.constEnd(), '\n') + 1;
    const int room = int(std::min<qsizetype>(lines, 4096));
    mEntries.reserve(std::size_t(room));
    mFirstEntryOfKey.reserve(room);
    // Lines are counted on from the last damaged one: a binary file may have many.
    qsizetype counted = 0;
    int countedLine = 1;
    const auto damaged = [this, &counted, &countedLine](qsizetype pPosition) {
        countedLine += int(std::count(mData.constBegin() + counted,
                                      mData.constBegin() + pPosition, '\n'));
        counted = pPosition;
        const int line = countedLine;
        if (mDamagedLines.empty() || mDamagedLines.back() != line)
            mDamagedLines.push_back(line);
        if (mDamagedLine == 0)
            mDamagedLine = line;
    };

    // QSettings reads a byte order mark as part of the first line's key, or as a line of its
    // own before a header, and Qt 5 changes how it reads the values after it.
    if (mData.startsWith("\xef\xbb\xbf"))
        damaged(0);
    qsizetype position = 0;
    mSections.push_back({QString(), 0});
    qsizetype start = 0;
    qsizetype length = 0;
    qsizetype equals = 0;
    bool sectionDamaged = false;
    while (ZelIniSyntax::ReadLine(mData, position, start, length, equals)) {
        const bool lineDamaged = holdsControlBytes(mData, start, length);
        if (lineDamaged)
            damaged(start);
        if (mData.at(start) == '[') {
            qsizetype close = mData.indexOf(']', start);
            sectionDamaged = lineDamaged;
            if (close == -1 || close >= start + length) {
                damaged(start);
                sectionDamaged = true;
                close = start + length;
            }
            const QByteArray name = mData.mid(start + 1, close - start - 1).trimmed();
            QString section;
            if (name.compare("general", Qt::CaseInsensitive) != 0) {
                section = name.compare("%general", Qt::CaseInsensitive) == 0
                    ? QString::fromLatin1(name.mid(1))
                    : ZelIniSyntax::UnescapedKey(name.constData(), name.size());
                section += QLatin1Char('/');
            }
            mSections.push_back({section, position});
            continue;
        }
        if (equals == -1) {
            if (mData.at(start) != ';')
                damaged(start);
            continue;
        }
        qsizetype keyEnd = equals;
        while (keyEnd > start && (mData.at(keyEnd - 1) == ' ' || mData.at(keyEnd - 1) == '\t'))
            --keyEnd;
        // Qt 5 trims blanks and tabs from a key, Qt 6 any white space: the key is uncertain.
        const bool keyUncertain = keyEnd > start
            && (isWhiteSpace(mData.at(start)) || isWhiteSpace(mData.at(keyEnd - 1)));
        if (keyUncertain)
            damaged(start);
        // Read in place: the store is read at every start.
        Entry entry{ZelIniSyntax::UnescapedKey(mData.constData() + start, keyEnd - start,
                                               mSections.back().mName),
                    mSections.size() - 1, equals + 1, start + length};
        entry.mUnreadable = lineDamaged || keyUncertain || sectionDamaged || keyEnd == start;
        const auto first = mFirstEntryOfKey.constFind(entry.mKey);
        if (first == mFirstEntryOfKey.constEnd()) {
            mFirstEntryOfKey.insert(entry.mKey, mEntries.size());
        } else {
            std::size_t last = *first;
            while (mEntries[last].mNext != kNoEntry)
                last = mEntries[last].mNext;
            mEntries[last].mNext = mEntries.size();
        }
        mEntries.push_back(std::move(entry));
    }
}

std::vector<const ZelSettingsFile::Entry*> ZelSettingsFile::entriesOf(const QString& pKey) const
{
    // QSettings reads the sections in the order of their names, those of one name in file
    // order, and a later line of a key replaces an earlier one.
    const auto first = mFirstEntryOfKey.constFind(pKey);
    if (first == mFirstEntryOfKey.constEnd())
        return {};
    std::vector<const Entry*> entries;
    for (std::size_t index = *first; index != kNoEntry; index = mEntries[index].mNext)
        entries.push_back(&mEntries[index]);
    std::stable_sort(entries.begin(), entries.end(), [this](const Entry* pA, const Entry* pB) {
        return mSections[pA->mSection].mName < mSections[pB->mSection].mName;
    });
    return entries;
}

ZelSettingsFile::tValueKind ZelSettingsFile::readEntry(const Entry& pEntry, QString* pText) const
{
    QString text;
    if (ZelIniSyntax::UnescapedValue(mData.constData() + pEntry.mValueStart,
                                     pEntry.mValueEnd - pEntry.mValueStart, text))
        return NotText;
    if (text.startsWith(QLatin1Char('@'))) {
        if (ZelIniSyntax::IsTypedText(text))
            return NotText;
        if (text.startsWith(QLatin1String("@@")))
            text.remove(0, 1);
    }
    if (pText)
        *pText = text;
    return Text;
}

const ZelSettingsFile::Entry* ZelSettingsFile::lastEntryOf(const QString& pKey) const
{
    // Nearly every key has one line: no order to work out.
    const auto first = mFirstEntryOfKey.constFind(pKey);
    if (first == mFirstEntryOfKey.constEnd())
        return nullptr;
    if (mEntries[*first].mNext == kNoEntry)
        return &mEntries[*first];
    return entriesOf(pKey).back();
}

ZelSettingsFile::tValueKind ZelSettingsFile::value(const QString& pKey, QString* pText) const
{
    const Entry* entry = lastEntryOf(pKey);
    return entry ? readEntry(*entry, pText) : Missing;
}

QString ZelSettingsFile::writtenValue(const QString& pKey) const
{
    const Entry* last = lastEntryOf(pKey);
    if (!last)
        return QString();
    const Entry& entry = *last;
    return QString::fromUtf8(mData.mid(entry.mValueStart, entry.mValueEnd - entry.mValueStart))
        .trimmed();
}

QStringList ZelSettingsFile::keys() const
{
    QStringList keys;
    keys.reserve(mFirstEntryOfKey.size());
    for (std::size_t index = 0; index < mEntries.size(); ++index) {
        if (mFirstEntryOfKey.value(mEntries[index].mKey) == index)
            keys.append(mEntries[index].mKey);
    }
    return keys;
}

std::size_t ZelSettingsFile::lineCount(const QString& pKey) const
{
    const auto first = mFirstEntryOfKey.constFind(pKey);
    std::size_t count = 0;
    if (first != mFirstEntryOfKey.constEnd()) {
        for (std::size_t index = *first; index != kNoEntry; index = mEntries[index].mNext)
            ++count;
    }
    return count;
}

bool ZelSettingsFile::holds(const QString& pKey, const QString& pText) const
{
    const std::vector<const Entry*> entries = entriesOf(pKey);
    for (const Entry* entry : entries) {
        QString text;
        if (readEntry(*entry, &text) != Text || text != pText)
            return false;
    }
    return !entries.empty();
}

std::vector<std::pair<QString, QString>> ZelSettingsFile::readableValues() const
{
    std::vector<std::pair<QString, QString>> values;
    for (std::size_t index = 0; index < mEntries.size(); ++index) {
        const QString& key = mEntries[index].mKey;
        if (mFirstEntryOfKey.value(key) != index)
            continue;
        // The line that QSettings would read, among those that can be trusted.
        const std::vector<const Entry*> entries = entriesOf(key);
        const auto last = std::find_if(entries.rbegin(), entries.rend(),
                                       [](const Entry* pEntry) { return !pEntry->mUnreadable; });
        QString text;
        if (last != entries.rend() && readEntry(**last, &text) == Text)
            values.emplace_back(key, text);
    }
    return values;
}

void ZelSettingsFile::replaceData(const QByteArray& pData)
{
    mData = pData;
    parse();
}

QByteArray ZelSettingsFile::lineEnd() const
{
    const qsizetype end = mData.indexOf('\n');
    return end > 0 && mData.at(end - 1) == '\r' ? QByteArrayLiteral("\r\n")
                                                  : QByteArrayLiteral("\n");
}

void ZelSettingsFile::insertLine(const QString& pKey, const QByteArray& pValue)
{
    // QSettings files a key under the group before its first slash.
    const qsizetype slash = pKey.indexOf(QLatin1Char('/'));
    const QString section = slash == -1 ? QString() : pKey.left(slash + 1);
    const QByteArray line = ZelIniSyntax::EscapedKey(pKey.mid(slash + 1)) + '=' + pValue;

    // After the last line of the section's last appearance, or after its header.
    for (std::size_t index = mSections.size(); index-- > 0;) {
        if (mSections[index].mName != section)
            continue;
        qsizetype anchor = mSections[index].mHeaderEnd;
        // The keys before the first header have no header line to follow.
        bool found = index > 0;
        for (const Entry& entry : mEntries) {
            if (entry.mSection == index) {
                anchor = std::max(anchor, entry.mValueEnd);
                found = true;
            }
        }
        if (!found)
            continue;
        qsizetype end = anchor;
        while (end < mData.size() && mData.at(end) != '\n' && mData.at(end) != '\r')
            ++end;
        mData.insert(end, lineEnd() + line);
        return;
    }

    if (section.isEmpty()) {
        const QByteArray block = "[General]" + lineEnd() + line + lineEnd();
        mData.insert(0, mData.isEmpty() ? block : block + lineEnd());
        return;
    }
    QByteArray header = ZelIniSyntax::EscapedKey(section.chopped(1));
    if (header.compare("general", Qt::CaseInsensitive) == 0)
        header.prepend('%');
    QByteArray text;
    if (!mData.isEmpty())
        text = (mData.endsWith('\n') || mData.endsWith('\r')) ? lineEnd() : lineEnd() + lineEnd();
    mData += text + '[' + header + ']' + lineEnd() + line + lineEnd();
}

bool ZelSettingsFile::setValue(const QString& pKey, const QString& pText)
{
    if (holds(pKey, pText))
        return true;

    // What every other line holds, to compare after the edit.
    const auto others = [this, &pKey]() {
        std::vector<std::pair<QString, QByteArray>> lines;
        for (const Entry& entry : mEntries) {
            if (entry.mKey != pKey)
                lines.emplace_back(entry.mKey, mData.mid(entry.mValueStart,
                                                         entry.mValueEnd - entry.mValueStart));
        }
        return lines;
    };
    const QByteArray before = mData;
    const auto otherLines = others();
    const int damagedLine = mDamagedLine;

    const QByteArray value = ZelIniSyntax::EscapedValue(pText);
    std::vector<const Entry*> entries = entriesOf(pKey);
    // From the end of the file, so that the earlier positions stay right.
    std::sort(entries.begin(), entries.end(),
              [](const Entry* pA, const Entry* pB) { return pA->mValueStart > pB->mValueStart; });
    if (entries.empty())
        insertLine(pKey, value);
    for (const Entry* entry : entries)
        mData.replace(entry->mValueStart, entry->mValueEnd - entry->mValueStart, value);
    parse();

    if (holds(pKey, pText) && others() == otherLines && mDamagedLine == damagedLine)
        return true;
    mData = before;
    parse();
    return false;
}

bool ZelSettingsFile::save(QString& pErrorMessage)
{
    const QFileInfo original(mPath);
    const QDateTime originalModified = original.exists() ? original.lastModified() : QDateTime();
    if (!WriteFile(mPath, mData, pErrorMessage))
        return false;
    // QSettings knows a changed file by its size and modification time, to the millisecond.
    if (originalModified.isValid() && QFileInfo(mPath).lastModified() <= originalModified) {
        QFile written(mPath);
        if (written.open(QIODevice::ReadWrite))
            written.setFileTime(originalModified.addMSecs(1), QFileDevice::FileModificationTime);
    }
    mOriginal = mData;
    return true;
}

bool ZelSettingsFile::WriteFile(const QString& pPath, const QByteArray& pData,
                                QString& pErrorMessage)
{
    // Unbuffered, so that every write that fails says so at once: a buffered one may fail
    // only when commit() flushes, which then renames a short file over the store.
    QSaveFile file(pPath);
    bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    // A short write is tried again for the rest, which then tells why it fails.
    for (qint64 done = 0; written && done < pData.size();) {
        const qint64 count = file.write(pData.constData() + done, pData.size() - done);
        written = count > 0;
        done += count;
    }
    written = written && file.error() == QFileDevice::NoError && file.commit()
        && file.error() == QFileDevice::NoError;
    if (written)
        return true;
    pErrorMessage = QCoreApplication::translate("ZelControlCenter",
                                                "The settings file \"%1\" could not be written: "
                                                "%2")
                        .arg(pPath, reasonOf(file));
    file.cancelWriting();
    return false;
}

} // namespace zel
