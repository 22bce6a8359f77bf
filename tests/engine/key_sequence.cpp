#include "tests/engine/key_sequence.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <stdexcept>
#include <utility>

namespace sumora::testing {

namespace {

constexpr std::array<std::string_view, keyCount> keyNames = {
    "cmdNum0", "cmdNum1", "cmdNum2",  "cmdNum3",  "cmdNum4",   "cmdNum5", "cmdNum6",
    "cmdNum7", "cmdNum8", "cmdNum9",  "cmdOp0",   "cmdOp1",    "cmdOp2",  "cmdOp3",
    "cmdOp4",  "cmdOp5",  "cmdEq",    "cmdPt",    "cmdPosNeg", "cmdPi",   "cmdAC",
    "Mplus",   "Msub",    "Mdisplay", "Mreplace",
};

constexpr std::pair<std::string_view, Key> clickTokens[] = {
    {"+", Key::cmdOp0},      {"-", Key::cmdOp1},     {"x", Key::cmdOp2}, {"/", Key::cmdOp3},
    {"^", Key::cmdOp4},      {"Sqr", Key::cmdOp5},   {"=", Key::cmdEq},  {"AC", Key::cmdAC},
    {"+-", Key::cmdPosNeg},  {"pi", Key::cmdPi},     {"M+", Key::Mplus}, {"M-", Key::Msub},
    {"Mdis", Key::Mdisplay}, {"Mre", Key::Mreplace},
};

constexpr std::int16_t escapeCode = 27;

[[noreturn]] void unknown(std::string_view token) {
    throw std::invalid_argument("unknown key token: " + std::string(token));
}

Key keyNamed(std::string_view name) {
    for (std::size_t i = 0; i < keyNames.size(); ++i) {
        if (keyNames[i] == name) {
            return static_cast<Key>(i);
        }
    }
    unknown(name);
}

bool isEntry(std::string_view token) {
    return token.find_first_not_of("0123456789.") == std::string_view::npos;
}

void play(KeyDriver& driver, std::string_view token) {
    if (isEntry(token)) {
        for (char c : token) {
            driver.click(c == '.' ? Key::cmdPt : cmdNum(c - '0'));
        }
        return;
    }
    for (const auto& [text, key] : clickTokens) {
        if (token == text) {
            driver.click(key);
            return;
        }
    }
    if (token.size() >= 2 && token.front() == '\'' && token.back() == '\'') {
        for (char c : token.substr(1, token.size() - 2)) {
            driver.type(static_cast<std::int16_t>(static_cast<unsigned char>(c)));
        }
    } else if (token.size() >= 3 && token.front() == '<' && token.back() == '>') {
        int code = 0;
        const std::string_view digits = token.substr(1, token.size() - 2);
        if (std::from_chars(digits.data(), digits.data() + digits.size(), code).ec != std::errc{}) {
            unknown(token);
        }
        driver.type(static_cast<std::int16_t>(code));
    } else if (token == "Esc") {
        driver.type(escapeCode);
    } else if (token == "Enter" || token == "Space") {
        driver.pressFocused();
    } else if (token.starts_with('@')) {
        driver.focus(keyNamed(token.substr(1)));
    } else {
        unknown(token);
    }
}

}  // namespace

std::string_view keyName(Key key) {
    return keyNames[static_cast<std::size_t>(key)];
}

Session& Session::run(std::string_view keys) {
    while (!keys.empty()) {
        const std::size_t start = keys.find_first_not_of(' ');
        if (start == std::string_view::npos) {
            break;
        }
        keys.remove_prefix(start);
        const std::size_t end = std::min(keys.find(' '), keys.size());
        play(driver, keys.substr(0, end));
        keys.remove_prefix(end);
    }
    return *this;
}

}  // namespace sumora::testing
