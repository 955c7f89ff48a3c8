#pragma once
#include "base/cursorids.h"
#include <QCursor>
#include <optional>

// The pictures of the program's numbered mouse cursors (base/cursorids.h),
// drawn here, 32 x 32 pixels, black outlines on white so that they show on
// any background.
namespace ui {

// The cursor of a number; none for numbers without a cursor.
std::optional<QCursor> NumberedCursor(int number);
inline std::optional<QCursor> NumberedCursor(base::CursorId id) { return NumberedCursor(int(id)); }

} // namespace ui
