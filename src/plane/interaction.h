#pragma once
#include "base/colours.h"
#include "base/cursorids.h"
#include "plane/functionlist.h"
#include "plane/planepainter.h"
#include "plane/planeview.h"
#include "plane/scene.h"
#include <QPoint>
#include <QSize>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

// The plane control's mouse state machine without a window: the current tool,
// what lies under the mouse, snapping, the constructions of one and two
// clicks, picking points for measures, the transformation tools, dragging
// points, polygons and the plane itself, and the blink phase. The control
// (TDec2D) feeds it mouse events in pixels and paints what it holds; tests
// feed it click sequences and look at the scene.
namespace plane {

enum class MouseButton { Left, Right, Other };

// What the interaction needs from the control around it.
class InteractionHost {
public:
    virtual ~InteractionHost() = default;
    // A modal message (the transformation tools without their element).
    virtual void ShowMessage(const QString& text) = 0;
    // The name dialog with the current name; nullopt when the control has no
    // name dialog or it was closed without OK.
    virtual std::optional<QString> AskName(const QString& current) = 0;
    // The coordinates dialog with the two current values; nullopt as above.
    virtual std::optional<std::pair<QString, QString>> AskCoordinates(const QString& x, const QString& y) = 0;
    // The pixel size of a text in the control's font (measure labels).
    virtual QSize TextSize(const QString& text) const = 0;
    // The paint or eraser tool changed the relations of the graphs and
    // equations: their regions are to be made again.
    virtual void RegionsChanged() {}
    // After a click snapped, the mouse pointer is put on the snapped pixel.
    virtual void MovePointer(QPoint pixel) {}
    // A polygon turns or flips through these vertex lists; a control shows
    // them one after another, without one the polygon takes the last at once.
    virtual void AnimatePolygon(TPolygon& polygon, std::vector<std::vector<geometry::Vec2>> steps)
    {
        if (!steps.empty()) polygon.Vertices = std::move(steps.back());
    }
};

// The line or circle that follows the mouse between the clicks of a construction.
struct RubberBand {
    bool circle = false;
    QPoint from;
    QPoint to;
};

// A disk left behind by a point with its trace on.
struct TraceMark {
    geometry::Vec2 position;
};

class PlaneInteraction {
public:
    enum DragStateCode { kIdle = 0, kGrabbingPlane = 1, kWaitingNextClick = 2 };
    static constexpr int kInitialSideCount = 5;
    static constexpr double kInitialSideLength = 3;
    static constexpr double kMidpointFactor = 0.5;
    // Traces older than this many disks are forgotten, so a long drag cannot
    // fill the memory.
    static constexpr size_t kMaxTraceMarks = 20000;
    // Steps of the animated turn and flip of a polygon.
    static constexpr int kTurnSteps = 10;
    static constexpr int kFlipSteps = 36;

    PlaneInteraction(PlaneScene& scene, PlaneView& view, InteractionHost& host);

    // --- the tool ---------------------------------------------------------
    int Tool() const { return m_tool; }
    // Abandons an unfinished construction (the points placed stay).
    void SetTool(int code);
    // The hint of the current tool (empty for codes not in the tool table).
    QString Hint() const;
    // The cursor to show now: the tool's, or the hand while the plane or a point is held.
    base::CursorId Cursor() const;
    int DragState() const { return m_dragState; }

    // The graphs and equations whose regions the paint and eraser tools set;
    // none by default.
    FunctionList* Algebra = nullptr;

    // --- display flags and settings -----------------------------------------
    bool GridVisible = true;
    bool AxesVisible = true;
    bool ShowHidden = false;
    bool ShowCoordinates = false;
    int PenWidth = 1;
    int SideCount = kInitialSideCount;
    double SideLength = kInitialSideLength;

    // --- mouse --------------------------------------------------------------
    void MouseDown(MouseButton button, QPoint pixel);
    void MouseMove(bool leftHeld, bool rightHeld, QPoint pixel);
    void MouseUp(MouseButton button, QPoint pixel);

