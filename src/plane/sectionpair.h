#pragma once
#include <QStringList>

// A lab file with two planes holds two engine sections, the first ended by
// an empty line.
namespace plane {

struct SectionPair {
    QStringList First;
    int FirstLine = 1;
    QStringList Second;
    int SecondLine = 1;
};

// Splits the engine lines at the first empty line; firstLine is the file
// line of lines[0]. Throws SceneFormatError when the second section is missing.
SectionPair SplitSections(const QStringList& lines, int firstLine);

} // namespace plane
