#include "host/number_text.h"

#include <array>
#include <charconv>
#include <cmath>

namespace teilerwerk {
namespace {

// The largest double has 309 integer digits.
constexpr std::size_t BufferSize = 400;

}  // namespace

std::string NumberText(double value)
{
    std::array<char, BufferSize> buffer{};
    const bool whole = std::isfinite(value) && value == std::floor(value);
    const auto result = whole
        ? std::to_chars(buffer.begin(), buffer.end(), value, std::chars_format::fixed, 0)
        : std::to_chars(buffer.begin(), buffer.end(), value);
    std::string text(buffer.begin(), result.ptr);
    if (!std::signbit(value)) {
        text.insert(text.begin(), ' ');
    }
    return text;
}

}  // namespace teilerwerk