    // --- what lies under the mouse ----------------------------------------------
    TPoint* HotPoint() const { return m_hotPoint; }
    // The point being dragged with the hand, or nullptr.
    TPoint* DraggedPoint() const { return m_dragPoint; }
    HotFigures Hot() const { return m_hot; }
    TMeasure* HotMeasure() const { return m_hotMeasure; }
    // The graph under the mouse (drawn highlighted; a new point snaps onto it).
    TFunction* HotFunction() const { return m_hotFunction; }
    // Lets go of an object of Algebra that is about to be freed.
    void ForgetAlgebra(const TAlgebra& object);
    // The polygon under the mouse: polygons lie above everything else.
    TPolygon* PolygonAt(QPoint pixel) const;
    const std::vector<TPoint*>& Picked() const { return m_picked; }
    std::optional<RubberBand> Band() const;
    const std::vector<TraceMark>& Traces() const { return m_traces; }

    // --- blinking ------------------------------------------------------------------
    // One tick of the blink timer; true when something on the plane blinks
    // (the control then repaints).
    bool BlinkTick();
    base::Bgr BlinkColor() const;

    // Everything the painter needs from the interaction.
    PaintOptions Options() const;

    // Forgets every object the interaction refers to; the scene was replaced
    // or cleared.
    void Reset();
    // ClearScene: the scene's objects go, the origin returns to the centre;
    // the scale, the colour, the flags and the polygon settings stay.
    void ClearScene();
    // Pans by a pixel offset (the plane follows the mouse).
    void Pan(QPoint delta);
    // Moves a point and its dependants, leaving a trace where points trace.
    bool MovePoint(TPoint* point, geometry::Vec2 position);
    // Forgets the traces (the view changed, so they no longer lie right).
    void ClearTraces() { m_traces.clear(); }

    // The steps of the animated turn (kind Rotation) or flip (kind
    // AxialSymmetry) of a polygon about the world point centre: the vertex
    // lists to show one after another; the last is the final position.
    static std::vector<std::vector<geometry::Vec2>> PolygonSteps(const TPolygon& polygon, MorphKind kind,
                                                                 geometry::Vec2 centre, double degrees);
    // Where a dropped polygon lands: with the grid on, the vertex nearest to
    // its rounded point is put there; without the grid, a vertex within one
    // unit of another polygon's vertex is put onto it. The world shift.
    geometry::Vec2 DropShift(const TPolygon& polygon) const;

private:
    void RefreshHover(QPoint pixel);
    TMeasure* FindHotMeasure(QPoint pixel) const;
    // Among the plain graphs ("="), the one whose value at q.x is nearest to
    // q.y, within tolerance; the first in the list wins a tie.
    TFunction* FindHotFunction(geometry::Vec2 q, double tolerance) const;
    std::optional<QRect> MeasureLabelRect(TMeasure& measure) const;
    SnapResult SnapClick(geometry::Vec2 world);
    TPoint* PointAtSnap(const SnapResult& snap);
    TPoint* HotOrNewPoint(const SnapResult& snap);

    void PolygonMouseDown(TPolygon& polygon, MouseButton button, QPoint pixel);
    void ToolClick(QPoint pixel);
    void TwoClickConstruction(const SnapResult& snap);
    void PolygonClick(const SnapResult& snap);
    void PickForMeasure();
    void TransformClick(MorphKind kind);
    void ChooseElement();
    void RenamePoint();
    void EditCoordinates();
    void EraseUnderMouse();
    void ReleasePicked();
    void AbandonConstruction();
    void NoteTraces();
    void EndPolygonDrag();
    void ForgetPolygon(const TPolygon* polygon);

    PlaneScene& m_scene;
    PlaneView& m_view;
    InteractionHost& m_host;

    int m_tool = 0;
    int m_dragState = kIdle;
    TPoint* m_hotPoint = nullptr;
    HotFigures m_hot;
    TMeasure* m_hotMeasure = nullptr;
    TFunction* m_hotFunction = nullptr;
    std::vector<TPoint*> m_picked;

    // The construction under way: its first point and the pixel it was placed
    // at, the polygon's vertices so far, the last mouse pixel.
    TPoint* m_pending = nullptr;
    std::vector<TPoint*> m_vertices;
    QPoint m_bandTo;

    // Dragging: a point (tool 0), a polygon (tool 0 or the right button),
    // the plane with the right button.
    TPoint* m_dragPoint = nullptr;
    TPolygon* m_dragPolygon = nullptr;
    bool m_rightPan = false;
    QPoint m_lastPixel;

    std::vector<TraceMark> m_traces;
    int m_blinkPhase = 0;
};

} // namespace plane
