#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace velka {

// Truncation toward zero into an int32 that stays defined for every double: NaN gives 0 and
// values beyond the range give its ends (a table file may hold anything).
inline std::int32_t TruncateToInt32(double value) {
    if (std::isnan(value))
        return 0;
    const double truncated = std::trunc(value);
    if (truncated <= static_cast<double>(std::numeric_limits<std::int32_t>::min()))
        return std::numeric_limits<std::int32_t>::min();
    if (truncated >= static_cast<double>(std::numeric_limits<std::int32_t>::max()))
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(truncated);
}

// An int64 held to the int32 range.
inline std::int32_t SaturateToInt32(std::int64_t value) {
    if (value <= std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    if (value >= std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value);
}

}  // namespace velka
