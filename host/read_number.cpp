#include "host/read_number.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

namespace teilerwerk {
namespace {

// A number as significant digits times a power of ten: digits holds no leading or
// trailing zero and is empty for zero.
struct Decimal {
    std::string digits;
    std::int64_t exponent = 0;

    bool operator==(const Decimal&) const = default;
};

// Any larger exponent puts a number far beyond the double range either way; the cap keeps
// the arithmetic on exponents from overflowing.
constexpr std::int64_t ExponentCap = 1'000'000'000'000;
// The exact decimal form of a double has at most 767 significant digits and its largest
// finite value has 309 integer digits.
constexpr std::size_t MaxExactDigits = 800;
constexpr std::int64_t MaxMagnitude = 309;
constexpr std::int64_t MinMagnitude = -330;
// Enough decimals for the exact value of the smallest double, 2^-1074.
constexpr int ExactDecimals = 1074;

Decimal MakeDecimal(std::string digits, std::int64_t exponent)
{
    const auto last = digits.find_last_not_of('0');
    if (last == std::string::npos) {
        return {};
    }
    exponent += static_cast<std::int64_t>(digits.size() - last - 1);
    digits.erase(last + 1);
    digits.erase(0, digits.find_first_not_of('0'));
    return {std::move(digits), exponent};
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsInnerBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLeadingSpace(char c) { return IsInnerBlank(c) || c == '\r' || c == '\n'; }

// Walks the text once, the way the number is written in it.
class Scanner {
public:
    explicit Scanner(std::string_view text) : text_(text) { }

    void SkipLeadingSpace()
    {
        while (position_ < text_.size() && IsLeadingSpace(text_[position_])) {
            ++position_;
        }
    }

    // The next character that is not a blank or tab inside the number, or '\0' at the end.
    char Peek()
    {
        while (position_ < text_.size() && IsInnerBlank(text_[position_])) {
            ++position_;
        }
        return position_ < text_.size() ? text_[position_] : '\0';
    }

    void Advance() { ++position_; }
    std::size_t Position() const { return position_; }
    void Rewind(std::size_t position) { position_ = position; }

    bool TakeSign()
    {
        const char c = Peek();
        if (c == '+' || c == '-') {
            Advance();
        }
        return c == '-';
    }

private:
    std::string_view text_;
    std::size_t position_ = 0;
};

struct ScannedNumber {
    bool negative = false;
    bool found = false;
    Decimal decimal;
};

// Digits with at most one period; the digits go to allDigits, the count after the period
// is returned.
std::int64_t ScanMantissa(Scanner& scanner, std::string& allDigits)
{
    bool seenPoint = false;
    std::int64_t fractionDigits = 0;
    for (char c = scanner.Peek(); IsDigit(c) || (c == '.' && !seenPoint); c = scanner.Peek()) {
        scanner.Advance();
        if (c == '.') {
            seenPoint = true;
            continue;
        }
        allDigits += c;
        fractionDigits += seenPoint ? 1 : 0;
    }
    return fractionDigits;
}

// An exponent counts only if a digit follows its letter and sign; otherwise it is left unread.
std::int64_t ScanExponent(Scanner& scanner)
{
    const std::size_t start = scanner.Position();
    const char letter = scanner.Peek();
    if (letter != 'e' && letter != 'E') {
        return 0;
    }
    scanner.Advance();
    const bool negative = scanner.TakeSign();
    if (!IsDigit(scanner.Peek())) {
        scanner.Rewind(start);
        return 0;
    }
    std::int64_t exponent = 0;
    for (char c = scanner.Peek(); IsDigit(c); c = scanner.Peek()) {
        scanner.Advance();
        exponent = std::min(exponent * 10 + (c - '0'), ExponentCap);
    }
    return negative ? -exponent : exponent;
}

ScannedNumber Scan(std::string_view text)
{
    Scanner scanner(text);
    scanner.SkipLeadingSpace();
    ScannedNumber number;
    number.negative = scanner.TakeSign();
    std::string allDigits;
    const std::int64_t fractionDigits = ScanMantissa(scanner, allDigits);
    number.found = !allDigits.empty();
    if (number.found) {
        const std::int64_t exponent = ScanExponent(scanner);
        number.decimal = MakeDecimal(std::move(allDigits), exponent - fractionDigits);
    }
    return number;
}

// The exact decimal value of a finite double's magnitude, written with the given number of
// decimals: 0 suffices for a whole double, ExactDecimals for any.
Decimal ExactDecimal(double value, int decimals)
{
    std::array<char, 1500> buffer{};
    const auto result
        = std::to_chars(buffer.begin(), buffer.end(), std::fabs(value), std::chars_format::fixed, decimals);
    std::string digits(buffer.begin(), result.ptr);
    digits.erase(std::remove(digits.begin(), digits.end(), '.'), digits.end());
    return MakeDecimal(std::move(digits), -decimals);
}

// Whether the double nearest to decimal lies within the double range, judged by the
// number of integer digits so that a huge text is not handed to the conversion.
bool WithinRange(const Decimal& decimal)
{
    const auto magnitude = static_cast<std::int64_t>(decimal.digits.size()) + decimal.exponent;
    return magnitude <= MaxMagnitude && magnitude >= MinMagnitude;
}

}  // namespace

NumberReading ReadNumber(std::string_view text)
{
    const ScannedNumber number = Scan(text);
    const Decimal& decimal = number.decimal;
    if (decimal.digits.empty()) {
        return {number.negative && number.found ? -0.0 : 0.0, true};
    }
    if (!WithinRange(decimal)) {
        return {0.0, false};
    }
    const std::string plain = decimal.digits + 'e' + std::to_string(decimal.exponent);
    double magnitude = 0.0;
    const auto result = std::from_chars(plain.data(), plain.data() + plain.size(), magnitude);
    if (result.ec != std::errc{} || !std::isfinite(magnitude)) {
        return {0.0, false};
    }
    // A whole number in the text always rounds to a whole double, which needs no decimals.
    const int decimals = decimal.exponent >= 0 ? 0 : ExactDecimals;
    const bool exact
        = decimal.digits.size() <= MaxExactDigits && ExactDecimal(magnitude, decimals) == decimal;
    return {number.negative ? -magnitude : magnitude, exact};
}

}  // namespace teilerwerk
