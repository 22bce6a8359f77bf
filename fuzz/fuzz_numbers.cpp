// Feeds arbitrary bytes to the number services as a display text, as two raw DECIMALs and as a
// raw double. Every DECIMAL a service returns must read back from its plain text unchanged, and a
// failure must be one the operation can report; any breach aborts with a message.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "engine/decimal.h"
#include "engine/number_text.h"

namespace {

using namespace sumora;

void require(bool condition, const char* what, const std::string& detail) {
    if (!condition) {
        std::fprintf(stderr, "fuzz_numbers: %s: %s\n", what, detail.c_str());
        std::abort();
    }
}

void checkReadsBack(const Checked<Decimal>& result, bool divisionByZero, const char* what) {
    if (!result.ok()) {
        require(result.status ==
                    (divisionByZero ? DecimalStatus::divisionByZero : DecimalStatus::overflow),
                "unexpected status", what);
        return;
    }
    const std::string plain = plainText(result.value);
    const Checked<Decimal> again = parseDecimal(plain);
    require(again.ok() && again.value == result.value && plainText(again.value) == plain,
            "plain text does not read back", plain);
}

Decimal decimalFromBytes(const std::uint8_t* bytes) {
    std::uint32_t limbs[3];
    std::memcpy(limbs, bytes, sizeof limbs);
    return Decimal::fromParts((bytes[12] & 0x80) != 0, limbs[2], limbs[1], limbs[0],
                              (bytes[12] & 0x7F) % (Decimal::maxScale + 1))
        .value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Checked<Decimal> text = parseDecimal({reinterpret_cast<const char*>(data), size});
    if (text.ok()) {
        checkReadsBack(text, false, "parse");
    }
    if (size >= 26) {
        const Decimal a = decimalFromBytes(data);
        const Decimal b = decimalFromBytes(data + 13);
        checkReadsBack(add(a, b), false, "add");
        checkReadsBack(subtract(a, b), false, "subtract");
        checkReadsBack(multiply(a, b), false, "multiply");
        const Checked<Decimal> quotient = divide(a, b);
        require(!b.isZero() || !quotient.ok(), "division by zero not reported", plainText(a));
        checkReadsBack(quotient, b.isZero(), "divide");
    }
    if (size >= 8) {
        double x = 0.0;
        std::memcpy(&x, data, sizeof x);
        const Checked<Decimal> read = parseDecimal(doubleToText(x));
        require(std::isfinite(x) ? read.ok() || read.status == DecimalStatus::overflow : !read.ok(),
                "double text misread", doubleToText(x));
    }
    return 0;
}
