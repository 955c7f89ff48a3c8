#pragma once
#include "plane/functionlist.h"
#include "plane/interaction.h"
#include "plane/regions.h"
#include "plane/planeview.h"
#include "plane/scene.h"
#include <QStringList>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

class QLabel;
class QTimer;

// The coordinate-plane control of the plane labs. It owns the scene and the
// view, turns mouse events into the interaction's commands and paints the
// scene with the plane painter; every decision lies in the window-free
// classes below it (scene.h, interaction.h, planepainter.h, planerecords.h).
namespace planeview {

class TffDialog;
class TffDialog1;

// Sets a flag for the life of the object and puts back what it held, on
// every way out (a lab file that fails to read included).
class FlagGuard {
public:
    FlagGuard(bool& flag, bool value) : m_flag(flag), m_saved(flag) { m_flag = value; }
    ~FlagGuard() { m_flag = m_saved; }
    FlagGuard(const FlagGuard&) = delete;
    FlagGuard& operator=(const FlagGuard&) = delete;

private:
    bool& m_flag;
    bool m_saved;
};

class TDec2D : public QWidget, private plane::InteractionHost {
    Q_OBJECT
public:
    static constexpr int kBlinkInterval = 200; // ms
    static constexpr int kAnimationInterval = 20; // ms between the steps of a turning polygon

    explicit TDec2D(QWidget* parent = nullptr);
    ~TDec2D() override;

    plane::PlaneScene& Scene() { return m_scene; }
    // The graphs and equations on the plane, drawn under the points.
    plane::FunctionList& Algebra() { return m_algebra; }
    const plane::PlaneView& View() const { return m_view; }
    plane::PlaneInteraction& Interaction() { return m_interaction; }

    // --- the region layer ----------------------------------------------------------
    // A rebuild gets this long at once; one that does not finish shows a
    // coarse picture (every kCoarseStep-th pixel) and goes on in slices of
    // the same length between events, so the window never freezes.
    static constexpr int kRegionSliceMs = 16;
    static constexpr int kCoarseStep = 4;
    // Makes the curves and shading again for the current view and objects;
    // every change of the list, of a relation or of a parameter calls it.
    void RebuildRegions();
    // Completes a rebuild under way at once (the render tool, tests).
    void FinishRegions();
    bool RegionsPending() const { return m_builder != nullptr; }
    // The picture shown now; nullptr when there is no region layer.
    const plane::RegionPicture* Regions() const { return m_regions ? &*m_regions : nullptr; }

    // --- the view ---------------------------------------------------------
    double Scale() const { return m_view.Scale(); }
    // Within the view's bounds; 0, negative, infinite and NaN scales change nothing.
    void SetScale(double pixelsPerUnit);
    void SetCenter(double x, double y);

    // --- tools and flags --------------------------------------------------------
    int Tool() const { return m_interaction.Tool(); }
    // Sets the cursor and sends the tool's hint to the status line.
    void SetTool(int code);
    bool GridVisible() const { return m_interaction.GridVisible; }
    void SetGridVisible(bool visible);
    void SetShowHidden(bool show);
    void SetAxesVisible(bool visible);
    void SetShowCoordinates(bool show);
    void SetPenWidth(int width);
    // The colour under the plane (white unless a lab sets its panel's).
    base::Bgr BackColor() const { return m_backColor; }
    void SetBackColor(base::Bgr colour);
    base::Bgr DrawColor() const { return m_scene.DrawColor; }
    void SetDrawColor(base::Bgr colour) { m_scene.DrawColor = colour; }

    // True while a lab file is being read.
    bool Busy() const { return m_busy; }

    // Attachments set by the lab window; none by default.
    TffDialog* NameDialog = nullptr;
    TffDialog1* CoordDialog = nullptr;
    QLabel* CoordLabelX = nullptr;
    QLabel* CoordLabelY = nullptr;

    // --- the scene in lab files ------------------------------------------------------
    void ClearScene();
    // Reads the engine's section (lines of the lab file from its header on;
    // firstLine is the file line of lines[0]). A section the reader refuses
    // throws plane::SceneFormatError and leaves the scene as it was.
    void LoadScene(const QStringList& lines, int firstLine = 1);
    QStringList SaveScene() const;

    QTimer* BlinkTimer;

signals:
    // The scene was read or cleared.
    void OnChange();
    // A point was dragged with the hand to a new place (the mouse moved with the left button held).
    void PointDragged(plane::TPoint* point);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    // InteractionHost
    void ShowMessage(const QString& text) override;
    std::optional<QString> AskName(const QString& current) override;
    std::optional<std::pair<QString, QString>> AskCoordinates(const QString& x, const QString& y) override;
    QSize TextSize(const QString& text) const override;
    void MovePointer(QPoint pixel) override;
    void AnimatePolygon(plane::TPolygon& polygon, std::vector<std::vector<plane::geometry::Vec2>> steps) override;
    void RegionsChanged() override;

    void RegionSlice();
    // Rebuilds when the view moved away from the one the picture was made for.
    void RebuildIfViewMoved();

    void AfterInput();
    void ShowMouseCoordinates(QPoint pixel);
    void AnimationStep();
    // Puts an animated polygon at its final place at once (before any click).
    void FinishAnimation();
    void StopAnimation();

    plane::PlaneScene m_scene;
    plane::FunctionList m_algebra;
    plane::PlaneView m_view;
    plane::PlaneInteraction m_interaction;
    bool m_busy = false;
    base::Bgr m_backColor = base::colour::kWhite;

    std::optional<plane::RegionPicture> m_regions;
    // The builder under way and the view it works on (a copy: the plane may
    // move meanwhile).
    plane::PlaneView m_builderView;
    std::unique_ptr<plane::RegionBuilder> m_builder;
    QTimer* m_regionTimer;

    QTimer* m_animationTimer;
    plane::TPolygon* m_animated = nullptr;
    std::vector<std::vector<plane::geometry::Vec2>> m_steps;
    size_t m_nextStep = 0;
};

} // namespace planeview
