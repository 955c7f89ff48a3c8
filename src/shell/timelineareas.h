#pragma once
#include <QString>
#include <QStringList>
#include <vector>

// The hot areas of the time line's strip and the arithmetic of dragging it;
// no widgets, so the rules can be tested and fuzzed on their own.
namespace shell {

inline const QString kOsAreasFile = QStringLiteral("OS\\action.txt");

// A hot area of the strip: its rectangle in strip coordinates (left and top
// inside, right and bottom outside) and the page file in "OS\".
struct OsArea {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    QString page;

    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

inline constexpr int kMaxOsAreas = 100;

// What an areas file gave: the areas in file order and, when a line could not
// be taken, the message about it (the areas before that line are kept).
struct OsAreasRead {
    std::vector<OsArea> areas;
    QString error;
};

// Reads the lines of "action.txt": the first line is a heading and is skipped;
// every other non-empty line holds left, top, right and bottom and then the
// page file name (spaces around it removed). The page must be a plain file
// name of "OS\". More than kMaxOsAreas areas is an error of the file.
OsAreasRead ParseOsAreas(const QStringList& lines);

// The area (counting from 1) under the strip point (x, y); 0 when none. Only
// points with 0 < y < strip height count; areas whose top is 0 are never hit;
// of overlapping areas the first listed wins.
int HitOsArea(const std::vector<OsArea>& areas, int x, int y, int stripHeight);

// The scroll offset kept between 0 and strip width - view width (0 when the
// strip is narrower than the view).
int ClampOsOffset(int offset, int stripWidth, int viewWidth);

} // namespace shell
