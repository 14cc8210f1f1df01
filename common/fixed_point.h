#pragma once

#include <compare>
#include <cstdint>

namespace krugovik {

// An exact decimal with four fractional digits: a signed count of ten-thousandths.
class Fixed {
  public:
    static constexpr std::int64_t kScale = 10000;

    constexpr Fixed() = default;

    static constexpr Fixed fromUnits(std::int64_t units) { return Fixed(units); }
    static constexpr Fixed fromInt(std::int64_t value) { return Fixed(value * kScale); }
    // Rounds to four decimals, halves to the even neighbour.
    static Fixed fromDouble(double value);

    constexpr std::int64_t units() const { return m_units; }
    double toDouble() const { return static_cast<double>(m_units) / kScale; }
    // Nearest integer, halves to the even neighbour.
    std::int64_t roundToInteger() const;

    constexpr Fixed operator-() const { return Fixed(-m_units); }
    constexpr Fixed operator+(Fixed o) const { return Fixed(m_units + o.m_units); }
    constexpr Fixed operator-(Fixed o) const { return Fixed(m_units - o.m_units); }
    constexpr Fixed operator*(std::int64_t k) const { return Fixed(m_units * k); }
    constexpr Fixed &operator+=(Fixed o)
    {
        m_units += o.m_units;
        return *this;
    }
    constexpr Fixed &operator-=(Fixed o)
    {
        m_units -= o.m_units;
        return *this;
    }
    constexpr auto operator<=>(const Fixed &) const = default;

  private:
    constexpr explicit Fixed(std::int64_t units) : m_units(units) {}
    std::int64_t m_units = 0;
};

inline constexpr Fixed kZero = Fixed::fromUnits(0);
inline constexpr Fixed kHalf = Fixed::fromUnits(Fixed::kScale / 2);
inline constexpr Fixed kOne = Fixed::fromUnits(Fixed::kScale);

// Integer division rounding halves to the even neighbour (divisor > 0).
std::int64_t divideHalfEven(std::int64_t numerator, std::int64_t divisor);

// A 16-bit integer from a wider one, held at the type's limits instead of wrapping.
std::int16_t toInt16(std::int64_t value);
// A 16-bit integer from a decimal: halves to even, then held at the type's limits.
std::int16_t toInt16(Fixed value);

} // namespace krugovik
