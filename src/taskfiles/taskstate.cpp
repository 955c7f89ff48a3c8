#include "taskfiles/taskstate.h"
#include "base/appstate.h"
#include "base/clock.h"
#include "base/coursefiles.h"
#include "base/textutil.h"
#include <algorithm>
#include <cmath>

namespace tasks {

namespace {
constexpr double kSecondsPerDay = 86400;
}

void TaskState::ShowUser(const QString& userId)
{
    shownUserId = userId;
    shownUserFolder = QStringLiteral("USERS\\") + userId + u'\\';
}

bool TaskState::IsShownUserCurrent() const { return shownUserId == base::App().currentUserId; }

bool IsSafeTaskCode(const QString& code)
{
    // A task code is a page code of the course ("/" taken as "") that also
    // names a file below a topic folder: no empty or "." component.
    const QString pageCode = QString(code).replace(u'/', u'\\');
    if (!base::IsSafePageCode(pageCode)) return false;
    const QStringList parts = pageCode.split(u'\\');
    return std::none_of(parts.begin(), parts.end(), [](const QString& part) {
        const QString trimmed = base::Trim(part);
        return trimmed.isEmpty() || trimmed == u".";
    });
}

double ElapsedSeconds(double startTime)
{
    const double elapsed = std::fmod(base::TimeOfDaySeconds() - startTime, kSecondsPerDay);
    return elapsed < 0 ? elapsed + kSecondsPerDay : elapsed;
}

QString ClockCaption(const QString& caption, double elapsedSeconds)
{
    const long long seconds = std::llround(elapsedSeconds);
    const qsizetype colon = caption.indexOf(u':');
    const QString head = base::Trim(colon < 0 ? caption : caption.left(colon));
    return head + QStringLiteral(": %1 мин  %2 сек").arg(seconds / 60).arg(seconds % 60);
}

} // namespace tasks
