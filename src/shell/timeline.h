#pragma once
#include "shell/timelineareas.h"
#include <QCursor>
#include <QPixmap>
#include <QWidget>

class QLabel;

// The time line of the history of mathematics (section 2 of the main window):
// one very wide picture dragged sideways with the mouse, with rectangular hot
// areas that open short history pages.
namespace shell {

// The window of the time line. It is never shown itself: its panel pnOs is
// moved into the main window, which runs FormShow when the section opens.
class TfmOs : public QWidget {
    Q_OBJECT
public:
    static constexpr int kViewHeight = 340;
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
    QCursor m_openHand;
    QCursor m_closedHand;
};

} // namespace shell
