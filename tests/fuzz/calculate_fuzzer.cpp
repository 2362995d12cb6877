// Any bytes give one of the three answers, and a factor text multiplies back to the number read.
#include "calc/calculate.h"
#include "calc/result_text.h"
#include "host/read_number.h"

#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using namespace teilerwerk;

void Require(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

// Reads " 123" from the front of text, a blank and then plain digits.
double TakeNumber(std::string_view& text)
{
    Require(text.size() >= 2 && text.front() == ' ' && text[1] >= '1' && text[1] <= '9');
    text.remove_prefix(1);
    double value = 0.0;
    const auto [end, error]
        = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    Require(error == std::errc{});
    const std::string_view digits = text.substr(0, static_cast<std::size_t>(end - text.data()));
    Require(digits.find_first_not_of("0123456789") == std::string_view::npos);
    text.remove_prefix(digits.size());
    return value;
}

bool TakeLiteral(std::string_view& text, std::string_view literal)
{
    if (!text.starts_with(literal)) {
        return false;
    }
    text.remove_prefix(literal.size());
    return true;
}

// The product of a factor text's powers, each factor above the one before it. Every partial
// product divides the number, so each multiplication is exact.
double MultiplyBack(std::string_view text)
{
    double product = 1.0;
    double previous = 1.0;
    do {
        const double factor = TakeNumber(text);
        Require(TakeLiteral(text, "^"));
        const double exponent = TakeNumber(text);
        Require(factor > previous);
        for (double i = 0; i < exponent; ++i) {
            product *= factor;
        }
        previous = factor;
    } while (TakeLiteral(text, " * "));
    Require(text.empty());
    return product;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    FactorStore store;
    const std::string result = Calculate(store, input);
    if (result == InvalidInputText || result == PrimeText) {
        return 0;
    }
    Require(MultiplyBack(result) == ReadNumber(input).Value);
    Require(Calculate(store, input) == result);
    return 0;
}
