#pragma once

#include <cmath>
#include <limits>

namespace quorlex {

template <typename T> std::optional<T> toWholeNumber(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double r = roundHalfEven(value);
    if (r < double(std::numeric_limits<T>::min()) || r > double(std::numeric_limits<T>::max()))
        return std::nullopt;
    return static_cast<T>(r);
}

} // namespace quorlex
