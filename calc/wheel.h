#pragma once

#include <array>
#include <cstddef>
#include <numeric>

namespace teilerwerk {

// The odd-divisor pass tries only numbers prime to 2, 3, 5 and 7: any other number has one of
// them as a factor, and they are divided out completely before the pass begins. Those numbers
// recur with this period, at these residues in increasing order.
inline constexpr int WheelPeriod = 2 * 3 * 5 * 7;
inline constexpr std::size_t WheelSpokes = 48;

inline constexpr std::array<int, WheelSpokes> WheelResidues = [] {
    std::array<int, WheelSpokes> residues{};
    std::size_t count = 0;
    for (int residue = 1; residue < WheelPeriod; ++residue) {
        if (std::gcd(residue, WheelPeriod) == 1) {
            residues.at(count++) = residue;
        }
    }
    return residues;
}();

}  // namespace teilerwerk
