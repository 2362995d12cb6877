#include "calc/calculate.h"

#include "calc/factor_search.h"
#include "calc/result_text.h"
#include "host/read_number.h"

#include <cmath>

namespace teilerwerk {
namespace {

// A whole number of at least 3 that the double holds exactly, not merely rounded to.
bool IsAcceptable(const FactorStore& store, const NumberReading& reading)
{
    const bool hasFraction = store.Number > std::floor(store.Number);
    return reading.Exact && !hasFraction && store.Number >= 3.0;
}

}  // namespace

std::string Calculate(FactorStore& store, std::string_view input)
{
    ResetStore(store);
    const NumberReading reading = ReadNumber(input);
    store.Number = reading.Value;
    store.TrialLimit = std::floor(store.Number / 2.0) + 1.0;
    store.FactorCount = 0;
    if (!IsAcceptable(store, reading)) {
        return std::string(InvalidInputText);
    }
    SearchSmallPrimes(store);
    SearchOddDivisors(store);
    if (store.FactorCount == 0) {
        return std::string(PrimeText);
    }
    return BuildResultText(store);
}

}  // namespace teilerwerk
