#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "engine/decimal.h"
#include "engine/key.h"

namespace sumora {

// An entered number holds at most this many characters: a digit is appended only to a shorter
// display.
inline constexpr std::size_t entryLengthLimit = 14;

// A number taken from the clipboard's text and the keys that enter it.
struct PastedNumber {
    Decimal value;
    // The digit and point keys in the text's order, then "+ -" for a negative number: the sign
    // key does nothing to a "0", so it comes last.
    std::vector<Key> keys;
};

// Blanks around, an optional "-" or "+", digits with "," only between groups of three, and at
// most one "." followed by digits; the digits and the point at most entryLengthLimit characters.
// Any other text is no number.
std::optional<PastedNumber> readPastedNumber(std::string_view text);

}  // namespace sumora
