#pragma once

#include <cstdint>

namespace sumora {

// The main window's keys. The enumerators carry the controls' own names so that the engine, the
// window and the tests speak of the same key in the same words.
enum class Key : std::uint8_t {
    cmdNum0,
    cmdNum1,
    cmdNum2,
    cmdNum3,
    cmdNum4,
    cmdNum5,
    cmdNum6,
    cmdNum7,
    cmdNum8,
    cmdNum9,
    cmdOp0,
    cmdOp1,
    cmdOp2,
    cmdOp3,
    cmdOp4,
    cmdOp5,
    cmdEq,
    cmdPt,
    cmdPosNeg,
    cmdPi,
    cmdAC,
    Mplus,
    Msub,
    Mdisplay,
    Mreplace,
};

inline constexpr int keyCount = static_cast<int>(Key::Mreplace) + 1;

// Element `index` of the digit key array (0 to 9).
constexpr Key cmdNum(int index) {
    return static_cast<Key>(static_cast<int>(Key::cmdNum0) + index);
}

// Element `index` of the operator key array (0 add ... 5 square root).
constexpr Key cmdOp(int index) {
    return static_cast<Key>(static_cast<int>(Key::cmdOp0) + index);
}

constexpr bool isDigitKey(Key key) {
    return key >= Key::cmdNum0 && key <= Key::cmdNum9;
}

constexpr bool isOperatorKey(Key key) {
    return key >= Key::cmdOp0 && key <= Key::cmdOp5;
}

// The three text fields of the main window.
enum class Label : std::uint8_t { lblDisp, lblOp, lblMem };

}  // namespace sumora
