#pragma once
#include <QImage>
#include <QRect>
#include <array>

// The strip of section buttons under the main window's central view
// (results table, teaching notes, search) in a strip narrower than the one
// the pictures were drawn for: the three buttons shrink together, each
// keeping its proportions and the gaps between them, and the pictures are
// cut and scaled to the same places, so that every button stays whole and
// its picture lies under its hot area.
namespace shell::bottomstrip {

// The drawn places of btTable, btMethod and btAbout, left to right.
std::array<QRect, 3> DrawnPlaces();
// The places of the three buttons in a strip of the given width: the drawn
// places when they fit, otherwise smaller, centred in the strip's height.
std::array<QRect, 3> Places(int stripWidth);
// The strip picture for a strip of the given width: the drawn picture's
// background with the drawn buttons scaled into Places(width).
QImage FitPicture(const QImage& drawn, int width);

} // namespace shell::bottomstrip
