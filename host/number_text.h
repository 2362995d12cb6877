#pragma once

#include <string>

namespace teilerwerk {

// A number as text, with a blank where a minus sign would stand: 3 gives " 3", -3 gives "-3".
// Whole numbers are written in plain decimal digits whatever their size.
std::string NumberText(double value);

}  // namespace teilerwerk
