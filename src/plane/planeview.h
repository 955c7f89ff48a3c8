#pragma once
#include "plane/geometry.h"

// The mapping between world units and the pixels of the plane control: the
// world point at the centre of the control, the scale in pixels per unit and
// the control's size. Y grows upward in the world and downward in pixels.
namespace plane {

class PlaneView {
public:
    static constexpr double kInitialScale = 40;
    // Zooming stops here; a scale outside these bounds is brought back to them.
    static constexpr double kMinScale = 1e-3;
    static constexpr double kMaxScale = 1e6;
    // A centre farther out than this is brought back to it: beyond it a pixel
    // no longer changes the world coordinate.
    static constexpr double kMaxCentre = 1e12;
    // Pixel rows are kept within ±10000, pixel columns within the integer range.
    static constexpr double kMaxRow = 10000;
    static constexpr double kMaxColumn = 2147483647;
    // The hover distance is this many pixels at every scale.
    static constexpr double kPickPixels = 10;

    PlaneView() = default;
    PlaneView(int width, int height) : m_width(width), m_height(height) {}

    double Scale() const { return m_scale; }
    double CenterX() const { return m_centreX; }
    double CenterY() const { return m_centreY; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // A power of ten chosen so that grid lines lie 4 to 400 pixels apart.
    double GridStep() const { return m_gridStep; }
    // PickTolerance in world units: kPickPixels at the current scale.
    double PickTolerance() const { return kPickPixels / m_scale; }

    // False (and nothing changes) for 0, a negative scale, infinity or NaN;
    // other values are kept within kMinScale … kMaxScale.
    bool SetScale(double pixelsPerUnit);
    // False (and nothing changes) for a coordinate that is not finite.
    bool SetCenter(double x, double y);
    void SetSize(int width, int height);

    double ToWorldX(double column) const;
    double ToWorldY(double row) const;
    geometry::Vec2 ToWorld(double column, double row) const { return {ToWorldX(column), ToWorldY(row)}; }
    int ToScreenX(double x) const;
    int ToScreenY(double y) const;

private:
    double m_scale = kInitialScale;
    double m_centreX = 0;
    double m_centreY = 0;
    double m_gridStep = 1;
    int m_width = 0;
    int m_height = 0;
};

// 10 to the power Trunc(log10(40 / scale)): 1 at scale 40, 10 at 2, 0.1 at 1000.
double GridStepForScale(double scale);

} // namespace plane
