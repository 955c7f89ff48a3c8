#pragma once
#include "shell/mainlayout.h"
#include <QRect>

// Where the pictures and buttons of the contents and topic page windows lie.
// The picture generator draws the left pictures with their buttons to these
// places and the windows lay their hot areas over them. The top strip and
// the status bar have the main window's sizes.
namespace shell::courselayout {

inline constexpr int kTopHeight = mainlayout::kTopHeight;
inline constexpr int kLeftWidth = mainlayout::kLeftWidth;
inline constexpr int kLeftHeight = mainlayout::kStripHeight;

// The contents window's ten section buttons, top to bottom, with the
// section numbers of their tags.
inline constexpr int kSectionButtons = 10;
inline constexpr int kSectionNumbers[kSectionButtons] = {0, 1, 2, 10, 11, 12, 20, 21, 22, 30};
constexpr QRect SectionButton(int i) { return QRect(10, 8 + i * 42, 150, 36); }

// The topic page window: four page buttons, then the font and print buttons.
constexpr QRect PageButton(int i) { return QRect(10, 12 + i * 54, 150, 46); }
inline constexpr QRect kBtUp{10, 244, 70, 36};
inline constexpr QRect kBtDown{90, 244, 70, 36};
inline constexpr QRect kBtPrint{10, 290, 150, 36};
// The topic title over the top strip, right of the guide figure.
inline constexpr QRect kTitle{150, 70, 600, 36};

// The reference window beside an illustration lab.
inline constexpr int kReferenceWidth = 480;
inline constexpr int kReferenceHeight = 300;
inline constexpr int kReferenceBottomGap = 34;

} // namespace shell::courselayout
