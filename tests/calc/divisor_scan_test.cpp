#include "calc/divisor_scan.h"
#include "tests/calc/each_target.h"

#include <gtest/gtest.h>
#include <hwy/targets.h>

#include <optional>
#include <ostream>
#include <vector>

namespace teilerwerk {
namespace {

struct ScanCase {
    double number;
    double from;
    double to;
    std::optional<double> expected;
};

void PrintTo(const ScanCase& c, std::ostream* out)
{
    *out << c.number << " in [" << c.from << ", " << c.to << "]";
}

constexpr std::optional<double> None;

class DivisorScanTest : public EachTargetCaseTest<ScanCase> { };

TEST_P(DivisorScanTest, FindsTheLeastDividingCandidateInRange)
{
    EXPECT_EQ(FirstDividingCandidate(TestCase().number, TestCase().from, TestCase().to), TestCase().expected);
}

INSTANTIATE_TEST_SUITE_P(Bounds, DivisorScanTest,
    testing::ValuesIn(OnEachTarget({ScanCase{1681, 41, 41, 41}, ScanCase{1763, 41, 100, 41},
        ScanCase{1763, 42, 100, 43}, ScanCase{2021, 44, 46, None}, ScanCase{2021, 44, 47, 47},
        ScanCase{9999999967, 41, 99999, None}})),
    TargetAndCaseName<ScanCase>);

// The scan knows the wheel, not the primes: 49 is left out, 121 is tried.
INSTANTIATE_TEST_SUITE_P(Wheel, DivisorScanTest,
    testing::ValuesIn(OnEachTarget({ScanCase{2401, 41, 49, None}, ScanCase{121000363, 41, 200, 121}})),
    TargetAndCaseName<ScanCase>);

// 2^53 - 1 = 6361 * 69431 * 20394401, where the quotients are largest.
INSTANTIATE_TEST_SUITE_P(NearTheLimit, DivisorScanTest,
    testing::ValuesIn(OnEachTarget(
        {ScanCase{9007199254740991, 41, 94906265, 6361}, ScanCase{9007199254740991, 6362, 94906265, 69431}})),
    TargetAndCaseName<ScanCase>);

std::vector<double> PrimesFrom41To(int last)
{
    std::vector<bool> composite(last + 1);
    std::vector<double> primes;
    for (int n = 2; n <= last; ++n) {
        if (composite[n]) {
            continue;
        }
        for (int multiple = 2 * n; multiple <= last; multiple += n) {
            composite[multiple] = true;
        }
        if (n >= 41) {
            primes.push_back(n);
        }
    }
    return primes;
}

using DivisorScanOnEachTargetTest = EachTargetTest;

// Two turns of the candidate table and more: every start and end of the range lands on each
// position in a vector and in a chunk of vectors.
TEST_P(DivisorScanOnEachTargetTest, FindsEachOfTwoNeighbouringPrimesFromEveryStart)
{
    const std::vector<double> primes = PrimesFrom41To(3500);
    for (std::size_t i = 0; i + 1 < primes.size(); ++i) {
        const double p = primes[i];
        const double q = primes[i + 1];
        EXPECT_EQ(FirstDividingCandidate(p * q, 41, q), p) << p << " * " << q;
        EXPECT_EQ(FirstDividingCandidate(p * q, p + 1, q), q) << p << " * " << q;
        EXPECT_EQ(FirstDividingCandidate(p * q, p + 1, q - 1), None) << p << " * " << q;
    }
}

TEST_P(DivisorScanOnEachTargetTest, RunsOnTheUnitUnderTest)
{
    EXPECT_STREQ(DivisorScanTarget(), hwy::TargetName(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(
    EachTarget, DivisorScanOnEachTargetTest, testing::ValuesIn(EachTarget()), TargetParamName);

TEST(DivisorScanDispatchTest, TakesTheWidestUnitOfThisCpu)
{
    EXPECT_STREQ(DivisorScanTarget(), hwy::TargetName(EachTarget().front()));
}

}  // namespace
}  // namespace teilerwerk
