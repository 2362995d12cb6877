#pragma once

#include <string_view>

namespace teilerwerk {

struct NumberReading {
    // The number the text begins with, correctly rounded; 0 when the text begins with no
    // number or its number lies beyond the double range. Never an infinity or a NaN.
    double Value = 0.0;
    // Whether Value is the text's number itself rather than a rounding of it.
    bool Exact = true;
};

// Reads the number at the start of text, leniently: leading white space is skipped, blanks
// and tabs inside the number too, and whatever follows the number is ignored. A sign, digits
// with at most one period as the decimal point, and an exponent (e or E, an optional sign and
// digits) make the number. Runs in time linear in the length of text.
NumberReading ReadNumber(std::string_view text);

}  // namespace teilerwerk
