#pragma once

// The virtual key codes of the keyboard (layout independent, 0-255) that
// demonstration recordings and the formula editor's key handling use. Letters
// and digits are their capital ASCII codes.
namespace base {

enum VirtualKey : int {
    kVkBackspace = 8,
    kVkTab = 9,
    kVkReturn = 13,
    kVkShift = 16,
    kVkControl = 17,
    kVkAlt = 18,
    kVkEscape = 27,
    kVkSpace = 32,
    kVkPageUp = 33,
    kVkPageDown = 34,
    kVkEnd = 35,
    kVkHome = 36,
    kVkLeft = 37,
    kVkUp = 38,
    kVkRight = 39,
    kVkDown = 40,
    kVkInsert = 45,
    kVkDelete = 46,
    kVkNumPad0 = 96,
    kVkNumPad9 = 105,
    kVkMultiply = 106,
    kVkAdd = 107,
    kVkSubtract = 109,
    kVkDecimal = 110,
    kVkDivide = 111,
    kVkF1 = 112,
    kVkF12 = 123,
    kVkLeftShift = 160,
    kVkRightShift = 161,
    kVkLeftControl = 162,
    kVkRightControl = 163,
    kVkLeftAlt = 164,
    kVkRightAlt = 165,
};

} // namespace base
