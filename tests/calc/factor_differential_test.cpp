// Compares Calculate with coreutils factor, an implementation written elsewhere.
#include "calc/calculate.h"
#include "tests/calc/each_target.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace teilerwerk {
namespace {

constexpr std::uint64_t ExactDoubleLimit = std::uint64_t{1} << 53;

// factor's answer per number: its prime factors with repetition, in increasing order.
std::map<std::uint64_t, std::vector<std::uint64_t>> FactorWithCoreutils(
    const std::vector<std::uint64_t>& numbers)
{
    std::string command = FACTOR_PROGRAM;
    for (const std::uint64_t n : numbers) {
        command += ' ' + std::to_string(n);
    }
    const std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::map<std::uint64_t, std::vector<std::uint64_t>> answers;
    if (!pipe) {
        return answers;
    }
    std::string output;
    char buffer[4096];
    for (std::size_t read; (read = std::fread(buffer, 1, sizeof buffer, pipe.get())) > 0;) {
        output.append(buffer, read);
    }
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        std::uint64_t n = 0;
        char colon = 0;
        fields >> n >> colon;
        auto& primes = answers[n];
        primes.clear();  // a number asked twice is answered twice
        for (std::uint64_t p = 0; fields >> p;) {
            primes.push_back(p);
        }
    }
    return answers;
}

std::string ExpectedText(std::uint64_t n, const std::vector<std::uint64_t>& primes)
{
    if (n < 3) {
        return "Eingabe unzul\xC3\xA4ssig";
    }
    if (primes.size() == 1 && primes.front() >= 41) {
        return "dies ist eine Primzahl";
    }
    std::string text;
    for (std::size_t i = 0; i < primes.size();) {
        std::size_t j = i;
        while (j < primes.size() && primes[j] == primes[i]) {
            ++j;
        }
        text += (i == 0 ? " " : " *  ") + std::to_string(primes[i]) + "^ " + std::to_string(j - i);
        i = j;
    }
    return text;
}

void ExpectSameAsCoreutils(const std::vector<std::uint64_t>& numbers)
{
    const auto answers = FactorWithCoreutils(numbers);
    ASSERT_EQ(answers.size(), std::set<std::uint64_t>(numbers.begin(), numbers.end()).size())
        << "factor did not answer for every number";
    FactorStore store;
    for (const std::uint64_t n : numbers) {
        EXPECT_EQ(Calculate(store, std::to_string(n)), ExpectedText(n, answers.at(n))) << "n = " << n;
    }
}

using FactorDifferentialTest = EachTargetTest;

TEST_P(FactorDifferentialTest, RandomNumbersOfEveryDigitCount)
{
    std::mt19937_64 random(20261211);
    std::vector<std::uint64_t> numbers;
    std::uint64_t low = 1;
    for (int digits = 1; digits <= 16; ++digits) {
        const std::uint64_t high = std::min(low * 10 - 1, ExactDoubleLimit - 1);
        std::uniform_int_distribution<std::uint64_t> pick(low == 1 ? 0 : low, high);
        for (int i = 0; i < 200; ++i) {
            numbers.push_back(pick(random));
        }
        low *= 10;
    }
    ExpectSameAsCoreutils(numbers);
}

TEST_P(FactorDifferentialTest, ProductsOfTwoPrimesNear2To26)
{
    std::vector<std::uint64_t> candidates;
    for (std::uint64_t n = (std::uint64_t{1} << 26) - 300; n < (std::uint64_t{1} << 26) + 300; n += 2) {
        candidates.push_back(n + 1);
    }
    std::vector<std::uint64_t> primes;
    for (const auto& [n, factors] : FactorWithCoreutils(candidates)) {
        if (factors.size() == 1) {
            primes.push_back(n);
        }
    }
    ASSERT_GE(primes.size(), 10u);
    std::vector<std::uint64_t> products;
    for (std::size_t i = 0; i < primes.size(); i += 3) {
        for (std::size_t j = i; j < primes.size(); j += 5) {
            products.push_back(primes[i] * primes[j]);
        }
    }
    ExpectSameAsCoreutils(products);
}

INSTANTIATE_TEST_SUITE_P(
    EachTarget, FactorDifferentialTest, testing::ValuesIn(EachTarget()), TargetParamName);

}  // namespace
}  // namespace teilerwerk
