#include "zelFormat.h"

#include <cmath>

namespace zel {

namespace {

const char kHexDigits[] = "0123456789ABCDEF";

int toByte(float pComponent)
{
    // NaN fails both comparisons and lands on 0.
    if (!(pComponent > 0.0f))
        return 0;
    if (pComponent >= 1.0f)
        return 255;
    return static_cast<int>(std::lround(pComponent * 255.0f));
}

int hexValue(char pDigit)
{
    if (pDigit >= '0' && pDigit <= '9')
        return pDigit - '0';
    if (pDigit >= 'A' && pDigit <= 'F')
        return pDigit - 'A' + 10;
    if (pDigit >= 'a' && pDigit <= 'f')
        return pDigit - 'a' + 10;
    return -1;
}

} // namespace

std::string ColorToString(const Wm4::ColorRGBA& pColor)
{
    const int bytes[4] = {toByte(pColor.A()), toByte(pColor.R()), toByte(pColor.G()),
                          toByte(pColor.B())};
    std::string text(1, '#');
    for (int byte : bytes) {
        text += kHexDigits[byte >> 4];
        text += kHexDigits[byte & 0xF];
    }
    return text;
}

Wm4::ColorRGBA ColorFromString(const std::string& pText)
{
    const Wm4::ColorRGBA black(0.0f, 0.0f, 0.0f, 1.0f);
    const std::size_t digits = pText.size() - 1;
    if (pText.empty() || pText[0] != '#' || (digits != 6 && digits != 8))
        return black;

    int bytes[4] = {255, 0, 0, 0}; // alpha, red, green, blue
    int* next = digits == 8 ? bytes : bytes + 1;
    for (std::size_t i = 1; i < pText.size(); i += 2) {
        const int high = hexValue(pText[i]);
        const int low = hexValue(pText[i + 1]);
        if (high < 0 || low < 0)
            return black;
        *next++ = high * 16 + low;
    }
    return Wm4::ColorRGBA(bytes[1] / 255.0f, bytes[2] / 255.0f, bytes[3] / 255.0f,
                          bytes[0] / 255.0f);
}

QString FormatUInteger(quint64 pValue, char pSeparator)
{
    const QString digits = QString::number(pValue);
    if (pSeparator == '\0')
        return digits;

    QString text;
    text.reserve(digits.size() + digits.size() / 3);
    const int count = static_cast<int>(digits.size());
    for (int i = 0; i < count; ++i) {
        if (i > 0 && (count - i) % 3 == 0)
            text += QLatin1Char(pSeparator);
        text += digits.at(i);
    }
    return text;
}

} // namespace zel
