#pragma once

#include "calc/factor_store.h"

#include <string>
#include <string_view>

namespace teilerwerk {

// Factorises the number at the start of input (UTF-8) and returns the text for the result
// box: the factor text, the prime message or the invalid-input message. Every field of
// store is rewritten before it is read, so nothing carries over between calls.
std::string Calculate(FactorStore& store, std::string_view input);

}  // namespace teilerwerk
