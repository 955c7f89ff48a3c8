#include "base/clock.h"

namespace base {
namespace {
std::function<QDateTime()>& ClockOverride()
{
    static std::function<QDateTime()> clock;
    return clock;
}
} // namespace

QDateTime Now()
{
    auto& clock = ClockOverride();
    return clock ? clock() : QDateTime::currentDateTime();
}

QDate Today() { return Now().date(); }

double TimeOfDaySeconds()
{
    return Now().time().msecsSinceStartOfDay() / 1000.0;
}

void SetClockForTests(std::function<QDateTime()> clock)
{
    ClockOverride() = std::move(clock);
}

} // namespace base
