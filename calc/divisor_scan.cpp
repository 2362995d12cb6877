// Compiled once for each vector unit that Highway supports; the CPU picks one at run time.
#include "calc/divisor_scan.h"

#include "calc/wheel.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>

#undef HWY_TARGET_INCLUDE
#define HWY_TARGET_INCLUDE "calc/divisor_scan.cpp"
#include <hwy/foreach_target.h>  // IWYU pragma: keep
#include <hwy/highway.h>

HWY_BEFORE_NAMESPACE();
namespace teilerwerk {
namespace HWY_NAMESPACE {
namespace {

namespace hn = hwy::HWY_NAMESPACE;

// The candidates come from several turns of the wheel at once, enough for a whole number of
// chunks of vectors on every vector length up to 2048 bits.
constexpr std::size_t TableTurns = 8;
constexpr std::size_t TableSize = WheelSpokes * TableTurns;
constexpr double TableSpan = WheelPeriod * TableTurns;

constexpr std::array<double, TableSize> CandidateOffsets = [] {
    std::array<double, TableSize> offsets{};
    for (std::size_t i = 0; i < TableSize; ++i) {
        offsets.at(i)
            = WheelResidues.at(i % WheelSpokes) + WheelPeriod * static_cast<double>(i / WheelSpokes);
    }
    return offsets;
}();

using Tag = hn::ScalableTag<double>;
using Vector = hn::Vec<Tag>;

Vector Candidates(Tag d, Vector base, std::size_t index)
{
    return hn::Add(base, hn::LoadU(d, CandidateOffsets.data() + index));
}

// Exact for the same reason as the scalar test: a quotient of whole numbers below 2^53 that is
// not whole never rounds to a whole one. A quotient by 2 or more is below 2^52, so adding 2^52
// rounds it to a whole number. That takes two additions on every target, where Highway's Round
// branches on each lane's parity on the baseline, and its Floor converts through integers on
// SSSE3.
auto Divides(Tag d, Vector number, Vector candidates)
{
    const Vector wholeShift = hn::Set(d, 4503599627370496.0);  // 2^52
    const Vector quotient = hn::Div(number, candidates);
    return hn::Eq(quotient, hn::Sub(hn::Add(quotient, wholeShift), wholeShift));
}

// Whether any candidate of the chunk divides number. The chunk's vectors share one branch, so
// that their divisions overlap and the branch is rarely taken.
constexpr std::size_t VectorsPerChunk = 4;

bool AnyDivides(Tag d, Vector number, Vector base, std::size_t chunk)
{
    const std::size_t lanes = hn::Lanes(d);
    const auto firstHalf = hn::Or(Divides(d, number, Candidates(d, base, chunk)),
        Divides(d, number, Candidates(d, base, chunk + lanes)));
    const auto secondHalf = hn::Or(Divides(d, number, Candidates(d, base, chunk + 2 * lanes)),
        Divides(d, number, Candidates(d, base, chunk + 3 * lanes)));
    return !hn::AllFalse(d, hn::Or(firstHalf, secondHalf));
}

// The rare second look at a chunk in which some candidate divides: that one may lie outside
// [from, to], like 1 at the start of the wheel.
double FirstInRange(Tag d, Vector number, double base, std::size_t chunk, double from, double to)
{
    const Vector low = hn::Set(d, from);
    const Vector high = hn::Set(d, to);
    const Vector baseVector = hn::Set(d, base);
    for (std::size_t index = chunk; index < chunk + VectorsPerChunk * hn::Lanes(d); index += hn::Lanes(d)) {
        const Vector candidates = Candidates(d, baseVector, index);
        const auto inRange = hn::And(hn::Ge(candidates, low), hn::Le(candidates, high));
        const std::intptr_t lane = hn::FindFirstTrue(d, hn::And(inRange, Divides(d, number, candidates)));
        if (lane >= 0) {
            return base + CandidateOffsets.at(index + static_cast<std::size_t>(lane));
        }
    }
    return 0.0;
}

// The start of the chunk in the table that holds the first candidate at offset or above.
std::size_t ChunkAt(double offset, std::size_t chunkSize)
{
    const auto first = std::lower_bound(CandidateOffsets.begin(), CandidateOffsets.end(), offset);
    return static_cast<std::size_t>(first - CandidateOffsets.begin()) / chunkSize * chunkSize;
}

}  // namespace

// The least candidate in [from, to] that divides number, or 0.
double ScanForDivisor(double number, double from, double to)
{
    const Tag d;
    const std::size_t chunkSize = VectorsPerChunk * hn::Lanes(d);
    HWY_DASSERT(TableSize % chunkSize == 0);
    const Vector numberVector = hn::Set(d, number);
    double base = std::floor(from / TableSpan) * TableSpan;
    Vector baseVector = hn::Set(d, base);
    for (std::size_t chunk = ChunkAt(from - base, chunkSize); base + CandidateOffsets[chunk] <= to;) {
        if (AnyDivides(d, numberVector, baseVector, chunk)) {
            const double found = FirstInRange(d, numberVector, base, chunk, from, to);
            if (found != 0.0) {
                return found;
            }
        }
        chunk += chunkSize;
        if (chunk == TableSize) {
            chunk = 0;
            base += TableSpan;
            baseVector = hn::Set(d, base);
        }
    }
    return 0.0;
}

const char* ScanTargetName() { return hwy::TargetName(HWY_TARGET); }

}  // namespace HWY_NAMESPACE
}  // namespace teilerwerk
HWY_AFTER_NAMESPACE();

#if HWY_ONCE
namespace teilerwerk {

HWY_EXPORT(ScanForDivisor);
HWY_EXPORT(ScanTargetName);

std::optional<double> FirstDividingCandidate(double number, double from, double to)
{
    const double found = HWY_DYNAMIC_DISPATCH(ScanForDivisor)(number, from, to);
    return found != 0.0 ? std::optional(found) : std::nullopt;
}

const char* DivisorScanTarget() { return HWY_DYNAMIC_DISPATCH(ScanTargetName)(); }

}  // namespace teilerwerk
#endif  // HWY_ONCE
