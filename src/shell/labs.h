#pragma once
#include <QString>

namespace labframe {
class TfmLab;
}

// The lab windows the program offers: each lab's window factory is
// registered once at start-up under its lab number, so that CreateLab (the
// labs page, "LAB:" links, lab files) can make the window when first needed.
namespace shell {

void RegisterLabs();

// What the guide figure says when a lab's link leads to a lab that has no
// window yet, and for how long.
inline const QString kLabNotReadyNote = QStringLiteral("Эта лаборатория ещё не готова.");
inline constexpr int kLabNotReadyNoteSeconds = 5;

// The lab window of that number, made when first needed (labframe::CreateLab);
// null, after the guide's note, when no such lab exists yet, so that a link
// to it never does nothing at all.
labframe::TfmLab* CreateLabOrSay(int number);

} // namespace shell
