#pragma once

namespace sumora {

// The double nearest to the exact base^exponent, ties to even, +-infinity beyond the largest
// double: the same on every platform, as it uses no maths library. Both arguments are finite;
// zero to a negative power and a negative base to a non-integral power are the caller's to
// refuse. 0^0 is 1.
double powerRoundedToNearestEven(double base, double exponent);

}  // namespace sumora
