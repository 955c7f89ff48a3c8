#include "labframe/virtualkeys.h"
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
    KeyRow{8, Qt::Key_Backspace, "\b", "\b"},   KeyRow{9, Qt::Key_Tab, "\t", ""},
    KeyRow{13, Qt::Key_Return, "\r", "\r"},     KeyRow{16, Qt::Key_Shift, "", ""},
    KeyRow{17, Qt::Key_Control, "", ""},        KeyRow{18, Qt::Key_Alt, "", ""},
    KeyRow{27, Qt::Key_Escape, "\x1b", "\x1b"}, KeyRow{32, Qt::Key_Space, " ", " "},
    KeyRow{33, Qt::Key_PageUp, "", ""},         KeyRow{34, Qt::Key_PageDown, "", ""},
    KeyRow{35, Qt::Key_End, "", ""},            KeyRow{36, Qt::Key_Home, "", ""},
    KeyRow{37, Qt::Key_Left, "", ""},           KeyRow{38, Qt::Key_Up, "", ""},
    KeyRow{39, Qt::Key_Right, "", ""},          KeyRow{40, Qt::Key_Down, "", ""},
    KeyRow{45, Qt::Key_Insert, "", ""},         KeyRow{46, Qt::Key_Delete, "", ""},
    KeyRow{106, Qt::Key_Asterisk, "*", "*"},    KeyRow{107, Qt::Key_Plus, "+", "+"},
    KeyRow{109, Qt::Key_Minus, "-", "-"},       KeyRow{110, Qt::Key_Period, ".", "."},
    KeyRow{111, Qt::Key_Slash, "/", "/"},       KeyRow{160, Qt::Key_Shift, "", ""},
    KeyRow{161, Qt::Key_Shift, "", ""},         KeyRow{162, Qt::Key_Control, "", ""},
    KeyRow{163, Qt::Key_Control, "", ""},       KeyRow{164, Qt::Key_Alt, "", ""},
    KeyRow{165, Qt::Key_Alt, "", ""},           KeyRow{186, Qt::Key_Semicolon, ";", ":"},
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
    if (code >= 96 && code <= 105) return {Qt::Key(Qt::Key_0 + (code - 96)), QString(QChar('0' + code - 96))};
    if (code >= 112 && code <= 123) return {Qt::Key(Qt::Key_F1 + (code - 112)), QString()};
    for (const KeyRow& row : kKeys)
        if (row.code == code) return {row.key, QString::fromLatin1(shift ? row.shifted : row.text)};
    return {};
}

Qt::KeyboardModifier ModifierOfVirtualKey(int code)
{
    switch (code) {
    case 16: case 160: case 161: return Qt::ShiftModifier;
    case 17: case 162: case 163: return Qt::ControlModifier;
    case 18: case 164: case 165: return Qt::AltModifier;
    default: return Qt::NoModifier;
    }
}

} // namespace labframe
