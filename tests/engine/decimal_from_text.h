#pragma once

#include <gtest/gtest.h>

#include <string_view>

#include "engine/decimal.h"

namespace sumora {

// A DECIMAL written as its display text, for test tables; a text that does not read fails the
// test that uses it.
inline Decimal number(std::string_view text) {
    const Checked<Decimal> parsed = parseDecimal(text);
    EXPECT_TRUE(parsed.ok()) << text;
    return parsed.value;
}

}  // namespace sumora
