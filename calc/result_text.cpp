#include "calc/result_text.h"

#include "host/number_text.h"

#include <cstddef>

namespace teilerwerk {
namespace {

std::string PowerText(const FactorStore& store, std::size_t slot)
{
    return NumberText(store.Factors.at(slot)) + "^" + NumberText(store.Exponents.at(slot));
}

}  // namespace

std::string BuildResultText(FactorStore& store)
{
    std::string text = PowerText(store, 0);
    const double end = store.FactorCount - 1;
    for (store.Counter = 1.0; store.Counter <= end; store.Counter += 1.0) {
        text += " * " + PowerText(store, static_cast<std::size_t>(store.Counter));
    }
    return text;
}

}  // namespace teilerwerk
