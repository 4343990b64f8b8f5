// Rounding of money amounts.
#pragma once

namespace rvz::app {

// Rounds to two decimals, halves away from zero, on the value's shortest decimal form: the
// amount a person reads (20,125 stays 20,125 and gives 20,13; 0,005 gives 0,01), not the binary
// fraction the double holds, which may lie just below the half.
double Yuvarla(double deger);

} // namespace rvz::app
