#pragma once

#include "calc/factor_store.h"

namespace teilerwerk {

// Divides divisor out of store.Number as often as it goes, counting the exponent in the
// next free slot and recording the divisor there if it went at least once.
void DivideOut(FactorStore& store, double divisor);

// First pass: the twelve small primes from 2 to 37.
void SearchSmallPrimes(FactorStore& store);

// Second pass: the numbers from 41 up that are prime to 2, 3, 5 and 7, up to the trial limit
// and the square root of what is left of the number, so that it stops as soon as that is 1
// or a prime. A prime left over joins the factors when some were found; otherwise the number
// itself is prime and the slots stay empty.
void SearchOddDivisors(FactorStore& store);

}  // namespace teilerwerk
