#include "ZelSettingsFile.h"

#include "zelQtCompat.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace zel {

namespace {

bool isLineSpace(char pByte)
{
    return pByte == ' ' || pByte == '\t' || pByte == '\n' || pByte == '\r';
}

bool isSpecial(char pByte)
{
    return pByte == '\n' || pByte == '\r' || pByte == '"' || pByte == ';' || pByte == '='
        || pByte == '\\';
}

int hexValue(char pByte)
{
    if (pByte >= '0' && pByte <= '9')
        return pByte - '0';
    if (pByte >= 'a' && pByte <= 'f')
        return pByte - 'a' + 10;
    if (pByte >= 'A' && pByte <= 'F')
        return pByte - 'A' + 10;
    return -1;
}

bool isHexDigit(ushort pCode)
{
    return pCode < 0x80 && hexValue(char(pCode)) != -1;
}

// The next logical line from pPosition: leading blanks and comment lines skipped, quoted text
// and escaped line breaks kept inside it, a ";" outside quotes ending it. False at the end.
bool readLine(const QByteArray& pData, qsizetype& pPosition, qsizetype& pStart,
              qsizetype& pLength, qsizetype& pEquals)
{
    const qsizetype size = pData.size();
    bool inQuotes = false;
    pEquals = -1;
    pStart = pPosition;
    while (pStart < size && isLineSpace(pData.at(pStart)))
        ++pStart;

    qsizetype i = pStart;
    while (i < size) {
        const char byte = pData.at(i++);
        if (!isSpecial(byte))
            continue;
        if (byte == '=') {
            if (!inQuotes && pEquals == -1)
                pEquals = i - 1;
        } else if (byte == '\n' || byte == '\r') {
            if (i == pStart + 1) {
                ++pStart;
            } else if (!inQuotes) {
                --i;
                break;
            }
        } else if (byte == '\\') {
            if (i < size) {
                const char escaped = pData.at(i++);
                if (i < size) {
                    const char next = pData.at(i);
                    if ((escaped == '\n' && next == '\r') || (escaped == '\r' && next == '\n'))
                        ++i;
                }
            }
        } else if (byte == '"') {
            inQuotes = !inQuotes;
        } else if (i == pStart + 1) {
            // A comment: up to the end of its line, then the blanks after it.
            while (i < size && pData.at(i) != '\n' && pData.at(i) != '\r')
                ++i;
            while (i < size && isLineSpace(pData.at(i)))
                ++i;
            pStart = i;
        } else if (!inQuotes) {
            --i;
            break;
        }
    }
    pPosition = i;
    pLength = i - pStart;
    return pLength > 0;
}

// A key or section name: "\" separates groups, "%XX" and "%UXXXX" are character codes.
QString unescapedKey(const QByteArray& pKey)
{
    const QString text = compat::iniKeyText(pKey.constData(), pKey.size());
    QString key;
    key.reserve(text.size());
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar character = text.at(i);
        if (character == QLatin1Char('\\')) {
            key += QLatin1Char('/');
            ++i;
            continue;
        }
        if (character != QLatin1Char('%') || i == text.size() - 1) {
            key += character;
            ++i;
            continue;
        }
        const bool wide = text.at(i + 1) == QLatin1Char('U');
        const qsizetype first = i + (wide ? 2 : 1);
        const qsizetype digits = wide ? 4 : 2;
        ushort code = 0;
        if (first + digits > text.size()
            || !compat::iniKeyEscape(text.mid(first, digits), code)) {
            key += QLatin1Char('%');
            ++i;
            continue;
        }
        key += QChar(code);
        i = first + digits;
    }
    return key;
}

QByteArray escapedKey(const QString& pKey)
{
    QByteArray key;
    for (const QChar character : pKey) {
        const ushort code = character.unicode();
        if (code == '/') {
            key += '\\';
        } else if ((code >= 'a' && code <= 'z') || (code >= 'A' && code <= 'Z')
                   || (code >= '0' && code <= '9') || code == '_' || code == '-'
                   || code == '.') {
            key += char(code);
        } else if (code <= 0xFF) {
            key += '%' + QByteArray::number(code, 16).toUpper().rightJustified(2, '0');
        } else {
            key += "%U" + QByteArray::number(code, 16).toUpper().rightJustified(4, '0');
        }
    }
    return key;
}

