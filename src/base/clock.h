#pragma once
#include <QDateTime>
#include <functional>

// The time of day and today's date, replaceable by tests.
namespace base {

QDateTime Now();
QDate Today();
// Seconds since midnight, with the fraction.
double TimeOfDaySeconds();
// An empty function restores the real clock.
void SetClockForTests(std::function<QDateTime()> clock);

} // namespace base
