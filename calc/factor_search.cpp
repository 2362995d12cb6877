#include "calc/factor_search.h"

#include <cmath>
#include <cstddef>

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

// Candidates are tested in blocks of this many, without an early exit inside a block, so that
// the divisions of one block overlap instead of waiting on each other.
constexpr int BlockSize = 8;

bool AnyDivides(double number, double firstCandidate)
{
    bool any = false;
    for (int i = 0; i < BlockSize; ++i) {
        any |= Divides(number, firstCandidate + 2.0 * i);
    }
    return any;
}

// Skips whole blocks of odd candidates that neither divide the number nor reach a stop of the
// pass, and returns the first candidate that needs the step-by-step treatment.
double SkipIdleCandidates(double number, double counter, double end)
{
    while (true) {
        const double last = counter + 2.0 * (BlockSize - 1);
        const double next = last + 2.0;
        if (next > end || last * last > number || AnyDivides(number, counter)) {
            return counter;
        }
        counter = next;
    }
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
    const double end = store.TrialLimit;
    for (store.Counter = 41.0; store.Counter <= end; store.Counter += 2.0) {
        store.Counter = SkipIdleCandidates(store.Number, store.Counter, end);
        DivideOut(store, store.Counter);
        if (store.Number <= store.Counter || store.Counter * store.Counter > store.Number) {
            break;
        }
    }
    RecordRemainingPrime(store);
}

}  // namespace teilerwerk
