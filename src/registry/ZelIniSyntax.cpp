#include "ZelIniSyntax.h"

#include "zelQtCoreCompat.h"

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

} // namespace

bool ZelIniSyntax::ReadLine(const QByteArray& pData, qsizetype& pPosition, qsizetype& pStart,
                            qsizetype& pLength, qsizetype& pEquals)
{
    // Walked through a plain pointer: every byte of the store passes here at every start.
    const char* const data = pData.constData();
    const qsizetype size = pData.size();
    bool inQuotes = false;
    pEquals = -1;
    pStart = pPosition;
    while (pStart < size && isLineSpace(data[pStart]))
        ++pStart;

    qsizetype i = pStart;
    while (i < size) {
        const char byte = data[i++];
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
                const char escaped = data[i++];
                if (i < size) {
                    const char next = data[i];
                    if ((escaped == '\n' && next == '\r') || (escaped == '\r' && next == '\n'))
                        ++i;
                }
            }
        } else if (byte == '"') {
            inQuotes = !inQuotes;
        } else if (i == pStart + 1) {
            // A comment: up to the end of its line, then the blanks after it.
            while (i < size && data[i] != '\n' && data[i] != '\r')
                ++i;
            while (i < size && isLineSpace(data[i]))
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

QString ZelIniSyntax::UnescapedKey(const char* pData, qsizetype pSize, const QString& pPrefix)
{
    QString key;
    key.reserve(pPrefix.size() + pSize);
    key += pPrefix;
    // Most keys hold no escape at all, and are built in one piece. Both bytes stand for
    // themselves in UTF-8 and Latin-1.
    const char* const end = pData + pSize;
    const auto escape = [](char pByte) { return pByte == '\\' || pByte == '%'; };
    if (std::find_if(pData, end, escape) == end) {
        compat::appendIniKeyText(key, pData, pSize);
        return key;
    }
    QString text;
    compat::appendIniKeyText(text, pData, pSize);
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

QByteArray ZelIniSyntax::EscapedKey(const QString& pKey)
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

bool ZelIniSyntax::UnescapedValue(const char* pData, qsizetype pSize, QString& pText)
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

bool ZelIniSyntax::IsTypedText(const QString& pText)
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

QByteArray ZelIniSyntax::EscapedValue(const QString& pText)
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

} // namespace zel
