#pragma once

#include "calc/factor_store.h"

#include <string>
#include <string_view>

namespace teilerwerk {

inline constexpr std::string_view InvalidInputText = "Eingabe unzulässig";
inline constexpr std::string_view PrimeText = "dies ist eine Primzahl";

// The factor text of a store holding at least one factor, such as " 2^ 3 *  3^ 1 *  5^ 2".
std::string BuildResultText(FactorStore& store);

}  // namespace teilerwerk
