#pragma once

// The differences between Qt 5 and Qt 6 that the settings core meets, which needs Qt Core
// only; zelQtCompat.h adds those of the widgets.

#include <QtGlobal>
#include <QLibraryInfo>
#include <QString>
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
#include <QStringDecoder>
#endif

namespace zel::compat {

// Where the Qt installation keeps its own translations.
inline QString translationsPath()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#else
    return QLibraryInfo::location(QLibraryInfo::TranslationsPath);
#endif
}

// INI settings files: Qt 6 reads their text as UTF-8 and writes it so; Qt 5 (without a codec)
// reads every byte as Latin-1 and writes every character beyond ASCII as an escape.
constexpr bool kIniTextIsUtf8 = QT_VERSION >= QT_VERSION_CHECK(6, 0, 0);

// Decodes the pieces of one INI value in turn; like QSettings, Qt 6 carries an unfinished
// UTF-8 sequence over into the next piece.
class IniTextDecoder
{
public:
    QString operator()(const char* pData, qsizetype pSize)
    {
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
        return mDecoder(QByteArrayView(pData, pSize));
#else
        return QString::fromLatin1(pData, int(pSize));
#endif
    }

private:
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    QStringDecoder mDecoder{QStringDecoder::Utf8};
#endif
};

// The text of an INI key, before its escapes are read, added to pText.
inline void appendIniKeyText(QString& pText, const char* pData, qsizetype pSize)
{
    if (kIniTextIsUtf8)
        pText += QString::fromUtf8(pData, int(pSize));
    else
        pText += QLatin1String(pData, int(pSize));
}

// The character code of a "%XX" or "%UXXXX" escape in an INI key, as QSettings reads it.
inline bool iniKeyEscape(const QString& pDigits, ushort& pCode)
{
    bool ok = false;
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    pCode = pDigits.toUShort(&ok, 16);
#else
    pCode = ushort(pDigits.toLatin1().toInt(&ok, 16));
#endif
    return ok;
}

} // namespace zel::compat
