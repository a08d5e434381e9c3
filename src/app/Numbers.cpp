#include "app/Numbers.h"

#include <QLocale>

#include <cmath>
#include <limits>

namespace {

std::optional<double> parse(QLocale locale, QStringView text)
{
    locale.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = locale.toDouble(text, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

std::optional<double> numberFromText(QStringView text)
{
    // The point is always understood; the user's own decimal separator too.
    if (const auto value = parse(QLocale::c(), text))
        return value;
    return parse(QLocale(), text);
}

std::optional<std::int16_t> toInteger16(double value)
{
    const double rounded = std::nearbyint(value);
    if (!(rounded >= std::numeric_limits<std::int16_t>::min() &&
          rounded <= std::numeric_limits<std::int16_t>::max()))
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

QString numberText(double value)
{
    // Fifteen significant digits drop the noise of binary fractions and keep
    // whole numbers below 1e15 free of an exponent.
    return QString::number(value == 0 ? 0.0 : value, 'g', 15);
}
