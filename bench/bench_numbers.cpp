// The number services on the texts a user typically sees: entered numbers, grouped results and
// 28-digit quotients.
#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <string_view>

#include "engine/decimal.h"
#include "engine/number_text.h"
#include "engine/power_rounded.h"

namespace {

using namespace sumora;

constexpr std::array<std::string_view, 6> displayTexts = {
    "7",
    "1,234",
    "-3.25",
    "1,234,567.5",
    "0.3333333333333333333333333333",
    "79,228,162,514,264,337,593,543,950,335",
};

Decimal number(std::string_view text) {
    return parseDecimal(text).value;
}

void BM_ParseDisplayText(benchmark::State& state) {
    const std::string_view text = displayTexts[static_cast<std::size_t>(state.range(0))];
    for (auto _ : state) {
        benchmark::DoNotOptimize(parseDecimal(text));
    }
    state.SetLabel(std::string(text));
}
BENCHMARK(BM_ParseDisplayText)->DenseRange(0, displayTexts.size() - 1);

using BinaryOperation = Checked<Decimal> (*)(const Decimal&, const Decimal&);

void runBinary(benchmark::State& state, BinaryOperation operation, std::string_view a,
               std::string_view b) {
    const Decimal left = number(a);
    const Decimal right = number(b);
    for (auto _ : state) {
        benchmark::DoNotOptimize(operation(left, right));
    }
}

void BM_Add(benchmark::State& state, std::string_view a, std::string_view b) {
    runBinary(state, &add, a, b);
}
void BM_Multiply(benchmark::State& state, std::string_view a, std::string_view b) {
    runBinary(state, &multiply, a, b);
}
void BM_Divide(benchmark::State& state, std::string_view a, std::string_view b) {
    runBinary(state, &divide, a, b);
}
BENCHMARK_CAPTURE(BM_Add, whole, "1,234", "5678");
BENCHMARK_CAPTURE(BM_Add, mixed_scales, "1,234.5", "0.3333333333333333333333333333");
BENCHMARK_CAPTURE(BM_Multiply, whole, "1,234", "5678");
BENCHMARK_CAPTURE(BM_Multiply, rounded, "3.3333333333333333333333333333",
                  "3.3333333333333333333333333333");
BENCHMARK_CAPTURE(BM_Divide, exact, "7", "2");
BENCHMARK_CAPTURE(BM_Divide, one_third, "1", "3");
BENCHMARK_CAPTURE(BM_Divide, large, "79228162514264337593543950335", "1234567.891");

void BM_FormatWholeDecimal(benchmark::State& state) {
    const Decimal value = number(displayTexts[static_cast<std::size_t>(state.range(0))]);
    for (auto _ : state) {
        benchmark::DoNotOptimize(formatWholeGroupedHalfAwayFromZero(value));
    }
    state.SetLabel(std::string(displayTexts[static_cast<std::size_t>(state.range(0))]));
}
BENCHMARK(BM_FormatWholeDecimal)->DenseRange(0, displayTexts.size() - 1);

void BM_PlainText(benchmark::State& state) {
    const Decimal value = number("1,234,567.5");
    for (auto _ : state) {
        benchmark::DoNotOptimize(plainText(value));
    }
}
BENCHMARK(BM_PlainText);

void BM_DoubleToText(benchmark::State& state) {
    const double value = std::sqrt(2.0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(doubleToText(value));
    }
}
BENCHMARK(BM_DoubleToText);

void BM_FormatWholeDouble(benchmark::State& state) {
    const double value = 0x1p70;
    for (auto _ : state) {
        benchmark::DoNotOptimize(formatWholeGroupedHalfAwayFromZero(value));
    }
}
BENCHMARK(BM_FormatWholeDouble);

void BM_ToDouble(benchmark::State& state) {
    const Decimal value = number("1,234,567.5");
    for (auto _ : state) {
        benchmark::DoNotOptimize(value.toDouble());
    }
}
BENCHMARK(BM_ToDouble);

// Typed whole exponents, a fractional one, one of millions (near-1 base), a result exactly in the
// middle of two doubles, which takes the exact check, and one 2^-79 from such a middle, which
// takes the second, more precise attempt: the slowest path.
void BM_Power(benchmark::State& state, double base, double exponent) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(powerRoundedToNearestEven(base, exponent));
    }
}
BENCHMARK_CAPTURE(BM_Power, pi_to_51, 3.141592653589793, 51.0);
BENCHMARK_CAPTURE(BM_Power, root_3_to_58, 1.7320508075688772, 58.0);
BENCHMARK_CAPTURE(BM_Power, two_to_one_half, 2.0, 0.5);
BENCHMARK_CAPTURE(BM_Power, near_one_to_billions, 1.0000001, 7e9);
BENCHMARK_CAPTURE(BM_Power, three_to_34_exact_middle, 3.0, 34.0);
BENCHMARK_CAPTURE(BM_Power, near_middle_takes_more_bits, 0x1.0000002d413cdp+52, 2.0);

}  // namespace
