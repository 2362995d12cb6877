#include "host/read_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace teilerwerk {
namespace {

struct Case {
    const char* text;
    double value;
    bool exact;
};

void PrintTo(const Case& c, std::ostream* out) { *out << '"' << c.text << '"'; }

class ReadNumberTest : public testing::TestWithParam<Case> { };

TEST_P(ReadNumberTest, ReadsTheNumberAtTheStart)
{
    const NumberReading reading = ReadNumber(GetParam().text);
    EXPECT_EQ(reading.Value, GetParam().value);
    EXPECT_EQ(reading.Exact, GetParam().exact);
}

INSTANTIATE_TEST_SUITE_P(NoNumber, ReadNumberTest,
    testing::Values(Case{"", 0.0, true}, Case{"abc", 0.0, true}, Case{"-", 0.0, true}, Case{".", 0.0, true},
        Case{"e5", 0.0, true}, Case{"0x1F", 0.0, true}, Case{"ä600", 0.0, true}));

INSTANTIATE_TEST_SUITE_P(Lenient, ReadNumberTest,
    testing::Values(Case{"8.0", 8.0, true}, Case{"-12", -12.0, true}, Case{"7.5", 7.5, true},
        Case{"7,5", 7.0, true}, Case{" \t\r\n42", 42.0, true}, Case{"1 000 000", 1e6, true},
        Case{"- 12", -12.0, true}, Case{"+5", 5.0, true}, Case{".5", 0.5, true}, Case{"5.", 5.0, true},
        Case{"1.2.3", 1.2, false}, Case{"12abc", 12.0, true}, Case{"600\xC3\xA4", 600.0, true},
        Case{"4\n2", 4.0, true}));

INSTANTIATE_TEST_SUITE_P(Exponent, ReadNumberTest,
    testing::Values(Case{"1e3", 1000.0, true}, Case{"1E+3", 1000.0, true}, Case{"25e-1", 2.5, true},
        Case{"12e", 12.0, true}, Case{"12e+", 12.0, true}, Case{"12ex", 12.0, true},
        Case{"2 e 3", 2000.0, true}, Case{"1e0003", 1000.0, true}));

INSTANTIATE_TEST_SUITE_P(Rounding, ReadNumberTest,
    testing::Values(Case{"0.1", 0.1, false}, Case{"3.0000000000000001", 3.0, false},
        Case{"9007199254740993", 9007199254740992.0, false},
        Case{"9007199254740992", 9007199254740992.0, true},
        Case{"18446744073709551616", 18446744073709551616.0, true}, Case{"1e20", 1e20, true},
        Case{"1e23", 1e23, false}, Case{"0000600.000", 600.0, true}));

INSTANTIATE_TEST_SUITE_P(BeyondRange, ReadNumberTest,
    testing::Values(Case{"1e400", 0.0, false}, Case{"-1e400", 0.0, false}, Case{"1.8e308", 0.0, false},
        Case{"1e-400", 0.0, false}, Case{"1e99999999999999999999999", 0.0, false},
        Case{"1.7976931348623157e308", std::numeric_limits<double>::max(), false}));

TEST(ReadNumberHugeTest, NeverYieldsAnInfinityOrANaN)
{
    for (const std::string& text : {std::string(500, '9'), std::string(1 << 20, '7'),
             "-" + std::string(400, '1'), "1e308" + std::string(3, '0')}) {
        const NumberReading reading = ReadNumber(text);
        EXPECT_TRUE(std::isfinite(reading.Value)) << text.substr(0, 20);
        EXPECT_FALSE(reading.Exact) << text.substr(0, 20);
    }
}

}  // namespace
}  // namespace teilerwerk
