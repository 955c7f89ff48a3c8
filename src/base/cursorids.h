#pragma once
#include <cstdint>

// The program's numbered mouse cursors: the engines' tools and the time line
// name them by these numbers, and src/ui draws their pictures. 0 is the
// platform's default arrow; 18 is not assigned.
namespace base {

enum CursorId : uint8_t {
    kCursorDefault = 0,
    kCursorHandOpen = 11,   // "HANDOPEN"
    kCursorHandClose = 12,  // "HANDCLOSE"
    kCursorHandGet = 13,    // "HANDGET"
    kCursorPen = 14,        // "PEN"
    kCursorCompass = 15,    // "CIRCUL"
    kCursorScissors = 16,
    kCursorDelete = 17,     // "DEL"
    kCursorStack = 19,
    kCursorPaint = 20,      // "PAINT"
    kCursorBrush = 21,
    kCursorAngle = 22,      // "ANGLE"
    kCursorDistance = 23,   // "DIST"
    kCursorShift = 24,      // "PAR"
    kCursorRotate = 25,     // "ROT"
    kCursorMirror = 26,     // "SIM"
    kCursorHomothety = 27,  // "HOM"
    kCursorName = 28,       // "PEN1"
};

inline constexpr CursorId kFirstNumberedCursor = kCursorHandOpen;
inline constexpr CursorId kLastNumberedCursor = kCursorName;

} // namespace base
