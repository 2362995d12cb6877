// Prints the vector unit that the divisor scan picks on this CPU, such as AVX2.
#include "calc/divisor_scan.h"

#include <cstdio>

int main() { std::puts(teilerwerk::DivisorScanTarget()); }
