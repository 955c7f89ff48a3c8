#pragma once
#include "base/colours.h"

// The number-line engine's own colours (0xBBGGRR), beside the program's
// named colours of base/colours.h.
namespace base::colour::numberline {
constexpr Bgr kHot = MakeBgr(0, 255, 0);       // what is under the mouse
constexpr Bgr kOffValue = MakeBgr(255, 0, 0);  // a point away from its value
constexpr Bgr kDivision = MakeBgr(0, 0, 128);  // navy: divisions and the rubber band
} // namespace base::colour::numberline
