#pragma once

class QWidget;

namespace ui {

// Places a top-level window (with its frame) in the middle of the primary
// screen's free area.
void CentreOnScreen(QWidget& window);

} // namespace ui
