#include "arithmetic/ratiodivision.h"
#include <algorithm>
#include <cmath>
#include <numeric>

namespace arithmetic {

RatioDivision::RatioDivision()
{
    m_parts = {9, 1};
    m_widths = {0, 0};
}

void RatioDivision::SetMembers(int m)
{
    if (m < 1 || m > kMaxMembers) return;
    m_parts = QList<int>(m, 1);
    m_widths = QList<int>(m, 0);
    SetPartCount(std::max(m_partCount, m));
}

int RatioDivision::SetPartCount(int p)
{
    if (p < 1 || p > kMaxParts) return m_partCount;
    m_partCount = std::max(p, Members());
    m_pixelsPerPart = double(m_rulerWidth - 1) / m_partCount;
    resetDistribution();
    return m_partCount;
}

void RatioDivision::SetVolume(int v)
{
    if (v < kMinVolume || v > kMaxVolume) return;
    m_volume = v;
}

void RatioDivision::SetRulerWidth(int width)
{
    m_rulerWidth = std::max(width, 1);
    m_pixelsPerPart = double(m_rulerWidth - 1) / m_partCount;
    UpdateColumns();
}

bool RatioDivision::SetMemberParts(const QList<int>& parts)
{
    if (parts.size() != Members()) return false;
    if (std::any_of(parts.begin(), parts.end(), [](int p) { return p < 1; })) return false;
    if (std::accumulate(parts.begin(), parts.end(), 0LL) != m_partCount) return false;
    m_parts = parts;
    UpdateColumns();
    return true;
}

int RatioDivision::PartLine(int a) const
{
    return int(std::lround(a * m_pixelsPerPart));
}

void RatioDivision::UpdateColumns()
{
    for (int k = 0; k < Members(); ++k)
        m_widths[k] = std::max(0, int(std::lround(m_pixelsPerPart * m_parts[k])) - 1);
}

bool RatioDivision::DragBorder(const QList<int>& widths)
{
    bool changed = false;
    // A ruler without width has no parts to snap to.
    for (int k = 0; m_pixelsPerPart > 0 && k + 1 < Members() && k < widths.size(); ++k) {
        if (widths[k] == m_widths[k]) continue;
        const int q = int(std::lround(widths[k] / m_pixelsPerPart));
        const int s = m_parts[k] + m_parts[k + 1];
        if (q > 0 && q < s) {
            changed = m_parts[k] != q;
            m_parts[k] = q;
            m_parts[k + 1] = s - q;
        }
        break;
    }
    UpdateColumns();
    return changed;
}

void RatioDivision::resetDistribution()
{
    std::fill(m_parts.begin(), m_parts.end(), 1);
    m_parts[0] = m_partCount - Members() + 1;
    UpdateColumns();
}

} // namespace arithmetic
