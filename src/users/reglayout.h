#pragma once
#include <QRect>
#include <QSize>

// Where the register window's controls lie on its pictures "Reg.JPG" and
// "RegOn.JPG". The picture generator paints the buttons at these places and
// the window lays its hot areas over them, so both read them from here.
namespace users::reglayout {

inline constexpr QSize kWindow{560, 400};
inline constexpr QRect kClassList{24, 86, 220, 232};
inline constexpr QRect kUserList{268, 86, 268, 232};
inline constexpr QRect kAdd{24, 338, 104, 40};
inline constexpr QRect kDelete{136, 338, 104, 40};
inline constexpr QRect kEdit{248, 338, 104, 40};
inline constexpr QRect kImport{360, 338, 176, 40};

} // namespace users::reglayout