void chopTrailingBlanks(QString& pText, qsizetype pLimit)
{
    qsizetype end = pText.size();
    while (end > pLimit && (pText.at(end - 1) == QLatin1Char(' ')
                            || pText.at(end - 1) == QLatin1Char('\t')))
        --end;
    pText.truncate(end);
}

char simpleEscape(char pCode)
{
    switch (pCode) {
    case 'a': return '\a';
    case 'b': return '\b';
    case 'f': return '\f';
    case 'n': return '\n';
    case 'r': return '\r';
    case 't': return '\t';
    case 'v': return '\v';
    case '"': case '?': case '\'': case '\\': return pCode;
    default: return 0;
    }
}

// The value's text, unquoted and unescaped. True when an unquoted comma makes it a list.
bool unescapedValue(const char* pData, qsizetype pSize, QString& pText)
{
    enum State { SkipBlanks, Normal, HexEscape, OctalEscape };
    compat::IniTextDecoder decode;
    State state = SkipBlanks;
    bool isList = false;
    bool inQuotes = false;
    bool quoted = false;
    ushort escape = 0;
    qsizetype chopLimit = 0;
    qsizetype i = 0;
    pText.clear();

    const auto enterNormal = [&]() {
        state = Normal;
        chopLimit = pText.size();
    };
    for (;;) {
        if (state == SkipBlanks) {
            while (i < pSize && (pData[i] == ' ' || pData[i] == '\t'))
                ++i;
            enterNormal();
        } else if (state == HexEscape || state == OctalEscape) {
            const int digit = i < pSize ? hexValue(pData[i]) : -1;
            const bool octal = state == OctalEscape;
            if (digit != -1 && (!octal || digit < 8)) {
                escape = ushort((escape << (octal ? 3 : 4)) + digit);
                ++i;
                continue;
            }
            pText += QChar(escape);
            if (i >= pSize)
                return isList;
            enterNormal();
        } else if (i >= pSize) {
            if (!quoted)
                chopTrailingBlanks(pText, chopLimit);
            return isList;
        } else if (pData[i] == '\\') {
            if (++i >= pSize)
                return isList;
            const char code = pData[i++];
            if (const char simple = simpleEscape(code)) {
                pText += QLatin1Char(simple);
                enterNormal();
                continue;
            }
            if (code == 'x') {
                escape = 0;
                if (i >= pSize)
                    return isList;
                if (hexValue(pData[i]) != -1) {
                    state = HexEscape;
                    continue;
                }
            } else if (code >= '0' && code <= '7') {
                escape = ushort(code - '0');
                state = OctalEscape;
                continue;
            } else if ((code == '\n' || code == '\r') && i < pSize
                       && (pData[i] == '\n' || pData[i] == '\r') && pData[i] != code) {
                ++i;
            }
            chopLimit = pText.size();
        } else if (pData[i] == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes)
                state = SkipBlanks;
        } else if (pData[i] == ',' && !inQuotes) {
            if (!quoted)
                chopTrailingBlanks(pText, chopLimit);
            isList = true;
            pText.clear();
            quoted = false;
            ++i;
            state = SkipBlanks;
        } else {
            qsizetype end = i + 1;
            while (end < pSize && pData[end] != '\\' && pData[end] != '"' && pData[end] != ',')
                ++end;
            pText += decode(pData + i, end - i);
            i = end;
        }
    }
}

// Texts that QSettings turns into typed values, never into text.
bool isTypedText(const QString& pText)
{
    if (pText == QLatin1String("@Invalid()"))
        return true;
    if (!pText.endsWith(QLatin1Char(')')))
        return false;
    for (const char* prefix : {"@ByteArray(", "@String(", "@Variant(", "@DateTime(", "@Rect(",
                               "@Size(", "@Point("}) {
        if (pText.startsWith(QLatin1String(prefix)))
            return true;
    }
    return false;
}

