// Numbers from user and stored text: any text gives a finite number or "too large", a number
// the program writes reads back as itself, and rounding stays within half a unit.
#include "FuzzText.h"

#include "core/Numbers.h"

#include <cmath>
#include <cstdint>

using namespace quorlex;
using quorlex::fuzz::check;

namespace {

template <typename T> void rounds(double value)
{
    const std::optional<T> whole = toWholeNumber<T>(value);
    if (whole)
        check(std::fabs(double(*whole) - value) <= 0.5, "a whole number is within half a unit",
            QString::number(value, 'g', 17));
}

void roundsEveryWay(double value)
{
    if (std::isfinite(value)) {
        const double r = roundHalfEven(value);
        check(r == std::floor(r) && std::fabs(r - value) <= 0.5, "rounding gives the nearest whole number",
            QString::number(value, 'g', 17));
    }
    rounds<qint16>(value);
    rounds<int>(value);
    rounds<qint64>(value);
    rounds<quint16>(value);
    rounds<quint64>(value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider provider(data, size);
    const double raw = provider.ConsumeFloatingPoint<double>();
    roundsEveryWay(raw);
    if (std::isfinite(raw)) {
        const QString written = QString::number(raw, 'g', 17);
        check(parseStrictNumber(written) == raw, "a written number reads back", written);
        check(ToNumber(written) == raw, "a written number reads back as user text", written);
    }

    static const QString special = QStringLiteral(u"0123456789+-.,eE \t\n　１２．－ｅ\u00A0x");
    const QString text = provider.ConsumeBool() ? fuzz::textOf(provider, special, 48)
                                                : QString::fromUtf8(provider.ConsumeRemainingBytesAsString());
    const std::optional<double> number = ToNumber(text);
    if (number) {
        check(std::isfinite(*number), "a number is finite", fuzz::visible(text));
        roundsEveryWay(*number);
    }
    if (const std::optional<double> strict = parseStrictNumber(text))
        check(number == strict, "a whole number is read the same by both readers", fuzz::visible(text));
    roundsEveryWay(leadingNumber(text));
    return 0;
}
