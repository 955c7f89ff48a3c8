#pragma once
#include <cstdint>

// Tool codes shared by the coordinate engines: the tag of a lab's tool button
// or menu item is the engine's tool code, and lab files keep it as a number.
// Codes that only one engine knows are in that engine's own enumeration.
namespace base {

enum ToolCode : uint8_t {
    kToolHand = 0,
    kToolPoint = 1,
    kToolRay = 3,
    kToolLine = 4,
    kToolSegment = 5,
    kToolVector = 15,
    kToolRecolour = 230,
    kToolNamePoint = 240,
    kToolEraser = 255,
};

} // namespace base
