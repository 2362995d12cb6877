#include "calc/calculate.h"
#include "calc/divisor_scan.h"
#include "calc/wheel.h"

#include <benchmark/benchmark.h>
#include <hwy/targets.h>

#include <cmath>
#include <cstdint>
#include <string>

namespace {

using namespace teilerwerk;

void BM_Calculate(benchmark::State& state, const std::string& input)
{
    FactorStore store;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Calculate(store, input));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * input.size()));
    state.SetLabel(DivisorScanTarget());
}

// How many numbers from 41 to the square root of number the wheel lets through: all that the
// search tries on a prime, or on two primes near the root.
double WheelCandidates(double number)
{
    const auto upTo = [](std::int64_t last) {
        std::int64_t count = last / WheelPeriod * static_cast<std::int64_t>(WheelSpokes);
        for (const int residue : WheelResidues) {
            count += residue <= last % WheelPeriod ? 1 : 0;
        }
        return count;
    };
    return static_cast<double>(upTo(static_cast<std::int64_t>(std::sqrt(number))) - upTo(40));
}

// The search on one vector unit, with the time per candidate tried.
void BM_CalculateOn(benchmark::State& state, std::int64_t target, double number)
{
    hwy::SetSupportedTargetsForTest(target);
    const std::string input = std::to_string(static_cast<std::int64_t>(number));
    FactorStore store;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Calculate(store, input));
    }
    state.SetLabel(DivisorScanTarget());
    hwy::SetSupportedTargetsForTest(0);
    state.counters["per_candidate"] = benchmark::Counter(
        WheelCandidates(number), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void RegisterEachTarget(const std::string& name, double number)
{
    for (const std::int64_t target : hwy::SupportedAndGeneratedTargets()) {
        const std::string fullName = "BM_CalculateOn/" + std::string(hwy::TargetName(target)) + "/" + name;
        benchmark::RegisterBenchmark(fullName.c_str(), BM_CalculateOn, target, number)
            ->Unit(benchmark::kMillisecond);
    }
}

// The yardstick: plain odd trial division on doubles, one candidate at a time, bounded by the
// square root.
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

int main(int argc, char** argv)
{
    RegisterEachTarget("prime_9999999967", 9999999967.0);
    RegisterEachTarget("prime_9007199254740881", 9007199254740881.0);
    RegisterEachTarget("semiprime_9007195909437503", 9007195909437503.0);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
