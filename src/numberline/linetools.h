#pragma once
#include "base/colours.h"
#include "base/cursorids.h"
#include "base/toolcodes.h"
#include "numberline/lineview.h"
#include "numberline/scene.h"
#include <QPoint>
#include <QString>
#include <optional>

// The tools of the number line as a state machine on pixels: what a press,
// a move and a release of the mouse do to the scene and the view. The
// control forwards its mouse events here and paints what results.
namespace numberline {

// Tools only this engine knows (the shared ones are base::ToolCode).
enum LineTool : uint8_t {
    kToolCoordinates = 241, // hint only
    kToolMagicWand = 243,   // puts a point back at its value
    kToolInclude = 244,     // includes or excludes a point
};

enum class DragState { Idle, Panning, SecondClick };

// The hint and the cursor of a tool; an empty hint for tools without one.
QString ToolHint(int tool);
base::CursorId ToolCursor(int tool);

class LineTools {
public:
    LineTools(NumberLineScene& scene, LineView& view) : m_scene(scene), m_view(view) {}

    int Tool() const { return m_tool; }
    void SetTool(int tool);
    base::Bgr DrawColor = base::colour::kBlack;
    enum DragState DragState() const { return m_dragState; }
    TPoint* HotPoint() const { return m_hotPoint; }
    TFigure* HotFigure() const { return m_hotFigure; }
    // The point the hand tool is dragging, if any.
    TPoint* DraggedPoint() const { return m_draggingPoint ? m_hotPoint : nullptr; }

    struct PressResult {
        // A click that made a point on a division: the pointer jumps onto it.
        std::optional<QPoint> MovePointerTo;
        // The screen cursor while the button is held, if it changes.
        std::optional<base::CursorId> Cursor;
    };
    // The left button went down at a pixel.
    PressResult Press(QPoint pixel);
    // The mouse moved; leftHeld while the left button is down. True when
    // something to be drawn changed.
    bool Move(QPoint pixel, bool leftHeld);
    // The left button went up: the hand tool ends a pan and drops a point.
    void Release();
    // Forgets hot objects and the second click (the scene was cleared or loaded).
    void Reset();

    // The rubber band of a segment or ray waiting for its second click.
    std::optional<std::pair<QPoint, QPoint>> RubberBand() const;

private:
    void UpdateHot(QPoint pixel);
    TPoint& StartOrNewPoint(const QString& formulaText);
    void FinishFigure(QPoint pixel, const QString& formulaText);
    void EraseHot();

    NumberLineScene& m_scene;
    LineView& m_view;
    int m_tool = base::kToolHand;
    enum DragState m_dragState = DragState::Idle;
    TPoint* m_hotPoint = nullptr;
    TFigure* m_hotFigure = nullptr;
    TPoint* m_start = nullptr; // the first point of a segment or ray
    QPoint m_last;             // the mouse at the last press or drag step
    bool m_draggingFigure = false;
    bool m_draggingPoint = false;
};

} // namespace numberline
