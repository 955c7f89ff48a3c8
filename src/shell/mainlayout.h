#pragma once
#include <QRect>
#include <QSize>

// Where the main window's pictures and controls lie. The picture generator
// draws the strips and button pictures to these places and the window lays
// its hot areas over them. Strips are drawn wider and taller than any screen
// so that a maximised window is covered; the window shows their top-left part.
namespace shell::mainlayout {

inline constexpr QSize kClient{800, 576};
inline constexpr int kStripWidth = 2560;
inline constexpr int kStripHeight = 1600;

// imMainTop: the section's top picture across the window.
inline constexpr int kTopHeight = 117;
// Fig, the animated guide figure, at the top left.
inline constexpr QRect kFig{6, 5, 125, 107};
// btBack and btMain: their left edges follow the window's width.
inline constexpr QSize kNavButton{30, 30};
inline constexpr int kNavTop = 12;
// pBott, the status bar along the bottom edge.
inline constexpr int kStatusHeight = 23;
inline constexpr int kAboutWidth = 110;
inline constexpr int kChangeUserWidth = 150;

// MyPanel2 on the left with its three section buttons (panel coordinates).
inline constexpr int kLeftWidth = 170;
inline constexpr QRect kBtBook{10, 18, 150, 62};
inline constexpr QRect kBtLabs{10, 92, 150, 62};
inline constexpr QRect kBtTime{10, 166, 150, 62};

// MyPanel1: the HTML view over the bottom strip with its three buttons
// (coordinates inside the strip).
inline constexpr int kBottomHeight = 56;
inline constexpr QRect kBtTable{14, 9, 190, 38};
inline constexpr QRect kBtMethod{216, 9, 190, 38};
inline constexpr QRect kBtSearch{418, 9, 150, 38};
// Where the drawn strip shows only paper: past the buttons, at a whole
// number of the paper's 80-pixel pattern, so a narrow strip can take its
// background from there.
inline constexpr int kBottomPaperFrom = 640;

// Frames of the guide figure: resting, under the mouse, speaking.
inline constexpr int kFigFrameRest = 0;
inline constexpr int kFigFrameHover = 1;
inline constexpr int kFigFrameSpeaking = 2;

} // namespace shell::mainlayout
