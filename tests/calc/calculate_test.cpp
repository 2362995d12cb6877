#include "calc/calculate.h"
#include "tests/calc/each_target.h"

#include <gtest/gtest.h>

#include <string>

namespace teilerwerk {
namespace {

struct Case {
    const char* input;
    const char* expected;
};

void PrintTo(const Case& c, std::ostream* out) { *out << '"' << c.input << '"'; }

constexpr const char* Invalid = "Eingabe unzul\xC3\xA4ssig";
constexpr const char* Prime = "dies ist eine Primzahl";

// One store serves every case, as one window serves every click: anything carried over
// from an earlier case would show in a later one.
class CalculateTest : public EachTargetCaseTest<Case> {
protected:
    static FactorStore store_;
};

FactorStore CalculateTest::store_{};

TEST_P(CalculateTest, AnswersWithTheExpectedText)
{
    EXPECT_EQ(Calculate(store_, TestCase().input), TestCase().expected);
}

TEST_P(CalculateTest, AnswersTheSameOnASecondClick)
{
    const std::string first = Calculate(store_, TestCase().input);
    EXPECT_EQ(Calculate(store_, TestCase().input), first);
}

INSTANTIATE_TEST_SUITE_P(Rejected, CalculateTest,
    testing::ValuesIn(OnEachTarget({Case{"", Invalid}, Case{"abc", Invalid}, Case{"0", Invalid},
        Case{"1", Invalid}, Case{"2", Invalid}, Case{"-12", Invalid}, Case{"7.5", Invalid},
        Case{"2.5", Invalid}, Case{"0x1F", Invalid}, Case{"ä600", Invalid}})),
    TargetAndCaseName<Case>);

INSTANTIATE_TEST_SUITE_P(SmallPrimePass, CalculateTest,
    testing::ValuesIn(OnEachTarget(
        {Case{"3", " 3^ 1"}, Case{"8.0", " 2^ 3"}, Case{"12", " 2^ 2 *  3^ 1"}, Case{"37", " 37^ 1"},
            Case{"600", " 2^ 3 *  3^ 1 *  5^ 2"}, Case{"1024", " 2^ 10"}, Case{"74", " 2^ 1 *  37^ 1"}})),
    TargetAndCaseName<Case>);

INSTANTIATE_TEST_SUITE_P(OddDivisorPass, CalculateTest,
    testing::ValuesIn(OnEachTarget({Case{"41", Prime}, Case{"79", Prime}, Case{"82", " 2^ 1 *  41^ 1"},
        Case{"1681", " 41^ 2"}, Case{"1763", " 41^ 1 *  43^ 1"}, Case{"86", " 2^ 1 *  43^ 1"},
        Case{"9999999967", Prime}, Case{"9999999999", " 3^ 2 *  11^ 1 *  41^ 1 *  271^ 1 *  9091^ 1"},
        Case{"75186702453419", " 41^ 1 *  43^ 1 *  47^ 1 *  53^ 1 *  59^ 1 *  61^ 1 *  67^ 1 *  71^ 1"},
        Case{"2873021", " 1693^ 1 *  1697^ 1"}, Case{"9007195909437503", " 94906247^ 1 *  94906249^ 1"},
        Case{"9007195719625009", " 94906247^ 2"},
        Case{"304250263527210",
            " 2^ 1 *  3^ 1 *  5^ 1 *  7^ 1 *  11^ 1 *  13^ 1 *  17^ 1 *  19^ 1 *  "
            "23^ 1 *  29^ 1 *  31^ 1 *  37^ 1 *  41^ 1"}})),
    TargetAndCaseName<Case>);

INSTANTIATE_TEST_SUITE_P(ReadingRules, CalculateTest,
    testing::ValuesIn(
        OnEachTarget({Case{"  \t\r\n600", " 2^ 3 *  3^ 1 *  5^ 2"}, Case{"1 000 000", " 2^ 6 *  5^ 6"},
            Case{"+12", " 2^ 2 *  3^ 1"}, Case{"- 12", Invalid}, Case{"12abc", " 2^ 2 *  3^ 1"},
            Case{"7,5", " 7^ 1"}, Case{"600\xC3\xA4", " 2^ 3 *  3^ 1 *  5^ 2"}, Case{"1e3", " 2^ 3 *  5^ 3"},
            Case{"12e", " 2^ 2 *  3^ 1"}, Case{"2 e 3", " 2^ 4 *  5^ 3"}, Case{"0.25e2", " 5^ 2"}})),
    TargetAndCaseName<Case>);

// Numbers at and beyond the reach of a double: only what the double holds exactly is accepted.
INSTANTIATE_TEST_SUITE_P(BeyondExactDoubles, CalculateTest,
    testing::ValuesIn(OnEachTarget({Case{"9007199254740992", " 2^ 53"}, Case{"9007199254740993", Invalid},
        Case{"9007199254740881", Prime}, Case{"18446744073709551616", " 2^ 64"},
        Case{"1e20", " 2^ 20 *  5^ 20"}, Case{"12345678901234567890", Invalid},
        Case{"3.0000000000000001", Invalid}, Case{"1e400", Invalid}, Case{"-1e400", Invalid},
        Case{"1e-400", Invalid}, Case{"1e999999999999999999999", Invalid}})),
    TargetAndCaseName<Case>);

TEST(CalculateHugeTest, WritesAHugeExactPowerOfTwoInPlainDigits)
{
    FactorStore store;
    const std::string twoTo1000
        = "10715086071862673209484250490600018105614048117055336074437503883703510511249361224931983788156958"
          "58127594672917553146825187145285692314043598457757469857480393456777482423098542107460506237114187"
          "79541821530464749835819412673987675591655439460770629145711964776865421676604298316526243868372056"
          "68069376";
    EXPECT_EQ(Calculate(store, twoTo1000), " 2^ 1000");
    EXPECT_EQ(Calculate(store, twoTo1000 + "1"), Invalid);
}

TEST(CalculateHugeTest, AnswersAMegabyteOfDigitsOrJunkAtOnce)
{
    FactorStore store;
    EXPECT_EQ(Calculate(store, std::string(1 << 20, '9')), Invalid);
    EXPECT_EQ(Calculate(store, std::string(1 << 20, 'x')), Invalid);
    EXPECT_EQ(Calculate(store, "6" + std::string(1 << 20, ' ')), " 2^ 1 *  3^ 1");
    EXPECT_EQ(Calculate(store, "0." + std::string(1 << 20, '0') + "1"), Invalid);
}

}  // namespace
}  // namespace teilerwerk