int lineNumber(const QByteArray& pData, qsizetype pPosition)
{
    return int(std::count(pData.constBegin(), pData.constBegin() + pPosition, '\n')) + 1;
}

} // namespace

ZelSettingsFile::ZelSettingsFile(const QByteArray& pData) : mData(pData), mOriginal(pData)
{
    parse();
}

bool ZelSettingsFile::load(const QString& pPath)
{
    mPath = pPath;
    const QFileInfo info(pPath);
    QByteArray data;
    if (info.exists()) {
        QFile file(pPath);
        if (!info.isFile() || !file.open(QIODevice::ReadOnly))
            return false;
        data = file.readAll();
        mOriginalModified = info.lastModified();
    }
    mData = mOriginal = data;
    parse();
    return true;
}

void ZelSettingsFile::parse()
{
    mEntries.clear();
    mSections.clear();
    mDamagedLine = 0;
    const auto damaged = [this](qsizetype pPosition) {
        if (mDamagedLine == 0)
            mDamagedLine = lineNumber(mData, pPosition);
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
    while (readLine(mData, position, start, length, equals)) {
        if (mData.at(start) == '[') {
            qsizetype close = mData.indexOf(']', start);
            if (close == -1 || close >= start + length) {
                damaged(start);
                close = start + length;
            }
            const QByteArray name = mData.mid(start + 1, close - start - 1).trimmed();
            QString section;
            if (name.compare("general", Qt::CaseInsensitive) != 0) {
                section = name.compare("%general", Qt::CaseInsensitive) == 0
                    ? QString::fromLatin1(name.mid(1))
                    : unescapedKey(name);
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
        QByteArray key = mData.mid(start, equals - start);
        while (key.endsWith(' ') || key.endsWith('\t'))
            key.chop(1);
        // Qt 5 trims blanks and tabs from a key, Qt 6 any white space: the key is uncertain.
        if (key != key.trimmed())
            damaged(start);
        mEntries.push_back({mSections.back().mName + unescapedKey(key), mSections.size() - 1,
                            equals + 1, start + length});
    }
}

std::vector<const ZelSettingsFile::Entry*> ZelSettingsFile::entriesOf(const QString& pKey) const
{
    // QSettings reads the sections in the order of their names, those of one name in file
    // order, and a later line of a key replaces an earlier one.
    std::vector<std::pair<QString, const Entry*>> found;
    for (const Entry& entry : mEntries) {
        if (entry.mKey == pKey)
            found.emplace_back(mSections[entry.mSection].mName, &entry);
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const auto& pA, const auto& pB) { return pA.first < pB.first; });
    std::vector<const Entry*> entries;
    for (const auto& item : found)
        entries.push_back(item.second);
    return entries;
}

ZelSettingsFile::tValueKind ZelSettingsFile::readEntry(const Entry& pEntry, QString* pText) const
{
    QString text;
    if (unescapedValue(mData.constData() + pEntry.mValueStart,
                       pEntry.mValueEnd - pEntry.mValueStart, text))
        return NotText;
    if (text.startsWith(QLatin1Char('@'))) {
        if (isTypedText(text))
            return NotText;
        if (text.startsWith(QLatin1String("@@")))
            text.remove(0, 1);
    }
    if (pText)
        *pText = text;
    return Text;
}

ZelSettingsFile::tValueKind ZelSettingsFile::value(const QString& pKey, QString* pText) const
{
    const std::vector<const Entry*> entries = entriesOf(pKey);
    return entries.empty() ? Missing : readEntry(*entries.back(), pText);
}

QString ZelSettingsFile::writtenValue(const QString& pKey) const
{
    const std::vector<const Entry*> entries = entriesOf(pKey);
    if (entries.empty())
        return QString();
    const Entry& entry = *entries.back();
    return QString::fromUtf8(mData.mid(entry.mValueStart, entry.mValueEnd - entry.mValueStart))
        .trimmed();
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

QStringList ZelSettingsFile::keys() const
{
    QStringList keys;
    for (const Entry& entry : mEntries)
        keys.append(entry.mKey);
    keys.removeDuplicates();
    keys.sort();
    return keys;
}

QByteArray ZelSettingsFile::lineEnd() const
{
    const qsizetype end = mData.indexOf('\n');
    return end > 0 && mData.at(end - 1) == '\r' ? QByteArrayLiteral("\r\n")
                                                  : QByteArrayLiteral("\n");
}

bool ZelSettingsFile::insertLine(const QString& pKey, const QByteArray& pValue)
{
    // QSettings files a key under the group before its first slash.
    const qsizetype slash = pKey.indexOf(QLatin1Char('/'));
    const QString section = slash == -1 ? QString() : pKey.left(slash + 1);
    const QByteArray line = escapedKey(pKey.mid(slash + 1)) + '=' + pValue;

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
        return true;
    }

    if (section.isEmpty()) {
        const QByteArray block = "[General]" + lineEnd() + line + lineEnd();
        mData.insert(0, mData.isEmpty() ? block : block + lineEnd());
        return true;
    }
    QByteArray header = escapedKey(section.chopped(1));
    if (header.compare("general", Qt::CaseInsensitive) == 0)
        header.prepend('%');
    QByteArray text;
    if (!mData.isEmpty())
        text = (mData.endsWith('\n') || mData.endsWith('\r')) ? lineEnd() : lineEnd() + lineEnd();
    mData += text + '[' + header + ']' + lineEnd() + line + lineEnd();
    return true;
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

    const QByteArray value = EscapedValue(pText);
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

QByteArray ZelSettingsFile::EscapedValue(const QString& pText)
{
    QString text = pText;
    // A leading "@" would name a type.
    if (text.startsWith(QLatin1Char('@')))
        text.prepend(QLatin1Char('@'));

    QByteArray escaped;
    bool needsQuotes = false;
    bool escapeNextHexDigit = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar character = text.at(i);
        const ushort code = character.unicode();
        if (code == ';' || code == ',' || code == '=')
            needsQuotes = true;
        // A digit after a numeric escape would extend it.
        if (escapeNextHexDigit && isHexDigit(code)) {
            escaped += "\\x" + QByteArray::number(code, 16);
            continue;
        }
        escapeNextHexDigit = false;
        switch (code) {
        case '\0': escaped += "\\0"; escapeNextHexDigit = true; break;
        case '\a': escaped += "\\a"; break;
        case '\b': escaped += "\\b"; break;
        case '\f': escaped += "\\f"; break;
        case '\n': escaped += "\\n"; break;
        case '\r': escaped += "\\r"; break;
        case '\t': escaped += "\\t"; break;
        case '\v': escaped += "\\v"; break;
        case '"':
        case '\\':
            escaped += '\\';
            escaped += char(code);
            break;
        default:
            if (code <= 0x1F || (code >= 0x7F && !compat::kIniTextIsUtf8)) {
                escaped += "\\x" + QByteArray::number(code, 16);
                escapeNextHexDigit = true;
            } else if (code >= 0x80) {
                const bool pair = character.isHighSurrogate() && i + 1 < text.size()
                    && text.at(i + 1).isLowSurrogate();
                escaped += text.mid(i, pair ? 2 : 1).toUtf8();
                i += pair ? 1 : 0;
            } else {
                escaped += char(code);
            }
        }
    }
    if (needsQuotes || escaped.startsWith(' ') || escaped.endsWith(' ')) {
        escaped.prepend('"');
        escaped += '"';
    }
    return escaped;
}

bool ZelSettingsFile::save(QString& pErrorMessage)
{
    QSaveFile file(mPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(mData) != mData.size()
        || !file.commit()) {
        pErrorMessage = QCoreApplication::translate(
                            "ZelControlCenter", "The settings file \"%1\" could not be written")
                            .arg(mPath);
        return false;
    }
    // QSettings knows a changed file by its size and modification time, to the millisecond.
    if (mOriginalModified.isValid() && QFileInfo(mPath).lastModified() <= mOriginalModified) {
        QFile written(mPath);
        if (written.open(QIODevice::ReadWrite))
            written.setFileTime(mOriginalModified.addMSecs(1), QFileDevice::FileModificationTime);
    }
    mOriginal = mData;
    mOriginalModified = QFileInfo(mPath).lastModified();
    return true;
}

} // namespace zel
