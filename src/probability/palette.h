#pragma once
#include "base/colours.h"
#include <array>
#include <cstdint>

// Colours of the probability engine. The program stores colours as 24-bit
// values 0xBBGGRR (blue in the high byte); they become QColor only for painting.
namespace probability {

using base::BgrColor;

constexpr int kColorCount = 10;
constexpr int kMaxEvents = 5;

// White, grey, red, yellow, green, blue, pink, orange, light blue, lilac.
constexpr std::array<uint32_t, kColorCount> BallPalette = {
    0xFFFFFF, 0xAFAFAF, 0x4F4FFF, 0x5FFFFD, 0x5FFF97,
    0xFFB535, 0xF888FF, 0x88C3FF, 0xFEFF88, 0xF6AAD1};

// Events A ... E: red, blue, green, purple, orange.
constexpr std::array<uint32_t, kMaxEvents> EventPalette = {
    0x0000FF, 0xFF0000, 0x00C800, 0x800080, 0x0080FF};

constexpr uint32_t kSilver = 0xC0C0C0;       // probability bars, graph grid
constexpr uint32_t kFrequencyBar = 0xD391B1; // frequency bars

} // namespace probability
