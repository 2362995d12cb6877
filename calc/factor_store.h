#pragma once

#include <array>
#include <cstdint>

namespace teilerwerk {

inline constexpr int SlotCount = 51;
inline constexpr int SmallPrimeCount = 12;

// The working store of one calculation. FactorStore{} is the zeroed store.
struct FactorStore {
    // A small prime is kept here widened to double, which holds it exactly.
    std::array<double, SlotCount> Factors{};
    std::array<double, SlotCount> Exponents{};
    double TrialLimit = 0.0;
    double Number = 0.0;
    double Counter = 0.0;
    std::int16_t FactorCount = 0;
    std::array<std::int16_t, SmallPrimeCount> SmallPrimes{};
};

// Loads the small primes and clears every factor and exponent slot.
void ResetStore(FactorStore& store);

}  // namespace teilerwerk
