#include "engine/pasted_number.h"

#include <algorithm>
#include <string>

namespace sumora {

namespace {

// Copied cells and lines of text often end in a line break.
constexpr std::string_view blanks = " \t\r\n";

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Digits, or groups of three digits after a first group of one to three, joined by ",": the
// form in which results are shown.
bool isGroupedWhole(std::string_view whole) {
    std::size_t run = 0;
    bool grouped = false;
    for (const char c : whole) {
        if (isDigit(c)) {
            ++run;
            continue;
        }
        if (c != ',' || run == 0 || run > 3 || (grouped && run != 3)) {
            return false;
        }
        grouped = true;
        run = 0;
    }
    return run > 0 && (!grouped || run == 3);
}

}  // namespace

std::optional<PastedNumber> readPastedNumber(std::string_view text) {
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    text = text.substr(first, text.find_last_not_of(blanks) + 1 - first);
    const bool negative = text.starts_with('-');
    if (negative || text.starts_with('+')) {
        text.remove_prefix(1);
    }
    const std::size_t point = text.find('.');
    if (!isGroupedWhole(text.substr(0, point))) {
        return std::nullopt;
    }
    if (point != std::string_view::npos) {
        const std::string_view fraction = text.substr(point + 1);
        if (fraction.empty() || !std::ranges::all_of(fraction, isDigit)) {
            return std::nullopt;
        }
    }
    std::string entered;
    std::ranges::copy_if(text, std::back_inserter(entered), [](char c) { return c != ','; });
    if (entered.size() > entryLengthLimit) {
        return std::nullopt;
    }
    PastedNumber number;
    number.value = parseDecimal(entered).value;
    for (const char c : entered) {
        number.keys.push_back(c == '.' ? Key::cmdPt : cmdNum(c - '0'));
    }
    if (negative) {
        number.value = number.value.negated();
        number.keys.push_back(Key::cmdPosNeg);
    }
    return number;
}

}  // namespace sumora
