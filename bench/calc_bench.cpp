#include "calc/calculate.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

namespace {

using teilerwerk::Calculate;
using teilerwerk::FactorStore;

void BM_Calculate(benchmark::State& state, const std::string& input)
{
    FactorStore store;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Calculate(store, input));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * input.size()));
}

// The yardstick: plain odd trial division on doubles, bounded by the square root.
double LargestFactorByPlainTrialDivision(double n)
{
    while (n / 2.0 == std::floor(n / 2.0)) {
        n /= 2.0;
    }
    double largest = 2.0;
    for (double d = 3.0; d * d <= n; d += 2.0) {
        while (n / d == std::floor(n / d)) {
            n /= d;
            largest = d;
        }
    }
    return n > 1.0 ? n : largest;
}

void BM_PlainTrialDivision(benchmark::State& state, double n)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(LargestFactorByPlainTrialDivision(n));
    }
}

const std::string MegabyteOfDigits(1 << 20, '7');
// Blanks are read to the end, where any other junk would stop the reading at once.
const std::string MegabyteOfBlanks(1 << 20, ' ');

}  // namespace

BENCHMARK_CAPTURE(BM_Calculate, 600, std::string("600"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Calculate, prime_9999999967, std::string("9999999967"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Calculate, prime_9007199254740881, std::string("9007199254740881"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Calculate, semiprime_9007195909437503, std::string("9007195909437503"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Calculate, twice_prime_9007199254740898, std::string("9007199254740898"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Calculate, megabyte_of_digits, MegabyteOfDigits)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Calculate, megabyte_of_blanks, MegabyteOfBlanks)->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(BM_PlainTrialDivision, prime_9999999967, 9999999967.0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PlainTrialDivision, prime_9007199254740881, 9007199254740881.0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PlainTrialDivision, semiprime_9007195909437503, 9007195909437503.0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PlainTrialDivision, twice_prime_9007199254740898, 9007199254740898.0)
    ->Unit(benchmark::kMillisecond);
