#include "calc/factor_store.h"

#include <cstddef>

namespace teilerwerk {

void ResetStore(FactorStore& store)
{
    store.SmallPrimes = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37};
    for (store.Counter = 0.0; store.Counter <= SlotCount - 1; store.Counter += 1.0) {
        const auto slot = static_cast<std::size_t>(store.Counter);
        store.Factors.at(slot) = 0.0;
        store.Exponents.at(slot) = 0.0;
    }
}

}  // namespace teilerwerk
