#pragma once
#include <vector>

// The mapping between the number line's values and the pixels of its control,
// and which ticks, labels and divisions a frame shows. x runs along the line
// with Scale pixels per unit around CenterX; y (up) lifts a point off the line
// at a fixed 40 pixels per unit, the line itself being the middle row.
namespace numberline {

class LineView {
public:
    static constexpr double kInitialScale = 40;
    static constexpr double kPixelsPerUnitY = 40;
    // Zooming stops here; beyond these bounds the steps between ticks lose
    // their digits or the line becomes one tick.
    static constexpr double kMinScale = 1e-3;
    static constexpr double kMaxScale = 1e6;
    // A centre farther out than this is brought back to it: beyond it the
    // smallest step no longer changes the value of a tick.
    static constexpr double kMaxCentre = 1e9;
    // Pixel columns and rows stay within these bounds, so a far point never
    // overflows a coordinate of the canvas.
    static constexpr double kMaxColumn = 1e6;
    static constexpr double kMaxRow = 10000;
    // A pick reaches this many pixels, whatever the scale.
    static constexpr double kPickPixels = 10;
    // No frame draws more ticks (or divisions) than this.
    static constexpr int kMaxTicks = 400;

    LineView() = default;
    LineView(int width, int height) : m_width(width), m_height(height) {}

    double Scale() const { return m_scale; }
    double CenterX() const { return m_centreX; }
    // 10 to the power trunc(log10(40 / Scale)): the value between two ticks.
    double Step() const { return m_step; }
    double PickTolerance() const { return kPickPixels / m_scale; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    int LineRow() const { return m_height / 2; }

    // False (nothing changes) for 0, a negative, infinite or NaN scale; other
    // scales are kept within kMinScale ... kMaxScale.
    bool SetScale(double pixelsPerUnit);
    // False (nothing changes) for a centre that is not finite; others are
    // kept within ±kMaxCentre.
    bool SetCenter(double x);
    void SetSize(int width, int height);

    int ToScreenX(double x) const;
    int ToScreenY(double y) const;
    double ToWorldX(double column) const;
    double ToWorldY(double row) const;

private:
    double m_scale = kInitialScale;
    double m_centreX = 0;
    double m_step = 1;
    int m_width = 0;
    int m_height = 0;
};

double StepForScale(double scale);

struct Tick {
    double value;
    int column;
};

// Every how many steps a tick is labelled, for steps pixelsApart apart.
int LabelInterval(double pixelsApart);

// The labelled ticks of a frame from the left edge to the right one: every
// LabelInterval-th multiple of Step, only whole values unless decimalLabels.
// At most kMaxTicks.
std::vector<Tick> LabelledTicks(const LineView& view, bool decimalLabels);

// The division marks of the unit segment split into parts, across the frame:
// none unless every step is labelled (Step × Scale ≥ 40) and the marks lie at
// least two pixels apart; at most kMaxTicks.
std::vector<Tick> DivisionTicks(const LineView& view, int parts);

} // namespace numberline
