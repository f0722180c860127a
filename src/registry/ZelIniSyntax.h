#pragma once

#include <QByteArray>
#include <QString>

namespace zel {

// The syntax of INI settings files as QSettings reads and writes it: logical lines, key and
// value escapes, quoting, and the texts that stand for typed values.
class ZelIniSyntax
{
public:
    // The next logical line from pPosition: leading blanks and comment lines skipped, quoted
    // text and escaped line breaks kept inside it, a ";" outside quotes ending it; pEquals is
    // the first "=" outside quotes, or -1. False at the end of the data.
    static bool ReadLine(const QByteArray& pData, qsizetype& pPosition, qsizetype& pStart,
                         qsizetype& pLength, qsizetype& pEquals);
    // A key or section name: "\" separates groups, "%XX" and "%UXXXX" are character codes.
    // pPrefix (a section's name) comes before it, in the same string.
    static QString UnescapedKey(const char* pData, qsizetype pSize,
                                const QString& pPrefix = QString());
    static QByteArray EscapedKey(const QString& pKey);
    // The value's text, unquoted and unescaped. True when an unquoted comma makes it a list.
    static bool UnescapedValue(const char* pData, qsizetype pSize, QString& pText);
    // How QSettings writes pText as a value, a leading "@" doubled.
    static QByteArray EscapedValue(const QString& pText);
    // True for the texts that QSettings turns into typed values, never into text.
    static bool IsTypedText(const QString& pText);
};

} // namespace zel
