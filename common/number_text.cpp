#include "common/number_text.h"

#include "common/texts.h"

namespace krugovik {
namespace {

// Integer parts beyond this are held here; no text this system reads comes near it.
constexpr std::int64_t kIntegerLimit = 100'000'000'000'000; // 10^14

struct SpelledNumber {
    bool negative = false;
    std::int64_t integerPart = 0;
    std::string fraction; // every fractional digit, exactly as written
};

SpelledNumber spell(std::string_view text)
{
    SpelledNumber number;
    bool signAllowed = true;
    bool pointSeen = false;
    for (const char c : text) {
        if (c == ' ')
            continue;
        if (signAllowed && (c == '-' || c == '+')) {
            number.negative = (c == '-');
            signAllowed = false;
            continue;
        }
        signAllowed = false;
        if (c >= '0' && c <= '9') {
            if (pointSeen) {
                number.fraction.push_back(c);
            } else {
                number.integerPart = number.integerPart * 10 + (c - '0');
                if (number.integerPart > kIntegerLimit)
                    number.integerPart = kIntegerLimit;
            }
        } else if (c == '.' && !pointSeen) {
            pointSeen = true;
        } else {
            break;
        }
    }
    return number;
}

// Rounds the magnitude to `decimals` fractional digits, halves to even; returns it scaled.
std::int64_t roundedMagnitude(const SpelledNumber &number, std::size_t decimals)
{
    std::int64_t scaled = number.integerPart;
    for (std::size_t i = 0; i < decimals; ++i)
        scaled = scaled * 10 + (i < number.fraction.size() ? number.fraction[i] - '0' : 0);
    if (number.fraction.size() <= decimals)
        return scaled;
    const char first = number.fraction[decimals];
    bool beyondHalf = first > '5';
    if (first == '5') {
        bool restNonZero = false;
        for (std::size_t i = decimals + 1; i < number.fraction.size(); ++i)
            restNonZero = restNonZero || number.fraction[i] != '0';
        beyondHalf = restNonZero || (scaled % 2 != 0);
    }
    return beyondHalf ? scaled + 1 : scaled;
}

} // namespace

Fixed readFixed(std::string_view text)
{
    const SpelledNumber number = spell(text);
    const std::int64_t units = roundedMagnitude(number, 4);
    return Fixed::fromUnits(number.negative ? -units : units);
}

std::int64_t readInteger(std::string_view text)
{
    const SpelledNumber number = spell(text);
    const std::int64_t value = roundedMagnitude(number, 0);
    return number.negative ? -value : value;
}

std::string formatPlain(std::int64_t value)
{
    return std::to_string(value);
}

std::string formatDisplay(Fixed value)
{
    const std::int64_t units = value.units();
    const bool negative = units < 0;
    // Unsigned so that the most negative count still has a magnitude.
    const std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(units) : static_cast<std::uint64_t>(units);
    const std::uint64_t whole = magnitude / Fixed::kScale;
    std::uint64_t fraction = magnitude % Fixed::kScale;
    std::string text(1, negative ? '-' : ' ');
    if (whole != 0 || fraction == 0)
        text += std::to_string(whole);
    if (fraction != 0) {
        std::string fractionDigits = std::to_string(fraction + Fixed::kScale).substr(1);
        while (fractionDigits.back() == '0')
            fractionDigits.pop_back();
        text += '.';
        text += fractionDigits;
    }
    return text;
}

std::string formatDisplay(std::int64_t value)
{
    if (value < 0)
        return formatPlain(value);
    return ' ' + std::to_string(value);
}

std::string decimalText(Fixed value, char separator)
{
    std::string text = formatDisplay(value);
    if (text.front() == ' ')
        text.erase(0, 1);
    const std::size_t point = text.find('.');
    if (point == std::string::npos)
        return text;
    text[point] = separator;
    // ".5" becomes "0,5", "-.5" becomes "-0,5".
    if (point == 0 || (point == 1 && text.front() == '-'))
        text.insert(point, 1, '0');
    return text;
}

char decimalSeparator()
{
    const std::string separator = translated(
        "Sheets", ",", "the decimal separator of numbers on sheets and in the standings");
    return separator.size() == 1 ? separator[0] : ',';
}

std::string countedNoun(int count, const char *one, const char *few, const char *many)
{
    // 11 to 14 take the genitive plural whatever their last digit.
    const int lastTwo = count % 100;
    const int last = count % 10;
    const char *word = many;
    if (lastTwo < 11 || lastTwo > 14) {
        if (last == 1)
            word = one;
        else if (last >= 2 && last <= 4)
            word = few;
    }
    return std::to_string(count) + ' ' + word;
}

std::string playerCountText(int count)
{
    return countedText(translated("Counts", "%n игроков", nullptr, count), count, "игрок", "игрока",
                       "игроков");
}

std::string playersForText(int count)
{
    return countedText(
        translated("CountsFor", "%n игроков", "after «для»: for so many players", count), count,
        "игрока", "игроков", "игроков");
}

} // namespace krugovik
