#pragma once
#include "base/colours.h"
#include "base/cursorids.h"
#include "space/scene.h"
#include "space/spacepainter.h"
#include "space/spacetools.h"
#include "space/spaceview.h"
#include <QPoint>
#include <QSize>
#include <QString>
#include <optional>
#include <vector>

// The space control's mouse state machine without a window: the current
// tool, what lies under the mouse, snapping onto lines, planes and faces,
// the constructions of two clicks, of a face and of three picked points,
// measures, dragging points, panning and turning the scene, the chosen
// elements of the transformations and the blink phase. The control (TDec3D)
// feeds it mouse events in pixels and paints what it holds; tests feed it
// click sequences and look at the scene.
namespace space {

enum class MouseButton { Left, Right, Other };

class InteractionHost {
public:
    virtual ~InteractionHost() = default;
    virtual void ShowMessage(const QString& text) = 0;
    // The name dialog; nullopt when there is none or it was cancelled.
    virtual std::optional<QString> AskName(const QString& current) = 0;
    // The pixel size of a label in the control's font.
    virtual QSize TextSize(const QString& text) const = 0;
    // After a click snapped, the mouse pointer is put on the snapped pixel.
    virtual void MovePointer(QPoint pixel) {}
};

inline const QString kNoMeetingMessage = QStringLiteral("Эти объекты в пространстве не пересекаются!");

class SpaceInteraction {
public:
    enum DragStateCode { kIdle = 0, kGrabbingSpace = 1, kWaitingNextClick = 2 };
    static constexpr double kMidpointFactor = 0.5;
    static constexpr double kInitialRotationAngle = 45;
    static constexpr double kInitialHomothetyFactor = 0.5;
    static constexpr int kInitialSideCount = 4;

    SpaceInteraction(SpaceScene& scene, SpaceView& view, InteractionHost& host);

    // --- the tool ---------------------------------------------------------
    int Tool() const { return m_tool; }
    // Abandons an unfinished construction and forgets the points picked for
    // it, so they do not count for the next tool.
    void SetTool(int code);
    QString Hint() const { return LookOfTool(m_tool).hint; }
    base::CursorId Cursor() const;
    int DragState() const { return m_dragState; }

    // --- settings -------------------------------------------------------------
    DrawMode Mode = DrawMode::Wireframe;
    bool ShowHidden = false;
    int PenWidth = 1;
    base::Bgr DrawingColour = base::colour::kBlack;

    // The numbers of the transformations and of pyramids and prisms. A
    // setter refuses (returns false, the value stays) an angle that is not a
    // finite number, a factor of 0 or not finite, a side count out of range.
    double RotationAngle() const { return m_rotationAngle; }
    bool SetRotationAngle(double degrees);
    double HomothetyFactor() const { return m_homothetyFactor; }
    bool SetHomothetyFactor(double factor);
    int SideCount() const { return m_sideCount; }
    bool SetSideCount(long long count);

    // --- mouse ----------------------------------------------------------------------
    void MouseDown(MouseButton button, QPoint pixel);
    void MouseMove(bool leftHeld, bool rightHeld, QPoint pixel);
    void MouseUp(MouseButton button, QPoint pixel);

    // --- what lies under the mouse and what was chosen ------------------------------
    TPoint* HotPoint() const { return m_hotPoint; }
    TFigure* HotFigure1() const { return m_hotFigure1; }
    TFigure* HotFigure2() const { return m_hotFigure2; }
    TGrane* HotFace() const { return m_hotFace; }
    TMeasure* HotMeasure() const { return m_hotMeasure; }
    const std::vector<TPoint*>& Picked() const { return m_picked; }
    TFigure* RotationAxis() const { return m_rotationAxis; }
    TFigure* MirrorPlane() const { return m_mirrorPlane; }
    TFigure* ShiftVector() const { return m_shiftVector; }
    TPoint* HomothetyCenter() const { return m_homothetyCentre; }

    // --- blinking ----------------------------------------------------------------------
    void BlinkTick() { ++m_blinkPhase; }
    base::Bgr BlinkColour() const;

    PaintOptions Options() const;

    // The scene was replaced or cleared: forget every object referred to.
    void Reset();
    // ClearScene: the objects go, the centre returns to the origin, the
    // rotation angle and the homothety factor return to their first values.
    void ClearScene();

    // Turning the whole scene about the origin.
    void TurnAboutX(double degrees) { m_scene.TurnAboutX(degrees); }
    void TurnAboutY(double degrees) { m_scene.TurnAboutY(degrees); }
    void TurnAboutZ(double degrees) { m_scene.TurnAboutZ(degrees); }

private:
    struct Snap {
        geometry::Vec3 at;
        TFigure* base = nullptr;
        TFigure* base2 = nullptr;
    };

    void RefreshHover(double wx, double wy);
    void FindHotPoint(double wx, double wy);
    void FindHotFigures(double wx, double wy);
    void FindHotFace(double wx, double wy);
    void FindHotMeasure(QPoint pixel);
    std::optional<Snap> SnapClick(double wx, double wy);
    TPoint& NewPoint(const Snap& snap);
    TPoint& ClickPoint(const Snap& snap);

    void ToolClick(QPoint pixel);
    void TwoClickConstruction(const Snap& snap);
    void FaceClick(const Snap& snap);
    void PickForPlane(const Snap& snap, bool onFace);
    void PickForMeasure(size_t needed);
    void ChooseElement();
    void TransformClick(MorphKind kind);
    // The transformation of the kind as now chosen; none (with a message)
    // while its element is not chosen.
    std::optional<Morph> ChosenMorph(MorphKind kind);
    void BuildSolid(TPoint& start, TPoint& end);
    void Midpoint();
    void EraseUnderMouse();
    void ReleasePicked();
    void AbandonConstruction();
    void GrabbedMove(QPoint pixel);
    // Whether a point at this position, or this point, could join the picked
    // ones without making the plane through them impossible.
    bool FitsPickedPlane(const TPoint* existing, const geometry::Vec3& at) const;

    SpaceScene& m_scene;
    SpaceView& m_view;
    InteractionHost& m_host;

    int m_tool = kToolTurnXY;
    int m_dragState = kIdle;
    TPoint* m_hotPoint = nullptr;
    TFigure* m_hotFigure1 = nullptr;
    TFigure* m_hotFigure2 = nullptr;
    TGrane* m_hotFace = nullptr;
    TMeasure* m_hotMeasure = nullptr;
    std::vector<TPoint*> m_picked;

    TPoint* m_pending = nullptr;          // first point of a two-click construction
    std::vector<TPoint*> m_vertices;      // a face under way
    QPoint m_bandTo;

    TPoint* m_dragPoint = nullptr;
    bool m_rightTurning = false;
    QPoint m_lastPixel;

    TFigure* m_rotationAxis = nullptr;
    TFigure* m_mirrorPlane = nullptr;
    TFigure* m_shiftVector = nullptr;
    TPoint* m_homothetyCentre = nullptr;
    double m_rotationAngle = kInitialRotationAngle;
    double m_homothetyFactor = kInitialHomothetyFactor;
    int m_sideCount = kInitialSideCount;
    int m_blinkPhase = 0;
};

} // namespace space
