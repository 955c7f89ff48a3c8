#include "arithmetic/divisorsegment.h"
#include "arithmetic/divisibility.h"
#include "arithmetic/numberinput.h"
#include "base/numfmt.h"
#include <limits>

namespace arithmetic {

std::optional<QString> DivisorSegment::SetMinText(const QString& text)
{
    const auto value = ParseNatural(text, kSegmentDigits);
    if (!value) return std::nullopt;
    m_min = *value;
    if (m_max - m_min <= kMaxSegmentSpan) return std::nullopt;
    m_max = m_min + kMaxSegmentSpan;
    return QString::number(m_max);
}

std::optional<QString> DivisorSegment::SetMaxText(const QString& text)
{
    const auto value = ParseNatural(text, kSegmentDigits);
    if (!value) return std::nullopt;
    m_max = *value;
    if (m_max - m_min <= kMaxSegmentSpan) return std::nullopt;
    m_min = m_max - kMaxSegmentSpan;
    return QString::number(m_min);
}

void DivisorSegment::SetTargetText(const QString& text)
{
    const auto value = base::ParseInt(text);
    const bool fits = value && *value >= std::numeric_limits<int>::min() && *value <= std::numeric_limits<int>::max();
    m_target = fits ? int(*value) : 0;
}

int DivisorSegment::RowCount() const
{
    return m_min < m_max ? int(m_max - m_min + 1) : 1;
}

bool DivisorSegment::PickedOut(long long number) const
{
    return DivisorCount(number) == m_target;
}

} // namespace arithmetic
