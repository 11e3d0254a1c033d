#pragma once

#include <cmath>
#include <limits>

namespace quorlex {

template <typename T> std::optional<T> toWholeNumber(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double r = roundHalfEven(value);
    // max() + 1 as a double: a power of two, exact, where max() itself may round up to it.
    const double tooLarge = std::ldexp(1.0, std::numeric_limits<T>::digits);
    if (r < double(std::numeric_limits<T>::min()) || r >= tooLarge)
        return std::nullopt;
    return static_cast<T>(r);
}

} // namespace quorlex
