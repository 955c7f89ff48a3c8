#pragma once
#include <QObject>

class QAbstractButton;
class QColor;
class QComboBox;
class QLabel;
class QTimer;

// Parts that every lab window on the plane control wires the same way; the
// lab creates the controls (their names and order belong to its files) and
// hands them over here.
namespace planeview {

class TDec2D;

// The zoom buttons: pressing one zooms the plane by kFactor at once and on
// every tick of the timer while it is held; releasing it stops the timer.
// A timer started with no button held (a lab file may) stops at its first tick.
class ZoomButtons : public QObject {
public:
    static constexpr double kFactor = 1.1;
    static constexpr int kInterval = 16; // ms between steps while a button is held, unless a lab says otherwise
    static constexpr int kZoomIn = 1;    // the buttons' tags
    static constexpr int kZoomOut = 2;

    ZoomButtons(TDec2D& plane, QAbstractButton& zoomIn, QAbstractButton& zoomOut, QTimer& timer,
                int interval = kInterval);
    // One step of the scale by the tag's direction; other tags change nothing.
    void Step(int tag);

private:
    TDec2D& m_plane;
    QTimer& m_timer;
    int m_heldTag = 0;
};

// The round swatch of the drawing colour.
void ShowColourDot(QLabel& dot, const QColor& colour);
// The width list's items "1" … "5", each the pen width of its index + 1.
constexpr int kPenWidthCount = 5;
void FillPenWidths(QComboBox& widths);

} // namespace planeview
