#include "labframe/virtualkeys.h"
#include "base/virtualkeys.h"
#include <array>

namespace labframe {
namespace {

struct KeyRow {
    int code;
    Qt::Key key;
    const char* text;
    const char* shifted;
};

// Keys other than letters, digits, the numeric pad and F1-F12.
constexpr std::array kKeys{
    KeyRow{base::kVkBackspace, Qt::Key_Backspace, "\b", "\b"},   KeyRow{base::kVkTab, Qt::Key_Tab, "\t", ""},
    KeyRow{base::kVkReturn, Qt::Key_Return, "\r", "\r"},     KeyRow{base::kVkShift, Qt::Key_Shift, "", ""},
    KeyRow{base::kVkControl, Qt::Key_Control, "", ""},        KeyRow{base::kVkAlt, Qt::Key_Alt, "", ""},
    KeyRow{base::kVkEscape, Qt::Key_Escape, "\x1b", "\x1b"}, KeyRow{base::kVkSpace, Qt::Key_Space, " ", " "},
    KeyRow{base::kVkPageUp, Qt::Key_PageUp, "", ""},         KeyRow{base::kVkPageDown, Qt::Key_PageDown, "", ""},
    KeyRow{base::kVkEnd, Qt::Key_End, "", ""},            KeyRow{base::kVkHome, Qt::Key_Home, "", ""},
    KeyRow{base::kVkLeft, Qt::Key_Left, "", ""},           KeyRow{base::kVkUp, Qt::Key_Up, "", ""},
    KeyRow{base::kVkRight, Qt::Key_Right, "", ""},          KeyRow{base::kVkDown, Qt::Key_Down, "", ""},
    KeyRow{base::kVkInsert, Qt::Key_Insert, "", ""},         KeyRow{base::kVkDelete, Qt::Key_Delete, "", ""},
    KeyRow{base::kVkMultiply, Qt::Key_Asterisk, "*", "*"},    KeyRow{base::kVkAdd, Qt::Key_Plus, "+", "+"},
    KeyRow{base::kVkSubtract, Qt::Key_Minus, "-", "-"},       KeyRow{base::kVkDecimal, Qt::Key_Period, ".", "."},
    KeyRow{base::kVkDivide, Qt::Key_Slash, "/", "/"},       KeyRow{base::kVkLeftShift, Qt::Key_Shift, "", ""},
    KeyRow{base::kVkRightShift, Qt::Key_Shift, "", ""},         KeyRow{base::kVkLeftControl, Qt::Key_Control, "", ""},
    KeyRow{base::kVkRightControl, Qt::Key_Control, "", ""},       KeyRow{base::kVkLeftAlt, Qt::Key_Alt, "", ""},
    KeyRow{base::kVkRightAlt, Qt::Key_Alt, "", ""},           KeyRow{186, Qt::Key_Semicolon, ";", ":"},
    KeyRow{187, Qt::Key_Equal, "=", "+"},       KeyRow{188, Qt::Key_Comma, ",", "<"},
    KeyRow{189, Qt::Key_Minus, "-", "_"},       KeyRow{190, Qt::Key_Period, ".", ">"},
    KeyRow{191, Qt::Key_Slash, "/", "?"},       KeyRow{192, Qt::Key_QuoteLeft, "`", "~"},
    KeyRow{219, Qt::Key_BracketLeft, "[", "{"}, KeyRow{220, Qt::Key_Backslash, "\\", "|"},
    KeyRow{221, Qt::Key_BracketRight, "]", "}"}, KeyRow{222, Qt::Key_Apostrophe, "'", "\""},
};

constexpr const char* kShiftedDigits = ")!@#$%^&*(";

} // namespace

VirtualKey TranslateVirtualKey(int code, bool shift)
{
    if (code >= 'A' && code <= 'Z') {
        const QChar letter(code);
        return {Qt::Key(Qt::Key_A + (code - 'A')), shift ? QString(letter) : QString(letter.toLower())};
    }
    if (code >= '0' && code <= '9')
        return {Qt::Key(Qt::Key_0 + (code - '0')), QString(QChar(shift ? kShiftedDigits[code - '0'] : code))};
    if (code >= base::kVkNumPad0 && code <= base::kVkNumPad9)
        return {Qt::Key(Qt::Key_0 + (code - base::kVkNumPad0)), QString(QChar('0' + code - base::kVkNumPad0))};
    if (code >= base::kVkF1 && code <= base::kVkF12) return {Qt::Key(Qt::Key_F1 + (code - base::kVkF1)), QString()};
    for (const KeyRow& row : kKeys)
        if (row.code == code) return {row.key, QString::fromLatin1(shift ? row.shifted : row.text)};
    return {};
}

Qt::KeyboardModifier ModifierOfVirtualKey(int code)
{
    switch (code) {
    case base::kVkShift: case base::kVkLeftShift: case base::kVkRightShift: return Qt::ShiftModifier;
    case base::kVkControl: case base::kVkLeftControl: case base::kVkRightControl: return Qt::ControlModifier;
    case base::kVkAlt: case base::kVkLeftAlt: case base::kVkRightAlt: return Qt::AltModifier;
    default: return Qt::NoModifier;
    }
}

} // namespace labframe
