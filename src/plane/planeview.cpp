#include "plane/planeview.h"
#include <algorithm>
#include <cmath>

namespace plane {
namespace {

int RoundedPixel(double value, double limit)
{
    if (std::isnan(value)) return 0;
    return int(std::lround(std::clamp(value, -limit, limit)));
}

} // namespace

double GridStepForScale(double scale)
{
    return std::pow(10.0, std::trunc(std::log10(PlaneView::kInitialScale / scale)));
}

bool PlaneView::SetScale(double pixelsPerUnit)
{
    if (!std::isfinite(pixelsPerUnit) || pixelsPerUnit <= 0) return false;
    m_scale = std::clamp(pixelsPerUnit, kMinScale, kMaxScale);
    m_gridStep = GridStepForScale(m_scale);
    return true;
}

bool PlaneView::SetCenter(double x, double y)
{
    if (!std::isfinite(x) || !std::isfinite(y)) return false;
    m_centreX = std::clamp(x, -kMaxCentre, kMaxCentre);
    m_centreY = std::clamp(y, -kMaxCentre, kMaxCentre);
    return true;
}

void PlaneView::SetSize(int width, int height)
{
    m_width = std::max(0, width);
    m_height = std::max(0, height);
}

double PlaneView::ToWorldX(double column) const { return m_centreX + (column - m_width / 2) / m_scale; }
double PlaneView::ToWorldY(double row) const { return m_centreY + (m_height / 2 - row) / m_scale; }

int PlaneView::ToScreenX(double x) const
{
    return RoundedPixel((x - m_centreX) * m_scale + m_width / 2, kMaxColumn);
}

int PlaneView::ToScreenY(double y) const
{
    return RoundedPixel(-(y - m_centreY) * m_scale + m_height / 2, kMaxRow);
}

} // namespace plane
