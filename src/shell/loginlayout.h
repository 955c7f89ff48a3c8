#pragma once
#include <QPoint>
#include <QRect>
#include <QSize>

// Where the login window's pictures and controls lie. The picture generator
// draws "ZastFon.JPG", "Zast.JPG", "ZastOn.JPG" and the intro animations to
// these places and the window lays its controls over them.
namespace shell::loginlayout {

inline constexpr QSize kClient{800, 576};
// The intro animations in the order they play: Z3 (a compass draws a circle),
// Z1 (the title writes itself), Z2 (a graph is plotted).
inline constexpr QRect kGif3{26, 150, 214, 300};   // "Z3.GIF"
inline constexpr QRect kGif1{150, 12, 500, 112};   // "Z1.GIF"
inline constexpr QRect kGif2{560, 150, 214, 300};  // "Z2.GIF"
// Frame numbers the intro stops at (see TfmZast).
inline constexpr int kGif3LastFrame = 15;
inline constexpr int kGif1LastFrame = 22;
inline constexpr int kGif2LastFrame = 30;

// The login panel "Zast.JPG" and, inside it, its controls.
inline constexpr QRect kPanel{250, 136, 300, 424};
inline constexpr QRect kClassCombo{24, 74, 252, 26};
inline constexpr QRect kNameList{24, 130, 252, 106};
inline constexpr QRect kNameEdit{24, 264, 252, 26};
inline constexpr QRect kPassEdit{24, 318, 252, 26};
inline constexpr QRect kOk{24, 366, 78, 40};
inline constexpr QRect kEditRegister{111, 366, 78, 40};
inline constexpr QRect kCancel{198, 366, 78, 40};
// Captions painted above the controls (baselines).
inline constexpr QPoint kClassCaption{24, 66};
inline constexpr QPoint kListCaption{24, 122};
inline constexpr QPoint kNameCaption{24, 256};
inline constexpr QPoint kPassCaption{24, 310};

} // namespace shell::loginlayout
