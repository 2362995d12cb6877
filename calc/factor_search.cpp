#include "calc/factor_search.h"

#include "calc/divisor_scan.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <optional>

namespace teilerwerk {
namespace {

std::size_t NextSlot(const FactorStore& store) { return static_cast<std::size_t>(store.FactorCount); }

// Whether divisor goes into number without remainder, tested on the quotient alone:
// for whole numbers below 2^53 a quotient that is not whole never rounds to a whole one.
bool Divides(double number, double divisor)
{
    const double quotient = number / divisor;
    return quotient == std::floor(quotient);
}

void RecordFactor(FactorStore& store, double factor)
{
    store.Factors.at(NextSlot(store)) = factor;
    ++store.FactorCount;
}

// A divisor above the square root of what is left would need a cofactor below itself, and
// those were all divided out before it. The rounded root is never below the whole one.
double SquareRootBound(double number) { return std::floor(std::sqrt(number)); }

// The next candidate from Counter on that divides what is left, up to the bounds of the pass.
std::optional<double> NextDivisor(const FactorStore& store)
{
    const double last = std::min(store.TrialLimit, SquareRootBound(store.Number));
    return FirstDividingCandidate(store.Number, store.Counter, last);
}

// Once no divisor up to the square root is left, what remains above 1 is a prime.
void RecordRemainingPrime(FactorStore& store)
{
    if (store.Number <= 1.0 || store.FactorCount == 0) {
        return;
    }
    store.Exponents.at(NextSlot(store)) = 1.0;
    RecordFactor(store, store.Number);
    store.Number = 1.0;
}

}  // namespace

void DivideOut(FactorStore& store, double divisor)
{
    bool found = false;
    while (Divides(store.Number, divisor)) {
        store.Number /= divisor;
        store.Exponents.at(NextSlot(store)) += 1.0;
        found = true;
    }
    if (found) {
        RecordFactor(store, divisor);
    }
}

void SearchSmallPrimes(FactorStore& store)
{
    for (const std::int16_t prime : store.SmallPrimes) {
        DivideOut(store, prime);
    }
}

void SearchOddDivisors(FactorStore& store)
{
    store.Counter = 41.0;
    while (const std::optional<double> divisor = NextDivisor(store)) {
        DivideOut(store, *divisor);
        store.Counter = *divisor + 1.0;
    }
    RecordRemainingPrime(store);
}

}  // namespace teilerwerk
