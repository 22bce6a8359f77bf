#pragma once

#include "engine/decimal.h"
#include "engine/wide_uint.h"

namespace sumora::detail {

// Turns an exact magnitude `mantissa` / 10^scale (scale 0 to 57), plus a fraction below one unit
// of its last digit when `belowLastDigit` is set, into a DECIMAL: exact when it fits, otherwise
// rounded half to even at the largest scale (at most 28) whose mantissa fits in 96 bits, and an
// overflow when not even scale 0 fits.
Checked<Decimal> roundHalfEvenToDecimal(bool negative, WideUint mantissa, int scale,
                                        bool belowLastDigit);

}  // namespace sumora::detail
