#include "host/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace teilerwerk {
namespace {

struct Case {
    double value;
    const char* text;
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.text; }

class NumberTextTest : public testing::TestWithParam<Case> { };

TEST_P(NumberTextTest, WritesABlankInPlaceOfThePlusSign)
{
    EXPECT_EQ(NumberText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Whole, NumberTextTest,
    testing::Values(Case{0.0, " 0"}, Case{2.0, " 2"}, Case{10.0, " 10"}, Case{-3.0, "-3"},
        Case{999999999999999.0, " 999999999999999"}, Case{1e15, " 1000000000000000"},
        Case{9007199254740881.0, " 9007199254740881"}, Case{1e20, " 100000000000000000000"},
        Case{18446744073709551616.0, " 18446744073709551616"}));

INSTANTIATE_TEST_SUITE_P(
    Fraction, NumberTextTest, testing::Values(Case{2.5, " 2.5"}, Case{-0.125, "-0.125"}));

TEST(NumberTextHugeTest, WritesTheLargestDoubleInAllItsDigits)
{
    const std::string text = NumberText(std::ldexp(1.0, 1023));
    EXPECT_EQ(text.size(), 1u + 308u);
    EXPECT_EQ(text.substr(0, 8), " 8988465");
    EXPECT_EQ(text.find_first_not_of(" 0123456789"), std::string::npos);
}

}  // namespace
}  // namespace teilerwerk
