#include "calc/calculate.h"
#include "calc/factor_store.h"
#include "tests/calc/each_target.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

namespace teilerwerk {
namespace {

void ExpectSlotsEmptyFrom(const FactorStore& store, int first)
{
    for (int slot = first; slot < SlotCount; ++slot) {
        EXPECT_EQ(store.Factors[slot], 0.0) << "slot " << slot;
        EXPECT_EQ(store.Exponents[slot], 0.0) << "slot " << slot;
    }
}

TEST(ResetStoreTest, LoadsSmallPrimesAndClearsEverySlot)
{
    FactorStore store;
    store.Factors.fill(7.0);
    store.Exponents.fill(3.0);
    store.SmallPrimes.fill(-1);

    ResetStore(store);

    const std::array<std::int16_t, SmallPrimeCount> primes{2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37};
    EXPECT_EQ(store.SmallPrimes, primes);
    ExpectSlotsEmptyFrom(store, 0);
}

using ResetStoreAfterSearchTest = EachTargetTest;

TEST_P(ResetStoreAfterSearchTest, FewerFactorsLeaveNoTraceOfAnEarlierCalculation)
{
    FactorStore store;
    ASSERT_EQ(Calculate(store, "600"), " 2^ 3 *  3^ 1 *  5^ 2");
    ASSERT_EQ(Calculate(store, "1681"), " 41^ 2");

    EXPECT_EQ(store.FactorCount, 1);
    EXPECT_EQ(store.Factors[0], 41.0);
    EXPECT_EQ(store.Exponents[0], 2.0);
    ExpectSlotsEmptyFrom(store, 1);
}

using SearchTest = EachTargetTest;

TEST_P(SearchTest, FillsSlotsInIncreasingOrderAndDividesTheNumberDown)
{
    FactorStore store;
    ASSERT_EQ(Calculate(store, "600"), " 2^ 3 *  3^ 1 *  5^ 2");

    EXPECT_EQ(store.FactorCount, 3);
    EXPECT_EQ(
        (std::array{store.Factors[0], store.Factors[1], store.Factors[2]}), (std::array{2.0, 3.0, 5.0}));
    EXPECT_EQ((std::array{store.Exponents[0], store.Exponents[1], store.Exponents[2]}),
        (std::array{3.0, 1.0, 2.0}));
    EXPECT_EQ(store.Number, 1.0);
    EXPECT_EQ(store.TrialLimit, 301.0);
}

TEST_P(SearchTest, ALargePrimeLeftOverJoinsTheFactors)
{
    FactorStore store;
    ASSERT_EQ(Calculate(store, "19999999934"), " 2^ 1 *  9999999967^ 1");
    EXPECT_EQ(store.Number, 1.0);
    EXPECT_EQ(store.FactorCount, 2);
}

INSTANTIATE_TEST_SUITE_P(
    EachTarget, ResetStoreAfterSearchTest, testing::ValuesIn(EachTarget()), TargetParamName);
INSTANTIATE_TEST_SUITE_P(EachTarget, SearchTest, testing::ValuesIn(EachTarget()), TargetParamName);

}  // namespace
}  // namespace teilerwerk
