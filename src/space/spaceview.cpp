#include "space/spaceview.h"
#include <algorithm>
#include <cmath>

namespace space {

bool SpaceView::SetScale(double scale)
{
    if (!(scale > 0) || !std::isfinite(scale)) return false;
    m_scale = std::clamp(scale, kMinScale, kMaxScale);
    return true;
}

void SpaceView::SetCenter(double x, double y)
{
    auto bound = [](double v) { return std::isfinite(v) ? std::clamp(v, -kMaxCentre, kMaxCentre) : 0.0; };
    m_centerX = bound(x);
    m_centerY = bound(y);
}

void SpaceView::Resize(int width, int height)
{
    m_width = std::max(width, 1);
    m_height = std::max(height, 1);
}

QPointF SpaceView::ToScreen(double x, double y) const
{
    // Far-away objects are pinned at a pixel bound rather than overflowing
    // the painter's integer coordinates.
    auto bound = [](double v) { return std::isfinite(v) ? std::clamp(v, -kMaxPixel, kMaxPixel) : 0.0; };
    return {bound((x - m_centerX) * m_scale + m_width / 2), bound(-(y - m_centerY) * m_scale + m_height / 2)};
}

} // namespace space
