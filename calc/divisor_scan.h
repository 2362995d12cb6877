#pragma once

#include <optional>

namespace teilerwerk {

// The least number from `from` to `to`, both included, that is prime to 2, 3, 5 and 7 and
// divides number, if there is one. Runs on the widest vector unit this CPU has. number is a
// whole number below 2^53, from is at least 2.
std::optional<double> FirstDividingCandidate(double number, double from, double to);

// The vector unit that FirstDividingCandidate runs on, such as "AVX2"; "SCALAR" or "EMU128"
// (compilers differ) on a CPU that has no more than the x86-64 baseline.
const char* DivisorScanTarget();

}  // namespace teilerwerk
