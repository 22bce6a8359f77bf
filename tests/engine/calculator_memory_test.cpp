#include <gtest/gtest.h>

#include <span>
#include <string>
#include <string_view>

#include "tests/engine/key_sequence.h"

namespace sumora::testing {
namespace {

struct MemoryCase {
    std::string_view name;
    std::string_view keys;
    std::string_view display;
    std::string_view memory;
    int beeps;  // a failed M+ or M- keeps the memory and beeps
};

void expectMemory(std::span<const MemoryCase> cases) {
    for (const MemoryCase& c : cases) {
        SCOPED_TRACE(std::string(c.name) + ": " + std::string(c.keys));
        Session session;
        session.run(c.keys);
        EXPECT_EQ(session.display(), c.display);
        EXPECT_EQ(session.memory(), c.memory);
        EXPECT_EQ(session.view.beeps(), c.beeps);
        EXPECT_TRUE(session.view.messages().size() <= 1U);
    }
}

TEST(CalculatorMemory, StoreRecallAndArithmetic) {
    constexpr MemoryCase cases[] = {
        {"M+ into an empty memory copies", "1234 + 0 = M+", "1,234", "1,234", 0},
        {"M+ adds", "1234 + 0 = M+ 10 M+", "10", "1244", 0},
        {"M+ of halves", "0.5 Mre M+", "0.5", "1", 0},
        {"M- subtracts the display", "10 Mre = 2.5 M-", "2.5", "7.5", 0},
        {"M- down to zero keeps a value", "5 Mre M-", "5", "0", 0},
        {"stored zero is added to", "0 Mre = 1.50 M+", "1.50", "1.5", 0},
        {"Mre stores the display", "Mre", "0", "0", 0},
        {"Mdis of an empty memory", "Mdis", "", "", 0},
        {"Mdis copies the text", "1234 + 0 = Mre 7 Mdis", "1,234", "1,234", 0},
        {"memory survives a chain", "5 Mre = 2 + 3 =", "5", "5", 0},
        {"AC empties the memory", "5 Mre AC Mdis", "", "", 0},
    };
    expectMemory(cases);
}

// M- into an empty memory stores the display negated, and nothing for any form of zero.
TEST(CalculatorMemory, SubtractFromEmptyMemory) {
    constexpr MemoryCase cases[] = {
        {"positive", "5 M-", "5", "-5", 0},
        {"negative", "5 +- M-", "-5", "5", 0},
        {"grouped positive", "1234 + 0 = M-", "1,234", "-1,234", 0},
        {"grouped negative", "1234 + 0 = +- M-", "-1,234", "1,234", 0},
        {"zero", "0 M-", "0", "", 0},
        {"zero with a point", ". M-", "0.", "", 0},
        {"zero with decimals", "0.00 M-", "0.00", "", 0},
        {"negative zero", ". +- M-", "-0.", "", 0},
    };
    expectMemory(cases);
}

TEST(CalculatorMemory, FailureKeepsTheMemoryAndBeeps) {
    constexpr MemoryCase cases[] = {
        {"M+ onto a stored message", "0 ^ 1 +- = Mre M+", "Answer too large or small",
         "Answer too large or small", 1},
        {"M- of a message into an empty memory", "0 ^ 1 +- = M-", "Answer too large or small", "",
         1},
        {"M- of a message from a stored value", "5 Mre = 0 ^ 1 +- = M-",
         "Answer too large or small", "5", 1},
        {"M+ beyond the range", "10 ^ 28 = Mre M+ M+ M+ M+ M+ M+ M+",
         "10,000,000,000,000,000,000,000,000,000", "70000000000000000000000000000", 1},
        {"M- beyond the range", "10 ^ 28 = +- Mre +- M- M- M- M- M- M- M-",
         "10,000,000,000,000,000,000,000,000,000", "-70000000000000000000000000000", 1},
    };
    expectMemory(cases);
}

}  // namespace
}  // namespace sumora::testing
