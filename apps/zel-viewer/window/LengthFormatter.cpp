#include "LengthFormatter.h"

#include <QLocale>

#include <algorithm>

namespace zel {

namespace {

const double kMillimetresPerInch = 25.4;

} // namespace

double LengthFormatter::FromMillimetres(double pMillimetres, Unit pUnit)
{
    switch (pUnit) {
    case CENTIMETER:
        return pMillimetres / 10.0;
    case METER:
        return pMillimetres / 1000.0;
    case INCH:
        return pMillimetres / kMillimetresPerInch;
    case MILLIMETER:
        break;
    }
    return pMillimetres;
}

QString LengthFormatter::Symbol(Unit pUnit)
{
    switch (pUnit) {
    case CENTIMETER:
        return QStringLiteral("cm");
    case METER:
        return QStringLiteral("m");
    case INCH:
        return QStringLiteral("in");
    case MILLIMETER:
        break;
    }
    return QStringLiteral("mm");
}

QString LengthFormatter::Format(double pMillimetres, Unit pUnit, int pDecimals)
{
    const int decimals = std::max(0, std::min(kMaxDecimals, pDecimals));
    return QStringLiteral("%1 %2").arg(
        QLocale().toString(FromMillimetres(pMillimetres, pUnit), 'f', decimals), Symbol(pUnit));
}

} // namespace zel
