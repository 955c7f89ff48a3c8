#pragma once
#include <QPixmap>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <vector>

class QLabel;

// The time line of the history of mathematics (section 2 of the main window):
// one very wide picture dragged sideways with the mouse, with rectangular hot
// areas that open short history pages.
namespace shell {

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

// The window of the time line. It is never shown itself: its panel pnOs is
// moved into the main window, which runs FormShow when the section opens.
class TfmOs : public QWidget {
    Q_OBJECT
public:
    static constexpr int kViewHeight = 340;
    static inline const QString kAreasFile = QStringLiteral("OS\\action.txt");
    static inline const QString kStripFile = QStringLiteral("JPG\\OsTime.JPG");

    // Loads the areas (a message when the file is missing or wrong).
    explicit TfmOs(QWidget* parent = nullptr);

    // The show handler: decodes the strip the first time, then paints it.
    void FormShow();
    void LoadAreas();
    void PaintStrip();
    // The area under the view point (x, y), counting from 1; 0 when none.
    int HitTest(int x, int y) const;

    QWidget* panel() const { return pnOs; }
    int scrollOffset() const { return m_offset; }
    int currentArea() const { return m_current; }
    const std::vector<OsArea>& areas() const { return m_areas; }
    const QPixmap& strip() const { return m_strip; }

    QWidget* pnOs;
    QLabel* imOs;
    QLabel* lbHint;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layOut();
    void mousePress(const QPoint& pos);
    void mouseMove(const QPoint& pos);
    void mouseRelease(const QPoint& pos);
    void setCurrentArea(int area);

    std::vector<OsArea> m_areas;
    QPixmap m_strip;
    bool m_stripTried = false;
    int m_offset = 0;
    int m_current = 0;
    bool m_dragging = false;
    int m_lastX = 0;
    QPoint m_pressPos;
    bool m_moved = false;
};

} // namespace shell
