#pragma once
#include "space/geometry.h"
#include <QPoint>
#include <QPointF>

// The mapping between the world's xy plane and the control's pixels: the
// world point (CenterX, CenterY) at the middle of the control, Scale pixels
// per unit, y upwards. z is dropped (parallel projection along z).
namespace space {

class SpaceView {
public:
    static constexpr double kInitialScale = 40;
    static constexpr double kPickPixels = 10;
    // Bounds that keep pixel arithmetic finite whatever a file or the zoom
    // buttons ask for.
    static constexpr double kMinScale = 1e-3;
    static constexpr double kMaxScale = 1e6;
    static constexpr double kMaxCentre = 1e9;
    static constexpr double kMaxPixel = 1e6;

    SpaceView(int width = 600, int height = 400) : m_width(width), m_height(height) {}

    double Scale() const { return m_scale; }
    double CenterX() const { return m_centerX; }
    double CenterY() const { return m_centerY; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // Always ten pixels in world units.
    double PickTolerance() const { return kPickPixels / m_scale; }

    // False (and nothing changes) for a scale that is not a positive number;
    // otherwise it is brought within the bounds.
    bool SetScale(double scale);
    void SetCenter(double x, double y);
    void Resize(int width, int height);

    QPointF ToScreen(double x, double y) const;
    QPointF ToScreen(const geometry::Vec3& p) const { return ToScreen(p.x, p.y); }
    QPoint ToPixel(const geometry::Vec3& p) const { return ToScreen(p).toPoint(); }
    double ToWorldX(double column) const { return m_centerX + (column - m_width / 2) / m_scale; }
    double ToWorldY(double row) const { return m_centerY + (m_height / 2 - row) / m_scale; }

private:
    double m_scale = kInitialScale;
    double m_centerX = 0;
    double m_centerY = 0;
    int m_width;
    int m_height;
};

} // namespace space
