#include "common/fixed_point.h"

#include <cmath>
#include <limits>

namespace krugovik {

Fixed Fixed::fromDouble(double value)
{
    // nearbyint follows the default rounding mode, which rounds halves to even.
    const double scaled = std::nearbyint(value * static_cast<double>(kScale));
    constexpr double limit = 9.0e18;
    if (!(scaled < limit))
        return Fixed(std::numeric_limits<std::int64_t>::max());
    if (!(scaled > -limit))
        return Fixed(std::numeric_limits<std::int64_t>::min());
    return Fixed(static_cast<std::int64_t>(scaled));
}

std::int64_t Fixed::roundToInteger() const
{
    return divideHalfEven(m_units, kScale);
}

std::int64_t divideHalfEven(std::int64_t numerator, std::int64_t divisor)
{
    std::int64_t quotient = numerator / divisor;
    std::int64_t remainder = numerator % divisor;
    if (remainder < 0) {
        remainder += divisor;
        --quotient;
    }
    const std::int64_t twice = remainder * 2;
    if (twice > divisor || (twice == divisor && quotient % 2 != 0))
        ++quotient;
    return quotient;
}

std::int16_t toInt16(std::int64_t value)
{
    if (value > std::numeric_limits<std::int16_t>::max())
        return std::numeric_limits<std::int16_t>::max();
    if (value < std::numeric_limits<std::int16_t>::min())
        return std::numeric_limits<std::int16_t>::min();
    return static_cast<std::int16_t>(value);
}

std::int16_t toInt16(Fixed value)
{
    return toInt16(value.roundToInteger());
}

} // namespace krugovik
